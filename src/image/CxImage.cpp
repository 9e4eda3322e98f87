// Storage, creation and pixel access of CxImage. Operations, drawing and filters
// live in CxImageOps.cpp; loading in CxImageLoad.cpp.
#include "image/CxImage.h"

#include <sys/mman.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>

namespace {
// A photo's pixel block is touched page by page as it is filled; on large blocks
// transparent huge pages cut those page faults by a factor of 512, which is a good
// part of decoding time for a multi-megapixel photo. Only advice: ignored where
// unsupported.
void adviseHugePages(void* data, std::size_t bytes) {
    constexpr std::uintptr_t kHuge = 2u * 1024 * 1024;
    if (bytes < 2 * kHuge) return;
    const std::uintptr_t begin = (reinterpret_cast<std::uintptr_t>(data) + kHuge - 1) & ~(kHuge - 1);
    const std::uintptr_t end = (reinterpret_cast<std::uintptr_t>(data) + bytes) & ~(kHuge - 1);
    if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
}
}  // namespace

std::int32_t dpiToPixelsPerMeter(int dpi) {
    return static_cast<std::int32_t>(std::floor(dpi * 39.37007874015748 + 0.5));
}

bool CxImage::FitsCeiling(std::int64_t width, std::int64_t height, int bpp) {
    if (width <= 0 || height <= 0 || width > INT32_MAX || height > INT32_MAX) return false;
    bpp = bpp <= 1 ? 1 : bpp <= 4 ? 4 : bpp <= 8 ? 8 : 24;
    const std::uint64_t w = std::uint64_t(width), h = std::uint64_t(height);
    const std::uint64_t stride = ((w * std::uint64_t(bpp) + 31) / 32) * 4;
    const int colors = bpp == 24 ? 0 : (1 << bpp);
    return w * h <= kMaxPixels && 40 + 4ull * colors + stride * h <= kMaxDibBytes;
}

CxImage::CxImage(int format) : format_(format) {}
CxImage::~CxImage() = default;

CxImage::CxImage(const CxImage& o)
    : dib_(o.dib_),
      alpha_(o.alpha_),
      stride_(o.stride_),
      format_(o.format_),
      lastError_(o.lastError_),
      progress_(o.progress_),
      escape_(o.escape_.load()),
      backgroundIndex_(o.backgroundIndex_),
      backgroundColor_(o.backgroundColor_),
      jpegQuality_(o.jpegQuality_),
      xdpi_(o.xdpi_),
      ydpi_(o.ydpi_),
      exifOrientation_(o.exifOrientation_) {}

CxImage& CxImage::operator=(const CxImage& o) {
    if (this != &o) {
        CxImage copy(o);
        *this = std::move(copy);
    }
    return *this;
}

CxImage::CxImage(CxImage&& o) noexcept {
    *this = std::move(o);
}

CxImage& CxImage::operator=(CxImage&& o) noexcept {
    if (this == &o) return *this;
    dib_ = std::move(o.dib_);
    alpha_ = std::move(o.alpha_);
    stride_ = o.stride_;
    format_ = o.format_;
    lastError_ = std::move(o.lastError_);
    progress_ = o.progress_;
    escape_.store(o.escape_.load());
    backgroundIndex_ = o.backgroundIndex_;
    backgroundColor_ = o.backgroundColor_;
    jpegQuality_ = o.jpegQuality_;
    xdpi_ = o.xdpi_;
    ydpi_ = o.ydpi_;
    exifOrientation_ = o.exifOrientation_;
    memoValid_ = false;
    o.dib_.clear();
    o.alpha_.clear();
    o.stride_ = 0;
    return *this;
}

void CxImage::TakeOver(CxImage& other) {
    dib_ = std::move(other.dib_);
    alpha_ = std::move(other.alpha_);
    stride_ = other.stride_;
    backgroundIndex_ = other.backgroundIndex_;
    memoValid_ = false;
    other.dib_.clear();
    other.alpha_.clear();
    other.stride_ = 0;
}

void CxImage::Destroy() {
    dib_.clear();
    dib_.shrink_to_fit();
    alpha_.clear();
    stride_ = 0;
    memoValid_ = false;
}

bool CxImage::CreateRaster(std::int64_t width, std::int64_t height, int bpp, int format) {
    if (width <= 0 || height <= 0 || width > INT32_MAX || height > INT32_MAX) {
        SetLastError(QStringLiteral("CxImage::Create can't allocate memory"));
        Destroy();
        return false;
    }
    if (bpp <= 1)
        bpp = 1;
    else if (bpp <= 4)
        bpp = 4;
    else if (bpp <= 8)
        bpp = 8;
    else
        bpp = 24;
    const std::uint64_t w = std::uint64_t(width), h = std::uint64_t(height);
    const std::uint64_t stride = ((w * std::uint64_t(bpp) + 31) / 32) * 4;
    const int colors = bpp == 24 ? 0 : (1 << bpp);
    const std::uint64_t bytes = 40 + 4ull * colors + stride * h;
    if (!FitsCeiling(width, height, bpp)) {
        SetLastError(QStringLiteral("CXIMAGE_MAX_MEMORY exceeded"));
        Destroy();
        return false;
    }
    try {
        std::vector<std::uint8_t> block;
        block.reserve(bytes);
        adviseHugePages(block.data(), bytes);
        block.resize(bytes);  // value-initialised; callers fill the pixels
        dib_.swap(block);
    } catch (const std::bad_alloc&) {
        SetLastError(QStringLiteral("CxImage::Create can't allocate memory"));
        Destroy();
        return false;
    }
    alpha_.clear();
    stride_ = std::uint32_t(stride);
    format_ = format;
    memoValid_ = false;
    BitmapInfoHeader head{};
    head.biSize = 40;
    head.biWidth = std::int32_t(width);
    head.biHeight = std::int32_t(height);
    head.biPlanes = 1;
    head.biBitCount = std::uint16_t(bpp);
    head.biCompression = 0;
    head.biSizeImage = std::uint32_t(stride * h);
    head.biXPelsPerMeter = dpiToPixelsPerMeter(xdpi_);
    head.biYPelsPerMeter = dpiToPixelsPerMeter(ydpi_);
    head.biClrUsed = std::uint32_t(colors);
    head.biClrImportant = 0;
    std::memcpy(dib_.data(), &head, sizeof head);
    return true;
}

const BitmapInfoHeader* CxImage::GetHeader() const {
    return dib_.empty() ? nullptr : reinterpret_cast<const BitmapInfoHeader*>(dib_.data());
}

int CxImage::GetWidth() const {
    return dib_.empty() ? 0 : GetHeader()->biWidth;
}
int CxImage::GetHeight() const {
    return dib_.empty() ? 0 : GetHeader()->biHeight;
}
int CxImage::GetBpp() const {
    return dib_.empty() ? 0 : GetHeader()->biBitCount;
}
int CxImage::GetNumColors() const {
    return dib_.empty() ? 0 : int(GetHeader()->biClrUsed);
}

RGBQuad* CxImage::GetPalette() {
    if (dib_.empty() || GetNumColors() == 0) return nullptr;
    return reinterpret_cast<RGBQuad*>(dib_.data() + 40);
}
const RGBQuad* CxImage::GetPalette() const {
    if (dib_.empty() || GetNumColors() == 0) return nullptr;
    return reinterpret_cast<const RGBQuad*>(dib_.data() + 40);
}

std::uint8_t* CxImage::GetBits(int y) {
    if (dib_.empty() || y < 0 || y >= GetHeight()) return nullptr;
    return dib_.data() + 40 + 4 * GetNumColors() + std::size_t(stride_) * std::size_t(y);
}
const std::uint8_t* CxImage::GetBits(int y) const {
    return const_cast<CxImage*>(this)->GetBits(y);
}

void CxImage::SetPaletteColor(int index, RGBQuad color) {
    RGBQuad* pal = GetPalette();
    if (!pal || index < 0 || index >= GetNumColors()) return;
    pal[index] = color;
    clearMemo();
}

RGBQuad CxImage::GetPaletteColor(int index) const {
    const RGBQuad* pal = GetPalette();
    if (!pal || index < 0 || index >= GetNumColors()) return RGBQuad{};
    return pal[index];
}

void CxImage::SetGrayPalette() {
    const int n = GetNumColors();
    if (n == 0) return;
    for (int i = 0; i < n; ++i) {
        const int v = i * 255 / (n - 1);
        SetPaletteColor(i, makeRgb(v, v, v));
    }
}

void CxImage::SetPalette(const RGBQuad* colors, int count) {
    RGBQuad* pal = GetPalette();
    if (!pal || !colors) return;
    const int n = std::min(count, GetNumColors());
    for (int i = 0; i < n; ++i) pal[i] = colors[i];
    clearMemo();
}

void CxImage::SetXDPI(int dpi) {
    xdpi_ = dpi;
    if (!dib_.empty()) {
        const std::int32_t ppm = dpiToPixelsPerMeter(dpi);
        std::memcpy(dib_.data() + offsetof(BitmapInfoHeader, biXPelsPerMeter), &ppm, 4);
    }
}

void CxImage::SetYDPI(int dpi) {
    ydpi_ = dpi;
    if (!dib_.empty()) {
        const std::int32_t ppm = dpiToPixelsPerMeter(dpi);
        std::memcpy(dib_.data() + offsetof(BitmapInfoHeader, biYPelsPerMeter), &ppm, 4);
    }
}

bool CxImage::IsInside(long x, long y) const {
    return !dib_.empty() && x >= 0 && y >= 0 && x < GetWidth() && y < GetHeight();
}

std::uint8_t CxImage::GetPixelIndex(long x, long y) const {
    if (dib_.empty() || GetNumColors() == 0) return 0;
    if (!IsInside(x, y)) {
        if (backgroundIndex_ >= 0) return std::uint8_t(backgroundIndex_);
        const std::uint8_t* first = GetBits(0);
        return first ? first[0] : 0;
    }
    const std::uint8_t* row = GetBits(int(y));
    switch (GetBpp()) {
        case 8:
            return row[x];
        case 4:
            return (x & 1) ? (row[x >> 1] & 0x0f) : (row[x >> 1] >> 4);
        case 1:
            return (row[x >> 3] >> (7 - (x & 7))) & 1;
        default:
            return 0;
    }
}

void CxImage::SetPixelIndex(long x, long y, std::uint8_t index) {
    if (!IsInside(x, y) || GetNumColors() == 0) return;
    std::uint8_t* row = GetBits(int(y));
    switch (GetBpp()) {
        case 8:
            row[x] = index;
            break;
        case 4: {
            std::uint8_t& b = row[x >> 1];
            b = (x & 1) ? std::uint8_t((b & 0xf0) | (index & 0x0f)) : std::uint8_t((b & 0x0f) | (index << 4));
            break;
        }
        case 1: {
            std::uint8_t& b = row[x >> 3];
            const std::uint8_t mask = std::uint8_t(0x80 >> (x & 7));
            b = (index & 1) ? std::uint8_t(b | mask) : std::uint8_t(b & ~mask);
            break;
        }
        default:
            break;
    }
}

std::uint8_t CxImage::GetNearestIndex(RGBQuad c) const {
    const RGBQuad* pal = GetPalette();
    if (!pal) return 0;
    if (memoValid_ && memoColor_.red == c.red && memoColor_.green == c.green && memoColor_.blue == c.blue)
        return memoIndex_;
    long best = 200000;
    int bestIndex = 0;
    const int n = GetNumColors();
    for (int i = 0; i < n; ++i) {
        const long dr = long(pal[i].red) - c.red, dg = long(pal[i].green) - c.green,
                   db = long(pal[i].blue) - c.blue;
        const long d = dr * dr + dg * dg + db * db;
        if (d == 0) {
            bestIndex = i;
            break;
        }
        if (d < best) {
            best = d;
            bestIndex = i;
        }
    }
    memoColor_ = c;
    memoIndex_ = std::uint8_t(bestIndex);
    memoValid_ = true;
    return memoIndex_;
}

RGBQuad CxImage::ReadColor(long x, long y) const {
    if (dib_.empty()) return RGBQuad{};
    if (!IsInside(x, y)) {
        if (backgroundIndex_ == -1) return ReadColor(0, 0);
        if (GetBpp() < 24) return GetPaletteColor(backgroundIndex_);
        return backgroundColor_;
    }
    RGBQuad c;
    if (GetBpp() == 24) {
        const std::uint8_t* p = GetBits(int(y)) + 3 * x;
        c = RGBQuad{p[0], p[1], p[2], 0};
    } else {
        c = GetPaletteColor(GetPixelIndex(x, y));
    }
    if (HasAlpha()) c.reserved = alpha_[std::size_t(y) * std::size_t(GetWidth()) + std::size_t(x)];
    return c;
}

void CxImage::WriteColor(long x, long y, RGBQuad c) {
    if (!IsInside(x, y)) return;
    if (GetBpp() == 24) {
        std::uint8_t* p = GetBits(int(y)) + 3 * x;
        p[0] = c.blue;
        p[1] = c.green;
        p[2] = c.red;
    } else {
        SetPixelIndex(x, y, GetNearestIndex(c));
    }
}

void CxImage::AlphaCreate(std::uint8_t fill) {
    if (dib_.empty()) return;
    alpha_.assign(std::size_t(GetWidth()) * std::size_t(GetHeight()), fill);
}

std::uint8_t* CxImage::AlphaRow(int y) {
    if (alpha_.empty() || y < 0 || y >= GetHeight()) return nullptr;
    return alpha_.data() + std::size_t(y) * std::size_t(GetWidth());
}
const std::uint8_t* CxImage::AlphaRow(int y) const {
    return const_cast<CxImage*>(this)->AlphaRow(y);
}
