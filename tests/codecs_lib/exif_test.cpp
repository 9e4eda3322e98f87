// The EXIF parser on blocks built here and on the committed files' blocks.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "RefImage.h"
#include "image/PhotoImage.h"
#include "image/codecs/Codecs.h"

namespace {

// Builds an "Exif\0\0" payload with one IFD0 of the given entries (values of at most
// four bytes, stored inline) and an optional second directory.
class ExifBuilder {
public:
    explicit ExifBuilder(bool motorola = false) : motorola_(motorola) {}
    ExifBuilder& entry(std::uint16_t tag, std::uint16_t format, std::uint32_t count, std::uint32_t value) {
        entries_.push_back({tag, format, count, value});
        return *this;
    }
    std::vector<std::uint8_t> build() const {
        std::vector<std::uint8_t> b = {'E', 'x', 'i', 'f', 0, 0};
        b.push_back(motorola_ ? 'M' : 'I');
        b.push_back(motorola_ ? 'M' : 'I');
        put16(b, 42);
        put32(b, 8);
        put16(b, std::uint16_t(entries_.size()));
        for (const E& e : entries_) {
            put16(b, e.tag);
            put16(b, e.format);
            put32(b, e.count);
            if (e.format == 3 && e.count == 1) {
                put16(b, std::uint16_t(e.value));
                put16(b, 0);
            } else {
                put32(b, e.value);
            }
        }
        put32(b, 0);
        return b;
    }

private:
    struct E {
        std::uint16_t tag, format;
        std::uint32_t count, value;
    };
    void put16(std::vector<std::uint8_t>& b, std::uint16_t v) const {
        if (motorola_)
            b.insert(b.end(), {std::uint8_t(v >> 8), std::uint8_t(v)});
        else
            b.insert(b.end(), {std::uint8_t(v), std::uint8_t(v >> 8)});
    }
    void put32(std::vector<std::uint8_t>& b, std::uint32_t v) const {
        if (motorola_) {
            put16(b, std::uint16_t(v >> 16));
            put16(b, std::uint16_t(v));
        } else {
            put16(b, std::uint16_t(v));
            put16(b, std::uint16_t(v >> 16));
        }
    }
    bool motorola_;
    std::vector<E> entries_;
};

std::vector<std::uint8_t> appPayload(const QByteArray& jpeg) {
    // SOI, then APP1: marker, length, payload.
    const int length = (std::uint8_t(jpeg[4]) << 8) | std::uint8_t(jpeg[5]);
    return std::vector<std::uint8_t>(jpeg.begin() + 6, jpeg.begin() + 4 + length);
}

const char* parse(const std::vector<std::uint8_t>& block, ExifInfo& info) {
    const char* error = nullptr;
    const bool ok = ParseExif(block.data(), block.size(), info, &error);
    EXPECT_EQ(ok, error == nullptr);
    return error;
}

}  // namespace

TEST(Exif, ReadsCameraInformationInBothByteOrders) {
    for (int o : {5, 6}) {  // odd files are Intel order, even ones Motorola
        SCOPED_TRACE(o);
        const QByteArray file = testFile(QStringLiteral("exif-o%1.jpg").arg(o));
        ExifInfo info;
        EXPECT_EQ(parse(appPayload(file), info), nullptr);
        EXPECT_EQ(info.orientation, o);
        EXPECT_STREQ(info.cameraMake, "Snaptest Optics");
        EXPECT_STREQ(info.cameraModel, "Model 7");
        // The moment the picture was taken wins over the file's modification date.
        EXPECT_STREQ(info.dateTime, "2020:01:02 03:04:05");
        EXPECT_EQ(info.width, 37);
        EXPECT_EQ(info.height, 23);

        ExifInfo viaFile;
        const char* error = nullptr;
        EXPECT_TRUE(ReadJpegExif(reinterpret_cast<const std::uint8_t*>(file.constData()), file.size(),
                                 viaFile, &error));
        EXPECT_EQ(viaFile.orientation, o);
    }
}

TEST(Exif, MalformedBlocksGiveTheirTexts) {
    ExifInfo info;
    std::vector<std::uint8_t> good = ExifBuilder().entry(0x0112, 3, 1, 3).build();
    EXPECT_EQ(parse(good, info), nullptr);
    EXPECT_EQ(info.orientation, 3);

    auto damaged = [&](auto change) {
        std::vector<std::uint8_t> b = good;
        change(b);
        ExifInfo fresh;
        const char* error = parse(b, fresh);
        return std::string(error ? error : "");
    };
    EXPECT_EQ(damaged([](auto& b) { b[0] = 'X'; }), "Incorrect Exif header");
    EXPECT_EQ(damaged([](auto& b) { b[6] = 'Q'; }), "Incorrect Exif header");
    EXPECT_EQ(damaged([](auto& b) { b[8] = 43; }), "Incorrect Exif header");
    EXPECT_EQ(damaged([](auto& b) { b[10] = 200; }), "Incorrect Exif header");  // IFD0 beyond the block
    EXPECT_EQ(damaged([](auto& b) { b.resize(10); }), "Incorrect Exif header");
    EXPECT_EQ(damaged([](auto& b) { b[6 + 8 + 2 + 2] = 13; }), "Illegal format code in EXIF dir");
    EXPECT_EQ(damaged([](auto& b) { b[6 + 8 + 2 + 2] = 0; }), "Illegal format code in EXIF dir");

    ExifInfo rotated;
    EXPECT_STREQ(parse(ExifBuilder(true).entry(0x0112, 3, 1, 9).build(), rotated),
                 "Undefined rotation value");
    EXPECT_STREQ(parse(ExifBuilder().entry(0x0112, 3, 1, 0).build(), rotated), "Undefined rotation value");
}

TEST(Exif, ToleratesLoopsAndValuesOutsideTheBlock) {
    ExifInfo info;
    // The EXIF sub-directory points back at IFD0, and the model text lies far outside.
    const auto block = ExifBuilder()
                           .entry(0x0110, 2, 100, 0x7fffff00)
                           .entry(0x8769, 4, 1, 8)
                           .entry(0x0112, 3, 1, 8)
                           .entry(0xA002, 4, 1, 4000)
                           .build();
    EXPECT_EQ(parse(block, info), nullptr);
    EXPECT_EQ(info.orientation, 8);
    EXPECT_STREQ(info.cameraModel, "");
    // Pixel dimensions belong to the sub-directory; here IFD0 is read twice, harmlessly.
    EXPECT_EQ(info.width, 4000);

    // Every prefix of a real block parses or fails cleanly (out-of-bounds reads would
    // show under the sanitizers).
    const auto full = appPayload(testFile("exif-o6.jpg"));
    for (std::size_t n = 0; n <= full.size(); ++n) {
        std::vector<std::uint8_t> prefix(full.begin(), full.begin() + n);
        ExifInfo partial;
        const char* error = nullptr;
        ParseExif(prefix.data(), prefix.size(), partial, &error);
    }
}

TEST(Exif, JpegSectionScanTexts) {
    const QByteArray file = testFile("exif-o6.jpg");
    auto scan = [](const QByteArray& bytes) {
        ExifInfo info;
        const char* error = nullptr;
        const bool ok = ReadJpegExif(reinterpret_cast<const std::uint8_t*>(bytes.constData()), bytes.size(),
                                     info, &error);
        return ok ? std::string() : std::string(error);
    };
    EXPECT_EQ(scan(file), "");
    EXPECT_EQ(scan(testFile("baseline.jpg")), "");  // no EXIF block is no fault
    EXPECT_EQ(scan(QByteArray("GIF89a")), "invalid marker");
    EXPECT_EQ(scan(QByteArray("\xff\xd8\x12\x34", 4)), "invalid marker");
    EXPECT_EQ(scan(file.left(40)), "Premature end of file?");
    EXPECT_EQ(scan(QByteArray("\xff\xd8", 2)), "Premature end of file?");

    QByteArray many("\xff\xd8", 2);
    for (int i = 0; i < 70; ++i) many += QByteArray("\xff\xe5\x00\x04zz", 6);
    many += file.mid(2);
    EXPECT_EQ(scan(many), "Too many sections in jpg file");
}

// Photos load turned as their camera said, unless the setting keeps the stored pixels.
TEST(Exif, LoadingFollowsTheOrientationSetting) {
    const QString file = QStringLiteral(SNAPVALE_TEST_DATA "/codecs_lib/exif-o6.jpg");
    int w = 0, h = 0;
    {
        PhotoImage photo;
        ASSERT_TRUE(PhotoImage::ApplyExifOrientation());  // on unless switched off
        ASSERT_TRUE(photo.LoadFile(file));
        photo.GetPixelSize(w, h);
        EXPECT_EQ(w, 23);
        EXPECT_EQ(h, 37);
    }
    PhotoImage::SetApplyExifOrientation(false);
    {
        PhotoImage photo;
        ASSERT_TRUE(photo.LoadFile(file));
        photo.GetPixelSize(w, h);
        EXPECT_EQ(w, 37);
        EXPECT_EQ(h, 23);
        EXPECT_EQ(photo.Raster()->GetExifOrientation(), 6);
    }
    PhotoImage::SetApplyExifOrientation(true);
}
