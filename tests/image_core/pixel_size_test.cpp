// Photo sizes read from headers give the figures of a full load, or both fail.
#include <QBuffer>
#include <QDirIterator>
#include <QImageWriter>
#include <QtEndian>
#include <ostream>

#include "image/CxImage.h"
#include "image/PhotoImage.h"
#include "image/PhotoPixelSize.h"
#include "image/codecs/HeaderSize.h"
#include "support/TestSupport.h"

namespace {

struct Sized {
    bool ok = false;
    int width = 0;
    int height = 0;
    friend bool operator==(const Sized&, const Sized&) = default;
    friend std::ostream& operator<<(std::ostream& o, const Sized& s) {
        return s.ok ? o << "[" << s.width << " x " << s.height << "]" : o << "[Load Error!]";
    }
};

Sized fullLoad(const QString& path) {
    Sized s;
    PhotoImage photo;
    s.ok = photo.LoadFile(path) != 0;
    if (s.ok) photo.GetPixelSize(s.width, s.height);
    return s;
}

Sized fromHeaders(const QString& path) {
    Sized s;
    s.ok = ReadPhotoPixelSize(path, s.width, s.height);
    if (!s.ok) s.width = s.height = 0;
    return s;
}

// Sets the program-wide EXIF switch for one scope.
class OrientationSwitch {
public:
    explicit OrientationSwitch(bool on) : was_(PhotoImage::ApplyExifOrientation()) {
        PhotoImage::SetApplyExifOrientation(on);
    }
    ~OrientationSwitch() { PhotoImage::SetApplyExifOrientation(was_); }

private:
    bool was_;
};

QStringList codecTestFiles() {
    QStringList files;
    for (const char* folder : {"/codecs", "/codecs_lib"}) {
        QDirIterator it(QStringLiteral(SNAPVALE_TEST_DATA) + QLatin1String(folder), QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) files << it.next();
    }
    files.sort();
    return files;
}

QString dataFile(const char* name) {
    return QStringLiteral(SNAPVALE_TEST_DATA "/") + QLatin1String(name);
}

// A picture of noise, so that encoders cannot shrink it to nothing.
QImage noise(int w, int h, int dpi = 0) {
    QImage img(w, h, QImage::Format_RGB32);
    std::uint32_t seed = 12345;
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) line[x] = 0xff000000u | ((seed = seed * 1664525u + 1013904223u) >> 8);
    }
    if (dpi > 0) {
        img.setDotsPerMeterX(int(dpi / 0.0254 + 0.5));
        img.setDotsPerMeterY(int(dpi / 0.0254 + 0.5));
    }
    return img;
}

QByteArray encode(const QImage& img, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    EXPECT_TRUE(writer.write(img)) << format;
    return bytes;
}

void put16le(QByteArray& b, int at, int v) {
    qToLittleEndian<quint16>(quint16(v), b.data() + at);
}
void put32le(QByteArray& b, int at, qint64 v) {
    qToLittleEndian<quint32>(quint32(v), b.data() + at);
}

// A memory source that counts what is read from it.
class CountingSource final : public HeaderSource {
public:
    explicit CountingSource(const QByteArray& bytes) : bytes_(bytes) {}
    std::uint64_t size() const override { return std::uint64_t(bytes_.size()); }
    std::size_t readAt(std::uint64_t offset, std::uint8_t* out, std::size_t n) override {
        MemoryHeaderSource memory(reinterpret_cast<const std::uint8_t*>(bytes_.constData()), bytes_.size());
        const std::size_t got = memory.readAt(offset, out, n);
        read += got;
        return got;
    }
    std::uint64_t read = 0;

private:
    const QByteArray& bytes_;
};

}  // namespace

class PixelSizeTest : public TempDirTest {};

TEST_F(PixelSizeTest, EveryCodecTestFileSizesAsAFullLoad) {
    const QStringList files = codecTestFiles();
    ASSERT_GT(files.size(), 200);
    int loaded = 0;
    for (const bool orient : {true, false}) {
        const OrientationSwitch orientation(orient);
        for (const QString& file : files) {
            // Its AV1 data says 32 x 3 where its boxes say 32 x 16: only decoding finds that.
            if (file.endsWith(QLatin1String("regress-profile-space-outside-enum.avif"))) continue;
            SCOPED_TRACE(file.toStdString() + (orient ? " (turned)" : ""));
            const Sized full = fullLoad(file);
            EXPECT_EQ(fromHeaders(file), full);
            loaded += full.ok;
        }
    }
    // Raster and system paths alike: nearly every file loads (PAM files do not).
    EXPECT_GT(loaded, 2 * 150);
}

TEST_F(PixelSizeTest, TurnedJpegsFollowTheOrientationSwitch) {
    for (int orientation = 1; orientation <= 8; ++orientation) {
        SCOPED_TRACE(orientation);
        const QString file = dataFile("codecs_lib/exif-o") + QString::number(orientation) + ".jpg";
        Sized stored, turned;
        {
            const OrientationSwitch off(false);
            stored = fromHeaders(file);
        }
        {
            const OrientationSwitch on(true);
            turned = fromHeaders(file);
        }
        ASSERT_TRUE(stored.ok && stored.width != stored.height);
        if (orientation >= 5)
            EXPECT_EQ(turned, (Sized{true, stored.height, stored.width}));
        else
            EXPECT_EQ(turned, stored);
    }
}

TEST_F(PixelSizeTest, SystemPicturesTakeTheirRecordedResolution) {
    // The JFIF block starts at byte 2: units at 13, densities at 14 and 16.
    QByteArray jfifPerCm = encode(noise(236, 118), "jpeg");
    jfifPerCm[13] = 2;  // 118 dots per centimetre: 300 dpi, 0.79 x 0.39 inch
    qToBigEndian<quint16>(118, jfifPerCm.data() + 14);
    qToBigEndian<quint16>(118, jfifPerCm.data() + 16);
    QByteArray aspectOnly = encode(noise(40, 20), "jpeg");
    aspectOnly[13] = 0;  // a pixel aspect ratio, no resolution
    const struct {
        const char* name;
        QByteArray bytes;
        Sized expected;
    } cases[] = {
        // Qt's handlers that read the density: the figures are those at 96 dpi.
        {"dense.img", encode(noise(300, 200, 300), "png"), {true, 96, 64}},
        {"jpeg-bytes.png", encode(noise(400, 100, 200), "jpeg"), {true, 192, 48}},
        {"no-extension", encode(noise(150, 75, 150), "jpeg"), {true, 96, 48}},
        {"per-cm.jpe", jfifPerCm, {true, 76, 38}},
        {"aspect.jfif", aspectOnly, {true, 40, 20}},
        {"scan.bitmap", encode(noise(300, 30, 300), "bmp"), {true, 96, 10}},
        {"scan.data", encode(noise(600, 60, 300), "tiff"), {true, 192, 19}},
        // Handlers without a density.
        {"icon.ico", encode(noise(32, 16), "ico"), {true, 32, 16}},
        {"photo.webp", encode(noise(33, 17, 300), "webp"), {true, 33, 17}},
        {"drawing.svg",
         "<svg xmlns='http://www.w3.org/2000/svg' width='120' height='80'><rect width='120' "
         "height='80'/></svg>",
         {true, 120, 80}},
        {"junk.jpg", "not a picture at all", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = writeFile(QLatin1String(c.name), c.bytes);
        EXPECT_EQ(fullLoad(file), c.expected);
        EXPECT_EQ(fromHeaders(file), c.expected);
    }
}

TEST_F(PixelSizeTest, HeadersRefusedWhereDecodingRefusesThem) {
    auto patched = [](const char* name, auto change) {
        QFile f(dataFile(name));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        QByteArray b = f.readAll();
        change(b);
        return b;
    };
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        // Rows that are not in the file (Qt then reads what there is, at 300 dpi), a
        // picture beyond the raster ceiling, and a bare information header.
        {"rows.bmp", patched("codecs/bmp_24.bmp",
                             [](QByteArray& b) {
                                 put32le(b, 22, 70000);
                                 put32le(b, 38, 11811);
                                 put32le(b, 42, 11811);
                             })},
        {"vast.bmp", patched("codecs/bmp_rle8.bmp",
                             [](QByteArray& b) {
                                 put32le(b, 18, 60000);
                                 put32le(b, 22, 60000);
                             })},
        {"bare.bmp", patched("codecs/bmp_24.bmp", [](QByteArray& b) { b.remove(0, 14); })},
        // Too short for the pixels claimed, beyond the ceiling, no palette signature, too
        // short for the rows claimed.
        {"short.tga", patched("codecs/tga_rgb.tga", [](QByteArray& b) { put16le(b, 12, 400); })},
        {"rle-vast.tga", patched("codecs/tga_rgb_rle.tga",
                                 [](QByteArray& b) {
                                     put16le(b, 12, 65535);
                                     put16le(b, 14, 65535);
                                 })},
        {"palette.pcx", patched("codecs/pcx_8bit.pcx", [](QByteArray& b) { b[b.size() - 769] = 0; })},
        {"tall.pcx", patched("codecs/pcx_1bit.pcx", [](QByteArray& b) { put16le(b, 10, 60000); })},
        // A vast logical screen around a small frame: the frame alone is the picture.
        {"screen.gif", patched("codecs/gif_plain.gif",
                               [](QByteArray& b) {
                                   put16le(b, 6, 9000);
                                   put16le(b, 8, 9000);
                               })},
        {"empty.jpg", patched("codecs_lib/baseline.jpg", [](QByteArray& b) { b.truncate(2); })},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = writeFile(QLatin1String(c.name), c.bytes);
        EXPECT_EQ(fromHeaders(file), fullLoad(file));
    }
}

// Damaged pixel data only decoding finds; but whatever loads must size alike.
TEST_F(PixelSizeTest, CutShortFilesThatStillLoadSizeAlike) {
    const OrientationSwitch orientation(true);
    int stillLoaded = 0;
    for (const QString& source : codecTestFiles()) {
        QFile f(source);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        for (const qsizetype cut : {qsizetype(20), qsizetype(100), bytes.size() / 2, bytes.size() - 1}) {
            if (cut <= 0 || cut >= bytes.size()) continue;
            const QString file =
                writeFile(QStringLiteral("cut.") + QFileInfo(source).suffix(), bytes.left(cut));
            const Sized full = fullLoad(file);
            if (!full.ok) continue;
            ++stillLoaded;
            EXPECT_EQ(fromHeaders(file), full) << source.toStdString() << " cut at " << cut;
        }
    }
    EXPECT_GT(stillLoaded, 20);
}

TEST_F(PixelSizeTest, OnlyTheHeaderIsRead) {
    const QImage picture = noise(1600, 1200);
    const struct {
        int format;
        const char* encoder;
    } cases[] = {{CXIMAGE_FORMAT_JPG, "jpeg"},
                 {CXIMAGE_FORMAT_PNG, "png"},
                 {CXIMAGE_FORMAT_TIF, "tiff"},
                 {CXIMAGE_FORMAT_BMP, "bmp"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.encoder);
        const QByteArray bytes = encode(picture, c.encoder);
        ASSERT_GT(bytes.size(), 1 << 20);
        CountingSource source(bytes);
        int w = 0, h = 0;
        ASSERT_TRUE(ReadHeaderSize(source, c.format, true, w, h));
        EXPECT_EQ(w, 1600);
        EXPECT_EQ(h, 1200);
        EXPECT_LT(source.read, std::uint64_t(bytes.size() / 16));
    }
}
