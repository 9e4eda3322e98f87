#include "RefImage.h"

#include <QFile>
#include <cstdlib>
#include <sstream>

QByteArray testFile(const QString& name) {
    QFile f(QStringLiteral(SNAPVALE_TEST_DATA "/codecs_lib/") + name);
    if (!f.open(QIODevice::ReadOnly)) return QByteArray();
    return f.readAll();
}

namespace {
// Next whitespace-separated header word; skips comments.
std::string word(const QByteArray& b, int& pos) {
    while (pos < b.size()) {
        if (b[pos] == '#') {
            while (pos < b.size() && b[pos] != '\n') ++pos;
        } else if (std::isspace(static_cast<unsigned char>(b[pos]))) {
            ++pos;
        } else {
            break;
        }
    }
    std::string w;
    while (pos < b.size() && !std::isspace(static_cast<unsigned char>(b[pos]))) w += b[pos++];
    return w;
}
}  // namespace

RefImage readRef(const QString& name) {
    const QByteArray b = testFile(name);
    RefImage r;
    int pos = 0;
    const std::string magic = word(b, pos);
    if (magic == "P4") {
        // Bilevel: one bit a pixel, rows padded to bytes, 1 is black.
        r.width = std::atoi(word(b, pos).c_str());
        r.height = std::atoi(word(b, pos).c_str());
        r.maxval = 1;
        r.channels = 1;
        ++pos;
        const int rowBytes = (r.width + 7) / 8;
        if (r.width <= 0 || r.height <= 0 || b.size() - pos < rowBytes * r.height) return RefImage{};
        for (int y = 0; y < r.height; ++y)
            for (int x = 0; x < r.width; ++x)
                r.samples.push_back((std::uint8_t(b[pos + y * rowBytes + x / 8]) >> (7 - x % 8)) & 1 ? 0 : 1);
        return r;
    }
    if (magic == "P5" || magic == "P6") {
        r.width = std::atoi(word(b, pos).c_str());
        r.height = std::atoi(word(b, pos).c_str());
        r.maxval = std::atoi(word(b, pos).c_str());
        r.channels = magic == "P5" ? 1 : 3;
    } else if (magic == "P7") {
        std::string tuple;
        for (;;) {
            const std::string key = word(b, pos);
            if (key == "ENDHDR" || key.empty()) break;
            if (key == "WIDTH")
                r.width = std::atoi(word(b, pos).c_str());
            else if (key == "HEIGHT")
                r.height = std::atoi(word(b, pos).c_str());
            else if (key == "DEPTH")
                r.channels = std::atoi(word(b, pos).c_str());
            else if (key == "MAXVAL")
                r.maxval = std::atoi(word(b, pos).c_str());
            else if (key == "TUPLTYPE")
                tuple = word(b, pos);
        }
        r.hasAlpha = tuple.find("_ALPHA") != std::string::npos;
    } else {
        return RefImage{};
    }
    ++pos;  // the single whitespace byte after the header
    const int bytesPerSample = r.maxval > 255 ? 2 : 1;
    const std::size_t n = std::size_t(r.width) * r.height * r.channels;
    if (r.width <= 0 || r.height <= 0 || r.channels <= 0 || std::size_t(b.size() - pos) < n * bytesPerSample)
        return RefImage{};
    r.samples.resize(n);
    const auto* p = reinterpret_cast<const std::uint8_t*>(b.constData()) + pos;
    for (std::size_t i = 0; i < n; ++i)
        r.samples[i] = bytesPerSample == 2 ? std::uint16_t((p[2 * i] << 8) | p[2 * i + 1]) : p[i];
    return r;
}

int RefImage::value(int x, int y, int c) const {
    const int v = samples[(std::size_t(y) * width + x) * channels + c];
    if (maxval == 65535) return v >> 8;
    if (maxval == 255) return v;
    return v * 255 / maxval;
}

RGBQuad RefImage::color(int x, int y) const {
    const bool grey = channels <= 2;
    const int r = value(x, y, 0), g = value(x, y, grey ? 0 : 1), b = value(x, y, grey ? 0 : 2);
    const int a = hasAlpha ? value(x, y, channels - 1) : 255;
    return makeRgb(r, g, b, a);
}

::testing::AssertionResult SameAsReference(const CxImage& image, const RefImage& ref, int tolerance) {
    if (ref.samples.empty()) return ::testing::AssertionFailure() << "reference missing";
    if (!image.IsValid()) return ::testing::AssertionFailure() << "no picture";
    if (image.GetWidth() != ref.width || image.GetHeight() != ref.height)
        return ::testing::AssertionFailure() << "size " << image.GetWidth() << "x" << image.GetHeight()
                                             << ", reference " << ref.width << "x" << ref.height;
    int mismatches = 0;
    std::ostringstream first;
    for (int y = 0; y < ref.height; ++y) {
        for (int x = 0; x < ref.width; ++x) {
            const RGBQuad got = image.ReadColor(x, image.GetHeight() - 1 - y);
            const RGBQuad want = ref.color(x, y);
            bool same = std::abs(got.red - want.red) <= tolerance &&
                        std::abs(got.green - want.green) <= tolerance &&
                        std::abs(got.blue - want.blue) <= tolerance;
            if (ref.hasAlpha)
                same = same && (image.HasAlpha() ? got.reserved == want.reserved : want.reserved == 255);
            if (!same && mismatches++ == 0)
                first << "first at (" << x << "," << y << "): got " << int(got.red) << "," << int(got.green)
                      << "," << int(got.blue) << "/" << int(got.reserved) << " want " << int(want.red) << ","
                      << int(want.green) << "," << int(want.blue) << "/" << int(want.reserved);
        }
    }
    if (mismatches) return ::testing::AssertionFailure() << mismatches << " pixels differ; " << first.str();
    return ::testing::AssertionSuccess();
}

std::vector<std::uint8_t> displayedRgb(const CxImage& image) {
    std::vector<std::uint8_t> out;
    for (int y = image.GetHeight() - 1; y >= 0; --y)
        for (int x = 0; x < image.GetWidth(); ++x) {
            const RGBQuad c = image.ReadColor(x, y);
            out.insert(out.end(), {c.red, c.green, c.blue});
        }
    return out;
}

std::uint32_t crc32(const std::uint8_t* data, std::size_t size) {
    std::uint32_t c = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; ++i) {
        c ^= data[i];
        for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
    }
    return ~c;
}
