// PCX, run-length coded: 1 bit in up to 4 planes, or 1, 2, 4 or 8 bits packed in a
// single plane; 8-bit pictures carry a 256-colour palette at the end of the file.
#include <algorithm>
#include <cstring>
#include <vector>

#include "image/CxImage.h"
#include "image/codecs/ByteReader.h"
#include "image/codecs/Codecs.h"
#include "image/codecs/DecodeSession.h"

namespace {
constexpr std::size_t kHeaderSize = 128;
constexpr std::size_t kPaletteTail = 769;  // signature byte 12 and 256 RGB triples
}  // namespace

bool DecodePcx(const std::uint8_t* data, std::size_t size, CxImage& image) {
    DecodeSession s(image, CXIMAGE_FORMAT_PCX);
    if (!data || size < kHeaderSize) return s.fail("Can't read PCX image");
    ByteReader h(data, kHeaderSize);
    const int manufacturer = h.u8();
    h.u8();  // version
    const int encoding = h.u8();
    const int bits = h.u8();
    const int xMin = h.u16le(), yMin = h.u16le(), xMax = h.u16le(), yMax = h.u16le();
    h.skip(4);  // resolution
    const std::uint8_t* headerPalette = data + 16;
    h.skip(48 + 1);
    const int planes = h.u8();
    const int bytesPerLine = h.u16le();

    if (manufacturer != 10) return s.fail("Error: Not a PCX file");
    if (encoding != 1) return s.fail("PCX file has unknown encoding scheme");
    if (planes > 4) return s.fail("Can't handle image with more than 4 planes");
    if (bits != 1 && bits != 2 && bits != 4 && bits != 8)
        return s.fail("Can't handle more than 1 bit per pixel");
    if (planes > 1 && bits > 1) return s.fail("Can't handle packed pixels with more than 1 plane.");
    if (planes == 0 || xMax < xMin || yMax < yMin) return s.fail("corrupted PCX");
    const int width = xMax - xMin + 1, height = yMax - yMin + 1;
    if (std::int64_t(bytesPerLine) * 8 < std::int64_t(width) * bits) return s.fail("corrupted PCX");

    std::size_t dataEnd = size;
    RGBQuad palette[256] = {};
    if (bits == 8) {
        if (size < kHeaderSize + kPaletteTail || data[size - kPaletteTail] != 12)
            return s.fail("bad color map signature");
        dataEnd = size - kPaletteTail;
        const std::uint8_t* p = data + dataEnd + 1;
        for (int i = 0; i < 256; ++i) palette[i] = makeRgb(p[3 * i], p[3 * i + 1], p[3 * i + 2]);
    } else if (bits == 1 && planes == 1) {
        palette[0] = makeRgb(0, 0, 0);
        palette[1] = makeRgb(255, 255, 255);
    } else {
        for (int i = 0; i < 16; ++i)
            palette[i] = makeRgb(headerPalette[3 * i], headerPalette[3 * i + 1], headerPalette[3 * i + 2]);
    }

    const std::size_t lineBytes = std::size_t(planes) * std::size_t(bytesPerLine);
    const std::uint64_t total = std::uint64_t(lineBytes) * std::uint64_t(height);
    // Two coded bytes give at most 63 pixels bytes: a file too short to hold the picture
    // it claims is refused before anything is allocated.
    const std::uint64_t coded = dataEnd - kHeaderSize;
    if (total > coded * 32 + 1) return s.fail("corrupted PCX");

    const int rasterBits = bits == 1 && planes == 1 ? 1 : (bits == 8 ? 8 : 4);
    if (!s.create(width, height, rasterBits, "Can't allocate memory")) return false;
    CxImage& img = s.work();
    img.SetPalette(palette, rasterBits == 8 ? 256 : (1 << rasterBits));

    ByteReader r(data, dataEnd);
    r.seek(kHeaderSize);
    std::vector<std::uint8_t> line(lineBytes);
    std::uint64_t produced = 0;
    int runLeft = 0;
    std::uint8_t runValue = 0;
    for (int row = 0; row < height; ++row) {
        // Runs may carry over from one line into the next, but not past the picture.
        std::size_t i = 0;
        while (i < lineBytes) {
            if (runLeft == 0) {
                const std::uint8_t b = r.u8();
                if (r.overrun()) return s.fail("corrupted PCX");
                if ((b & 0xc0) == 0xc0) {
                    runLeft = b & 0x3f;
                    runValue = r.u8();
                    if (r.overrun()) return s.fail("corrupted PCX");
                    if (std::uint64_t(runLeft) > total - produced)
                        return s.fail("repeat count spans end of image");
                    if (runLeft == 0) continue;  // an empty run gives nothing
                } else {
                    runLeft = 1;
                    runValue = b;
                }
            }
            line[i++] = runValue;
            --runLeft;
            ++produced;
        }

        std::uint8_t* dst = img.GetBits(height - 1 - row);
        if (planes == 1 && (bits == 1 || bits == 8)) {
            std::memcpy(dst, line.data(), (std::size_t(width) * bits + 7) / 8);
        } else if (planes == 1) {  // 2 or 4 bits packed
            for (int x = 0; x < width; ++x) {
                const int bitPos = x * bits;
                const int v = (line[bitPos / 8] >> (8 - bits - bitPos % 8)) & ((1 << bits) - 1);
                img.SetPixelIndex(x, height - 1 - row, std::uint8_t(v));
            }
        } else {  // one bit in each plane, plane 0 the lowest
            for (int x = 0; x < width; ++x) {
                int v = 0;
                for (int p = 0; p < planes; ++p)
                    v |= ((line[std::size_t(p) * bytesPerLine + x / 8] >> (7 - x % 8)) & 1) << p;
                img.SetPixelIndex(x, height - 1 - row, std::uint8_t(v));
            }
        }
        if (!s.rowDone(row + 1, height)) return s.failCancelled();
    }
    return s.commit();
}
