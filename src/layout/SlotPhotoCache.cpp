#include "layout/SlotPhotoCache.h"

#include <algorithm>
#include <cmath>

#include "image/CxImage.h"
#include "image/PhotoFilters.h"
#include "image/PhotoImage.h"
#include "layout/PhotoSupply.h"
#include "layout/RenderPass.h"

bool SlotPhotoCache::holds(const SlotRecord& r) const {
    return !held_.isNull() && file_ == r.fileName && slot_ == r.rect.size();
}

void SlotPhotoCache::clear() {
    file_.clear();
    slot_ = QSize();
    held_ = QImage();
    fullWidth_ = fullHeight_ = 0;
}

bool SlotPhotoCache::prepare(const SlotRecord& r, const AppSettings& settings) {
    if (holds(r)) return true;
    clear();
    if (r.failed || r.rect.isEmpty() || r.fileName.size() <= 3) return false;
    PhotoImage photo;
    if (!photo.LoadFile(r.fileName) || !photo.Raster()) return false;
    ApplyPhotoFilters(photo, photoFilterSet(settings));
    const CxImage& raster = *photo.Raster();
    const int w = raster.GetWidth(), h = raster.GetHeight();
    if (w <= 0 || h <= 0) return false;
    // Whatever the turn, the fill shows at most max(sw, sh) slot pixels along the
    // photo's shorter side, so that side needs that many pixels.
    const double need = kOversample * std::max(r.rect.width(), r.rect.height());
    const double factor = std::min(1.0, need / std::min(w, h));
    QImage image = raster.ToBitmap().convertToFormat(QImage::Format_RGB32);
    if (image.isNull()) return false;
    if (factor < 1.0)
        image =
            image.scaled(std::max(1, int(std::lround(w * factor))), std::max(1, int(std::lround(h * factor))),
                         Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    held_ = std::move(image);
    file_ = r.fileName;
    slot_ = r.rect.size();
    fullWidth_ = w;
    fullHeight_ = h;
    return true;
}

bool SlotPhotoCache::redraw(QImage& page, const SlotRecord& r, const Framing& framing) const {
    if (!holds(r)) return false;
    const int turns = framedTurns(r.autoRotate != 0, framing.turns);
    int tw = 0, th = 0;
    turnedSize(fullWidth_, fullHeight_, turns, tw, th);
    const FramedRegion region = framedRegion(tw, th, r.rect.width(), r.rect.height(), framing);
    drawFramedRegion(page, r.rect, FramingSource::fromImage(held_), fullWidth_, fullHeight_, turns, region);
    return true;
}
