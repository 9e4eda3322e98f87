// HEIC/HEIF and AVIF decoding of arbitrary bytes, with the colour description, turned
// and mirrored on every other input.
#include <cstddef>
#include <cstdint>

#include "image/CxImage.h"
#include "image/codecs/Codecs.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    DecodeOptions options;
    options.maxPixels = 4u * 1024 * 1024;  // keeps each run short; the limit itself is tested elsewhere
    options.applyExifOrientation = size % 2 == 0;
    options.colorManage = true;
    CxImage image;
    DecodeHeif(data, size, image, options);
    return 0;
}
