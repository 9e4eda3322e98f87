// The per-photo filter pass and the grey page.
#include "image/PhotoFilters.h"

#include <QPainter>
#include <cstring>

#include "image/CxImage.h"
#include "image/PhotoImage.h"

// Weights in DIB row order: the row below the pixel on the displayed photo first.
const ConvolutionKernel kSharpenKernel{{-1, -1, -1, -1, 15, -1, -1, -1, -1}, 3, 7, 0};
const ConvolutionKernel kSoftenKernel{{1, 1, 1, 1, 8, 1, 1, 1, 1}, 3, 16, 0};
// 127 + upper-left neighbour - lower-right neighbour.
const ConvolutionKernel kEmbossKernel{{0, 0, -1, 0, 0, 0, 1, 0, 0}, 3, 0, 127};
// 255 - (8 x centre - the eight neighbours): flat areas white, edges dark.
const ConvolutionKernel kEdgeOnlyKernel{{-1, -1, -1, -1, 8, -1, -1, -1, -1}, 3, -1, 255};

namespace {
// Strength and number of passes of "Repair Photos".
constexpr float kRepairRadius = 0.25f;
constexpr int kRepairPasses = 2;
}  // namespace

bool applyKernel(CxImage& image, const ConvolutionKernel& kernel) {
    return image.Convolve(kernel.weights, kernel.size, kernel.divisor, kernel.offset);
}

int ApplyPhotoFilters(PhotoImage& photo, const PhotoFilterSet& f) {
    CxImage* image = photo.Raster();
    if (!image) return 0;
    // Each step works on the previous one's result; a failed step is skipped.
    if (f.repair) image->RepairNoise(kRepairRadius, kRepairPasses);
    if (f.lighten) image->AdjustLight(f.lightenAmount);
    if (f.darken) image->AdjustLight(f.darkenAmount);
    if (f.sharpen) applyKernel(*image, kSharpenKernel);
    if (f.soften) applyKernel(*image, kSoftenKernel);
    if (f.emboss) applyKernel(*image, kEmbossKernel);
    if (f.edgeOnly) applyKernel(*image, kEdgeOnlyKernel);
    if (f.negative) image->Invert();
    return 1;
}

int grayLevel(int red, int green, int blue) {
    return (30 * red + 59 * green + 11 * blue) / 100;
}

namespace {

std::uint32_t readU32(const std::uint8_t* p) {
    std::uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}

}  // namespace

bool GrayDibBlock(std::uint8_t* dib, std::size_t size) {
    if (!dib || size < sizeof(BitmapInfoHeader)) return false;
    BitmapInfoHeader head;
    std::memcpy(&head, dib, sizeof head);
    if (head.biSize < sizeof(BitmapInfoHeader) || head.biSize > size) return false;
    if (head.biWidth <= 0 || head.biHeight == 0 || head.biHeight == INT32_MIN) return false;
    const int bpp = head.biBitCount;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) return false;
    const bool bitFields = head.biCompression == 3;
    if (head.biCompression != 0 && !(bitFields && (bpp == 16 || bpp == 32))) return false;

    const std::uint64_t width = std::uint64_t(head.biWidth);
    const std::uint64_t rows =
        std::uint64_t(head.biHeight < 0 ? -std::int64_t(head.biHeight) : head.biHeight);
    const std::uint64_t stride = ((width * std::uint64_t(bpp) + 31) / 32) * 4;
    std::uint64_t offset = head.biSize;

    if (bpp <= 8) {
        const std::uint64_t colors = head.biClrUsed ? head.biClrUsed : (1u << bpp);
        if (colors > 256 || offset + 4 * colors > size) return false;
        // A palette picture turns grey through its palette alone.
        for (std::uint64_t i = 0; i < colors; ++i) {
            std::uint8_t* e = dib + offset + 4 * i;
            const std::uint8_t g = std::uint8_t(grayLevel(e[2], e[1], e[0]));
            e[0] = e[1] = e[2] = g;
        }
        return true;
    }

    if (bitFields) {
        if (offset + 12 > size) return false;
        const std::uint32_t r = readU32(dib + offset), g = readU32(dib + offset + 4),
                            b = readU32(dib + offset + 8);
        // Only 5-5-5 words and plain blue-green-red order are understood.
        const bool ok = bpp == 16 ? (r == 0x7c00 && g == 0x03e0 && b == 0x001f)
                                  : (r == 0x00ff0000 && g == 0x0000ff00 && b == 0x000000ff);
        if (!ok) return false;
        offset += 12;
    }
    if (rows > (size - offset) / stride) return false;

    for (std::uint64_t y = 0; y < rows; ++y) {
        std::uint8_t* row = dib + offset + y * stride;
        if (bpp == 16) {
            for (std::uint64_t x = 0; x < width; ++x) {
                std::uint8_t* p = row + 2 * x;
                const unsigned v = unsigned(p[0]) | (unsigned(p[1]) << 8);
                const unsigned g = unsigned(grayLevel((v >> 10) & 31, (v >> 5) & 31, v & 31));
                const unsigned out = (g << 10) | (g << 5) | g;
                p[0] = std::uint8_t(out & 0xff);
                p[1] = std::uint8_t(out >> 8);
            }
        } else {
            const std::uint64_t bytes = std::uint64_t(bpp / 8);
            for (std::uint64_t x = 0; x < width; ++x) {
                std::uint8_t* p = row + bytes * x;
                const std::uint8_t g = std::uint8_t(grayLevel(p[2], p[1], p[0]));
                p[0] = p[1] = p[2] = g;
            }
        }
    }
    return true;
}

bool GrayCanvas(QPainter* device, CxImage& page) {
    if (!page.IsValid()) return false;
    if (!GrayDibBlock(page.GetDIB(), page.GetDIBSize())) return false;
    // The palette was edited behind the image's back: let it forget its colour memo.
    if (page.GetNumColors() > 0) page.SetPalette(page.GetPalette(), page.GetNumColors());
    if (device) device->drawImage(QPoint(0, 0), page.ToBitmap());
    return true;
}
