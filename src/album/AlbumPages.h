#pragma once
// Album pages: the album's photos as a grid of framed pictures on a page background,
// as one page or as a two-page spread. One drawing serves the album editor's preview,
// the album's thumbnail and the printed album page.
//
// AlbumPageModel holds what the editor's page area needs between drawings (layout,
// page start, running position, the cached preview, the thumbnail area) and talks to
// the person only through the seams: the editor's status line, progress bar and window
// title are a StatusSink (pane 0, setProgress, setWindowTitle), its message boxes a
// Notifier. Nothing here needs a widget.

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <vector>

#include "album/AlbumFile.h"
#include "layout/PhotoSupply.h"

class Notifier;
class PrinterBackend;
class QPainter;
class StatusSink;

// Columns and rows of a page, and the two flags that change its look.
struct AlbumLayout {
    int columns = 1;
    int rows = 1;
    bool twoPage = false;
    bool captions = false;

    // "C x R" as the layout choice lists it: columns first ("2 x 3" is two columns of
    // three rows). Any text that is not one of the listed layouts counts as "1 x 1".
    static AlbumLayout fromText(const QString& text, bool twoPage = false, bool captions = false);
    // Whether the text is one of albumLayoutChoices().
    static bool isChoice(const QString& text);
    QString text() const;
    // Columns x rows, doubled for a spread.
    int photosPerPage() const;
    friend bool operator==(const AlbumLayout&, const AlbumLayout&) = default;
};

// The layouts offered, in the order the layout choice lists them ("1 x 1" ... "4 x 4").
QStringList albumLayoutChoices();

// Where the cells of a page lie on a drawing area. Every cell is cellWidth x cellHeight;
// cells holds their top-left corners in drawing order (rows top to bottom, each left
// to right; a spread draws its whole left page before the right one).
struct AlbumPageGeometry {
    int cellWidth = 0;
    int cellHeight = 0;
    std::vector<QPoint> cells;
};
AlbumPageGeometry albumPageGeometry(const AlbumLayout& layout, int width, int height);

// The caption font's cell height for a cell height: 8 % of it, truncated, kept within
// 15 to 20 pixels.
int albumCaptionFontHeight(int cellHeight);
// The band under the picture that holds the caption: two font heights, or nothing
// when captions are off.
int albumCaptionBandHeight(int cellHeight, bool captions);
// The picture of a photo of photoWidth x photoHeight in a box: fitted as a print is
// fitted in its margins, then centred in the box. Empty when either size is not positive.
QRect albumPictureRect(const QRect& box, int photoWidth, int photoHeight);
// The progress bar after the drawn-th photo of a page of perPage photos: drawn / perPage
// x 100, truncated.
int albumProgressPercent(int drawn, int perPage);

// The text shortened to `length` characters by putting "..." in its middle: the first
// length - t - 3 characters, "..." and the last t, where t = trunc(length x 0.7) - 4
// with 0.7 held in single precision. Texts not longer than length, and lengths that
// leave t at 0 or less, are kept whole. Characters are Unicode characters, never half
// of one.
QString ShortenCaption(const QString& text, int length);

// The texts the album pages show.
namespace album_text {
inline constexpr const char* kContainsFiles = QT_TRANSLATE_NOOP("Status", "Album contains %d file(s).");
inline constexpr const char* kLoadError = "(?x?) Image Load Error\n%s\nCheck your file location.";
inline constexpr const char* kCaption = "(%dx%d)\n%s";
inline constexpr const char* kEmptyAlbum = "Your album is empty!";
inline constexpr const char* kPrintJobTitle = "Photo Album Page Print";
}  // namespace album_text

// The thumbnail area of the editor before it says otherwise, in pixels, and the size
// a print enlarges an area narrower than kMinimumPrintWidth to.
inline constexpr QSize kDefaultThumbnailArea(280, 278);
inline constexpr int kMinimumPrintWidth = 500;
inline constexpr QSize kPrintArea(1800, 1600);
// Print margins on every side, in inches.
inline constexpr float kAlbumPrintMargin = 0.25f;

class AlbumPageModel {
public:
    // Either seam may be missing (nothing is shown then).
    explicit AlbumPageModel(StatusSink* status = nullptr, Notifier* notifier = nullptr);
    ~AlbumPageModel();
    AlbumPageModel(const AlbumPageModel&) = delete;
    AlbumPageModel& operator=(const AlbumPageModel&) = delete;

    void setSeams(StatusSink* status, Notifier* notifier);

    // --- What is drawn. Every setter that changes something drops the cached preview.

    // The album's photo files in album order. The page start stays where it was when
    // it still names a file, else it goes to the first file (none for an empty album);
    // the running position likewise, and the kept first file of the page is forgotten
    // when it no longer names a file.
    void setFiles(const QStringList& files);
    const QStringList& files() const { return files_; }
    bool isEmpty() const { return files_.isEmpty(); }

    void setLayout(const AlbumLayout& layout);
    // The layout choice's text ("2 x 3"), as the PageLayout setting stores it.
    void setLayoutText(const QString& text);
    void setTwoPage(bool on);
    void setCaptions(bool on);
    const AlbumLayout& layout() const { return layout_; }
    int photosPerPage() const { return layout_.photosPerPage(); }

    // The file the next drawn page begins with (a list position, -1 for none). Setting
    // it is a page change made by the editor (a click in the list, Prev Page, Delete):
    // positions outside the list are refused.
    bool setPageStart(int index);
    // Moves where the next page begins and nothing else: the page on display stays
    // (a Ctrl+click in the editor's list). False for an index outside the files.
    bool movePageStart(int index);
    int pageStart() const { return pageStart_; }
    // The file after the last one drawn, wrapping to the first; -1 before any drawing.
    int runningPosition() const { return running_; }
    // The first file of the last preview drawn (the page a print prints); -1 for none.
    int firstFileOfPage() const { return firstFile_; }
    // Where page `page` (from 1) of the album begins when paging from the first file:
    // ((page - 1) x photos per page) mod files; -1 for an empty album.
    int pageStartFor(long long page) const;

    // The hidden thumbnail area that thumbnails and prints are drawn at.
    void setThumbnailAreaSize(const QSize& size);
    QSize thumbnailAreaSize() const { return thumbnailArea_; }

    // Threads decoding photos ahead of the drawing (0: every photo loads as it is drawn).
    void setDecodeThreads(int threads) { supply_.setThreads(threads); }

    // --- Drawing.

    // Why a preview is drawn: a page change (opening an album, Next Page, Prev Page, a
    // click in the list, Delete, Add files, New) moves the page start on to the running
    // position, where the next page continues; a layout, two-page or caption change
    // draws from the page start and leaves it where it is.
    enum class Drawing { PageChange, LayoutChange };

    // Draws the page that begins at the page start on a fresh area of the given size and
    // keeps it as the cached preview: "Album contains %d file(s)." in pane 0, the
    // background, and (when there is a page start) every cell with the progress bar
    // running from the first photo to 100 and hidden again (0). Keeps the first file
    // drawn for printing. False, with nothing changed, when the area cannot be made
    // (the window title "*Bitmap Memory Error*" and the memory message are shown), while
    // another drawing is under way, or when the album, layout or page start changed while
    // this one was drawn (it no longer shows them and is dropped).
    bool RenderAlbumPage(const QSize& area, Drawing why);

    bool hasCachedPreview() const { return !preview_.isNull(); }
    const QImage& cachedPreview() const { return preview_; }
    void dropCachedPreview() { preview_ = QImage(); }
    // What the editor's page area paints: the cached preview when there is one of that
    // size, else a drawing made as for a layout change (the page start stays). A null
    // image when the area cannot be made; an area that failed is not tried again (nor
    // the message shown again) until something drawn changes.
    const QImage& preview(const QSize& area);

    // The album thumbnail, made before every save: the cached preview scaled to the
    // thumbnail area, written as a quality-90 JPEG to jpegPath and coded as hexadecimal
    // text into textPath. False when there is no cached preview or the area cannot be
    // made (the memory error is shown), neither file touched then, or when a file cannot
    // be written.
    bool MakeAlbumThumbnail(const QString& jpegPath = workingThumbnailJpegPath(),
                            const QString& textPath = workingThumbnailTextPath());

    enum class PrintOutcome {
        Printed,      // the page reached the spooler
        EmptyAlbum,   // "Your album is empty!" was shown
        MemoryError,  // the area could not be made; the memory error was shown
        NotPrinted,   // no printer, or the spooler refused the page
    };
    // The editor's page print: the current page (from the kept first file of the page,
    // or the page start before any preview was drawn) drawn at the thumbnail area's size,
    // which is first enlarged to 1800 x 1600 for good when it is narrower than 500, and
    // printed as "Photo Album Page Print", portrait, fitted inside 0.25-inch margins. The
    // page size question is not asked; the page start stays where it is.
    PrintOutcome PrintAlbumPage(PrinterBackend& printer);

    // Draws the page that begins at `start` on painter over a width x height area: the
    // background, then the cells (when start names a file) with the progress bar. Returns
    // the running position after the last cell (-1 when nothing was drawn).
    int drawPage(QPainter& painter, int width, int height, int start);

    // A drawing is under way (its progress bar may let input through): drawings and
    // prints asked for meanwhile are refused; a thumbnail uses the last finished preview.
    bool busy() const { return busy_; }
    // Photos of the last drawing decoded at a reduced scale (for tests and benchmarks).
    int reducedDecodes() const { return reduced_; }

private:
    void reportMemoryError();
    // Something drawn changed: the cached preview no longer shows it.
    void changed();

    StatusSink* status_;
    Notifier* notifier_;
    QStringList files_;
    AlbumLayout layout_;
    int pageStart_ = -1;
    int running_ = -1;
    int firstFile_ = -1;
    QSize thumbnailArea_ = kDefaultThumbnailArea;
    QImage preview_;
    QSize failedArea_;  // the area the last drawing could not make, until a change
    quint64 generation_ = 0;
    bool busy_ = false;
    int reduced_ = 0;
    PhotoSupply supply_;
};

// The album page backgrounds (":/images/196.jpg" for a single page, 198 for a spread),
// loaded once; null when the resource is missing.
const QImage& albumBackground(bool twoPage);
