#pragma once
// Faces in photos, so the automatic crop can keep them in the print. The search
// itself lives in a module of its own (libsnapvale_faces.so, over OpenCV), opened
// the first time a face is looked for: a run that never looks loads none of it.

#include <QCoreApplication>
#include <QString>
#include <mutex>
#include <vector>

#include "layout/FaceModuleAbi.h"
#include "layout/Fitting.h"

class CxImage;
class QLibrary;

// Where the pass gets faces from; the tests give their own.
class FaceSource {
public:
    virtual ~FaceSource() = default;
    // Faces of a photo whose full size is fullWidth x fullHeight and which `raster`
    // holds at that size or reduced; boxes in full-size pixels, as loaded. Called on
    // the decoding threads, several at once.
    virtual std::vector<FaceBox> findFaces(const CxImage& raster, int fullWidth, int fullHeight) = 0;
};

// Faces are looked for in a copy no longer than this on either side: enough for a
// face that matters to the crop (a twelfth of the shorter side or more), and quick
// to search.
constexpr int kFaceSearchEdge = 400;

// An 8-bit grey picture, top row first, rows packed.
struct GreyPicture {
    std::vector<unsigned char> pixels;
    int width = 0;
    int height = 0;
};
// The raster in grey, top row first, shrunk (averaging) until no side is longer
// than `edge`.
GreyPicture greyCopyForFaces(const CxImage& raster, int edge = kFaceSearchEdge);

class FaceFinder final : public FaceSource {
    Q_DECLARE_TR_FUNCTIONS(FaceFinder)
public:
    FaceFinder(QString modulePath, QString cascadePath);
    ~FaceFinder() override;
    FaceFinder(const FaceFinder&) = delete;
    FaceFinder& operator=(const FaceFinder&) = delete;

    // The module: SNAPVALE_FACES_MODULE when set, else lib/snapvale beside the
    // program's bin folder (the stage tree and the installed tree), else where it
    // was installed. Empty when none of them holds it.
    static QString locateModule();
    // The frontal face cascade of OpenCV's data (Debian's opencv-data), looked for
    // in the data folders; SNAPVALE_FACE_CASCADE when set. Empty when missing.
    static QString locateCascade();
    // The program's finder, made from the two the first time it is asked for.
    static FaceFinder& shared();
    // Puts another finder in its place until called again with null (for tests).
    static void replaceShared(FaceFinder* finder);

    // Both files are there and the module did not fail to load. Opens nothing.
    bool available() const;
    // Why faces cannot be looked for, for the person; empty when they can.
    QString unavailableReason() const;
    // Whether the module has been opened.
    bool moduleLoaded() const;

    std::vector<FaceBox> findFaces(const CxImage& raster, int fullWidth, int fullHeight) override;
    // Faces in a grey picture, in its own pixels, largest first. False when the
    // module or the cascade could not be used.
    bool findInGrey(const GreyPicture& grey, std::vector<FaceBox>& faces);

private:
    SnapvaleFindFacesFn entry();

    QString modulePath_;
    QString cascadePath_;
    QByteArray cascadeFile_;
    mutable std::mutex mutex_;
    bool loadTried_ = false;
    QString loadError_;
    QLibrary* library_ = nullptr;
    SnapvaleFindFacesFn find_ = nullptr;
};
