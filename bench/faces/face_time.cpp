// face-time-bench SLOT_WIDTH SLOT_HEIGHT PHOTO...
//
// Loads each photo as the decoding threads do for a 4 x 6 slot of the given pixel
// size (a reduced JPEG decode where it suffices) and times the face search the
// "Keep faces in frame" switch adds: the grey copy and the cascade search, on one
// thread. The first search also opens the module and reads the cascade; it is shown
// apart. Prints a line a photo and the median and the largest time.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

#include "image/PhotoImage.h"
#include "layout/FaceFinder.h"
#include "layout/PhotoSupply.h"

namespace {
double threadCpuMs() {
    timespec t;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}
}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: face-time-bench SLOT_WIDTH SLOT_HEIGHT PHOTO...\n");
        return 2;
    }
    FaceFinder& finder = FaceFinder::shared();
    if (!finder.available()) {
        std::fprintf(stderr, "%s\n", qPrintable(finder.unavailableReason()));
        return 1;
    }
    DecodeTarget target;
    target.target = PhotoTarget{std::atoi(argv[1]), std::atoi(argv[2]), true};
    SlotFitContext fit;
    fit.classes = PrintSizeClasses::of(PrintSizeClass::Print4x6);
    target.slotFit = fit;

    // The first search opens the module and loads the cascade.
    {
        QElapsedTimer t;
        t.start();
        std::vector<FaceBox> none;
        finder.findInGrey(GreyPicture{std::vector<unsigned char>(64 * 64, 128), 64, 64}, none);
        std::printf("first search (module and cascade): %.1f ms\n", t.nsecsElapsed() / 1e6);
    }
    std::vector<double> wall, cpu;
    for (int i = 3; i < argc; ++i) {
        const SuppliedPhoto s = PhotoSupply::load(PhotoSupply::Job{QString::fromLocal8Bit(argv[i]), target});
        if (!s.photo || !s.photo->Raster()) {
            std::fprintf(stderr, "%s: not loaded\n", argv[i]);
            continue;
        }
        const CxImage& raster = *s.photo->Raster();
        QElapsedTimer t;
        t.start();
        const double c0 = threadCpuMs();
        const std::vector<FaceBox> faces = finder.findFaces(raster, s.fullWidth, s.fullHeight);
        const double c1 = threadCpuMs();
        const double ms = t.nsecsElapsed() / 1e6;
        const double g0 = threadCpuMs();
        const GreyPicture grey = greyCopyForFaces(raster);
        const double copyMs = threadCpuMs() - g0;
        wall.push_back(ms);
        cpu.push_back(c1 - c0);
        std::printf(
            "%s: %dx%d held %dx%d, searched %dx%d: %.1f ms (cpu %.1f, of which the grey copy %.1f), "
            "%zu faces\n",
            argv[i], s.fullWidth, s.fullHeight, raster.GetWidth(), raster.GetHeight(), grey.width,
            grey.height, ms, c1 - c0, copyMs, faces.size());
    }
    if (wall.empty()) return 1;
    auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    std::printf("photos %zu: median %.1f ms (cpu %.1f), largest %.1f ms (cpu %.1f)\n", wall.size(),
                median(wall), median(cpu), *std::max_element(wall.begin(), wall.end()),
                *std::max_element(cpu.begin(), cpu.end()));
    return 0;
}
