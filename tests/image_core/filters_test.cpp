// The photo filters, the filter pass, the grey page and the histogram.
#include <QPainter>
#include <cstring>

#include "ImageTestUtil.h"
#include "image/PhotoFilters.h"
#include "image/PhotoImage.h"

namespace {

CxImage flat(int w, int h, RGBQuad c) {
    return makeRgbImage(w, h, [c](int, int) { return c; });
}

// A grey picture given row by row as displayed.
CxImage grid3(const int (&v)[3][3]) {
    return makeRgbImage(3, 3, [&](int c, int r) { return gray(v[r][c]); });
}

void expectGrid(const CxImage& img, const int (&v)[3][3]) {
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) EXPECT_EQ(displayColor(img, c, r), gray(v[r][c])) << c << "," << r;
}

CxImage grayRamp8(int w, int h, const std::function<int(int, int)>& level) {
    CxImage img(CXIMAGE_FORMAT_BMP);
    EXPECT_TRUE(img.CreateRaster(w, h, 8, CXIMAGE_FORMAT_BMP));
    img.SetGrayPalette();
    for (int r = 0; r < h; ++r)
        for (int c = 0; c < w; ++c) img.SetPixelIndex(c, h - 1 - r, std::uint8_t(level(c, r)));
    return img;
}

}  // namespace

TEST(KernelTest, FlatAreas) {
    struct Case {
        const ConvolutionKernel* kernel;
        int result;
    } cases[] = {
        {&kSharpenKernel, 100}, {&kSoftenKernel, 100}, {&kEmbossKernel, 127}, {&kEdgeOnlyKernel, 255}};
    for (const Case& k : cases) {
        CxImage img = flat(5, 4, gray(100));
        ASSERT_TRUE(applyKernel(img, *k.kernel));
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 5; ++x) ASSERT_EQ(img.ReadColor(x, y), gray(k.result)) << x << "," << y;

        // A palette photo writes the nearest palette entry.
        CxImage pal = grayRamp8(4, 3, [](int, int) { return 100; });
        ASSERT_TRUE(applyKernel(pal, *k.kernel));
        EXPECT_EQ(pal.GetBpp(), 8);
        EXPECT_EQ(pal.GetPixelIndex(2, 1), k.result);
    }
}

TEST(KernelTest, SinglePixelPhotoReadsItselfAllAround) {
    CxImage img = flat(1, 1, makeRgb(10, 200, 30));
    ASSERT_TRUE(applyKernel(img, kSharpenKernel));
    EXPECT_EQ(img.ReadColor(0, 0), makeRgb(10, 200, 30));
}

TEST(KernelTest, EmbossLooksUpLeftAndDownRight) {
    // 127 + upper-left neighbour - lower-right neighbour; outside reads the
    // bottom-left pixel (0 here).
    CxImage img = grid3({{100, 0, 0}, {0, 0, 0}, {0, 0, 0}});
    ASSERT_TRUE(applyKernel(img, kEmbossKernel));
    expectGrid(img, {{127, 127, 127}, {127, 227, 127}, {127, 127, 127}});

    CxImage low = grid3({{0, 0, 0}, {0, 0, 0}, {0, 0, 100}});
    ASSERT_TRUE(applyKernel(low, kEmbossKernel));
    expectGrid(low, {{127, 127, 127}, {127, 27, 127}, {127, 127, 127}});
}

TEST(KernelTest, DivisorsTruncateAndNegativeDivisorFlips) {
    CxImage soft = grid3({{0, 0, 0}, {0, 100, 0}, {0, 0, 0}});
    ASSERT_TRUE(applyKernel(soft, kSoftenKernel));
    // centre 800 / 16; neighbours 100 / 16 truncated.
    expectGrid(soft, {{6, 6, 6}, {6, 50, 6}, {6, 6, 6}});

    CxImage edge = grid3({{0, 0, 0}, {0, 10, 0}, {0, 0, 0}});
    ASSERT_TRUE(applyKernel(edge, kEdgeOnlyKernel));
    // centre 255 - 80; neighbours 255 + 10, clamped.
    expectGrid(edge, {{255, 255, 255}, {255, 175, 255}, {255, 255, 255}});

    CxImage sharp = grid3({{0, 0, 0}, {0, 14, 0}, {0, 0, 0}});
    ASSERT_TRUE(applyKernel(sharp, kSharpenKernel));
    // centre 15 * 14 / 7 = 30; neighbours -14 / 7 = -2, clamped to 0.
    expectGrid(sharp, {{0, 0, 0}, {0, 30, 0}, {0, 0, 0}});
}

TEST(KernelTest, ChannelsAreFilteredSeparatelyAndBadKernelsRefused) {
    CxImage img =
        makeRgbImage(3, 3, [](int c, int r) { return c == 1 && r == 1 ? makeRgb(16, 32, 160) : gray(0); });
    ASSERT_TRUE(applyKernel(img, kSoftenKernel));
    EXPECT_EQ(displayColor(img, 1, 1), makeRgb(8, 16, 80));
    EXPECT_EQ(displayColor(img, 0, 0), makeRgb(1, 2, 10));

    const int weights[4] = {1, 1, 1, 1};
    EXPECT_FALSE(img.Convolve(weights, 2, 1, 0));
    EXPECT_FALSE(img.Convolve(nullptr, 3, 1, 0));
    CxImage empty;
    EXPECT_FALSE(applyKernel(empty, kSharpenKernel));
}

TEST(KernelTest, CancelledPassKeepsTheRowsDoneSoFar) {
    CxImage img = flat(3, 4, gray(100));
    img.SetEscape(true);
    ASSERT_TRUE(applyKernel(img, kEmbossKernel));
    // The bottom row (done first) is filtered, the rest untouched.
    for (int x = 0; x < 3; ++x) {
        EXPECT_EQ(img.ReadColor(x, 0), gray(127));
        EXPECT_EQ(img.ReadColor(x, 3), gray(100));
    }
}

TEST(AdjustLightTest, AmountsAddAndClamp) {
    CxImage img = flat(3, 2, makeRgb(240, 10, 128));
    CxImage dark = img;
    ASSERT_TRUE(img.AdjustLight(25));
    EXPECT_EQ(img.ReadColor(2, 1), makeRgb(255, 35, 153));
    ASSERT_TRUE(dark.AdjustLight(-25));
    EXPECT_EQ(dark.ReadColor(2, 1), makeRgb(215, 0, 103));

    // Palette photos change their palette, not their indices.
    CxImage pal = makeImage(2, 1, 8, [](int c, int) { return c; });
    pal.SetPaletteColor(1, makeRgb(250, 5, 100));
    ASSERT_TRUE(pal.AdjustLight(-10));
    EXPECT_EQ(pal.GetPixelIndex(1, 0), 1);
    EXPECT_EQ(pal.GetPaletteColor(1), makeRgb(240, 0, 90));
    EXPECT_FALSE(CxImage().AdjustLight(5));
}

TEST(InvertTest, TrueColourPalettesAndGreyRamps) {
    CxImage rgb = flat(3, 1, makeRgb(0, 100, 255));
    rgb.SetBackgroundColor(makeRgb(10, 20, 30));
    ASSERT_TRUE(rgb.Invert());
    EXPECT_EQ(rgb.ReadColor(2, 0), makeRgb(255, 155, 0));
    EXPECT_EQ(rgb.GetBackgroundColor(), makeRgb(245, 235, 225));

    // Identity grey ramp: indices complemented, palette untouched.
    CxImage grey = grayRamp8(2, 1, [](int c, int) { return c == 0 ? 0 : 200; });
    ASSERT_TRUE(grey.Invert());
    EXPECT_EQ(displayIndex(grey, 0, 0), 255);
    EXPECT_EQ(displayIndex(grey, 1, 0), 55);
    EXPECT_EQ(grey.GetPaletteColor(200), gray(200));

    // Any other palette: entries inverted, indices kept.
    CxImage pal = makeImage(3, 1, 4, [](int c, int) { return c + 1; });
    const RGBQuad before = pal.GetPaletteColor(2);
    ASSERT_TRUE(pal.Invert());
    EXPECT_EQ(displayIndex(pal, 1, 0), 2);
    EXPECT_EQ(pal.GetPaletteColor(2), makeRgb(255 - before.red, 255 - before.green, 255 - before.blue));
    EXPECT_FALSE(CxImage().Invert());
}

TEST(RepairTest, AHoleIsFilledAndItsNeighboursBarelyMove) {
    CxImage img = makeRgbImage(5, 5, [](int c, int r) { return c == 2 && r == 2 ? gray(0) : gray(255); });
    img.AlphaCreate(77);
    ASSERT_TRUE(img.RepairNoise(0.25f, 1));
    const int expected[5][5] = {{255, 255, 255, 255, 255},
                                {255, 255, 254, 255, 255},
                                {255, 254, 255, 254, 255},
                                {255, 255, 254, 255, 255},
                                {255, 255, 255, 255, 255}};
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 5; ++c)
            EXPECT_EQ(displayColor(img, c, r), makeRgb(expected[r][c], expected[r][c], expected[r][c], 77))
                << c << "," << r;
}

TEST(RepairTest, FlatPicturesStayAndSmallPalettePhotosBecomeTrueColour) {
    CxImage img = flat(6, 5, makeRgb(30, 60, 90));
    ASSERT_TRUE(img.RepairNoise(0.25f, 2));
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x) ASSERT_EQ(img.ReadColor(x, y), makeRgb(30, 60, 90));

    CxImage pal = makeImage(2, 4, 8, [](int c, int r) { return 40 * r + c; });
    const CxImage before = pal;
    ASSERT_TRUE(pal.RepairNoise(0.25f, 2));
    EXPECT_EQ(pal.GetBpp(), 24);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 2; ++x) EXPECT_EQ(pal.ReadColor(x, y), before.ReadColor(x, y));
    EXPECT_FALSE(CxImage().RepairNoise(0.25f, 2));
}

TEST(HistogramTest, WhitePhotoAndPureRed) {
    long r[256], g[256], b[256], k[256];
    std::fill(r, r + 256, 99);  // must be cleared first
    const CxImage white = flat(100, 50, gray(255));
    EXPECT_EQ(white.CountHistogram(r, g, b, k), 5000);
    EXPECT_EQ(r[255], 5000);
    EXPECT_EQ(g[255], 5000);
    EXPECT_EQ(b[255], 5000);
    EXPECT_EQ(k[255], 5000);
    EXPECT_EQ(r[0], 0);
    EXPECT_EQ(k[254], 0);

    const CxImage red =
        makeRgbImage(3, 2, [](int c, int) { return c == 0 ? makeRgb(255, 0, 0) : makeRgb(0, 0, 255); });
    EXPECT_EQ(red.CountHistogram(nullptr, nullptr, nullptr, k), 4);
    EXPECT_EQ(k[76], 2);                 // (306 * 255) >> 10
    EXPECT_EQ(k[(117 * 255) >> 10], 4);  // pure blue
    EXPECT_EQ(red.CountHistogram(nullptr, nullptr, nullptr, nullptr), 0);
}

TEST(HistogramTest, PalettePhotosCountTheirColours) {
    CxImage pal = makeImage(4, 1, 4, [](int c, int) { return c < 3 ? 2 : 5; });
    pal.SetPaletteColor(2, makeRgb(10, 20, 30));
    pal.SetPaletteColor(5, makeRgb(200, 100, 50));
    long r[256], k[256];
    EXPECT_EQ(pal.CountHistogram(r, nullptr, nullptr, k), 3);
    const RGBQuad two = pal.GetPaletteColor(2), five = pal.GetPaletteColor(5);
    EXPECT_EQ(r[two.red], 3);
    EXPECT_EQ(r[five.red], 1);
    EXPECT_EQ(k[(306 * five.red + 601 * five.green + 117 * five.blue) >> 10], 1);
    EXPECT_EQ(CxImage().CountHistogram(r, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(r[two.red], 0);
}

TEST(PhotoFilterPassTest, FiltersRunInTheirFixedOrder) {
    PhotoFilterSet s;
    s.lighten = true;
    s.negative = true;
    PhotoImage photo;
    ASSERT_TRUE(photo.AdoptRaster(flat(2, 2, gray(240))));
    EXPECT_EQ(ApplyPhotoFilters(photo, s), 1);
    // Lighten first (240 -> 255), negative last (-> 0); the other way round gives 40.
    EXPECT_EQ(photo.Raster()->ReadColor(0, 0), gray(0));

    PhotoFilterSet e;
    e.emboss = true;
    e.edgeOnly = true;
    e.darken = true;
    e.darkenAmount = -50;
    PhotoImage second;
    ASSERT_TRUE(second.AdoptRaster(flat(3, 3, gray(100))));
    ASSERT_EQ(ApplyPhotoFilters(second, e), 1);
    // Darken to 50, emboss to flat 127, edge-only to flat 255.
    EXPECT_EQ(second.Raster()->ReadColor(1, 1), gray(255));

    PhotoFilterSet r;
    r.repair = true;
    r.soften = true;
    PhotoImage third;
    ASSERT_TRUE(third.AdoptRaster(makeImage(3, 3, 8, [](int, int) { return 9; })));
    ASSERT_EQ(ApplyPhotoFilters(third, r), 1);
    EXPECT_EQ(third.Raster()->GetBpp(), 24) << "repair runs and turns the palette photo into true colour";

    PhotoImage empty;
    EXPECT_EQ(ApplyPhotoFilters(empty, s), 0);
}

TEST(GrayCanvasTest, EveryPixelOfAPaddedPageTurnsGrey) {
    // Width 5: 15 bytes of pixels in a 16-byte row.
    CxImage page = makeRgbImage(5, 3, [](int c, int r) { return makeRgb(200, 10 * c, 50 * r); });
    QImage device(5, 3, QImage::Format_RGB32);
    device.fill(Qt::black);
    {
        QPainter p(&device);
        ASSERT_TRUE(GrayCanvas(&p, page));
    }
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 5; ++c) {
            const int g = (30 * 200 + 59 * 10 * c + 11 * 50 * r) / 100;
            EXPECT_EQ(displayColor(page, c, r), gray(g)) << c << "," << r;
            EXPECT_EQ(device.pixel(c, r), qRgb(g, g, g));
        }
    CxImage empty;
    EXPECT_FALSE(GrayCanvas(nullptr, empty));
}

TEST(GrayCanvasTest, RawBlocksOfOtherKindsAndMalformedOnes) {
    // 2 x 1, 16-bit 5-5-5: red 31 and green 31.
    std::vector<std::uint8_t> dib(40 + 4);
    BitmapInfoHeader h{40, 2, 1, 1, 16, 0, 4, 0, 0, 0, 0};
    std::memcpy(dib.data(), &h, 40);
    const std::uint16_t px[2] = {31 << 10, 31 << 5};
    std::memcpy(dib.data() + 40, px, 4);
    ASSERT_TRUE(GrayDibBlock(dib.data(), dib.size()));
    std::uint16_t out[2];
    std::memcpy(out, dib.data() + 40, 4);
    const unsigned gr = 30 * 31 / 100, gg = 59 * 31 / 100;
    EXPECT_EQ(out[0], (gr << 10) | (gr << 5) | gr);
    EXPECT_EQ(out[1], (gg << 10) | (gg << 5) | gg);

    // A palette page changes its palette only.
    CxImage pal = makeImage(2, 2, 4, [](int c, int) { return c; });
    const RGBQuad one = pal.GetPaletteColor(1);
    ASSERT_TRUE(GrayCanvas(nullptr, pal));
    EXPECT_EQ(pal.GetPixelIndex(1, 0), 1);
    EXPECT_EQ(pal.GetPaletteColor(1), gray(grayLevel(one.red, one.green, one.blue)));

    // Rows that run past the block are refused without touching it.
    std::vector<std::uint8_t> shortBlock(40 + 8, 0x7f);
    BitmapInfoHeader tall{40, 2, 5, 1, 24, 0, 0, 0, 0, 0, 0};
    std::memcpy(shortBlock.data(), &tall, 40);
    EXPECT_FALSE(GrayDibBlock(shortBlock.data(), shortBlock.size()));
    EXPECT_EQ(shortBlock[45], 0x7f);
    EXPECT_FALSE(GrayDibBlock(shortBlock.data(), 20));
    BitmapInfoHeader rle{40, 2, 1, 1, 24, 1, 0, 0, 0, 0, 0};
    std::memcpy(shortBlock.data(), &rle, 40);
    EXPECT_FALSE(GrayDibBlock(shortBlock.data(), shortBlock.size()));
}
