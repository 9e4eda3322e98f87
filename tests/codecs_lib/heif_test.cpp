// HEIC and AVIF through libheif: files heif-enc made from a known picture, their turns
// and mirrors under the orientation switch, and damaged or lying files.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>

#include "RefImage.h"
#include "image/CxImage.h"
#include "image/PhotoImage.h"
#include "image/codecs/Codecs.h"
#include "image/codecs/HeaderSize.h"

namespace {

bool decode(const QByteArray& file, CxImage& image, const DecodeOptions& options = {}) {
    return DecodeHeif(reinterpret_cast<const std::uint8_t*>(file.constData()), std::size_t(file.size()),
                      image, options);
}

DecodeOptions oriented(bool on) {
    DecodeOptions o;
    o.applyExifOrientation = on;
    return o;
}

// Lossy codecs: every channel (alpha too, where the reference has it) within
// maxError, and the mean difference within meanError.
::testing::AssertionResult NearReference(const CxImage& image, const RefImage& ref, int maxError,
                                         double meanError) {
    if (ref.samples.empty()) return ::testing::AssertionFailure() << "reference missing";
    if (image.GetWidth() != ref.width || image.GetHeight() != ref.height)
        return ::testing::AssertionFailure() << "size " << image.GetWidth() << "x" << image.GetHeight()
                                             << ", reference " << ref.width << "x" << ref.height;
    if (ref.hasAlpha != image.HasAlpha()) return ::testing::AssertionFailure() << "alpha plane differs";
    int worst = 0;
    double sum = 0;
    int n = 0;
    for (int y = 0; y < ref.height; ++y)
        for (int x = 0; x < ref.width; ++x) {
            const RGBQuad got = image.ReadColor(x, image.GetHeight() - 1 - y);
            const RGBQuad want = ref.color(x, y);
            int d[4] = {got.red - want.red, got.green - want.green, got.blue - want.blue,
                        ref.hasAlpha ? got.reserved - want.reserved : 0};
            for (int c = 0; c < 4; ++c) {
                worst = std::max(worst, std::abs(d[c]));
                sum += std::abs(d[c]);
            }
            n += ref.hasAlpha ? 4 : 3;
        }
    if (worst > maxError || sum / n > meanError)
        return ::testing::AssertionFailure() << "largest difference " << worst << ", mean " << sum / n;
    return ::testing::AssertionSuccess();
}

// Where a four-letter box type first occurs in a file (its size is the four bytes before).
int boxAt(const QByteArray& file, const char* type, int from = 0) {
    const int at = file.indexOf(type, from);
    return at >= 4 ? at - 4 : -1;
}

void put32be(QByteArray& b, int at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = char(v >> (24 - 8 * i));
}

}  // namespace

TEST(HeifDecoder, MatchesTheSourcePictureWithinTheCodecsLoss) {
    struct Case {
        const char* file;
        const char* reference;
        int format;
        int maxError;
        double meanError;
    };
    // Chroma at half resolution (as phones write it) smears the red block's edges.
    const Case cases[] = {
        {"heic-rgb.heic", "heif-source.ppm", CXIMAGE_FORMAT_HEIF, 100, 4.5},
        {"heic-444.heic", "heif-source.ppm", CXIMAGE_FORMAT_HEIF, 8, 1.5},
        {"avif-rgb.avif", "heif-source.ppm", CXIMAGE_FORMAT_AVIF, 8, 1.5},
        {"avif-alpha.avif", "heif-source-alpha.pam", CXIMAGE_FORMAT_AVIF, 8, 1.5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        CxImage image;
        ASSERT_TRUE(decode(testFile(QString::fromLatin1(c.file)), image))
            << image.GetLastError().toStdString();
        EXPECT_EQ(image.GetType(), c.format);
        EXPECT_EQ(image.GetBpp(), 24);
        EXPECT_TRUE(image.GetLastError().isEmpty());
        EXPECT_TRUE(NearReference(image, readRef(QString::fromLatin1(c.reference)), c.maxError, c.meanError));
    }
}

TEST(HeifDecoder, TurnsAndMirrorsFollowTheOrientationSwitch) {
    struct Case {
        const char* file;
        int orientation;  // as EXIF numbers it
    };
    const Case cases[] = {{"heic-o2.heic", 2}, {"heic-o3.heic", 3}, {"heic-o4.heic", 4}, {"heic-o5.heic", 5},
                          {"heic-o6.heic", 6}, {"heic-o7.heic", 7}, {"heic-o8.heic", 8}, {"avif-o6.avif", 6}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const QByteArray file = testFile(QString::fromLatin1(c.file));
        CxImage upright, stored;
        ASSERT_TRUE(decode(file, upright, oriented(true)));
        EXPECT_TRUE(NearReference(upright, readRef(QStringLiteral("heif-source-o%1.ppm").arg(c.orientation)),
                                  8, 1.5));
        // Switched off, the pixels stay as the file stores them.
        ASSERT_TRUE(decode(file, stored, oriented(false)));
        EXPECT_TRUE(NearReference(stored, readRef("heif-source.ppm"), 8, 1.5));
    }
}

TEST(HeifDecoder, DamagedAndLyingFilesFailAndLeaveThePicture) {
    CxImage image;
    image.CreateRaster(4, 4, 8, CXIMAGE_FORMAT_GIF);
    auto expectFailure = [&](const QByteArray& file, const char* text, const DecodeOptions& options = {}) {
        EXPECT_FALSE(decode(file, image, options));
        EXPECT_EQ(image.GetLastError().toStdString(), text);
        EXPECT_EQ(image.GetWidth(), 4);
        EXPECT_EQ(image.GetType(), CXIMAGE_FORMAT_GIF);
    };
    const QByteArray heic = testFile("heic-rgb.heic");
    ASSERT_FALSE(heic.isEmpty());
    expectFailure(QByteArray(), "Not a HEIF file");
    expectFailure(testFile("baseline.jpg"), "Not a HEIF file");
    // Cut anywhere: in the metadata, at the start of the coded data, in its middle.
    const int mdat = boxAt(heic, "mdat");
    ASSERT_GT(mdat, 0);
    for (int length : {32, mdat / 2, mdat, mdat + 40, (mdat + int(heic.size())) / 2, int(heic.size()) - 1}) {
        SCOPED_TRACE(length);
        EXPECT_FALSE(decode(heic.left(length), image));
        EXPECT_EQ(image.GetWidth(), 4);
    }
    // Sizes that claim 30000 x 30000 pixels are refused before decoding; a ceiling of
    // the caller's own likewise.
    QByteArray lying = heic;
    for (int at = boxAt(lying, "ispe"); at > 0; at = boxAt(lying, "ispe", at + 8)) {
        put32be(lying, at + 12, 30000);
        put32be(lying, at + 16, 30000);
    }
    expectFailure(lying, "CXIMAGE_MAX_MEMORY exceeded");
    DecodeOptions small;
    small.maxPixels = 100;
    expectFailure(heic, "CXIMAGE_MAX_MEMORY exceeded", small);
    image.SetEscape(true);
    expectFailure(heic, "Cancelled");
}

TEST(HeifDecoder, TheFileTypeBoxTellsTheKind) {
    auto ftyp = [](const char* major, std::initializer_list<const char*> compatible) {
        QByteArray b(4, '\0');
        b += "ftyp";
        b += major;
        b += QByteArray(4, '\0');
        for (const char* c : compatible) b += c;
        put32be(b, 0, std::uint32_t(b.size()));
        return b + QByteArray(16, '\0');
    };
    struct Case {
        QByteArray bytes;
        int format;
    };
    const Case cases[] = {
        {ftyp("heic", {"mif1", "heic"}), CXIMAGE_FORMAT_HEIF},
        {ftyp("avif", {"avif", "mif1", "miaf"}), CXIMAGE_FORMAT_AVIF},
        {ftyp("mif1", {"mif1", "avif"}), CXIMAGE_FORMAT_AVIF},
        {ftyp("mif1", {"miaf", "heix"}), CXIMAGE_FORMAT_HEIF},
        {ftyp("msf1", {"iso8"}), CXIMAGE_FORMAT_HEIF},
        {ftyp("isom", {"isom", "mp41"}), CXIMAGE_FORMAT_UNKNOWN},  // a video
        {ftyp("heic", {}).mid(8), CXIMAGE_FORMAT_UNKNOWN},
        {QByteArray("\0\0\0\x40"
                    "ftypheic",
                    12),
         CXIMAGE_FORMAT_UNKNOWN},  // box longer than the bytes
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes.toHex().toStdString());
        EXPECT_EQ(SniffHeif(reinterpret_cast<const std::uint8_t*>(c.bytes.constData()),
                            std::size_t(c.bytes.size())),
                  c.format);
    }
}

TEST(HeifDecoder, ThePhotoLoaderTakesThemByNameAndByContent) {
    QTemporaryDir dir;
    const QByteArray heic = testFile("heic-rgb.heic");
    struct Case {
        const char* name;
        const QByteArray* bytes;
        const char* format;
    };
    const QByteArray avif = testFile("avif-rgb.avif");
    // Named as they are, named as another format, and with no extension at all.
    const Case cases[] = {{"a.HEIC", &heic, "HEIF"}, {"b.heif", &heic, "HEIF"}, {"c.avif", &avif, "AVIF"},
                          {"d.jpg", &heic, "HEIF"},  {"e", &avif, "AVIF"},      {"f.heic", &avif, "AVIF"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile f(dir.filePath(QString::fromLatin1(c.name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(*c.bytes);
        f.close();
        PhotoImage photo;
        ASSERT_TRUE(photo.LoadFile(f.fileName())) << photo.LastError().toStdString();
        EXPECT_TRUE(photo.IsRasterLoaded());
        EXPECT_EQ(photo.FormatName(), QString::fromLatin1(c.format));
        int w = 0, h = 0;
        photo.GetPixelSize(w, h);
        EXPECT_EQ(w, 37);
        EXPECT_EQ(h, 23);
    }
}

// A grid or overlay is assembled on the canvas its own description names, not on the
// size the file states elsewhere (all libheif reports before decoding). A canvas of
// another size is refused, a vast one at once, before anything is allocated for it,
// and the header reader refuses what the decoder refuses.
TEST(HeifDecoder, GridCanvasesMustHaveTheStatedSize) {
    const QByteArray heic = testFile("heic-rgb.heic");
    const int grid = heic.indexOf("idat") + 4;  // its 1 x 1 grid: version, flags, rows, columns, 37, 23
    ASSERT_GT(grid, 4);
    ASSERT_EQ(heic.mid(grid, 8).toHex(), QByteArray("0000000000250017"));
    auto withCanvas = [&](int width, int height) {
        QByteArray b = heic;
        b[grid + 4] = char(width >> 8);
        b[grid + 5] = char(width);
        b[grid + 6] = char(height >> 8);
        b[grid + 7] = char(height);
        return b;
    };
    auto headerSize = [](const QByteArray& b, int& w, int& h) {
        MemoryHeaderSource source(reinterpret_cast<const std::uint8_t*>(b.constData()),
                                  std::size_t(b.size()));
        return ReadHeifHeaderSize(source, w, h);
    };
    struct Case {
        QByteArray file;
        const char* failure;  // nullptr: decodes at 37 x 23
    };
    const Case cases[] = {
        {heic, nullptr},
        {withCanvas(64, 64), "Corrupted HEIF file"},  // within the tile, yet not the stated size
        {withCanvas(36, 23), "Corrupted HEIF file"},
        {testFile("regress-grid-canvas-beyond-ispe.heic"), "CXIMAGE_MAX_MEMORY exceeded"},  // 32000 x 32000
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.failure ? c.failure : "sound");
        ASSERT_FALSE(c.file.isEmpty());
        for (const bool turn : {false, true}) {
            QElapsedTimer clock;
            clock.start();
            CxImage image;
            const bool decoded = decode(c.file, image, oriented(turn));
            EXPECT_LT(clock.elapsed(), 2000);
            int w = 0, h = 0;
            const bool sized = headerSize(c.file, w, h);
            if (!c.failure) {
                EXPECT_TRUE(decoded);
                EXPECT_TRUE(sized);
                EXPECT_EQ(image.GetWidth(), 37);
                EXPECT_EQ(w, 37);
                continue;
            }
            EXPECT_FALSE(decoded);
            EXPECT_EQ(image.GetLastError().toStdString(), c.failure);
            EXPECT_FALSE(sized);
        }
    }
}

// Its AV1 data is 32 x 3 where its boxes say 32 x 16: the picture is not what the
// file states (and what the header reader reports), so it is damaged.
TEST(HeifDecoder, CodedDataOfAnotherSizeThanTheBoxesIsRefused) {
    const QByteArray file = testFile("regress-profile-space-outside-enum.avif");
    ASSERT_FALSE(file.isEmpty());
    for (const bool turn : {false, true}) {
        CxImage image;
        EXPECT_FALSE(decode(file, image, oriented(turn)));
        EXPECT_EQ(image.GetLastError().toStdString(), "Corrupted HEIF file");
    }
}

// Inputs the fuzz target found, named after what they broke; each must decode or fail
// without undefined behaviour (the sanitizer build runs this).
TEST(HeifDecoder, FuzzRegressionFilesAreHandled) {
    for (const char* name : {"regress-profile-space-outside-enum.avif"}) {
        SCOPED_TRACE(name);
        const QByteArray file = testFile(QString::fromLatin1(name));
        ASSERT_FALSE(file.isEmpty());
        for (bool turn : {false, true}) {
            DecodeOptions options = oriented(turn);
            options.colorManage = true;
            CxImage image;
            if (!decode(file, image, options)) {
                EXPECT_FALSE(image.GetLastError().isEmpty());
            }
        }
    }
}
