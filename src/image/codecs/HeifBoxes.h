#pragma once
// The few HEIF boxes libheif does not let us ask about before it decodes: which items
// are put together on a canvas (grids and overlays), and the canvas size each states.
// libheif allocates that canvas at the size the item's own description gives, which
// need not be the size its `ispe` property (all the library reports) says.

#include <cstdint>
#include <vector>

#include "image/codecs/HeaderSource.h"

namespace codecs {

struct HeifCanvasItem {
    std::uint32_t id = 0;
    bool primary = false;
    bool described = false;  // the grid or overlay description could be read
    std::uint32_t canvasWidth = 0, canvasHeight = 0;
    bool hasIspe = false;
    std::uint32_t ispeWidth = 0, ispeHeight = 0;
};

struct HeifLayout {
    bool readable = false;  // a meta box with a primary item and an item list was found
    std::vector<HeifCanvasItem> canvases;
};

// Reads the file's meta box; never reads more of the file than that box and the
// canvas descriptions, and never allocates for more than the boxes it holds.
HeifLayout ReadHeifLayout(HeaderSource& source);

enum class HeifCanvasVerdict { Sound, Corrupt, TooLarge };
// Whether the file's canvases may be decoded: every grid and overlay must describe a
// canvas of just its own `ispe` size (either way round) and within maxPixels, so libheif allocates no
// more than the sizes the decoder checks. A canvas that cannot be read is corrupt.
HeifCanvasVerdict JudgeHeifCanvases(const HeifLayout& layout, std::uint64_t maxPixels);

}  // namespace codecs
