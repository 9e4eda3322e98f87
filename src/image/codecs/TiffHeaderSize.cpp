// TIFF sizes from the first directory, through libtiff like the decoder, with the
// checks the decoder makes before it reads its first strip or tile (TiffLayout holds
// the decoder's choices, so the two cannot drift apart).
#include <tiffio.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <utility>

#include "image/CxImage.h"
#include "image/codecs/HeaderSize.h"
#include "image/codecs/TiffLayout.h"

namespace {

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
int rasterBits(TIFF* tif, const codecs::TiffLayout& p) {
    switch (codecs::ChooseTiffReader(p)) {
        case codecs::TiffReader::Indexed: {
            const int bits = p.bitsPerSample == 1 ? 1 : p.bitsPerSample <= 4 ? 4 : 8;
            if (!CxImage::FitsCeiling(p.width, p.height, bits)) return 0;
            if (p.photometric == PHOTOMETRIC_PALETTE) {
                std::uint16_t *r = nullptr, *g = nullptr, *b = nullptr;
                if (!TIFFGetField(tif, TIFFTAG_COLORMAP, &r, &g, &b) || !r || !g || !b) return 0;
            }
            codecs::TiffBlocks blocks;
            return codecs::TiffBlockLayout(tif, p, 1, blocks) ? bits : 0;
        }
        case codecs::TiffReader::Rgb8: {
            codecs::TiffBlocks blocks;
            return CxImage::FitsCeiling(p.width, p.height, 24) &&
                           codecs::TiffBlockLayout(tif, p, codecs::TiffRgb8Planes(p), blocks)
                       ? 24
                       : 0;
        }
        case codecs::TiffReader::Rgba:
            return CxImage::FitsCeiling(p.width, p.height, 24) && rgbaReadable(tif) ? 24 : 0;
    }
    return 0;
}

}  // namespace

bool ReadTiffHeaderSize(HeaderSource& source, int& width, int& height) {
    Stream stream{&source, 0};
    TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
    if (!options) return false;
    TIFFOpenOptionsSetMaxSingleMemAlloc(options, codecs::kTiffMaxBlockBytes);
    TIFFOpenOptionsSetErrorHandlerExtR(options, onMessage, nullptr);
    TIFFOpenOptionsSetWarningHandlerExtR(options, onMessage, nullptr);
    TIFF* tif = TIFFClientOpenExt("header", "rm", &stream, streamRead, streamWrite, streamSeek, streamClose,
                                  streamSize, streamMap, streamUnmap, options);
    TIFFOpenOptionsFree(options);
    if (!tif) return false;
    bool ok = false;
    std::uint32_t w = 0, h = 0;
    if (TIFFSetDirectory(tif, 0)) {
        const codecs::TiffLayout layout = codecs::ReadTiffLayout(tif);
        w = layout.width;
        h = layout.height;
        const std::uint16_t orientation = layout.orientation;
        if (w != 0 && h != 0 && std::uint64_t(w) * h <= CxImage::kMaxPixels) {
            const int bits = rasterBits(tif, layout);
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
