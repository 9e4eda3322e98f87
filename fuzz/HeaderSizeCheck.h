#pragma once
// A header reader against its decoder, for the *_header fuzz targets: whatever the
// decoder decodes, the header reader must have sized alike. (A file the decoder
// refuses may still pass its headers: damaged pixel data only decoding finds.)
#include <cstdint>
#include <cstdlib>

#include "image/CxImage.h"
#include "image/codecs/Codecs.h"
#include "image/codecs/HeaderSize.h"

// Larger pictures are sized but not decoded, which keeps each run short.
constexpr std::uint64_t kFuzzDecodePixels = 4u << 20;

template <class ReadHeader, class Decode>
void checkHeaderAgainstDecoder(const std::uint8_t* data, std::size_t size, ReadHeader readHeader,
                               Decode decode) {
    MemoryHeaderSource source(data, size);
    int width = 0, height = 0;
    const bool sized = readHeader(source, width, height);
    if (sized && std::uint64_t(width) * std::uint64_t(height) > kFuzzDecodePixels) return;
    CxImage image;
    if (decode(data, size, image) && (!sized || image.GetWidth() != width || image.GetHeight() != height))
        std::abort();
}
