// EXIF camera information: the TIFF-structured block a camera writes into a JPEG's
// APP1 section. Every offset in it comes from the file, so every one is checked
// against the block before it is followed.
#include <algorithm>
#include <cstring>

#include "image/codecs/ByteReader.h"
#include "image/codecs/Codecs.h"
#include "image/codecs/JpegSections.h"

namespace {

constexpr const char* kBadHeader = "Incorrect Exif header";
constexpr const char* kBadFormat = "Illegal format code in EXIF dir";
constexpr const char* kBadRotation = "Undefined rotation value";
constexpr const char* kTooManySections = "Too many sections in jpg file";
constexpr const char* kPrematureEnd = "Premature end of file?";
constexpr const char* kInvalidMarker = "invalid marker";

// Sections a JPEG may carry before its image data; more than this is taken as junk.
constexpr int kMaxSections = 64;

enum : std::uint16_t {
    kTagMake = 0x010F,
    kTagModel = 0x0110,
    kTagOrientation = 0x0112,
    kTagDateTime = 0x0132,
    kTagExifIfd = 0x8769,
    kTagDateTimeOriginal = 0x9003,
    kTagPixelXDimension = 0xA002,
    kTagPixelYDimension = 0xA003,
};

// Bytes per component of the twelve TIFF field formats (index = format code).
constexpr int kFormatBytes[13] = {0, 1, 1, 2, 4, 8, 1, 1, 2, 4, 8, 4, 8};

class ExifBlock {
public:
    ExifBlock(const std::uint8_t* tiff, std::size_t size, bool motorola)
        : tiff_(tiff), size_(size), motorola_(motorola) {}

    std::size_t size() const { return size_; }
    // Reads at an offset from the start of the TIFF header; 0 outside the block.
    std::uint16_t u16(std::size_t at) const {
        if (at > size_ || size_ - at < 2) return 0;
        const std::uint8_t* p = tiff_ + at;
        return motorola_ ? std::uint16_t((p[0] << 8) | p[1]) : std::uint16_t(p[0] | (p[1] << 8));
    }
    std::uint32_t u32(std::size_t at) const {
        if (at > size_ || size_ - at < 4) return 0;
        const std::uint8_t* p = tiff_ + at;
        return motorola_ ? (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) |
                               (std::uint32_t(p[2]) << 8) | p[3]
                         : (std::uint32_t(p[3]) << 24) | (std::uint32_t(p[2]) << 16) |
                               (std::uint32_t(p[1]) << 8) | p[0];
    }
    const std::uint8_t* at(std::size_t offset, std::size_t length) const {
        if (offset > size_ || size_ - offset < length) return nullptr;
        return tiff_ + offset;
    }

private:
    const std::uint8_t* tiff_;
    std::size_t size_;
    bool motorola_;
};

// One directory entry's value: where it lies and how it is stored.
struct Entry {
    std::uint16_t tag;
    std::uint16_t format;
    std::uint32_t count;
    std::size_t valueOffset;  // within the block
    std::uint64_t byteCount;
};

void copyText(char* out, std::size_t capacity, const ExifBlock& block, const Entry& e) {
    const std::size_t n = std::size_t(std::min<std::uint64_t>(e.byteCount, capacity - 1));
    const std::uint8_t* p = block.at(e.valueOffset, n);
    if (!p) return;
    std::size_t len = 0;
    while (len < n && p[len] != 0) ++len;
    std::memcpy(out, p, len);
    out[len] = 0;
    // Cameras pad with spaces.
    while (len > 0 && out[len - 1] == ' ') out[--len] = 0;
}

// The first value of a numeric entry (BYTE, SHORT, LONG and their signed kinds).
bool numericValue(const ExifBlock& block, const Entry& e, long& value) {
    switch (e.format) {
        case 1:
        case 6: {
            const std::uint8_t* p = block.at(e.valueOffset, 1);
            if (!p) return false;
            value = e.format == 6 ? long(std::int8_t(*p)) : long(*p);
            return true;
        }
        case 3:
        case 8:
            value =
                e.format == 8 ? long(std::int16_t(block.u16(e.valueOffset))) : long(block.u16(e.valueOffset));
            return block.at(e.valueOffset, 2) != nullptr;
        case 4:
        case 9:
            value =
                e.format == 9 ? long(std::int32_t(block.u32(e.valueOffset))) : long(block.u32(e.valueOffset));
            return block.at(e.valueOffset, 4) != nullptr;
        default:
            return false;
    }
}

// Walks one directory. The EXIF sub-directory is followed once, from IFD0 only, so a
// block that points back at itself cannot loop.
bool processDirectory(const ExifBlock& block, std::size_t dirOffset, bool isIfd0, ExifInfo& info,
                      bool& haveOriginalDate, const char** error) {
    if (!block.at(dirOffset, 2)) {
        *error = kBadHeader;
        return false;
    }
    std::size_t entries = block.u16(dirOffset);
    // A directory longer than the block is read as far as it goes.
    entries = std::min(entries, (block.size() - dirOffset - 2) / 12);
    std::size_t subIfd = 0;
    for (std::size_t i = 0; i < entries; ++i) {
        const std::size_t at = dirOffset + 2 + 12 * i;
        Entry e{block.u16(at), block.u16(at + 2), block.u32(at + 4), 0, 0};
        if (e.format < 1 || e.format > 12) {
            *error = kBadFormat;
            return false;
        }
        e.byteCount = std::uint64_t(e.count) * std::uint64_t(kFormatBytes[e.format]);
        e.valueOffset = e.byteCount > 4 ? std::size_t(block.u32(at + 8)) : at + 8;
        // Values that point outside the block are skipped, as a reader of a damaged
        // file would rather keep the rest.
        if (e.byteCount == 0 ||
            !block.at(e.valueOffset, std::size_t(std::min<std::uint64_t>(e.byteCount, 1u << 20))))
            continue;
        long v = 0;
        switch (e.tag) {
            case kTagMake:
                if (e.format == 2) copyText(info.cameraMake, sizeof info.cameraMake, block, e);
                break;
            case kTagModel:
                if (e.format == 2) copyText(info.cameraModel, sizeof info.cameraModel, block, e);
                break;
            case kTagDateTime:
                if (e.format == 2 && !haveOriginalDate)
                    copyText(info.dateTime, sizeof info.dateTime, block, e);
                break;
            case kTagDateTimeOriginal:
                if (e.format == 2) {
                    copyText(info.dateTime, sizeof info.dateTime, block, e);
                    haveOriginalDate = true;
                }
                break;
            case kTagOrientation:
                if (numericValue(block, e, v)) {
                    if (v < 1 || v > 8) {
                        *error = kBadRotation;
                        return false;
                    }
                    info.orientation = int(v);
                }
                break;
            case kTagPixelXDimension:
                if (numericValue(block, e, v) && v > 0) info.width = int(std::min(v, 0x7fffffffL));
                break;
            case kTagPixelYDimension:
                if (numericValue(block, e, v) && v > 0) info.height = int(std::min(v, 0x7fffffffL));
                break;
            case kTagExifIfd:
                if (isIfd0 && numericValue(block, e, v)) subIfd = std::size_t(std::uint32_t(v));
                break;
            default:
                break;
        }
    }
    if (subIfd != 0 && block.at(subIfd, 2))
        return processDirectory(block, subIfd, false, info, haveOriginalDate, error);
    return true;
}

}  // namespace

bool ParseExif(const std::uint8_t* data, std::size_t size, ExifInfo& info, const char** error) {
    const char* ignored = nullptr;
    if (!error) error = &ignored;
    *error = nullptr;
    static const std::uint8_t kExifId[6] = {'E', 'x', 'i', 'f', 0, 0};
    if (!data || size < 6 + 8 || std::memcmp(data, kExifId, 6) != 0) {
        *error = kBadHeader;
        return false;
    }
    const std::uint8_t* tiff = data + 6;
    const std::size_t tiffSize = size - 6;
    bool motorola;
    if (tiff[0] == 'I' && tiff[1] == 'I')
        motorola = false;
    else if (tiff[0] == 'M' && tiff[1] == 'M')
        motorola = true;
    else {
        *error = kBadHeader;
        return false;
    }
    const ExifBlock block(tiff, tiffSize, motorola);
    if (block.u16(2) != 0x2A) {
        *error = kBadHeader;
        return false;
    }
    const std::uint32_t ifd0 = block.u32(4);
    if (ifd0 < 8 || !block.at(ifd0, 2)) {
        *error = kBadHeader;
        return false;
    }
    bool haveOriginalDate = false;
    return processDirectory(block, ifd0, true, info, haveOriginalDate, error);
}

bool ReadJpegExif(const std::uint8_t* data, std::size_t size, ExifInfo& info, const char** error) {
    const char* ignored = nullptr;
    if (!error) error = &ignored;
    *error = nullptr;
    bool found = false, parsed = false;
    const codecs::JpegWalk walk = codecs::walkJpegSections(
        data, size, kMaxSections, [&](std::uint8_t marker, const std::uint8_t* payload, std::size_t length) {
            if (marker != 0xE1 || length < 6 || std::memcmp(payload, "Exif\0\0", 6) != 0) return true;
            found = true;
            parsed = ParseExif(payload, length, info, error);
            return false;
        });
    if (found) return parsed;
    switch (walk) {
        case codecs::JpegWalk::Done:
            return true;
        case codecs::JpegWalk::TooManySections:
            *error = kTooManySections;
            return false;
        case codecs::JpegWalk::PrematureEnd:
            *error = kPrematureEnd;
            return false;
        case codecs::JpegWalk::NotJpeg:
        case codecs::JpegWalk::InvalidMarker:
            break;
    }
    *error = kInvalidMarker;
    return false;
}
