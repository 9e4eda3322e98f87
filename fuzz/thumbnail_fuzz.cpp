// The thumbnail decoder reads the hexadecimal lines of album files and working files.
#include <QByteArray>
#include <cstddef>
#include <cstdint>

#include "album/AlbumFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QByteArray decoded = DecodeThumbnailData(bytes);
    // Every byte out takes two characters in.
    if (decoded.size() > bytes.size() / 2) __builtin_trap();
    // Coding any bytes and decoding them again gives them back.
    if (DecodeThumbnailData(EncodeThumbnailData(bytes)) != bytes) __builtin_trap();
    return 0;
}
