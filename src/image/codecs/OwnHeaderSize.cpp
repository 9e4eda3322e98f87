// Header sizes of the formats we decode ourselves (BMP, GIF, TGA, PCX). Each follows
// its decoder's checks up to the point where the decoder creates its raster, with
// the file's size standing in for the bytes the decoder would hold.
#include <algorithm>
#include <cstring>

#include "image/CxImage.h"
#include "image/codecs/ByteReader.h"
#include "image/codecs/HeaderSize.h"

namespace {

// Reads the first n bytes (fewer when the file is shorter); false when the file
// cannot be read that far.
bool readPrefix(HeaderSource& source, std::uint8_t* out, std::size_t n, std::size_t& got) {
    const std::size_t want = std::size_t(std::min<std::uint64_t>(n, source.size()));
    got = source.readAt(0, out, want);
    return got == want;
}

bool done(std::int64_t w, std::int64_t h, int bits, int& width, int& height) {
    if (!CxImage::FitsCeiling(w, h, bits)) return false;
    width = int(w);
    height = int(h);
    return true;
}

// Run-length codes fail to decode only when they run out before the picture ends,
// which no header tells: so they are walked as the decoder walks them, without
// drawing a pixel. Such bitmaps are small palette pictures.
bool rleComplete(HeaderSource& source, std::uint64_t start, std::int64_t w, std::int64_t h, int bpp) {
    SourceCursor r(source);
    r.seek(start);
    std::int64_t x = 0, y = 0;
    while (y < h) {
        if (r.remaining() < 2) return false;
        const std::uint8_t count = r.u8();
        const std::uint8_t value = r.u8();
        if (count > 0) {  // a run, clipped to the row
            if (x < w) x = std::min<std::int64_t>(x + count, w);
            continue;
        }
        switch (value) {
            case 0:  // end of line
                x = 0;
                ++y;
                break;
            case 1:  // end of bitmap
                return true;
            case 2: {  // move right and up
                if (r.remaining() < 2) return false;
                x += r.u8();
                y = std::min<std::int64_t>(y + r.u8(), h);
                break;
            }
            default: {  // a literal group, padded to an even byte count
                const std::uint64_t bytes = bpp == 8 ? value : (std::uint64_t(value) + 1) / 2;
                if (bytes > r.remaining()) return false;
                if (x < w) x = std::min<std::int64_t>(x + value, w);
                r.skip(bytes + (bytes & 1));
                break;
            }
        }
    }
    return true;
}

}  // namespace

bool ReadBmpHeaderSize(HeaderSource& source, int& width, int& height) {
    // File header, the largest information header and the masks after a 40-byte one:
    // everything the decoder reads before the palette.
    std::uint8_t head[14 + 124 + 16];
    std::size_t got = 0;
    if (!readPrefix(source, head, sizeof head, got)) return false;
    const std::uint64_t size = source.size();
    ByteReader r(head, got);
    const bool fileHeader = got >= 2 && head[0] == 'B' && head[1] == 'M';
    std::uint32_t offBits = 0;
    if (fileHeader) {
        r.skip(10);
        offBits = r.u32le();
    }
    const std::uint32_t headerSize = r.u32le();
    const bool knownSize = headerSize == 12 || (headerSize >= 16 && headerSize <= 124);
    if (r.overrun() || !knownSize) return false;
    const std::uint8_t* fields = r.peek(headerSize - 4);
    if (!fields) return false;

    std::int64_t w = 0, h = 0;
    int bpp = 0, entrySize = 4;
    std::uint32_t compression = 0, colorsUsed = 0;
    if (headerSize == 12) {
        ByteReader f(fields, 8);
        w = f.u16le();
        h = f.u16le();
        f.u16le();
        bpp = f.u16le();
        entrySize = 3;
    } else {
        std::uint8_t padded[120] = {};
        std::memcpy(padded, fields, headerSize - 4);
        ByteReader f(padded, sizeof padded);
        w = f.i32le();
        const std::int32_t signedHeight = f.i32le();
        f.u16le();
        bpp = f.u16le();
        compression = f.u32le();
        f.skip(12);
        colorsUsed = f.u32le();
        if (signedHeight == INT32_MIN) return false;
        h = signedHeight < 0 ? -std::int64_t(signedHeight) : signedHeight;
    }
    r.skip(headerSize - 4);
    if (w <= 0 || h <= 0) return false;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) return false;
    // OS/2 2.x headers: between 16 and 64 bytes, but none of the Windows sizes.
    const bool os2v2 =
        headerSize >= 16 && headerSize <= 64 && headerSize != 40 && headerSize != 52 && headerSize != 56;
    switch (compression) {
        case 0:
            break;
        case 1:
        case 2:
            if (bpp != (compression == 1 ? 8 : 4)) return false;
            break;
        case 3:
        case 6:
            if ((bpp != 16 && bpp != 32) || os2v2) return false;
            if (headerSize < 52) {
                r.skip(compression == 6 ? 16 : 12);
                if (r.overrun()) return false;
            }
            break;
        default:
            return false;
    }
    const std::uint64_t afterMasks = r.position();

    std::uint64_t paletteBytes = 0;
    if (bpp <= 8) {
        const std::uint32_t full = 1u << bpp;
        const std::uint32_t stated = colorsUsed ? colorsUsed : full;
        const std::uint32_t count = std::min(stated, full);
        if (afterMasks + std::uint64_t(count) * entrySize > size) return false;
        paletteBytes = std::uint64_t(std::max(stated, count)) * entrySize;
    } else {
        paletteBytes = std::uint64_t(colorsUsed) * 4;
    }
    const std::uint64_t pixelStart = (fileHeader && offBits != 0) ? offBits : afterMasks + paletteBytes;
    if (pixelStart > size) return false;
    const bool rle = compression == 1 || compression == 2;
    if (!rle) {
        const std::uint64_t fileStride = ((std::uint64_t(w) * bpp + 31) / 32) * 4;
        const std::uint64_t usedBytes = (std::uint64_t(w) * bpp + 7) / 8;
        if (fileStride * std::uint64_t(h - 1) + usedBytes > size - pixelStart) return false;
    }
    if (!CxImage::FitsCeiling(w, h, bpp) || (rle && !rleComplete(source, pixelStart, w, h, bpp)))
        return false;
    width = int(w);
    height = int(h);
    return true;
}

namespace {

bool skipGifSubBlocks(SourceCursor& r) {
    for (;;) {
        const std::uint8_t n = r.u8();
        if (r.overrun()) return false;
        if (n == 0) return true;
        if (!r.skip(n)) return false;
    }
}

int bitsFor(int value) {
    int bits = 1;
    while ((1 << bits) <= value) ++bits;
    return bits;
}

}  // namespace

bool ReadGifHeaderSize(HeaderSource& source, int& width, int& height) {
    std::uint8_t signature[4];
    if (source.size() < 6 || source.readAt(0, signature, 4) != 4 || std::memcmp(signature, "GIF8", 4) != 0)
        return false;
    SourceCursor r(source);
    r.skip(6);
    const int screenWidth = r.u16le();
    const int screenHeight = r.u16le();
    const std::uint8_t screenFlags = r.u8();
    const int backgroundIndex = r.u8();
    r.u8();
    if (r.overrun()) return false;
    int tableCount = 0;
    if (screenFlags & 0x80) {
        tableCount = 2 << (screenFlags & 7);
        if (!r.skip(3u * tableCount)) return false;
    }
    int transparent = -1;
    for (;;) {
        const std::uint8_t block = r.u8();
        if (r.overrun() || block == 0x3b) return false;
        if (block == 0x21) {
            if (r.u8() == 0xf9) {
                const std::uint8_t n = r.u8();
                std::uint8_t gce[255];
                if (!r.read(gce, n)) return false;
                if (n >= 4) transparent = (gce[0] & 1) ? gce[3] : -1;
            }
            if (!skipGifSubBlocks(r)) return false;
            continue;
        }
        if (block != 0x2c) return false;
        break;
    }
    const int left = r.u16le();
    const int top = r.u16le();
    const int frameWidth = r.u16le();
    const int frameHeight = r.u16le();
    const std::uint8_t flags = r.u8();
    if (r.overrun() || frameWidth == 0 || frameHeight == 0) return false;
    if (flags & 0x80) {
        tableCount = 2 << (flags & 7);
        if (!r.skip(3u * tableCount)) return false;
    }
    const int minCodeSize = r.u8();
    if (r.overrun() || minCodeSize < 1 || minCodeSize > 8) return false;

    // The decoder's refusal of frames that the data cannot fill, and its choice of
    // canvas: the logical screen when sensible and the frame fits on it, else the frame.
    constexpr std::uint64_t kMaxCodes = 4096;
    const std::uint64_t codes = r.remaining() * 8 / std::uint64_t(minCodeSize + 1);
    const std::uint64_t reachable = codes <= kMaxCodes ? codes * (codes + 1) / 2 : codes * kMaxCodes;
    const std::uint64_t framePixels = std::uint64_t(frameWidth) * std::uint64_t(frameHeight);
    if (framePixels > reachable) return false;
    const std::uint64_t screenPixels = std::uint64_t(screenWidth) * std::uint64_t(screenHeight);
    const bool screenSensible = screenPixels <= (4u << 20) || screenPixels <= framePixels * 16;
    int canvasWidth = frameWidth, canvasHeight = frameHeight;
    if (screenSensible && screenWidth >= left + frameWidth && screenHeight >= top + frameHeight) {
        canvasWidth = screenWidth;
        canvasHeight = screenHeight;
    }
    const bool filled = canvasWidth != frameWidth || canvasHeight != frameHeight;
    int bits = std::max(minCodeSize, tableCount > 0 ? bitsFor(tableCount - 1) : 1);
    if (transparent >= 0) bits = std::max(bits, bitsFor(transparent));
    if (filled) bits = std::max(bits, bitsFor(transparent >= 0 ? transparent : backgroundIndex));
    return done(canvasWidth, canvasHeight, bits, width, height);
}

bool ReadTgaHeaderSize(HeaderSource& source, int& width, int& height) {
    std::uint8_t head[18];
    if (source.size() < 18 || source.readAt(0, head, 18) != 18) return false;
    ByteReader r(head, 18);
    const int idLength = r.u8();
    const int colorMapType = r.u8();
    const int imageType = r.u8();
    const int mapFirst = r.u16le();
    const int mapLength = r.u16le();
    const int mapEntryBits = r.u8();
    r.skip(4);  // origin
    const int w = r.u16le();
    const int h = r.u16le();
    const int pixelBits = r.u8();
    if (colorMapType > 1) return false;
    const int baseType = imageType & 7;
    const bool rle = imageType & 8;
    if ((imageType & ~8) < 1 || (imageType & ~8) > 3) return false;
    const bool mapped = baseType == 1, grey = baseType == 3;
    if (w == 0 || h == 0) return false;
    if (mapped || grey) {
        if (pixelBits != 8) return false;
    } else if (pixelBits != 15 && pixelBits != 16 && pixelBits != 24 && pixelBits != 32) {
        return false;
    }
    if (mapped && (colorMapType != 1 || mapLength == 0 || mapFirst + mapLength > 256)) return false;
    if (colorMapType == 1 && mapEntryBits != 15 && mapEntryBits != 16 && mapEntryBits != 24 &&
        mapEntryBits != 32 && (mapped || mapLength != 0))
        return false;
    std::uint64_t used = 18 + std::uint64_t(idLength);
    if (used > source.size()) return false;
    if (colorMapType == 1) {
        used += std::uint64_t((mapEntryBits + 7) / 8) * std::uint64_t(mapLength);
        if (used > source.size()) return false;
    }
    // The decoder's refusal of files too short for the pixels they claim.
    const int pixelBytes = (pixelBits + 7) / 8;
    const std::uint64_t pixels = std::uint64_t(w) * std::uint64_t(h);
    const std::uint64_t minBytes =
        rle ? (pixels + 127) / 128 * std::uint64_t(1 + pixelBytes) : pixels * pixelBytes;
    if (minBytes > source.size() - used) return false;
    return done(w, h, (mapped || grey) ? 8 : 24, width, height);
}

bool ReadPcxHeaderSize(HeaderSource& source, int& width, int& height) {
    constexpr std::size_t kHeaderSize = 128;
    constexpr std::uint64_t kPaletteTail = 769;
    const std::uint64_t size = source.size();
    std::uint8_t head[kHeaderSize];
    if (size < kHeaderSize || source.readAt(0, head, kHeaderSize) != kHeaderSize) return false;
    ByteReader h(head, kHeaderSize);
    const int manufacturer = h.u8();
    h.u8();
    const int encoding = h.u8();
    const int bits = h.u8();
    const int xMin = h.u16le(), yMin = h.u16le(), xMax = h.u16le(), yMax = h.u16le();
    h.skip(4 + 48 + 1);
    const int planes = h.u8();
    const int bytesPerLine = h.u16le();
    if (manufacturer != 10 || encoding != 1 || planes > 4) return false;
    if (bits != 1 && bits != 2 && bits != 4 && bits != 8) return false;
    if ((planes > 1 && bits > 1) || planes == 0 || xMax < xMin || yMax < yMin) return false;
    const int w = xMax - xMin + 1, ht = yMax - yMin + 1;
    if (std::int64_t(bytesPerLine) * 8 < std::int64_t(w) * bits) return false;
    std::uint64_t dataEnd = size;
    if (bits == 8) {
        std::uint8_t signature = 0;
        if (size < kHeaderSize + kPaletteTail || source.readAt(size - kPaletteTail, &signature, 1) != 1 ||
            signature != 12)
            return false;
        dataEnd = size - kPaletteTail;
    }
    // The decoder's refusal of files too short for the picture they claim.
    const std::uint64_t total = std::uint64_t(planes) * std::uint64_t(bytesPerLine) * std::uint64_t(ht);
    if (total > (dataEnd - kHeaderSize) * 32 + 1) return false;
    const int rasterBits = bits == 1 && planes == 1 ? 1 : (bits == 8 ? 8 : 4);
    return done(w, ht, rasterBits, width, height);
}

bool ReadHeaderSize(HeaderSource& source, int format, bool applyExifOrientation, int& width, int& height) {
    switch (format) {
        case CXIMAGE_FORMAT_BMP:
            return ReadBmpHeaderSize(source, width, height);
        case CXIMAGE_FORMAT_GIF:
            return ReadGifHeaderSize(source, width, height);
        case CXIMAGE_FORMAT_JPG:
            return ReadJpegHeaderSize(source, applyExifOrientation, width, height);
        case CXIMAGE_FORMAT_PNG:
            return ReadPngHeaderSize(source, width, height);
        case CXIMAGE_FORMAT_TIF:
            return ReadTiffHeaderSize(source, width, height);
        case CXIMAGE_FORMAT_TGA:
            return ReadTgaHeaderSize(source, width, height);
        case CXIMAGE_FORMAT_PCX:
            return ReadPcxHeaderSize(source, width, height);
        case CXIMAGE_FORMAT_HEIF:
        case CXIMAGE_FORMAT_AVIF:
            return applyExifOrientation && ReadHeifHeaderSize(source, width, height);
        default:
            return false;
    }
}
