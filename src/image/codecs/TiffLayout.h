#pragma once
// What the TIFF decoder makes of a directory: which of its three readers takes it and
// how its strips or tiles are cut. The header reader asks the same questions through
// these, so the size it reports is the one the decoder produces.
#include <tiffio.h>

#include <cstdint>

namespace codecs {

// No single buffer libtiff or we allocate for one strip, tile or band may exceed this.
constexpr tmsize_t kTiffMaxBlockBytes = 256 * 1024 * 1024;

struct TiffLayout {
    std::uint32_t width = 0, height = 0;
    std::uint16_t bitsPerSample = 0, samples = 0, photometric = 0, planar = 0, orientation = 0,
                  compression = 0;
    std::uint16_t extraSamples = 0;
    // The first extra sample's kind; only counts as alpha beside three colour samples.
    bool alphaAssociated = false;
    bool alphaUnassociated = false;

    bool separate() const { return planar == PLANARCONFIG_SEPARATE; }
    bool hasAlpha() const { return (alphaAssociated || alphaUnassociated) && samples >= 4; }
};

enum class TiffReader {
    Indexed,  // palette, bilevel and grey of up to 8 bits, copied as indexes
    Rgb8,     // 8-bit RGB(A), interleaved or a sample a plane, copied sample by sample
    Rgba,     // everything else, through libtiff's RGBA conversion
};

// The current directory's fields, with libtiff's defaults.
TiffLayout ReadTiffLayout(TIFF* tif);
TiffReader ChooseTiffReader(const TiffLayout& layout);

// How the samples the Indexed and Rgb8 readers copy are cut into blocks: `planes` is
// how many sample planes are read (1 for interleaved samples).
struct TiffBlocks {
    std::uint32_t width = 0, height = 0;
    tmsize_t bytes = 0, rowBytes = 0;  // of one block of one plane
};
// False when libtiff's own sizes and ours disagree, overflow or exceed the ceiling.
bool TiffBlockLayout(TIFF* tif, const TiffLayout& layout, int planes, TiffBlocks& blocks);
// How many sample planes the Rgb8 reader reads: its colour and alpha, or 1 interleaved.
int TiffRgb8Planes(const TiffLayout& layout);

}  // namespace codecs
