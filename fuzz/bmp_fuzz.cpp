// Feeds arbitrary bytes to the BMP decoder.
#include <cstddef>
#include <cstdint>

#include "image/CxImage.h"
#include "image/codecs/Codecs.h"

// Keeps the pixel reads from being optimised away.
volatile std::uint32_t fuzzSink;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CxImage image;
    if (DecodeBmp(data, size, image)) {
        // A decoded picture must be whole: every row reachable, pixels readable.
        std::uint32_t sum = 0;
        for (int y = 0; y < image.GetHeight(); y += 7) sum += image.ReadColor(image.GetWidth() - 1, y).red;
        fuzzSink = sum;
    }
    return 0;
}
