// Album files come from anywhere: the full and the summary reader must take any bytes.
#include <QByteArray>
#include <QStringList>
#include <cstddef>
#include <cstdint>

#include "album/AlbumFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QStringList files{QStringLiteral("/already/listed.jpg")};
    const AlbumReadResult r = ParseAlbumData(bytes, files);
    if (r.duplicates < 0 || files.isEmpty()) __builtin_trap();
    const AlbumSummary s = ParseAlbumSummary(bytes);
    if (s.imageCount < 0) __builtin_trap();

    // A title the reader produced survives writing and reading again.
    Album album;
    album.title = r.title;
    album.files = files;
    QStringList again;
    const QByteArray written =
        FormatAlbumFile(album, QDateTime(QDate(2004, 3, 2), QTime(14, 5, 9)), QByteArray());
    if (ParseAlbumData(written, again).title != r.title) __builtin_trap();
    return 0;
}
