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
    // JPEG: turn the pixels as the EXIF orientation says; HEIF: apply its turns and
    // mirrors (irot, imir) instead of keeping the pixels as stored.
    bool applyExifOrientation = false;
    // JPEG, PNG, TIFF, HEIF: convert a picture with an embedded colour profile to sRGB.
    bool colorManage = false;
    // JPEG, PNG, TIFF, HEIF: refuse pictures of more pixels than this before decoding
    // (0: only the raster's own ceiling). The fuzz targets keep it small.
    std::uint64_t maxPixels = 0;
};

bool DecodeBmp(const std::uint8_t* data, std::size_t size, CxImage& image);
bool DecodeGif(const std::uint8_t* data, std::size_t size, CxImage& image);
bool DecodeTga(const std::uint8_t* data, std::size_t size, CxImage& image);
bool DecodePcx(const std::uint8_t* data, std::size_t size, CxImage& image);
bool DecodeJpeg(const std::uint8_t* data, std::size_t size, CxImage& image,
                const DecodeOptions& options = {});
// The picture's size as the JPEG frame header gives it (before any EXIF turn), read
// without decoding the image data. False when the data holds no readable header.
bool ReadJpegSize(const std::uint8_t* data, std::size_t size, int& width, int& height);
bool DecodePng(const std::uint8_t* data, std::size_t size, CxImage& image, const DecodeOptions& options = {});
bool DecodeTiff(const std::uint8_t* data, std::size_t size, CxImage& image,
                const DecodeOptions& options = {});
// HEIC/HEIF and AVIF through libheif. The file type box decides which it is (the
// image's format code afterwards), whatever the caller's format code was.
bool DecodeHeif(const std::uint8_t* data, std::size_t size, CxImage& image,
                const DecodeOptions& options = {});
// CXIMAGE_FORMAT_HEIF or CXIMAGE_FORMAT_AVIF when the bytes start with a file type box
// of those families, else CXIMAGE_FORMAT_UNKNOWN. Reads only that box.
int SniffHeif(const std::uint8_t* data, std::size_t size);

// The camera information of a JPEG's EXIF block. `data` is the APP1 payload that
// starts with "Exif\0\0". Returns false with one of the decoder's EXIF texts in
// error when the block is malformed; what was read before the fault stays in info.
struct ExifInfo {
    int orientation = 0;  // 0 when absent
    char cameraMake[40] = {};
    char cameraModel[40] = {};
    char dateTime[20] = {};
    int width = 0;
    int height = 0;
};
bool ParseExif(const std::uint8_t* data, std::size_t size, ExifInfo& info, const char** error);

// Finds the EXIF block among a JPEG file's sections (up to the image data) and parses
// it. True when the sections are sound and the block, if any, parsed; info stays at
// its defaults without a block.
bool ReadJpegExif(const std::uint8_t* data, std::size_t size, ExifInfo& info, const char** error);
