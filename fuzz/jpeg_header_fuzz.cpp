// The JPEG header reader against the JPEG decoder on arbitrary bytes, with the EXIF
// turn on some inputs.
#include "HeaderSizeCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    DecodeOptions options;
    options.maxPixels = kFuzzDecodePixels;
    options.applyExifOrientation = size % 2 == 1;
    checkHeaderAgainstDecoder(
        data, size,
        [&](HeaderSource& s, int& w, int& h) {
            return ReadJpegHeaderSize(s, options.applyExifOrientation, w, h);
        },
        [&](const std::uint8_t* d, std::size_t n, CxImage& image) {
            return DecodeJpeg(d, n, image, options);
        });
    // The density reader of the system path takes the same bytes.
    MemoryHeaderSource source(data, size);
    JpegFrameInfo info;
    ReadJpegFrameInfo(source, info);
    return 0;
}
