// Which reduced scale a photo is decoded at, and loading at that scale.
#include <gtest/gtest.h>

#include <QImageWriter>

#include "RenderTestSupport.h"
#include "core/AppSettings.h"
#include "image/PhotoImage.h"
#include "layout/PhotoSupply.h"

namespace {

DecodeTarget fitted(int w, int h) {
    DecodeTarget t;
    t.target = PhotoTarget{w, h, false};
    return t;
}

DecodeTarget filling(int w, int h) {
    DecodeTarget t;
    t.target = PhotoTarget{w, h, true};
    return t;
}

}  // namespace

TEST(ScaleChoice, WholePhotosNeedAPixelForEveryDrawnPixelWhicheverWayTheyTurn) {
    // 800 x 600 fitted into 100 x 75 draws 100 x 75: exactly an eighth.
    EXPECT_EQ(chooseDecodeScale(800, 600, fitted(100, 75)), 8);
    // Drawn sizes truncate, so the boundary lies where the drawn width stays 100.
    EXPECT_EQ(chooseDecodeScale(799, 599, fitted(100, 75)), 4);
    // The turned photo (600 x 800) would draw 56 x 75: 600 / 8 = 75 >= 56, 800 / 8 = 100 >= 75.
    EXPECT_EQ(chooseDecodeScale(800, 600, fitted(100, 100)), 8);
    // A frame of the photo's size or larger needs every pixel.
    EXPECT_EQ(chooseDecodeScale(800, 600, fitted(800, 600)), 1);
    EXPECT_EQ(chooseDecodeScale(800, 600, fitted(1600, 1200)), 1);
    EXPECT_EQ(chooseDecodeScale(800, 600, fitted(400, 300)), 2);
    EXPECT_EQ(chooseDecodeScale(800, 600, fitted(402, 301)), 1);
}

TEST(ScaleChoice, SlotsWithoutTheirFitAssumeTheWorstTurnAndCut) {
    // Shorter photo side over the longer slot side.
    EXPECT_EQ(chooseDecodeScale(1600, 1200, filling(100, 150)), 8);
    EXPECT_EQ(chooseDecodeScale(1600, 1200, filling(100, 151)), 4);
    EXPECT_EQ(chooseDecodeScale(1200, 1600, filling(300, 150)), 4);
    EXPECT_EQ(chooseDecodeScale(1200, 1600, filling(1200, 10)), 1);
}

TEST(ScaleChoice, SlotsWithTheirFitFollowTheExactCut) {
    // A 4 x 6 slot of 400 x 600 and a landscape 2400 x 1800 photo: turned to 1800 x 2400,
    // cut to the 4 x 6 shape (1600 x 2400), drawn 400 x 600: a quarter is exactly enough.
    DecodeTarget t = filling(400, 600);
    t.slotFit = SlotFitContext{PrintSizeClasses::of(PrintSizeClass::Print4x6), DiscFlags{}, 5.0, 7.0};
    EXPECT_EQ(chooseDecodeScale(2400, 1800, t), 4);
    // The worst-case bound would only allow a half here.
    DecodeTarget blind = filling(400, 600);
    EXPECT_EQ(chooseDecodeScale(2400, 1800, blind), 2);
    // Cut to 1598 x 2396 and drawn 400 x 599: two columns short of a quarter.
    EXPECT_EQ(chooseDecodeScale(2396, 1800, t), 2);
    // Without auto-crop the whole turned photo is fitted: 1800 x 2400 into 400 x 600
    // draws 400 x 533, and 1800 / 4 = 450 >= 400.
    t.crop.autoCrop = false;
    EXPECT_EQ(chooseDecodeScale(2400, 1800, t), 4);
}

TEST(ScaleChoice, FullResolutionWhenAskedOrWhenSizesAreUnknown) {
    DecodeTarget t = fitted(10, 10);
    t.reducedAllowed = false;
    EXPECT_EQ(chooseDecodeScale(4000, 3000, t), 1);
    EXPECT_EQ(chooseDecodeScale(0, 3000, fitted(10, 10)), 1);
    EXPECT_EQ(chooseDecodeScale(4000, 3000, fitted(0, 10)), 1);
    EXPECT_EQ(chooseDecodeScale(4000, 3000, fitted(-5, 10)), 1);
}

TEST(ScaleChoice, OnlyNeighbourhoodFiltersNeedEveryPixel) {
    AppSettings s;
    EXPECT_FALSE(filtersNeedFullResolution(s));
    s.LightenPhoto = s.DarkenPhoto = s.NegativeImage = 1;
    s.GrayscalePhotos = 1;
    EXPECT_FALSE(filtersNeedFullResolution(s));
    for (int AppSettings::*kernel :
         {&AppSettings::RepairPhoto, &AppSettings::PhotoSharpen, &AppSettings::PhotoSoften,
          &AppSettings::EmbossPhoto, &AppSettings::EdgePhoto}) {
        AppSettings k;
        k.*kernel = 1;
        EXPECT_TRUE(filtersNeedFullResolution(k));
    }
}

class ScaledLoadTest : public TempDirTest {};

TEST_F(ScaledLoadTest, ReportsTheFullSizeAndHoldsTheReducedPixels) {
    // Odd sizes: libjpeg rounds a reduced size up.
    const QString jpg = writeTestPhoto(path("odd.jpg"), 1001, 603, 3);
    ASSERT_FALSE(jpg.isEmpty());
    int asked = 0;
    PhotoImage photo;
    int fw = 0, fh = 0, scale = 0;
    ASSERT_TRUE(photo.LoadFileScaled(
        jpg, [&](int w, int h) { return asked = w * 10000 + h, 4; }, fw, fh, scale));
    EXPECT_EQ(asked, 1001 * 10000 + 603);
    EXPECT_EQ(fw, 1001);
    EXPECT_EQ(fh, 603);
    EXPECT_EQ(scale, 4);
    ASSERT_NE(photo.Raster(), nullptr);
    EXPECT_EQ(photo.Raster()->GetWidth(), 251);
    EXPECT_EQ(photo.Raster()->GetHeight(), 151);
    EXPECT_EQ(photo.FormatName(), QStringLiteral("JPEG"));

    // Scale 1 (or an answer that is no DCT scale) is the ordinary full load.
    for (int answer : {1, 3, 16}) {
        PhotoImage full;
        ASSERT_TRUE(full.LoadFileScaled(
            jpg, [&](int, int) { return answer; }, fw, fh, scale));
        EXPECT_EQ(scale, 1);
        EXPECT_EQ(full.Raster()->GetWidth(), 1001);
        EXPECT_EQ(fw, 1001);
        EXPECT_EQ(fh, 603);
    }
}

TEST_F(ScaledLoadTest, OrientationTagTurnsTheReportedSizeAsAFullLoadDoes) {
    // A camera's portrait shot: landscape pixels and orientation 6 in the EXIF block.
    const QByteArray plain = readFileBytes(writeTestPhoto(path("plain.jpg"), 640, 480, 5));
    const QByteArray tiff("II*\0\x08\0\0\0\x01\0\x12\x01\x03\0\x01\0\0\0\x06\0\0\0\0\0\0\0", 26);
    const QByteArray payload = QByteArray("Exif\0\0", 6) + tiff;
    QByteArray app1("\xff\xe1", 2);
    app1.append(char((payload.size() + 2) >> 8)).append(char((payload.size() + 2) & 0xff)).append(payload);
    writeFile(QStringLiteral("turned.jpg"), plain.left(2) + app1 + plain.mid(2));
    const bool was = PhotoImage::ApplyExifOrientation();
    for (bool apply : {true, false}) {
        PhotoImage::SetApplyExifOrientation(apply);
        PhotoImage full;
        ASSERT_TRUE(full.LoadFile(path("turned.jpg")));
        int w = 0, h = 0;
        full.GetPixelSize(w, h);
        PhotoImage reduced;
        int fw = 0, fh = 0, scale = 0;
        ASSERT_TRUE(reduced.LoadFileScaled(
            path("turned.jpg"), [](int, int) { return 8; }, fw, fh, scale));
        EXPECT_EQ(scale, 8);
        EXPECT_EQ(fw, w) << apply;
        EXPECT_EQ(fh, h) << apply;
        EXPECT_EQ(fw, apply ? 480 : 640);
        EXPECT_EQ(reduced.Raster()->GetWidth(), fw / 8);
        EXPECT_EQ(reduced.Raster()->GetHeight(), fh / 8);
    }
    PhotoImage::SetApplyExifOrientation(was);
}

TEST_F(ScaledLoadTest, EverythingElseLoadsAsLoadFileDoes) {
    const auto loadBoth = [&](const QString& file, int expected) {
        PhotoImage plain;
        const int plainResult = plain.LoadFile(file);
        PhotoImage scaled;
        int fw = -1, fh = -1, scale = 0;
        const int scaledResult = scaled.LoadFileScaled(
            file, [](int, int) { return 8; }, fw, fh, scale);
        EXPECT_EQ(plainResult, expected) << file.toStdString();
        EXPECT_EQ(scaledResult, expected) << file.toStdString();
        if (expected) {
            int w = 0, h = 0;
            plain.GetPixelSize(w, h);
            EXPECT_EQ(fw, w);
            EXPECT_EQ(fh, h);
            EXPECT_EQ(scaled.FormatName(), plain.FormatName());
        }
        return scale;
    };
    // PNG: no DCT scale.
    EXPECT_EQ(loadBoth(writeTestPhoto(path("a.png"), 320, 200, 1), 1), 1);
    // A JPEG under a PNG name fails its decoder and comes through the system path, whole.
    QFile::copy(writeTestPhoto(path("b.jpg"), 320, 200, 2), path("b_really_jpeg.png"));
    EXPECT_EQ(loadBoth(path("b_really_jpeg.png"), 1), 1);
    // Not a picture at all, and a missing file: both fail the same way.
    loadBoth(writeFile(QStringLiteral("c.jpg"), QByteArray("\xff\xd8 not really", 14)), 0);
    loadBoth(path("missing.jpg"), 0);
    // A JPEG cut off inside its image data still loads, reduced, as it does whole.
    const QByteArray whole = readFileBytes(writeTestPhoto(path("d.jpg"), 800, 600, 4));
    EXPECT_EQ(loadBoth(writeFile(QStringLiteral("cut.jpg"), whole.left(whole.size() / 2)), 1), 8);
}
