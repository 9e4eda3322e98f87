// The HEIF header reader against the HEIF decoder on arbitrary bytes: the size read
// is the size decoded (turned, as photos are shown), or the decoder refuses.
#include "HeaderSizeCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    checkHeaderAgainstDecoder(data, size, ReadHeifHeaderSize,
                              [](const std::uint8_t* bytes, std::size_t n, CxImage& image) {
                                  DecodeOptions options;
                                  options.applyExifOrientation = true;
                                  options.maxPixels = kFuzzDecodePixels;
                                  return DecodeHeif(bytes, n, image, options);
                              });
    return 0;
}
