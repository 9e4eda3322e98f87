#include "ui/layoutsetup/LayoutSetupModel.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPixmap>

#include "album/AlbumPages.h"
#include "core/AppSettings.h"
#include "layout/Fitting.h"
#include "layout/RenderPass.h"
#include "layout/TemplateCatalogue.h"

namespace layout_setup {

QString templatesTitle(const AppSettings& s) {
    if (isFullPage(s.FullPageTemplateSel)) return templateDisplayName(s.FullPageTemplateSel);
    return QCoreApplication::translate("LayoutSetup", "Top: %1 + Bottom: %2")
        .arg(halfPageStyleDisplayName(s.TopPageStyle), halfPageStyleDisplayName(s.BottomPageStyle));
}

QString paperSizeText(const AppSettings& s) {
    return QString::asprintf(
        QCoreApplication::translate("LayoutSetup", "%.02f x %.02f in").toUtf8().constData(), s.MaxPageWidthIn,
        s.MaxPageHeightIn);
}

QString imageListHeading(int count) {
    return QCoreApplication::translate("LayoutSetup", "Current Image List [%1] Files").arg(count);
}

QString photoInformationLine(const QString& path, bool loaded, int width, int height) {
    const QString line =
        loaded
            ? QString::asprintf("%s [%d x %d]", path.toUtf8().constData(), width, height)
            : QString::asprintf(QCoreApplication::translate("LayoutSetup", "**Unknown Format** %s [%d x %d]")
                                    .toUtf8()
                                    .constData(),
                                path.toUtf8().constData(), 0, 0);
    return ShortenCaption(line, 60);
}

QString sheetCaption(const QString& layoutText, const QString& printerName) {
    return QCoreApplication::translate("LayoutSetup", "Photo Page Layout: %1 - Printer: %2")
        .arg(layoutDisplayText(layoutText), printerName);
}

std::vector<SlotRow> slotRows(const PageReport& report, bool gridOnly) {
    std::vector<SlotRow> rows;
    if (gridOnly) return rows;
    const int last = std::min(report.slotCount, SlotTable::kLastSlot);
    for (int k = 1; k <= last; ++k) {
        const SlotRecord& r = report.slots[k];
        SlotRow row;
        row.slot = k;
        row.icon = r.failed ? 2 : r.lowResolution ? 1 : 0;
        row.columns[0] = QString::asprintf("%02d", k);
        row.columns[1] = QString::number(r.listIndex);
        const int slash = r.fileName.lastIndexOf(QLatin1Char('/'));
        row.columns[2] = r.fileName.mid(slash + 1) + QStringLiteral(" [+] ") + r.fileName.left(slash + 1);
        row.columns[3] = r.sizeText;
        row.columns[4] = r.failed ? QCoreApplication::translate("LayoutSetup", "Image error!")
                                  : transformationSummary(r.rotated != 0, r.cropped != 0, r.resolutionDeficit,
                                                          r.framed != 0);
        rows.push_back(row);
    }
    return rows;
}

QString pathFromSlotColumn(const QString& text) {
    const QString mark = QStringLiteral(" [+] ");
    // The file name holds no '/' and the folder starts with one, so the mark that
    // joins them is the last one before the first '/': either side may hold the mark.
    const int slash = text.indexOf(QLatin1Char('/'));
    const int at = slash < 0              ? text.lastIndexOf(mark)
                   : slash >= mark.size() ? text.lastIndexOf(mark, slash - int(mark.size()))
                                          : -1;
    if (at < 0) return text;
    return text.mid(at + mark.size()) + text.left(at);
}

int slotColumnWidth(int listWidth, int column) {
    static const int weights[5] = {50, 53, 143, 100, 135};
    if (column < 0 || column >= 5) return 0;
    return listWidth * weights[column] / 521;
}

void setCropSide(AppSettings& s, CropSide side, bool on) {
    int* self = nullptr;
    int* other = nullptr;
    switch (side) {
        case CropSide::Top:
            self = &s.CropTop, other = &s.CropBottom;
            break;
        case CropSide::Bottom:
            self = &s.CropBottom, other = &s.CropTop;
            break;
        case CropSide::Left:
            self = &s.CropLeft, other = &s.CropRight;
            break;
        case CropSide::Right:
            self = &s.CropRight, other = &s.CropLeft;
            break;
    }
    *self = on ? 1 : 0;
    if (!on) *other = 1;
}

int cropIllustration(const AppSettings& s) {
    if (!s.AutoCropOn) return 167;
    int row = -1;  // bottom only, top and bottom, top only
    if (!s.CropTop && s.CropBottom)
        row = 0;
    else if (s.CropTop && s.CropBottom)
        row = 1;
    else if (s.CropTop && !s.CropBottom)
        row = 2;
    int column = -1;  // left only, left and right, right only
    if (s.CropLeft && !s.CropRight)
        column = 0;
    else if (s.CropLeft && s.CropRight)
        column = 1;
    else if (!s.CropLeft && s.CropRight)
        column = 2;
    if (row < 0 || column < 0) return 167;
    static const int pictures[3][3] = {{168, 169, 171}, {172, 173, 174}, {175, 176, 177}};
    return pictures[row][column];
}

bool borderAccepted(double inches) {
    return inches >= 0.0 && inches <= 0.15;
}

QString borderRefusedText(double inches) {
    return QString::asprintf(QCoreApplication::translate("LayoutSetup",
                                                         "The photo border value must be between 0.0 and .15 "
                                                         "inches.\nThe value %.02f is out of range and "
                                                         "will be "
                                                         "ignored.")
                                 .toUtf8()
                                 .constData(),
                             inches);
}

QIcon colourSwatch(ColorRef c) {
    QPixmap p(24, 16);
    p.fill(QColor(colorRed(c), colorGreen(c), colorBlue(c)));
    QPainter painter(&p);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, 23, 15);
    return QIcon(p);
}

const std::vector<int>& resolutionChoices() {
    static const std::vector<int> choices = {100, 150, 200, 250, 300, 350, 400};
    return choices;
}

QString highResolutionWarning() {
    return QCoreApplication::translate(
        "LayoutSetup",
        "Higher resolutions require more memory to be used\nby this program. If you don't have enough "
        "memory, "
        "you will\nsee bitmap memory errors. 200 DPI is sufficient for most prints\nup to 8 x 10 inches. If "
        "you "
        "have problems, reduce your page size\nor your resolution.");
}

}  // namespace layout_setup
