#pragma once
// The photo album file (*.pho): a CR LF text file with a banner, the title, a
// free-text description, one line per photo (file name and folder apart) and
// the album's JPEG thumbnail as hexadecimal lines.
//
// The readers pick lines by the keywords they contain and ignore the rest, so
// hand-edited files and the thumbnail section never disturb them. Every reader
// works on bytes in memory; the file functions only load and store.

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

class Notifier;

struct Album {
    QString title;
    // Line breaks are CR or CR LF; a stored CR LF comes back as a single CR.
    QString description;
    // Full paths, folder and file name joined by '/'.
    QStringList files;
};

// Album files larger than this are refused unread: no album of photo paths
// comes near it, and it keeps a damaged or foreign file from filling memory.
inline constexpr qint64 kMaxAlbumFileBytes = 256ll * 1024 * 1024;

// The shared working thumbnail files, "phoThumb.jpg" and "phoThumb.txt" in the
// user's data folder. Both are shared by every album.
QString workingThumbnailFolder();
QString workingThumbnailJpegPath();
QString workingThumbnailTextPath();

// "Tue Mar 02 14:05:09 2004": English names whatever the locale, day with two digits.
QString albumTimeText(const QDateTime& when);

// The whole file as WriteAlbumFile stores it (line ends CR LF). thumbnailText is
// the working thumbnail text as read, or a null array when there is none.
QByteArray FormatAlbumFile(const Album& album, const QDateTime& when, const QByteArray& thumbnailText);

// Writes the album through a temporary file in the same folder that replaces the
// old file only when everything was written. Returns false, leaving any old file
// as it was, when the file cannot be created or written; error (when given) then says
// why ("Cannot open " and the path, or the failed write's "No space left on device").
// The thumbnail section copies the working thumbnail text at thumbnailTextPath when it
// can be read.
bool WriteAlbumFile(const QString& fileName, const Album& album, const QDateTime& when,
                    const QString& thumbnailTextPath = workingThumbnailTextPath(), QString* error = nullptr);

// What the full reader found in one file.
struct AlbumReadResult {
    QString title;
    QString description;
    QString lastUpdate;
    int duplicates = 0;  // image lines skipped because their path was already listed
};

// Reads album bytes. Paths are appended to files unless already there (exact,
// case-sensitive comparison, also against what files held before).
AlbumReadResult ParseAlbumData(const QByteArray& data, QStringList& files);

// Opens an album: clears album.title and album.description, appends the photo
// paths to album.files and fills lastUpdate. When paths were skipped as
// duplicates, tells the person through notifier (when given). Returns false,
// changing nothing, when the file cannot be read.
bool ReadAlbumFile(const QString& fileName, Album& album, QString& lastUpdate, Notifier* notifier);

// The short reader for previews: the number of lines holding both "[PM Image
// File" and "path=", and the update text.
struct AlbumSummary {
    int imageCount = 0;
    QString lastUpdate;
};
AlbumSummary ParseAlbumSummary(const QByteArray& data);
bool ReadAlbumSummary(const QString& fileName, AlbumSummary& summary);

// Binary bytes to hexadecimal lines "{{" + up to 84 upper-case digits + "}}".
QByteArray EncodeThumbnailData(const QByteArray& binary);
// Every line holding both "{{" and "}}" decoded back to bytes; any other line is skipped.
QByteArray DecodeThumbnailData(const QByteArray& text);

// File forms of the two above. Return 0 on success and -1 when either file cannot
// be opened (or the output cannot be written completely).
int EncodeThumbnail(const QString& binaryPath, const QString& textPath);
int DecodeThumbnail(const QString& textPath, const QString& binaryPath);
