// The EXIF parser on arbitrary blocks, and the JPEG section scan that finds them.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "image/codecs/Codecs.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ExifInfo info;
    const char* error = nullptr;
    ParseExif(data, size, info, &error);
    // The same bytes behind a valid EXIF identifier, in a copy of exactly their size.
    std::vector<std::uint8_t> block(6 + size);
    std::memcpy(block.data(), "Exif\0\0", 6);
    if (size) std::memcpy(block.data() + 6, data, size);
    ExifInfo inner;
    ParseExif(block.data(), block.size(), inner, &error);
    ExifInfo scanned;
    ReadJpegExif(data, size, scanned, &error);
    return 0;
}
