#include "output/PagePrinter.h"

#include <QCoreApplication>
#include <QtGlobal>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <new>

#include "core/AppServices.h"
#include "core/AppSettings.h"
#include "core/Seams.h"
#include "core/SettingsStore.h"
#include "core/SettingsTable.h"
#include "image/CxImage.h"
#include "layout/Canvas.h"
#include "layout/TemplateCatalogue.h"

namespace {

// A page area this close to the template's size is paper printable to its edges.
bool inBorderlessBand(double ratio) {
    return ratio >= print_limits::kBorderless && ratio < print_limits::kTooLarge;
}

// Real to integer by truncation toward zero, kept inside int (a stored size can be absurd).
int truncToInt(double v) {
    if (!std::isfinite(v)) return 0;
    v = std::trunc(v);
    if (v >= double(INT_MAX)) return INT_MAX;
    if (v <= double(INT_MIN)) return INT_MIN;
    return static_cast<int>(v);
}

// The offset in inches times the resolution, in single precision as the margins
// are held, then truncated.
int offsetDots(float inches, int dpi) {
    return truncToInt(double(inches * static_cast<float>(dpi)));
}

// (total mod part) div 2; 0 for an empty part, which draws nothing anyway.
int halfRemainder(int total, int part) {
    return part > 0 ? (total % part) / 2 : 0;
}

// The bitmap scaled with its aspect kept to the largest size inside the box left by
// the margins on all four sides, at the top-left margin corner (not centred).
QSize fitInBoxSize(std::int64_t boxWidth, std::int64_t boxHeight, int bitmapWidth, int bitmapHeight) {
    if (boxWidth <= 0 || boxHeight <= 0 || bitmapWidth <= 0 || bitmapHeight <= 0) return {};
    std::int64_t fittedWidth, fittedHeight;
    if (double(bitmapWidth) / double(bitmapHeight) >= double(boxWidth) / double(boxHeight)) {
        fittedWidth = boxWidth;
        fittedHeight = std::int64_t(bitmapHeight) * boxWidth / bitmapWidth;
    } else {
        fittedHeight = boxHeight;
        fittedWidth = std::int64_t(bitmapWidth) * boxHeight / bitmapHeight;
    }
    return QSize(int(fittedWidth), int(fittedHeight));
}

QRect fitInBox(int width, int height, int marginX, int marginY, int bitmapWidth, int bitmapHeight) {
    const std::int64_t boxWidth = std::int64_t(width) - 2 * std::int64_t(marginX);
    const std::int64_t boxHeight = std::int64_t(height) - 2 * std::int64_t(marginY);
    const QSize fitted = fitInBoxSize(boxWidth, boxHeight, bitmapWidth, bitmapHeight);
    if (fitted.isEmpty()) return {};
    return QRect(QPoint(marginX, marginY), fitted);
}

QRect pageFit(const PrinterPage& page, const PaperSizes& sizes, int bitmapWidth, int bitmapHeight) {
    using namespace print_limits;
    const int W = page.width, H = page.height, dx = page.dpiX, dy = page.dpiY;
    const double ratio = PageAreaRatio(page, sizes.paperWidth, sizes.paperHeight);
    const double AW = sizes.templateWidth, AH = sizes.templateHeight;

    if (ratio >= kTooLarge) {
        // The template's size in whole inches at the corner of the large page.
        return QRect(0, 0, truncToInt(std::trunc(AW) * dx), truncToInt(std::trunc(AH) * dy));
    }
    if (ratio >= kBorderless) {
        if (printableWidthInches(page) > kLargeSheetInches) {
            // A large sheet: the height from the template in whole inches, a little
            // short of it, and the width following the printable area's shape.
            const int h0 = truncToInt(std::trunc(AH) * dy);
            int w = truncToInt(double(W) / double(H) * h0);
            int h = truncToInt(h0 * kLargeSheetHeight);
            int x = halfRemainder(W, w);
            int y = halfRemainder(H, h);
            if (w > W) {
                w = W;
                x = 0;
            }
            if (h > H) {
                h = H;
                y = 0;
            }
            return QRect(x, y, w, h);
        }
        // A small sheet: the bitmap fitted inside a thin margin all round.
        return fitInBox(W, H, truncToInt(W * kSmallSheetMargin), truncToInt(H * kSmallSheetMargin),
                        bitmapWidth, bitmapHeight);
    }
    if (ratio >= kTooSmall) {
        int w = truncToInt(dx * AW);
        if (w > W) w = W;
        int h = truncToInt(dy * AH);
        const int x = halfRemainder(W, w);
        int y = halfRemainder(H, h);
        if (h > H) {
            h = H;
            y = 0;
        }
        return QRect(x, y, w, h);
    }
    return {};
}

bool hasPrintableArea(const PrinterPage& page) {
    return page.width > 0 && page.height > 0 && page.dpiX > 0 && page.dpiY > 0;
}

QString sizeConflictTitle(PrinterBackend& backend) {
    return QCoreApplication::translate("Messages", "Printer Page Size Conflict - %1")
        .arg(currentPrinterName(backend));
}

bool batchFlag = false;

}  // namespace

double printableWidthInches(const PrinterPage& page) {
    return page.dpiX > 0 ? double(page.width) / double(page.dpiX) : 0.0;
}

double printableHeightInches(const PrinterPage& page) {
    return page.dpiY > 0 ? double(page.height) / double(page.dpiY) : 0.0;
}

double PageAreaRatio(const PrinterPage& page, double paperWidth, double paperHeight) {
    const double paperArea = paperWidth * paperHeight;
    if (!(paperArea > 0) || !std::isfinite(paperArea)) return 0.0;
    return printableWidthInches(page) * printableHeightInches(page) / paperArea * 100.0;
}

QRect ComputePlacement(const PrinterPage& page, int mode, int bitmapWidth, int bitmapHeight, float offsetX,
                       float offsetY, const PaperSizes& sizes) {
    switch (mode) {
        case OneToOne: {
            const int ox = offsetDots(offsetX, page.dpiX);
            const int oy = offsetDots(offsetY, page.dpiY);
            return QRect(ox, oy, qMax(0, bitmapWidth), qMax(0, bitmapHeight));
        }
        case FitInMargins:
            return fitInBox(page.width, page.height, offsetDots(offsetX, page.dpiX),
                            offsetDots(offsetY, page.dpiY), bitmapWidth, bitmapHeight);
        case PageFit:
            return pageFit(page, sizes, bitmapWidth, bitmapHeight);
        case EdgeToEdge: {
            // Paper printable to its edges is filled; the thin margin PageFit keeps on
            // such a sheet would print as the border the template is meant to avoid.
            const double ratio = PageAreaRatio(page, sizes.paperWidth, sizes.paperHeight);
            if (hasPrintableArea(page) && inBorderlessBand(ratio))
                return QRect(0, 0, page.width, page.height);
            return pageFit(page, sizes, bitmapWidth, bitmapHeight);
        }
        default:
            return {};
    }
}

QRect AlignedPlacement(const QRect& placement, const PrinterPage& page, const AlignmentOffsets& offsets,
                       int orientation) {
    if (placement.isEmpty()) return placement;
    auto dots = [](double mm, int dpi) -> std::int64_t {
        if (!std::isfinite(mm) || dpi <= 0) return 0;
        return std::llround(std::clamp(mm, -kAlignmentLimitMm, kAlignmentLimitMm) * dpi / 25.4);
    };
    // The job's own axes, measured in the paper's frame.
    const bool turned = orientation == kPrintLandscape;
    const double alongX = turned ? -offsets.yMm : offsets.xMm;
    const double alongY = turned ? offsets.xMm : offsets.yMm;
    const std::int64_t x = std::int64_t(placement.x()) + dots(alongX, page.dpiX);
    const std::int64_t y = std::int64_t(placement.y()) + dots(alongY, page.dpiY);
    // A rectangle moved past the ends of int would wrap round: it stays where it was.
    if (x < INT_MIN / 2 || y < INT_MIN / 2 || x + placement.width() > INT_MAX / 2 ||
        y + placement.height() > INT_MAX / 2)
        return placement;
    return QRect(int(x), int(y), placement.width(), placement.height());
}

int PagePlacementMode(const AppSettings& settings, bool borderless) {
    if (settings.StretchImageToPage != 1) return OneToOne;
    return borderless ? EdgeToEdge : PageFit;
}

int PrintOrientation(const AppSettings& settings, int canvasWidth, int canvasHeight) {
    if (settings.AutoOrientation != 0) return canvasWidth >= canvasHeight ? kPrintLandscape : kPrintPortrait;
    return settings.ManPortraitRadio != 0 ? kPrintPortrait : kPrintLandscape;
}

QSize fitInMarginsSize(int boxWidth, int boxHeight, int bitmapWidth, int bitmapHeight) {
    return fitInBoxSize(boxWidth, boxHeight, bitmapWidth, bitmapHeight);
}

QString PrintDocumentName(const QString& title) {
    constexpr int kLimit = 31;
    if (title.size() <= kLimit) return title;
    // Never leave half of a character that takes two UTF-16 units.
    const int cut = title.at(kLimit - 1).isHighSurrogate() ? kLimit - 1 : kLimit;
    return title.left(cut);
}

bool PrintBitmap(PrinterBackend& backend, const CxImage* bitmap, int mode, const QString& title,
                 int orientation, float offsetX, float offsetY, const PaperSizes& sizes,
                 const PageRequest& request) {
    if (!bitmap || !bitmap->IsValid()) return false;
    if (backend.defaultPrinterName().isEmpty()) return false;
    // Every job says which paper it wants: a borderless page before must not leave
    // the next one on borderless paper.
    backend.useBorderlessMedia(request.borderless);
    backend.setOrientation(orientation);
    const PrinterPage page = backend.readPrinterPage();
    if (!hasPrintableArea(page)) return false;
    const QRect placement = AlignedPlacement(
        ComputePlacement(page, mode, bitmap->GetWidth(), bitmap->GetHeight(), offsetX, offsetY, sizes), page,
        request.alignment ? *request.alignment : backend.alignmentOffsets(), orientation);
    bool spooled = false;
    try {
        // Spooling lets window events run, and they may drop the caller's page
        // (a repaint, another command): the spooler gets a copy of its own.
        const CxImage own(*bitmap);
        spooled = backend.spoolPage(own, placement, PrintDocumentName(title));
    } catch (const std::bad_alloc&) {
        spooled = false;
    }
    // A borderless job leaves nothing behind: the printer setup and every page read
    // after it see the queue's own paper again.
    if (request.borderless) backend.useBorderlessMedia(false);
    return spooled;
}

bool BatchPrintInProgress() {
    return batchFlag;
}

BatchPrintFlag::BatchPrintFlag() {
    batchFlag = true;
}

BatchPrintFlag::~BatchPrintFlag() {
    batchFlag = false;
}

bool CheckPrinterPageSize(PrinterBackend& backend, Notifier& notifier, const PaperSizes& sizes,
                          bool borderless) {
    if (BatchPrintInProgress()) return true;
    const PrinterPage page = ReadPrinterPageFor(backend, borderless);
    const double ratio = PageAreaRatio(page, sizes.paperWidth, sizes.paperHeight);
    const char* format = nullptr;
    if (ratio >= print_limits::kTooLarge)
        format =
            "Your printer page dimensions are too large for the\ntemplate selected. Your template size is "
            "%.02lf x %.02lf inches.\nThe printer page area is %.02lf x %.02lf inches.\n\nDo you want to "
            "continue and print this anyway?";
    else if (ratio < print_limits::kTooSmall)
        format =
            "Your printer page dimensions are too small for the\ntemplate selected. Your template size is "
            "%.02lf x %.02lf inches.\nThe printer page area is %.02lf x %.02lf inches.\n\nDo you want to "
            "continue and print this anyway?";
    if (!format) return true;
    const QString text = QString::asprintf(format, sizes.paperWidth, sizes.paperHeight,
                                           printableWidthInches(page), printableHeightInches(page));
    return notifier.message(sizeConflictTitle(backend), text, MessageKind::WarningQuestion) == Answer::Yes;
}

bool CheckBorderlessPage(PrinterBackend& backend, Notifier& notifier, const PaperSizes& sizes) {
    const bool hasBorderless = backend.useBorderlessMedia(true);
    const PrinterMedia media = backend.currentMedia();
    const PrinterPage page = backend.readPrinterPage();
    // Pages choose their paper when they print; until then the queue's paper stays.
    backend.useBorderlessMedia(false);
    const double ratio = PageAreaRatio(page, sizes.paperWidth, sizes.paperHeight);
    if (inBorderlessBand(ratio)) return false;
    QString text =
        QString::asprintf(QCoreApplication::translate("Messages",
                                                      "Your printer is not setup for borderless printing for "
                                                      "the template\nyou have selected. Your current "
                                                      "template size is %.02lf x %.02lf inches.\nFor best "
                                                      "results, your printer page size should be set "
                                                      "to match your template\ndimensions.\n")
                              .toUtf8()
                              .constData(),
                          sizes.paperWidth, sizes.paperHeight);
    // Said only when the queue's paper is known and it has no borderless version:
    // then no setting of the paper's size alone would help.
    if (!hasBorderless && media.isValid())
        text += QCoreApplication::translate("Messages",
                                            "The printer \"%1\" has no borderless version of its %2 paper.\n")
                    .arg(currentPrinterName(backend),
                         media.displayName.isEmpty() ? media.name : media.displayName);
    notifier.message(sizeConflictTitle(backend), text, MessageKind::Information);
    return true;
}

bool AskMarginReset(AppSettings& s, SettingsStore* store, Notifier& notifier) {
    if (!(s.TopBottomMargin > 0) && !(s.LeftRightMargin > 0)) return true;
    const QString question = QString::asprintf(
        QCoreApplication::translate(
            "Messages",
            "Your current printer margin settings are: TopBottom -> %.1f and LeftRight -> %.1f.\nThese "
            "values "
            "MUST be set to 0 for borderless printing.\n\nClick \"Yes\" to automatically reset these values.")
            .toUtf8()
            .constData(),
        double(s.TopBottomMargin), double(s.LeftRightMargin));
    if (notifier.plainYesNo(question) != Answer::Yes) return false;
    s.TopBottomMargin = 0.0f;
    s.LeftRightMargin = 0.0f;
    if (store) {
        s.write(*store, setting::TopBottomMargin);
        s.write(*store, setting::LeftRightMargin);
    }
    return true;
}

QString PrintCommandText(PrinterBackend& backend) {
    // The window's own word when no queue is named; the name itself is never translated.
    const QString name = backend.defaultPrinterName();
    return QCoreApplication::translate("Commands", "Print canvas to \"%1\"")
        .arg(name.isEmpty() ? QCoreApplication::translate("Commands", "Default Printer") : name);
}

PrintResult PrintPage(const AppSettings& settings, bool listEmpty, const KeptPage* page,
                      PrinterBackend& backend, Notifier& notifier) {
    // The page is placed by the sizes it was laid out for: the settings may have
    // changed since it was drawn.
    const bool hasPage = page && page->isValid();
    const PaperSizes sizes = hasPage ? page->sizes : PaperSizes::fromSettings(settings);
    const bool borderless = hasPage ? page->borderless : isBorderlessTemplate(settings.FullPageTemplateSel);
    if (!CheckPrinterPageSize(backend, notifier, sizes, borderless)) return PrintResult::Abandoned;
    if (listEmpty) {
        showListEmpty(notifier, true);
        return PrintResult::EmptyList;
    }
    if (!hasPage) return PrintResult::NotPrinted;
    const CxImage& bitmap = page->image;
    const int orientation = PrintOrientation(settings, bitmap.GetWidth(), bitmap.GetHeight());
    const int mode = PagePlacementMode(settings, borderless);
    PageRequest request;
    request.borderless = borderless;
    const bool spooled = PrintBitmap(backend, &bitmap, mode, QStringLiteral("Snapvale Snapshot"), orientation,
                                     settings.LeftRightMargin, settings.TopBottomMargin, sizes, request);
    return spooled ? PrintResult::Printed : PrintResult::NotPrinted;
}
