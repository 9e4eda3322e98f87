#pragma once
// The sections of a JPEG file before its image data, walked with every length checked
// against the bytes at hand. The EXIF and the ICC profile readers share this walk.

#include <cstddef>
#include <cstdint>

#include "image/codecs/ByteReader.h"

namespace codecs {

enum class JpegWalk { Done, NotJpeg, TooManySections, PrematureEnd, InvalidMarker };

// Calls fn(marker, payload, length) for every section that has a length, up to the
// first scan or the end of the image; fn returns false to end the walk there (Done).
// Stand-alone markers count towards maxSections but are not handed over.
template <class Fn>
JpegWalk walkJpegSections(const std::uint8_t* data, std::size_t size, int maxSections, Fn fn) {
    ByteReader in(data, size);
    if (in.u8() != 0xFF || in.u8() != 0xD8) return JpegWalk::NotJpeg;
    for (int sections = 0;; ++sections) {
        if (sections >= maxSections) return JpegWalk::TooManySections;
        // A marker is 0xFF followed by its code; writers may pad with more 0xFF bytes.
        if (in.atEnd()) return JpegWalk::PrematureEnd;
        if (in.u8() != 0xFF) return JpegWalk::InvalidMarker;
        std::uint8_t marker = in.u8();
        for (int pad = 0; marker == 0xFF && pad < 16 && !in.atEnd(); ++pad) marker = in.u8();
        if (in.overrun()) return JpegWalk::PrematureEnd;
        if (marker == 0xFF || marker == 0x00) return JpegWalk::InvalidMarker;
        // Image data or the end: no section of interest comes after this.
        if (marker == 0xDA || marker == 0xD9) return JpegWalk::Done;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) continue;  // stand-alone markers
        const std::uint16_t length = in.u16be();
        if (in.overrun() || length < 2 || length - 2u > in.remaining()) return JpegWalk::PrematureEnd;
        const std::uint8_t* payload = in.peek(length - 2u);
        if (!fn(marker, payload, std::size_t(length - 2u))) return JpegWalk::Done;
        in.skip(length - 2u);
    }
}

}  // namespace codecs
