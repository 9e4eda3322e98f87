#pragma once
// A rendering pass with the index sheet drawer and a fixed clock, and the sheet's
// geometry worked out here on its own, so tests can find frames on the page.

#include <QRect>

#include "layout/IndexSheets.h"
#include "layout/PageSetup.h"
#include "render/RenderTestSupport.h"

class IndexSheetFixture : public RenderFixture {
protected:
    void SetUp() override {
        RenderFixture::SetUp();
        pass->setIndexSheetDrawer(&drawer);
        pass->setClock(&clock);
    }
    void choose(const QString& name, int dpi = 100) {
        chooseFullPageTemplate(settings, nullptr, name);
        choosePageResolution(settings, nullptr, dpi);
    }
    // Solid-colour photos named photo1.png ... in the list.
    void solidPhotos(const std::vector<QColor>& colours, QSize size = QSize(60, 60)) {
        list.clear();
        int i = 1;
        for (const QColor& c : colours) {
            const QString file = path(QStringLiteral("photo%1.png").arg(i++));
            ASSERT_FALSE(writeSolidPhoto(file, size.width(), size.height(), c).isEmpty());
            list.append(file);
        }
    }

    // The sheet area: 0.1 in margins, 0.5 in at the top, on an 8 x 10 page.
    QRect sheetArea() const {
        const int w = settings.CanvasWidth, h = settings.CanvasHeight;
        const int left = int(w * 0.1 / 8), right = int(w - w * 0.1 / 8);
        const int top = int(h * 0.5 / 10), bottom = int(h - h * 0.1 / 10);
        return QRect(left, top, right - left, bottom - top);
    }
    // Column 1 is the leftmost; 4 pixels on each column's right stay free.
    QRect cell(int columns, int rows, int column, int row) const {
        const QRect s = sheetArea();
        const double cw = double(s.width()) / columns, ch = double(s.height()) / rows;
        const double right = s.x() + s.width() - (columns - column) * cw;
        const double top = s.y() + (row - 1) * ch;
        const int l = int(right - cw), t = int(top);
        return QRect(l, t, int(right) - 4 - l, int(top + ch) - t);
    }
    // The photo rectangle of a film frame: the cell less 5 pixels, less the 30-pixel margin.
    static QRect filmPhotoArea(const QRect& cell) { return cell.adjusted(5 + 30, 5, -5, -5); }

    QRgb colourAt(QPoint p) const { return pixel(p.x(), p.y()); }

    IndexSheets drawer;
    FixedClock clock;
};

// Colours as pixel() gives them: no alpha byte.
inline QRgb rgbOf(ColorRef c) {
    return qRgb(colorRed(c), colorGreen(c), colorBlue(c)) & 0xffffff;
}
inline QRgb rgbOf(const QColor& c) {
    return c.rgb() & 0xffffff;
}
