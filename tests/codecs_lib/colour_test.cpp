// Embedded colour profiles: pictures come out in sRGB as Pillow's ImageCms (Little CMS)
// converts them; untagged and sRGB pictures stay exactly as decoded.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <functional>

#include "RefImage.h"
#include "image/CxImage.h"
#include "image/PhotoImage.h"
#include "image/codecs/Codecs.h"
#include "image/codecs/ColorProfile.h"

namespace {

using Decoder = bool (*)(const std::uint8_t*, std::size_t, CxImage&, const DecodeOptions&);

Decoder decoderFor(const QString& name) {
    if (name.endsWith(".jpg")) return DecodeJpeg;
    if (name.endsWith(".png")) return DecodePng;
    if (name.endsWith(".tif")) return DecodeTiff;
    return DecodeHeif;
}

bool decode(const QString& name, CxImage& image, bool colorManage, int scale = 1) {
    const QByteArray file = testFile(name);
    DecodeOptions options;
    options.colorManage = colorManage;
    options.jpegScaleDenominator = scale;
    return decoderFor(name)(reinterpret_cast<const std::uint8_t*>(file.constData()), std::size_t(file.size()),
                            image, options);
}

bool sameDib(const CxImage& a, const CxImage& b) {
    return a.GetDIBSize() == b.GetDIBSize() &&
           std::equal(a.GetDIB(), a.GetDIB() + a.GetDIBSize(), b.GetDIB());
}

// A JPEG made of the given sections (marker, payload) and nothing else.
QByteArray jpegWith(const std::vector<std::pair<int, QByteArray>>& sections) {
    QByteArray b("\xff\xd8", 2);
    for (const auto& [marker, payload] : sections) {
        b += char(0xff);
        b += char(marker);
        b += char((payload.size() + 2) >> 8);
        b += char((payload.size() + 2) & 0xff);
        b += payload;
    }
    return b + QByteArray("\xff\xda", 2);
}

QByteArray iccPiece(int sequence, int count, const QByteArray& bytes) {
    return QByteArray("ICC_PROFILE\0", 12) + char(sequence) + char(count) + bytes;
}

}  // namespace

TEST(ColourProfiles, ConvertToSrgbAsImageCmsDoes) {
    struct Case {
        const char* file;
        int bpp;
    };
    // Adobe RGB, ProPhoto and sRGB profiles in JPEG, PNG (also a palette one), TIFF and
    // HEIC; a grey profile on a grey JPEG; Display P3 described by an AVIF's nclx box.
    const Case cases[] = {{"jpeg-adobe.jpg", 24}, {"jpeg-prophoto.jpg", 24}, {"jpeg-srgb.jpg", 24},
                          {"jpeg-grey18.jpg", 8}, {"png-prophoto.png", 24},  {"png-adobe-palette.png", 8},
                          {"tiff-adobe.tif", 24}, {"heic-adobe.heic", 24},   {"avif-p3.avif", 24}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        CxImage image;
        ASSERT_TRUE(decode(QString::fromLatin1(c.file), image, true)) << image.GetLastError().toStdString();
        EXPECT_EQ(image.GetBpp(), c.bpp);
        const QString expected = QString::fromLatin1(c.file).section('.', 0, 0) + ".srgb.ppm";
        EXPECT_TRUE(SameAsReference(image, readRef(expected), 1));
    }
    // The photo of the report: Adobe RGB (60, 150, 90) shows as about (0, 151, 84).
    CxImage tiff;
    ASSERT_TRUE(decode("tiff-adobe.tif", tiff, true));
    const RGBQuad c = tiff.ReadColor(2, tiff.GetHeight() - 1 - 2);
    EXPECT_EQ(c.red, 0);
    EXPECT_NEAR(c.green, 151, 1);
    EXPECT_NEAR(c.blue, 84, 2);
}

TEST(ColourProfiles, UntaggedAndSrgbPicturesStayByteForByte) {
    for (const char* file : {"jpeg-srgb.jpg", "baseline.jpg", "grey.jpg", "rgb.png", "palette-8.png",
                             "rgb-strips.tif", "heic-rgb.heic", "avif-rgb.avif"}) {
        SCOPED_TRACE(file);
        CxImage managed, plain;
        ASSERT_TRUE(decode(QString::fromLatin1(file), managed, true));
        ASSERT_TRUE(decode(QString::fromLatin1(file), plain, false));
        EXPECT_TRUE(sameDib(managed, plain));
    }
    // Without the conversion a tagged picture is exactly what djpeg sees in it.
    const QByteArray stored = testFile("jpeg-adobe.jpg");
    CxImage adobe;
    ASSERT_TRUE(decode("jpeg-adobe.jpg", adobe, false));
    EXPECT_TRUE(SameAsReference(adobe, readRef("jpeg-adobe.ppm")));

    // A profile Little CMS cannot read costs nothing but the conversion.
    QByteArray broken = stored;
    const int magic = broken.indexOf("acsp");
    ASSERT_GT(magic, 0);
    broken[magic] = 'x';
    CxImage fromBroken;
    DecodeOptions options;
    options.colorManage = true;
    ASSERT_TRUE(DecodeJpeg(reinterpret_cast<const std::uint8_t*>(broken.constData()),
                           std::size_t(broken.size()), fromBroken, options));
    EXPECT_TRUE(sameDib(fromBroken, adobe));
}

TEST(ColourProfiles, TheSettingAndTheReducedScaleLoad) {
    const QString path = QStringLiteral(SNAPVALE_TEST_DATA "/codecs_lib/jpeg-adobe.jpg");
    const bool was = PhotoImage::ColorManagePhotos();
    ASSERT_TRUE(was);  // on unless switched off
    struct Case {
        bool managed;
        int scale;
        const char* reference;
        int tolerance;
    };
    const Case cases[] = {{true, 1, "jpeg-adobe.srgb.ppm", 1},
                          {true, 2, "jpeg-adobe-s2.srgb.ppm", 1},
                          {false, 1, "jpeg-adobe.ppm", 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reference);
        PhotoImage::SetColorManagePhotos(c.managed);
        PhotoImage photo;
        int w = 0, h = 0, scale = 0;
        ASSERT_TRUE(photo.LoadFileScaled(
            path, [&](int, int) { return c.scale; }, w, h, scale));
        EXPECT_EQ(scale, c.scale);
        EXPECT_EQ(w, 32);
        ASSERT_TRUE(photo.Raster());
        EXPECT_TRUE(SameAsReference(*photo.Raster(), readRef(QString::fromLatin1(c.reference)), c.tolerance));
        // The ordinary load agrees at full scale.
        if (c.scale == 1) {
            PhotoImage plain;
            ASSERT_TRUE(plain.LoadFile(path));
            EXPECT_TRUE(sameDib(*plain.Raster(), *photo.Raster()));
        }
    }
    PhotoImage::SetColorManagePhotos(was);
}

TEST(ColourProfiles, JpegProfilePiecesArePutBackInOrder) {
    const QByteArray a("first-", 6), b("second", 6);
    struct Case {
        const char* what;
        std::vector<std::pair<int, QByteArray>> sections;
        QByteArray profile;  // empty: none
    };
    const Case cases[] = {
        {"one piece", {{0xE2, iccPiece(1, 1, a)}}, a},
        {"two, stored backwards",
         {{0xE2, iccPiece(2, 2, b)}, {0xE0, "JFIF"}, {0xE2, iccPiece(1, 2, a)}},
         a + b},
        {"a piece missing", {{0xE2, iccPiece(1, 2, a)}}, {}},
        {"a piece twice", {{0xE2, iccPiece(1, 2, a)}, {0xE2, iccPiece(1, 2, b)}}, {}},
        {"counts disagree", {{0xE2, iccPiece(1, 2, a)}, {0xE2, iccPiece(2, 3, b)}}, {}},
        {"number zero", {{0xE2, iccPiece(0, 1, a)}}, {}},
        {"another APP2", {{0xE2, "FPXR\0junk"}}, {}},
        {"no bytes in it", {{0xE2, iccPiece(1, 1, {})}}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QByteArray jpeg = jpegWith(c.sections);
        std::vector<std::uint8_t> profile;
        const bool found = codecs::ReadJpegIccProfile(reinterpret_cast<const std::uint8_t*>(jpeg.constData()),
                                                      std::size_t(jpeg.size()), profile);
        EXPECT_EQ(found, !c.profile.isEmpty());
        EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(profile.data()), int(profile.size())), c.profile);
    }
}
