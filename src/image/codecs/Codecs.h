#pragma once
// One decoder per format. Each reads the whole file from memory, creates the raster
// through CxImage::CreateRaster, fills it bottom-up, and on failure leaves its text
// as the image's last error and returns false. A decoder that sees the escape flag
// stops with "Cancelled".

#include <cstddef>
#include <cstdint>

class CxImage;

struct DecodeOptions {
    // JPEG only: decode at libjpeg's DCT scale 1/denominator (1, 2, 4 or 8) for drawing small.
    int jpegScaleDenominator = 1;
    // JPEG only: turn the pixels as the EXIF orientation says.
    bool applyExifOrientation = false;
};

bool DecodeBmp(const std::uint8_t* data, std::size_t size, CxImage& image);
bool DecodeGif(const std::uint8_t* data, std::size_t size, CxImage& image);
bool DecodeTga(const std::uint8_t* data, std::size_t size, CxImage& image);
bool DecodePcx(const std::uint8_t* data, std::size_t size, CxImage& image);
bool DecodeJpeg(const std::uint8_t* data, std::size_t size, CxImage& image, const DecodeOptions& options = {});
bool DecodePng(const std::uint8_t* data, std::size_t size, CxImage& image);
bool DecodeTiff(const std::uint8_t* data, std::size_t size, CxImage& image);

// The camera information of a JPEG's EXIF block (APP1). Returns false with one of the
// decoder's EXIF texts in error when the block is malformed.
struct ExifInfo {
    int orientation = 0;  // 0 when absent
    char cameraMake[40] = {};
    char cameraModel[40] = {};
    char dateTime[20] = {};
    int width = 0;
    int height = 0;
};
bool ParseExif(const std::uint8_t* data, std::size_t size, ExifInfo& info, const char** error);
