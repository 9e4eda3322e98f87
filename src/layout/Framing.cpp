#include "layout/Framing.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "image/CxImage.h"
#include "imagelist/ImageList.h"

bool isValidFraming(const Framing& f) {
    const auto within = [](double v, double lo, double hi) { return std::isfinite(v) && v >= lo && v <= hi; };
    return within(f.panX, -1, 1) && within(f.panY, -1, 1) && within(f.zoom, 1, Framing::kMaxZoom) &&
           f.turns >= 0 && f.turns <= 3;
}

Framing clampedFraming(const Framing& f) {
    const auto clamp = [](double v, double lo, double hi, double fallback) {
        return std::isnan(v) ? fallback : std::clamp(v, lo, hi);
    };
    Framing c;
    c.panX = clamp(f.panX, -1, 1, 0);
    c.panY = clamp(f.panY, -1, 1, 0);
    c.zoom = clamp(f.zoom, 1, Framing::kMaxZoom, 1);
    c.turns = ((f.turns % 4) + 4) % 4;
    return c;
}

int framedTurns(bool automaticTurn, int extraTurns) {
    return (((automaticTurn ? 1 : 0) + extraTurns) % 4 + 4) % 4;
}

FramedRegion framedRegion(int tw, int th, int sw, int sh, const Framing& framing) {
    FramedRegion r;
    if (tw <= 0 || th <= 0 || sw <= 0 || sh <= 0) return r;
    const Framing f = clampedFraming(framing);
    // The automatic fill: the smallest scale at which the photo covers the slot.
    const double cover = std::max(double(sw) / tw, double(sh) / th) * f.zoom;
    r.width = std::min(double(tw), sw / cover);
    r.height = std::min(double(th), sh / cover);
    r.left = (tw - r.width) * (f.panX + 1) / 2;
    r.top = (th - r.height) * (f.panY + 1) / 2;
    return r;
}

Framing pannedBy(const Framing& framing, int tw, int th, int sw, int sh, double dx, double dy) {
    Framing f = clampedFraming(framing);
    const FramedRegion r = framedRegion(tw, th, sw, sh, f);
    if (r.isEmpty()) return f;
    // Slot pixels to photo pixels, then to the pan's half-travel units. Moving the
    // photo right shows more of its left, so the region moves the other way.
    const double perSlotPixel = r.width / sw;
    const double travelX = tw - r.width;
    const double travelY = th - r.height;
    if (travelX > 0) f.panX = std::clamp(f.panX - 2 * dx * perSlotPixel / travelX, -1.0, 1.0);
    if (travelY > 0) f.panY = std::clamp(f.panY - 2 * dy * perSlotPixel / travelY, -1.0, 1.0);
    return f;
}

namespace {

const uchar* rasterRow(const void* owner, int displayRow) {
    const CxImage& raster = *static_cast<const CxImage*>(owner);
    return raster.GetBits(raster.GetHeight() - 1 - displayRow);
}

const uchar* imageRow(const void* owner, int displayRow) {
    return static_cast<const QImage*>(owner)->constScanLine(displayRow);
}

// The held pixel under continuous full-resolution coordinate v of an axis.
inline int heldIndex(double v, int full, int held) {
    const double at = std::floor(v * held / full);
    return at < 0 ? 0 : at >= held ? held - 1 : int(at);
}

}  // namespace

FramingSource FramingSource::fromRaster(const CxImage& raster) {
    FramingSource s;
    if (!raster.IsValid() || raster.GetBpp() != 24) return s;
    s.row = rasterRow;
    s.owner = &raster;
    s.width = raster.GetWidth();
    s.height = raster.GetHeight();
    s.bytesPerPixel = 3;
    return s;
}

FramingSource FramingSource::fromImage(const QImage& image) {
    FramingSource s;
    const QImage::Format f = image.format();
    if (image.isNull() || (f != QImage::Format_RGB32 && f != QImage::Format_ARGB32)) return s;
    s.row = imageRow;
    s.owner = &image;
    s.width = image.width();
    s.height = image.height();
    s.bytesPerPixel = 4;
    return s;
}

void drawFramedRegion(QImage& target, const QRect& dest, const FramingSource& src, int fullWidth,
                      int fullHeight, int turns, const FramedRegion& region) {
    const QRect visible = dest & target.rect();
    if (visible.isEmpty() || region.isEmpty() || !src.row || src.width <= 0 || src.height <= 0 ||
        fullWidth <= 0 || fullHeight <= 0)
        return;
    const QImage::Format tf = target.format();
    const bool packed = tf == QImage::Format_RGB888;  // the screen copy of a kept page
    if (!packed && tf != QImage::Format_RGB32 && tf != QImage::Format_ARGB32 &&
        tf != QImage::Format_ARGB32_Premultiplied)
        return;
    turns &= 3;
    const int bpp = src.bytesPerPixel;
    // Output column i and row j sample the turned photo at the centre of their cell.
    const auto turnedX = [&](int i) { return region.left + (i + 0.5) * region.width / dest.width(); };
    const auto turnedY = [&](int j) { return region.top + (j + 0.5) * region.height / dest.height(); };
    // A turned point (x, y) is the photo's own point, counter-clockwise k times:
    // k=1 (W - y, x), k=2 (W - x, H - y), k=3 (y, H - x).
    const int W = fullWidth, H = fullHeight;
    const std::size_t n = std::size_t(visible.width());
    const int i0 = visible.x() - dest.x();
    const int j0 = visible.y() - dest.y();
    std::vector<std::size_t> offsets(n);
    std::vector<const uchar*> rows;
    const auto rgbOf = [&](const uchar* p) {
        return bpp == 3 ? qRgb(p[2], p[1], p[0]) : (*reinterpret_cast<const QRgb*>(p) | 0xff000000u);
    };
    // One output row from a picker of the source pixel of each column.
    const auto writeRow = [&](int j, auto&& source) {
        uchar* line = target.scanLine(visible.y() + j);
        if (packed) {
            uchar* d = line + 3 * std::size_t(visible.x());
            for (std::size_t i = 0; i < n; ++i, d += 3) {
                const QRgb c = rgbOf(source(i));
                d[0] = uchar(qRed(c));
                d[1] = uchar(qGreen(c));
                d[2] = uchar(qBlue(c));
            }
        } else {
            QRgb* d = reinterpret_cast<QRgb*>(line) + visible.x();
            for (std::size_t i = 0; i < n; ++i) d[i] = rgbOf(source(i));
        }
    };
    if ((turns & 1) == 0) {
        // Columns of the output are columns of the photo.
        for (std::size_t i = 0; i < n; ++i) {
            const double x = turnedX(i0 + int(i));
            offsets[i] = std::size_t(bpp) * heldIndex(turns == 0 ? x : W - x, W, src.width);
        }
        for (int j = 0; j < visible.height(); ++j) {
            const double y = turnedY(j0 + j);
            const uchar* s = src.row(src.owner, heldIndex(turns == 0 ? y : H - y, H, src.height));
            writeRow(j, [&](std::size_t i) { return s + offsets[i]; });
        }
        return;
    }
    // Columns of the output are rows of the photo: one row pointer a column, and the
    // output row picks the same byte offset in each.
    rows.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        const double x = turnedX(i0 + int(i));
        rows[i] = src.row(src.owner, heldIndex(turns == 1 ? x : H - x, H, src.height));
    }
    for (int j = 0; j < visible.height(); ++j) {
        const double y = turnedY(j0 + j);
        const std::size_t at = std::size_t(bpp) * heldIndex(turns == 1 ? W - y : y, W, src.width);
        writeRow(j, [&](std::size_t i) { return rows[i] + at; });
    }
}

int currentPlace(const ImageList& list) {
    const int n = list.count();
    if (n == 0 || list.currentPhoto.isEmpty()) return 0;
    const bool forward = list.direction() == ImageList::Direction::Forward;
    const int c = list.cursor();
    const int taken = c == ImageList::kNoCursor ? (forward ? n - 1 : 0) : (forward ? c - 1 : c + 1);
    // The cursor wraps round to the other end after the last take.
    const int at = taken < 0 ? n - 1 : taken >= n ? 0 : taken;
    if (ImageList::samePath(list.entries()[std::size_t(at)], list.currentPhoto)) return at + 1;
    return list.indexOf(list.currentPhoto);
}

const Framing* FramingSet::find(int place, const QString& path) const {
    const auto it = entries_.find(place);
    if (it == entries_.end() || !ImageList::samePath(it->second.path, path)) return nullptr;
    return &it->second.framing;
}

void FramingSet::set(int place, const QString& path, const Framing& framing) {
    if (place < 1) return;
    entries_[place] = Entry{path, clampedFraming(framing)};
}

bool FramingSet::reset(int place) {
    return entries_.erase(place) > 0;
}

bool FramingSet::followList(const ImageList& list) {
    const std::vector<QString>& paths = list.entries();
    std::map<int, Entry> kept;
    std::vector<Entry> moved;
    for (const auto& [place, entry] : entries_) {
        if (place <= int(paths.size()) && ImageList::samePath(paths[std::size_t(place - 1)], entry.path))
            kept.emplace(place, entry);
        else
            moved.push_back(entry);
    }
    bool changed = !moved.empty();
    for (Entry& entry : moved) {
        for (std::size_t i = 0; i < paths.size(); ++i) {
            const int place = int(i) + 1;
            if (kept.count(place) == 0 && ImageList::samePath(paths[i], entry.path)) {
                kept.emplace(place, std::move(entry));
                break;
            }
        }
    }
    entries_ = std::move(kept);
    return changed;
}
