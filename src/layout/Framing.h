#pragma once
// A photo framed by hand in its slot: moved, zoomed and turned by the person rather
// than fitted by the automatic turn and crop. A framed photo always covers its whole
// slot; the framing only chooses which part of the photo shows.
//
// The framing belongs to the photo at its place in the image list (1-based, as the
// slot records count it) and is kept with the path that stood there, so it follows
// the photo when the list is sorted and is dropped when the photo leaves the list.

#include <QImage>
#include <QRect>
#include <QString>
#include <map>

class CxImage;
class ImageList;

struct Framing {
    // Where the shown part lies in the photo's free travel: -1 puts the photo's left
    // (top) edge at the slot's edge, 0 centres it, 1 its right (bottom) edge.
    double panX = 0;
    double panY = 0;
    // On top of the automatic fill, which just covers the slot: 1 to kMaxZoom.
    double zoom = 1;
    // Counter-clockwise quarter turns added to the automatic turn, 0 to 3.
    int turns = 0;

    static constexpr double kMaxZoom = 4.0;

    friend bool operator==(const Framing&, const Framing&) = default;
};

// Every field finite and in its range.
bool isValidFraming(const Framing& framing);
// Pans and zoom pulled into their ranges, turns taken modulo 4; a value that is not a
// number falls back to its automatic value. For the live edits of the view.
Framing clampedFraming(const Framing& framing);

// The quarter turns (counter-clockwise, 0 to 3) a framed photo is drawn with.
int framedTurns(bool automaticTurn, int extraTurns);

// The part of the photo a framed slot shows, in the pixels of the photo as turned
// (turnedWidth x turnedHeight): the slot's shape, at most the whole photo, so the
// slot is covered edge to edge. Empty when the photo or the slot has no area.
struct FramedRegion {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    bool isEmpty() const { return !(width > 0) || !(height > 0); }
};
FramedRegion framedRegion(int turnedWidth, int turnedHeight, int slotWidth, int slotHeight,
                          const Framing& framing);

// The photo's pixel size after a number of counter-clockwise quarter turns.
inline void turnedSize(int width, int height, int turns, int& turnedWidth, int& turnedHeight) {
    const bool across = (turns & 1) != 0;
    turnedWidth = across ? height : width;
    turnedHeight = across ? width : height;
}

// The pan that moves the shown part by (dx, dy) slot pixels, for a drag or an arrow key:
// the photo follows the pointer. Pans end at the photo's edges.
Framing pannedBy(const Framing& framing, int turnedWidth, int turnedHeight, int slotWidth, int slotHeight,
                 double dx, double dy);

// A picture to draw a framed photo from: display rows top to bottom, each
// bytesPerPixel (3: B,G,R as the photo raster holds them; 4: QImage RGB32).
struct FramingSource {
    const uchar* (*row)(const void* owner, int displayRow) = nullptr;
    const void* owner = nullptr;
    int width = 0;  // pixels held, before turning
    int height = 0;
    int bytesPerPixel = 3;

    static FramingSource fromRaster(const CxImage& raster);  // 24-bit rasters only
    static FramingSource fromImage(const QImage& image);     // Format_RGB32 / ARGB32 only
};

// Draws region (in full-resolution pixels of the turned photo, whose size before
// turning is fullWidth x fullHeight) from source, which holds the photo at any
// smaller scale, into dest of target, filling dest. Pixels are picked, not blended,
// like the plain stretch the slots use for big photos. Only the part of dest inside
// target is written.
void drawFramedRegion(QImage& target, const QRect& dest, const FramingSource& source, int fullWidth,
                      int fullHeight, int turns, const FramedRegion& region);

// The 1-based place of the list's current photo: the entry the last take gave, found
// from the cursor, so a photo that stands in the list twice is told apart. Where the
// current photo was set otherwise, its first place; 0 when it is not in the list.
int currentPlace(const ImageList& list);

// The framings of a list, by 1-based place.
class FramingSet {
public:
    struct Entry {
        QString path;  // the photo that stood at the place when it was framed
        Framing framing;
        friend bool operator==(const Entry&, const Entry&) = default;
    };

    bool isEmpty() const { return entries_.empty(); }
    int count() const { return int(entries_.size()); }
    const std::map<int, Entry>& entries() const { return entries_; }

    // The framing of the photo at place (1-based) when it is path; null when that
    // photo is not framed by hand, so its automatic turn and crop apply.
    const Framing* find(int place, const QString& path) const;
    // Whether the photo at place was framed by hand: such a photo is placed as the
    // person chose, and nothing automatic (the crop, faces) moves it.
    bool isFramedByHand(int place, const QString& path) const { return find(place, path) != nullptr; }

    void set(int place, const QString& path, const Framing& framing);
    // Back to the automatic fit. True when there was a framing.
    bool reset(int place);
    void clear() { entries_.clear(); }

    // After the list changed: a framing stays with its photo where the photo moved
    // (the first place that holds its path and no other framing), and is dropped when
    // the photo is no longer in the list. True when anything changed.
    bool followList(const ImageList& list);

    friend bool operator==(const FramingSet&, const FramingSet&) = default;

private:
    std::map<int, Entry> entries_;
};
