// Truevision TGA: colour-mapped, true-colour and grey images, plain (types 1-3) or
// run-length coded (9-11), at 8, 15, 16, 24 and 32 bits, in any of the four corner
// orders. 32-bit pixels with attribute bits keep them as an alpha plane.
#include <algorithm>
#include <cstring>

#include "image/CxImage.h"
#include "image/codecs/ByteReader.h"
#include "image/codecs/Codecs.h"
#include "image/codecs/DecodeSession.h"

namespace {

struct TgaHeader {
    int idLength;
    int colorMapType;
    int imageType;
    int mapFirst;
    int mapLength;
    int mapEntryBits;
    int width;
    int height;
    int pixelBits;
    int descriptor;
};

// One stored pixel or colour-map entry as blue, green, red, alpha.
RGBQuad toColor(const std::uint8_t* p, int bits) {
    switch (bits) {
        case 15:
        case 16: {
            const std::uint32_t v = std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8);
            return RGBQuad{scaleChannel(v & 31, 5), scaleChannel((v >> 5) & 31, 5),
                           scaleChannel((v >> 10) & 31, 5), 255};
        }
        case 24:
            return RGBQuad{p[0], p[1], p[2], 255};
        case 32:
            return RGBQuad{p[0], p[1], p[2], p[3]};
        default:
            return RGBQuad{};
    }
}

}  // namespace

bool DecodeTga(const std::uint8_t* data, std::size_t size, CxImage& image) {
    DecodeSession s(image, CXIMAGE_FORMAT_TGA);
    if (!data || size < 18) return s.fail("Not a TGA");
    ByteReader r(data, size);
    TgaHeader h{};
    h.idLength = r.u8();
    h.colorMapType = r.u8();
    h.imageType = r.u8();
    h.mapFirst = r.u16le();
    h.mapLength = r.u16le();
    h.mapEntryBits = r.u8();
    r.u16le();  // x origin
    r.u16le();  // y origin
    h.width = r.u16le();
    h.height = r.u16le();
    h.pixelBits = r.u8();
    h.descriptor = r.u8();
    if (h.colorMapType > 1) return s.fail("Not a TGA");

    const int baseType = h.imageType & 7;
    const bool rle = h.imageType & 8;
    if ((h.imageType & ~8) < 1 || (h.imageType & ~8) > 3) return s.fail("Unknown TGA image type");
    const bool mapped = baseType == 1, grey = baseType == 3;
    if (h.width == 0 || h.height == 0) return s.fail("bad TGA header");
    if (mapped || grey) {
        if (h.pixelBits != 8) return s.fail("bad TGA header");
    } else if (h.pixelBits != 15 && h.pixelBits != 16 && h.pixelBits != 24 && h.pixelBits != 32) {
        return s.fail("bad TGA header");
    }
    if (mapped && (h.colorMapType != 1 || h.mapLength == 0 || h.mapFirst + h.mapLength > 256))
        return s.fail("bad TGA header");
    if (h.colorMapType == 1 && h.mapEntryBits != 15 && h.mapEntryBits != 16 && h.mapEntryBits != 24 &&
        h.mapEntryBits != 32 && (mapped || h.mapLength != 0))
        return s.fail("bad TGA header");

    if (!r.skip(std::size_t(h.idLength))) return s.fail("corrupted TGA");
    RGBQuad palette[256] = {};
    if (h.colorMapType == 1) {
        const std::size_t entryBytes = std::size_t(h.mapEntryBits + 7) / 8;
        const std::uint8_t* map = r.peek(entryBytes * std::size_t(h.mapLength));
        if (!map) return s.fail("corrupted TGA");
        if (mapped) {
            for (int i = 0; i < h.mapLength; ++i) {
                RGBQuad c = toColor(map + i * entryBytes, h.mapEntryBits);
                c.reserved = 0;
                palette[h.mapFirst + i] = c;
            }
        }
        r.skip(entryBytes * std::size_t(h.mapLength));  // a true-colour image's map is not used
    }

    const int pixelBytes = (h.pixelBits + 7) / 8;
    const std::uint64_t pixels = std::uint64_t(h.width) * std::uint64_t(h.height);
    // Refuse files that cannot hold the pixels they claim before allocating for them:
    // an uncompressed picture needs every byte, a run-length one at least a packet per 128 pixels.
    const std::uint64_t minBytes =
        rle ? (pixels + 127) / 128 * std::uint64_t(1 + pixelBytes) : pixels * pixelBytes;
    if (minBytes > r.remaining()) return s.fail("corrupted TGA");

    const bool rightToLeft = h.descriptor & 0x10;
    const bool topToBottom = h.descriptor & 0x20;
    const bool keepAlpha = h.pixelBits == 32 && (h.descriptor & 0x0f) != 0;
    if (!s.create(h.width, h.height, (mapped || grey) ? 8 : 24, "TGA Create failed")) return false;
    CxImage& img = s.work();
    if (mapped) img.SetPalette(palette, 256);
    if (grey) img.SetGrayPalette();
    if (keepAlpha) img.AlphaCreate(255);

    // Run-length state carries across rows: a packet may span them.
    int packetLeft = 0;
    bool packetIsRun = false;
    const std::uint8_t* runPixel = nullptr;
    bool anyAlphaSet = false, anyAlphaClear = false;
    for (int fileRow = 0; fileRow < h.height; ++fileRow) {
        const int y = topToBottom ? h.height - 1 - fileRow : fileRow;
        std::uint8_t* dst = img.GetBits(y);
        std::uint8_t* alpha = keepAlpha ? img.AlphaRow(y) : nullptr;
        for (int i = 0; i < h.width; ++i) {
            const std::uint8_t* p;
            if (rle) {
                if (packetLeft == 0) {
                    const std::uint8_t head = r.u8();
                    if (r.overrun()) return s.fail("corrupted TGA");
                    packetIsRun = head & 0x80;
                    packetLeft = (head & 0x7f) + 1;
                    if (packetIsRun) {
                        runPixel = r.peek(pixelBytes);
                        if (!runPixel) return s.fail("corrupted TGA");
                        r.skip(pixelBytes);
                    }
                }
                if (packetIsRun) {
                    p = runPixel;
                } else {
                    p = r.peek(pixelBytes);
                    if (!p) return s.fail("corrupted TGA");
                    r.skip(pixelBytes);
                }
                --packetLeft;
            } else {
                p = r.peek(pixelBytes);
                if (!p) return s.fail("corrupted TGA");
                r.skip(pixelBytes);
            }
            const int x = rightToLeft ? h.width - 1 - i : i;
            if (mapped || grey) {
                dst[x] = p[0];
            } else {
                const RGBQuad c = toColor(p, h.pixelBits);
                dst[3 * x] = c.blue;
                dst[3 * x + 1] = c.green;
                dst[3 * x + 2] = c.red;
                if (alpha) {
                    alpha[x] = c.reserved;
                    (c.reserved ? anyAlphaSet : anyAlphaClear) = true;
                }
            }
        }
        if (!s.rowDone(fileRow + 1, h.height)) return s.failCancelled();
    }
    // Attribute bits that are all zero (or all opaque) carry no transparency: many
    // writers leave them unset, and such a picture must not vanish.
    if (keepAlpha && (!anyAlphaSet || !anyAlphaClear)) {
        bool allOpaque = true;
        for (int y = 0; y < h.height && allOpaque; ++y) {
            const std::uint8_t* a = img.AlphaRow(y);
            allOpaque = std::all_of(a, a + h.width, [](std::uint8_t v) { return v == 255; });
        }
        if (!anyAlphaSet || allOpaque) img.AlphaDelete();
    }
    return s.commit();
}
