#include "ui/wizard/WizardModel.h"

#include <QCoreApplication>

#include "core/AppSettings.h"
#include "core/CommandIds.h"
#include "core/SettingsTable.h"
#include "imagelist/ImageList.h"
#include "layout/PageSetup.h"
#include "layout/RenderPass.h"
#include "layout/TemplateCatalogue.h"
#include "output/PagePrinter.h"

namespace wizard {

QString pageTitle(int page) {
    switch (page) {
        case StartPage:
            return QCoreApplication::translate("Wizard", "Welcome To The Snapvale Wizard");
        case TemplatePage:
            return QCoreApplication::translate("Wizard",
                                               "Select Your Photo Layout Template or Review Your Image List");
        case FinishPage:
            return QCoreApplication::translate(
                "Wizard", "Final Step - Examine Your Preview, Check Your Printer Settings  and Print!");
        default:
            return QString();
    }
}

QString helpTopic(int page) {
    switch (page) {
        case StartPage:
            return QStringLiteral("/CPPWzdStart.htm");
        case TemplatePage:
            return QStringLiteral("/CPPWzdSelTemplate.htm");
        case FinishPage:
            return QStringLiteral("/CPPWzdFinish.htm");
        default:
            return QString();
    }
}

SheetButtons sheetButtons(int page, bool listEmpty) {
    SheetButtons b;
    b.cancelText = QCoreApplication::translate("Wizard", "Close Wizard");
    switch (page) {
        case StartPage:
            b.nextEnabled = !listEmpty;
            break;
        case TemplatePage:
            b.backEnabled = true;
            b.nextEnabled = !listEmpty;
            break;
        case FinishPage:
            b.backEnabled = true;
            b.cancelText = QCoreApplication::translate("Wizard", "Finish");
            break;
        default:
            break;
    }
    return b;
}

int firstPage(bool listEmpty) {
    return listEmpty ? StartPage : TemplatePage;
}

const char* const kAlwaysShowText =
    QT_TRANSLATE_NOOP("Wizard", "Always show this wizard when program starts.");

const std::array<PhotoSource, 3>& photoSources() {
    static const std::array<PhotoSource, 3> sources = {{
        {cmd::OpenImageList, 205,
         QCoreApplication::translate("Wizard", "Open directory and start at selected image."),
         QCoreApplication::translate(
             "Wizard",
             "Open directory and start at selected image. Click this button to replace your current "
             "image list with all image files in the directory and reload the photo template starting "
             "with the image you select.")},
        {cmd::AddFiles, 206, QCoreApplication::translate("Wizard", "Select and add one or more images."),
         QCoreApplication::translate(
             "Wizard",
             "Select and add one or more images. Click this button to add one or more selected images "
             "to your current image list. Use the CTRL key to select multiple files from a directory.")},
        {cmd::ImportAlbum, 204, QCoreApplication::translate("Wizard", "Open Your Photo Album."),
         QCoreApplication::translate(
             "Wizard",
             "Open Your Photo Album. Click this button to select all images from a Photo Album. To "
             "create a Photo Album, use the Tools option from the main menu. You can select photos from "
             "anywhere on your computer and combine them into themes and album styles.")},
    }};
    return sources;
}

const std::array<WizardTemplate, kTemplateCount>& wizardTemplates() {
    static const std::array<WizardTemplate, kTemplateCount> table = {{
        {1, QT_TRANSLATE_NOOP("Wizard", "Negative Strip (9 Prints)"), 192,
         "Index Sheet (Negative Strip) - 9 Prints"},
        {2, QT_TRANSLATE_NOOP("Wizard", "3D Slides (12 Prints)"), 303, "Index Sheet (3D Slides) - 12 Prints"},
        {3, QT_TRANSLATE_NOOP("Wizard", "Wallet (13 Prints)"), 305, "Thirteen (Wallet) 2 x 3 Prints"},
        {4, QT_TRANSLATE_NOOP("Wizard", "One 4in x 6in Print"), 306, "One Borderless 4in x 6in Print"},
        {5, QT_TRANSLATE_NOOP("Wizard", "Three 4in x 6in Prints"), 307, "Three 4 x 6 Prints"},
        {6, QT_TRANSLATE_NOOP("Wizard", "One 5in x 7in Print"), 308, "One Borderless 5in x 7in Print"},
        {7, QT_TRANSLATE_NOOP("Wizard", "Two 5in x 7in Prints"), 309, "Two 5in x 7in Prints"},
        {8, QT_TRANSLATE_NOOP("Wizard", "One 8in x 10in Print"), 310, "One Borderless 8in x 10in Print"},
        {9, QT_TRANSLATE_NOOP("Wizard", "Business Card (10 Prints)"), 311,
         "Ten 2 x 3 1/2 (Business Card) Prints"},
        {10, QT_TRANSLATE_NOOP("Wizard", "Greeting Card (Half-fold)"), 312,
         "Greeting Card (Half-fold) 5in x 8in"},
        {11, QT_TRANSLATE_NOOP("Wizard", "CD Case (Booklet)"), 313, "CD Case (Booklet) 4.75 x 4.75 in"},
        {12, QT_TRANSLATE_NOOP("Wizard", "CD Case (InLay)"), 314, "CD Case (InLay) 5.9 x 4.60 in"},
        {13, QT_TRANSLATE_NOOP("Wizard", "DVD Case (Booklet)"), 315, "DVD Case (Booklet) 7.3 x 4.85 in"},
        {14, QT_TRANSLATE_NOOP("Wizard", "DVD Case (Cover)"), 316,
         "DVD Case (Cover) 7.2 x 5.1 in (Spline) .5 x 7.2 in"},
    }};
    return table;
}

int entryForTemplateName(const QString& name) {
    const QByteArray bytes = name.toUtf8();
    for (const WizardTemplate& t : wizardTemplates())
        if (bytes == QByteArray(t.templateName)) return t.number;
    return kTemplateCount;
}

QString templateNameForEntry(int number) {
    if (number < 1 || number > kTemplateCount) number = 1;
    return QString::fromLatin1(wizardTemplates()[std::size_t(number - 1)].templateName);
}

void applyWizardTemplate(AppSettings& s, SettingsStore* store, int number) {
    // The catalogue's paper and area for the template, as the layout setup sheet chooses it.
    chooseFullPageTemplate(s, store, templateNameForEntry(number));
    if (store) s.write(*store, setting::FullPageTemplateSel);
}

void startListOver(ImageList& list) {
    if (list.isEmpty()) return;
    list.setCursor(list.direction() == ImageList::Direction::Forward ? 0 : list.count() - 1);
    list.takeNext();
    list.selectedStartPhoto = list.currentPhoto;
}

bool singleImageAvailable(const AppSettings& s) {
    const PagePlan plan = planPage(PlacementContext::fromSettings(s));
    return !plan.indexSheet && plan.slotCount >= 2;
}

QString requiredPaperSizeText(const AppSettings& s) {
    return QString::asprintf(
        QCoreApplication::translate("Wizard", "Required Paper Size: %.02f in. x %.02f in.")
            .toUtf8()
            .constData(),
        s.MaxPageWidthIn, s.MaxPageHeightIn);
}

QString printPreviewCaption(const AppSettings& s) {
    return QString::asprintf(
        QCoreApplication::translate("Wizard", "Print Preview (Required Paper Size: %.02f in. x %.02f in.)")
            .toUtf8()
            .constData(),
        s.MaxPageWidthIn, s.MaxPageHeightIn);
}

QString printerLine(const QString& printerName) {
    return QCoreApplication::translate("Wizard", "Current Printer: ") + printerName;
}

PrinterJudgement judgePrinter(const PrinterPage& page, const PaperSizes& sizes) {
    PrinterJudgement j;
    j.printableWidth = printableWidthInches(page);
    j.printableHeight = printableHeightInches(page);
    // No printer, or no paper, counts as far too small.
    j.coverage = PageAreaRatio(page, sizes.paperWidth, sizes.paperHeight);
    j.printableText =
        QString::asprintf(QCoreApplication::translate("Wizard", "%.02f in. x %.02f in.").toUtf8().constData(),
                          j.printableWidth, j.printableHeight);
    if (j.coverage >= 99 && j.coverage < 101) {
        j.verdict = Verdict::Ready;
        j.message =
            QCoreApplication::translate("Wizard", "\nClick on the Print Page button to print this photo.");
        j.icon = 211;
    } else if (j.coverage >= 102 || j.coverage < 85) {
        j.verdict = Verdict::PaperProblem;
        j.message = QString::asprintf(
            QCoreApplication::translate("Wizard",
                                        "Check your printer paper size! Your photo template size is %.02f x "
                                        "%.02f inches. The maximum "
                                        "printable page area is %.02f x %.02f inches. For best results, your "
                                        "printer page size should be "
                                        "set "
                                        "to match your photo template dimensions.")
                .toUtf8()
                .constData(),
            sizes.paperWidth, sizes.paperHeight, j.printableWidth, j.printableHeight);
        j.icon = 178;
    } else {
        j.verdict = Verdict::BorderAdvice;
        j.message = QCoreApplication::translate(
            "Wizard",
            "If you don't want a border around your photo and your printer supports borderless (edge to "
            "edge) "
            "printing, check your printer settings.");
        j.icon = 198;
    }
    return j;
}

int qualityPicture(const PageReport& report) {
    if (report.lamp == QLatin1String(kLampRed)) return 140;
    if (report.lamp == QLatin1String(kLampYellow)) return 141;
    return 139;
}

QString qualityText(int picture) {
    switch (picture) {
        case 140:
            return QCoreApplication::translate("Wizard",
                                               "Print quality: a photo of this page could not be loaded");
        case 141:
            return QCoreApplication::translate(
                "Wizard", "Print quality: a photo of this page has too little resolution for its print");
        default:
            return QCoreApplication::translate(
                "Wizard", "Print quality: every photo of this page has enough resolution");
    }
}

}  // namespace wizard
