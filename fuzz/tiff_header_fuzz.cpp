// The TIFF header reader against the TIFF decoder on arbitrary bytes.
#include "HeaderSizeCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    DecodeOptions options;
    options.maxPixels = kFuzzDecodePixels;
    checkHeaderAgainstDecoder(data, size, ReadTiffHeaderSize,
                              [&](const std::uint8_t* d, std::size_t n, CxImage& image) {
                                  return DecodeTiff(d, n, image, options);
                              });
    return 0;
}
