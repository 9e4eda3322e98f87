#pragma once
// Photos in their true colours: a picture that carries a colour profile (an ICC
// profile, or a HEIF colour description) is converted to sRGB on load with Little CMS
// 2, relative colorimetric with black point compensation. Pictures without a profile,
// with an sRGB one, or with one we cannot use stay byte for byte as decoded.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

class CxImage;

namespace codecs {

// Which decoded pixels a prepared conversion applies to.
enum class ProfileSpace {
    None,  // nothing to do
    Rgb,   // colour pictures
    Grey,  // grey pictures
};

class SrgbConverter {
public:
    SrgbConverter();
    ~SrgbConverter();
    SrgbConverter(const SrgbConverter&) = delete;
    SrgbConverter& operator=(const SrgbConverter&) = delete;

    // Prepares the conversion from an embedded ICC profile. space() is None afterwards
    // when the profile is missing, unreadable, of a colour space other than RGB or
    // grey, or describes sRGB already.
    void setIccProfile(const std::uint8_t* icc, std::size_t size);
    // The same from the colour primaries and transfer characteristics of a HEIF or
    // AVIF colour description (ITU-T H.273 code points). Codes we have no model for
    // (HDR transfers among them) leave the pixels alone.
    void setColourDescription(int primaries, int transfer);

    ProfileSpace space() const { return space_; }
    // Whether the conversion applies to a picture decoded from colour (or grey) data.
    bool appliesTo(bool colourPicture) const {
        return space_ == (colourPicture ? ProfileSpace::Rgb : ProfileSpace::Grey);
    }

    // Converts `count` pixels stored blue, green, red, in place. Allocates nothing and
    // may be called from a decoder's error frame.
    void convertBgr(std::uint8_t* pixels, std::size_t count) const noexcept;
    // Converts a whole picture: every row of a 24-bit one, the palette of the others.
    // The alpha plane is left as it is.
    void convertImage(CxImage& image) const noexcept;

private:
    void reset();
    void prepare(void* profile);  // a cmsHPROFILE, closed by the caller

    ProfileSpace space_ = ProfileSpace::None;
    // Matrix-and-curves profiles (nearly every camera and phone profile) are converted
    // by tables built from the profile, without Little CMS's per-pixel overhead: for
    // each input channel and level, what it adds to linear sRGB blue, green and red
    // (the profile's curve times a column of the matrix to sRGB, in 1.14 fixed point);
    // the three sums then go through sRGB's curve.
    bool tables_ = false;
    alignas(16) std::int32_t
        contribution_[3][256][4] = {};  // [red, green, blue in][level][blue, green, red out]
    std::uint8_t grey_[256] = {};       // grey profiles: sRGB level of each grey level
    // Every other profile goes through a Little CMS transform (a cmsHTRANSFORM).
    void* transform_ = nullptr;
};

// The ICC profile a JPEG file carries in its APP2 "ICC_PROFILE" sections, put back
// together in sequence order. False when there is none, or when its pieces are
// missing, doubled or disagree about their count.
bool ReadJpegIccProfile(const std::uint8_t* data, std::size_t size, std::vector<std::uint8_t>& profile);

}  // namespace codecs
