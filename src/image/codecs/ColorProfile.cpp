// Converting pictures with an embedded colour profile to sRGB with Little CMS 2.
#include "image/codecs/ColorProfile.h"

#include <lcms2.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "image/CxImage.h"
#include "image/codecs/JpegSections.h"

namespace codecs {

namespace {

constexpr int kOne = 1 << 14;  // 1.0 in the tables' 1.14 fixed point
// A photo's profile is a few kilobytes, a printer's a few megabytes; anything larger
// is not a profile worth reading.
constexpr std::size_t kMaxProfileBytes = 16u * 1024 * 1024;
// Matrices whose rows weigh more than this are left to Little CMS, so the fixed-point
// sums cannot overflow.
constexpr double kMaxRowWeight = 4.0;
// A profile whose matrix to sRGB is this close to the identity, and whose curves give
// back every level through sRGB's curve, is sRGB: its pixels are left untouched.
constexpr int kIdentitySlack = kOne / 512;

constexpr cmsUInt32Number kIntent = INTENT_RELATIVE_COLORIMETRIC;
constexpr cmsUInt32Number kFlags = cmsFLAGS_BLACKPOINTCOMPENSATION;

struct ProfileCloser {
    void operator()(void* profile) const {
        if (profile) cmsCloseProfile(profile);
    }
};
using ProfileHandle = std::unique_ptr<void, ProfileCloser>;

// Linear RGB to connection-space XYZ (D50), from the profile's colorant tags.
bool colorantMatrix(cmsHPROFILE profile, double m[3][3]) {
    const cmsTagSignature tags[3] = {cmsSigRedColorantTag, cmsSigGreenColorantTag, cmsSigBlueColorantTag};
    for (int c = 0; c < 3; ++c) {
        const auto* xyz = static_cast<const cmsCIEXYZ*>(cmsReadTag(profile, tags[c]));
        if (!xyz) return false;
        m[0][c] = xyz->X;
        m[1][c] = xyz->Y;
        m[2][c] = xyz->Z;
    }
    return true;
}

bool invert(const double m[3][3], double out[3][3]) {
    const double det = m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) -
                       m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
                       m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
    if (!std::isfinite(det) || std::fabs(det) < 1e-9) return false;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            // The cofactor of (j, i), divided by the determinant.
            const int r0 = (j + 1) % 3, r1 = (j + 2) % 3, c0 = (i + 1) % 3, c1 = (i + 2) % 3;
            out[i][j] = (m[r0][c0] * m[r1][c1] - m[r0][c1] * m[r1][c0]) / det;
        }
    return true;
}

// The target, built once: XYZ to linear sRGB as Little CMS's own sRGB profile has it,
// and sRGB's curve (IEC 61966-2-1, the parametric curve of that profile) at every
// 1.14 level of linear light.
struct SrgbTarget {
    double fromXyz[3][3] = {};
    std::uint8_t encode[kOne + 1] = {};
    bool valid = false;

    SrgbTarget() {
        const ProfileHandle srgb(cmsCreate_sRGBProfile());
        double toXyz[3][3];
        if (!srgb || !colorantMatrix(srgb.get(), toXyz) || !invert(toXyz, fromXyz)) return;
        for (int i = 0; i <= kOne; ++i) {
            const double linear = double(i) / kOne;
            const double v =
                linear <= 0.04045 / 12.92 ? linear * 12.92 : 1.055 * std::pow(linear, 1 / 2.4) - 0.055;
            encode[i] = std::uint8_t(std::clamp(std::lround(v * 255.0), 0L, 255L));
        }
        valid = true;
    }
};

const SrgbTarget& srgbTarget() {
    static const SrgbTarget target;
    return target;
}

// The chromaticities of the H.273 colour primaries we can model (white last).
struct Primaries {
    int code;
    double rx, ry, gx, gy, bx, by, wx, wy;
};
constexpr double kD65x = 0.3127, kD65y = 0.3290;
constexpr Primaries kPrimaries[] = {
    {1, 0.640, 0.330, 0.300, 0.600, 0.150, 0.060, kD65x, kD65y},   // BT.709, sRGB
    {4, 0.670, 0.330, 0.210, 0.710, 0.140, 0.080, 0.310, 0.316},   // BT.470 M
    {5, 0.640, 0.330, 0.290, 0.600, 0.150, 0.060, kD65x, kD65y},   // BT.601 625 lines
    {6, 0.630, 0.340, 0.310, 0.595, 0.155, 0.070, kD65x, kD65y},   // BT.601 525 lines
    {7, 0.630, 0.340, 0.310, 0.595, 0.155, 0.070, kD65x, kD65y},   // SMPTE 240M
    {9, 0.708, 0.292, 0.170, 0.797, 0.131, 0.046, kD65x, kD65y},   // BT.2020
    {11, 0.680, 0.320, 0.265, 0.690, 0.150, 0.060, 0.314, 0.351},  // DCI-P3
    {12, 0.680, 0.320, 0.265, 0.690, 0.150, 0.060, kD65x, kD65y},  // Display P3
    {22, 0.630, 0.340, 0.295, 0.605, 0.155, 0.077, kD65x, kD65y},  // EBU 3213
};

}  // namespace

SrgbConverter::SrgbConverter() = default;

SrgbConverter::~SrgbConverter() {
    reset();
}

void SrgbConverter::reset() {
    if (transform_) cmsDeleteTransform(transform_);
    transform_ = nullptr;
    tables_ = false;
    space_ = ProfileSpace::None;
}

void SrgbConverter::setIccProfile(const std::uint8_t* icc, std::size_t size) {
    reset();
    if (!icc || size < 132 || size > kMaxProfileBytes) return;  // 128-byte header and a tag count
    const ProfileHandle profile(cmsOpenProfileFromMem(icc, cmsUInt32Number(size)));
    if (profile) prepare(profile.get());
}

void SrgbConverter::setColourDescription(int primaries, int transfer) {
    reset();
    if (primaries == 2) primaries = 1;  // unspecified: the common case
    const Primaries* p = nullptr;
    for (const Primaries& candidate : kPrimaries)
        if (candidate.code == primaries) p = &candidate;
    if (!p) return;
    // The video transfers (BT.709 and its relatives) are taken as sRGB's curve: still
    // pictures tagged with them hold sRGB-like data, and so such a picture in sRGB's
    // primaries stays exactly as decoded.
    double params[5] = {1.0, 0, 0, 0, 0};
    int type = 1;
    switch (transfer) {
        case 1:
        case 2:
        case 6:
        case 13:
        case 14:
        case 15:
            type = 4;
            params[0] = 2.4;
            params[1] = 1.0 / 1.055;
            params[2] = 0.055 / 1.055;
            params[3] = 1.0 / 12.92;
            params[4] = 0.04045;
            break;
        case 4:
            params[0] = 2.2;
            break;
        case 5:
            params[0] = 2.8;
            break;
        case 8:
            params[0] = 1.0;
            break;
        default:
            return;  // PQ, HLG and the rest: no faithful sRGB picture without tone mapping
    }
    cmsToneCurve* curve = cmsBuildParametricToneCurve(nullptr, type, params);
    if (!curve) return;
    cmsToneCurve* curves[3] = {curve, curve, curve};
    const cmsCIExyY white{p->wx, p->wy, 1.0};
    const cmsCIExyYTRIPLE chroma{{p->rx, p->ry, 1.0}, {p->gx, p->gy, 1.0}, {p->bx, p->by, 1.0}};
    const ProfileHandle profile(cmsCreateRGBProfile(&white, &chroma, curves));
    cmsFreeToneCurve(curve);
    if (profile) prepare(profile.get());
}

void SrgbConverter::prepare(void* handle) {
    cmsHPROFILE profile = handle;
    const SrgbTarget& target = srgbTarget();
    if (!target.valid) return;
    // Signatures come from the file: kept as plain numbers, since a value outside the
    // enumeration must not be held in an enumeration type.
    const std::uint32_t space = std::uint32_t(cmsGetColorSpace(profile));

    if (space == cmsSigGrayData) {
        // Grey to sRGB is grey again: one table of 256 levels says it all.
        const ProfileHandle srgb(cmsCreate_sRGBProfile());
        cmsHTRANSFORM t =
            srgb ? cmsCreateTransform(profile, TYPE_GRAY_8, srgb.get(), TYPE_RGB_8, kIntent, kFlags)
                 : nullptr;
        if (!t) return;
        std::uint8_t levels[256], rgb[256 * 3];
        for (int i = 0; i < 256; ++i) levels[i] = std::uint8_t(i);
        cmsDoTransform(t, levels, rgb, 256);
        cmsDeleteTransform(t);
        bool same = true;
        for (int i = 0; i < 256; ++i) {
            grey_[i] = rgb[3 * i + 1];
            same = same && grey_[i] == i;
        }
        if (!same) space_ = ProfileSpace::Grey;
        return;
    }
    if (space != cmsSigRgbData) return;

    // Matrix and curves without lookup tables for this intent, and curves that start at
    // black (so black point compensation has nothing to move): the tables reproduce
    // Little CMS's result.
    double toXyz[3][3];
    const cmsToneCurve* curves[3] = {static_cast<const cmsToneCurve*>(cmsReadTag(profile, cmsSigRedTRCTag)),
                                     static_cast<const cmsToneCurve*>(cmsReadTag(profile, cmsSigGreenTRCTag)),
                                     static_cast<const cmsToneCurve*>(cmsReadTag(profile, cmsSigBlueTRCTag))};
    bool simple = cmsIsMatrixShaper(profile) && !cmsIsCLUT(profile, kIntent, LCMS_USED_AS_INPUT) &&
                  std::uint32_t(cmsGetPCS(profile)) == cmsSigXYZData && curves[0] && curves[1] && curves[2] &&
                  colorantMatrix(profile, toXyz);
    for (int c = 0; simple && c < 3; ++c) simple = cmsEvalToneCurveFloat(curves[c], 0.0f) * kOne < 0.5f;
    if (simple) {
        double matrix[3][3];  // linear profile RGB to linear sRGB
        bool identity = true;
        for (int i = 0; i < 3 && simple; ++i) {
            double weight = 0;
            for (int j = 0; j < 3; ++j) {
                double v = 0;
                for (int k = 0; k < 3; ++k) v += target.fromXyz[i][k] * toXyz[k][j];
                matrix[i][j] = v;
                weight += std::fabs(v);
                identity = identity && std::fabs(v - (i == j ? 1.0 : 0.0)) <= double(kIdentitySlack) / kOne;
            }
            if (!std::isfinite(weight) || weight > kMaxRowWeight) simple = false;
        }
        for (int c = 0; c < 3 && simple; ++c)
            for (int v = 0; v < 256; ++v) {
                const double linear = cmsEvalToneCurveFloat(curves[c], float(v) / 255.0f);
                if (!std::isfinite(linear) || std::fabs(linear) > 2.0) simple = false;
                if (!simple) break;
                // Output lanes in memory order: blue, green, red.
                for (int out = 0; out < 3; ++out)
                    contribution_[c][v][out] = std::int32_t(std::lround(matrix[2 - out][c] * linear * kOne));
                const long level = std::clamp(std::lround(linear * kOne), 0L, long(kOne));
                identity = identity && target.encode[level] == v;
            }
        if (simple) {
            tables_ = true;
            if (!identity) space_ = ProfileSpace::Rgb;
            return;
        }
    }

    const ProfileHandle srgb(cmsCreate_sRGBProfile());
    if (srgb) transform_ = cmsCreateTransform(profile, TYPE_BGR_8, srgb.get(), TYPE_BGR_8, kIntent, kFlags);
    if (transform_) space_ = ProfileSpace::Rgb;
}

void SrgbConverter::convertBgr(std::uint8_t* pixels, std::size_t count) const noexcept {
    if (!pixels) return;
    if (space_ == ProfileSpace::Grey) {
        for (std::size_t i = 0; i < count * 3; ++i) pixels[i] = grey_[pixels[i]];
    } else if (space_ == ProfileSpace::Rgb && tables_) {
        const std::uint8_t* encode = srgbTarget().encode;
        const auto* fromRed = contribution_[0];
        const auto* fromGreen = contribution_[1];
        const auto* fromBlue = contribution_[2];
#if defined(__SSE2__)
        // Two pixels a step: three table rows added for each, both saturated to 16 bits
        // at once, clamped to [0, 1] and looked up in sRGB's curve.
        const __m128i zero = _mm_setzero_si128(), one = _mm_set1_epi16(kOne);
        auto sum = [&](const std::uint8_t* p) {
            return _mm_add_epi32(
                _mm_add_epi32(_mm_load_si128(reinterpret_cast<const __m128i*>(fromRed[p[2]])),
                              _mm_load_si128(reinterpret_cast<const __m128i*>(fromGreen[p[1]]))),
                _mm_load_si128(reinterpret_cast<const __m128i*>(fromBlue[p[0]])));
        };
        std::uint8_t* p = pixels;
        for (std::size_t n = count / 2; n > 0; --n, p += 6) {
            const __m128i level =
                _mm_min_epi16(_mm_max_epi16(_mm_packs_epi32(sum(p), sum(p + 3)), zero), one);
            p[0] = encode[_mm_extract_epi16(level, 0)];
            p[1] = encode[_mm_extract_epi16(level, 1)];
            p[2] = encode[_mm_extract_epi16(level, 2)];
            p[3] = encode[_mm_extract_epi16(level, 4)];
            p[4] = encode[_mm_extract_epi16(level, 5)];
            p[5] = encode[_mm_extract_epi16(level, 6)];
        }
        if (count % 2) {
            const __m128i s = sum(p);
            const __m128i level = _mm_min_epi16(_mm_max_epi16(_mm_packs_epi32(s, s), zero), one);
            p[0] = encode[_mm_extract_epi16(level, 0)];
            p[1] = encode[_mm_extract_epi16(level, 1)];
            p[2] = encode[_mm_extract_epi16(level, 2)];
        }
#else
        for (std::uint8_t *p = pixels, *end = pixels + count * 3; p != end; p += 3) {
            const std::int32_t *r = fromRed[p[2]], *g = fromGreen[p[1]], *b = fromBlue[p[0]];
            for (int out = 0; out < 3; ++out) p[out] = encode[std::clamp(r[out] + g[out] + b[out], 0, kOne)];
        }
#endif
    } else if (space_ == ProfileSpace::Rgb && transform_) {
        constexpr std::size_t kStep = std::size_t(1) << 30;
        for (std::size_t done = 0; done < count; done += kStep) {
            const std::size_t n = std::min(kStep, count - done);
            cmsDoTransform(transform_, pixels + 3 * done, pixels + 3 * done, cmsUInt32Number(n));
        }
    }
}

void SrgbConverter::convertImage(CxImage& image) const noexcept {
    if (space_ == ProfileSpace::None || !image.IsValid()) return;
    if (image.GetBpp() == 24) {
        for (int y = 0; y < image.GetHeight(); ++y)
            convertBgr(image.GetBits(y), std::size_t(image.GetWidth()));
        return;
    }
    const int colours = std::min(image.GetNumColors(), 256);
    std::uint8_t bgr[256 * 3];
    for (int i = 0; i < colours; ++i) {
        const RGBQuad c = image.GetPaletteColor(i);
        bgr[3 * i] = c.blue;
        bgr[3 * i + 1] = c.green;
        bgr[3 * i + 2] = c.red;
    }
    convertBgr(bgr, std::size_t(colours));
    for (int i = 0; i < colours; ++i) {
        RGBQuad c = image.GetPaletteColor(i);
        c.blue = bgr[3 * i];
        c.green = bgr[3 * i + 1];
        c.red = bgr[3 * i + 2];
        image.SetPaletteColor(i, c);
    }
}

bool ReadJpegIccProfile(const std::uint8_t* data, std::size_t size, std::vector<std::uint8_t>& profile) {
    profile.clear();
    static const std::uint8_t kId[12] = {'I', 'C', 'C', '_', 'P', 'R', 'O', 'F', 'I', 'L', 'E', 0};
    struct Piece {
        const std::uint8_t* bytes = nullptr;
        std::size_t size = 0;
    };
    Piece pieces[256];
    int count = 0;
    bool sound = true;
    // The sections of a long profile may be many; this only bounds the walk.
    constexpr int kMaxSections = 1024;
    walkJpegSections(data, size, kMaxSections,
                     [&](std::uint8_t marker, const std::uint8_t* payload, std::size_t length) {
                         if (marker != 0xE2 || length < 14 || std::memcmp(payload, kId, 12) != 0) return true;
                         const int sequence = payload[12], total = payload[13];
                         if (total == 0 || sequence == 0 || sequence > total || (count && total != count) ||
                             pieces[sequence].bytes) {
                             sound = false;
                             return false;
                         }
                         count = total;
                         pieces[sequence] = Piece{payload + 14, length - 14};
                         return true;
                     });
    if (!sound || count == 0) return false;
    std::size_t total = 0;
    for (int i = 1; i <= count; ++i) {
        if (!pieces[i].bytes) return false;
        total += pieces[i].size;
    }
    if (total == 0 || total > kMaxProfileBytes) return false;
    try {
        profile.reserve(total);
        for (int i = 1; i <= count; ++i)
            profile.insert(profile.end(), pieces[i].bytes, pieces[i].bytes + pieces[i].size);
    } catch (...) {
        profile.clear();
        return false;
    }
    return true;
}

}  // namespace codecs
