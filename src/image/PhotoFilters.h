#pragma once
// The photo filters the person switches on for a page: applied to each photo's
// full-resolution raster in a fixed order, and the grey conversion of the whole
// finished page.

#include <cstddef>
#include <cstdint>

class CxImage;
class PhotoImage;
class QPainter;

// A 3 x 3 convolution. Weights are stored bottom row of the displayed photo first
// (DIB row order), left to right within a row.
struct ConvolutionKernel {
    int weights[9];
    int size;
    int divisor;  // 0: no division
    int offset;
};

extern const ConvolutionKernel kSharpenKernel;
extern const ConvolutionKernel kSoftenKernel;
extern const ConvolutionKernel kEmbossKernel;
extern const ConvolutionKernel kEdgeOnlyKernel;

bool applyKernel(CxImage& image, const ConvolutionKernel& kernel);

// The filters switched on for a page, with the lighten and darken amounts.
struct PhotoFilterSet {
    bool repair = false;
    bool lighten = false;
    bool darken = false;
    bool sharpen = false;
    bool soften = false;
    bool emboss = false;
    bool edgeOnly = false;
    bool negative = false;
    int lightenAmount = 25;
    int darkenAmount = -25;

    // The noise repair and the 3 x 3 kernels look at neighbouring pixels, so on a
    // shrunken photo they would do something else; light, dark and negative work pixel
    // by pixel and give the same picture either way.
    bool needsFullResolution() const { return repair || sharpen || soften || emboss || edgeOnly; }
};

// The filters of the set, in this order: repair, lighten, darken, sharpen, soften,
// emboss, edge only, negative. Returns 0 for a photo that is not raster-loaded
// (system pictures are drawn unfiltered), else 1; a filter that fails leaves the
// photo as it was and the next one still runs.
int ApplyPhotoFilters(PhotoImage& photo, const PhotoFilterSet& filters);

// (30 r + 59 g + 11 b) div 100.
int grayLevel(int red, int green, int blue);

// Turns a DIB block (header, palette or masks, rows) grey in place: 24- and 32-bit
// pixels and 16-bit 5-5-5 pixels get the grey in every component, palette DIBs get
// grey palette entries. False when the block is malformed or of a kind it cannot
// handle; the block is then unchanged.
bool GrayDibBlock(std::uint8_t* dib, std::size_t size);

// The grayscale page: converts the kept page to grey in place and draws it back
// onto the device at (0, 0) at its full size (when a device is given).
bool GrayCanvas(QPainter* device, CxImage& page);
