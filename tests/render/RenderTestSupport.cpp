#include "RenderTestSupport.h"

#include <QDir>
#include <QImageWriter>
#include <QPainter>
#include <QRandomGenerator>
#include <algorithm>
#include <cstdlib>

#include "layout/PageSetup.h"

QString writeSolidPhoto(const QString& path, int width, int height, QColor colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    QImageWriter writer(path, "png");
    return writer.write(image) ? path : QString();
}

QImage paintTestPhoto(int width, int height, int seed, bool grain) {
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator rng(quint32(seed) * 7919u + 17u);
    const int r0 = rng.bounded(256), g0 = rng.bounded(256), b0 = rng.bounded(256);
    for (int y = 0; y < height; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int noise = grain ? rng.bounded(17) - 8 : 0;
            const int r = (r0 + 255 * x / qMax(1, width - 1)) / 2 + noise;
            const int g = (g0 + 255 * y / qMax(1, height - 1)) / 2 + noise;
            const int b = (b0 + 128) / 2 + noise;
            row[x] = qRgb(qBound(0, r, 255), qBound(0, g, 255), qBound(0, b, 255));
        }
    }
    QPainter p(&image);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        p.setBrush(QColor(rng.bounded(256), rng.bounded(256), rng.bounded(256)));
        const int w = width / 4 + rng.bounded(qMax(1, width / 3));
        const int h = height / 4 + rng.bounded(qMax(1, height / 3));
        p.drawEllipse(rng.bounded(qMax(1, width - w)), rng.bounded(qMax(1, height - h)), w, h);
    }
    // A dark bar along the top edge shows which way up the photo went onto the page.
    p.fillRect(0, 0, width, qMax(1, height / 12), Qt::black);
    return image;
}

QString writeTestPhoto(const QString& path, int width, int height, int seed) {
    const QImage image = paintTestPhoto(width, height, seed);
    const QByteArray format = path.endsWith(QLatin1String(".jpg")) ? "jpeg" : "png";
    QImageWriter writer(path, format);
    if (format == "jpeg") writer.setQuality(90);
    return writer.write(image) ? path : QString();
}

QImage keptPageImage(const CxImage& page) {
    return page.ToBitmap().convertToFormat(QImage::Format_RGB32);
}

AppSettings quickSettings(const QString& templateName, int resolution) {
    AppSettings s;
    s.BitmapPath = QStringLiteral("/photos/");
    chooseFullPageTemplate(s, nullptr, templateName);
    choosePageResolution(s, nullptr, resolution);
    return s;
}

void RenderFixture::SetUp() {
    TempDirTest::SetUp();
    settings = quickSettings(QStringLiteral("Three 4 x 6 Prints"), 50);
    pass = std::make_unique<RenderPass>(settings, list, &fakes.status, &fakes.notifier);
}

bool RenderFixture::render() {
    Canvas canvas;
    if (!canvas.create(settings.CanvasWidth, settings.CanvasHeight)) return false;
    const bool ok = pass->renderPage(canvas, kept);
    page = keptPageImage(kept.image);
    return ok;
}

QRgb RenderFixture::pixel(int x, int y) const {
    return page.pixel(x, y) & 0xffffff;
}

void expectGoldenPage(const QImage& page, const QString& name) {
    const QString dir = QStringLiteral(SNAPVALE_TEST_DATA "/golden");
    const QString golden = dir + QLatin1Char('/') + name + QStringLiteral(".png");
    if (qEnvironmentVariableIsSet("SNAPVALE_UPDATE_GOLDEN")) {
        QDir().mkpath(dir);
        EXPECT_TRUE(page.save(golden, "PNG"));
        return;
    }
    const QImage expected = QImage(golden).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(expected.isNull()) << "missing " << golden.toStdString();
    ASSERT_EQ(expected.size(), page.size());
    long over = 0;  // pixels with a channel more than 4 levels away
    int worst = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QRgb p = page.pixel(x, y), q = expected.pixel(x, y);
            const int m = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                    std::abs(qBlue(p) - qBlue(q))});
            worst = std::max(worst, m);
            if (m > 4) ++over;
        }
    if (over > long(page.width()) * page.height() / 1000) {
        const QString actual = QDir::temp().filePath(name + QStringLiteral("-actual.png"));
        page.save(actual, "PNG");
        ADD_FAILURE() << name.toStdString() << ": " << over << " pixels differ (worst by " << worst
                      << "); rendered page in " << actual.toStdString();
    }
}

void addGoldenPhotos(ImageList& list, const QString& folder, const std::vector<QSize>& sizes) {
    int seed = 1;
    for (const QSize& s : sizes) {
        const QString file = folder + QStringLiteral("/photo%1.png").arg(seed);
        ASSERT_TRUE(paintTestPhoto(s.width(), s.height(), seed, false).save(file, "PNG"));
        list.append(file);
        ++seed;
    }
}
