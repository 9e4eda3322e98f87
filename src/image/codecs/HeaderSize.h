#pragma once
// A picture's pixel size read from its headers, without decoding a pixel: exactly
// the size the format's decoder gives its raster (after any turn the decoder makes),
// or false where that decoder refuses the file before decoding a row. A file whose
// headers are sound but whose pixel data is damaged passes here and fails in the
// decoder: only decoding finds that.

#include <cstdint>

#include "image/codecs/HeaderSource.h"

bool ReadBmpHeaderSize(HeaderSource& source, int& width, int& height);
bool ReadGifHeaderSize(HeaderSource& source, int& width, int& height);
bool ReadTgaHeaderSize(HeaderSource& source, int& width, int& height);
bool ReadPcxHeaderSize(HeaderSource& source, int& width, int& height);
// applyExifOrientation as the decode would be asked: orientations 5 to 8 swap the sides.
bool ReadJpegHeaderSize(HeaderSource& source, bool applyExifOrientation, int& width, int& height);
bool ReadPngHeaderSize(HeaderSource& source, int& width, int& height);
// The first directory; orientations 5 to 8 swap the sides, as the decoder turns them.
bool ReadTiffHeaderSize(HeaderSource& source, int& width, int& height);

// HEIC, HEIF and AVIF: the boxes libheif reads before it decodes, and the size after the
// file's crop and turns. The size as stored is not told: this libheif reports the stored
// size already turned, so a load that leaves the turns alone needs the decoder.
bool ReadHeifHeaderSize(HeaderSource& source, int& width, int& height);

// The decoder that the format code names (CxFormat); false for codes without one.
bool ReadHeaderSize(HeaderSource& source, int format, bool applyExifOrientation, int& width, int& height);

// The frame header and JFIF density as libjpeg reads them, up to the first scan.
struct JpegFrameInfo {
    int width = 0;
    int height = 0;
    int densityUnit = 0;  // 0: none (aspect ratio only), 1: per inch, 2: per centimetre
    int xDensity = 0;
    int yDensity = 0;
};
bool ReadJpegFrameInfo(HeaderSource& source, JpegFrameInfo& info);

// The header chunks as libpng reads them, up to the first image data.
struct PngHeaderInfo {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    // The pHYs chunk in pixels per metre; 0 when absent or in another unit.
    std::uint32_t xPixelsPerMetre = 0;
    std::uint32_t yPixelsPerMetre = 0;
};
bool ReadPngHeaderInfo(HeaderSource& source, PngHeaderInfo& info);
