// TIFF decoding against tifftopnm's output: layouts, depths and orientations.
#include <gtest/gtest.h>

#include <cstring>

#include "RefImage.h"
#include "image/CxImage.h"
#include "image/codecs/Codecs.h"
#include "image/codecs/HeaderSize.h"
#include "image/codecs/LibCodecSupport.h"

namespace {

bool decode(const QByteArray& file, CxImage& image, const DecodeOptions& options = {}) {
    return DecodeTiff(reinterpret_cast<const std::uint8_t*>(file.constData()), std::size_t(file.size()),
                      image, options);
}

// Where a tag's value (or its offset) lies in a little-endian classic TIFF.
int tagValueAt(const QByteArray& tif, int tag) {
    auto u16 = [&](int at) { return std::uint8_t(tif[at]) | (std::uint8_t(tif[at + 1]) << 8); };
    const int ifd = std::uint8_t(tif[4]) | (std::uint8_t(tif[5]) << 8) | (std::uint8_t(tif[6]) << 16);
    for (int i = 0, n = u16(ifd); i < n; ++i)
        if (u16(ifd + 2 + 12 * i) == tag) return ifd + 2 + 12 * i + 8;
    return -1;
}

void put32(QByteArray& b, int at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = char(v >> (8 * i));
}

}  // namespace

TEST(TiffDecoder, MatchesReferenceForEveryLayout) {
    struct Case {
        const char* name;
        int bpp;
        int tolerance;
    };
    // YCbCr JPEG goes through libtiff's own conversion in both tools; its rounding
    // may differ by one.
    const Case cases[] = {
        {"rgb-strips", 24, 0},   {"rgb-lzw", 24, 0},
        {"rgb-tiles", 24, 0},    {"rgb-jpeg", 24, 0},
        {"ycbcr-jpeg", 24, 1},   {"rgb16", 24, 0},
        {"grey8", 8, 0},         {"grey2", 4, 0},
        {"bilevel", 1, 0},       {"bilevel-miniswhite", 1, 0},
        {"palette8", 8, 0},      {"palette4", 4, 0},
        {"palette-tiles", 8, 0}, {"palette4-tiles", 4, 0},
        {"planar-tiles", 24, 0}, {"planar-strips", 24, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CxImage image;
        ASSERT_TRUE(decode(testFile(QString::fromLatin1(c.name) + ".tif"), image))
            << image.GetLastError().toStdString();
        EXPECT_EQ(image.GetBpp(), c.bpp);
        EXPECT_EQ(image.GetType(), CXIMAGE_FORMAT_TIF);
        EXPECT_TRUE(SameAsReference(image, readRef(QString::fromLatin1(c.name) + ".pnm"), c.tolerance));
    }
    // Unassociated alpha: colour and alpha exactly as in the PNG the file was made from,
    // interleaved and in separate planes.
    for (const char* name : {"rgba.tif", "planar-rgba-tiles.tif"}) {
        SCOPED_TRACE(name);
        CxImage rgba;
        ASSERT_TRUE(decode(testFile(QString::fromLatin1(name)), rgba));
        ASSERT_TRUE(rgba.HasAlpha());
        EXPECT_TRUE(SameAsReference(rgba, readRef("rgba.pam")));
    }
}

TEST(TiffDecoder, EveryOrientationStandsUpright) {
    for (int o = 1; o <= 8; ++o) {
        SCOPED_TRACE(o);
        CxImage image;
        ASSERT_TRUE(decode(testFile(QStringLiteral("orient-%1.tif").arg(o)), image));
        EXPECT_EQ(image.GetWidth(), o >= 5 ? 23 : 37);
        EXPECT_TRUE(SameAsReference(image, readRef(QStringLiteral("orient-%1.pnm").arg(o))));
    }
    CxImage palette;
    ASSERT_TRUE(decode(testFile("palette-tiles-o6.tif"), palette));
    EXPECT_EQ(palette.GetBpp(), 8);
    EXPECT_TRUE(SameAsReference(palette, readRef("palette-tiles-o6.pnm")));
}

TEST(TiffDecoder, ResolutionBecomesDotsPerInch) {
    CxImage image;
    ASSERT_TRUE(decode(testFile("rgb-strips.tif"), image));
    // pnmtotiff writes no resolution: the picture keeps the usual 96.
    EXPECT_EQ(image.GetXDPI(), 96);
}

TEST(TiffDecoder, DamagedFilesFailCleanly) {
    CxImage image;
    image.CreateRaster(4, 4, 8, CXIMAGE_FORMAT_GIF);
    auto expectFailure = [&](const QByteArray& file, const char* text, const DecodeOptions& options = {}) {
        EXPECT_FALSE(decode(file, image, options));
        EXPECT_EQ(image.GetLastError().toStdString(), text);
        EXPECT_EQ(image.GetWidth(), 4);
        EXPECT_EQ(image.GetType(), CXIMAGE_FORMAT_GIF);
    };
    expectFailure(QByteArray(), "Error encountered while opening TIFF file");
    expectFailure(testFile("baseline.jpg"), "Error encountered while opening TIFF file");
    expectFailure(QByteArray("II*\0\xff\xff\xff\x7f", 8), "Error encountered while opening TIFF file");

    // Strips cut off: pnmtotiff puts the pixel data before the directory, so drop
    // the data's second half by pointing the strips past the end of the file.
    const QByteArray strips = testFile("rgb-strips.tif");
    QByteArray lying = strips;
    const int offsets = tagValueAt(lying, 273);
    ASSERT_GT(offsets, 0);
    const int firstOffset = std::uint8_t(lying[offsets]) | (std::uint8_t(lying[offsets + 1]) << 8);
    put32(lying, firstOffset, 0x7ffffff0);  // the first strip's offset, in the offsets array
    expectFailure(lying, "Corrupted TIFF file!");

    // A tile that lies outside the file.
    QByteArray tiles = testFile("rgb-tiles.tif");
    const int tileOffsets = tagValueAt(tiles, 324);
    ASSERT_GT(tileOffsets, 0);
    const int lastTile =
        (std::uint8_t(tiles[tileOffsets]) | (std::uint8_t(tiles[tileOffsets + 1]) << 8)) + 4 * 5;
    put32(tiles, lastTile, 0x7ffffff0);
    expectFailure(tiles, "Corrupted tiled TIFF file!");

    // Tile sizes whose products overflow are refused, wherever libtiff or we notice.
    for (std::uint32_t side : {0x10000u, 0x40000000u, 0xfffffff0u}) {
        QByteArray lyingTiles = testFile("rgb-tiles.tif");
        put32(lyingTiles, tagValueAt(lyingTiles, 322), side);
        put32(lyingTiles, tagValueAt(lyingTiles, 323), side);
        EXPECT_FALSE(decode(lyingTiles, image));
        EXPECT_EQ(image.GetWidth(), 4);
    }

    // Huge dimensions are refused before anything is allocated.
    QByteArray huge = strips;
    put32(huge, tagValueAt(huge, 256) - 0, 1000000);
    put32(huge, tagValueAt(huge, 257) - 0, 1000000);
    EXPECT_FALSE(decode(huge, image));
    EXPECT_EQ(image.GetWidth(), 4);

    DecodeOptions small;
    small.maxPixels = 100;
    expectFailure(strips, "CxImageTIF can't create image", small);

    image.SetEscape(true);
    expectFailure(strips, "Cancelled");
}

TEST(OrientImage, TurnsEveryDepthAndTheAlphaPlaneAlike) {
    // A 5 x 3 picture of eight colours in 1-, 4-, 8- and 24-bit forms, with alpha.
    const RGBQuad colours[8] = {makeRgb(0, 0, 0),     makeRgb(255, 255, 255), makeRgb(255, 0, 0),
                                makeRgb(0, 255, 0),   makeRgb(0, 0, 255),     makeRgb(255, 255, 0),
                                makeRgb(0, 255, 255), makeRgb(255, 0, 255)};
    auto make = [&](int bits) {
        CxImage image;
        image.CreateRaster(5, 3, bits, CXIMAGE_FORMAT_TIF);
        if (bits < 24) image.SetPalette(colours, bits == 1 ? 2 : 8);
        image.AlphaCreate();
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x) {
                const int i = (x * 3 + y * 5) % (bits == 1 ? 2 : 8);
                if (bits < 24)
                    image.SetPixelIndex(x, y, std::uint8_t(i));
                else
                    image.WriteColor(x, y, colours[i]);
                image.AlphaRow(y)[x] = std::uint8_t(10 * x + y);
            }
        return image;
    };
    for (int o = 2; o <= 8; ++o) {
        SCOPED_TRACE(o);
        for (int bits : {1, 4, 8, 24}) {
            SCOPED_TRACE(bits);
            CxImage image = make(bits);
            ASSERT_TRUE(codecs::OrientImage(image, o));
            ASSERT_EQ(image.GetWidth(), o >= 5 ? 3 : 5);
            ASSERT_EQ(image.GetBpp(), bits);
            const CxImage source = make(bits);
            // Display coordinates: the stored picture's pixel (sx, sy) lands at (x, y).
            for (int y = 0; y < image.GetHeight(); ++y)
                for (int x = 0; x < image.GetWidth(); ++x) {
                    int sx = x, sy = y;
                    switch (o) {
                        case 2:
                            sx = 4 - x;
                            break;
                        case 3:
                            sx = 4 - x;
                            sy = 2 - y;
                            break;
                        case 4:
                            sy = 2 - y;
                            break;
                        case 5:
                            sx = y;
                            sy = x;
                            break;
                        case 6:
                            sx = y;
                            sy = 2 - x;
                            break;
                        case 7:
                            sx = 4 - y;
                            sy = 2 - x;
                            break;
                        case 8:
                            sx = 4 - y;
                            sy = x;
                            break;
                    }
                    const RGBQuad got = image.ReadColor(x, image.GetHeight() - 1 - y);
                    const RGBQuad want = source.ReadColor(sx, 2 - sy);
                    ASSERT_EQ(got, want) << "at " << x << "," << y;
                }
        }
    }
    // Clockwise by hand: the stored top-left corner ends at the top right.
    CxImage image = make(24);
    const RGBQuad topLeft = image.ReadColor(0, 2);
    ASSERT_TRUE(codecs::OrientImage(image, 6));
    EXPECT_EQ(image.ReadColor(2, 4), topLeft);
}

// ExtraSamples naming an alpha beside only three samples: there is no fourth sample to
// be alpha, so the picture is plain RGB (the alpha was read from the next pixel's red,
// and past the strip at the last pixel). Its header reader sizes it alike.
TEST(TiffDecoder, AnExtraAlphaBesideThreeSamplesIsIgnored) {
    const char* name = "regress-rgb-three-samples-extra-alpha.tif";
    const QByteArray file = testFile(QString::fromLatin1(name));
    ASSERT_FALSE(file.isEmpty());
    CxImage image;
    ASSERT_TRUE(decode(file, image)) << image.GetLastError().toStdString();
    ASSERT_EQ(image.GetWidth(), 3);
    ASSERT_EQ(image.GetHeight(), 2);
    EXPECT_FALSE(image.HasAlpha());
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        const RGBQuad c = image.ReadColor(i % 3, 1 - i / 3);
        EXPECT_EQ(c.red, 10 + 30 * i);
        EXPECT_EQ(c.green, 20 + 30 * i);
        EXPECT_EQ(c.blue, 30 + 30 * i);
    }
    MemoryHeaderSource source(reinterpret_cast<const std::uint8_t*>(file.constData()),
                              std::size_t(file.size()));
    int w = 0, h = 0;
    EXPECT_TRUE(ReadTiffHeaderSize(source, w, h));
    EXPECT_EQ(w, 3);
    EXPECT_EQ(h, 2);
}
