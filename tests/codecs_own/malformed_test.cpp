// Crafted, truncated and cancelled input: every decoder fails with its own text,
// never touches memory it does not own, and leaves the caller's picture as it was.
#include <gtest/gtest.h>

#include <QDir>
#include <QtEndian>
#include <cstring>

#include "CodecTestSupport.h"
#include "image/CxImage.h"
#include "image/codecs/Codecs.h"

namespace {

void put16(QByteArray& b, int at, int v) {
    qToLittleEndian<quint16>(quint16(v), b.data() + at);
}
void put32(QByteArray& b, int at, qint64 v) {
    qToLittleEndian<quint32>(quint32(v), b.data() + at);
}

// A BMP with a 40-byte header and the given fields; pixel bytes zero.
QByteArray bmp(int width, int height, int bpp, int compression, int pixelBytes, int colours = 0) {
    const int palette = (bpp <= 8 ? (colours ? colours : 1 << bpp) : 0) * 4;
    QByteArray b(14 + 40 + palette + pixelBytes, '\0');
    b[0] = 'B';
    b[1] = 'M';
    put32(b, 2, b.size());
    put32(b, 10, 14 + 40 + palette);
    put32(b, 14, 40);
    put32(b, 18, width);
    put32(b, 22, height);
    put16(b, 26, 1);
    put16(b, 28, bpp);
    put32(b, 30, compression);
    put32(b, 46, colours);
    return b;
}

QByteArray tga(int type, int bits, int width, int height, int mapLength = 0, int mapBits = 0) {
    QByteArray b(18, '\0');
    b[1] = char(mapLength ? 1 : 0);
    b[2] = char(type);
    put16(b, 5, mapLength);
    b[7] = char(mapBits);
    put16(b, 12, width);
    put16(b, 14, height);
    b[16] = char(bits);
    b.append(QByteArray(mapLength * ((mapBits + 7) / 8), '\x40'));
    return b;
}

QByteArray pcx(int bits, int planes, int width, int height, int bytesPerLine) {
    QByteArray b(128, '\0');
    b[0] = 10;
    b[1] = 5;
    b[2] = 1;
    b[3] = char(bits);
    put16(b, 8, width - 1);
    put16(b, 10, height - 1);
    b[65] = char(planes);
    put16(b, 66, bytesPerLine);
    return b;
}

QByteArray gifHeader(int width, int height) {
    QByteArray b("GIF89a", 6);
    b.append(QByteArray(7, '\0'));
    put16(b, 6, width);
    put16(b, 8, height);
    b[10] = char(0x80);  // two-entry global table
    b.append(QByteArray("\0\0\0\xff\xff\xff", 6));
    return b;
}

std::string decodeError(const char* ext, const QByteArray& bytes) {
    CxImage image;
    if (decodeByExtension(QString("x.") + ext, bytes, image)) return "(decoded)";
    EXPECT_FALSE(image.IsValid());
    return image.GetLastError().toStdString();
}

}  // namespace

TEST(CodecFailures, BmpTexts) {
    EXPECT_EQ(decodeError("bmp", QByteArray("\x89PNG\r\n\x1a\n0000000000000000000000000000000000000", 45)),
              "Not a BMP");
    QByteArray badHeader = bmp(4, 4, 24, 0, 64);
    put32(badHeader, 14, 7);
    EXPECT_EQ(decodeError("bmp", badHeader), "Error reading BMP info");
    EXPECT_EQ(decodeError("bmp", bmp(4, 4, 3, 0, 64)), "Error reading BMP info");
    EXPECT_EQ(decodeError("bmp", bmp(0, 4, 24, 0, 64)), "Error reading BMP info");
    EXPECT_EQ(decodeError("bmp", bmp(4, 4, 24, 9, 64)), "unknown compression");
    EXPECT_EQ(decodeError("bmp", bmp(4, 4, 24, 4, 64)), "compression type not supported");  // embedded JPEG
    EXPECT_EQ(decodeError("bmp", bmp(4, 4, 4, 1, 64)), "compression type not supported");   // RLE8 at 4 bits
    EXPECT_EQ(decodeError("bmp", bmp(4, 4, 24, 3, 64)),
              "compression type not supported");  // masks at 24 bits
    // A short RLE file that claims a picture beyond the memory ceiling.
    EXPECT_EQ(decodeError("bmp", bmp(70000, 70000, 8, 1, 8)), "Can't allocate memory");
    // Rows that are not there.
    EXPECT_EQ(decodeError("bmp", bmp(100, 100, 24, 0, 1000)), "corrupted BMP");
    // An RLE stream that ends before the picture does.
    QByteArray rle = bmp(4, 4, 8, 1, 4);
    rle.replace(rle.size() - 4, 4, QByteArray("\x04\x01\x00\x00", 4));
    EXPECT_EQ(decodeError("bmp", rle), "corrupted BMP");
}

TEST(CodecFailures, BmpQuirksDecodeSafely) {
    // Runs, literal groups and moves that overshoot the row or the picture are clipped.
    QByteArray rle = bmp(3, 2, 8, 1, 0);
    rle.append(
        QByteArray("\xff\x07"                          // a run far past the row end
                   "\x00\x02\x05\x00"                  // move right beyond the row
                   "\x00\x05\x01\x02\x03\x04\x05\x00"  // literal past the row end, padded
                   "\x00\x02\x00\x09"                  // move up beyond the picture
                   ,
                   18));
    CxImage image;
    ASSERT_TRUE(decodeByExtension("x.bmp", rle, image)) << image.GetLastError().toStdString();
    EXPECT_EQ(image.GetPixelIndex(0, 0), 7);
    EXPECT_EQ(image.GetPixelIndex(2, 0), 7);
    // Resolution in pixels per metre becomes dpi; a file that states none keeps 96.
    QByteArray withDpi = bmp(1, 1, 24, 0, 4);
    put32(withDpi, 38, 11811);
    put32(withDpi, 42, 3780);
    ASSERT_TRUE(decodeByExtension("x.bmp", withDpi, image));
    EXPECT_EQ(image.GetXDPI(), 300);
    EXPECT_EQ(image.GetYDPI(), 96);
    ASSERT_TRUE(decodeByExtension("x.bmp", bmp(1, 1, 24, 0, 4), image));
    EXPECT_EQ(image.GetXDPI(), 96);
    EXPECT_EQ(image.GetHeader()->biXPelsPerMeter, 3780);
    // A bare information header without the file header is read as well.
    QByteArray bare = bmp(1, 1, 24, 0, 4).mid(14);
    bare[40] = char(0x11);
    ASSERT_TRUE(decodeByExtension("x.bmp", bare, image));
    EXPECT_EQ(image.ReadColor(0, 0).blue, 0x11);
}

// Bit fields: 4-bit channels widen as v * 17 (15 is white, 8 is 136, not 128), and masks
// that are all zero mean the plain layout, 5-5-5 or 8-8-8, rather than a black picture.
TEST(CodecFailures, BmpBitFieldsWidenAndDefault) {
    struct Case {
        const char* what;
        int headerSize;  // 40: masks follow the header; 108: masks inside it
        int bpp;
        std::uint32_t masks[3];
        std::uint32_t pixel;
        int red, green, blue;
    };
    const Case cases[] = {
        {"4-4-4 in a version 4 header", 108, 16, {0x0f00, 0x00f0, 0x000f}, 0x0f84, 255, 136, 68},
        {"4-4-4 after the header", 40, 16, {0x0f00, 0x00f0, 0x000f}, 0x0801, 136, 0, 17},
        {"16 bits, zero masks", 40, 16, {0, 0, 0}, 0x7c1f, 255, 0, 255},
        {"16 bits, zero masks, mid grey", 40, 16, {0, 0, 0}, 0x4210, 131, 131, 131},
        {"32 bits, zero masks", 40, 32, {0, 0, 0}, 0x44030201, 3, 2, 1},
        {"32 bits, zero masks, inside the header", 108, 32, {0, 0, 0}, 0x00c08040, 0xc0, 0x80, 0x40},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const int masksAfter = c.headerSize == 40 ? 12 : 0;
        const int pixels = 14 + c.headerSize + masksAfter;
        QByteArray b(pixels + 4, '\0');
        b[0] = 'B';
        b[1] = 'M';
        put32(b, 2, b.size());
        put32(b, 10, pixels);
        put32(b, 14, c.headerSize);
        put32(b, 18, 1);
        put32(b, 22, 1);
        put16(b, 26, 1);
        put16(b, 28, c.bpp);
        put32(b, 30, 3);  // bit fields
        for (int i = 0; i < 3; ++i) put32(b, 54 + 4 * i, c.masks[i]);
        put32(b, pixels, c.pixel);
        CxImage image;
        ASSERT_TRUE(decodeByExtension("x.bmp", b, image)) << image.GetLastError().toStdString();
        const RGBQuad got = image.ReadColor(0, 0);
        EXPECT_EQ(got.red, c.red);
        EXPECT_EQ(got.green, c.green);
        EXPECT_EQ(got.blue, c.blue);
    }
}

TEST(CodecFailures, GifTexts) {
    EXPECT_EQ(decodeError("gif", QByteArray("GIF7")), "Not a GIF");
    EXPECT_EQ(decodeError("gif", QByteArray("BM")), "Not a GIF");
    EXPECT_EQ(decodeError("gif", gifHeader(2, 2) + ";"), "No image in GIF");
    EXPECT_EQ(decodeError("gif", gifHeader(2, 2) + "!"), "corrupted GIF");
    EXPECT_EQ(decodeError("gif", gifHeader(2, 2) + "x"), "corrupted GIF");
    QByteArray desc(10, '\0');
    desc[0] = ',';
    put16(desc, 5, 2);
    put16(desc, 7, 2);
    // Code size 9 is beyond what any pixel can hold.
    EXPECT_EQ(decodeError("gif", gifHeader(2, 2) + desc + QByteArray("\x09\x01\x00\x00", 4)),
              "corrupted GIF");
    // The first code after a clear must be a pixel: 5 (with code size 2) is not yet defined.
    EXPECT_EQ(decodeError("gif", gifHeader(2, 2) + desc + QByteArray("\x02\x01\x34\x00", 4)),
              "corrupted GIF");
    // Cut off inside the picture data.
    EXPECT_EQ(decodeError("gif", gifHeader(2, 2) + desc + QByteArray("\x02\x05\x84", 3)), "corrupted GIF");
}

TEST(CodecFailures, GifStreamEndingEarlyKeepsWhatDecoded) {
    QByteArray desc(10, '\0');
    desc[0] = ',';
    put16(desc, 5, 2);
    put16(desc, 7, 2);
    // Clear (4), pixel 1, end (5): one pixel, then a properly closed stream.
    CxImage image;
    ASSERT_TRUE(
        decodeByExtension("x.gif", gifHeader(2, 2) + desc + QByteArray("\x02\x02\x4c\x01\x00;", 6), image))
        << image.GetLastError().toStdString();
    EXPECT_EQ(image.GetPixelIndex(0, 1), 1);  // top-left
    EXPECT_EQ(image.GetPixelIndex(1, 1), 0);
}

TEST(CodecFailures, GifCannotClaimVastPicturesWithFewBytes) {
    const QByteArray data("\x02\x02\x4c\x01\x00;", 6);
    QByteArray desc(10, '\0');
    desc[0] = ',';
    put16(desc, 5, 40000);
    put16(desc, 7, 3000);
    EXPECT_EQ(decodeError("gif", gifHeader(40000, 3000) + desc + data), "corrupted GIF");
    // A vast screen around a small frame: the frame alone is the picture.
    put16(desc, 5, 2);
    put16(desc, 7, 2);
    CxImage image;
    ASSERT_TRUE(decodeByExtension("x.gif", gifHeader(60000, 60000) + desc + data, image));
    EXPECT_EQ(image.GetWidth(), 2);
    EXPECT_EQ(image.GetHeight(), 2);
    // A modest screen is kept, the frame placed on it.
    put16(desc, 1, 3);
    ASSERT_TRUE(decodeByExtension("x.gif", gifHeader(8, 4) + desc + data, image));
    EXPECT_EQ(image.GetWidth(), 8);
    EXPECT_EQ(image.GetPixelIndex(3, 3), 1);
}

TEST(CodecFailures, TgaTexts) {
    EXPECT_EQ(decodeError("tga", QByteArray(10, '\0')), "Not a TGA");
    QByteArray mapType = tga(2, 24, 1, 1);
    mapType[1] = 2;
    EXPECT_EQ(decodeError("tga", mapType), "Not a TGA");
    EXPECT_EQ(decodeError("tga", tga(4, 24, 1, 1)), "Unknown TGA image type");
    EXPECT_EQ(decodeError("tga", tga(32, 24, 1, 1)), "Unknown TGA image type");
    EXPECT_EQ(decodeError("tga", tga(2, 12, 1, 1)), "bad TGA header");
    EXPECT_EQ(decodeError("tga", tga(2, 24, 0, 1)), "bad TGA header");
    EXPECT_EQ(decodeError("tga", tga(1, 8, 1, 1)), "bad TGA header");           // no colour map
    EXPECT_EQ(decodeError("tga", tga(1, 8, 1, 1, 257, 24)), "bad TGA header");  // map too long
    EXPECT_EQ(decodeError("tga", tga(3, 16, 1, 1)), "bad TGA header");
    EXPECT_EQ(decodeError("tga", tga(2, 24, 4, 4) + QByteArray(47, '\0')), "corrupted TGA");
    // Run-length data that ends early.
    EXPECT_EQ(decodeError("tga", tga(11, 8, 4, 4) + QByteArray("\x83\x01\x83", 3)), "corrupted TGA");
    // Enough run-length packets for a picture beyond the memory ceiling.
    QByteArray huge = tga(11, 8, 65535, 65535);
    huge.append(QByteArray(qsizetype((65535ll * 65535 + 127) / 128 * 2), '\xff'));
    EXPECT_EQ(decodeError("tga", huge), "TGA Create failed");
}

TEST(CodecFailures, TgaIndexesBeyondTheMapAreBlack) {
    // A two-entry map starting at index 1: index 1 is its first entry, 0 and 9 have none.
    QByteArray b = tga(1, 8, 3, 1, 2, 24);
    b[3] = 1;
    b.append(QByteArray("\x01\x09\x00", 3));
    CxImage image;
    ASSERT_TRUE(decodeByExtension("x.tga", b, image)) << image.GetLastError().toStdString();
    EXPECT_EQ(image.ReadColor(0, 0), makeRgb(0x40, 0x40, 0x40));
    EXPECT_EQ(image.ReadColor(1, 0), makeRgb(0, 0, 0));
    EXPECT_EQ(image.ReadColor(2, 0), makeRgb(0, 0, 0));
}

TEST(CodecFailures, PcxTexts) {
    EXPECT_EQ(decodeError("pcx", QByteArray(100, '\0')), "Can't read PCX image");
    QByteArray notPcx = pcx(8, 1, 2, 2, 2);
    notPcx[0] = 11;
    EXPECT_EQ(decodeError("pcx", notPcx), "Error: Not a PCX file");
    QByteArray encoding = pcx(8, 1, 2, 2, 2);
    encoding[2] = 0;
    EXPECT_EQ(decodeError("pcx", encoding), "PCX file has unknown encoding scheme");
    EXPECT_EQ(decodeError("pcx", pcx(1, 5, 2, 2, 2)), "Can't handle image with more than 4 planes");
    EXPECT_EQ(decodeError("pcx", pcx(16, 1, 2, 2, 4)), "Can't handle more than 1 bit per pixel");
    EXPECT_EQ(decodeError("pcx", pcx(8, 3, 2, 2, 2)), "Can't handle packed pixels with more than 1 plane.");
    QByteArray palette = pcx(8, 1, 2, 2, 2) + QByteArray("\x01\x02\x03\x04", 4) + QByteArray(769, '\0');
    EXPECT_EQ(decodeError("pcx", palette), "bad color map signature");
    EXPECT_EQ(decodeError("pcx", pcx(8, 1, 2, 2, 2) + QByteArray(20, '\0')), "bad color map signature");
    // 2 x 2 at one byte a line is 2 bytes; a run of 3 overshoots.
    EXPECT_EQ(decodeError("pcx", pcx(1, 1, 2, 2, 1) + QByteArray("\xc3\x00", 2)),
              "repeat count spans end of image");
    EXPECT_EQ(decodeError("pcx", pcx(1, 1, 2, 2, 1) + QByteArray("\x00", 1)), "corrupted PCX");
    EXPECT_EQ(decodeError("pcx", pcx(1, 1, 20, 2, 1) + QByteArray("\x00\x00", 2)), "corrupted PCX");
    // Enough coded bytes for a picture beyond the memory ceiling.
    QByteArray huge = pcx(1, 1, 65535, 65535, 8192);
    huge.append(QByteArray(qsizetype(8192ll * 65535 / 32 + 2), '\0'));
    EXPECT_EQ(decodeError("pcx", huge), "Can't allocate memory");
}

// Cutting any sample short never reads or writes outside the buffers (the sanitizer
// build checks that). A cut file either fails, leaving the caller's picture as it
// was, or lost only bytes after the pixels (a trailer, the last row's padding) and
// decodes to the whole picture.
TEST(CodecFailures, TruncatedSamplesFailAndLeaveThePictureAlone) {
    const QStringList samples = codecSamples();
    ASSERT_FALSE(samples.isEmpty());
    CxImage keep;
    ASSERT_TRUE(decodeByExtension("k.bmp", readBytes(codecDataDir() + "/bmp_24.bmp"), keep));
    for (const QString& sample : samples) {
        SCOPED_TRACE(sample.toStdString());
        const QByteArray bytes = readBytes(sample);
        CxImage whole;
        ASSERT_TRUE(decodeByExtension(sample, bytes, whole));
        int failures = 0;
        for (qsizetype cut = 0; cut < bytes.size(); ++cut) {
            CxImage image = keep;
            const bool ok = decodeByExtension(
                sample, reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(cut), image);
            const CxImage& expected = ok ? whole : keep;
            if (!ok) {
                ++failures;
                EXPECT_FALSE(image.GetLastError().isEmpty());
            }
            ASSERT_EQ(image.GetDIBSize(), expected.GetDIBSize()) << "cut at " << cut;
            ASSERT_EQ(0, std::memcmp(image.GetDIB(), expected.GetDIB(), expected.GetDIBSize()))
                << "cut at " << cut;
        }
        EXPECT_GE(failures, bytes.size() / 2);
    }
}

TEST(CodecFailures, EscapeFlagCancels) {
    for (const QString& sample : codecSamples()) {
        SCOPED_TRACE(sample.toStdString());
        CxImage image;
        image.SetEscape(true);
        EXPECT_FALSE(decodeByExtension(sample, readBytes(sample), image));
        EXPECT_EQ(image.GetLastError(), "Cancelled");
        EXPECT_FALSE(image.IsValid());
    }
}

// Inputs the fuzzers once broke: each must decode or fail without harm.
TEST(CodecFailures, FuzzRegressionFilesAreHandled) {
    const QDir dir(codecDataDir() + "/regress");
    for (const QString& name : dir.entryList(QDir::Files)) {
        SCOPED_TRACE(name.toStdString());
        CxImage image;
        if (!decodeByExtension(name, readBytes(dir.filePath(name)), image)) {
            EXPECT_FALSE(image.GetLastError().isEmpty());
            EXPECT_FALSE(image.IsValid());
        }
    }
}
