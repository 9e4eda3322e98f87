#include "imagelist/ImageList.h"

#include <algorithm>

bool ImageList::samePath(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool ImageList::pathLess(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) < 0;
}

void ImageList::setCursor(int position) {
    cursor_ = position >= 0 && position < count() ? position : kNoCursor;
}

bool ImageList::takeNext() {
    bool notWrapped = true;
    if (cursor_ == kNoCursor) {
        notWrapped = false;
        if (entries_.empty()) {
            currentPhoto.clear();
            return false;
        }
        cursor_ = direction_ == Direction::Forward ? 0 : count() - 1;
    }
    currentPhoto = entries_[cursor_];
    cursor_ += direction_ == Direction::Forward ? 1 : -1;
    if (cursor_ < 0 || cursor_ >= count()) cursor_ = kNoCursor;
    return notWrapped;
}

void ImageList::seek(const QString& path) {
    if (path.isEmpty() || entries_.empty()) return;
    const int i = indexOf(path);
    cursor_ = i > 0 ? i - 1 : 0;
}

void ImageList::seekResume(const QString& resumePhoto) {
    if (entries_.empty()) return;
    if (resumePhoto.isEmpty())
        cursor_ = 0;
    else
        seek(resumePhoto);
}

int ImageList::indexOf(const QString& path) const {
    if (path.isEmpty()) return 0;
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (samePath(entries_[i], path)) return static_cast<int>(i) + 1;
    return 0;
}

void ImageList::sort() {
    // A stable sort gives exactly the order of the neighbour-exchange sort the
    // list has always had, without its quadratic time.
    std::stable_sort(entries_.begin(), entries_.end(), pathLess);
}

void ImageList::clear() {
    entries_.clear();
    cursor_ = kNoCursor;
}

void ImageList::beginPage() {
    if (indexOf(currentPhoto) == 0 && !entries_.empty()) {
        const int at = cursor_ == kNoCursor ? 0 : cursor_;
        currentPhoto = entries_[at];
        selectedStartPhoto = currentPhoto;
        cursor_ = at + 1 < count() ? at + 1 : kNoCursor;
    }
    pageFirstPhoto = currentPhoto;
}
