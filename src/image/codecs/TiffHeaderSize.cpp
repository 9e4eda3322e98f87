// TIFF sizes from the first directory, through libtiff like the decoder, with the
// checks the decoder makes before it reads its first strip or tile.
#include <tiffio.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <utility>

#include "image/CxImage.h"
#include "image/codecs/HeaderSize.h"

namespace {

// The decoder's ceiling on one strip, tile or band.
constexpr tmsize_t kMaxBlockBytes = 256 * 1024 * 1024;

struct Stream {
    HeaderSource* source;
    std::uint64_t pos;
};

tmsize_t streamRead(thandle_t h, void* buf, tmsize_t n) {
    Stream* s = static_cast<Stream*>(h);
    if (n <= 0) return 0;
    const std::size_t got = s->source->readAt(s->pos, static_cast<std::uint8_t*>(buf), std::size_t(n));
    s->pos += got;
    return tmsize_t(got);
}
tmsize_t streamWrite(thandle_t, void*, tmsize_t) {
    return -1;
}
toff_t streamSeek(thandle_t h, toff_t off, int whence) {
    Stream* s = static_cast<Stream*>(h);
    std::uint64_t base = 0;
    if (whence == SEEK_CUR)
        base = s->pos;
    else if (whence == SEEK_END)
        base = s->source->size();
    else if (whence != SEEK_SET)
        return toff_t(-1);
    if (off > UINT64_MAX - base) return toff_t(-1);
    s->pos = base + off;
    return s->pos;
}
int streamClose(thandle_t) {
    return 0;
}
toff_t streamSize(thandle_t h) {
    return static_cast<Stream*>(h)->source->size();
}
int streamMap(thandle_t, void**, toff_t*) {
    return 0;
}
void streamUnmap(thandle_t, void*, toff_t) {}
int onMessage(TIFF*, void*, const char*, const char*, va_list) {
    return 1;
}

// The checks the decoder's strip and tile loop makes before reading a block.
bool blocksReadable(TIFF* tif, std::uint32_t width, std::uint32_t height, std::uint16_t samples,
                    std::uint16_t bitsPerSample) {
    std::uint32_t blockW = width, blockH = 0;
    tmsize_t blockBytes, rowBytes;
    if (TIFFIsTiled(tif)) {
        if (!TIFFGetField(tif, TIFFTAG_TILEWIDTH, &blockW) || !TIFFGetField(tif, TIFFTAG_TILELENGTH, &blockH))
            return false;
        blockBytes = TIFFTileSize(tif);
        rowBytes = TIFFTileRowSize(tif);
    } else {
        TIFFGetFieldDefaulted(tif, TIFFTAG_ROWSPERSTRIP, &blockH);
        blockH = std::min(blockH, height);
        blockBytes = TIFFStripSize(tif);
        rowBytes = TIFFScanlineSize(tif);
    }
    const std::uint64_t samplesPerRow = std::uint64_t(blockW) * samples;
    return blockW != 0 && blockH != 0 && blockBytes > 0 && rowBytes > 0 && blockBytes <= kMaxBlockBytes &&
           (samplesPerRow * bitsPerSample + 7) / 8 <= std::uint64_t(rowBytes) &&
           std::uint64_t(rowBytes) * blockH <= std::uint64_t(blockBytes);
}

// Whether libtiff's RGBA reader takes the picture, as the decoder's fallback asks.
bool rgbaReadable(TIFF* tif) {
    char message[1024] = {};
    if (!TIFFRGBAImageOK(tif, message)) return false;
    TIFFRGBAImage img;
    if (!TIFFRGBAImageBegin(&img, tif, 0, message)) return false;
    TIFFRGBAImageEnd(&img);
    return true;
}

// The raster depth the decoder would decode the first directory into, or 0 when it
// refuses it before reading pixels.
int rasterBits(TIFF* tif, std::uint32_t width, std::uint32_t height) {
    std::uint16_t bitsPerSample = 0, samples = 0, planar = 0, photometric = 0, compression = 0;
    TIFFGetFieldDefaulted(tif, TIFFTAG_BITSPERSAMPLE, &bitsPerSample);
    TIFFGetFieldDefaulted(tif, TIFFTAG_SAMPLESPERPIXEL, &samples);
    TIFFGetFieldDefaulted(tif, TIFFTAG_PLANARCONFIG, &planar);
    TIFFGetFieldDefaulted(tif, TIFFTAG_COMPRESSION, &compression);
    if (!TIFFGetField(tif, TIFFTAG_PHOTOMETRIC, &photometric))
        photometric = samples >= 3 ? PHOTOMETRIC_RGB : PHOTOMETRIC_MINISBLACK;
    std::uint16_t extraSamples = 0;
    std::uint16_t* extraKinds = nullptr;
    TIFFGetField(tif, TIFFTAG_EXTRASAMPLES, &extraSamples, &extraKinds);
    const bool plain = compression != COMPRESSION_OJPEG && (samples == 1 || planar == PLANARCONFIG_CONTIG);
    const bool indexed =
        samples == 1 &&
        (bitsPerSample == 1 || bitsPerSample == 2 || bitsPerSample == 4 || bitsPerSample == 8) &&
        (photometric == PHOTOMETRIC_PALETTE || photometric == PHOTOMETRIC_MINISBLACK ||
         photometric == PHOTOMETRIC_MINISWHITE);
    const bool rgb8 = photometric == PHOTOMETRIC_RGB && bitsPerSample == 8 &&
                      (samples == 3 || (samples >= 4 && extraSamples > 0));
    if (plain && indexed) {
        const int bits = bitsPerSample == 1 ? 1 : bitsPerSample <= 4 ? 4 : 8;
        if (!CxImage::FitsCeiling(width, height, bits)) return 0;
        if (photometric == PHOTOMETRIC_PALETTE) {
            std::uint16_t *r = nullptr, *g = nullptr, *b = nullptr;
            if (!TIFFGetField(tif, TIFFTAG_COLORMAP, &r, &g, &b) || !r || !g || !b) return 0;
        }
        return blocksReadable(tif, width, height, samples, bitsPerSample) ? bits : 0;
    }
    if (!CxImage::FitsCeiling(width, height, 24)) return 0;
    if (plain && rgb8) return blocksReadable(tif, width, height, samples, bitsPerSample) ? 24 : 0;
    return rgbaReadable(tif) ? 24 : 0;
}

}  // namespace

bool ReadTiffHeaderSize(HeaderSource& source, int& width, int& height) {
    Stream stream{&source, 0};
    TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
    if (!options) return false;
    TIFFOpenOptionsSetMaxSingleMemAlloc(options, kMaxBlockBytes);
    TIFFOpenOptionsSetErrorHandlerExtR(options, onMessage, nullptr);
    TIFFOpenOptionsSetWarningHandlerExtR(options, onMessage, nullptr);
    TIFF* tif = TIFFClientOpenExt("header", "rm", &stream, streamRead, streamWrite, streamSeek, streamClose,
                                  streamSize, streamMap, streamUnmap, options);
    TIFFOpenOptionsFree(options);
    if (!tif) return false;
    bool ok = false;
    std::uint32_t w = 0, h = 0;
    std::uint16_t orientation = 0;
    if (TIFFSetDirectory(tif, 0)) {
        TIFFGetField(tif, TIFFTAG_IMAGEWIDTH, &w);
        TIFFGetField(tif, TIFFTAG_IMAGELENGTH, &h);
        TIFFGetFieldDefaulted(tif, TIFFTAG_ORIENTATION, &orientation);
        if (w != 0 && h != 0 && std::uint64_t(w) * h <= CxImage::kMaxPixels) {
            const int bits = rasterBits(tif, w, h);
            // Orientations 5 to 8 turn the picture into a raster of its own.
            const bool turned = orientation >= 5 && orientation <= 8;
            if (bits > 0 && (!turned || CxImage::FitsCeiling(h, w, bits))) {
                if (turned) std::swap(w, h);
                ok = true;
            }
        }
    }
    TIFFClose(tif);
    if (!ok) return false;
    width = int(w);
    height = int(h);
    return true;
}
