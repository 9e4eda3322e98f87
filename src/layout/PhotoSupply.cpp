#include "layout/PhotoSupply.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "core/AppSettings.h"
#include "layout/FaceFinder.h"

PhotoFilterSet photoFilterSet(const AppSettings& s) {
    PhotoFilterSet f;
    f.repair = s.RepairPhoto != 0;
    f.lighten = s.LightenPhoto != 0;
    f.darken = s.DarkenPhoto != 0;
    f.sharpen = s.PhotoSharpen != 0;
    f.soften = s.PhotoSoften != 0;
    f.emboss = s.EmbossPhoto != 0;
    f.edgeOnly = s.EdgePhoto != 0;
    f.negative = s.NegativeImage != 0;
    f.lightenAmount = s.PhotoLighten;
    f.darkenAmount = s.PhotoDarken;
    return f;
}

bool filtersNeedFullResolution(const AppSettings& s) {
    return photoFilterSet(s).needsFullResolution();
}

ShownRegion shownRegion(const PhotoFitPlan& plan) {
    ShownRegion r;
    r.width = plan.width;
    r.height = plan.height;
    if (!plan.crop.crop) return r;
    long l = std::clamp(plan.crop.left, 0L, long(plan.width)),
         rt = std::clamp(plan.crop.right, 0L, long(plan.width));
    long t = std::clamp(plan.crop.top, 0L, long(plan.height)),
         b = std::clamp(plan.crop.bottom, 0L, long(plan.height));
    if (l > rt) std::swap(l, rt);
    if (t > b) std::swap(t, b);
    // An empty cut is refused by the cutter: the photo stays whole.
    if (l == rt || t == b) return r;
    r.cut = true;
    r.left = int(l);
    r.top = int(t);
    r.width = int(rt - l);
    r.height = int(b - t);
    return r;
}

namespace {

// A region of rw x rh photo pixels drawn fitted into tw x th keeps at least one
// source pixel for every drawn pixel when decoded at 1/scale. The reduced region
// spans at least rw / scale pixels, however its edges fall.
bool enoughPixels(int scale, std::int64_t rw, std::int64_t rh, int tw, int th) {
    if (rw <= 0 || rh <= 0) return false;
    const QRect drawn = PhotoImage::FitRect(QRect(0, 0, tw, th), int(rw), int(rh), true);
    if (drawn.isEmpty()) return true;
    return scale * std::int64_t(drawn.width()) <= rw && scale * std::int64_t(drawn.height()) <= rh;
}

bool scaleSuffices(int scale, int fw, int fh, const DecodeTarget& t) {
    const int tw = t.target.width, th = t.target.height;
    if (!t.target.fills) {
        // Fitted whole, turned or not: both ways must have the pixels.
        return enoughPixels(scale, fw, fh, tw, th) && enoughPixels(scale, fh, fw, tw, th);
    }
    if (t.slotFit) {
        const ShownRegion r = shownRegion(planPhotoFit(fw, fh, tw, th, *t.slotFit, t.crop));
        return enoughPixels(scale, r.width, r.height, tw, th);
    }
    // Whatever the turn and the cut, the side left uncut spans the slot's matching side
    // at most: the shorter photo side over the longer slot side bounds the shrink.
    return scale * std::int64_t(std::max(tw, th)) <= std::int64_t(std::min(fw, fh));
}

}  // namespace

int chooseDecodeScale(int fullWidth, int fullHeight, const DecodeTarget& t) {
    if (!t.reducedAllowed || fullWidth <= 0 || fullHeight <= 0 || t.target.width <= 0 || t.target.height <= 0)
        return 1;
    for (int scale : {8, 4, 2})
        if (scaleSuffices(scale, fullWidth, fullHeight, t)) return scale;
    return 1;
}

int defaultDecodeThreads() {
    const unsigned cores = std::thread::hardware_concurrency();
    return cores >= 2 ? 2 : 1;
}

PhotoSupply::PhotoSupply(int threads) : threads_(std::max(0, threads)) {}

PhotoSupply::~PhotoSupply() {
    stop();
}

void PhotoSupply::setThreads(int threads) {
    threads_ = std::max(0, threads);
}

SuppliedPhoto PhotoSupply::load(const Job& job) {
    SuppliedPhoto supplied;
    auto photo = std::make_unique<PhotoImage>();
    const DecodeTarget& target = job.target;
    const auto choose = [&target](int w, int h) {
        int scale = chooseDecodeScale(w, h, target);
        // Faces are looked for in a copy of kFaceSearchEdge pixels: a decode smaller
        // than that (a wallet slot) would hide all but the largest faces.
        if (target.faces)
            while (scale > 1 && std::max(w, h) / scale < kFaceSearchEdge) scale /= 2;
        return scale;
    };
    if (!photo->LoadFileScaled(job.fileName, choose, supplied.fullWidth, supplied.fullHeight,
                               supplied.scale)) {
        supplied.fullWidth = supplied.fullHeight = 0;
        supplied.scale = 1;
        return supplied;
    }
    if (target.faces && target.slotFit && photo->Raster()) {
        const PhotoFitPlan plan = planPhotoFit(supplied.fullWidth, supplied.fullHeight, target.target.width,
                                               target.target.height, *target.slotFit, target.crop);
        // Faces can only move a cut that removes something.
        const ShownRegion shown = shownRegion(plan);
        if (shown.cut && (shown.width < plan.width || shown.height < plan.height))
            supplied.faces =
                target.faces->findFaces(*photo->Raster(), supplied.fullWidth, supplied.fullHeight);
    }
    supplied.photo = std::move(photo);
    return supplied;
}

void PhotoSupply::start(std::vector<Job> jobs) {
    stop();
    if (threads_ == 0 || jobs.empty()) return;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        jobs_ = std::move(jobs);
        results_.clear();
        results_.resize(jobs_.size());
        ready_.assign(jobs_.size(), 0);
        nextStart_ = taken_ = 0;
        stopping_ = false;
    }
    const int count = int(std::min<std::size_t>(std::size_t(threads_), jobs_.size()));
    for (int i = 0; i < count; ++i) workers_.emplace_back([this] { work(); });
}

bool PhotoSupply::active() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return !workers_.empty() && taken_ < jobs_.size();
}

bool PhotoSupply::nextIs(const QString& fileName, const PhotoTarget& target) const {
    std::lock_guard<std::mutex> lock(mutex_);
    if (workers_.empty() || taken_ >= jobs_.size()) return false;
    const Job& next = jobs_[taken_];
    return next.fileName == fileName && next.target.target == target;
}

SuppliedPhoto PhotoSupply::take() {
    std::unique_lock<std::mutex> lock(mutex_);
    if (workers_.empty() || taken_ >= jobs_.size()) return SuppliedPhoto{};
    const std::size_t i = taken_;
    // Jobs start in order and never more than the window ahead of this one, so
    // job i is running or done.
    changed_.wait(lock, [&] { return ready_[i] != 0; });
    SuppliedPhoto out = std::move(results_[i]);
    ++taken_;
    lock.unlock();
    changed_.notify_all();
    return out;
}

void PhotoSupply::work() {
    std::unique_lock<std::mutex> lock(mutex_);
    ++running_;
    for (;;) {
        changed_.wait(lock, [&] {
            return stopping_ || nextStart_ >= jobs_.size() || nextStart_ < taken_ + std::size_t(window());
        });
        if (stopping_ || nextStart_ >= jobs_.size()) break;
        const std::size_t i = nextStart_++;
        const Job job = jobs_[i];
        lock.unlock();
        SuppliedPhoto photo = load(job);
        lock.lock();
        if (!stopping_) {
            results_[i] = std::move(photo);
            ready_[i] = 1;
        }
        changed_.notify_all();
    }
    --running_;
}

void PhotoSupply::stop() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    for (std::thread& t : workers_) t.join();
    workers_.clear();
    std::lock_guard<std::mutex> lock(mutex_);
    jobs_.clear();
    results_.clear();
    ready_.clear();
    nextStart_ = taken_ = 0;
    stopping_ = false;
}

int PhotoSupply::runningWorkers() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return running_;
}
