// Quarter turns, mirroring, cropping and pixel access of CxImage.
#include <QString>

#include "ImageTestUtil.h"

namespace {

// A distinct index for every pixel of a small picture, folded into the palette size.
int patternIndex(int column, int row, int colors) {
    return (column * 7 + row * 3 + column * row) % colors;
}

CxImage patternImage(int width, int height, int bpp) {
    if (bpp == 24) {
        return makeRgbImage(width, height, [](int c, int r) { return makeRgb(c * 20, r * 30, 5 + c + r); });
    }
    const int colors = 1 << bpp;
    return makeImage(width, height, bpp, [colors](int c, int r) { return patternIndex(c, r, colors); });
}

void addAlphaPattern(CxImage& img) {
    img.AlphaCreate();
    for (int y = 0; y < img.GetHeight(); ++y)
        for (int x = 0; x < img.GetWidth(); ++x) img.AlphaRow(y)[x] = std::uint8_t(x * 16 + y);
}
std::uint8_t displayAlpha(const CxImage& img, int column, int row) {
    return img.AlphaRow(img.GetHeight() - 1 - row)[column];
}

}  // namespace

class TurnTest : public ::testing::TestWithParam<std::tuple<int, int, int>> {};

TEST_P(TurnTest, ClockwiseAndCounterClockwiseMoveEveryPixelAndItsAlpha) {
    const auto [bpp, W, H] = GetParam();
    const CxImage original = [&] {
        CxImage img = patternImage(W, H, bpp);
        addAlphaPattern(img);
        img.SetBackgroundIndex(bpp < 24 ? 1 : -1);
        return img;
    }();

    CxImage cw = original;
    ASSERT_TRUE(cw.RotateClockwise());
    ASSERT_EQ(cw.GetWidth(), H);
    ASSERT_EQ(cw.GetHeight(), W);
    EXPECT_EQ(cw.GetBpp(), original.GetBpp());
    EXPECT_EQ(cw.GetBackgroundIndex(), original.GetBackgroundIndex());
    for (int i = 0; i < original.GetNumColors(); ++i)
        EXPECT_EQ(cw.GetPaletteColor(i), original.GetPaletteColor(i));
    for (int r = 0; r < W; ++r) {
        for (int c = 0; c < H; ++c) {
            // new (c, r) = old (r, H - 1 - c)
            ASSERT_EQ(displayColor(cw, c, r), displayColor(original, r, H - 1 - c)) << c << "," << r;
            ASSERT_EQ(displayAlpha(cw, c, r), displayAlpha(original, r, H - 1 - c));
        }
    }
    // The former top-left corner is the new top-right one.
    EXPECT_EQ(displayColor(cw, H - 1, 0), displayColor(original, 0, 0));
    EXPECT_EQ(cw.GetProgress(), 100);

    CxImage ccw = original;
    ASSERT_TRUE(ccw.RotateCounterClockwise());
    ASSERT_EQ(ccw.GetWidth(), H);
    ASSERT_EQ(ccw.GetHeight(), W);
    for (int r = 0; r < W; ++r) {
        for (int c = 0; c < H; ++c) {
            // new (c, r) = old (W - 1 - r, c)
            ASSERT_EQ(displayColor(ccw, c, r), displayColor(original, W - 1 - r, c)) << c << "," << r;
            ASSERT_EQ(displayAlpha(ccw, c, r), displayAlpha(original, W - 1 - r, c));
        }
    }
    EXPECT_EQ(displayColor(ccw, 0, 0), displayColor(original, W - 1, 0));

    // A clockwise and a counter-clockwise turn cancel out, byte for byte.
    ASSERT_TRUE(ccw.RotateClockwise());
    ASSERT_EQ(ccw.GetWidth(), W);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) ASSERT_EQ(ccw.ReadColor(x, y), original.ReadColor(x, y));
}

// Odd widths cross byte boundaries of 1- and 4-bit rows; 37 crosses a turning band.
INSTANTIATE_TEST_SUITE_P(Depths, TurnTest,
                         ::testing::Values(std::make_tuple(1, 3, 2), std::make_tuple(1, 11, 5),
                                           std::make_tuple(4, 3, 2), std::make_tuple(4, 9, 4),
                                           std::make_tuple(8, 3, 2), std::make_tuple(8, 37, 6),
                                           std::make_tuple(24, 3, 2), std::make_tuple(24, 5, 37)));

TEST(TurnTest, ThreeByTwoTurnedClockwiseIsTwoByThree) {
    // Display rows: A B C / D E F
    const RGBQuad A = makeRgb(1, 0, 0), B = makeRgb(2, 0, 0), C = makeRgb(3, 0, 0);
    const RGBQuad D = makeRgb(4, 0, 0), E = makeRgb(5, 0, 0), F = makeRgb(6, 0, 0);
    const RGBQuad grid[2][3] = {{A, B, C}, {D, E, F}};
    CxImage img = makeRgbImage(3, 2, [&](int c, int r) { return grid[r][c]; });
    CxImage turned;
    ASSERT_TRUE(img.RotateClockwise(&turned));
    EXPECT_EQ(img.GetWidth(), 3) << "with a destination the source stays as it was";
    ASSERT_EQ(turned.GetWidth(), 2);
    ASSERT_EQ(turned.GetHeight(), 3);
    // Turned: D A / E B / F C
    const RGBQuad expected[3][2] = {{D, A}, {E, B}, {F, C}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 2; ++c) EXPECT_EQ(displayColor(turned, c, r), expected[r][c]) << c << "," << r;
}

TEST(TurnTest, EmptyOrCancelledTurnLeavesThePictureAlone) {
    CxImage empty;
    EXPECT_FALSE(empty.RotateClockwise());
    EXPECT_FALSE(empty.RotateCounterClockwise());
    EXPECT_FALSE(empty.IsValid());

    CxImage img = patternImage(4, 3, 24);
    const CxImage before = img;
    img.SetEscape(true);
    EXPECT_FALSE(img.RotateClockwise());
    EXPECT_EQ(img.GetLastError(), QStringLiteral("Cancelled"));
    ASSERT_EQ(img.GetWidth(), 4);
    ASSERT_EQ(img.GetHeight(), 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(img.ReadColor(x, y), before.ReadColor(x, y));
}

TEST(MirrorFlipTest, MirrorAndFlipReverseColumnsOrRowsAtEveryDepth) {
    for (int bpp : {1, 4, 8, 24}) {
        SCOPED_TRACE(bpp);
        const CxImage original = [&] {
            CxImage img = patternImage(11, 3, bpp);
            addAlphaPattern(img);
            return img;
        }();
        CxImage m = original;
        ASSERT_TRUE(m.Mirror());
        CxImage f = original;
        ASSERT_TRUE(f.Flip());
        for (int r = 0; r < 3; ++r) {
            for (int c = 0; c < 11; ++c) {
                EXPECT_EQ(displayColor(m, c, r), displayColor(original, 10 - c, r));
                EXPECT_EQ(displayAlpha(m, c, r), displayAlpha(original, 10 - c, r));
                EXPECT_EQ(displayColor(f, c, r), displayColor(original, c, 2 - r));
                EXPECT_EQ(displayAlpha(f, c, r), displayAlpha(original, c, 2 - r));
            }
        }
    }
    CxImage empty;
    EXPECT_FALSE(empty.Mirror());
    EXPECT_FALSE(empty.Flip());
}

TEST(CropTest, ReversedPairsAreSwappedAndTheRegionKeepsItsPixels) {
    CxImage img = patternImage(100, 100, 24);
    addAlphaPattern(img);
    const CxImage original = img;
    ASSERT_TRUE(img.CropTo(50, 40, 10, 0));
    ASSERT_EQ(img.GetWidth(), 40);
    ASSERT_EQ(img.GetHeight(), 40);
    for (int r = 0; r < 40; ++r) {
        for (int c = 0; c < 40; ++c) {
            ASSERT_EQ(displayColor(img, c, r), displayColor(original, 10 + c, r));
            ASSERT_EQ(displayAlpha(img, c, r), displayAlpha(original, 10 + c, r));
        }
    }
}

TEST(CropTest, EmptyRegionsAreRefusedAndOutOfRangeEdgesClamped) {
    CxImage img = patternImage(100, 100, 24);
    const CxImage original = img;
    EXPECT_FALSE(img.CropTo(10, 0, 10, 50));
    EXPECT_FALSE(img.CropTo(0, 30, 50, 30));
    // Both edges beyond the picture clamp to the same place: nothing left.
    EXPECT_FALSE(img.CropTo(150, 0, 200, 50));
    EXPECT_EQ(img.GetWidth(), 100);
    EXPECT_EQ(img.ReadColor(7, 9), original.ReadColor(7, 9));

    ASSERT_TRUE(img.CropTo(80, -5, 500, 20));
    ASSERT_EQ(img.GetWidth(), 20);
    ASSERT_EQ(img.GetHeight(), 20);
    EXPECT_EQ(displayColor(img, 19, 0), displayColor(original, 99, 0));
    EXPECT_EQ(displayColor(img, 0, 19), displayColor(original, 80, 19));

    CxImage empty;
    EXPECT_FALSE(empty.CropTo(0, 0, 1, 1));
}

TEST(CropTest, PackedDepthsCropAtAnyColumnAndIntoADestination) {
    for (int bpp : {1, 4, 8}) {
        SCOPED_TRACE(bpp);
        CxImage img = patternImage(23, 9, bpp);
        img.SetBackgroundIndex(3 % (1 << bpp));
        CxImage out;
        ASSERT_TRUE(img.CropTo(3, 2, 14, 7, &out));
        EXPECT_EQ(img.GetWidth(), 23) << "the source is unchanged";
        ASSERT_EQ(out.GetWidth(), 11);
        ASSERT_EQ(out.GetHeight(), 5);
        EXPECT_EQ(out.GetBpp(), bpp);
        EXPECT_EQ(out.GetBackgroundIndex(), img.GetBackgroundIndex());
        for (int r = 0; r < 5; ++r)
            for (int c = 0; c < 11; ++c) ASSERT_EQ(displayIndex(out, c, r), displayIndex(img, 3 + c, 2 + r));
        for (int i = 0; i < img.GetNumColors(); ++i)
            EXPECT_EQ(out.GetPaletteColor(i), img.GetPaletteColor(i));
    }
}

TEST(PixelAccessTest, OutsideReadsFollowTheBackground) {
    CxImage rgb = makeRgbImage(4, 3, [](int c, int r) { return makeRgb(c, r, 9); });
    // No background: the bottom-left pixel, i.e. display (0, 2).
    EXPECT_EQ(rgb.ReadColor(-1, 5), makeRgb(0, 2, 9));
    EXPECT_EQ(rgb.ReadColor(4, 0), makeRgb(0, 2, 9));
    rgb.SetBackgroundIndex(0);
    rgb.SetBackgroundColor(makeRgb(10, 20, 30));
    EXPECT_EQ(rgb.ReadColor(-1, 5), makeRgb(10, 20, 30));

    CxImage pal = makeImage(4, 3, 8, [](int c, int r) { return 10 * r + c; });
    EXPECT_EQ(pal.ReadColor(100, 100), pal.GetPaletteColor(20));  // bottom-left is display row 2
    pal.SetBackgroundIndex(7);
    EXPECT_EQ(pal.ReadColor(-1, 0), pal.GetPaletteColor(7));
    EXPECT_EQ(pal.GetPixelIndex(-1, 0), 7);

    // Writes outside change nothing.
    const CxImage before = rgb;
    rgb.WriteColor(4, 0, makeRgb(1, 1, 1));
    rgb.WriteColor(-1, -1, makeRgb(1, 1, 1));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(rgb.ReadColor(x, y), before.ReadColor(x, y));
}

TEST(PixelAccessTest, NearestPaletteColourTiesExactMatchesAndMemo) {
    CxImage img(CXIMAGE_FORMAT_BMP);
    ASSERT_TRUE(img.CreateRaster(2, 1, 4, CXIMAGE_FORMAT_BMP));
    for (int i = 0; i < 16; ++i) img.SetPaletteColor(i, makeRgb(255, 255, 255));
    img.SetPaletteColor(2, makeRgb(100, 0, 0));
    img.SetPaletteColor(3, makeRgb(120, 0, 0));
    img.SetPaletteColor(5, makeRgb(100, 0, 0));
    // 110 is as far from 100 as from 120: the first entry wins.
    EXPECT_EQ(img.GetNearestIndex(makeRgb(110, 0, 0)), 2);
    // An exact match ends the search at its first occurrence.
    EXPECT_EQ(img.GetNearestIndex(makeRgb(100, 0, 0)), 2);
    img.WriteColor(1, 0, makeRgb(119, 1, 0));
    EXPECT_EQ(img.GetPixelIndex(1, 0), 3);

    // A palette change must not be answered from the memo of the old palette.
    img.SetPaletteColor(9, makeRgb(119, 1, 0));
    img.WriteColor(0, 0, makeRgb(119, 1, 0));
    EXPECT_EQ(img.GetPixelIndex(0, 0), 9);
}
