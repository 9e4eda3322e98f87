// iconsgen: renders the program's small pictures into the resources folder.
//
//   iconsgen RESOURCES_DIR
//
// lamps/LED_*.png      status lamps, 32 x 32, drawn here
// icons/snapvale-N.png the program icon at the icon theme's sizes, 16 to 256 pixels, from icons/snapvale.svg
// toolbar/N.png        24 x 24 toolbar icons, from toolbar/N.svg
// images/137.jpg       the seamless background tile behind the page, 128 x 128
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QRadialGradient>
#include <QSvgRenderer>
#include <cmath>
#include <cstdio>

namespace {

bool save(const QImage& image, const QString& path, int quality = -1) {
    QImageWriter writer(path);
    if (quality >= 0) writer.setQuality(quality);
    if (writer.write(image)) return true;
    std::fprintf(stderr, "iconsgen: cannot write %s: %s\n", qPrintable(path),
                 qPrintable(writer.errorString()));
    return false;
}

// A round glossy lamp in a dark bezel, lit from the upper left.
QImage lamp(const QColor& colour, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const QPointF centre(size / 2.0, size / 2.0);
    const double outer = size / 2.0 - 0.5, inner = outer - size / 10.0;

    QLinearGradient bezel(0, 0, size, size);
    bezel.setColorAt(0, QColor(90, 90, 96));
    bezel.setColorAt(1, QColor(20, 20, 24));
    p.setBrush(bezel);
    p.drawEllipse(centre, outer, outer);

    QRadialGradient glass(centre.x() - inner * 0.3, centre.y() - inner * 0.3, inner * 1.4);
    glass.setColorAt(0.0, colour.lighter(170));
    glass.setColorAt(0.45, colour);
    glass.setColorAt(1.0, colour.darker(260));
    p.setBrush(glass);
    p.drawEllipse(centre, inner, inner);

    QLinearGradient shine(0, centre.y() - inner, 0, centre.y());
    shine.setColorAt(0, QColor(255, 255, 255, 200));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(shine);
    p.drawEllipse(QPointF(centre.x(), centre.y() - inner * 0.45), inner * 0.62, inner * 0.42);
    return image;
}

QImage renderSvg(const QString& path, int size) {
    QSvgRenderer svg(path);
    if (!svg.isValid()) return QImage();
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    svg.render(&p, QRectF(0, 0, size, size));
    return image;
}

// Periodic value noise: the lattice wraps every `period` cells, so the tile has no seams.
float lattice(int x, int y, int period, unsigned seed) {
    x = ((x % period) + period) % period;
    y = ((y % period) + period) % period;
    unsigned h = seed ^ (static_cast<unsigned>(x) * 0x27D4EB2Du) ^ (static_cast<unsigned>(y) * 0x165667B1u);
    h ^= h >> 15;
    h *= 0x85EBCA6Bu;
    h ^= h >> 13;
    return static_cast<float>(h & 0xFFFFu) / 65535.0f;
}

float tiledNoise(float x, float y, int period, unsigned seed) {
    const int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
    auto smooth = [](float t) { return t * t * (3 - 2 * t); };
    const float tx = smooth(x - ix), ty = smooth(y - iy);
    const float a = lattice(ix, iy, period, seed), b = lattice(ix + 1, iy, period, seed);
    const float c = lattice(ix, iy + 1, period, seed), d = lattice(ix + 1, iy + 1, period, seed);
    return (a + (b - a) * tx) * (1 - ty) + (c + (d - c) * tx) * ty;
}

// A quiet linen-like texture in warm gray: cloudy shading plus thread lines both ways.
QImage backgroundTile(int size) {
    QImage image(size, size, QImage::Format_RGB32);
    for (int y = 0; y < size; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size; ++x) {
            float cloud = 0, amplitude = 0.5f, total = 0;
            for (int octave = 0, cells = 4; octave < 4; ++octave, cells *= 2) {
                cloud += amplitude *
                         tiledNoise(x * cells / float(size), y * cells / float(size), cells, 7u + octave);
                total += amplitude;
                amplitude *= 0.5f;
            }
            cloud /= total;
            const float threads = 0.5f * (lattice(0, y, size, 21u) + lattice(x, 0, size, 22u));
            const float speck = lattice(x, y, size, 23u);
            const float v = 196.0f + 14.0f * (cloud - 0.5f) + 9.0f * (threads - 0.5f) + 5.0f * (speck - 0.5f);
            line[x] = qRgb(static_cast<int>(v + 2), static_cast<int>(v), static_cast<int>(v - 6));
        }
    }
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: iconsgen RESOURCES_DIR\n");
        return 1;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    bool ok = true;

    const struct {
        const char* name;
        QColor colour;
    } lamps[] = {{"LED_DKGRN", QColor(0, 120, 34)},    {"LED_RED", QColor(225, 30, 28)},
                 {"LED_YELLOW", QColor(244, 204, 18)}, {"LED_LTGRN", QColor(96, 232, 90)},
                 {"LED_GRAY", QColor(150, 150, 154)},  {"LED_CYAN", QColor(28, 212, 232)}};
    dir.mkpath(QStringLiteral("lamps"));
    for (const auto& l : lamps)
        ok &=
            save(lamp(l.colour, 32), dir.filePath(QStringLiteral("lamps/%1.png").arg(QLatin1String(l.name))));

    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QImage icon = renderSvg(dir.filePath(QStringLiteral("icons/snapvale.svg")), size);
        ok &= !icon.isNull() && save(icon, dir.filePath(QStringLiteral("icons/snapvale-%1.png").arg(size)));
    }

    const QStringList glyphs =
        QDir(dir.filePath(QStringLiteral("toolbar"))).entryList({QStringLiteral("*.svg")});
    for (const QString& svg : glyphs) {
        const QImage icon = renderSvg(dir.filePath(QStringLiteral("toolbar/") + svg), 24);
        if (icon.isNull()) std::fprintf(stderr, "iconsgen: cannot read %s\n", qPrintable(svg));
        ok &=
            !icon.isNull() &&
            save(icon, dir.filePath(QStringLiteral("toolbar/%1.png").arg(QFileInfo(svg).completeBaseName())));
    }

    dir.mkpath(QStringLiteral("images"));
    ok &= save(backgroundTile(128), dir.filePath(QStringLiteral("images/137.jpg")), 92);
    return ok ? 0 : 1;
}
