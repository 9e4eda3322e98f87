// Quarter turns, mirroring, cropping and drawing of CxImage. Every operation builds
// its result in a temporary image and only replaces this one (or fills the
// destination) when it is complete, so a failure leaves the picture as it was.
#include <QPainter>
#include <QRect>
#include <QTransform>
#include <algorithm>
#include <cstring>
#include <vector>

#include "image/CxImage.h"

namespace {

// A new image with the same depth, palette, background and resolution as src.
bool makeLike(const CxImage& src, CxImage& out, std::int64_t width, std::int64_t height) {
    out = CxImage(src.GetType());
    out.SetXDPI(src.GetXDPI());
    out.SetYDPI(src.GetYDPI());
    out.SetBackgroundIndex(src.GetBackgroundIndex());
    out.SetBackgroundColor(src.GetBackgroundColor());
    out.SetJpegQuality(src.GetJpegQuality());
    if (!out.CreateRaster(width, height, src.GetBpp(), src.GetType())) return false;
    if (src.GetNumColors() > 0) out.SetPalette(src.GetPalette(), src.GetNumColors());
    if (src.HasAlpha()) out.AlphaCreate();
    return true;
}

// Hands the finished result to the destination, or to the image itself.
void deliver(CxImage& self, CxImage& result, CxImage* destination) {
    if (destination && destination != &self) {
        *destination = std::move(result);
    } else {
        self.TakeOver(result);
    }
}

bool cancelled(CxImage& self) {
    if (!self.GetEscape()) return false;
    self.SetLastError(QStringLiteral("Cancelled"));
    return true;
}

// Rows of the output are handled in bands so the reads of one source row stay in cache.
constexpr int kTurnBand = 32;

// Output rows y0..y1-1 of output column nx, taken from one source row of W pixels
// of BP bytes: read right to left for a clockwise turn, left to right otherwise.
template <int BP>
void turnBand(const std::uint8_t* srcRow, std::uint8_t* const* dstRows, int y0, int y1, int nx,
              bool clockwise, int W) {
    const std::ptrdiff_t step = clockwise ? -BP : BP;
    const std::uint8_t* s = srcRow + std::ptrdiff_t(clockwise ? W - 1 - y0 : y0) * BP;
    const std::size_t at = std::size_t(nx) * BP;
    for (int ny = y0; ny < y1; ++ny, s += step) std::memcpy(dstRows[ny] + at, s, BP);
}

bool turn(CxImage& self, CxImage* destination, bool clockwise) {
    if (!self.IsValid()) return false;
    const int W = self.GetWidth(), H = self.GetHeight();
    CxImage out;
    if (!makeLike(self, out, H, W)) {
        self.SetLastError(out.GetLastError());
        return false;
    }
    // In DIB coordinates: clockwise new(x, y) = old(W-1-y, x); counter-clockwise new(x, y) = old(y, H-1-x).
    auto oldRow = [&](int newX) { return clockwise ? newX : H - 1 - newX; };
    auto oldCol = [&](int newY) { return clockwise ? W - 1 - newY : newY; };
    const int bpp = self.GetBpp();
    const bool alpha = self.HasAlpha();
    std::vector<std::uint8_t*> dstRows(static_cast<std::size_t>(W));
    std::vector<std::uint8_t*> dstAlpha(alpha ? std::size_t(W) : 0);
    for (int y = 0; y < W; ++y) {
        dstRows[std::size_t(y)] = out.GetBits(y);
        if (alpha) dstAlpha[std::size_t(y)] = out.AlphaRow(y);
    }
    for (int y0 = 0; y0 < W; y0 += kTurnBand) {
        if (cancelled(self)) return false;
        const int y1 = std::min(W, y0 + kTurnBand);
        for (int nx = 0; nx < H; ++nx) {
            const int oy = oldRow(nx);
            if (bpp == 24) {
                turnBand<3>(self.GetBits(oy), dstRows.data(), y0, y1, nx, clockwise, W);
            } else if (bpp == 8) {
                turnBand<1>(self.GetBits(oy), dstRows.data(), y0, y1, nx, clockwise, W);
            } else {
                for (int ny = y0; ny < y1; ++ny)
                    out.SetPixelIndex(nx, ny, self.GetPixelIndex(oldCol(ny), oy));
            }
            if (alpha) turnBand<1>(self.AlphaRow(oy), dstAlpha.data(), y0, y1, nx, clockwise, W);
        }
        self.SetProgress(int(std::int64_t(y1) * 100 / W));
    }
    deliver(self, out, destination);
    return true;
}

}  // namespace

bool CxImage::RotateClockwise(CxImage* destination) {
    return turn(*this, destination, true);
}

bool CxImage::RotateCounterClockwise(CxImage* destination) {
    return turn(*this, destination, false);
}

bool CxImage::CropTo(long left, long top, long right, long bottom, CxImage* destination) {
    if (!IsValid()) return false;
    const long W = GetWidth(), H = GetHeight();
    left = std::clamp(left, 0L, W);
    right = std::clamp(right, 0L, W);
    top = std::clamp(top, 0L, H);
    bottom = std::clamp(bottom, 0L, H);
    if (left == right || top == bottom) return false;
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    const long w = right - left, h = bottom - top;
    CxImage out;
    if (!makeLike(*this, out, w, h)) {
        SetLastError(out.GetLastError());
        return false;
    }
    // Display rows top..bottom-1 are DIB rows H-bottom .. H-top-1.
    const long firstRow = H - bottom;
    const int bpp = GetBpp();
    for (long y = 0; y < h; ++y) {
        if (cancelled(*this)) return false;
        const int sy = int(firstRow + y);
        if (bpp >= 8) {
            const int bp = bpp / 8;
            std::memcpy(out.GetBits(int(y)), GetBits(sy) + std::size_t(left) * bp, std::size_t(w) * bp);
        } else {
            for (long x = 0; x < w; ++x) out.SetPixelIndex(x, y, GetPixelIndex(left + x, sy));
        }
        if (HasAlpha()) std::memcpy(out.AlphaRow(int(y)), AlphaRow(sy) + left, std::size_t(w));
        SetProgress(int((y + 1) * 100 / h));
    }
    deliver(*this, out, destination);
    return true;
}

bool CxImage::Mirror() {
    if (!IsValid()) return false;
    const int W = GetWidth(), H = GetHeight(), bpp = GetBpp();
    for (int y = 0; y < H; ++y) {
        if (bpp >= 8) {
            const int bp = bpp / 8;
            std::uint8_t* row = GetBits(y);
            for (int a = 0, b = W - 1; a < b; ++a, --b)
                std::swap_ranges(row + std::size_t(a) * bp, row + std::size_t(a) * bp + bp,
                                 row + std::size_t(b) * bp);
        } else {
            for (int a = 0, b = W - 1; a < b; ++a, --b) {
                const std::uint8_t ia = GetPixelIndex(a, y), ib = GetPixelIndex(b, y);
                SetPixelIndex(a, y, ib);
                SetPixelIndex(b, y, ia);
            }
        }
        if (HasAlpha()) std::reverse(AlphaRow(y), AlphaRow(y) + W);
    }
    return true;
}

bool CxImage::Flip() {
    if (!IsValid()) return false;
    const int W = GetWidth(), H = GetHeight();
    for (int a = 0, b = H - 1; a < b; ++a, --b) {
        std::swap_ranges(GetBits(a), GetBits(a) + stride_, GetBits(b));
        if (HasAlpha()) std::swap_ranges(AlphaRow(a), AlphaRow(a) + W, AlphaRow(b));
    }
    return true;
}

namespace {

// Opaque 0xffRRGGBB values of the palette, indexed by pixel index.
std::vector<QRgb> paletteTable(const CxImage& image) {
    std::vector<QRgb> table(256, qRgb(0, 0, 0));
    for (int i = 0; i < image.GetNumColors(); ++i) {
        const RGBQuad c = image.GetPaletteColor(i);
        table[std::size_t(i)] = qRgb(c.red, c.green, c.blue);
    }
    return table;
}

// Nearest-neighbour sample of source cell i when n source cells map onto m output
// cells: the source cell under the output cell's centre.
inline int nearestSource(std::int64_t i, std::int64_t n, std::int64_t m) {
    return int(std::min<std::int64_t>(n - 1, ((2 * i + 1) * n) / (2 * m)));
}

// The part `visible` of the whole image stretched to width x height at (x, y),
// as opaque RGB32. Rows and columns are picked, never blended.
QImage stretchNearest(const CxImage& image, int x, int y, int width, int height, const QRect& visible) {
    QImage out(visible.size(), QImage::Format_RGB32);
    if (out.isNull()) return out;
    const int W = image.GetWidth(), H = image.GetHeight(), bpp = image.GetBpp();
    std::vector<int> cols(std::size_t(visible.width()));
    for (int i = 0; i < visible.width(); ++i)
        cols[std::size_t(i)] = nearestSource(visible.x() - x + i, W, width);
    const std::vector<QRgb> table = bpp < 24 ? paletteTable(image) : std::vector<QRgb>();
    for (int r = 0; r < visible.height(); ++r) {
        const int sy = H - 1 - nearestSource(visible.y() - y + r, H, height);
        const std::uint8_t* src = image.GetBits(sy);
        QRgb* dst = reinterpret_cast<QRgb*>(out.scanLine(r));
        switch (bpp) {
            case 24:
                for (std::size_t i = 0; i < cols.size(); ++i) {
                    const std::uint8_t* p = src + 3 * std::size_t(cols[i]);
                    dst[i] = qRgb(p[2], p[1], p[0]);
                }
                break;
            case 8:
                for (std::size_t i = 0; i < cols.size(); ++i) dst[i] = table[src[cols[i]]];
                break;
            case 4:
                for (std::size_t i = 0; i < cols.size(); ++i) {
                    const int c = cols[i];
                    dst[i] = table[(c & 1) ? (src[c >> 1] & 0x0f) : (src[c >> 1] >> 4)];
                }
                break;
            default:
                for (std::size_t i = 0; i < cols.size(); ++i) {
                    const int c = cols[i];
                    dst[i] = table[(src[c >> 3] >> (7 - (c & 7))) & 1];
                }
                break;
        }
    }
    return out;
}

}  // namespace

bool CxImage::StretchTo(QPainter* painter, int x, int y, int width, int height) const {
    if (!IsValid() || !painter || !painter->isActive()) return false;
    if (width <= 0 || height <= 0) return true;  // nothing to cover
    QRect visible(x, y, width, height);
    // Only the part that can land on the device is computed: a photo stretched over
    // a large slot of a page that is partly off-screen costs no more than it shows.
    const QTransform& t = painter->worldTransform();
    if (t.type() <= QTransform::TxTranslate && painter->device()) {
        const QRectF device(0, 0, painter->device()->width(), painter->device()->height());
        visible &= t.inverted().mapRect(device).toAlignedRect();
        if (painter->hasClipping()) visible &= painter->clipBoundingRect().toAlignedRect();
    }
    if (visible.isEmpty()) return true;
    if (std::uint64_t(visible.width()) * std::uint64_t(visible.height()) > kMaxPixels) return false;
    const QImage part = stretchNearest(*this, x, y, width, height, visible);
    if (part.isNull()) return false;
    painter->drawImage(visible.topLeft(), part);
    return true;
}

void CxImage::TileOver(QPainter* painter, const QRect& rect) const {
    if (!IsValid() || !painter || rect.isEmpty()) return;
    const QImage tile = ToBitmap().convertToFormat(QImage::Format_RGB32);
    if (tile.isNull()) return;
    const int w = tile.width(), h = tile.height();
    const int right = rect.x() + rect.width(), bottom = rect.y() + rect.height();
    for (int ty = rect.y(); ty < bottom; ty += h) {
        for (int tx = rect.x(); tx < right; tx += w) {
            painter->drawImage(QPoint(tx, ty), tile,
                               QRect(0, 0, std::min(w, right - tx), std::min(h, bottom - ty)));
        }
    }
}

QImage CxImage::ToBitmap() const {
    if (!IsValid()) return QImage();
    const int W = GetWidth(), H = GetHeight(), bpp = GetBpp();
    QImage out;
    switch (bpp) {
        case 24:
            out = QImage(W, H, QImage::Format_RGB888);
            break;
        case 8:
        case 4:
            out = QImage(W, H, QImage::Format_Indexed8);
            break;
        default:
            out = QImage(W, H, QImage::Format_Mono);
            break;
    }
    if (out.isNull()) return out;
    if (bpp < 24) {
        QList<QRgb> colors;
        for (int i = 0; i < GetNumColors(); ++i) {
            const RGBQuad c = GetPaletteColor(i);
            colors.append(qRgb(c.red, c.green, c.blue));
        }
        out.setColorTable(colors);
    }
    for (int r = 0; r < H; ++r) {
        const std::uint8_t* src = GetBits(H - 1 - r);
        std::uint8_t* dst = out.scanLine(r);
        switch (bpp) {
            case 24:
                // The DIB keeps blue, green, red; the bitmap wants red first.
                std::memcpy(dst, src, std::size_t(W) * 3);
                for (int i = 0; i < W; ++i) std::swap(dst[3 * i], dst[3 * i + 2]);
                break;
            case 8:
                std::memcpy(dst, src, std::size_t(W));
                break;
            case 4:
                for (int i = 0; i < W; ++i) dst[i] = (i & 1) ? (src[i >> 1] & 0x0f) : (src[i >> 1] >> 4);
                break;
            default:
                std::memcpy(dst, src, (std::size_t(W) + 7) / 8);
                break;
        }
    }
    out.setDotsPerMeterX(dpiToPixelsPerMeter(GetXDPI()));
    out.setDotsPerMeterY(dpiToPixelsPerMeter(GetYDPI()));
    return out;
}
