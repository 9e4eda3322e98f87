// The PNG header reader against the PNG decoder on arbitrary bytes.
#include "HeaderSizeCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    DecodeOptions options;
    options.maxPixels = kFuzzDecodePixels;
    checkHeaderAgainstDecoder(data, size, ReadPngHeaderSize,
                              [&](const std::uint8_t* d, std::size_t n, CxImage& image) {
                                  return DecodePng(d, n, image, options);
                              });
    // The density reader of the system path takes the same bytes.
    MemoryHeaderSource source(data, size);
    PngHeaderInfo info;
    ReadPngHeaderInfo(source, info);
    return 0;
}
