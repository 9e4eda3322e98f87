#include "layout/FaceFinder.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLibrary>
#include <QStandardPaths>
#include <algorithm>
#include <atomic>
#include <cstdint>

#include "image/CxImage.h"

namespace {

const char* const kModuleName = "libsnapvale_faces.so";
const char* const kCascadeName = "haarcascade_frontalface_default.xml";

bool isFile(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).isFile();
}

}  // namespace

GreyPicture greyCopyForFaces(const CxImage& raster, int edge) {
    GreyPicture g;
    const int w = raster.GetWidth(), h = raster.GetHeight();
    if (!raster.IsValid() || w <= 0 || h <= 0 || edge <= 0) return g;
    // A whole factor first, by block averages, leaving at least `edge`; the rest of
    // the way by Qt's smooth scaling.
    const int k = std::max(1, std::max(w, h) / edge);
    g.width = std::max(1, w / k);
    g.height = std::max(1, h / k);
    g.pixels.assign(std::size_t(g.width) * std::size_t(g.height), 0);
    const bool rgb = raster.GetBpp() == 24;
    std::vector<std::uint32_t> sums(std::size_t(g.width));
    for (int oy = 0; oy < g.height; ++oy) {
        std::fill(sums.begin(), sums.end(), 0u);
        const int rows = std::min(k, h - oy * k);
        const int cols = k;
        for (int dy = 0; dy < rows; ++dy) {
            const int displayRow = oy * k + dy;
            const int dibRow = h - 1 - displayRow;
            const std::uint8_t* line = rgb ? raster.GetBits(dibRow) : nullptr;
            for (int ox = 0; ox < g.width; ++ox) {
                std::uint32_t s = 0;
                for (int dx = 0; dx < cols && ox * k + dx < w; ++dx) {
                    const int x = ox * k + dx;
                    int b, gr, r;
                    if (line) {
                        b = line[3 * x];
                        gr = line[3 * x + 1];
                        r = line[3 * x + 2];
                    } else {
                        const RGBQuad q = raster.ReadColor(x, dibRow);
                        b = q.blue;
                        gr = q.green;
                        r = q.red;
                    }
                    // Integer luma, weights summing to 256.
                    s += std::uint32_t(77 * r + 150 * gr + 29 * b) >> 8;
                }
                sums[std::size_t(ox)] += s;
            }
        }
        unsigned char* out = g.pixels.data() + std::size_t(oy) * std::size_t(g.width);
        for (int ox = 0; ox < g.width; ++ox) {
            const int n = rows * std::min(k, w - ox * k);
            out[ox] = static_cast<unsigned char>(sums[std::size_t(ox)] / std::uint32_t(std::max(n, 1)));
        }
    }
    if (std::max(g.width, g.height) <= edge) return g;
    const QImage blocks(g.pixels.data(), g.width, g.height, g.width, QImage::Format_Grayscale8);
    const QImage fitted = blocks.scaled(edge, edge, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                              .convertToFormat(QImage::Format_Grayscale8);
    GreyPicture s;
    s.width = fitted.width();
    s.height = fitted.height();
    s.pixels.resize(std::size_t(s.width) * std::size_t(s.height));
    for (int y = 0; y < s.height; ++y)
        std::copy_n(fitted.constScanLine(y), s.width,
                    s.pixels.data() + std::size_t(y) * std::size_t(s.width));
    return s;
}

FaceFinder::FaceFinder(QString modulePath, QString cascadePath)
    : modulePath_(std::move(modulePath)),
      cascadePath_(std::move(cascadePath)),
      cascadeFile_(cascadePath_.toUtf8()) {}

FaceFinder::~FaceFinder() {
    // The module stays mapped: unloading a library that started OpenCV's threads is
    // not safe, and the process ends soon after anyway.
    delete library_;
}

QString FaceFinder::locateModule() {
    const QString given = qEnvironmentVariable("SNAPVALE_FACES_MODULE");
    if (!given.isEmpty()) return isFile(given) ? given : QString();
    QStringList candidates;
    if (QCoreApplication::instance())
        candidates << QCoreApplication::applicationDirPath() + QStringLiteral("/../") +
                          QStringLiteral(SNAPVALE_FACES_MODULE_DIR) + QLatin1Char('/') +
                          QLatin1String(kModuleName);
    candidates << QStringLiteral(SNAPVALE_INSTALLED_FACES_MODULE_DIR) + QLatin1Char('/') +
                      QLatin1String(kModuleName);
    for (const QString& c : candidates)
        if (isFile(c)) return QDir::cleanPath(c);
    return QString();
}

QString FaceFinder::locateCascade() {
    const QString given = qEnvironmentVariable("SNAPVALE_FACE_CASCADE");
    if (!given.isEmpty()) return isFile(given) ? given : QString();
    for (const char* folder : {"opencv4/haarcascades/", "opencv/haarcascades/"}) {
        const QString found = QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                                     QLatin1String(folder) + QLatin1String(kCascadeName));
        if (!found.isEmpty()) return found;
    }
    // The data folders may have been narrowed (a sandbox, a test); the packages' own places.
    for (const char* folder : {"/usr/share/opencv4/haarcascades/", "/usr/local/share/opencv4/haarcascades/",
                               "/usr/share/opencv/haarcascades/"}) {
        const QString path = QLatin1String(folder) + QLatin1String(kCascadeName);
        if (isFile(path)) return path;
    }
    return QString();
}

namespace {
std::atomic<FaceFinder*> replacement{nullptr};
}

FaceFinder& FaceFinder::shared() {
    if (FaceFinder* other = replacement.load()) return *other;
    static FaceFinder finder(locateModule(), locateCascade());
    return finder;
}

void FaceFinder::replaceShared(FaceFinder* finder) {
    replacement.store(finder);
}

bool FaceFinder::available() const {
    return unavailableReason().isEmpty();
}

QString FaceFinder::unavailableReason() const {
    if (modulePath_.isEmpty() || !isFile(modulePath_))
        return tr("Faces cannot be looked for: the face finder module (%1) is not installed.")
            .arg(QLatin1String(kModuleName));
    if (cascadePath_.isEmpty() || !isFile(cascadePath_))
        return tr("Faces cannot be looked for: OpenCV's face model (%1) is missing. Install the opencv-data "
                  "package.")
            .arg(QLatin1String(kCascadeName));
    std::lock_guard<std::mutex> lock(mutex_);
    if (loadTried_ && !find_)
        return tr("Faces cannot be looked for: the face finder module could not be loaded (%1).")
            .arg(loadError_);
    return QString();
}

bool FaceFinder::moduleLoaded() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return find_ != nullptr;
}

SnapvaleFindFacesFn FaceFinder::entry() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (loadTried_) return find_;
    loadTried_ = true;
    if (!isFile(modulePath_) || !isFile(cascadePath_)) return nullptr;
    library_ = new QLibrary(modulePath_);
    if (!library_->load()) {
        loadError_ = library_->errorString();
        return nullptr;
    }
    const auto version =
        reinterpret_cast<SnapvaleFacesAbiVersionFn>(library_->resolve(SNAPVALE_FACES_ABI_VERSION_SYMBOL));
    if (!version || version() != SNAPVALE_FACES_ABI_VERSION) {
        loadError_ = tr("it was built for another version of the program");
        return nullptr;
    }
    find_ = reinterpret_cast<SnapvaleFindFacesFn>(library_->resolve(SNAPVALE_FIND_FACES_SYMBOL));
    if (!find_) loadError_ = library_->errorString();
    return find_;
}

bool FaceFinder::findInGrey(const GreyPicture& grey, std::vector<FaceBox>& faces) {
    faces.clear();
    const SnapvaleFindFacesFn find = entry();
    if (!find || grey.width <= 0 || grey.height <= 0) return false;
    constexpr int kMostFaces = 64;
    SnapvaleFaceRect found[kMostFaces];
    const int n = find(cascadeFile_.constData(), grey.pixels.data(), grey.width, grey.height, grey.width,
                       found, kMostFaces);
    if (n < 0) return false;
    for (int i = 0; i < std::min(n, kMostFaces); ++i)
        faces.push_back(FaceBox{found[i].x, found[i].y, found[i].width, found[i].height});
    return true;
}

std::vector<FaceBox> FaceFinder::findFaces(const CxImage& raster, int fullWidth, int fullHeight) {
    std::vector<FaceBox> faces;
    if (!available()) return faces;
    const GreyPicture grey = greyCopyForFaces(raster);
    if (!findInGrey(grey, faces)) return {};
    // Back to full-size pixels, whatever scale the raster and the grey copy hold.
    const double sx = double(fullWidth) / grey.width, sy = double(fullHeight) / grey.height;
    for (FaceBox& f : faces)
        f = FaceBox{int(f.x * sx), int(f.y * sy), int(f.width * sx + 0.5), int(f.height * sy + 0.5)};
    return faces;
}
