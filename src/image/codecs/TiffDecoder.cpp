// TIFF through libtiff, read from memory: the first page, stripped or tiled. Palette,
// bilevel and grey pictures of up to 8 bits and 8-bit RGB(A), interleaved or in
// separate planes, are copied sample by sample into the DIB; everything else (16 bits,
// YCbCr, CMYK, ...) goes through libtiff's RGBA reader a band of rows at a time. The orientation tag is
// applied afterwards. libtiff reports errors by return value, never by longjmp.
#include <tiffio.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <vector>

#include "image/CxImage.h"
#include "image/codecs/Codecs.h"
#include "image/codecs/ColorProfile.h"
#include "image/codecs/LibCodecSupport.h"
#include "image/codecs/TiffLayout.h"

namespace {

struct MemoryStream {
    const std::uint8_t* data;
    std::uint64_t size;
    std::uint64_t pos;
};

tmsize_t streamRead(thandle_t h, void* buf, tmsize_t n) {
    MemoryStream* s = static_cast<MemoryStream*>(h);
    if (n <= 0 || s->pos >= s->size) return 0;
    const std::uint64_t count = std::min<std::uint64_t>(std::uint64_t(n), s->size - s->pos);
    std::memcpy(buf, s->data + s->pos, std::size_t(count));
    s->pos += count;
    return tmsize_t(count);
}

tmsize_t streamWrite(thandle_t, void*, tmsize_t) {
    return -1;
}

toff_t streamSeek(thandle_t h, toff_t off, int whence) {
    MemoryStream* s = static_cast<MemoryStream*>(h);
    std::uint64_t base = 0;
    if (whence == SEEK_CUR)
        base = s->pos;
    else if (whence == SEEK_END)
        base = s->size;
    else if (whence != SEEK_SET)
        return toff_t(-1);
    // Offsets are unsigned here: a "negative" one wraps and is caught as overflow.
    if (off > UINT64_MAX - base) return toff_t(-1);
    s->pos = base + off;  // past the end is allowed; reads there give nothing
    return s->pos;
}

int streamClose(thandle_t) {
    return 0;
}
toff_t streamSize(thandle_t h) {
    return static_cast<MemoryStream*>(h)->size;
}
int streamMap(thandle_t, void**, toff_t*) {
    return 0;
}
void streamUnmap(thandle_t, void*, toff_t) {}

// libtiff's messages are not printed; the last one is kept for nobody in particular
// but a debugger.
int onMessage(TIFF*, void* user, const char*, const char* fmt, va_list ap) {
    if (user) std::vsnprintf(static_cast<char*>(user), 256, fmt, ap);
    return 1;
}

struct TiffFailure {
    const char* text;
};

struct Picture : codecs::TiffLayout {
    TIFF* tif = nullptr;
};

// Calls fn(x0, y0, columns, rows, planes, rowBytes) for every strip or tile with the
// block's decoded bytes: planes[0] alone for interleaved samples, planes[0] to
// planes[count - 1] for the first `count` planes of a picture stored a sample a plane.
template <class Fn>
const char* forEachBlock(const Picture& p, const CxImage& control, int count, Fn fn) {
    TIFF* tif = p.tif;
    const bool tiled = TIFFIsTiled(tif);
    const char* corrupt = tiled ? "Corrupted tiled TIFF file!" : "Corrupted TIFF file!";
    codecs::TiffBlocks blocks;
    if (!codecs::TiffBlockLayout(tif, p, count, blocks)) return corrupt;
    const std::uint32_t blockW = blocks.width, blockH = blocks.height;
    const tmsize_t blockBytes = blocks.bytes, rowBytes = blocks.rowBytes;
    std::vector<std::uint8_t> buffer;
    try {
        buffer.resize(std::size_t(blockBytes) * std::size_t(count));
    } catch (...) {
        return "No space for raster buffer";
    }
    const std::uint8_t* planes[4] = {};
    for (int s = 0; s < count; ++s) planes[s] = buffer.data() + std::size_t(blockBytes) * std::size_t(s);
    for (std::uint32_t y0 = 0; y0 < p.height; y0 += blockH) {
        if (control.GetEscape()) return "Cancelled";
        const std::uint32_t rows = std::min(blockH, p.height - y0);
        for (std::uint32_t x0 = 0; x0 < p.width; x0 += blockW) {
            const std::uint32_t cols = std::min(blockW, p.width - x0);
            for (int s = 0; s < count; ++s) {
                std::uint8_t* into = buffer.data() + std::size_t(blockBytes) * std::size_t(s);
                tmsize_t got;
                if (tiled)
                    got = TIFFReadEncodedTile(tif, TIFFComputeTile(tif, x0, y0, 0, std::uint16_t(s)), into,
                                              blockBytes);
                else
                    got = TIFFReadEncodedStrip(tif, TIFFComputeStrip(tif, y0, std::uint16_t(s)), into,
                                               blockBytes);
                // Tiles are always whole; the last strip may be short.
                const std::uint64_t needed = std::uint64_t(rowBytes) * (tiled ? blockH : rows);
                if (got < 0 || std::uint64_t(got) < needed) return corrupt;
            }
            fn(x0, y0, cols, rows, planes, std::size_t(rowBytes));
        }
        const_cast<CxImage&>(control).SetProgress(int(std::uint64_t(y0 + rows) * 100 / p.height));
    }
    return nullptr;
}

// Palette, bilevel and grey of 1, 2, 4 or 8 bits: indexes copied into a palette DIB.
const char* readIndexed(const Picture& p, CxImage& out, const CxImage& control) {
    const int bits = p.bitsPerSample == 1 ? 1 : p.bitsPerSample <= 4 ? 4 : 8;
    if (!out.CreateRaster(p.width, p.height, bits, CXIMAGE_FORMAT_TIF))
        return "CxImageTIF can't create image";
    const int entries = 1 << p.bitsPerSample;
    if (p.photometric == PHOTOMETRIC_PALETTE) {
        std::uint16_t *r = nullptr, *g = nullptr, *b = nullptr;
        if (!TIFFGetField(p.tif, TIFFTAG_COLORMAP, &r, &g, &b) || !r || !g || !b)
            return "Unable to allocate TIFF palette";
        // Some writers store 8-bit values in the 16-bit colour map.
        bool eightBit = true;
        for (int i = 0; i < entries; ++i)
            if (r[i] > 255 || g[i] > 255 || b[i] > 255) eightBit = false;
        const int shift = eightBit ? 0 : 8;
        for (int i = 0; i < entries; ++i)
            out.SetPaletteColor(i, makeRgb(r[i] >> shift, g[i] >> shift, b[i] >> shift));
    } else {
        const bool inverted = p.photometric == PHOTOMETRIC_MINISWHITE;
        for (int i = 0; i < entries; ++i) {
            const int v = i * 255 / (entries - 1);
            out.SetPaletteColor(i, inverted ? makeRgb(255 - v, 255 - v, 255 - v) : makeRgb(v, v, v));
        }
    }
    const int sampleBits = p.bitsPerSample;
    return forEachBlock(
        p, control, 1,
        [&](std::uint32_t x0, std::uint32_t y0, std::uint32_t cols, std::uint32_t rows,
            const std::uint8_t* const* planes, std::size_t rowBytes) {
            const std::uint8_t* data = planes[0];
            for (std::uint32_t r = 0; r < rows; ++r) {
                const std::uint8_t* src = data + r * rowBytes;
                std::uint8_t* dst = out.GetBits(int(p.height - 1 - (y0 + r)));
                if (sampleBits == 8) {
                    std::memcpy(dst + x0, src, cols);
                } else if (sampleBits == bits && (std::size_t(x0) * bits) % 8 == 0) {
                    // 1 and 4 bits starting on a byte boundary (always so for strips and
                    // for tiles of standard width) copy as bytes.
                    const std::size_t start = std::size_t(x0) * bits / 8;
                    const std::size_t n = (std::size_t(cols) * bits + 7) / 8;
                    std::memcpy(dst + start, src, std::min(n, std::size_t(out.GetEffWidth()) - start));
                } else {
                    // 2 bits widening to the 4-bit DIB, or odd tile widths: pixel by pixel.
                    const long y = long(p.height - 1 - (y0 + r));
                    for (std::uint32_t x = 0; x < cols; ++x) {
                        const std::size_t bit = std::size_t(x) * sampleBits;
                        const int v = (src[bit / 8] >> (8 - sampleBits - int(bit % 8))) & (entries - 1);
                        out.SetPixelIndex(long(x0 + x), y, std::uint8_t(v));
                    }
                }
            }
        });
}

// 8-bit RGB with or without alpha, samples interleaved or a sample a plane.
const char* readRgb8(const Picture& p, CxImage& out, const CxImage& control) {
    if (!out.CreateRaster(p.width, p.height, 24, CXIMAGE_FORMAT_TIF)) return "CxImageTIF can't create image";
    const bool alpha = p.hasAlpha();
    if (alpha && !codecs::createAlpha(out)) return "No space for raster buffer";
    const bool separate = p.separate();
    const int channels = alpha ? 4 : 3;
    // Where sample c of pixel x lies: planes[c] + x with separate planes, planes[0] +
    // x * samples + c interleaved.
    const std::size_t step = separate ? 1 : p.samples;
    return forEachBlock(p, control, codecs::TiffRgb8Planes(p),
                        [&](std::uint32_t x0, std::uint32_t y0, std::uint32_t cols, std::uint32_t rows,
                            const std::uint8_t* const* planes, std::size_t rowBytes) {
                            for (std::uint32_t r = 0; r < rows; ++r) {
                                const int dibRow = int(p.height - 1 - (y0 + r));
                                const std::uint8_t* s[4];
                                for (int c = 0; c < channels; ++c)
                                    s[c] = separate ? planes[c] + r * rowBytes : planes[0] + r * rowBytes + c;
                                std::uint8_t* d = out.GetBits(dibRow) + std::size_t(x0) * 3;
                                std::uint8_t* a = alpha ? out.AlphaRow(dibRow) + x0 : nullptr;
                                for (std::uint32_t x = 0; x < cols; ++x, d += 3) {
                                    const std::size_t at = x * step;
                                    std::uint8_t red = s[0][at], green = s[1][at], blue = s[2][at];
                                    if (a) {
                                        const std::uint8_t av = s[3][at];
                                        a[x] = av;
                                        // Premultiplied colour is stored straight, as the alpha plane
                                        // expects.
                                        if (p.alphaAssociated && av != 0 && av != 255) {
                                            red = std::uint8_t(std::min(255, (red * 255 + av / 2) / av));
                                            green = std::uint8_t(std::min(255, (green * 255 + av / 2) / av));
                                            blue = std::uint8_t(std::min(255, (blue * 255 + av / 2) / av));
                                        }
                                    }
                                    d[0] = blue;
                                    d[1] = green;
                                    d[2] = red;
                                }
                            }
                        });
}

// Everything else, through libtiff's RGBA conversion, a band of rows at a time.
const char* readRgba(const Picture& p, CxImage& out, const CxImage& control) {
    char message[1024] = {};
    if (!TIFFRGBAImageOK(p.tif, message)) return "Corrupted TIFF file!";
    TIFFRGBAImage img;
    if (!TIFFRGBAImageBegin(&img, p.tif, 0, message)) return "Corrupted TIFF file!";
    // Rows in stored order; the orientation is applied to the finished picture.
    img.req_orientation = ORIENTATION_TOPLEFT;
    img.orientation = ORIENTATION_TOPLEFT;
    const char* failure = nullptr;
    std::uint32_t band = 0;
    if (TIFFIsTiled(p.tif))
        TIFFGetField(p.tif, TIFFTAG_TILELENGTH, &band);
    else
        TIFFGetFieldDefaulted(p.tif, TIFFTAG_ROWSPERSTRIP, &band);
    band = std::clamp<std::uint32_t>(band, 1, p.height);
    if (std::uint64_t(band) * p.width * 4 > std::uint64_t(codecs::kTiffMaxBlockBytes))
        band = std::max<std::uint32_t>(
            1, std::uint32_t(codecs::kTiffMaxBlockBytes / (std::uint64_t(p.width) * 4)));
    const bool alpha = img.alpha != 0;
    std::vector<std::uint32_t> raster;
    if (!out.CreateRaster(p.width, p.height, 24, CXIMAGE_FORMAT_TIF))
        failure = "CxImageTIF can't create image";
    else if (alpha && !codecs::createAlpha(out))
        failure = "No space for raster buffer";
    else {
        try {
            raster.resize(std::size_t(band) * p.width);
        } catch (...) {
            failure = "No space for raster buffer";
        }
    }
    for (std::uint32_t y0 = 0; !failure && y0 < p.height; y0 += band) {
        if (control.GetEscape()) {
            failure = "Cancelled";
            break;
        }
        const std::uint32_t rows = std::min(band, p.height - y0);
        img.row_offset = int(y0);
        img.col_offset = 0;
        if (!TIFFRGBAImageGet(&img, raster.data(), p.width, rows)) {
            failure = TIFFIsTiled(p.tif) ? "Corrupted tiled TIFF file!" : "Corrupted TIFF file!";
            break;
        }
        for (std::uint32_t r = 0; r < rows; ++r) {
            const int dibRow = int(p.height - 1 - (y0 + r));
            const std::uint32_t* s = raster.data() + std::size_t(r) * p.width;
            std::uint8_t* d = out.GetBits(dibRow);
            std::uint8_t* a = alpha ? out.AlphaRow(dibRow) : nullptr;
            for (std::uint32_t x = 0; x < p.width; ++x, d += 3) {
                const std::uint32_t v = s[x];
                std::uint8_t red = TIFFGetR(v), green = TIFFGetG(v), blue = TIFFGetB(v);
                if (a) {
                    const std::uint8_t av = TIFFGetA(v);
                    a[x] = av;
                    // libtiff hands every alpha over premultiplied.
                    if (av != 0 && av != 255) {
                        red = std::uint8_t(std::min(255, (red * 255 + av / 2) / av));
                        green = std::uint8_t(std::min(255, (green * 255 + av / 2) / av));
                        blue = std::uint8_t(std::min(255, (blue * 255 + av / 2) / av));
                    }
                }
                d[0] = blue;
                d[1] = green;
                d[2] = red;
            }
        }
        const_cast<CxImage&>(control).SetProgress(int(std::uint64_t(y0) * 100 / p.height));
    }
    TIFFRGBAImageEnd(&img);
    return failure;
}

}  // namespace

bool DecodeTiff(const std::uint8_t* data, std::size_t size, CxImage& image, const DecodeOptions& options) {
    MemoryStream stream{data, data ? size : 0, 0};
    char libMessage[256] = {};
    TIFFOpenOptions* openOptions = TIFFOpenOptionsAlloc();
    if (!openOptions) {
        image.SetLastError(QStringLiteral("Error encountered while opening TIFF file"));
        return false;
    }
    TIFFOpenOptionsSetMaxSingleMemAlloc(openOptions, codecs::kTiffMaxBlockBytes);
    TIFFOpenOptionsSetErrorHandlerExtR(openOptions, onMessage, libMessage);
    TIFFOpenOptionsSetWarningHandlerExtR(openOptions, onMessage, nullptr);
    // "m": no memory mapping, every byte goes through the checked reader.
    TIFF* tif = TIFFClientOpenExt("memory", "rm", &stream, streamRead, streamWrite, streamSeek, streamClose,
                                  streamSize, streamMap, streamUnmap, openOptions);
    TIFFOpenOptionsFree(openOptions);
    if (!tif) {
        image.SetLastError(QStringLiteral("Error encountered while opening TIFF file"));
        return false;
    }
    const char* failure = nullptr;
    CxImage decoded(CXIMAGE_FORMAT_TIF);
    Picture p{};
    p.tif = tif;
    if (!TIFFSetDirectory(tif, 0)) failure = "Error: page not present in TIFF file";
    int xdpi = 0, ydpi = 0;
    codecs::SrgbConverter colour;
    bool colourSource = false;
    if (!failure) {
        static_cast<codecs::TiffLayout&>(p) = codecs::ReadTiffLayout(tif);
        colourSource = p.photometric == PHOTOMETRIC_RGB || p.photometric == PHOTOMETRIC_YCBCR ||
                       p.photometric == PHOTOMETRIC_PALETTE;
        const bool greySource =
            p.photometric == PHOTOMETRIC_MINISBLACK || p.photometric == PHOTOMETRIC_MINISWHITE;
        // Only colour and grey data have a profile we convert from (not CMYK, Lab, ...).
        std::uint32_t iccLength = 0;
        void* icc = nullptr;
        if (options.colorManage && (colourSource || greySource) &&
            TIFFGetField(tif, TIFFTAG_ICCPROFILE, &iccLength, &icc) && icc)
            colour.setIccProfile(static_cast<const std::uint8_t*>(icc), iccLength);
        float resX = 0, resY = 0;
        std::uint16_t unit = RESUNIT_INCH;
        TIFFGetFieldDefaulted(tif, TIFFTAG_RESOLUTIONUNIT, &unit);
        const int densityUnit = unit == RESUNIT_CENTIMETER ? 2 : unit == RESUNIT_INCH ? 1 : 0;
        if (TIFFGetField(tif, TIFFTAG_XRESOLUTION, &resX)) xdpi = codecs::densityToDpi(resX, densityUnit);
        if (TIFFGetField(tif, TIFFTAG_YRESOLUTION, &resY)) ydpi = codecs::densityToDpi(resY, densityUnit);

        if (p.width == 0 || p.height == 0)
            failure = "Corrupted TIFF file!";
        else if (std::uint64_t(p.width) * p.height > codecs::pixelLimit(options))
            failure = "CxImageTIF can't create image";
        else {
            // Separate planes are read here a plane at a time: libtiff's RGBA reader
            // refuses small uncompressed tiles of them when the file is not memory-mapped.
            const codecs::TiffReader reader = codecs::ChooseTiffReader(p);
            if (reader == codecs::TiffReader::Indexed)
                failure = readIndexed(p, decoded, image);
            else if (reader == codecs::TiffReader::Rgb8)
                failure = readRgb8(p, decoded, image);
            else
                failure = readRgba(p, decoded, image);
        }
    }
    TIFFClose(tif);
    if (!failure) {
        if (colour.appliesTo(colourSource)) colour.convertImage(decoded);
        decoded.SetXDPI(xdpi > 0 ? xdpi : image.GetXDPI());
        decoded.SetYDPI(ydpi > 0 ? ydpi : image.GetYDPI());
        if (!codecs::OrientImage(decoded, p.orientation)) failure = "CxImageTIF can't create image";
    }
    if (failure) {
        image.SetLastError(QString::fromLatin1(failure));
        return false;
    }
    image.TakeOver(decoded);
    image.SetType(CXIMAGE_FORMAT_TIF);
    image.SetXDPI(decoded.GetXDPI());
    image.SetYDPI(decoded.GetYDPI());
    image.SetProgress(100);
    image.SetLastError(QString());
    return true;
}
