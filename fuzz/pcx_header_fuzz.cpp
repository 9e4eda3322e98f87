// The PCX header reader against the PCX decoder on arbitrary bytes.
#include "HeaderSizeCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    checkHeaderAgainstDecoder(data, size, ReadPcxHeaderSize, DecodePcx);
    return 0;
}
