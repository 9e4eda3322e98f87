// Every sample picture, written by an independent encoder, decodes to exactly the
// pixels another independent decoder saw in it.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <cstdlib>

#include "CodecTestSupport.h"
#include "image/CxImage.h"
#include "image/codecs/Codecs.h"

namespace {

QString referenceFor(const QString& sample) {
    const QFileInfo info(sample);
    const QString base = info.dir().filePath(info.completeBaseName());
    return QFileInfo::exists(base + ".ref.pam") ? base + ".ref.pam" : base + ".ref.ppm";
}

}  // namespace

TEST(CodecConformance, EverySampleMatchesItsReferencePixelForPixel) {
    const QStringList samples = codecSamples();
    // Guards against an empty or half-missing data folder passing silently.
    ASSERT_GE(samples.size(), 50);
    int formats[4] = {};
    for (const QString& sample : samples) {
        SCOPED_TRACE(sample.toStdString());
        const RefPicture ref = readReference(referenceFor(sample));
        ASSERT_TRUE(ref.valid()) << "reference missing";
        CxImage image;
        ASSERT_TRUE(decodeByExtension(sample, readBytes(sample), image))
            << image.GetLastError().toStdString();
        ASSERT_EQ(image.GetWidth(), ref.width);
        ASSERT_EQ(image.GetHeight(), ref.height);
        EXPECT_TRUE(image.GetLastError().isEmpty());
        const int type = image.GetType();
        ASSERT_TRUE(type == CXIMAGE_FORMAT_BMP || type == CXIMAGE_FORMAT_GIF || type == CXIMAGE_FORMAT_TGA ||
                    type == CXIMAGE_FORMAT_PCX);
        ++formats[type == CXIMAGE_FORMAT_BMP   ? 0
                  : type == CXIMAGE_FORMAT_GIF ? 1
                  : type == CXIMAGE_FORMAT_TGA ? 2
                                               : 3];

        // 5- and 6-bit channels are widened differently by different viewers (by bit
        // repetition or by v * 255 / max); they differ by at most one level.
        const QString name = QFileInfo(sample).fileName();
        const int tolerance = name.contains("15") || name.contains("16") ? 1 : 0;
        auto near = [tolerance](int a, int b) { return std::abs(a - b) <= tolerance; };
        int mismatches = 0;
        for (int y = 0; y < ref.height; ++y) {
            for (int x = 0; x < ref.width; ++x) {
                const std::uint8_t* want = ref.at(x, y);
                const RGBQuad got = displayPixel(image, x, y);
                if (ref.hasAlpha && image.HasAlpha()) {
                    if (got.reserved != want[3]) ++mismatches;
                    if (want[3] == 0) continue;  // the colour under a see-through pixel is free
                } else if (ref.hasAlpha && want[3] != 255) {
                    ADD_FAILURE() << "transparency lost";
                    return;
                }
                if (!near(got.red, want[0]) || !near(got.green, want[1]) || !near(got.blue, want[2])) {
                    if (mismatches++ == 0)
                        ADD_FAILURE() << "first difference at " << x << "," << y << ": got " << int(got.red)
                                      << " " << int(got.green) << " " << int(got.blue) << " want "
                                      << int(want[0]) << " " << int(want[1]) << " " << int(want[2]);
                }
            }
        }
        EXPECT_EQ(mismatches, 0);
    }
    for (int n : formats) EXPECT_GE(n, 5);
}

// Palette pictures stay palette pictures at the depth their data needs, and grey TGAs
// get a grey ramp.
TEST(CodecConformance, DepthsAndPalettes) {
    struct Case {
        const char* file;
        int bpp;
    } cases[] = {{"bmp_1bit.bmp", 1},     {"bmp_4bit.bmp", 4},    {"bmp_rle4.bmp", 4},
                 {"bmp_rle8.bmp", 8},     {"bmp_16_565.bmp", 24}, {"bmp_32_plain.bmp", 24},
                 {"bmp_os2_8bit.bmp", 8}, {"gif_plain.gif", 8},   {"tga_p.tga", 8},
                 {"tga_grey.tga", 8},     {"tga_rgba.tga", 24},   {"pcx_1bit.pcx", 1},
                 {"pcx_4planes.pcx", 4},  {"pcx_packed4.pcx", 4}, {"pcx_8bit.pcx", 8}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const QString path = codecDataDir() + "/" + c.file;
        CxImage image;
        ASSERT_TRUE(decodeByExtension(path, readBytes(path), image));
        EXPECT_EQ(image.GetBpp(), c.bpp);
    }
    CxImage grey;
    const QString path = codecDataDir() + "/tga_grey_rle.tga";
    ASSERT_TRUE(decodeByExtension(path, readBytes(path), grey));
    for (int i = 0; i < 256; i += 51) EXPECT_EQ(grey.GetPaletteColor(i), makeRgb(i, i, i));
}

TEST(CodecConformance, AlphaPlanes) {
    // A 32-bit TGA with real transparency keeps it; a GIF's transparent colour becomes
    // the background index and see-through pixels.
    CxImage tga;
    ASSERT_TRUE(decodeByExtension("x.tga", readBytes(codecDataDir() + "/tga_rgba_rle.tga"), tga));
    EXPECT_TRUE(tga.HasAlpha());

    CxImage gif;
    ASSERT_TRUE(decodeByExtension("x.gif", readBytes(codecDataDir() + "/gif_transparent.gif"), gif));
    EXPECT_EQ(gif.GetBackgroundIndex(), 3);
    ASSERT_TRUE(gif.HasAlpha());
    int clear = 0;
    for (int y = 0; y < gif.GetHeight(); ++y)
        for (int x = 0; x < gif.GetWidth(); ++x) {
            EXPECT_EQ(gif.AlphaRow(y)[x] == 0, gif.GetPixelIndex(x, y) == 3);
            clear += gif.AlphaRow(y)[x] == 0;
        }
    EXPECT_GT(clear, 0);

    // Attribute bits left at zero by the writer must not make the picture vanish.
    CxImage opaque;
    QByteArray t(18, '\0');
    t[2] = 2;
    t[12] = 2;
    t[14] = 1;
    t[16] = 32;
    t[17] = 8;
    t.append(QByteArray("\x10\x20\x30\x00\x40\x50\x60\x00", 8));
    ASSERT_TRUE(decodeByExtension("x.tga", t, opaque));
    EXPECT_FALSE(opaque.HasAlpha());
    EXPECT_EQ(opaque.ReadColor(1, 0), makeRgb(0x60, 0x50, 0x40));
}
