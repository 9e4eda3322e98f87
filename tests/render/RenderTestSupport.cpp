#include "RenderTestSupport.h"

#include <QImageWriter>
#include <QPainter>
#include <QRandomGenerator>

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
    page = keptPageImage(kept);
    return ok;
}

QRgb RenderFixture::pixel(int x, int y) const {
    return page.pixel(x, y) & 0xffffff;
}
