// GIF 87a and 89a: the first picture of the file, LZW decoded, plain or interlaced.
// A transparent colour (graphic control extension) becomes the image's background
// index and an alpha plane in which its pixels are 0, so it stays see-through when drawn.
#include <algorithm>
#include <cstring>
#include <vector>

#include "image/CxImage.h"
#include "image/codecs/ByteReader.h"
#include "image/codecs/Codecs.h"
#include "image/codecs/DecodeSession.h"

namespace {

constexpr int kMaxCodes = 4096;

// Bytes of the image data sub-blocks, one after another.
class SubBlockStream {
public:
    explicit SubBlockStream(ByteReader& r) : r_(r) {}
    // False at the end of the data: either the terminating empty block (ended()) or the end of the file.
    bool next(std::uint8_t& out) {
        if (ended_ || truncated_) return false;
        if (left_ == 0) {
            const std::uint8_t n = r_.u8();
            if (r_.overrun()) {
                truncated_ = true;
                return false;
            }
            if (n == 0) {
                ended_ = true;
                return false;
            }
            left_ = n;
        }
        out = r_.u8();
        if (r_.overrun()) {
            truncated_ = true;
            return false;
        }
        --left_;
        return true;
    }
    bool truncated() const { return truncated_; }

private:
    ByteReader& r_;
    int left_ = 0;
    bool ended_ = false;
    bool truncated_ = false;
};

bool skipSubBlocks(ByteReader& r) {
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

// Where the picture's rows go: row by row, or in the four interlace passes.
class RowOrder {
public:
    RowOrder(int height, bool interlaced) : height_(height), interlaced_(interlaced) {}
    int row() const { return row_; }
    bool done() const { return row_ >= height_; }
    void advance() {
        if (!interlaced_) {
            ++row_;
            return;
        }
        static const int start[4] = {0, 4, 2, 1}, step[4] = {8, 8, 4, 2};
        row_ += step[pass_];
        while (row_ >= height_ && pass_ < 3) {
            ++pass_;
            row_ = start[pass_];
        }
    }

private:
    int height_;
    bool interlaced_;
    int row_ = 0;
    int pass_ = 0;
};

}  // namespace

bool DecodeGif(const std::uint8_t* data, std::size_t size, CxImage& image) {
    DecodeSession s(image, CXIMAGE_FORMAT_GIF);
    if (!data || size < 6 || std::memcmp(data, "GIF8", 4) != 0) return s.fail("Not a GIF");
    ByteReader r(data, size);
    r.skip(6);
    const int screenWidth = r.u16le();
    const int screenHeight = r.u16le();
    const std::uint8_t screenFlags = r.u8();
    const int backgroundIndex = r.u8();
    r.u8();  // aspect ratio
    if (r.overrun()) return s.fail("corrupted GIF");

    RGBQuad globalTable[256] = {}, localTable[256] = {};
    int globalCount = 0;
    auto readTable = [&r](RGBQuad* table, int count) {
        for (int i = 0; i < count; ++i) {
            table[i].red = r.u8();
            table[i].green = r.u8();
            table[i].blue = r.u8();
        }
        return !r.overrun();
    };
    if (screenFlags & 0x80) {
        globalCount = 2 << (screenFlags & 7);
        if (!readTable(globalTable, globalCount)) return s.fail("corrupted GIF");
    }

    int transparent = -1;
    for (;;) {
        const std::uint8_t block = r.u8();
        if (r.overrun()) return s.fail("corrupted GIF");
        if (block == 0x3b) return s.fail("No image in GIF");
        if (block == 0x21) {
            const std::uint8_t label = r.u8();
            if (label == 0xf9) {
                // Graphic control: size 4, flags, delay, transparent index.
                const std::uint8_t n = r.u8();
                const std::uint8_t* gce = r.peek(n);
                if (!gce) return s.fail("corrupted GIF");
                if (n >= 4) transparent = (gce[0] & 1) ? gce[3] : -1;
                r.skip(n);
            }
            if (!skipSubBlocks(r)) return s.fail("corrupted GIF");
            continue;
        }
        if (block != 0x2c) return s.fail("corrupted GIF");
        break;
    }

    // The image descriptor of the first picture.
    int left = r.u16le();
    int top = r.u16le();
    const int width = r.u16le();
    const int height = r.u16le();
    const std::uint8_t flags = r.u8();
    if (r.overrun()) return s.fail("corrupted GIF");
    if (width == 0 || height == 0) return s.fail("corrupted GIF");
    const RGBQuad* table = globalTable;
    int tableCount = globalCount;
    if (flags & 0x80) {
        tableCount = 2 << (flags & 7);
        if (!readTable(localTable, tableCount)) return s.fail("corrupted GIF");
        table = localTable;
    }
    const int minCodeSize = r.u8();
    if (r.overrun()) return s.fail("corrupted GIF");
    if (minCodeSize < 1 || minCodeSize > 8) return s.fail("corrupted GIF");

    // Each LZW code stands for at most one pixel more than the code before it, and
    // never more than the table holds: a frame the data cannot fill is refused before
    // anything is allocated for it.
    const std::uint64_t codes = std::uint64_t(r.remaining()) * 8 / std::uint64_t(minCodeSize + 1);
    const std::uint64_t reachable = codes <= kMaxCodes ? codes * (codes + 1) / 2 : codes * kMaxCodes;
    const std::uint64_t framePixels = std::uint64_t(width) * std::uint64_t(height);
    if (framePixels > reachable) return s.fail("corrupted GIF");

    // The picture fills the logical screen when it fits on it; the rest of the screen
    // shows the background (or the transparent colour). A screen of more than 4
    // megapixels that the frame covers less than a sixteenth of is left out: the frame
    // alone is the picture, so a few bytes cannot ask for a vast empty canvas.
    const std::uint64_t screenPixels = std::uint64_t(screenWidth) * std::uint64_t(screenHeight);
    const bool screenSensible = screenPixels <= (4u << 20) || screenPixels <= framePixels * 16;
    int canvasWidth = width, canvasHeight = height;
    if (screenSensible && screenWidth >= left + width && screenHeight >= top + height) {
        canvasWidth = screenWidth;
        canvasHeight = screenHeight;
    } else {
        left = top = 0;
    }
    const bool filled = canvasWidth != width || canvasHeight != height;
    const int fillIndex = transparent >= 0 ? transparent : backgroundIndex;

    // Deep enough for every index the data can hold, so no pixel is lost.
    int bits = std::max(minCodeSize, tableCount > 0 ? bitsFor(tableCount - 1) : 1);
    if (transparent >= 0) bits = std::max(bits, bitsFor(transparent));
    if (filled) bits = std::max(bits, bitsFor(fillIndex));
    if (!s.create(canvasWidth, canvasHeight, bits, "Can't allocate memory for GIF")) return false;
    CxImage& img = s.work();
    if (tableCount > 0) {
        img.SetPalette(table, tableCount);
    } else {
        img.SetGrayPalette();  // no colour table at all
    }
    if (filled) {
        // Whole bytes of the fill index, so even a large screen fills quickly.
        const int depth = img.GetBpp();
        const std::uint8_t pattern = depth == 8   ? std::uint8_t(fillIndex)
                                     : depth == 4 ? std::uint8_t((fillIndex << 4) | (fillIndex & 15))
                                                  : std::uint8_t((fillIndex & 1) ? 0xff : 0);
        for (int y = 0; y < canvasHeight; ++y) std::memset(img.GetBits(y), pattern, img.GetEffWidth());
    }

    // LZW.
    std::vector<std::uint16_t> prefix(kMaxCodes);
    std::vector<std::uint8_t> suffix(kMaxCodes), stack(kMaxCodes + 1);
    const int clearCode = 1 << minCodeSize;
    const int endCode = clearCode + 1;
    for (int i = 0; i < clearCode; ++i) suffix[i] = std::uint8_t(i);
    int codeSize = minCodeSize + 1;
    int nextCode = clearCode + 2;
    int oldCode = -1;
    std::uint8_t firstChar = 0;
    SubBlockStream stream(r);
    std::uint32_t bitBuffer = 0;
    int bitCount = 0;

    RowOrder rows(height, flags & 0x40);
    int x = 0;
    std::int64_t rowsDone = 0;
    auto put = [&](std::uint8_t index) {
        if (rows.done()) return true;
        const int dibY = canvasHeight - 1 - (top + rows.row());
        img.SetPixelIndex(left + x, dibY, index);
        if (++x == width) {
            x = 0;
            rows.advance();
            if (!s.rowDone(++rowsDone, height)) return false;
        }
        return true;
    };

    while (!rows.done()) {
        while (bitCount < codeSize) {
            std::uint8_t byte;
            if (!stream.next(byte)) break;
            bitBuffer |= std::uint32_t(byte) << bitCount;
            bitCount += 8;
        }
        if (bitCount < codeSize) break;  // the data ended
        const int code = int(bitBuffer & ((1u << codeSize) - 1));
        bitBuffer >>= codeSize;
        bitCount -= codeSize;

        if (code == clearCode) {
            codeSize = minCodeSize + 1;
            nextCode = clearCode + 2;
            oldCode = -1;
            continue;
        }
        if (code == endCode) break;
        if (oldCode < 0) {
            if (code >= clearCode) return s.fail("corrupted GIF");
            firstChar = std::uint8_t(code);
            oldCode = code;
            if (!put(firstChar)) return s.failCancelled();
            continue;
        }
        if (code > nextCode || (code == nextCode && nextCode >= kMaxCodes)) return s.fail("corrupted GIF");
        int depth = 0;
        int walk = code;
        if (code == nextCode) {
            stack[depth++] = firstChar;
            walk = oldCode;
        }
        // Every entry's prefix is an older code, so this walk ends within the table size.
        while (walk >= clearCode) {
            stack[depth++] = suffix[walk];
            walk = prefix[walk];
        }
        firstChar = std::uint8_t(walk);
        stack[depth++] = firstChar;
        while (depth > 0)
            if (!put(stack[--depth])) return s.failCancelled();
        if (nextCode < kMaxCodes) {
            prefix[nextCode] = std::uint16_t(oldCode);
            suffix[nextCode] = firstChar;
            ++nextCode;
            if (nextCode == (1 << codeSize) && codeSize < 12) ++codeSize;
        }
        oldCode = code;
    }
    // A file cut off inside the picture fails; a stream that simply ends early leaves
    // the missing pixels at index 0 as most viewers do.
    if (!rows.done() && stream.truncated()) return s.fail("corrupted GIF");

    if (transparent >= 0) {
        img.SetBackgroundIndex(transparent);
        img.AlphaCreate(255);
        const int depth = img.GetBpp();
        for (int y = 0; y < canvasHeight; ++y) {
            const std::uint8_t* row = img.GetBits(y);
            std::uint8_t* a = img.AlphaRow(y);
            for (int xx = 0; xx < canvasWidth; ++xx) {
                const int index = depth == 8   ? row[xx]
                                  : depth == 4 ? (row[xx >> 1] >> ((xx & 1) ? 0 : 4)) & 15
                                               : (row[xx >> 3] >> (7 - (xx & 7))) & 1;
                if (index == transparent) a[xx] = 0;
            }
        }
    }
    return s.commit();
}
