#include "layout/Canvas.h"

#include <QCoreApplication>
#include <QPainter>
#include <cstring>
#include <new>

#include "core/AppSettings.h"
#include "core/Seams.h"
#include "image/CxImage.h"
#include "image/PhotoImage.h"

const char* const kBitmapMemoryErrorPane = QT_TRANSLATE_NOOP("Status", "*Bitmap Memory Error*");
const char* const kBitmapMemoryErrorText = "Bitmap Memory Error - reduce your page size and/or resolution.";

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

bool Canvas::create(int width, int height) {
    release();
    if (!sizeAllowed(width, height)) return false;
    QImage surface;
    try {
        surface = QImage(width, height, QImage::Format_RGB32);
    } catch (const std::bad_alloc&) {
        return false;
    }
    if (surface.isNull()) return false;
    surface.fill(Qt::white);
    image_ = std::move(surface);
    painter_ = std::make_unique<QPainter>(&image_);
    painter_->setRenderHint(QPainter::Antialiasing, false);
    painter_->setRenderHint(QPainter::TextAntialiasing, false);
    painter_->setRenderHint(QPainter::SmoothPixmapTransform, false);
    return true;
}

void Canvas::release() {
    if (painter_) painter_->end();
    painter_.reset();
    image_ = QImage();
}

bool Canvas::makeKeptPage(CxImage& page, int resolution) const {
    return keptPageFrom(image_, page, resolution);
}

bool Canvas::keptPageFrom(const QImage& source, CxImage& page, int resolution) {
    if (source.isNull()) return false;
    const QImage image =
        source.format() == QImage::Format_RGB32 ? source : source.convertToFormat(QImage::Format_RGB32);
    if (image.isNull()) return false;
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
