#pragma once
// The ordered list of photo files that pages are made from, with a cursor that
// the rendering pass takes one photo per slot from.
//
// Paths compare without regard to letter case (QString::compare with
// Qt::CaseInsensitive over the UTF-8 decoded paths), except where an album
// reader says otherwise. Duplicates are allowed and kept.

#include <QString>
#include <vector>

class ImageList {
public:
    enum class Direction { Forward, Backward };
    static constexpr int kNoCursor = -1;

    const std::vector<QString>& entries() const { return entries_; }
    int count() const { return static_cast<int>(entries_.size()); }
    bool isEmpty() const { return entries_.empty(); }
    // The position the next take returns, or kNoCursor.
    int cursor() const { return cursor_; }
    void setCursor(int position);

    Direction direction() const { return direction_; }
    void setDirection(Direction d) { direction_ = d; }

    // The photo taken last (or set); the next slot draws it. Empty when none.
    QString currentPhoto;
    // Where the page on display began; Redraw returns to it.
    QString pageFirstPhoto;
    // A path used to place the cursor (a dialog choice, "Goto Image #", the resume point).
    QString selectedStartPhoto;

    // Puts the entry at the cursor into currentPhoto and moves the cursor one step
    // in the direction, to kNoCursor when it runs off either end. When the cursor
    // was kNoCursor it first goes to the first (forward) or last (backward) entry
    // and the result is false, as on an empty list (currentPhoto then empty).
    bool takeNext();
    // Cursor on the first entry equal to path, else on the first entry. An empty
    // path or an empty list changes nothing.
    void seek(const QString& path);
    // As seek, but an empty resume photo puts the cursor on the first entry.
    void seekResume(const QString& resumePhoto);
    // 1-based position of the first entry equal to path; 0 when there is none.
    int indexOf(const QString& path) const;
    // Ascending, case-insensitive, stable. Paths move, positions do not: the
    // cursor keeps its position while the path there may change.
    void sort();
    void clear();
    void append(const QString& path) { entries_.push_back(path); }

    // Before the first slot of a page: when the current photo is not in the list,
    // the entry at the cursor (the first when there is none) becomes current and
    // the selected start photo, and the cursor moves one forward whatever the
    // direction. Then the page's first photo becomes the current photo.
    void beginPage();

    static bool samePath(const QString& a, const QString& b);
    static bool pathLess(const QString& a, const QString& b);

private:
    std::vector<QString> entries_;
    int cursor_ = kNoCursor;
    Direction direction_ = Direction::Forward;
};
