#pragma once
// Small builders and readers for the pixel tests. Display coordinates: (0, 0) is
// the top-left corner of the picture as shown; the DIB stores that row last.

#include <gtest/gtest.h>

#include <QImage>
#include <functional>

#include "image/CxImage.h"

// A width x height raster of the given depth. For palette depths the palette is
// filled with distinct colours (entry i = (i, 255 - i, 3 * i mod 256)) and the
// function gives the index; for 24 bits it gives the colour.
inline CxImage makeImage(int width, int height, int bpp, const std::function<int(int, int)>& indexAt) {
    CxImage img(CXIMAGE_FORMAT_BMP);
    EXPECT_TRUE(img.CreateRaster(width, height, bpp, CXIMAGE_FORMAT_BMP));
    for (int i = 0; i < img.GetNumColors(); ++i) img.SetPaletteColor(i, makeRgb(i, 255 - i, (3 * i) % 256));
    for (int r = 0; r < height; ++r)
        for (int c = 0; c < width; ++c) img.SetPixelIndex(c, height - 1 - r, std::uint8_t(indexAt(c, r)));
    return img;
}

inline CxImage makeRgbImage(int width, int height, const std::function<RGBQuad(int, int)>& colorAt) {
    CxImage img(CXIMAGE_FORMAT_BMP);
    EXPECT_TRUE(img.CreateRaster(width, height, 24, CXIMAGE_FORMAT_BMP));
    for (int r = 0; r < height; ++r)
        for (int c = 0; c < width; ++c) img.WriteColor(c, height - 1 - r, colorAt(c, r));
    return img;
}

inline RGBQuad displayColor(const CxImage& img, int column, int row) {
    return img.ReadColor(column, img.GetHeight() - 1 - row);
}
inline int displayIndex(const CxImage& img, int column, int row) {
    return img.GetPixelIndex(column, img.GetHeight() - 1 - row);
}

inline RGBQuad gray(int v) {
    return makeRgb(v, v, v);
}

// The colour of a QImage pixel as red, green, blue (alpha dropped).
inline RGBQuad qColorAt(const QImage& image, int x, int y) {
    const QRgb p = image.pixel(x, y);
    return makeRgb(qRed(p), qGreen(p), qBlue(p));
}

inline void PrintTo(const RGBQuad& c, std::ostream* os) {
    *os << "(" << int(c.red) << "," << int(c.green) << "," << int(c.blue) << "," << int(c.reserved) << ")";
}
