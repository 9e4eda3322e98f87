#pragma once
// The page canvas: an off-screen surface of W x H pixels at print resolution on
// which one page is drawn, and the kept page (a 24-bit bottom-up DIB) made from it
// at the end of a pass. Painting never antialiases, so rectangles and lines land
// on exact pixels as the layouts were measured.

#include <QImage>
#include <QRect>
#include <QSize>
#include <memory>

#include "image/CxImage.h"
#include "layout/PageSetup.h"
class Notifier;
class PhotoImage;
class QPainter;
class StatusSink;
struct AppSettings;

class Canvas {
public:
    Canvas();
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // trunc(resolution x inches) in each axis.
    static QSize pixelSize(int resolution, double widthInches, double heightInches);
    // The canvas size the settings ask for (PageResolution and the template size).
    static QSize pixelSize(const AppSettings& settings);
    // Whether a surface of this size may be made at all: positive, and small enough
    // that both the surface and the kept page stay under the raster ceiling.
    static bool sizeAllowed(int width, int height);

    // A surface of width x height with a painter on it, white unless told that the
    // caller clears it itself (the rendering pass does, so the page is written once).
    // False, with nothing allocated, when the size is not allowed or the memory is
    // not there.
    enum class Fill { White, Uncleared };
    bool create(int width, int height, Fill fill = Fill::White);
    void release();
    // Whether the surface can still be drawn on.
    bool isValid() const { return painter_ != nullptr; }
    // Ends the drawing; the picture stays. Reading the picture while a painter is
    // active on it would copy every pixel at the first QImage copy.
    void endPainting();
    // The picture, drawing ended, moved out without a copy; the canvas is empty after.
    QImage takeImage();

    int width() const { return image_.width(); }
    int height() const { return image_.height(); }
    QRect rect() const { return QRect(0, 0, width(), height()); }
    QPainter& painter() { return *painter_; }
    const QImage& image() const { return image_; }

    // The surface as a kept page: a 24-bit DIB, rows bottom-up, recording the page's
    // resolution, so a file made from it prints at its size. Ends the drawing first and
    // converts the rows straight into the DIB. False, and page untouched, when it
    // cannot be allocated.
    bool makeKeptPage(CxImage& page, int resolution = 96);
    // The same for any picture drawn elsewhere (an album page); 96 dpi unless told.
    // A 32-bit picture is read where it lies, never copied first.
    static bool keptPageFrom(const QImage& image, CxImage& page, int resolution = 96);

private:
    QImage image_;
    std::unique_ptr<QPainter> painter_;
};

// The page a rendering pass leaves behind: the bitmap, the resolution it was drawn
// at and the paper and template it was laid out for. Printing and snapshots read
// these, never the settings of the moment, which may have changed since.
struct KeptPage {
    CxImage image;
    int resolution = 0;  // dots per inch
    PaperSizes sizes;
    bool borderless = false;  // laid out by a borderless template: printed to the paper's edges where it can

    bool isValid() const { return image.IsValid(); }
    void clear() {
        image.Destroy();
        resolution = 0;
        sizes = PaperSizes{};
        borderless = false;
    }
};

// Status pane 0 "*Bitmap Memory Error*" and the message telling the person to make
// the page smaller. Either seam may be missing.
void reportBitmapMemoryError(StatusSink* status, Notifier* notifier);
extern const char* const kBitmapMemoryErrorPane;
extern const char* const kBitmapMemoryErrorText;

// The picture shown for an empty list and for photos that cannot be loaded
// (":/images/170.png"); loaded once. Empty when the resource is missing.
const PhotoImage& placeholderPicture();
// The placeholder stretched over the rectangle (right and bottom exclusive).
bool drawPlaceholder(QPainter& painter, const QRect& rect);

// What the view shows for an empty list: the placeholder over the whole canvas.
void paintEmptyListPage(Canvas& canvas);
