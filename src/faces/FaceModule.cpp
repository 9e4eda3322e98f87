// The face finder module: OpenCV's cascade detector behind the plain C entry points
// of layout/FaceModuleAbi.h. Built as a module of its own and opened at run time, so
// a program that never looks for faces never loads OpenCV.

#include <algorithm>
#include <memory>
#include <mutex>
#include <opencv2/core.hpp>
#include <opencv2/core/utility.hpp>
#include <opencv2/imgproc.hpp>
#include <opencv2/objdetect.hpp>
#include <string>
#include <vector>

#include "layout/FaceModuleAbi.h"

#define SNAPVALE_FACES_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

// Loaded detectors waiting for a caller. A detector is not safe to share between
// threads at once, and loading the cascade costs more than a search, so each is
// loaded once and lent out, one per concurrent caller.
class DetectorPool {
public:
    std::unique_ptr<cv::CascadeClassifier> take(const std::string& path) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (path == path_ && !idle_.empty()) {
                std::unique_ptr<cv::CascadeClassifier> d = std::move(idle_.back());
                idle_.pop_back();
                return d;
            }
        }
        auto d = std::make_unique<cv::CascadeClassifier>();
        if (!d->load(path) || d->empty()) return nullptr;
        return d;
    }
    void giveBack(const std::string& path, std::unique_ptr<cv::CascadeClassifier> d) {
        std::lock_guard<std::mutex> lock(mutex_);
        if (path != path_) {
            idle_.clear();
            path_ = path;
        }
        idle_.push_back(std::move(d));
    }

private:
    std::mutex mutex_;
    std::string path_;
    std::vector<std::unique_ptr<cv::CascadeClassifier>> idle_;
};

DetectorPool& pool() {
    static DetectorPool p = [] {
        // Photos are searched on the program's decoding threads already, one each;
        // OpenCV's own threads would only compete with them.
        cv::setNumThreads(1);
        return DetectorPool();
    }();
    return p;
}

}  // namespace

SNAPVALE_FACES_EXPORT int snapvale_faces_abi_version(void) {
    return SNAPVALE_FACES_ABI_VERSION;
}

SNAPVALE_FACES_EXPORT int snapvale_find_faces(const char* cascadePath, const unsigned char* grey, int width,
                                              int height, int stride, SnapvaleFaceRect* out, int capacity) {
    if (!cascadePath || !grey || width <= 0 || height <= 0 || stride < width || capacity < 0 ||
        (capacity > 0 && !out))
        return -1;
    try {
        const std::string path(cascadePath);
        std::unique_ptr<cv::CascadeClassifier> detector = pool().take(path);
        if (!detector) return -1;
        const cv::Mat picture(height, width, CV_8UC1, const_cast<unsigned char*>(grey), std::size_t(stride));
        cv::Mat even;
        cv::equalizeHist(picture, even);
        // Faces smaller than a tenth of the shorter side do not decide a crop, and
        // skipping them, with a coarse step between sizes, keeps the search short.
        const int smallest = std::max(24, std::min(width, height) / 10);
        std::vector<cv::Rect> found;
        detector->detectMultiScale(even, found, 1.2, 5, 0, cv::Size(smallest, smallest));
        pool().giveBack(path, std::move(detector));
        std::sort(found.begin(), found.end(),
                  [](const cv::Rect& a, const cv::Rect& b) { return a.area() > b.area(); });
        const int n = std::min<int>(capacity, int(found.size()));
        for (int i = 0; i < n; ++i)
            out[i] = SnapvaleFaceRect{found[i].x, found[i].y, found[i].width, found[i].height};
        return n;
    } catch (...) {
        return -1;
    }
}
