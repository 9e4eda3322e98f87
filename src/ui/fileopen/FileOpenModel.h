#pragma once
// What the file chooser's preview panel shows and collects, without a window: the
// information and status texts, the album summary and thumbnail, the photo preview
// decoded at the size it is shown, the files gathered with "Add To Album", and the
// folder the chooser opens in.

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

namespace file_open {

inline constexpr const char* kAlbumInformation = "Photo Album [%d image files]";
inline constexpr const char* kLastUpdate = "Last update: %s";
inline constexpr const char* kPhotoInformation = "%s [%d x %d]";
inline constexpr const char* kUnknownFormat = "**Unknown Format** %s [%d x %d]";
inline constexpr const char* kAlbumStatus = "Album Status: %d file(s) selected";
inline constexpr const char* kAlbumStatusDuplicates =
    "Album Status: %d file(s) selected [%d duplicates ignored]";
// The information line's length, and the unknown-format text's.
inline constexpr int kInformationLength = 70;
inline constexpr int kUnknownFormatLength = 90;

// Album files are told by ".pho" in their name.
bool isAlbumName(const QString& path);

// "%s [%d x %d]" shortened to 70 characters by cutting out its middle.
QString photoInformationLine(const QString& path, int width, int height);
// "**Unknown Format** %s [0 x 0]" shortened to 90.
QString unknownFormatLine(const QString& path);
QString albumInformationLine(int imageCount);
// "Last update: %s", or empty when the album records no update.
QString lastUpdateLine(const QString& update);

// An album as its preview shows it: the summary reader's count and update text, and
// the thumbnail picture (null when the album carries none that decodes).
struct AlbumPreview {
    bool read = false;
    int imageCount = 0;
    QString lastUpdate;
    QImage thumbnail;
};
AlbumPreview readAlbumPreview(const QString& path);

// A photo as the preview shows it: loaded as every photo of the program is, at a
// reduced JPEG scale that still fills the area, then scaled to fit it with its aspect
// kept. fullWidth and fullHeight are the photo's own size. loaded is false when no
// decoder took the file.
struct PhotoPreview {
    bool loaded = false;
    int fullWidth = 0;
    int fullHeight = 0;
    int scale = 1;
    QImage picture;
};
PhotoPreview loadPhotoPreview(const QString& path, const QSize& area);

// A picture scaled to fit the area with its aspect kept (never enlarged past it).
QImage fittedPicture(const QImage& picture, const QSize& area);

// The files gathered with "Add To Album" over one opening of the chooser.
class AlbumCollection {
public:
    // Appends the paths not gathered yet (exact comparison); returns how many were
    // skipped as already gathered.
    int add(const QStringList& paths);
    const QStringList& files() const { return files_; }
    bool isEmpty() const { return files_.isEmpty(); }
    // The status line after a press that skipped `duplicates` paths.
    QString statusText(int duplicates) const;

private:
    QStringList files_;
};

// Where the chooser opens and the name it starts with: the initial name's own folder
// when it names one that exists; else the fallback folder (the image list's); else
// the home folder, never the folder the program was started from. A bare file name
// (a new album's) is kept as the name to start with.
struct StartPlace {
    QString folder;
    QString fileName;
};
StartPlace startPlace(const QString& initialPath, const QString& fallbackFolder);

}  // namespace file_open

// Turns the program's "Text|*.EXT;*.EXT|..." filter into Qt's name filters. Each
// pattern is offered in lower and upper case, as Linux file names tell them apart.
QStringList qtNameFilters(const QString& filter);
