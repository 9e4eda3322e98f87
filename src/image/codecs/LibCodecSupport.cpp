#include "image/codecs/LibCodecSupport.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace codecs {

namespace {

// Source pixel (display coordinates, row 0 at the top) of destination pixel (x, y).
struct Mapping {
    int orientation;
    int srcW, srcH;
    void source(int x, int y, int& sx, int& sy) const {
        switch (orientation) {
            case 2:
                sx = srcW - 1 - x;
                sy = y;
                break;
            case 3:
                sx = srcW - 1 - x;
                sy = srcH - 1 - y;
                break;
            case 4:
                sx = x;
                sy = srcH - 1 - y;
                break;
            case 5:
                sx = y;
                sy = x;
                break;
            case 6:
                sx = y;
                sy = srcH - 1 - x;
                break;
            case 7:
                sx = srcW - 1 - y;
                sy = srcH - 1 - x;
                break;
            case 8:
                sx = srcW - 1 - y;
                sy = x;
                break;
            default:
                sx = x;
                sy = y;
                break;
        }
    }
};

// Moves whole pixels of `bpp` bytes between two bottom-up planes. Quarter turns walk
// the destination in square tiles so the source rows stay in cache.
void transformPlane(const std::uint8_t* src, std::size_t srcStride, std::uint8_t* dst, std::size_t dstStride,
                    int bpp, const Mapping& m, int dstW, int dstH) {
    auto srcRow = [&](int displayRow) { return src + std::size_t(m.srcH - 1 - displayRow) * srcStride; };
    auto dstRow = [&](int displayRow) { return dst + std::size_t(dstH - 1 - displayRow) * dstStride; };
    const std::size_t rowBytes = std::size_t(dstW) * std::size_t(bpp);
    if (m.orientation <= 4) {
        for (int y = 0; y < dstH; ++y) {
            int sx0, sy;
            m.source(0, y, sx0, sy);
            const std::uint8_t* s = srcRow(sy);
            std::uint8_t* d = dstRow(y);
            if (m.orientation == 4) {
                std::memcpy(d, s, rowBytes);
            } else {
                for (int x = 0; x < dstW; ++x)
                    std::memcpy(d + std::size_t(x) * bpp, s + std::size_t(dstW - 1 - x) * bpp, bpp);
            }
        }
        return;
    }
    constexpr int kTile = 64;
    for (int ty = 0; ty < dstH; ty += kTile) {
        const int yEnd = std::min(dstH, ty + kTile);
        for (int tx = 0; tx < dstW; tx += kTile) {
            const int xEnd = std::min(dstW, tx + kTile);
            for (int y = ty; y < yEnd; ++y) {
                std::uint8_t* d = dstRow(y);
                for (int x = tx; x < xEnd; ++x) {
                    int sx, sy;
                    m.source(x, y, sx, sy);
                    const std::uint8_t* s = srcRow(sy) + std::size_t(sx) * bpp;
                    std::uint8_t* p = d + std::size_t(x) * bpp;
                    if (bpp == 3) {
                        p[0] = s[0];
                        p[1] = s[1];
                        p[2] = s[2];
                    } else {
                        *p = *s;
                    }
                }
            }
        }
    }
}

}  // namespace

bool OrientImage(CxImage& image, int orientation) {
    if (orientation < 2 || orientation > 8 || !image.IsValid()) return true;
    const int w = image.GetWidth(), h = image.GetHeight(), bits = image.GetBpp();
    const bool swap = orientation >= 5;
    const int dw = swap ? h : w, dh = swap ? w : h;
    CxImage turned(image.GetType());
    if (!turned.CreateRaster(dw, dh, bits, image.GetType())) {
        image.SetLastError(turned.GetLastError());
        return false;
    }
    if (image.GetNumColors() > 0) turned.SetPalette(image.GetPalette(), image.GetNumColors());
    turned.SetBackgroundIndex(image.GetBackgroundIndex());
    const Mapping m{orientation, w, h};
    if (bits == 24 || bits == 8) {
        transformPlane(image.GetBits(0), image.GetEffWidth(), turned.GetBits(0), turned.GetEffWidth(),
                       bits / 8, m, dw, dh);
    } else {
        // 1- and 4-bit pixels share bytes; go through the index access (DIB rows are bottom-up).
        for (int y = 0; y < dh; ++y) {
            for (int x = 0; x < dw; ++x) {
                int sx, sy;
                m.source(x, y, sx, sy);
                turned.SetPixelIndex(x, dh - 1 - y, image.GetPixelIndex(sx, h - 1 - sy));
            }
        }
    }
    if (image.HasAlpha()) {
        turned.AlphaCreate();
        transformPlane(image.AlphaRow(0), std::size_t(w), turned.AlphaRow(0), std::size_t(dw), 1, m, dw, dh);
    }
    const int xdpi = image.GetXDPI(), ydpi = image.GetYDPI();
    image.TakeOver(turned);
    image.SetXDPI(swap ? ydpi : xdpi);
    image.SetYDPI(swap ? xdpi : ydpi);
    return true;
}

bool createAlpha(CxImage& image) noexcept {
    try {
        image.AlphaCreate(255);
    } catch (...) {
        return false;
    }
    return image.HasAlpha();
}

int densityToDpi(double density, int unit) {
    if (!(density > 0) || density > 1e6) return 0;
    double dpi = 0;
    switch (unit) {
        case 1:
            dpi = density;
            break;
        case 2:
            dpi = density * 2.54;
            break;
        case 3:
            dpi = density * 0.0254;
            break;
        default:
            return 0;
    }
    const int v = int(std::floor(dpi + 0.5));
    return v > 0 ? v : 0;
}

}  // namespace codecs
