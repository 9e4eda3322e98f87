// The GIF header reader against the GIF decoder on arbitrary bytes.
#include "HeaderSizeCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    checkHeaderAgainstDecoder(data, size, ReadGifHeaderSize, DecodeGif);
    return 0;
}
