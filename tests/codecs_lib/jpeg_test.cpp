// JPEG decoding against djpeg's output (same library, same settings: exact match).
#include <gtest/gtest.h>

#include "RefImage.h"
#include "image/CxImage.h"
#include "image/codecs/Codecs.h"

namespace {

const std::uint8_t* bytes(const QByteArray& b) {
    return reinterpret_cast<const std::uint8_t*>(b.constData());
}

bool decode(const QByteArray& file, CxImage& image, const DecodeOptions& options = {}) {
    return DecodeJpeg(bytes(file), std::size_t(file.size()), image, options);
}

// A 5 x 3 picture, so a failed decode can be seen to leave it alone.
CxImage previousPicture() {
    CxImage image;
    image.CreateRaster(5, 3, 24, CXIMAGE_FORMAT_BMP);
    return image;
}

void expectUntouched(const CxImage& image) {
    EXPECT_EQ(image.GetWidth(), 5);
    EXPECT_EQ(image.GetHeight(), 3);
    EXPECT_EQ(image.GetType(), CXIMAGE_FORMAT_BMP);
}

}  // namespace

TEST(JpegDecoder, MatchesReferenceForEveryColourKind) {
    for (const char* name : {"baseline", "progressive", "cmyk"}) {
        SCOPED_TRACE(name);
        CxImage image;
        ASSERT_TRUE(decode(testFile(QString::fromLatin1(name) + ".jpg"), image))
            << image.GetLastError().toStdString();
        EXPECT_EQ(image.GetBpp(), 24);
        EXPECT_EQ(image.GetType(), CXIMAGE_FORMAT_JPG);
        EXPECT_TRUE(image.GetLastError().isEmpty());
        EXPECT_TRUE(SameAsReference(image, readRef(QString::fromLatin1(name) + ".ppm")));
    }
    CxImage grey;
    ASSERT_TRUE(decode(testFile("grey.jpg"), grey));
    EXPECT_EQ(grey.GetBpp(), 8);
    EXPECT_EQ(grey.GetPaletteColor(200), makeRgb(200, 200, 200));
    EXPECT_TRUE(SameAsReference(grey, readRef("grey.pgm")));
}

TEST(JpegDecoder, DctScalingGivesRoundedUpSizesAndTheLibrarysPixels) {
    const QByteArray file = testFile("big420.jpg");  // 99 x 57
    for (int denom : {1, 2, 4, 8}) {
        SCOPED_TRACE(denom);
        DecodeOptions options;
        options.jpegScaleDenominator = denom;
        CxImage image;
        ASSERT_TRUE(decode(file, image, options));
        EXPECT_EQ(image.GetWidth(), (99 + denom - 1) / denom);
        EXPECT_EQ(image.GetHeight(), (57 + denom - 1) / denom);
        EXPECT_TRUE(SameAsReference(image, readRef(QStringLiteral("big420-s%1.ppm").arg(denom))));
    }
    // Anything but 1, 2, 4 and 8 decodes at full size.
    DecodeOptions odd;
    odd.jpegScaleDenominator = 3;
    CxImage image;
    ASSERT_TRUE(decode(file, image, odd));
    EXPECT_EQ(image.GetWidth(), 99);
}

TEST(JpegDecoder, ExifOrientationIsRecordedAndAppliedOnlyWhenAsked) {
    const RefImage stored = readRef("baseline.ppm");
    for (int o = 1; o <= 8; ++o) {
        SCOPED_TRACE(o);
        const QByteArray file = testFile(QStringLiteral("exif-o%1.jpg").arg(o));
        CxImage asStored;
        ASSERT_TRUE(decode(file, asStored));
        EXPECT_EQ(asStored.GetExifOrientation(), o);
        EXPECT_TRUE(SameAsReference(asStored, stored));

        DecodeOptions upright;
        upright.applyExifOrientation = true;
        CxImage turned;
        turned.SetXDPI(300);
        turned.SetYDPI(72);
        ASSERT_TRUE(decode(file, turned, upright));
        EXPECT_TRUE(SameAsReference(turned, readRef(QStringLiteral("exif-o%1.ppm").arg(o))));
        // No density in the file: the resolution stays, swapped with the axes by a quarter turn.
        EXPECT_EQ(turned.GetXDPI(), o >= 5 ? 72 : 300);
        EXPECT_EQ(turned.GetYDPI(), o >= 5 ? 300 : 72);
    }
}

TEST(JpegDecoder, OrientationWorksAtReducedScale) {
    DecodeOptions options;
    options.applyExifOrientation = true;
    options.jpegScaleDenominator = 8;
    CxImage image;
    ASSERT_TRUE(decode(testFile("exif-o6.jpg"), image, options));
    EXPECT_EQ(image.GetWidth(), 3);  // 23 / 8 rounded up
    EXPECT_EQ(image.GetHeight(), 5);
}

TEST(JpegDecoder, DensityBecomesDotsPerInch) {
    QByteArray file = testFile("baseline.jpg");
    // JFIF APP0: units at byte 13, X and Y density after it.
    ASSERT_EQ(file.mid(6, 5), QByteArray("JFIF\0", 5));
    auto patch = [&](int unit, int x, int y) {
        file[13] = char(unit);
        file[14] = char(x >> 8);
        file[15] = char(x & 0xff);
        file[16] = char(y >> 8);
        file[17] = char(y & 0xff);
    };
    CxImage image;
    patch(1, 300, 150);
    ASSERT_TRUE(decode(file, image));
    EXPECT_EQ(image.GetXDPI(), 300);
    EXPECT_EQ(image.GetYDPI(), 150);
    EXPECT_EQ(image.GetHeader()->biXPelsPerMeter, 11811);
    patch(2, 118, 40);  // dots per centimetre
    ASSERT_TRUE(decode(file, image));
    EXPECT_EQ(image.GetXDPI(), 300);
    EXPECT_EQ(image.GetYDPI(), 102);
}

TEST(JpegDecoder, FailuresLeaveThePictureAloneWithTheirText) {
    CxImage image = previousPicture();
    EXPECT_FALSE(decode(QByteArray(), image));
    EXPECT_EQ(image.GetLastError(), QStringLiteral("No image in jpeg!\n"));
    expectUntouched(image);

    // Only tables, no frame.
    const QByteArray base = testFile("baseline.jpg");
    const int dqt = base.indexOf(QByteArray("\xff\xdb", 2));
    const int dqtLength = (std::uint8_t(base[dqt + 2]) << 8) | std::uint8_t(base[dqt + 3]);
    QByteArray tablesOnly =
        QByteArray("\xff\xd8", 2) + base.mid(dqt, dqtLength + 2) + QByteArray("\xff\xd9", 2);
    EXPECT_FALSE(decode(tablesOnly, image));
    EXPECT_EQ(image.GetLastError(), QStringLiteral("No image in jpeg!\n"));
    expectUntouched(image);

    EXPECT_FALSE(decode(testFile("rgb.png"), image));
    EXPECT_TRUE(image.GetLastError().startsWith(QStringLiteral("Not a JPEG file")))
        << image.GetLastError().toStdString();
    expectUntouched(image);

    // Cut inside the frame header.
    const int sof = base.indexOf(QByteArray("\xff\xc0", 2));
    EXPECT_FALSE(decode(base.left(sof + 6), image));
    EXPECT_FALSE(image.GetLastError().isEmpty());
    expectUntouched(image);
}

TEST(JpegDecoder, RefusesHugeFramesBeforeDecoding) {
    QByteArray file = testFile("baseline.jpg");
    const int sof = file.indexOf(QByteArray("\xff\xc0", 2));
    // Height and width at bytes 5..8 of the frame header: 65500 x 65500.
    file[sof + 5] = char(0xff);
    file[sof + 6] = char(0xdc);
    file[sof + 7] = char(0xff);
    file[sof + 8] = char(0xdc);
    CxImage image = previousPicture();
    EXPECT_FALSE(decode(file, image));
    EXPECT_EQ(image.GetLastError(), QStringLiteral("CXIMAGE_MAX_MEMORY exceeded"));
    expectUntouched(image);

    DecodeOptions small;
    small.maxPixels = 37 * 23 - 1;
    EXPECT_FALSE(decode(testFile("baseline.jpg"), image, small));
    small.maxPixels = 37 * 23;
    EXPECT_TRUE(decode(testFile("baseline.jpg"), image, small));
}

TEST(JpegDecoder, TruncatedDataStillGivesThePartThatArrived) {
    const QByteArray whole = testFile("big420.jpg");
    CxImage image;
    ASSERT_TRUE(decode(whole.left(whole.size() * 2 / 3), image));
    EXPECT_EQ(image.GetWidth(), 99);
    EXPECT_EQ(image.GetHeight(), 57);
    // The top row is there as in the full decode.
    CxImage full;
    ASSERT_TRUE(decode(whole, full));
    EXPECT_TRUE(std::equal(full.GetBits(56), full.GetBits(56) + 99 * 3, image.GetBits(56)));
}

TEST(JpegDecoder, BrokenExifCostsOnlyTheCameraInformation) {
    QByteArray file = testFile("exif-o6.jpg");
    // The first IFD0 entry's format code (after SOI, APP1 header, "Exif\0\0", TIFF header, count).
    const int tiff = 2 + 4 + 6;
    const int firstFormat = tiff + 8 + 2 + 2;
    ASSERT_EQ(file.mid(tiff, 2), QByteArray("MM"));
    file[firstFormat] = 0;
    file[firstFormat + 1] = 99;
    CxImage image;
    DecodeOptions upright;
    upright.applyExifOrientation = true;
    ASSERT_TRUE(decode(file, image, upright));
    EXPECT_EQ(image.GetExifOrientation(), 0);
    EXPECT_TRUE(SameAsReference(image, readRef("baseline.ppm")));
}

TEST(JpegDecoder, EscapeFlagCancels) {
    CxImage image = previousPicture();
    image.SetEscape(true);
    EXPECT_FALSE(decode(testFile("baseline.jpg"), image));
    EXPECT_EQ(image.GetLastError(), QStringLiteral("Cancelled"));
    expectUntouched(image);
}
