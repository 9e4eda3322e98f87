#pragma once
// One raster picture held as a Windows-style device-independent bitmap: a 40-byte
// information header, a palette and bottom-up rows padded to four bytes. Every
// decoder fills one; every pixel operation and filter works on one.

#include <QImage>
#include <QString>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

class QPainter;
class QRect;

// Decoder format codes.
enum CxFormat : int {
    CXIMAGE_FORMAT_UNKNOWN = 0,
    CXIMAGE_FORMAT_BMP = 1,
    CXIMAGE_FORMAT_GIF = 2,
    CXIMAGE_FORMAT_JPG = 3,
    CXIMAGE_FORMAT_PNG = 4,
    CXIMAGE_FORMAT_TIF = 6,
    CXIMAGE_FORMAT_TGA = 7,
    CXIMAGE_FORMAT_PCX = 8,
    // Beyond the seven: phone and camera photos through libheif.
    CXIMAGE_FORMAT_HEIF = 9,  // HEIC and other HEIF files
    CXIMAGE_FORMAT_AVIF = 10,
};

struct RGBQuad {
    std::uint8_t blue = 0;
    std::uint8_t green = 0;
    std::uint8_t red = 0;
    std::uint8_t reserved = 0;  // alpha where an alpha plane exists
    friend bool operator==(const RGBQuad&, const RGBQuad&) = default;
};
inline RGBQuad makeRgb(int r, int g, int b, int a = 0) {
    return RGBQuad{std::uint8_t(b), std::uint8_t(g), std::uint8_t(r), std::uint8_t(a)};
}

// The information header as stored at the start of the DIB block (little-endian on disk and in memory).
#pragma pack(push, 1)
struct BitmapInfoHeader {
    std::uint32_t biSize;
    std::int32_t biWidth;
    std::int32_t biHeight;
    std::uint16_t biPlanes;
    std::uint16_t biBitCount;
    std::uint32_t biCompression;
    std::uint32_t biSizeImage;
    std::int32_t biXPelsPerMeter;
    std::int32_t biYPelsPerMeter;
    std::uint32_t biClrUsed;
    std::uint32_t biClrImportant;
};
#pragma pack(pop)
static_assert(sizeof(BitmapInfoHeader) == 40);

class CxImage {
public:
    // Pictures larger than this are refused before anything is allocated: a quarter
    // of a gigapixel, and a DIB block of at most 1 GiB. A 100-megapixel photo fits.
    static constexpr std::uint64_t kMaxPixels = 256ull * 1024 * 1024;
    static constexpr std::uint64_t kMaxDibBytes = 1024ull * 1024 * 1024;

    explicit CxImage(int format = CXIMAGE_FORMAT_UNKNOWN);
    ~CxImage();
    CxImage(const CxImage& other);
    CxImage& operator=(const CxImage& other);
    CxImage(CxImage&& other) noexcept;
    CxImage& operator=(CxImage&& other) noexcept;

    // Makes an empty raster (the palette zeroed, pixels not cleared). Depth is
    // normalised to 1, 4, 8 or 24. Returns false, with the last error set and no
    // DIB block, when it cannot be allocated or exceeds the ceiling.
    bool CreateRaster(std::int64_t width, std::int64_t height, int bitsPerPixel, int format);
    // Whether CreateRaster takes this size and depth (sides in range, within the
    // ceiling), so that a header reader refuses exactly what a decode would.
    static bool FitsCeiling(std::int64_t width, std::int64_t height, int bitsPerPixel);
    void Destroy();
    bool IsValid() const { return !dib_.empty(); }

    int GetWidth() const;
    int GetHeight() const;
    int GetBpp() const;
    std::uint32_t GetEffWidth() const { return stride_; }  // bytes per row
    int GetNumColors() const;
    int GetType() const { return format_; }
    void SetType(int format) { format_ = format; }

    // The whole DIB block: header, palette, rows.
    const std::uint8_t* GetDIB() const { return dib_.empty() ? nullptr : dib_.data(); }
    std::uint8_t* GetDIB() { return dib_.empty() ? nullptr : dib_.data(); }
    std::size_t GetDIBSize() const { return dib_.size(); }
    const BitmapInfoHeader* GetHeader() const;
    // Row y in DIB order (0 is the bottom row); nullptr outside.
    std::uint8_t* GetBits(int y = 0);
    const std::uint8_t* GetBits(int y = 0) const;
    RGBQuad* GetPalette();
    const RGBQuad* GetPalette() const;

    // Palette editing clears the nearest-colour memo.
    void SetPaletteColor(int index, RGBQuad color);
    RGBQuad GetPaletteColor(int index) const;
    void SetGrayPalette();
    void SetPalette(const RGBQuad* colors, int count);

    // Pixel access in DIB coordinates (y = 0 is the bottom row).
    RGBQuad ReadColor(long x, long y) const;
    void WriteColor(long x, long y, RGBQuad color);
    std::uint8_t GetPixelIndex(long x, long y) const;
    void SetPixelIndex(long x, long y, std::uint8_t index);
    // The palette entry nearest to the colour (smallest squared distance, first wins ties).
    std::uint8_t GetNearestIndex(RGBQuad color) const;
    bool IsInside(long x, long y) const;

    // Descriptive record.
    const QString& GetLastError() const { return lastError_; }
    void SetLastError(const QString& text) { lastError_ = text.left(255); }
    int GetProgress() const { return progress_; }
    void SetProgress(int percent) { progress_ = percent; }
    // A caller sets the escape flag to stop a long operation at its next row.
    void SetEscape(bool on) { escape_.store(on); }
    bool GetEscape() const { return escape_.load(); }
    int GetBackgroundIndex() const { return backgroundIndex_; }
    void SetBackgroundIndex(int index) { backgroundIndex_ = index; }
    RGBQuad GetBackgroundColor() const { return backgroundColor_; }
    void SetBackgroundColor(RGBQuad c) { backgroundColor_ = c; }
    int GetJpegQuality() const { return jpegQuality_; }
    void SetJpegQuality(int q) { jpegQuality_ = q; }
    int GetXDPI() const { return xdpi_; }
    int GetYDPI() const { return ydpi_; }
    // Also stores pixels per metre = floor(dpi * 39.37007874015748 + 0.5) in the header.
    void SetXDPI(int dpi);
    void SetYDPI(int dpi);

    // The optional alpha plane: one byte per pixel, DIB row order, no padding.
    bool HasAlpha() const { return !alpha_.empty(); }
    void AlphaCreate(std::uint8_t fill = 255);
    void AlphaDelete() { alpha_.clear(); }
    std::uint8_t* AlphaRow(int y);
    const std::uint8_t* AlphaRow(int y) const;

    // Moves another image's buffers into this one; the other is left empty.
    void TakeOver(CxImage& other);

    // Quarter turns and cropping (coordinates from the top-left as displayed).
    // With a destination the result goes there and this image is unchanged.
    bool RotateClockwise(CxImage* destination = nullptr);
    bool RotateCounterClockwise(CxImage* destination = nullptr);
    bool CropTo(long left, long top, long right, long bottom, CxImage* destination = nullptr);
    bool Mirror();  // left-right
    bool Flip();    // top-bottom

    // Drawing: nearest-neighbour stretch of the whole picture into the rectangle.
    bool StretchTo(QPainter* painter, int x, int y, int width, int height) const;
    // Repeats the picture at its natural size from the rectangle's corner, clipped to it.
    void TileOver(QPainter* painter, const QRect& rect) const;
    // The picture as a QImage, top row first (the DIB-section role).
    QImage ToBitmap() const;

    // Loading: one decoder chosen by format code. Codes 0 and 16 or more are refused.
    bool LoadFromFile(const QString& path, int format);
    bool LoadFromMemory(const std::uint8_t* data, std::size_t size, int format);
    // Our Qt resources stand in for the "IMAGE" resources: ":/images/NAME".
    bool LoadFromResource(const QString& name, int format);

    // Filters, in place.
    bool Invert();
    bool AdjustLight(int amount);
    bool Convolve(const int* kernel, int size, int divisor, int offset);
    bool RepairNoise(float radius, int iterations);
    // Counts red, green, blue and gray levels; returns the largest count of any bin.
    long CountHistogram(long* red, long* green, long* blue, long* gray) const;

    // JPEG and HEIF loading: turn the pixels as the camera's orientation says.
    void SetApplyExifOrientation(bool on) { applyExifOrientation_ = on; }
    bool GetApplyExifOrientation() const { return applyExifOrientation_; }

    // Loading with an embedded colour profile (JPEG, PNG, TIFF, HEIF): convert to sRGB.
    void SetColorManage(bool on) { colorManage_ = on; }

    // Set by the JPEG decoder from the EXIF block (0 when none).
    int GetExifOrientation() const { return exifOrientation_; }
    void SetExifOrientation(int o) { exifOrientation_ = o; }

private:
    void clearMemo() const { memoValid_ = false; }
    std::vector<std::uint8_t> dib_;
    std::vector<std::uint8_t> alpha_;
    std::uint32_t stride_ = 0;
    int format_ = CXIMAGE_FORMAT_UNKNOWN;
    QString lastError_;
    int progress_ = 0;
    std::atomic<bool> escape_{false};
    int backgroundIndex_ = -1;
    RGBQuad backgroundColor_{};
    int jpegQuality_ = 75;
    int xdpi_ = 96;
    int ydpi_ = 96;
    int exifOrientation_ = 0;
    bool applyExifOrientation_ = false;
    bool colorManage_ = false;
    // Nearest-colour memo: the last colour asked and its palette index.
    mutable RGBQuad memoColor_{};
    mutable std::uint8_t memoIndex_ = 0;
    mutable bool memoValid_ = false;
};

// pixels per metre for a resolution in dots per inch.
std::int32_t dpiToPixelsPerMeter(int dpi);
