// The BMP header reader against the BMP decoder on arbitrary bytes.
#include "HeaderSizeCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    checkHeaderAgainstDecoder(data, size, ReadBmpHeaderSize, DecodeBmp);
    return 0;
}
