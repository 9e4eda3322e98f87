// The snapshot writers: BMP bytes, the DIB-to-RGB conversion of every depth, JPEG.

#include <QFile>
#include <QImage>
#include <cstring>

#include "image/CxImage.h"
#include "output/SnapshotWriters.h"
#include "support/TestSupport.h"

namespace {
std::uint32_t le32(const QByteArray& b, int at) {
    return std::uint8_t(b[at]) | std::uint8_t(b[at + 1]) << 8 | std::uint8_t(b[at + 2]) << 16 |
           std::uint32_t(std::uint8_t(b[at + 3])) << 24;
}

// A bare DIB block: header, `colours` table entries, rows of `stride` bytes.
QByteArray dibBlock(int w, int h, int bits, int colours, int stride, std::uint32_t used = 0) {
    QByteArray b(40 + 4 * colours + stride * h, '\0');
    auto put32 = [&](int at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) b[at + i] = char((v >> (8 * i)) & 0xff);
    };
    put32(0, 40);
    put32(4, std::uint32_t(w));
    put32(8, std::uint32_t(h));
    b[12] = 1;
    b[14] = char(bits);
    put32(32, used);
    return b;
}
const std::uint8_t* bytes(const QByteArray& b) {
    return reinterpret_cast<const std::uint8_t*>(b.constData());
}
}  // namespace

using SnapshotTest = TempDirTest;

TEST_F(SnapshotTest, BmpIsTheFileHeaderAndTheKeptBlockUnchanged) {
    CxImage page;
    ASSERT_TRUE(page.CreateRaster(3, 2, 24, CXIMAGE_FORMAT_BMP));
    page.GetBits(1)[0] = 7;  // blue of the top-left pixel
    const QString file = path(QStringLiteral("page.bmp"));
    ASSERT_TRUE(WriteBmp(page, file));
    const QByteArray b = readFileBytes(file);
    ASSERT_EQ(b.size(), int(page.GetDIBSize()) + 14);
    EXPECT_EQ(b.left(2), QByteArray("BM"));
    EXPECT_EQ(le32(b, 2), std::uint32_t(page.GetDIBSize() + 14));
    EXPECT_EQ(le32(b, 6), 0u);  // both reserved words
    EXPECT_EQ(le32(b, 10), 54u);
    EXPECT_EQ(std::memcmp(b.constData() + 14, page.GetDIB(), page.GetDIBSize()), 0);
    // Any picture reader takes it back the right way up.
    const QImage back(file);
    ASSERT_EQ(back.size(), QSize(3, 2));
    EXPECT_EQ(qBlue(back.pixel(0, 0)), 7);

    CxImage palette;
    ASSERT_TRUE(palette.CreateRaster(4, 4, 8, CXIMAGE_FORMAT_BMP));
    const QByteArray head = bmpFileHeader(palette.GetDIB(), palette.GetDIBSize());
    EXPECT_EQ(le32(head, 10), 54u + 4 * 256);
    EXPECT_FALSE(WriteBmp(CxImage(), path(QStringLiteral("empty.bmp"))));
    EXPECT_FALSE(WriteBmp(page, path(QStringLiteral("no/such/folder/page.bmp"))));
}

TEST(SnapshotRows, EveryDepthBecomesTopDownRgb) {
    int w = 0, h = 0;
    QString error;
    {
        // 24-bit, 2 x 2: stride 8. Bottom row first in the block.
        QByteArray b = dibBlock(2, 2, 24, 0, 8);
        const char bottom[] = {1, 2, 3, 4, 5, 6};
        const char top[] = {10, 20, 30, 40, 50, 60};
        std::memcpy(b.data() + 40, bottom, 6);
        std::memcpy(b.data() + 48, top, 6);
        const QByteArray rgb = dibToRgbRows(bytes(b), std::size_t(b.size()), w, h, error);
        EXPECT_TRUE(error.isEmpty());
        EXPECT_EQ(rgb, QByteArray("\x1e\x14\x0a\x3c\x32\x28\x03\x02\x01\x06\x05\x04", 12));
    }
    {
        // 32-bit rows need no padding: 3 pixels, 12 bytes a row.
        QByteArray b = dibBlock(3, 1, 32, 0, 12);
        b[40 + 8] = 9;    // blue of pixel 3
        b[40 + 10] = 99;  // red of pixel 3
        const QByteArray rgb = dibToRgbRows(bytes(b), std::size_t(b.size()), w, h, error);
        ASSERT_EQ(rgb.size(), 9);
        EXPECT_EQ(rgb[6], char(99));
        EXPECT_EQ(rgb[8], char(9));
    }
    {
        // 16-bit 5-5-5: the five-bit values 0, 1, 2 and 31 become 0, 16, 24 and 255.
        QByteArray b = dibBlock(2, 1, 16, 0, 4);
        const std::uint16_t a = (31 << 10) | (1 << 5) | 0;  // red 31, green 1, blue 0
        const std::uint16_t c = (2 << 10) | (0 << 5) | 31;
        b[40] = char(a & 0xff);
        b[41] = char(a >> 8);
        b[42] = char(c & 0xff);
        b[43] = char(c >> 8);
        const QByteArray rgb = dibToRgbRows(bytes(b), std::size_t(b.size()), w, h, error);
        EXPECT_EQ(rgb, QByteArray("\xff\x10\x00\x18\x00\xff", 6));
    }
    {
        // 1-bit: the high bit is the first pixel; the table holds blue, green, red.
        QByteArray b = dibBlock(9, 1, 1, 2, 4);
        b[40 + 4 + 2] = char(200);  // entry 1 red
        b[48] = char(0x80);         // pixel 0 set
        b[49] = char(0x80);         // pixel 8 set
        const QByteArray rgb = dibToRgbRows(bytes(b), std::size_t(b.size()), w, h, error);
        ASSERT_EQ(rgb.size(), 27);
        EXPECT_EQ(rgb[0], char(200));
        EXPECT_EQ(rgb[3], char(0));
        EXPECT_EQ(rgb[24], char(200));
    }
    {
        // 4-bit with a short table in the header's colours-used: the high nibble first.
        QByteArray b = dibBlock(2, 1, 4, 3, 4, 3);
        b[40 + 8 + 1] = char(77);  // entry 2 green
        b[52] = char(0x20);
        const QByteArray rgb = dibToRgbRows(bytes(b), std::size_t(b.size()), w, h, error);
        ASSERT_EQ(rgb.size(), 6);
        EXPECT_EQ(rgb[1], char(77));
        EXPECT_EQ(rgb[4], char(0));
    }
    {
        QByteArray b = dibBlock(2, 1, 8, 256, 4);
        b[40 + 4 * 5] = char(66);  // entry 5 blue
        b[40 + 1024 + 1] = 5;
        const QByteArray rgb = dibToRgbRows(bytes(b), std::size_t(b.size()), w, h, error);
        EXPECT_EQ(rgb[5], char(66));
    }
    QByteArray odd = dibBlock(2, 2, 12, 0, 8);
    EXPECT_TRUE(dibToRgbRows(bytes(odd), std::size_t(odd.size()), w, h, error).isEmpty());
    EXPECT_EQ(error, QStringLiteral("Invalid bitmap bit count"));
    error.clear();
    QByteArray cut = dibBlock(100, 100, 24, 0, 300).left(500);
    EXPECT_TRUE(dibToRgbRows(bytes(cut), std::size_t(cut.size()), w, h, error).isEmpty());
    EXPECT_EQ(error, QStringLiteral("Invalid input data"));
}

TEST_F(SnapshotTest, JpegWritesTheKeptPageAndNamesItsErrors) {
    CxImage page;
    ASSERT_TRUE(page.CreateRaster(32, 16, 24, CXIMAGE_FORMAT_BMP));
    for (int y = 0; y < 16; ++y) {
        std::uint8_t* row = page.GetBits(y);
        for (int x = 0; x < 32; ++x) {
            // Bottom half red, top half blue.
            row[3 * x] = y >= 8 ? 255 : 0;
            row[3 * x + 2] = y >= 8 ? 0 : 255;
        }
    }
    QString error;
    const QString file = path(QStringLiteral("page.jpg"));
    ASSERT_TRUE(WriteJpeg(page, 95, file, error));
    EXPECT_TRUE(error.isEmpty());
    const QImage back(file);
    ASSERT_EQ(back.size(), QSize(32, 16));
    EXPECT_GT(qBlue(back.pixel(4, 2)), 200);
    EXPECT_LT(qRed(back.pixel(4, 2)), 60);
    EXPECT_GT(qRed(back.pixel(4, 13)), 200);

    EXPECT_FALSE(WriteJpeg(page, 101, file, error));
    EXPECT_EQ(error, QStringLiteral("Invalid input data"));
    EXPECT_FALSE(WriteJpeg(CxImage(), 90, file, error));
    EXPECT_EQ(error, QStringLiteral("Invalid input data"));
    const QString nowhere = path(QStringLiteral("missing/page.jpg"));
    EXPECT_FALSE(WriteJpeg(page, 90, nowhere, error));
    EXPECT_EQ(error, QStringLiteral("Cannot open ") + nowhere);
    // The good file from before is still whole.
    EXPECT_EQ(QImage(file).size(), QSize(32, 16));
}
