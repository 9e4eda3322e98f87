#include "layout/CutMarks.h"

#include <QPainter>
#include <algorithm>
#include <tuple>

#include "layout/TemplateCatalogue.h"

CutMarkStyle CutMarkStyle::forResolution(int resolution) {
    CutMarkStyle s;
    const int r = std::max(resolution, 1);
    s.length = std::max(4, r / 8);
    s.offset = std::max(1, r / 32);
    s.thickness = std::max(1, r / 100);
    return s;
}

namespace {

enum class Away { Left, Right, Up, Down };

// The strip from the print's edge out to the mark's far end, shortened to stop before
// the first rectangle it meets; the mark is what lies beyond the offset.
QRect markFrom(QRect reach, Away away, int offset, const std::vector<QRect>& keepClear, const QRect& canvas) {
    for (const QRect& r : keepClear) {
        if (!reach.intersects(r)) continue;
        switch (away) {
            case Away::Left:
                reach.setLeft(std::max(reach.left(), r.right() + 1));
                break;
            case Away::Right:
                reach.setRight(std::min(reach.right(), r.left() - 1));
                break;
            case Away::Up:
                reach.setTop(std::max(reach.top(), r.bottom() + 1));
                break;
            case Away::Down:
                reach.setBottom(std::min(reach.bottom(), r.top() - 1));
                break;
        }
        if (reach.isEmpty()) return QRect();
    }
    reach &= canvas;
    if (reach.isEmpty()) return QRect();
    QRect mark = reach;
    // Only the part past the offset is drawn; what the clipping cut from the corner's
    // side means the mark cannot start where it should, so nothing is drawn then.
    switch (away) {
        case Away::Left:
            mark.setRight(mark.right() - offset);
            break;
        case Away::Right:
            mark.setLeft(mark.left() + offset);
            break;
        case Away::Up:
            mark.setBottom(mark.bottom() - offset);
            break;
        case Away::Down:
            mark.setTop(mark.top() + offset);
            break;
    }
    return mark.isValid() && !mark.isEmpty() ? mark : QRect();
}

}  // namespace

std::vector<QRect> cutMarkRects(const std::vector<QRect>& prints, const std::vector<QRect>& keepClear,
                                const QRect& canvas, const CutMarkStyle& style) {
    std::vector<QRect> marks;
    const int reachLength = style.offset + style.length;
    const int t = style.thickness;
    for (const QRect& p : prints) {
        if (p.isEmpty()) continue;
        const int th = std::min(t, p.height());
        const int tw = std::min(t, p.width());
        // Along the top and bottom edges, out to the left and right.
        for (const int y : {p.top(), p.bottom() - th + 1}) {
            const QRect left(p.left() - reachLength, y, reachLength, th);
            const QRect right(p.right() + 1, y, reachLength, th);
            marks.push_back(markFrom(left, Away::Left, style.offset, keepClear, canvas));
            marks.push_back(markFrom(right, Away::Right, style.offset, keepClear, canvas));
        }
        // Along the left and right edges, up and down.
        for (const int x : {p.left(), p.right() - tw + 1}) {
            const QRect up(x, p.top() - reachLength, tw, reachLength);
            const QRect down(x, p.bottom() + 1, tw, reachLength);
            marks.push_back(markFrom(up, Away::Up, style.offset, keepClear, canvas));
            marks.push_back(markFrom(down, Away::Down, style.offset, keepClear, canvas));
        }
    }
    marks.erase(std::remove_if(marks.begin(), marks.end(), [](const QRect& r) { return r.isEmpty(); }),
                marks.end());
    // Neighbouring prints sharing an edge line give the same mark twice.
    std::sort(marks.begin(), marks.end(), [](const QRect& a, const QRect& b) {
        return std::make_tuple(a.top(), a.left(), a.bottom(), a.right()) <
               std::make_tuple(b.top(), b.left(), b.bottom(), b.right());
    });
    marks.erase(std::unique(marks.begin(), marks.end()), marks.end());
    return marks;
}

std::vector<QRect> cutMarksForPlan(const PagePlan& plan, const QRect& canvas, int resolution) {
    std::vector<QRect> prints, keepClear;
    for (const PlacedSlot& slot : plan.slots) {
        const QRect r(slot.rect.left, slot.rect.top, slot.rect.width(), slot.rect.height());
        if (r.isEmpty()) continue;
        keepClear.push_back(r);
        if (!slot.outlineOnly) prints.push_back(r);
    }
    if (prints.size() < 2) return {};
    return cutMarkRects(prints, keepClear, canvas, CutMarkStyle::forResolution(resolution));
}

void drawCutMarks(QPainter& painter, const std::vector<QRect>& marks) {
    for (const QRect& r : marks) painter.fillRect(r, Qt::black);
}
