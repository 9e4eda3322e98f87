// JPEG decoding of arbitrary bytes, with the EXIF turn, the colour profile and a reduced
// scale on some inputs.
#include <cstddef>
#include <cstdint>

#include "image/CxImage.h"
#include "image/codecs/Codecs.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    DecodeOptions options;
    options.maxPixels = 4u * 1024 * 1024;  // keeps each run short; the limit itself is tested elsewhere
    options.colorManage = true;
    options.applyExifOrientation = true;
    options.jpegScaleDenominator = 1 << (size % 4);
    CxImage image;
    DecodeJpeg(data, size, image, options);
    return 0;
}
