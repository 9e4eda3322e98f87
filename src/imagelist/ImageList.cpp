#include "imagelist/ImageList.h"

#include <algorithm>
#include <string>

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

namespace {
// The sort key of one path: its lower-cased bytes when the path is plain ASCII,
// where folding case is just that and bytes compare like the characters.
struct SortKey {
    std::string folded;
    bool ascii = true;
};

SortKey sortKeyOf(const QString& path) {
    SortKey key;
    key.folded.resize(static_cast<std::size_t>(path.size()));
    for (qsizetype i = 0; i < path.size(); ++i) {
        const char16_t c = path[i].unicode();
        if (c >= 0x80) {
            key.ascii = false;
            key.folded.clear();
            break;
        }
        key.folded[static_cast<std::size_t>(i)] =
            static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
    }
    return key;
}
}  // namespace

void ImageList::sort() {
    // A stable sort gives exactly the order of the neighbour-exchange sort the
    // list has always had, without its quadratic time. Paths move, positions stay.
    const std::size_t n = entries_.size();
    if (n < 2) return;
    std::vector<SortKey> keys;
    keys.reserve(n);
    for (const QString& p : entries_) keys.push_back(sortKeyOf(p));
    std::vector<std::size_t> order(n);
    for (std::size_t i = 0; i < n; ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        if (keys[a].ascii && keys[b].ascii) return keys[a].folded < keys[b].folded;
        return pathLess(entries_[a], entries_[b]);
    });
    std::vector<QString> sorted;
    sorted.reserve(n);
    for (std::size_t i : order) sorted.push_back(std::move(entries_[i]));
    entries_ = std::move(sorted);
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
