#pragma once
// The marks the rendering pass puts on a page besides the photos: the watermark in
// a corner of every photo (a line of text or a logo picture with a transparent
// colour), the page resolution text of the half-page 5 1/4 x 8 1/4 style, and the
// background painter of the setup sheet's preview.

#include <QColor>
#include <QRect>
#include <QString>
#include <memory>

#include "core/AppSettings.h"

class QPainter;
class PhotoImage;

// Rectangles here follow the page's convention: right and bottom are exclusive
// edges (x() + width(), y() + height()).

// A stored 0x00BBGGRR colour as Qt's.
QColor toQColor(ColorRef c);

// The watermark corner as seen on a photo turned a quarter for its slot or frame:
// 0->1, 1->3, 2->0, 3->2; other codes stay as they are.
int turnedLogoLocation(int logoLocation);

// "Snapvale (snapvale.example) - Page Resolution %d DPI": the product line of the
// page texts.
QString productResolutionLine(int resolution);

// Watermark for one slot. `turned`: the photo in it was turned a quarter.
// `slideSheet`: the page is a 3D slide index sheet (the logo turns the other way).
void DecorateSlot(QPainter& canvas, const QRect& inner, bool turned, const AppSettings& settings,
                  bool slideSheet);

// The text watermark's top-left reference point for a corner code (0 bottom left,
// 1 bottom right, 2 top left, 3 top right), average character width c and text length n.
QPoint watermarkTextOrigin(const QRect& work, int logoLocation, bool turned, int c, int n);
// The logo picture's top-left corner for a corner code and logo size.
QPoint logoOrigin(const QRect& work, int logoLocation, int w, int h);

// Title and resolution in a 50-pixel band beside the slot (above it when mirrored).
void DrawPageResolutionText(QPainter& canvas, int canvasWidth, const QRect& slot, bool mirrored,
                            const QString& title, const AppSettings& settings);
QString pageResolutionText(bool mirrored, const QString& title, int resolution);

// Vertical gradient, top to bottom, in max(|dr|, |dg|, |db|) bands.
void PaintGradient(QPainter& device, const QRect& rect, ColorRef start, ColorRef end);

// The setup preview's background: colour or gradient, then optionally the picture
// stretched or tiled. Keeps the loaded picture between calls.
class BackgroundPainter {
public:
    BackgroundPainter();
    ~BackgroundPainter();
    void Paint(QPainter& device, const QRect& rect, bool drawPicture, AppSettings& settings);

private:
    std::unique_ptr<PhotoImage> picture_;
    bool loadTried_ = false;
};
