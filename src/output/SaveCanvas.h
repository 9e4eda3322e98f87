#pragma once
// The Save Canvas command: writes the kept page, exactly as last rendered, to a BMP,
// JPEG, PNG or PDF file whose type follows the extension the person typed.

#include <QString>
#include <QtGlobal>
#include <functional>

#include "core/Seams.h"

class CxImage;
struct KeptPage;
class ImageList;
struct AppSettings;

// Free bytes on the volume that would hold a path; ok false when it cannot be told.
using FreeSpaceQuery = std::function<qint64(const QString& path, bool* ok)>;

// What the extension of a chosen name asks for.
enum class SnapshotType { Bmp, Jpeg, Png, Pdf, Unsupported };

struct SnapshotTarget {
    SnapshotType type = SnapshotType::Unsupported;
    QString path;       // where the file goes (".bmp" appended, ".jpg" in lower case)
    QString extension;  // the text after the name's last dot, lower-cased ("" when none)
    bool hadExtension = false;
};

// Only the file's own name is searched for the dot, so a dotted folder name
// ("/home/john.doe/page") is not taken for an extension.
SnapshotTarget snapshotTargetFor(const QString& chosenPath);

// Enough free space for the page? required = trunc(page bytes x factor), factor 0.11
// when saveAsJpg is 1, else 1.0. Shows its own message on failure.
bool DiskSpaceCheck(const QString& path, std::size_t pageBytes, int saveAsJpg, Notifier& notifier,
                    const FreeSpaceQuery& freeSpace);

// The whole command. The page may be invalid (no page rendered yet): nothing is written
// then and the person is told.
class SaveCanvasCommand {
public:
    SaveCanvasCommand(const ImageList& list, AppSettings& settings, const Services& services);
    // For tests: the free-space query (the volume's real free space by default).
    void setFreeSpaceQuery(FreeSpaceQuery query) { freeSpace_ = std::move(query); }
    // True when a file was written.
    bool run(const KeptPage& keptPage);

private:
    void storeSaveAsJpg(int value);

    const ImageList& list_;
    AppSettings& settings_;
    Services services_;
    FreeSpaceQuery freeSpace_;
};
