// The kiosk wizard: its rules without a window, its pages driven through their own
// controls on the offscreen platform, and the main window's ways into it.

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QStackedWidget>
#include <QTextEdit>

#include "core/CommandIds.h"
#include "core/SettingsTable.h"
#include "document/ImageListCommands.h"
#include "gui/GuiFixture.h"
#include "layout/RenderPass.h"
#include "ui/PagePreview.h"
#include "ui/wizard/CPPWzdFinish.h"
#include "ui/wizard/CPPWzdSelTemplate.h"
#include "ui/wizard/CPPWzdStart.h"
#include "ui/wizard/KioskWizard.h"
#include "ui/wizard/WizardModel.h"

namespace {

TEST(WizardModelTest, TemplateNamesAndEntryNumbers) {
    for (const wizard::WizardTemplate& t : wizard::wizardTemplates()) {
        EXPECT_EQ(wizard::entryForTemplateName(t.templateName), t.number) << t.templateName;
        EXPECT_EQ(wizard::templateNameForEntry(t.number), t.templateName);
    }
    const QString first = QStringLiteral("Index Sheet (Negative Strip) - 9 Prints");
    const QString three = QStringLiteral("Three 4 x 6 Prints");
    const struct {
        QString name;
        int entry;
    } others[] = {
        {QStringLiteral("NONE - USE HALF PAGE TEMPLATES"), 14},
        {QStringLiteral("three 4 x 6 prints"), 14},  // byte for byte
        {three + QStringLiteral(" "), 14},
        {three + QString(63 - three.size(), QLatin1Char(' ')), 14},  // 63 bytes: fits, equals nothing
        {three + QString(200, QLatin1Char('x')), 14},                // does not fit the buffer
        {QString(100000, QLatin1Char('D')), 14},
        {QString(), 14},
    };
    for (const auto& o : others)
        EXPECT_EQ(wizard::entryForTemplateName(o.name), o.entry) << o.name.left(40).toStdString();
    for (int n : {0, 15, -1, 1000}) EXPECT_EQ(wizard::templateNameForEntry(n), first) << n;
}

TEST(WizardModelTest, PageSizesOfTheWizardsTemplates) {
    const struct {
        int entry;
        PaperSizes sizes;
    } cases[] = {{4, {4, 6, 4, 6}},        {6, {5, 7, 5, 7}},        {8, {8, 10, 8, 10}},
                 {14, {8.5, 11, 8, 10.7}}, {10, {8.5, 11, 8, 10.5}}, {1, {8.5, 11, 8, 10}},
                 {5, {8.5, 11, 8, 10}},    {12, {8.5, 11, 8, 10}}};
    for (const auto& c : cases) {
        AppSettings s;
        s.PageResolution = 150;
        wizard::applyWizardTemplate(s, nullptr, c.entry);
        EXPECT_EQ(s.FullPageTemplateSel, wizard::templateNameForEntry(c.entry));
        EXPECT_EQ(PaperSizes::fromSettings(s), c.sizes) << c.entry;
        EXPECT_EQ(s.CanvasHeight, int(150 * c.sizes.templateHeight)) << c.entry;
    }
}

TEST(WizardModelTest, CoverageLimits) {
    // Paper 10 x 10 inches and a 10-inch-wide printable area at 100 dots: the height
    // in dots is the coverage in tenths of a percent.
    const struct {
        int heightDots;
        wizard::Verdict verdict;
    } cases[] = {{845, wizard::Verdict::PaperProblem}, {855, wizard::Verdict::BorderAdvice},
                 {985, wizard::Verdict::BorderAdvice}, {995, wizard::Verdict::Ready},
                 {1005, wizard::Verdict::Ready},       {1015, wizard::Verdict::BorderAdvice},
                 {1025, wizard::Verdict::PaperProblem}};
    for (const auto& c : cases) {
        const wizard::PrinterJudgement j =
            wizard::judgePrinter(PrinterPage{1000, c.heightDots, 100, 100}, PaperSizes{10, 10, 10, 10});
        EXPECT_EQ(j.verdict, c.verdict) << c.heightDots;
    }
    const wizard::PrinterJudgement none = wizard::judgePrinter(PrinterPage{}, PaperSizes{});
    EXPECT_EQ(none.verdict, wizard::Verdict::PaperProblem) << "no printer is far too small";
    EXPECT_EQ(none.printableText, "0.00 in. x 0.00 in.");
}

class WizardTest : public TempDirTest {
protected:
    void SetUp() override {
        TempDirTest::SetUp();
        doc = std::make_unique<PrintDocument>(store());
        choosePageResolution(doc->settings(), nullptr, 20);
        chooseFullPageTemplate(doc->settings(), nullptr, QStringLiteral("Three 4 x 6 Prints"));
        setPhotos(4);
        doc->setServices(fakes.services(&store()));
        context.document = doc.get();
        context.services = fakes.services(&store());
        context.helpDir = path("html");
        context.runCommand = [this](int id) { commands << id; };
    }
    void setPhotos(int count, int width = 60) {
        QStringList photos;
        for (int i = 0; i < count; ++i) {
            const QString file = path(QStringLiteral("p%1.jpg").arg(i));
            QImage photo(width, width * 2 / 3, QImage::Format_RGB32);
            photo.fill(QColor(40 * i, 200, 100));
            photo.save(file, "JPG");
            photos << file;
        }
        doc->setImageList(photos);
    }
    KioskWizard& open(int page) {
        sheet = std::make_unique<KioskWizard>(context, page);
        return *sheet;
    }
    AppSettings& settings() { return doc->settings(); }

    FakeServices fakes;
    std::unique_ptr<PrintDocument> doc;
    WizardContext context;
    std::unique_ptr<KioskWizard> sheet;
    QList<int> commands;
};

TEST_F(WizardTest, SheetButtonsOnEveryPage) {
    const struct {
        int page;
        bool empty;
        bool back, next;
        const char* cancel;
    } cases[] = {{0, true, false, false, "Close Wizard"}, {0, false, false, true, "Close Wizard"},
                 {1, true, true, false, "Close Wizard"},  {1, false, true, true, "Close Wizard"},
                 {2, false, true, false, "Finish"},       {2, true, true, false, "Finish"}};
    for (const auto& c : cases) {
        if (c.empty)
            doc->setImageList({});
        else if (doc->listEmpty())
            setPhotos(4);
        KioskWizard& w = open(c.page);
        EXPECT_EQ(w.backButton()->isEnabled(), c.back) << c.page << c.empty;
        EXPECT_EQ(w.nextButton()->isEnabled(), c.next) << c.page << c.empty;
        EXPECT_TRUE(w.cancelButton()->isEnabled());
        EXPECT_EQ(w.cancelButton()->text(), c.cancel);
        EXPECT_EQ(w.cancelButton()->accessibleName(), c.cancel);
        EXPECT_EQ(w.windowTitle(), wizard::pageTitle(c.page));
    }
    // Next and Back step through the pages.
    setPhotos(4);
    KioskWizard& w = open(0);
    w.nextButton()->click();
    EXPECT_EQ(w.currentPage(), 1);
    w.nextButton()->click();
    EXPECT_EQ(w.currentPage(), 2);
    EXPECT_EQ(w.cancelButton()->text(), "Finish");
    w.backButton()->click();
    EXPECT_EQ(w.cancelButton()->text(), "Close Wizard");
    EXPECT_FALSE(w.helpButton()->isVisibleTo(&w)) << "no help folder";
}

TEST_F(WizardTest, HalfPageLayoutOpensOnTheLastEntryAndChangesNothing) {
    chooseHalfPageStyles(settings(), nullptr, 125, 129);
    KioskWizard& w = open(1);
    EXPECT_EQ(w.templatePage()->selectedEntry(), 14);
    EXPECT_EQ(w.templatePage()->templateList()->currentRow(), 13);
    EXPECT_TRUE(w.templatePage()->templateList()->item(13)->isSelected());
    EXPECT_EQ(settings().FullPageTemplateSel, "NONE - USE HALF PAGE TEMPLATES");
}

TEST_F(WizardTest, EightByTenSetsItsSizesAndDrawsTheFirstPageAgain) {
    KioskWizard& w = open(1);
    ASSERT_TRUE(doc->ensurePage());
    ImageListCommands(*doc, context.services).nextPage();
    doc->ensurePage();
    ASSERT_NE(doc->report().firstFile, path("p0.jpg"));

    w.templatePage()->templateList()->setCurrentRow(7);  // as the person picks it
    EXPECT_EQ(PaperSizes::fromSettings(settings()), (PaperSizes{8, 10, 8, 10}));
    EXPECT_EQ(readSettingInt(store(), setting::MaxPageWidthIn, -1), 800);
    EXPECT_EQ(readSettingInt(store(), setting::MaxTemplateHeightIn, -1), 1000);
    EXPECT_EQ(readSettingText(store(), setting::FullPageTemplateSel), "One Borderless 8in x 10in Print");
    ASSERT_TRUE(doc->hasPage());
    EXPECT_EQ(doc->page().image.GetWidth(), 160);
    EXPECT_EQ(doc->page().image.GetHeight(), 200);
    EXPECT_EQ(doc->report().firstFile, path("p0.jpg"));
    EXPECT_EQ(w.templatePage()->paperSize()->text(), "Required Paper Size: 8.00 in. x 10.00 in.");
    EXPECT_EQ(w.templatePage()->previewFrame()->title(), "One Borderless 8in x 10in Print");
    EXPECT_FALSE(w.templatePage()->preview()->previewImage().isNull());
}

TEST_F(WizardTest, SingleImageIsOfferedForMultiSlotPagesAndRestartsAtTheStartPhoto) {
    KioskWizard& w = open(1);
    CPPWzdSelTemplate& page = *w.templatePage();
    for (const auto& [entry, offered] : {std::pair{1, false}, {4, false}, {2, false}, {5, true}, {3, true}}) {
        page.chooseEntry(entry);
        EXPECT_EQ(page.useSingleImage()->isEnabled(), offered) << entry;
    }
    page.chooseEntry(5);  // three slots, from the first photo
    page.useSingleImage()->click();
    const SlotTable& slots = doc->report().slots;
    for (int k = 1; k <= 3; ++k) EXPECT_EQ(slots[k].fileName, path("p0.jpg")) << k;
    page.useSingleImage()->click();
    EXPECT_EQ(settings().UseSingleImage, 0);
    for (int k = 1; k <= 3; ++k)
        EXPECT_EQ(doc->report().slots[k].fileName, path(QStringLiteral("p%1.jpg").arg(k - 1)));
}

TEST_F(WizardTest, FinishPageJudgesThePrintableArea) {
    fakes.printer.name = "Desk Jet";
    context.services = fakes.services(&store());
    chooseFullPageTemplate(settings(), nullptr, QStringLiteral("Three 4 x 6 Prints"));  // 8.5 x 11 paper
    const struct {
        int width, height;  // dots at 300 dpi
        double coverage;
        int icon;
        QString message;
        QString area;
    } cases[] = {
        {2400, 3150, 89.8, 198,
         "If you don't want a border around your photo and your printer supports borderless (edge to edge) "
         "printing, check your printer settings.",
         "8.00 in. x 10.50 in."},
        {2550, 3300, 100.0, 211, "\nClick on the Print Page button to print this photo.",
         "8.50 in. x 11.00 in."},
        {2550, 4200, 127.3, 178,
         "Check your printer paper size! Your photo template size is 8.50 x 11.00 inches. The maximum "
         "printable "
         "page area is 8.50 x 14.00 inches. For best results, your printer page size should be set to match "
         "your photo template dimensions.",
         "8.50 in. x 14.00 in."},
    };
    for (const auto& c : cases) {
        fakes.printer.page = PrinterPage{c.width, c.height, 300, 300};
        CPPWzdFinish& page = *open(2).finishPage();
        EXPECT_NEAR(page.judgement().coverage, c.coverage, 0.05);
        EXPECT_EQ(page.messageBox()->toPlainText(), c.message);
        EXPECT_EQ(page.printableArea()->text(), c.area);
        EXPECT_EQ(page.printerLine()->text(), "Current Printer: Desk Jet");
        for (int icon : {178, 198, 211})
            EXPECT_EQ(page.statusIcon(icon)->isVisibleTo(&page), icon == c.icon) << icon;
        EXPECT_EQ(page.previewFrame()->title(), "Print Preview (Required Paper Size: 8.50 in. x 11.00 in.)");
    }
}

TEST_F(WizardTest, TheVerdictJudgesThePaperTheTemplatePrintsOn) {
    // A photo printer: 4 x 6 paper with an eighth of an inch of margin, and its borderless version.
    fakes.printer.name = "Photo";
    fakes.printer.page = PrinterPage{1125, 1725, 300, 300};
    fakes.printer.borderlessPage = PrinterPage{1200, 1800, 300, 300};
    context.services = fakes.services(&store());
    const struct {
        const char* templateName;
        bool leftBorderless;  // what the last print left asked for
        int icon;
    } cases[] = {
        {"One Borderless 4in x 6in Print", false, 211},  // judged on the borderless paper: ready
        {"One Borderless 4in x 6in Print", true, 211},
    };
    for (const auto& c : cases) {
        chooseFullPageTemplate(settings(), nullptr, QString::fromLatin1(c.templateName));
        fakes.printer.borderlessWanted = c.leftBorderless;
        CPPWzdFinish& page = *open(2).finishPage();
        EXPECT_EQ(page.judgement().icon, c.icon) << c.templateName << c.leftBorderless;
        EXPECT_FALSE(fakes.printer.borderlessWanted) << "the check leaves the plain paper asked for";
    }
    // A bordered template after a borderless print is judged on the plain paper.
    fakes.printer.page = PrinterPage{2550, 3300, 300, 300};
    fakes.printer.borderlessPage = PrinterPage{1200, 1800, 300, 300};
    chooseFullPageTemplate(settings(), nullptr, QStringLiteral("Three 4 x 6 Prints"));
    fakes.printer.borderlessWanted = true;
    EXPECT_EQ(open(2).finishPage()->judgement().icon, 211);
}

TEST_F(WizardTest, QualityIndicatorFollowsTheLastPage) {
    chooseFullPageTemplate(settings(), nullptr, QStringLiteral("One Borderless 4in x 6in Print"));
    const struct {
        int photoWidth;  // 0: a file that does not load
        int picture;
    } cases[] = {{600, 139}, {30, 141}, {0, 140}};
    for (const auto& c : cases) {
        if (c.photoWidth)
            setPhotos(1, c.photoWidth);
        else
            doc->setImageList({path("missing.jpg")});
        CPPWzdFinish& page = *open(2).finishPage();
        EXPECT_EQ(page.qualityPictureNumber(), c.picture) << c.photoWidth;
        EXPECT_EQ(page.qualityIndicator()->accessibleName(), wizard::qualityText(c.picture));
        EXPECT_FALSE(page.qualityIndicator()->pixmap().isNull());
    }
}

TEST_F(WizardTest, ButtonsRunTheirMainWindowCommands) {
    settings().ImportedAlbum = "/albums/a.pho";
    KioskWizard& w = open(0);
    const struct {
        int page;
        std::function<QAbstractButton*()> button;
        int command;
    } cases[] = {
        {0, [&] { return w.startPage()->sourceButton(cmd::ImportAlbum); }, cmd::ImportAlbum},
        {0, [&] { return w.startPage()->sourceButton(cmd::OpenImageList); }, cmd::OpenImageList},
        {0, [&] { return w.startPage()->sourceButton(cmd::AddFiles); }, cmd::AddFiles},
        {1, [&] { return w.templatePage()->layoutsButton(); }, cmd::ChangeTemplate},
        {1, [&] { return w.templatePage()->imageListButton(); }, cmd::ViewImageList},
        {2, [&] { return w.finishPage()->button("Printer Setup..."); }, cmd::PrinterSetup},
        {2, [&] { return w.finishPage()->button("Print Page"); }, cmd::Print},
        {2, [&] { return w.finishPage()->button("Draw Prev Page"); }, cmd::PreviousPage},
        {2, [&] { return w.finishPage()->button("Draw Next Page"); }, cmd::NextPage},
        {2, [&] { return w.finishPage()->button("Advanced Options..."); }, cmd::ChangeResolution},
        {2, [&] { return w.finishPage()->button("Slot Statistics..."); }, cmd::SlotStatistics},
    };
    for (const auto& c : cases) {
        w.setCurrentPage(c.page);
        commands.clear();
        QAbstractButton* b = c.button();
        ASSERT_NE(b, nullptr) << c.command;
        b->click();
        EXPECT_EQ(commands, QList<int>{c.command});
        if (c.command == cmd::ImportAlbum) {
            EXPECT_EQ(settings().ImportedAlbum, "/albums/a.pho");
        }
        if (c.page == 0) {
            EXPECT_EQ(w.currentPage(), 1) << "photos in the list: on to the layouts";
        }
    }
    EXPECT_TRUE(settings().ImportedAlbum.isEmpty()) << "a folder or files replace the album";

    // Printer setup reads the printer again; so does the check button.
    fakes.printer.page = PrinterPage{2550, 3300, 300, 300};
    context.runCommand = [this](int) { fakes.printer.page = PrinterPage{2400, 3150, 300, 300}; };
    KioskWizard& again = open(2);
    EXPECT_EQ(again.finishPage()->judgement().icon, 211);
    again.finishPage()->button("Printer Setup...")->click();
    EXPECT_EQ(again.finishPage()->judgement().icon, 198);
    fakes.printer.page = PrinterPage{2550, 4200, 300, 300};
    again.finishPage()->button("Check Printer Again")->click();
    EXPECT_EQ(again.finishPage()->judgement().icon, 178);
}

TEST_F(WizardTest, StartPageBoxWritesStartupWithWizard) {
    settings().StartupWithWizard = 1;
    CPPWzdStart& page = *open(0).startPage();
    EXPECT_TRUE(page.alwaysShow()->isChecked());
    EXPECT_EQ(page.alwaysShow()->text().remove('&'), "Always show this wizard when program starts.");
    page.alwaysShow()->click();
    EXPECT_EQ(settings().StartupWithWizard, 0);
    EXPECT_EQ(readSettingInt(store(), setting::StartupWithWizard, -1), 0);
}

TEST_F(WizardTest, F1OpensTheHelpOfThePageButNotWithShift) {
    for (const char* topic : {"CPPWzdStart.htm", "CPPWzdSelTemplate.htm", "CPPWzdFinish.htm"})
        writeFile(QStringLiteral("html/") + topic, "<html></html>");
    KioskWizard& w = open(0);
    EXPECT_TRUE(w.helpButton()->isVisibleTo(&w));
    for (int page = 0; page < 3; ++page) {
        w.setCurrentPage(page);
        QKeyEvent shifted(QEvent::KeyPress, Qt::Key_F1, Qt::ShiftModifier);
        QApplication::sendEvent(&w, &shifted);
        QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
        QApplication::sendEvent(&w, &f1);
    }
    w.helpButton()->click();
    EXPECT_EQ(fakes.launcher.opened,
              QStringList({path("html") + "/CPPWzdStart.htm", path("html") + "/CPPWzdSelTemplate.htm",
                           path("html") + "/CPPWzdFinish.htm", path("html") + "/CPPWzdFinish.htm"}));
}

// Every control can be found by its name and reached from the keyboard, and no two
// controls of a page share a shortcut letter.
TEST_F(WizardTest, ControlsAreNamedReachableAndTheirShortcutsDistinct) {
    KioskWizard& w = open(0);
    for (int page = 0; page < 3; ++page) {
        w.setCurrentPage(page);
        QSet<QChar> letters;
        for (QWidget* c : w.findChildren<QWidget*>()) {
            if (!c->isVisibleTo(&w) || !(qobject_cast<QAbstractButton*>(c) || qobject_cast<QLineEdit*>(c) ||
                                         qobject_cast<QListWidget*>(c) || qobject_cast<QTextEdit*>(c)))
                continue;
            EXPECT_FALSE(c->accessibleName().isEmpty()) << page << c->metaObject()->className();
            EXPECT_TRUE(c->focusPolicy() & Qt::TabFocus) << c->accessibleName().toStdString();
            if (auto* b = qobject_cast<QAbstractButton*>(c)) {
                const int amp = b->text().indexOf('&');
                if (amp < 0) continue;
                const QChar letter = b->text().at(amp + 1).toLower();
                EXPECT_FALSE(letters.contains(letter)) << page << b->text().toStdString();
                letters.insert(letter);
            }
        }
    }
    const QListWidget* list = w.templatePage()->templateList();
    ASSERT_EQ(list->count(), 14);
    // A screen reader and voice control meet each entry by what it shows; the
    // catalogue's template name is its description.
    QAccessibleInterface* entries = QAccessible::queryAccessibleInterface(w.templatePage()->templateList());
    ASSERT_NE(entries, nullptr);
    ASSERT_EQ(entries->childCount(), 14);
    for (int k = 0; k < 14; ++k) {
        const QString label = QString::fromLatin1(wizard::wizardTemplates()[k].label);
        EXPECT_EQ(list->item(k)->text(), label);
        EXPECT_TRUE(entries->child(k)->text(QAccessible::Name).contains(label)) << k;
        EXPECT_EQ(entries->child(k)->text(QAccessible::Description), wizard::templateNameForEntry(k + 1));
        EXPECT_EQ(list->item(k)->toolTip(), wizard::templateNameForEntry(k + 1));
        EXPECT_FALSE(list->item(k)->icon().isNull()) << k;
    }
}

TEST_F(WizardTest, ClickingTheEntryAlreadyMarkedAppliesIt) {
    chooseHalfPageStyles(settings(), nullptr, 125, 129);
    KioskWizard& w = open(1);
    w.show();
    QListWidget* list = w.templatePage()->templateList();
    ASSERT_TRUE(list->item(13)->isSelected());
    list->scrollToItem(list->item(13));
    const QPoint at = list->visualItemRect(list->item(13)).center();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent click(type, at, list->viewport()->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &click);
    }
    EXPECT_EQ(settings().FullPageTemplateSel, wizard::templateNameForEntry(14));
    EXPECT_DOUBLE_EQ(settings().MaxTemplateHeightIn, 10.7);
}

TEST_F(WizardTest, EnterOnTheFinishPagePressesNoPageButton) {
    KioskWizard& w = open(2);
    w.show();
    QPushButton* print = w.finishPage()->button(QStringLiteral("Print Page"));
    ASSERT_NE(print, nullptr);
    print->setFocus();
    for (int key : {Qt::Key_Return, Qt::Key_Enter}) {
        QKeyEvent enter(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(print, &enter);
    }
    EXPECT_FALSE(commands.contains(cmd::Print));
    EXPECT_TRUE(w.isVisible()) << "Enter does not end the wizard either";
    print->click();
    EXPECT_TRUE(commands.contains(cmd::Print)) << "the button itself still prints";
}

class WizardWindowTest : public MainWindowTest {};

TEST_F(WizardWindowTest, OpensAtStartWhenSetOnThePageTheListCalls) {
    QDir().mkpath(path("photos"));
    QImage photo(60, 40, QImage::Format_RGB32);
    photo.fill(Qt::darkCyan);
    photo.save(path("photos/a.jpg"));
    const struct {
        int startup;
        bool photos;
        int opened;  // the page it opened on, or -1
    } cases[] = {{1, false, 0}, {1, true, 1}, {0, true, -1}};
    for (const auto& c : cases) {
        window.reset();
        store().writeInt("Option", "StartupWithWizard", c.startup);
        CSnapvaleDlg& w = open();
        if (c.photos) w.document().setImageList({path("photos/a.jpg")});
        int opened = -1;
        w.setWizardOpened([&](KioskWizard& wizard) {
            opened = wizard.currentPage();
            // The folder the wizard's end builds the list from when it is still empty.
            w.document().settings().BitmapPath = path("photos");
            wizard.cancelButton()->click();
        });
        w.firstPageDrawn();
        EXPECT_EQ(opened, c.opened) << c.startup << c.photos;
        EXPECT_EQ(w.kioskWizard(), nullptr);
        if (c.opened >= 0) {
            EXPECT_EQ(w.document().imageList().count(), 1) << "rebuilt and placed";
        }
    }
}

TEST_F(WizardWindowTest, TheEraseQuestionIsAskedOnceAndNoAddsToTheList) {
    QImage photo(60, 40, QImage::Format_RGB32);
    photo.fill(Qt::darkCyan);
    for (const char* name : {"a.jpg", "b.jpg", "c.jpg"}) photo.save(path(name));
    for (const auto& [answer, count] : {std::pair{Answer::No, 3}, {Answer::Yes, 1}}) {
        window.reset();
        notifier.shown.clear();
        notifier.answers = {answer};
        files.results = {{path("c.jpg")}};
        CSnapvaleDlg& w = open();
        w.document().setImageList({path("a.jpg"), path("b.jpg")});
        int page = -1;
        w.setWizardOpened([&](KioskWizard& wizard) {
            wizard.setCurrentPage(wizard::StartPage);
            wizard.startPage()->sourceButton(cmd::AddFiles)->click();
            page = wizard.currentPage();
            wizard.reject();
        });
        w.runCommand(cmd::Wizard);
        EXPECT_EQ(w.document().imageList().count(), count);
        EXPECT_EQ(notifier.texts().count("Do you want to erase your current image list first?"), 1);
        EXPECT_EQ(page, wizard::TemplatePage);
        EXPECT_EQ(store().readInt("Option", "StartupWithWizard", -1), 1);
    }
}

}  // namespace
