#pragma once
// Photos of a page decoded ahead of the drawing on a few worker threads, and the
// choice of the reduced JPEG scale a photo can be decoded at for the size it is
// drawn. The pass still draws, measures and reports every photo on its own thread
// and in its own order; the workers only load files.

#include <QString>
#include <condition_variable>
#include <cstddef>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "image/PhotoFilters.h"
#include "image/PhotoImage.h"
#include "layout/Fitting.h"

struct AppSettings;
class FaceSource;

// A photo handed to a slot or frame. The pass may have decoded it ahead of the
// drawing and, where nothing needs full-resolution pixels, at a reduced scale;
// fullWidth and fullHeight are its pixel size at full resolution either way, and
// every figure recorded or shown is computed from them.
struct SuppliedPhoto {
    std::unique_ptr<PhotoImage> photo;  // null when the photo could not be loaded
    int fullWidth = 0;
    int fullHeight = 0;
    int scale = 1;  // the photo holds 1/scale of the full size on each axis
    // Faces found in it when they were looked for, in full-size pixels as loaded.
    std::vector<FaceBox> faces;
};

// Where a photo will be drawn: the rectangle's size, and whether it is cropped to
// fill it (slots) or fitted whole (index sheet frames).
struct PhotoTarget {
    int width = 0;
    int height = 0;
    bool fills = true;
    friend bool operator==(const PhotoTarget&, const PhotoTarget&) = default;
};

// What the scale choice knows of a coming draw.
struct DecodeTarget {
    PhotoTarget target;
    // For slots: the fitter's inputs, so the choice sees the exact turn and cut.
    // Without them the choice assumes the least favourable turn and cut.
    std::optional<SlotFitContext> slotFit;
    CropSwitches crop;
    bool reducedAllowed = true;  // false: always the full resolution
    // Set for a slot whose cut is kept around faces: they are looked for here, on the
    // decoding thread, when the cut removes anything.
    FaceSource* faces = nullptr;
};

// The filter switches and amounts of the settings.
PhotoFilterSet photoFilterSet(const AppSettings& settings);
// Whether the filters switched on need every pixel of the photo.
bool filtersNeedFullResolution(const AppSettings& settings);

// The largest of 8, 4 and 2 at which a photo of fullWidth x fullHeight, decoded at
// 1/scale on each axis, still has at least one pixel for every pixel it covers in the
// target after the turn and the cut; else 1.
int chooseDecodeScale(int fullWidth, int fullHeight, const DecodeTarget& target);

// The part of the turned photo a slot shows: the planned cut kept to the photo's
// bounds as the cut itself keeps it, or the whole turned photo when nothing is cut.
struct ShownRegion {
    bool cut = false;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};
ShownRegion shownRegion(const PhotoFitPlan& plan);

// Worker threads for decoding ahead: two, or one on a single-core machine.
int defaultDecodeThreads();

class PhotoSupply {
public:
    struct Job {
        QString fileName;
        DecodeTarget target;
    };

    // threads 0: nothing is decoded ahead (every photo loads when taken).
    explicit PhotoSupply(int threads = defaultDecodeThreads());
    ~PhotoSupply();
    PhotoSupply(const PhotoSupply&) = delete;
    PhotoSupply& operator=(const PhotoSupply&) = delete;

    // Takes effect at the next start.
    void setThreads(int threads);
    int threads() const { return threads_; }
    // Photos decoded or decoding but not yet taken: bounds the memory a page holds.
    int window() const { return threads_ + 1; }

    // Begins decoding the jobs in order; an earlier batch is abandoned first.
    void start(std::vector<Job> jobs);
    // A batch is running and has photos left to hand over.
    bool active() const;
    // The next photo to hand over is for this file and target.
    bool nextIs(const QString& fileName, const PhotoTarget& target) const;
    // The next photo, waiting for its decode. Only while active().
    SuppliedPhoto take();
    // Abandons what was not taken and joins the workers. Nothing runs afterwards.
    void stop();
    // Workers alive (for tests: none after stop).
    int runningWorkers() const;

    // One load exactly as a worker makes it.
    static SuppliedPhoto load(const Job& job);

private:
    void work();

    int threads_;
    std::vector<std::thread> workers_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<Job> jobs_;
    std::vector<SuppliedPhoto> results_;
    std::vector<char> ready_;
    std::size_t nextStart_ = 0;
    std::size_t taken_ = 0;
    bool stopping_ = false;
    int running_ = 0;
};
