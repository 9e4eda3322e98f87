#include "image/codecs/TiffLayout.h"

#include <algorithm>

namespace codecs {

TiffLayout ReadTiffLayout(TIFF* tif) {
    TiffLayout p;
    TIFFGetField(tif, TIFFTAG_IMAGEWIDTH, &p.width);
    TIFFGetField(tif, TIFFTAG_IMAGELENGTH, &p.height);
    TIFFGetFieldDefaulted(tif, TIFFTAG_BITSPERSAMPLE, &p.bitsPerSample);
    TIFFGetFieldDefaulted(tif, TIFFTAG_SAMPLESPERPIXEL, &p.samples);
    TIFFGetFieldDefaulted(tif, TIFFTAG_PLANARCONFIG, &p.planar);
    TIFFGetFieldDefaulted(tif, TIFFTAG_ORIENTATION, &p.orientation);
    TIFFGetFieldDefaulted(tif, TIFFTAG_COMPRESSION, &p.compression);
    if (!TIFFGetField(tif, TIFFTAG_PHOTOMETRIC, &p.photometric))
        p.photometric = p.samples >= 3 ? PHOTOMETRIC_RGB : PHOTOMETRIC_MINISBLACK;
    std::uint16_t* extraKinds = nullptr;
    if (TIFFGetField(tif, TIFFTAG_EXTRASAMPLES, &p.extraSamples, &extraKinds) && p.extraSamples > 0 &&
        extraKinds) {
        p.alphaAssociated = extraKinds[0] == EXTRASAMPLE_ASSOCALPHA;
        p.alphaUnassociated = extraKinds[0] == EXTRASAMPLE_UNASSALPHA;
    }
    return p;
}

TiffReader ChooseTiffReader(const TiffLayout& p) {
    // Old-style JPEG needs libtiff's own colour handling.
    if (p.compression == COMPRESSION_OJPEG) return TiffReader::Rgba;
    const bool indexed =
        p.samples == 1 &&
        (p.bitsPerSample == 1 || p.bitsPerSample == 2 || p.bitsPerSample == 4 || p.bitsPerSample == 8) &&
        (p.photometric == PHOTOMETRIC_PALETTE || p.photometric == PHOTOMETRIC_MINISBLACK ||
         p.photometric == PHOTOMETRIC_MINISWHITE);
    if (indexed) return TiffReader::Indexed;
    // Three samples are RGB whatever ExtraSamples claims: there is no fourth to be alpha.
    if (p.photometric == PHOTOMETRIC_RGB && p.bitsPerSample == 8 &&
        (p.samples == 3 || (p.samples >= 4 && p.extraSamples > 0)))
        return TiffReader::Rgb8;
    return TiffReader::Rgba;
}

int TiffRgb8Planes(const TiffLayout& p) {
    return p.separate() ? (p.hasAlpha() ? 4 : 3) : 1;
}

bool TiffBlockLayout(TIFF* tif, const TiffLayout& p, int planes, TiffBlocks& b) {
    b = {};
    b.width = p.width;
    if (TIFFIsTiled(tif)) {
        if (!TIFFGetField(tif, TIFFTAG_TILEWIDTH, &b.width) ||
            !TIFFGetField(tif, TIFFTAG_TILELENGTH, &b.height))
            return false;
        b.bytes = TIFFTileSize(tif);
        b.rowBytes = TIFFTileRowSize(tif);
    } else {
        TIFFGetFieldDefaulted(tif, TIFFTAG_ROWSPERSTRIP, &b.height);
        b.height = std::min(b.height, p.height);
        b.bytes = TIFFStripSize(tif);
        b.rowBytes = TIFFScanlineSize(tif);
    }
    // libtiff's sizes are overflow-checked (0 on overflow); ours must agree with them
    // before a single byte is copied. With separate planes they are a plane's.
    const bool separate = p.separate() && p.samples > 1;
    const std::uint64_t samplesPerRow = std::uint64_t(b.width) * (separate ? 1 : p.samples);
    return b.width != 0 && b.height != 0 && b.bytes > 0 && b.rowBytes > 0 && b.bytes <= kTiffMaxBlockBytes &&
           (samplesPerRow * p.bitsPerSample + 7) / 8 <= std::uint64_t(b.rowBytes) &&
           std::uint64_t(b.rowBytes) * b.height <= std::uint64_t(b.bytes) && planes >= 1 && planes <= 4 &&
           planes <= p.samples && (planes == 1 || separate);
}

}  // namespace codecs
