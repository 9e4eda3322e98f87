#include "layout/Decorations.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <cstdlib>

#include "image/PhotoImage.h"
#include "layout/PageFonts.h"

namespace {
int rightOf(const QRect& r) {
    return r.x() + r.width();
}
int bottomOf(const QRect& r) {
    return r.y() + r.height();
}

// Draws text with its cell's top-left corner at p, running upwards when turned.
void drawTextAt(QPainter& painter, QPoint p, const QString& text, bool upwards) {
    const int ascent = QFontMetrics(painter.font()).ascent();
    painter.save();
    painter.translate(p);
    if (upwards) painter.rotate(-90);
    painter.drawText(QPoint(0, ascent), text);
    painter.restore();
}

void drawTextWatermark(QPainter& canvas, const QRect& work, bool turned, const AppSettings& s) {
    // The offsets are counted in the canvas font's average character width, measured
    // before the watermark font is chosen.
    const int c = averageCharWidth(canvasDefaultFont());
    const int n = int(s.WatermarkText.size());
    const QPoint at = watermarkTextOrigin(work, s.LogoLocation, turned, c, n);
    canvas.save();
    canvas.setFont(fontWithCellHeight(QStringLiteral("Times New Roman"), 22, QFont::Bold));
    canvas.setPen(toQColor(s.LogoTextColorref));
    canvas.setBackgroundMode(Qt::TransparentMode);
    drawTextAt(canvas, at, s.WatermarkText, turned);
    canvas.restore();
}

void drawLogo(QPainter& canvas, const QRect& work, bool turned, const AppSettings& s, bool slideSheet) {
    PhotoImage logo;
    if (!logo.LoadFile(s.LogoFileName) || !logo.Raster()) return;
    CxImage* raster = logo.Raster();
    if (turned) {
        if (slideSheet)
            raster->RotateClockwise();
        else
            raster->RotateCounterClockwise();
    }
    QImage picture = raster->ToBitmap().convertToFormat(QImage::Format_ARGB32);
    if (picture.isNull()) return;
    // Pixels of the transparent colour leave the canvas as it is.
    const QRgb key = qRgb(colorRed(s.LogoColorref), colorGreen(s.LogoColorref), colorBlue(s.LogoColorref));
    for (int y = 0; y < picture.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            if ((row[x] & 0x00ffffff) == (key & 0x00ffffff)) row[x] = 0;
    }
    const QPoint at = logoOrigin(work, s.LogoLocation, picture.width(), picture.height());
    canvas.drawImage(at, picture);
}
}  // namespace

QPoint watermarkTextOrigin(const QRect& work, int loc, bool turned, int c, int n) {
    const int left = work.x(), top = work.y(), right = rightOf(work), bottom = bottomOf(work);
    if (!turned) {
        switch (loc) {
            case 0:
                return {left + c, bottom - 3 * c};
            case 1:
                return {right - (n + 3) * c, bottom - 3 * c};
            case 2:
                return {left + c, top + c};
            case 3:
                return {right - (n + 3) * c, top + c};
        }
    } else {
        switch (loc) {
            case 0:
                return {left + c, bottom - c};
            case 1:
                return {right - 3 * c, bottom - c};
            case 2:
                return {left + c, top + (n + 3) * c};
            case 3:
                return {right - 3 * c, top + (n + 3) * c};
        }
    }
    // Codes outside 0..3 were never given a place; the bottom right is the default.
    return watermarkTextOrigin(work, 1, turned, c, n);
}

QPoint logoOrigin(const QRect& work, int loc, int w, int h) {
    const int left = work.x(), top = work.y(), right = rightOf(work), bottom = bottomOf(work);
    switch (loc) {
        case 0:
            return {left + 5, bottom - h - 5};
        case 2:
            return {left + 5, top + 5};
        case 3:
            return {right - w - 5, top + 5};
        default:
            return {right - w - 5, bottom - h - 5};
    }
}

void DecorateSlot(QPainter& canvas, const QRect& inner, bool turned, const AppSettings& s, bool slideSheet) {
    // The watermark keeps 10 pixels off the right and bottom edges.
    const QRect work(inner.x(), inner.y(), inner.width() - 10, inner.height() - 10);
    if (s.UseTextLogo)
        drawTextWatermark(canvas, work, turned, s);
    else if (s.UseImageLogo)
        drawLogo(canvas, work, turned, s, slideSheet);
}

QColor toQColor(ColorRef c) {
    return QColor(colorRed(c), colorGreen(c), colorBlue(c));
}

int turnedLogoLocation(int loc) {
    static const int turned[4] = {1, 3, 0, 2};
    return loc >= 0 && loc < 4 ? turned[loc] : loc;
}

QString productResolutionLine(int resolution) {
    return QStringLiteral("Snapvale (snapvale.example) - Page Resolution %1 DPI").arg(resolution);
}

QString pageResolutionText(bool mirrored, const QString& title, int resolution) {
    if (mirrored) return title + QStringLiteral(" \n") + productResolutionLine(resolution);
    return QStringLiteral("%1 \nPage Resolution %2 DPI").arg(title).arg(resolution);
}

void DrawPageResolutionText(QPainter& canvas, int canvasWidth, const QRect& slot, bool mirrored,
                            const QString& title, const AppSettings& s) {
    if (s.PhotosOnly) return;
    const QRect band =
        mirrored ? QRect(0, slot.y() - 50, canvasWidth, 50) : QRect(0, bottomOf(slot), canvasWidth, 50);
    canvas.save();
    canvas.setFont(defaultTextFont(18));
    canvas.setPen(toQColor(s.LayoutGridColor));
    canvas.setBackgroundMode(Qt::TransparentMode);
    canvas.drawText(band, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                    pageResolutionText(mirrored, title, s.PageResolution));
    canvas.restore();
}

void PaintGradient(QPainter& device, const QRect& rect, ColorRef start, ColorRef end) {
    const int sr = colorRed(start), sg = colorGreen(start), sb = colorBlue(start);
    const int er = colorRed(end), eg = colorGreen(end), eb = colorBlue(end);
    const int n = std::max({std::abs(er - sr), std::abs(eg - sg), std::abs(eb - sb)});
    if (n == 0) return;
    const double band = double(rect.height()) / n;
    for (int i = 1; i <= n; ++i) {
        const int r = sr + (er - sr) * (i - 1) / n;
        const int g = sg + (eg - sg) * (i - 1) / n;
        const int b = sb + (eb - sb) * (i - 1) / n;
        const int from = int(std::trunc((i - 1) * band));
        const int to = int(std::trunc(i * band)) + 1;
        device.fillRect(QRect(rect.x(), rect.y() + from, rect.width(), to - from), QColor(r, g, b));
    }
}

BackgroundPainter::BackgroundPainter() = default;
BackgroundPainter::~BackgroundPainter() = default;

void BackgroundPainter::Paint(QPainter& device, const QRect& rect, bool drawPicture, AppSettings& s) {
    if (s.UseBackgroundImage && !s.BgndTilePic.isEmpty() && !loadTried_) {
        loadTried_ = true;
        auto picture = std::make_unique<PhotoImage>();
        if (picture->LoadFile(s.BgndTilePic)) picture_ = std::move(picture);
    }
    if (s.GradientFill)
        PaintGradient(device, rect, s.GradStartColorref, s.GradEndColorref);
    else
        device.fillRect(rect, toQColor(s.BackgroundColorref));

    if (!s.UseBackgroundImage || !drawPicture || !picture_) return;
    const int b = s.UseTitle ? int(std::trunc(rect.height() * 0.033)) : 0;
    if (s.StretchBackgroundImage) {
        picture_->DrawFitted(&device, rect);
        return;
    }
    s.HorizontalTile = std::clamp(s.HorizontalTile, 1, 5);
    s.VerticalTile = std::clamp(s.VerticalTile, 1, 5);
    const int cellW = rect.width() / s.HorizontalTile;
    const int cellH = rect.height() / s.VerticalTile;
    int w = 0, h = 0;
    picture_->GetPixelSize(w, h);
    const QRect fit = PhotoImage::FitRect(QRect(0, 0, cellW, cellH), w, h, true);
    const int dx = fit.x(), dy = fit.y(), fw = fit.width(), fh = fit.height();
    for (int row = 0; row < s.VerticalTile; ++row)
        for (int col = 0; col < s.HorizontalTile; ++col)
            picture_->DrawFitted(&device, QRect(rect.x() + dx + col * (fw + 2 * dx),
                                                rect.y() + dy + b + row * (fh + 2 * dy), fw, fh));
}
