#pragma once
// Index sheets: many photos of the list as small frames on one page, either as
// vertical negative film strips or as 3D slide mounts. The sheet is laid out in
// columns filled from the right, each frame gets a photo fitted whole (never cut)
// and a label running down its left margin naming the photo.

#include <QDateTime>
#include <QRect>
#include <QString>
#include <vector>

#include "layout/RenderPass.h"
#include "layout/TemplateCatalogue.h"

// The film margin: the left part of every film frame that carries the label.
inline constexpr int kFilmMargin = 30;

// "Created with Snapvale [v 02.52.15] on Tue Dec 07 03:10:47 2004", a line break, the
// maker's notice, then the product line with the page resolution.
QString indexSheetHeaderText(const QDateTime& when, int resolution);
// The date as the header shows it: always English names, 24 characters.
QString indexSheetDateText(const QDateTime& when);

// The file name without its folder, cut to its first (limit - 3) characters and "..."
// when it is longer than limit.
QString frameLabelName(const QString& path, int limit);
// "#%d • [%dx%d] • %s • #%dA" for a photo of the list.
QString frameLabelText(int listIndex, int photoWidth, int photoHeight, const QString& path, int limit);

// Pen width and holes per cell of the strip artwork, by the sheet's frame count.
struct FilmArtwork {
    int penWidth = 3;
    int holes = 25;
};
FilmArtwork filmArtworkFor(int frameCount);

// One sprocket hole of a film cell: odd holes are white and wide, even ones black and narrow.
struct FilmHole {
    QRect rect;
    bool white = false;
};
std::vector<FilmHole> filmHoles(const QRect& cell, int penWidth, int holeCount);

// The cell of a column (1 = leftmost) and row (1 = top) of the sheet area, with the
// 4 pixels on the right of every column left free. Right and bottom are exclusive.
QRect indexSheetCell(const PixelRect& sheetArea, int columns, int rows, int column, int row);

// Where the photo goes inside a frame.
QRect filmPhotoRect(const QRect& frame);
QRect slidePhotoRect(const QRect& frame);

// Whether a photo of this size is turned for a frame's photo rectangle of that size.
// On slide sheets every photo is turned.
bool frameTurnsPhoto(int photoWidth, int photoHeight, int rectWidth, int rectHeight, bool slides);

class Canvas;
class PhotoImage;
class QPainter;

class IndexSheets final : public IndexSheetDrawer {
public:
    // The slide mount picture, loaded once for every slide sheet drawn.
    static const char* const kMountPicture;  // ":/images/302.png"
    static const char* const kMountLoadError;

    void drawSheet(RenderPass& pass, Canvas& canvas, const Template& tpl,
                   const IndexSheetPlacement& sheet) override;

    // Another picture for the mounts (tests use a missing one).
    void setMountPicturePath(const QString& path) { mountPath_ = path; }

private:
    struct Sheet {
        bool slides = false;
        int labelLimit = 0;
    };
    // One frame: counter, record, label, photo, lamp, list step. False in grid-only
    // mode, which numbers the first frame only.
    bool fillFrame(RenderPass& pass, QPainter& painter, const QRect& frame, const QString& fileName,
                   const Sheet& sheet);
    void drawFilmArtwork(QPainter& painter, const QRect& cell, const PixelRect& sheetArea, bool lastRow,
                         const FilmArtwork& art, const AppSettings& settings);
    // The photo target of every frame, in filling order.
    std::vector<PhotoTarget> plannedTargets(const IndexSheetPlacement& sheet) const;

    QString mountPath_ = QString::fromLatin1(kMountPicture);
};
