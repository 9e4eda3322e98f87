#pragma once
// Helpers shared by the library-backed decoders (JPEG, PNG, TIFF).

#include <cstdint>

#include "image/CxImage.h"
#include "image/codecs/Codecs.h"

namespace codecs {

// The pixel ceiling a decode runs under: the caller's, never above the raster's own.
inline std::uint64_t pixelLimit(const DecodeOptions& options) {
    if (options.maxPixels == 0 || options.maxPixels > CxImage::kMaxPixels) return CxImage::kMaxPixels;
    return options.maxPixels;
}

// Turns a picture stored as EXIF/TIFF orientation `orientation` says (2 to 8) so that
// it stands upright; 0, 1 and unknown values leave it alone. Works on every depth and
// carries the alpha plane along. Returns false, with the image unchanged and its last
// error set, when the turned copy cannot be allocated.
bool OrientImage(CxImage& image, int orientation);

// Gives the image an opaque alpha plane; false when it cannot be allocated.
bool createAlpha(CxImage& image) noexcept;

// Resolution in dots per inch from a density and its unit (1: per inch, 2: per
// centimetre, 3: per metre); 0 when there is nothing usable.
int densityToDpi(double density, int unit);

}  // namespace codecs
