// The TGA header reader against the TGA decoder on arbitrary bytes.
#include "HeaderSizeCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    checkHeaderAgainstDecoder(data, size, ReadTgaHeaderSize, DecodeTga);
    return 0;
}
