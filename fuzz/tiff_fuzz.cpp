// TIFF decoding of arbitrary bytes, with the colour profile.
#include <cstddef>
#include <cstdint>

#include "image/CxImage.h"
#include "image/codecs/Codecs.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    DecodeOptions options;
    options.maxPixels = 4u * 1024 * 1024;
    options.colorManage = true;
    CxImage image;
    DecodeTiff(data, size, image, options);
    return 0;
}
