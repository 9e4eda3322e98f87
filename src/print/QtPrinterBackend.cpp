#include "print/QtPrinterBackend.h"

#include <QCoreApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <cmath>
#include <cstdlib>

#include "image/CxImage.h"
#include "print/CupsLibrary.h"

namespace {
QByteArray queueName(const QString& printerName) {
    return printerQueueName(printerName).toUtf8();
}

bool isKnownPrinter(const QString& name) {
    return !name.isEmpty() && !QPrinterInfo::printerInfo(name).isNull();
}

// The printer the application follows when none was picked: the system's default,
// else the first queue CUPS lists, as many desktops set up queues without marking one.
QString followedPrinterName() {
    const QString name = QPrinterInfo::defaultPrinterName();
    return name.isEmpty() ? QPrinterInfo::availablePrinterNames().value(0) : name;
}

// The printer's own margins for the paper on the layout, in points.
QMarginsF minimumMarginsPoints(QPageLayout layout) {
    layout.setUnits(QPageLayout::Point);
    return layout.minimumMargins();
}

bool printsToEdges(const QMarginsF& margins) {
    // Half a point is what rounding PPD figures to whole points leaves.
    constexpr double kNone = 0.5;
    return margins.left() <= kNone && margins.top() <= kNone && margins.right() <= kNone &&
           margins.bottom() <= kNone;
}

bool sameSize(const QPageSize& a, const QPageSize& b) {
    const QSizeF sa = a.size(QPageSize::Point), sb = b.size(QPageSize::Point);
    return std::abs(sa.width() - sb.width()) <= 1.0 && std::abs(sa.height() - sb.height()) <= 1.0;
}

PrinterState::Kind stateKind(const char* value) {
    switch (value ? std::atoi(value) : 0) {
        case IPP_PSTATE_IDLE:
            return PrinterState::Kind::Idle;
        case IPP_PSTATE_PROCESSING:
            return PrinterState::Kind::Processing;
        case IPP_PSTATE_STOPPED:
            return PrinterState::Kind::Stopped;
        default:
            return PrinterState::Kind::Unknown;
    }
}

// The resolution the queue prints at unless told otherwise (its PPD's default, or
// the driverless printer's), in dots per inch; 0 when the queue does not say.
// Qt's high resolution is its PDF engine's 1200 DPI, which no printer reports.
int queueDefaultResolution(const QString& printerName) {
    const CupsLibrary* cups = cupsLibrary();
    if (!cups) return 0;
    const QByteArray queue = queueName(printerName);
    cups_dest_t* dest = cups->getNamedDest(CUPS_HTTP_DEFAULT, queue.constData(), nullptr);
    if (!dest) return 0;
    int dpi = 0;
    if (cups_dinfo_t* info = cups->copyDestInfo(CUPS_HTTP_DEFAULT, dest)) {
        ipp_attribute_t* attr = cups->findDestDefault(CUPS_HTTP_DEFAULT, dest, info, "printer-resolution");
        if (attr && cups->ippValueTag(attr) == IPP_TAG_RESOLUTION) {
            int yres = 0;
            ipp_res_t units = IPP_RES_PER_INCH;
            const int xres = cups->ippResolution(attr, 0, &yres, &units);
            dpi = units == IPP_RES_PER_CM ? (xres * 254 + 50) / 100 : xres;
        }
        cups->freeDestInfo(info);
    }
    cups->freeDests(1, dest);
    // Anything outside what printers really do is ignored rather than trusted.
    return dpi >= 72 && dpi <= 9600 ? dpi : 0;
}
}  // namespace

QtPrinterBackend::QtPrinterBackend() = default;
QtPrinterBackend::~QtPrinterBackend() = default;

bool QtPrinterBackend::ensurePrinter() {
    // A page is spooling (its events run meanwhile): reads answer from the printer of
    // the job and change nothing on it.
    if (spooling_) return printer_ != nullptr;
    // A chosen printer that has since been removed gives way to the default.
    if (!chosenName_.isEmpty() && !isKnownPrinter(chosenName_)) chosenName_.clear();
    const QString name = chosenName_.isEmpty() ? followedPrinterName() : chosenName_;
    if (name.isEmpty()) return false;

    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (printer_->printerName() != name) printer_->setPrinterName(name);
    // Once for each printer, so a resolution picked in the setup dialog stays.
    if (resolutionFor_ != name) {
        resolutionFor_ = name;
        if (const int dpi = queueDefaultResolution(name); dpi > 0) printer_->setResolution(dpi);
    }
    // Without the queue Qt falls back to writing a PDF file; that is not a printer.
    if (!printer_->isValid() || printer_->outputFormat() != QPrinter::NativeFormat ||
        printer_->printerName() != name)
        return false;
    // Qt keeps the paper it had (the locale's, or the last printer's) when the printer
    // changes: the queue's own default is taken instead, once for each printer, so a
    // paper picked in the setup dialog stays.
    if (mediaFor_ != name) {
        mediaFor_ = name;
        const QPageSize queueDefault = QPrinterInfo(*printer_).defaultPageSize();
        takeMedia(queueDefault.isValid() ? queueDefault : printer_->pageLayout().pageSize());
    }
    return true;
}

const QtPrinterBackend::Paper& QtPrinterBackend::wantedPaper() const {
    return wantBorderless_ && borderlessMedia_.size.isValid() ? borderlessMedia_ : media_;
}

QPageLayout QtPrinterBackend::jobLayout() const {
    const Paper& paper = wantedPaper();
    const QPageLayout::Orientation orientation = orientation_ == 0 ? printer_->pageLayout().orientation()
                                                 : orientation_ == kPrintLandscape ? QPageLayout::Landscape
                                                                                   : QPageLayout::Portrait;
    // The paper's own margins are what the printer can reach; borderless paper has none.
    const QMarginsF margins =
        orientation == QPageLayout::Landscape ? paper.landscapeMargins : paper.portraitMargins;
    if (!paper.size.isValid()) return printer_->pageLayout();
    return QPageLayout(paper.size, orientation, margins, QPageLayout::Point, margins);
}

void QtPrinterBackend::applyJobLayout() {
    printer_->setFullPage(false);
    const QPageLayout wanted = jobLayout();
    if (!printer_->pageLayout().pageSize().isEquivalentTo(wanted.pageSize()) ||
        printer_->pageLayout().pageSize().key() != wanted.pageSize().key())
        printer_->setPageSize(wanted.pageSize());
    printer_->setPageOrientation(wanted.orientation());
    // Qt only ever widens the margins when the paper changes.
    const QPageLayout layout = printer_->pageLayout();
    if (layout.margins() != layout.minimumMargins())
        printer_->setPageMargins(layout.minimumMargins(), layout.units());
}

QtPrinterBackend::Paper QtPrinterBackend::measured(const QPageSize& size) {
    Paper paper;
    paper.size = size;
    if (!size.isValid()) return paper;
    const QPageLayout before = printer_->pageLayout();
    printer_->setPageSize(size);
    printer_->setPageOrientation(QPageLayout::Portrait);
    paper.portraitMargins = minimumMarginsPoints(printer_->pageLayout());
    printer_->setPageOrientation(QPageLayout::Landscape);
    paper.landscapeMargins = minimumMarginsPoints(printer_->pageLayout());
    printer_->setPageLayout(before);
    return paper;
}

void QtPrinterBackend::takeMedia(const QPageSize& size) {
    media_ = measured(size);
    borderlessMedia_ = measured(borderlessVersionOf(size));
}

QPageSize QtPrinterBackend::borderlessVersionOf(const QPageSize& size) {
    if (!size.isValid()) return {};
    const QPageSize before = printer_->pageLayout().pageSize();
    auto marginsOf = [this](const QPageSize& candidate) {
        printer_->setPageSize(candidate);
        return minimumMarginsPoints(printer_->pageLayout());
    };
    QPageSize found;
    if (printsToEdges(marginsOf(size))) {
        found = size;
    } else {
        // A PPD lists the borderless version as a size of its own ("4x6.Fullbleed",
        // "4x6.Borderless"): the same paper with nothing left unprintable.
        for (const QPageSize& candidate : QPrinterInfo(*printer_).supportedPageSizes()) {
            if (candidate.key() == size.key() || !sameSize(candidate, size)) continue;
            if (printsToEdges(marginsOf(candidate))) {
                found = candidate;
                break;
            }
        }
    }
    if (before.isValid()) printer_->setPageSize(before);
    return found;
}

QString QtPrinterBackend::defaultPrinterName() {
    if (!ensurePrinter()) return {};
    return printer_->printerName();
}

void QtPrinterBackend::setOrientation(int orientation) {
    if (orientation != kPrintPortrait && orientation != kPrintLandscape) return;
    orientation_ = orientation;
}

PrinterPage QtPrinterBackend::readPrinterPage() {
    if (!ensurePrinter()) return {};
    PrinterPage page;
    const int dpi = printer_->resolution();
    const QRect area = jobLayout().paintRectPixels(dpi);
    page.width = area.width();
    page.height = area.height();
    page.dpiX = dpi;
    page.dpiY = dpi;
    if (page.width <= 0 || page.height <= 0 || page.dpiX <= 0 || page.dpiY <= 0) return {};
    return page;
}

PrinterMedia QtPrinterBackend::currentMedia() {
    if (!ensurePrinter()) return {};
    const QPageLayout layout = jobLayout();
    const QPageSize size = layout.pageSize();
    if (!size.isValid()) return {};
    PrinterMedia media;
    media.name = size.key();
    media.displayName = size.name();
    const QSizeF inches = size.size(QPageSize::Inch);
    media.widthInches = inches.width();
    media.heightInches = inches.height();
    media.borderless = printsToEdges(minimumMarginsPoints(layout));
    return media;
}

bool QtPrinterBackend::useBorderlessMedia(bool on) {
    wantBorderless_ = on;
    if (!ensurePrinter()) return !on;
    return !on || borderlessMedia_.size.isValid();
}

bool QtPrinterBackend::readPrinterState(PrinterState& state) {
    const CupsLibrary* cups = cupsLibrary();
    if (!cups || !ensurePrinter()) return false;
    const QByteArray queue = queueName(printer_->printerName());
    cups_dest_t* dest = cups->getNamedDest(CUPS_HTTP_DEFAULT, queue.constData(), nullptr);
    if (!dest) return false;
    PrinterState read;
    read.kind = stateKind(cups->getOption("printer-state", dest->num_options, dest->options));
    const QString reasons =
        QString::fromUtf8(cups->getOption("printer-state-reasons", dest->num_options, dest->options));
    for (const QString& reason : reasons.split(QLatin1Char(','), Qt::SkipEmptyParts))
        if (reason.trimmed() != QLatin1String("none")) read.reasons << reason.trimmed();
    cups->freeDests(1, dest);
    state = read;
    return true;
}

bool QtPrinterBackend::spoolPage(const CxImage& bitmap, const QRect& placement, const QString& documentName) {
    // Events are dispatched while a page spools; a print started from one of them
    // must not reuse the painter that is still open.
    if (spooling_) return false;
    QImage picture;
    if (!placement.isEmpty()) {
        picture = bitmap.ToBitmap();
        if (picture.isNull()) return false;
    }
    if (!ensurePrinter()) return false;
    applyJobLayout();

    spooling_ = true;
    printer_->setDocName(documentName);
    QPainter painter;
    bool ok = painter.begin(printer_.get());
    if (ok) {
        QCoreApplication::processEvents();
        if (!picture.isNull()) {
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(QRectF(placement), picture);
            QCoreApplication::processEvents();
        }
        // Ending the painter writes the job and hands it to CUPS; its verdict is
        // only visible as libcups's last status on this thread.
        const CupsLibrary* cups = cupsLibrary();
        ok = painter.end() && cups && cups->lastError() <= IPP_STATUS_OK_CONFLICTING;
    }
    spooling_ = false;
    return ok;
}

bool QtPrinterBackend::queuedJobCount(int& count) {
    const CupsLibrary* cups = cupsLibrary();
    if (!cups || !ensurePrinter()) return false;
    cups_job_t* jobs = nullptr;
    const QByteArray queue = queueName(printer_->printerName());
    const int n = cups->getJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.constData(), 0, CUPS_WHICHJOBS_ACTIVE);
    if (jobs) cups->freeJobs(n < 0 ? 0 : n, jobs);
    if (n < 0) return false;
    count = n;
    return true;
}

bool QtPrinterBackend::selectPrinter(const QString& name) {
    if (!isKnownPrinter(name)) return false;
    const QString previous = chosenName_;
    chosenName_ = name;
    if (ensurePrinter()) return true;
    chosenName_ = previous;
    return false;
}

QPrinter* QtPrinterBackend::printerForSetup() {
    // The dialog edits the queue's own paper: a borderless version asked for by a
    // page before would otherwise be shown, and OK would keep it for every page.
    wantBorderless_ = false;
    if (!ensurePrinter()) return nullptr;
    applyJobLayout();
    return printer_.get();
}

void QtPrinterBackend::keepChosenPrinter() {
    if (!printer_ || !isKnownPrinter(printer_->printerName())) return;
    chosenName_ = printer_->printerName();
    // The paper shown in the dialog is the person's choice from now on, borderless or not.
    mediaFor_ = chosenName_;
    takeMedia(printer_->pageLayout().pageSize());
}
