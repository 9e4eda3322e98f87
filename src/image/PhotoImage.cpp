// Loading, measuring and drawing of PhotoImage.
#include "image/PhotoImage.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <deque>
#include <vector>

#include "image/codecs/Codecs.h"

namespace {

// Photos of more pixels than this, drawn into a rectangle narrower or lower than
// kSmoothEdge pixels, are first halved and then averaged so previews stay smooth.
constexpr std::int64_t kSmoothPixelLimit = 786432;
constexpr int kSmoothEdge = 600;

QString formatNameForCode(int code) {
    switch (code) {
        case CXIMAGE_FORMAT_BMP:
            return QStringLiteral("BMP");
        case CXIMAGE_FORMAT_GIF:
            return QStringLiteral("GIF");
        case CXIMAGE_FORMAT_JPG:
            return QStringLiteral("JPEG");
        case CXIMAGE_FORMAT_PNG:
            return QStringLiteral("PNG");
        case CXIMAGE_FORMAT_TIF:
            return QStringLiteral("TIFF");
        case CXIMAGE_FORMAT_TGA:
            return QStringLiteral("TGA");
        case CXIMAGE_FORMAT_PCX:
            return QStringLiteral("PCX");
        case CXIMAGE_FORMAT_HEIF:
            return QStringLiteral("HEIF");
        case CXIMAGE_FORMAT_AVIF:
            return QStringLiteral("AVIF");
        default:
            return QString();
    }
}

int deviceDpiX(const QPainter* painter) {
    const QPaintDevice* d = painter ? painter->device() : nullptr;
    return d && d->logicalDpiX() > 0 ? d->logicalDpiX() : 96;
}
int deviceDpiY(const QPainter* painter) {
    const QPaintDevice* d = painter ? painter->device() : nullptr;
    return d && d->logicalDpiY() > 0 ? d->logicalDpiY() : 96;
}

}  // namespace

int imageDpi(int dotsPerMetre) {
    const int dpi = dotsPerMetre > 0 ? int(std::floor(dotsPerMetre * 0.0254 + 0.5)) : 0;
    return dpi > 0 ? dpi : 96;
}

int mulDivRound(int a, int b, int c) {
    if (c == 0) return 0;
    const std::int64_t p = std::int64_t(a) * b;
    const std::int64_t half = std::abs(std::int64_t(c)) / 2;
    const bool negative = (p < 0) != (c < 0);
    const std::int64_t q = (std::abs(p) + half) / std::abs(std::int64_t(c));
    return int(negative ? -q : q);
}

int rasterFormatForPath(const QString& path) {
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot < 0) return CXIMAGE_FORMAT_UNKNOWN;
    const QString ext = path.mid(dot + 1).toLower();
    if (ext == QLatin1String("jpg") || ext == QLatin1String("jpeg")) return CXIMAGE_FORMAT_JPG;
    if (ext == QLatin1String("gif")) return CXIMAGE_FORMAT_GIF;
    if (ext == QLatin1String("tif") || ext == QLatin1String("tiff")) return CXIMAGE_FORMAT_TIF;
    if (ext == QLatin1String("tga")) return CXIMAGE_FORMAT_TGA;
    if (ext == QLatin1String("pcx")) return CXIMAGE_FORMAT_PCX;
    if (ext == QLatin1String("png")) return CXIMAGE_FORMAT_PNG;
    if (ext == QLatin1String("bmp")) return CXIMAGE_FORMAT_BMP;
    if (ext == QLatin1String("heic") || ext == QLatin1String("heif")) return CXIMAGE_FORMAT_HEIF;
    if (ext == QLatin1String("avif")) return CXIMAGE_FORMAT_AVIF;
    return CXIMAGE_FORMAT_UNKNOWN;
}

PhotoImage::PhotoImage() = default;
PhotoImage::~PhotoImage() {
    Release();
}

void PhotoImage::Release() {
    systemPicture_ = QImage();
    systemLoaded_ = false;
    systemPhysicalHimetric_ = QSize();
    raster_.reset();
    rasterLoaded_ = false;
    formatName_.clear();
}

namespace {
// One switch for the whole program, set from the settings once they are loaded.
std::atomic<bool> g_applyExifOrientation{true};
std::atomic<bool> g_colorManagePhotos{true};
}  // namespace

void PhotoImage::SetApplyExifOrientation(bool on) {
    g_applyExifOrientation.store(on);
}
bool PhotoImage::ApplyExifOrientation() {
    return g_applyExifOrientation.load();
}

void PhotoImage::SetColorManagePhotos(bool on) {
    g_colorManagePhotos.store(on);
}
bool PhotoImage::ColorManagePhotos() {
    return g_colorManagePhotos.load();
}

int heifFormatByContent(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return CXIMAGE_FORMAT_UNKNOWN;
    const QByteArray head = file.read(4096);  // the file type box, however many brands it lists
    return SniffHeif(reinterpret_cast<const std::uint8_t*>(head.constData()), std::size_t(head.size()));
}

bool isHeifFormat(int format) {
    return format == CXIMAGE_FORMAT_HEIF || format == CXIMAGE_FORMAT_AVIF;
}

int PhotoImage::LoadFileRasterOnly(const QString& path) {
    bool tried = false;
    if (loadRasterPath(path, tried)) return 1;
    if (!tried) lastError_ = QStringLiteral("Decode: Unknown or wrong format");
    return 0;
}

int PhotoImage::loadRasterPath(const QString& path, bool& tried) {
    const int byName = rasterFormatForPath(path);
    tried = byName != CXIMAGE_FORMAT_UNKNOWN;
    if (tried && loadRaster(path, byName)) return 1;
    if (isHeifFormat(byName)) return 0;  // its decoder reads both kinds already
    const int byContent = heifFormatByContent(path);
    if (byContent == CXIMAGE_FORMAT_UNKNOWN) return 0;
    tried = true;
    return loadRaster(path, byContent);
}

int PhotoImage::loadRaster(const QString& path, int format) {
    auto raster = std::make_unique<CxImage>(format);
    raster->SetApplyExifOrientation(ApplyExifOrientation());
    raster->SetColorManage(ColorManagePhotos());
    if (!raster->LoadFromFile(path, format) || !raster->IsValid()) {
        lastError_ = raster->GetLastError();
        return 0;
    }
    Release();
    raster_ = std::move(raster);
    rasterLoaded_ = true;
    formatName_ = formatNameForCode(raster_->GetType());
    lastError_.clear();
    return 1;
}

bool PhotoImage::AdoptRaster(CxImage&& image) {
    if (!image.IsValid()) return false;
    Release();
    raster_ = std::make_unique<CxImage>(std::move(image));
    rasterLoaded_ = true;
    formatName_ = formatNameForCode(raster_->GetType());
    lastError_.clear();
    return true;
}

int PhotoImage::LoadFile(const QString& path) {
    // A file whose bytes do not match its extension fails in its decoder and is
    // then offered to the system picture path (HEIF content to its own decoder first).
    bool tried = false;
    if (loadRasterPath(path, tried)) return 1;
    const QString rasterError = lastError_;

    QImageReader reader(path);
    reader.setAutoTransform(false);
    const QSize announced = reader.size();
    if (announced.isValid() &&
        std::uint64_t(announced.width()) * std::uint64_t(announced.height()) > CxImage::kMaxPixels) {
        lastError_ = QStringLiteral("CXIMAGE_MAX_MEMORY exceeded");
        return 0;
    }
    const QByteArray format = reader.format();
    QImage picture = reader.read();
    if (picture.isNull()) {
        lastError_ = rasterError.isEmpty() ? reader.errorString() : rasterError;
        return 0;
    }
    Release();
    const int dpiX = imageDpi(picture.dotsPerMeterX());
    const int dpiY = imageDpi(picture.dotsPerMeterY());
    systemPhysicalHimetric_ =
        QSize(mulDivRound(picture.width(), 2540, dpiX), mulDivRound(picture.height(), 2540, dpiY));
    systemPicture_ = std::move(picture);
    systemLoaded_ = true;
    formatName_ = QString::fromLatin1(format).toUpper();
    lastError_.clear();
    return 1;
}

void PhotoImage::GetPixelSize(int& width, int& height, int deviceDpiX, int deviceDpiY) const {
    if (rasterLoaded_) {
        width = raster_->GetWidth();
        height = raster_->GetHeight();
    } else if (systemLoaded_) {
        width = mulDivRound(systemPhysicalHimetric_.width(), deviceDpiX, 2540);
        height = mulDivRound(systemPhysicalHimetric_.height(), deviceDpiY, 2540);
    } else {
        width = 0;
        height = 0;
    }
}

bool PhotoImage::DrawInto(QPainter* painter, int left, int top, int right, int bottom) const {
    if (!painter || IsEmpty()) return false;
    if (rasterLoaded_) return raster_->StretchTo(painter, left, top, right - left, bottom - top);
    if (left == 0 && top == 0 && right == 0 && bottom == 0) {
        // No rectangle: the picture at its natural size on this device.
        GetPixelSize(right, bottom, deviceDpiX(painter), deviceDpiY(painter));
    }
    if (right <= left || bottom <= top) return true;
    painter->save();
    painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter->drawImage(QRect(left, top, right - left, bottom - top), systemPicture_);
    painter->restore();
    return true;
}

QRect PhotoImage::FitRect(const QRect& rect, int width, int height, bool centred) {
    const int W = rect.width(), H = rect.height();
    if (width <= 0 || height <= 0 || W <= 0 || H <= 0) return QRect();
    if (double(width) / double(height) >= double(W) / double(H)) {
        const int h = int(height * (double(W) / double(width)));
        return QRect(0, centred ? (H - h) / 2 : 0, W, h);
    }
    const int w = int(width * (double(H) / double(height)));
    return QRect(centred ? (W - w) / 2 : 0, 0, w, H);
}

bool PhotoImage::DrawFitted(QPainter* painter, const QRect& rect) const {
    if (!painter || IsEmpty()) return false;
    int w = 0, h = 0;
    GetPixelSize(w, h, deviceDpiX(painter), deviceDpiY(painter));
    const QRect fit = FitRect(rect, w, h, true).translated(rect.topLeft());
    if (fit.isEmpty()) return true;
    return DrawSmooth(painter, fit.x(), fit.y(), fit.x() + fit.width(), fit.y() + fit.height());
}

bool PhotoImage::DrawSmooth(QPainter* painter, int left, int top, int right, int bottom) const {
    if (!painter || IsEmpty()) return false;
    const int dw = right - left, dh = bottom - top;
    int w = 0, h = 0;
    GetPixelSize(w, h, deviceDpiX(painter), deviceDpiY(painter));
    // A picture too thin to halve has nothing to average: it takes the plain stretch.
    if ((dh >= kSmoothEdge && dw >= kSmoothEdge) || std::int64_t(w) * h <= kSmoothPixelLimit || w < 2 ||
        h < 2)
        return DrawInto(painter, left, top, right, bottom);
    if (dw <= 0 || dh <= 0) return true;
    QImage half(w / 2, h / 2, QImage::Format_ARGB32_Premultiplied);
    if (half.isNull()) return false;
    half.fill(Qt::transparent);
    {
        QPainter p(&half);
        if (!DrawInto(&p, 0, 0, half.width(), half.height())) return false;
    }
    const QImage averaged = scaleAreaAverage(half, dw, dh);
    if (averaged.isNull()) return false;
    painter->drawImage(QPoint(left, top), averaged);
    return true;
}

namespace {

// For each output cell of a resampling from n source cells to m, the source cells
// it covers and how much of each (in units of 1/m of a source cell; they sum to n).
struct Coverage {
    int first = 0;
    std::vector<std::uint32_t> weights;
};

std::vector<Coverage> coverageTable(int n, int m) {
    std::vector<Coverage> table(static_cast<std::size_t>(m));
    for (int i = 0; i < m; ++i) {
        const std::int64_t lo = std::int64_t(i) * n, hi = std::int64_t(i + 1) * n;
        const std::int64_t first = lo / m, last = (hi - 1) / m;
        Coverage& c = table[std::size_t(i)];
        c.first = int(first);
        for (std::int64_t s = first; s <= last; ++s) {
            const std::int64_t a = std::max(lo, s * m), b = std::min(hi, (s + 1) * m);
            c.weights.push_back(std::uint32_t(b - a));
        }
    }
    return table;
}

}  // namespace

namespace {

// Area averaging over sw x sh source pixels, each row given by line(sy) as premultiplied
// ARGB bytes (blue, green, red, alpha); every row is asked for once, in order.
template <typename Line>
QImage scaleAreaAverageRows(int sw, int sh, int width, int height, Line&& line) {
    QImage out(width, height, QImage::Format_ARGB32_Premultiplied);
    if (out.isNull()) return out;
    const std::vector<Coverage> cols = coverageTable(sw, width);
    const std::vector<Coverage> rows = coverageTable(sh, height);
    // Source rows reduced horizontally, kept while output rows still need them.
    std::deque<std::pair<int, std::vector<std::uint64_t>>> reduced;
    auto reducedRow = [&](int sy) -> const std::vector<std::uint64_t>& {
        for (const auto& r : reduced)
            if (r.first == sy) return r.second;
        std::vector<std::uint64_t> acc(std::size_t(width) * 4, 0);
        const std::uint8_t* src = line(sy);
        for (int x = 0; x < width; ++x) {
            const Coverage& c = cols[std::size_t(x)];
            for (std::size_t k = 0; k < c.weights.size(); ++k) {
                const std::uint8_t* p = src + 4 * (std::size_t(c.first) + k);
                for (int ch = 0; ch < 4; ++ch)
                    acc[4 * std::size_t(x) + ch] += std::uint64_t(c.weights[k]) * p[ch];
            }
        }
        reduced.emplace_back(sy, std::move(acc));
        return reduced.back().second;
    };
    const std::uint64_t denominator = std::uint64_t(sw) * std::uint64_t(sh);
    std::vector<std::uint64_t> sum(std::size_t(width) * 4);
    for (int y = 0; y < height; ++y) {
        const Coverage& r = rows[std::size_t(y)];
        while (!reduced.empty() && reduced.front().first < r.first) reduced.pop_front();
        std::fill(sum.begin(), sum.end(), 0);
        for (std::size_t k = 0; k < r.weights.size(); ++k) {
            const std::vector<std::uint64_t>& row = reducedRow(r.first + int(k));
            for (std::size_t i = 0; i < sum.size(); ++i) sum[i] += r.weights[k] * row[i];
        }
        std::uint8_t* dst = out.scanLine(y);
        for (std::size_t i = 0; i < sum.size(); ++i)
            dst[i] = std::uint8_t(std::min<std::uint64_t>(255, (sum[i] + denominator / 2) / denominator));
    }
    return out;
}

}  // namespace

QImage scaleAreaAverage(const QImage& source, int width, int height) {
    if (source.isNull() || width <= 0 || height <= 0) return QImage();
    if (std::uint64_t(width) * std::uint64_t(height) > CxImage::kMaxPixels) return QImage();
    const QImage src = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return scaleAreaAverageRows(src.width(), src.height(), width, height,
                                [&src](int sy) { return src.constScanLine(sy); });
}

QImage scaleAreaAverage(const CxImage& source, int width, int height) {
    if (!source.IsValid() || width <= 0 || height <= 0) return QImage();
    if (source.GetBpp() != 24) return scaleAreaAverage(source.ToBitmap(), width, height);
    if (std::uint64_t(width) * std::uint64_t(height) > CxImage::kMaxPixels) return QImage();
    const int sw = source.GetWidth(), sh = source.GetHeight();
    // One opaque row at a time, straight from the bottom-up rows: no copy of the picture.
    std::vector<std::uint8_t> row(std::size_t(sw) * 4, 255);
    return scaleAreaAverageRows(sw, sh, width, height, [&](int sy) {
        const std::uint8_t* s = source.GetBits(sh - 1 - sy);
        std::uint8_t* d = row.data();
        for (int x = 0; x < sw; ++x, s += 3, d += 4) {
            d[0] = s[0];
            d[1] = s[1];
            d[2] = s[2];
        }
        return static_cast<const std::uint8_t*>(row.data());
    });
}
