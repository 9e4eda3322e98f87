// Windows and OS/2 bitmaps: 1, 4 and 8 bits plain or run-length coded, 16 and 32 bits
// with or without bit-field masks, 24 bits plain, bottom-up or top-down.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "image/CxImage.h"
#include "image/codecs/ByteReader.h"
#include "image/codecs/Codecs.h"
#include "image/codecs/DecodeSession.h"

namespace {

constexpr std::uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kJpeg = 4, kPng = 5,
                        kAlphaBitFields = 6;

struct Mask {
    std::uint32_t mask = 0;
    int shift = 0;
    int bits = 0;
    explicit Mask(std::uint32_t m = 0) : mask(m) {
        if (!m) return;
        while (!((m >> shift) & 1)) ++shift;
        while (shift + bits < 32 && ((m >> (shift + bits)) & 1)) ++bits;
    }
    std::uint8_t apply(std::uint32_t pixel) const {
        return mask ? scaleChannel((pixel & mask) >> shift, bits) : 0;
    }
};

struct BmpInfo {
    std::int64_t width = 0;
    std::int64_t height = 0;  // positive; topDown says which way the rows run
    bool topDown = false;
    int bpp = 0;
    std::uint32_t compression = kRgb;
    std::int32_t xppm = 0, yppm = 0;
    std::uint32_t colorsUsed = 0;
    std::uint32_t masks[3] = {0, 0, 0};
    bool haveMasks = false;
    int paletteEntrySize = 4;
};

int ppmToDpi(std::int32_t ppm) {
    // A bitmap that states no resolution keeps the usual 96 dpi rather than 0.
    if (ppm <= 0) return 96;
    return int(std::floor(double(ppm) * 0.0254 + 0.5));
}

// The DIB row that the file's n-th stored row lands on.
inline int dibRow(const BmpInfo& info, std::int64_t fileRow) {
    return int(info.topDown ? info.height - 1 - fileRow : fileRow);
}

inline void putIndex(std::uint8_t* row, int bpp, std::int64_t x, std::uint8_t index) {
    if (bpp == 8) {
        row[x] = index;
    } else {  // 4
        std::uint8_t& b = row[x >> 1];
        b = (x & 1) ? std::uint8_t((b & 0xf0) | (index & 0x0f)) : std::uint8_t((b & 0x0f) | (index << 4));
    }
}

// Run-length coded 8- and 4-bit pixels. Runs and literal groups are clipped to the
// row, moves past the picture end it; every step consumes input, so it cannot loop.
bool decodeRle(ByteReader& r, const BmpInfo& info, DecodeSession& s) {
    CxImage& img = s.work();
    const int bpp = info.bpp;
    std::int64_t x = 0, y = 0;
    auto pixel = [&](std::uint8_t index) {
        if (x < info.width && y < info.height) putIndex(img.GetBits(dibRow(info, y)), bpp, x, index);
        ++x;
    };
    auto nextRow = [&]() {
        x = 0;
        ++y;
        return s.rowDone(y, info.height);
    };
    while (y < info.height) {
        if (r.remaining() < 2) return s.fail("corrupted BMP");
        const std::uint8_t count = r.u8();
        const std::uint8_t value = r.u8();
        if (count > 0) {
            for (int i = 0; i < count && x < info.width; ++i)
                pixel(bpp == 8 ? value : std::uint8_t((i & 1) ? (value & 0x0f) : (value >> 4)));
            continue;  // pixels beyond the row are dropped
        }
        switch (value) {
            case 0:  // end of line
                if (!nextRow()) return s.failCancelled();
                break;
            case 1:  // end of bitmap
                return true;
            case 2: {  // move right and up
                if (r.remaining() < 2) return s.fail("corrupted BMP");
                const std::uint8_t dx = r.u8(), dy = r.u8();
                x += dx;
                for (int i = 0; i < dy; ++i) {
                    const std::int64_t keepX = x;
                    if (!nextRow()) return s.failCancelled();
                    x = keepX;
                    if (y >= info.height) break;
                }
                break;
            }
            default: {  // a literal group, padded to an even byte count
                const std::size_t bytes = bpp == 8 ? value : (std::size_t(value) + 1) / 2;
                const std::uint8_t* src = r.peek(bytes);
                if (!src) return s.fail("corrupted BMP");
                for (int i = 0; i < value; ++i) {
                    if (x >= info.width) break;
                    pixel(bpp == 8 ? src[i]
                                   : std::uint8_t((i & 1) ? (src[i / 2] & 0x0f) : (src[i / 2] >> 4)));
                }
                r.skip(bytes + (bytes & 1));
                break;
            }
        }
    }
    return true;
}

bool decodePlain(ByteReader& r, const BmpInfo& info, DecodeSession& s) {
    CxImage& img = s.work();
    const std::uint64_t fileStride = ((std::uint64_t(info.width) * info.bpp + 31) / 32) * 4;
    const std::uint64_t usedBytes = (std::uint64_t(info.width) * info.bpp + 7) / 8;
    const std::size_t start = r.position();
    Mask red, green, blue;
    if (info.bpp == 16 || info.bpp == 32) {
        // Without masks: 5-5-5 for 16 bits; blue, green, red in the first three bytes for 32.
        const std::uint32_t def16[3] = {0x7c00, 0x03e0, 0x001f}, def32[3] = {0xff0000, 0xff00, 0xff};
        const std::uint32_t* m = info.haveMasks ? info.masks : (info.bpp == 16 ? def16 : def32);
        red = Mask(m[0]);
        green = Mask(m[1]);
        blue = Mask(m[2]);
    }
    for (std::int64_t i = 0; i < info.height; ++i) {
        const std::uint8_t* src = r.data() + start + std::size_t(i) * fileStride;
        std::uint8_t* dst = img.GetBits(dibRow(info, i));
        switch (info.bpp) {
            case 1:
            case 4:
            case 8:
            case 24:
                std::memcpy(dst, src, usedBytes);
                break;
            case 16:
                for (std::int64_t x = 0; x < info.width; ++x) {
                    const std::uint32_t v = std::uint32_t(src[2 * x]) | (std::uint32_t(src[2 * x + 1]) << 8);
                    dst[3 * x] = blue.apply(v);
                    dst[3 * x + 1] = green.apply(v);
                    dst[3 * x + 2] = red.apply(v);
                }
                break;
            case 32:
                for (std::int64_t x = 0; x < info.width; ++x) {
                    const std::uint8_t* p = src + 4 * x;
                    const std::uint32_t v = std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) |
                                            (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[3]) << 24);
                    dst[3 * x] = blue.apply(v);
                    dst[3 * x + 1] = green.apply(v);
                    dst[3 * x + 2] = red.apply(v);
                }
                break;
        }
        if (!s.rowDone(i + 1, info.height)) return s.failCancelled();
    }
    return true;
}

bool isOs2V2Header(std::uint32_t size) {
    return size >= 16 && size <= 64 && size != 40 && size != 52 && size != 56;
}

}  // namespace

bool DecodeBmp(const std::uint8_t* data, std::size_t size, CxImage& image) {
    DecodeSession s(image, CXIMAGE_FORMAT_BMP);
    if (!data) return s.fail("Not a BMP");
    ByteReader r(data, size);
    const bool fileHeader = size >= 2 && data[0] == 'B' && data[1] == 'M';
    std::uint32_t offBits = 0;
    if (fileHeader) {
        r.skip(10);
        offBits = r.u32le();
    }
    const std::uint32_t headerSize = r.u32le();
    const bool knownSize = headerSize == 12 || (headerSize >= 16 && headerSize <= 124);
    if (r.overrun() || !knownSize) return s.fail(fileHeader ? "Error reading BMP info" : "Not a BMP");
    const std::uint8_t* head = r.peek(headerSize - 4);
    if (!head) return s.fail("Error reading BMP info");

    BmpInfo info;
    if (headerSize == 12) {  // OS/2 1.x core header
        ByteReader h(head, 8);
        info.width = h.u16le();
        info.height = h.u16le();
        h.u16le();
        info.bpp = h.u16le();
        info.paletteEntrySize = 3;
    } else {
        // Shorter OS/2 2.x headers leave the later fields zero.
        std::uint8_t fields[120] = {};
        std::memcpy(fields, head, headerSize - 4);
        ByteReader h(fields, sizeof fields);
        info.width = h.i32le();
        const std::int32_t height = h.i32le();
        h.u16le();
        info.bpp = h.u16le();
        info.compression = h.u32le();
        h.u32le();
        info.xppm = h.i32le();
        info.yppm = h.i32le();
        info.colorsUsed = h.u32le();
        h.u32le();
        info.masks[0] = h.u32le();
        info.masks[1] = h.u32le();
        info.masks[2] = h.u32le();
        if (height == INT32_MIN) return s.fail("Error reading BMP info");
        info.topDown = height < 0;
        info.height = height < 0 ? -std::int64_t(height) : height;
    }
    r.skip(headerSize - 4);
    if (info.width <= 0 || info.height <= 0) return s.fail("Error reading BMP info");
    if (info.bpp != 1 && info.bpp != 4 && info.bpp != 8 && info.bpp != 16 && info.bpp != 24 && info.bpp != 32)
        return s.fail("Error reading BMP info");

    switch (info.compression) {
        case kRgb:
            break;
        case kRle8:
        case kRle4:
            if (info.bpp != (info.compression == kRle8 ? 8 : 4))
                return s.fail("compression type not supported");
            break;
        case kBitFields:
        case kAlphaBitFields:
            // OS/2 2.x uses 3 for its Huffman coding, which we do not read.
            if ((info.bpp != 16 && info.bpp != 32) || isOs2V2Header(headerSize))
                return s.fail("compression type not supported");
            if (headerSize < 52) {  // masks follow the 40-byte header
                info.masks[0] = r.u32le();
                info.masks[1] = r.u32le();
                info.masks[2] = r.u32le();
                if (info.compression == kAlphaBitFields) r.u32le();
                if (r.overrun()) return s.fail("Error reading BMP info");
            }
            // Some writers mark plain pixels as bit fields and leave every mask zero;
            // they mean the usual layout (5-5-5 or 8-8-8), not a black picture.
            info.haveMasks = info.masks[0] || info.masks[1] || info.masks[2];
            break;
        case kJpeg:
        case kPng:
            return s.fail("compression type not supported");
        default:
            return s.fail("unknown compression");
    }

    const std::size_t afterMasks = r.position();

    // The palette.
    RGBQuad palette[256] = {};
    int paletteCount = 0;
    std::uint64_t paletteBytes = 0;
    if (info.bpp <= 8) {
        const std::uint32_t full = 1u << info.bpp;
        const std::uint32_t stated = info.colorsUsed ? info.colorsUsed : full;
        paletteCount = int(std::min(stated, full));
        // A stated count beyond the depth is tolerated: only the reachable entries are read.
        paletteBytes = std::uint64_t(std::max(stated, std::uint32_t(paletteCount))) * info.paletteEntrySize;
        for (int i = 0; i < paletteCount; ++i) {
            palette[i].blue = r.u8();
            palette[i].green = r.u8();
            palette[i].red = r.u8();
            if (info.paletteEntrySize == 4) r.u8();
        }
        if (r.overrun()) return s.fail("Error reading BMP info");
    } else {
        paletteBytes = std::uint64_t(info.colorsUsed) * 4;  // an optional palette we do not need
    }

    // Where the pixels start: the file header says; a bare header has them after the palette.
    const std::uint64_t pixelStart = (fileHeader && offBits != 0) ? offBits : afterMasks + paletteBytes;
    if (pixelStart > size) return s.fail("corrupted BMP");
    r.seek(std::size_t(pixelStart));

    if (info.compression != kRle8 && info.compression != kRle4) {
        // The rows must all be there; a writer may leave out the last row's padding.
        const std::uint64_t fileStride = ((std::uint64_t(info.width) * info.bpp + 31) / 32) * 4;
        const std::uint64_t usedBytes = (std::uint64_t(info.width) * info.bpp + 7) / 8;
        const std::uint64_t need = fileStride * std::uint64_t(info.height - 1) + usedBytes;
        if (need > r.remaining()) return s.fail("corrupted BMP");
    }

    if (!s.create(info.width, info.height, info.bpp, "Can't allocate memory")) return false;
    if (info.bpp <= 8) s.work().SetPalette(palette, 1 << info.bpp);

    const bool ok = (info.compression == kRle8 || info.compression == kRle4) ? decodeRle(r, info, s)
                                                                             : decodePlain(r, info, s);
    if (!ok) return false;
    return s.commit(ppmToDpi(info.xppm), ppmToDpi(info.yppm));
}
