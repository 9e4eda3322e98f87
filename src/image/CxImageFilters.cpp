// Pixel filters of CxImage and the colour histogram. The filters run on the full
// photo before it is reduced to its slot, so they read the DIB rows directly; the
// results are the same as going through ReadColor/WriteColor pixel by pixel.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <new>
#include <vector>

#include "image/CxImage.h"

namespace {

bool isIdentityGrayRamp(const CxImage& image) {
    const int n = image.GetNumColors();
    if (n == 0) return false;
    for (int i = 0; i < n; ++i) {
        const RGBQuad c = image.GetPaletteColor(i);
        if (c.red != i || c.green != i || c.blue != i) return false;
    }
    return true;
}

}  // namespace

bool CxImage::Invert() {
    if (!IsValid()) return false;
    if (GetBpp() == 24 || isIdentityGrayRamp(*this)) {
        // A grey-ramp photo's indices are its grey levels: complementing every bit of
        // the packed indices gives 255 - index (or its 1- and 4-bit equivalents).
        for (int y = 0; y < GetHeight(); ++y) {
            std::uint8_t* row = GetBits(y);
            for (std::uint32_t i = 0; i < stride_; ++i) row[i] = std::uint8_t(~row[i]);
        }
        if (GetBpp() == 24) {
            backgroundColor_.red = std::uint8_t(255 - backgroundColor_.red);
            backgroundColor_.green = std::uint8_t(255 - backgroundColor_.green);
            backgroundColor_.blue = std::uint8_t(255 - backgroundColor_.blue);
        }
        return true;
    }
    RGBQuad* pal = GetPalette();
    for (int i = 0; i < GetNumColors(); ++i) {
        pal[i].red = std::uint8_t(255 - pal[i].red);
        pal[i].green = std::uint8_t(255 - pal[i].green);
        pal[i].blue = std::uint8_t(255 - pal[i].blue);
    }
    clearMemo();
    return true;
}

bool CxImage::AdjustLight(int amount) {
    if (!IsValid()) return false;
    // The brightness/contrast rule with contrast 0; single precision on purpose.
    const int contrast = 0;
    const float b = float(amount + 128);
    const float c = float(contrast + 100) * 0.01f;
    std::array<std::uint8_t, 256> lut{};
    for (int v = 0; v < 256; ++v) {
        const float f = b + c * float(v - 128);
        const long t = f >= 0 ? long(std::min(f, 1e6f)) : long(std::max(f, -1e6f));
        lut[std::size_t(v)] = std::uint8_t(std::clamp(t, 0L, 255L));
    }
    if (GetBpp() == 24) {
        for (int y = 0; y < GetHeight(); ++y) {
            std::uint8_t* row = GetBits(y);
            for (std::uint32_t i = 0; i < stride_; ++i) row[i] = lut[row[i]];
        }
        return true;
    }
    RGBQuad* pal = GetPalette();
    for (int i = 0; i < GetNumColors(); ++i) {
        pal[i].red = lut[pal[i].red];
        pal[i].green = lut[pal[i].green];
        pal[i].blue = lut[pal[i].blue];
    }
    clearMemo();
    return true;
}

namespace {

// One row of the source as red, green, blue triples, with `pad` cells on both
// sides holding the colour that reads outside the picture.
void loadPaddedRow(const CxImage& image, int y, int pad, RGBQuad outside, std::vector<std::uint8_t>& row) {
    const int W = image.GetWidth();
    auto put = [&row](int cell, RGBQuad c) {
        row[3 * std::size_t(cell)] = c.red;
        row[3 * std::size_t(cell) + 1] = c.green;
        row[3 * std::size_t(cell) + 2] = c.blue;
    };
    if (y < 0 || y >= image.GetHeight()) {
        for (int i = 0; i < W + 2 * pad; ++i) put(i, outside);
        return;
    }
    for (int i = 0; i < pad; ++i) {
        put(i, outside);
        put(W + pad + i, outside);
    }
    const std::uint8_t* src = image.GetBits(y);
    if (image.GetBpp() == 24) {
        for (int x = 0; x < W; ++x) put(pad + x, RGBQuad{src[3 * x], src[3 * x + 1], src[3 * x + 2], 0});
    } else {
        for (int x = 0; x < W; ++x) put(pad + x, image.GetPaletteColor(image.GetPixelIndex(x, y)));
    }
}

}  // namespace

bool CxImage::Convolve(const int* kernel, int size, int divisor, int offset) {
    if (!IsValid() || !kernel || size < 1 || size > 15 || size % 2 == 0) return false;
    const int W = GetWidth(), H = GetHeight(), pad = size / 2;
    CxImage out;
    std::vector<std::vector<std::uint8_t>> rows;
    try {
        out = *this;
        rows.assign(std::size_t(size), std::vector<std::uint8_t>(3 * (std::size_t(W) + 2 * pad)));
    } catch (const std::bad_alloc&) {
        SetLastError(QStringLiteral("CxImage::Convolve can't allocate memory"));
        return false;
    }
    // Every place outside the picture reads the same colour (ReadColor's rule).
    const RGBQuad outside = ReadColor(-1, -1);
    // rows[k] holds source row y - pad + k; the window slides up one row at a time.
    for (int k = 0; k < size; ++k) loadPaddedRow(*this, k - pad, pad, outside, rows[std::size_t(k)]);
    const bool direct = GetBpp() == 24;
    for (int y = 0; y < H; ++y) {
        if (y > 0) {
            std::rotate(rows.begin(), rows.begin() + 1, rows.end());
            loadPaddedRow(*this, y + pad, pad, outside, rows.back());
        }
        std::uint8_t* dst = direct ? out.GetBits(y) : nullptr;
        for (int x = 0; x < W; ++x) {
            std::int64_t sum[3] = {0, 0, 0};
            for (int k = 0; k < size; ++k) {
                const std::uint8_t* src = rows[std::size_t(k)].data() + 3 * std::size_t(x);
                const int* weights = kernel + std::size_t(k) * size;
                for (int j = 0; j < size; ++j) {
                    sum[0] += std::int64_t(weights[j]) * src[3 * j];
                    sum[1] += std::int64_t(weights[j]) * src[3 * j + 1];
                    sum[2] += std::int64_t(weights[j]) * src[3 * j + 2];
                }
            }
            std::uint8_t v[3];
            for (int ch = 0; ch < 3; ++ch) {
                const std::int64_t value = (divisor != 0 ? sum[ch] / divisor : sum[ch]) + offset;
                v[ch] = std::uint8_t(std::clamp<std::int64_t>(value, 0, 255));
            }
            if (direct) {
                dst[3 * x] = v[2];
                dst[3 * x + 1] = v[1];
                dst[3 * x + 2] = v[0];
            } else {
                out.WriteColor(x, y, makeRgb(v[0], v[1], v[2]));
            }
        }
        SetProgress(int(std::int64_t(y + 1) * 100 / H));
        // A cancelled pass keeps what it has done so far; the rest stays as it was.
        if (GetEscape()) break;
    }
    TakeOver(out);
    return true;
}

namespace {

// One curvature step over an 8-bit channel of w x h values (row-major, DIB order).
// Border rows and columns keep their values.
void repairChannel(const std::vector<std::uint8_t>& in, std::vector<std::uint8_t>& out, int w, int h,
                   double radius) {
    out = in;
    auto P = [&](int x, int y) { return double(in[std::size_t(y) * std::size_t(w) + std::size_t(x)]); };
    for (int y = 1; y < h - 1; ++y) {
        for (int x = 1; x < w - 1; ++x) {
            const double I = P(x, y);
            const double Ix = (P(x + 1, y) - P(x - 1, y)) * 0.5;
            const double Iy = (P(x, y + 1) - P(x, y - 1)) * 0.5;
            const double Ixx = P(x + 1, y) - 2 * I + P(x - 1, y);
            const double Iyy = P(x, y + 1) - 2 * I + P(x, y - 1);
            const double Ixy = (P(x + 1, y + 1) + P(x - 1, y - 1) - P(x - 1, y + 1) - P(x + 1, y - 1)) * 0.25;
            const double num = (1 + Iy * Iy) * Ixx - Ix * Iy * Ixy + (1 + Ix * Ix) * Iyy;
            const double den = 1 + Ix * Ix + Iy * Iy;
            double v = I + radius * num / den;
            if (v > 255) v = 255;
            if (v < 0) v = 0;
            out[std::size_t(y) * std::size_t(w) + std::size_t(x)] = std::uint8_t(v);
        }
    }
}

}  // namespace

bool CxImage::RepairNoise(float radius, int iterations) {
    if (!IsValid()) return false;
    const int W = GetWidth(), H = GetHeight();
    const std::size_t n = std::size_t(W) * std::size_t(H);
    CxImage merged(format_);
    std::array<std::vector<std::uint8_t>, 3> channel;
    std::vector<std::uint8_t> work;
    try {
        for (auto& c : channel) c.resize(n);
        work.resize(n);
    } catch (const std::bad_alloc&) {
        SetLastError(QStringLiteral("CxImage::RepairNoise can't allocate memory"));
        return false;
    }
    // Split into red, green and blue planes.
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            const RGBQuad c = ReadColor(x, y);
            const std::size_t i = std::size_t(y) * std::size_t(W) + std::size_t(x);
            channel[0][i] = c.red;
            channel[1][i] = c.green;
            channel[2][i] = c.blue;
        }
    }
    const int steps = std::max(0, iterations) * 3;
    for (int pass = 0; pass < std::max(0, iterations); ++pass) {
        for (int ch = 0; ch < 3; ++ch) {
            if (GetEscape()) {
                SetLastError(QStringLiteral("Cancelled"));
                return false;
            }
            repairChannel(channel[std::size_t(ch)], work, W, H, double(radius));
            channel[std::size_t(ch)].swap(work);
            SetProgress((pass * 3 + ch + 1) * 100 / steps);
        }
    }
    // Merge into a 24-bit picture; a palette photo comes out as 24-bit.
    merged.SetXDPI(xdpi_);
    merged.SetYDPI(ydpi_);
    if (!merged.CreateRaster(W, H, 24, format_)) {
        SetLastError(merged.GetLastError());
        return false;
    }
    for (int y = 0; y < H; ++y) {
        std::uint8_t* dst = merged.GetBits(y);
        for (int x = 0; x < W; ++x) {
            const std::size_t i = std::size_t(y) * std::size_t(W) + std::size_t(x);
            dst[3 * x] = channel[2][i];
            dst[3 * x + 1] = channel[1][i];
            dst[3 * x + 2] = channel[0][i];
        }
    }
    merged.alpha_ = alpha_;
    // A palette photo's background index now names a colour the picture no longer
    // has a palette for: keep the colour itself so outside reads stay the same.
    if (GetBpp() < 24 && backgroundIndex_ >= 0) backgroundColor_ = GetPaletteColor(backgroundIndex_);
    merged.backgroundIndex_ = backgroundIndex_;
    TakeOver(merged);
    return true;
}

long CxImage::CountHistogram(long* red, long* green, long* blue, long* gray) const {
    long* const bins[4] = {red, green, blue, gray};
    for (long* b : bins)
        if (b) std::fill(b, b + 256, 0L);
    if (!IsValid()) return 0;
    const int W = GetWidth(), H = GetHeight();
    auto count = [&](int r, int g, int b, long times) {
        if (red) red[r] += times;
        if (green) green[g] += times;
        if (blue) blue[b] += times;
        if (gray) gray[(306 * r + 601 * g + 117 * b) >> 10] += times;
    };
    if (GetBpp() == 24) {
        for (int y = 0; y < H; ++y) {
            const std::uint8_t* row = GetBits(y);
            for (int x = 0; x < W; ++x) count(row[3 * x + 2], row[3 * x + 1], row[3 * x], 1);
        }
    } else {
        // Count the indices, then each index's palette colour as often as it occurs.
        std::array<long, 256> uses{};
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) ++uses[GetPixelIndex(x, y)];
        for (int i = 0; i < 256; ++i) {
            if (uses[std::size_t(i)] == 0) continue;
            const RGBQuad c = GetPaletteColor(i);
            count(c.red, c.green, c.blue, uses[std::size_t(i)]);
        }
    }
    long most = 0;
    for (long* b : bins)
        if (b) most = std::max(most, *std::max_element(b, b + 256));
    return most;
}
