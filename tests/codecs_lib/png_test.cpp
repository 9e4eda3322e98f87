// PNG decoding against pngtopam's output: every colour type and bit depth.
#include <gtest/gtest.h>

#include "RefImage.h"
#include "image/CxImage.h"
#include "image/codecs/Codecs.h"

namespace {

bool decode(const QByteArray& file, CxImage& image, const DecodeOptions& options = {}) {
    return DecodePng(reinterpret_cast<const std::uint8_t*>(file.constData()), std::size_t(file.size()), image,
                     options);
}

// Re-seals a chunk after its bytes were changed; `at` is the chunk's length field.
void fixCrc(QByteArray& png, int at) {
    const int length = (std::uint8_t(png[at]) << 24) | (std::uint8_t(png[at + 1]) << 16) |
                       (std::uint8_t(png[at + 2]) << 8) | std::uint8_t(png[at + 3]);
    const std::uint32_t c =
        crc32(reinterpret_cast<const std::uint8_t*>(png.constData()) + at + 4, length + 4);
    for (int i = 0; i < 4; ++i) png[at + 8 + length + i] = char(c >> (24 - 8 * i));
}

QByteArray chunk(const char* type, const QByteArray& data) {
    QByteArray c;
    for (int i = 0; i < 4; ++i) c += char(data.size() >> (24 - 8 * i));
    c += type;
    c += data;
    c += QByteArray(4, 0);
    fixCrc(c, 0);
    return c;
}

}  // namespace

TEST(PngDecoder, MatchesReferenceForEveryKind) {
    struct Case {
        const char* name;
        int bpp;
        bool alpha;
    };
    const Case cases[] = {
        {"grey-1", 1, false},
        {"grey-3", 8, false},
        {"grey-15", 8, false},
        {"grey-255", 8, false},
        {"grey-65535", 8, false},
        {"grey-trns", 24, true},
        {"greyalpha", 24, true},
        {"palette-1", 1, false},
        {"palette-2", 4, false},
        {"palette-4", 4, false},
        {"palette-8", 8, false},
        {"palette-trns", 4, true},
        {"palette-2-interlaced", 4, false},
        {"rgb", 24, false},
        {"rgb16", 24, false},
        {"rgb-trns", 24, true},
        {"rgba", 24, true},
        {"rgba16", 24, true},
        {"rgb-interlaced", 24, false},
        {"rgba-interlaced", 24, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CxImage image;
        ASSERT_TRUE(decode(testFile(QString::fromLatin1(c.name) + ".png"), image))
            << image.GetLastError().toStdString();
        EXPECT_EQ(image.GetBpp(), c.bpp);
        EXPECT_EQ(image.HasAlpha(), c.alpha);
        EXPECT_EQ(image.GetType(), CXIMAGE_FORMAT_PNG);
        EXPECT_TRUE(SameAsReference(image, readRef(QString::fromLatin1(c.name) + ".pam")));
    }
}

TEST(PngDecoder, PhysicalSizeBecomesDotsPerInch) {
    QByteArray file = testFile("rgb.png");
    // pHYs right after IHDR: 11811 pixels per metre is 300 dpi, 3937 is 100.
    QByteArray phys;
    for (int v : {11811, 3937})
        for (int i = 0; i < 4; ++i) phys += char(v >> (24 - 8 * i));
    phys += char(1);
    file.insert(8 + 25, chunk("pHYs", phys));
    CxImage image;
    ASSERT_TRUE(decode(file, image));
    EXPECT_EQ(image.GetXDPI(), 300);
    EXPECT_EQ(image.GetYDPI(), 100);
}

TEST(PngDecoder, DamagedFilesFailWithReadErrorAndLeaveThePictureAlone) {
    const QByteArray good = testFile("rgba.png");
    CxImage image;
    image.CreateRaster(4, 4, 8, CXIMAGE_FORMAT_GIF);
    auto expectFailure = [&](const QByteArray& file, const char* text) {
        EXPECT_FALSE(decode(file, image));
        EXPECT_EQ(image.GetLastError().toStdString(), text);
        EXPECT_EQ(image.GetWidth(), 4);
        EXPECT_EQ(image.GetType(), CXIMAGE_FORMAT_GIF);
        EXPECT_FALSE(image.HasAlpha());
    };
    expectFailure(QByteArray(), "Read Error");
    expectFailure(testFile("baseline.jpg"), "Read Error");
    for (int cut : {8, 20, 40, int(good.size()) / 2, int(good.size()) - 13}) {
        SCOPED_TRACE(cut);
        expectFailure(good.left(cut), "Read Error");
    }
    QByteArray badCrc = good;
    badCrc[8 + 25 + 10] = char(badCrc[8 + 25 + 10] ^ 0x55);  // inside the first IDAT
    expectFailure(badCrc, "Read Error");

    // A header claiming 900000 x 900000, properly sealed, is refused before decoding.
    QByteArray huge = good;
    for (int at : {16, 20}) {
        huge[at] = 0;
        huge[at + 1] = char(0x0d);
        huge[at + 2] = char(0xbb);
        huge[at + 3] = char(0xa0);
    }
    fixCrc(huge, 8);
    expectFailure(huge, "CXIMAGE_MAX_MEMORY exceeded");

    DecodeOptions small;
    small.maxPixels = 100;
    EXPECT_FALSE(decode(good, image, small));

    image.SetEscape(true);
    expectFailure(good, "Cancelled");
}
