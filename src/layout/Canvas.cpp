#include "layout/Canvas.h"

#include <sys/mman.h>

#include <QCoreApplication>
#include <QPainter>
#include <cstdlib>
#include <cstring>
#include <new>

#include "core/AppSettings.h"
#include "core/Seams.h"
#include "image/CxImage.h"
#include "image/PhotoImage.h"

const char* const kBitmapMemoryErrorPane = QT_TRANSLATE_NOOP("Status", "*Bitmap Memory Error*");
const char* const kBitmapMemoryErrorText = "Bitmap Memory Error - reduce your page size and/or resolution.";

namespace {

constexpr std::size_t kHugePage = 2u * 1024 * 1024;

void freeSurface(void* data) {
    std::free(data);
}

// A 32-bit surface on memory of its own: a page-sized block aligned to and advised
// for transparent huge pages, so clearing and drawing the page takes a few dozen page
// faults instead of thousands. Small surfaces take Qt's own allocation.
QImage allocateSurface(int width, int height) {
    const std::size_t bytes = std::size_t(width) * 4 * std::size_t(height);
    if (bytes < 2 * kHugePage) {
        try {
            return QImage(width, height, QImage::Format_RGB32);
        } catch (const std::bad_alloc&) {
            return QImage();
        }
    }
    const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    void* data = std::aligned_alloc(kHugePage, rounded);
    if (!data) return QImage();
    madvise(data, rounded, MADV_HUGEPAGE);  // advice only: ignored where unsupported
    QImage surface(static_cast<uchar*>(data), width, height, qsizetype(width) * 4, QImage::Format_RGB32,
                   freeSurface, data);
    return surface;
}

}  // namespace

Canvas::Canvas() = default;
Canvas::~Canvas() {
    release();
}

QSize Canvas::pixelSize(int resolution, double widthInches, double heightInches) {
    return QSize(AppSettings::canvasPixels(resolution, widthInches),
                 AppSettings::canvasPixels(resolution, heightInches));
}

QSize Canvas::pixelSize(const AppSettings& s) {
    return pixelSize(s.PageResolution, s.MaxTemplateWidthIn, s.MaxTemplateHeightIn);
}

bool Canvas::sizeAllowed(int width, int height) {
    if (width <= 0 || height <= 0) return false;
    const std::uint64_t pixels = std::uint64_t(width) * std::uint64_t(height);
    if (pixels > CxImage::kMaxPixels) return false;
    // The kept page must fit as well: 24-bit rows padded to four bytes.
    const std::uint64_t stride = (std::uint64_t(width) * 3 + 3) / 4 * 4;
    return 40 + stride * std::uint64_t(height) <= CxImage::kMaxDibBytes;
}

bool Canvas::create(int width, int height, Fill fill) {
    release();
    if (!sizeAllowed(width, height)) return false;
    QImage surface = allocateSurface(width, height);
    if (surface.isNull()) return false;
    if (fill == Fill::White) surface.fill(Qt::white);
    image_ = std::move(surface);
    painter_ = std::make_unique<QPainter>(&image_);
    painter_->setRenderHint(QPainter::Antialiasing, false);
    painter_->setRenderHint(QPainter::TextAntialiasing, false);
    painter_->setRenderHint(QPainter::SmoothPixmapTransform, false);
    return true;
}

void Canvas::release() {
    endPainting();
    image_ = QImage();
}

void Canvas::endPainting() {
    if (painter_) painter_->end();
    painter_.reset();
}

QImage Canvas::takeImage() {
    endPainting();
    return std::move(image_);
}

bool Canvas::makeKeptPage(CxImage& page, int resolution) {
    endPainting();
    return keptPageFrom(image_, page, resolution);
}

bool Canvas::keptPageFrom(const QImage& source, CxImage& page, int resolution) {
    if (source.isNull()) return false;
    // Only another format is converted; a QImage copy of the canvas would be a deep
    // one whenever a painter is still active on it.
    QImage converted;
    if (source.format() != QImage::Format_RGB32) {
        converted = source.convertToFormat(QImage::Format_RGB32);
        if (converted.isNull()) return false;
    }
    const QImage& image = converted.isNull() ? source : converted;
    const int w = image.width(), h = image.height();
    CxImage dib(CXIMAGE_FORMAT_BMP);
    if (!dib.CreateRaster(w, h, 24, CXIMAGE_FORMAT_BMP)) return false;
    const int dpi = resolution > 0 ? resolution : 96;
    dib.SetXDPI(dpi);
    dib.SetYDPI(dpi);
    for (int y = 0; y < h; ++y) {
        const QRgb* src = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        std::uint8_t* dst = dib.GetBits(h - 1 - y);
        for (int x = 0; x < w; ++x) {
            dst[3 * x] = std::uint8_t(qBlue(src[x]));
            dst[3 * x + 1] = std::uint8_t(qGreen(src[x]));
            dst[3 * x + 2] = std::uint8_t(qRed(src[x]));
        }
    }
    page = std::move(dib);
    return true;
}

void reportBitmapMemoryError(StatusSink* status, Notifier* notifier) {
    if (status) status->setPaneText(0, QCoreApplication::translate("Status", kBitmapMemoryErrorPane));
    if (notifier) notifier->plainOk(QString::fromLatin1(kBitmapMemoryErrorText));
}

const PhotoImage& placeholderPicture() {
    static const PhotoImage* picture = [] {
        auto* p = new PhotoImage;
        p->LoadFile(QStringLiteral(":/images/170.png"));
        return p;
    }();
    return *picture;
}

bool drawPlaceholder(QPainter& painter, const QRect& rect) {
    return placeholderPicture().DrawInto(&painter, rect.x(), rect.y(), rect.x() + rect.width(),
                                         rect.y() + rect.height());
}

void paintEmptyListPage(Canvas& canvas) {
    if (!canvas.isValid()) return;
    drawPlaceholder(canvas.painter(), canvas.rect());
}
