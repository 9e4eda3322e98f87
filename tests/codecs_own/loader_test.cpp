// Loading by format code: files, memory and our own picture resources.
#include <gtest/gtest.h>

#include <QFile>

#include "CodecTestSupport.h"
#include "image/CxImage.h"
#include "support/TestSupport.h"

namespace {
class CxImageLoad : public TempDirTest {};
const QString kUnknown = QStringLiteral("Decode: Unknown or wrong format");
}  // namespace

TEST_F(CxImageLoad, CodesOutsideTheTableAreRefusedBeforeOpening) {
    // A missing file would say it cannot be opened; refused codes never get that far.
    const QString missing = path("missing.bmp");
    for (int code : {0, 16, 17, 255, -1}) {
        CxImage image;
        EXPECT_FALSE(image.LoadFromFile(missing, code)) << code;
        EXPECT_EQ(image.GetLastError(), kUnknown) << code;
    }
    CxImage image;
    EXPECT_FALSE(image.LoadFromFile(missing, CXIMAGE_FORMAT_BMP));
    EXPECT_NE(image.GetLastError(), kUnknown);
    EXPECT_FALSE(image.GetLastError().isEmpty());
}

TEST_F(CxImageLoad, CodesWithoutADecoderReadTheFileAndFail) {
    const QString file = writeFile("a.bmp", readBytes(codecDataDir() + "/bmp_24.bmp"));
    // 9 and 10 (HEIF, AVIF) have a decoder of their own since phone photos came in.
    for (int code : {5, 11, 15}) {
        CxImage image;
        EXPECT_FALSE(image.LoadFromFile(file, code));
        EXPECT_EQ(image.GetLastError(), kUnknown);
    }
}

TEST_F(CxImageLoad, DispatchesToTheNamedDecoderOnly) {
    const QString bmp = writeFile("photo.bmp", readBytes(codecDataDir() + "/bmp_rle8.bmp"));
    CxImage image;
    ASSERT_TRUE(image.LoadFromFile(bmp, CXIMAGE_FORMAT_BMP)) << image.GetLastError().toStdString();
    EXPECT_EQ(image.GetType(), CXIMAGE_FORMAT_BMP);
    EXPECT_EQ(image.GetWidth(), 19);
    // No detection by content: the same bytes as TGA or PCX fail in that decoder.
    CxImage asTga;
    EXPECT_FALSE(asTga.LoadFromFile(bmp, CXIMAGE_FORMAT_TGA));
    EXPECT_FALSE(asTga.IsValid());
    CxImage asPcx;
    EXPECT_FALSE(asPcx.LoadFromFile(bmp, CXIMAGE_FORMAT_PCX));
    EXPECT_EQ(asPcx.GetLastError(), "Error: Not a PCX file");

    const struct {
        const char* file;
        int code;
    } byCode[] = {{"gif_interlaced.gif", CXIMAGE_FORMAT_GIF},
                  {"tga_p_rle.tga", CXIMAGE_FORMAT_TGA},
                  {"pcx_8bit.pcx", CXIMAGE_FORMAT_PCX}};
    for (const auto& c : byCode) {
        const QByteArray bytes = readBytes(codecDataDir() + "/" + c.file);
        CxImage m;
        ASSERT_TRUE(
            m.LoadFromMemory(reinterpret_cast<const std::uint8_t*>(bytes.constData()), bytes.size(), c.code))
            << c.file;
        EXPECT_EQ(m.GetType(), c.code);
    }
    CxImage none;
    EXPECT_FALSE(none.LoadFromMemory(nullptr, 0, CXIMAGE_FORMAT_GIF));
    EXPECT_FALSE(none.LoadFromMemory(nullptr, 0, 0));
    EXPECT_EQ(none.GetLastError(), kUnknown);
}

TEST_F(CxImageLoad, AFailedLoadKeepsThePreviousPicture) {
    CxImage image;
    ASSERT_TRUE(image.LoadFromFile(writeFile("a.bmp", readBytes(codecDataDir() + "/bmp_24.bmp")), 1));
    const RGBQuad corner = image.ReadColor(0, 0);
    const QString broken = writeFile("b.bmp", readBytes(codecDataDir() + "/bmp_24.bmp").left(100));
    EXPECT_FALSE(image.LoadFromFile(broken, CXIMAGE_FORMAT_BMP));
    EXPECT_EQ(image.GetLastError(), "corrupted BMP");
    ASSERT_TRUE(image.IsValid());
    EXPECT_EQ(image.GetWidth(), 19);
    EXPECT_EQ(image.ReadColor(0, 0), corner);
}

TEST_F(CxImageLoad, HugeFilesAreRefusedWithoutReading) {
    QFile big(path("huge.bmp"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(513ll * 1024 * 1024));  // sparse: nothing is written
    big.close();
    CxImage image;
    EXPECT_FALSE(image.LoadFromFile(big.fileName(), CXIMAGE_FORMAT_BMP));
    EXPECT_EQ(image.GetLastError(), "File too large");
}

TEST_F(CxImageLoad, Resources) {
    CxImage image;
    ASSERT_TRUE(image.LoadFromResource("TEST_BMP", CXIMAGE_FORMAT_BMP)) << image.GetLastError().toStdString();
    EXPECT_EQ(image.GetWidth(), 19);
    EXPECT_EQ(image.GetBpp(), 4);
    CxImage missing;
    EXPECT_FALSE(missing.LoadFromResource("NO_SUCH_PICTURE", CXIMAGE_FORMAT_JPG));
    EXPECT_EQ(missing.GetLastError(), "Unable to load resource!");
    CxImage wrongDecoder;
    EXPECT_FALSE(wrongDecoder.LoadFromResource("TEST_BMP", CXIMAGE_FORMAT_PCX));
    EXPECT_EQ(wrongDecoder.GetLastError(), "Unable to load resource!");
    EXPECT_FALSE(wrongDecoder.IsValid());
}
