#include "ui/fileopen/FileOpenModel.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include "album/AlbumFile.h"
#include "album/AlbumPages.h"
#include "image/CxImage.h"
#include "image/PhotoImage.h"
#include "layout/PhotoSupply.h"

namespace file_open {

namespace {

QString asprintfText(const char* format, const QString& text, int a, int b) {
    return QString::asprintf(format, text.toUtf8().constData(), a, b);
}

// The thumbnail section of an album file when it has one, else the whole file: a
// title or a path holding both brace pairs would otherwise be read as picture bytes.
QByteArray thumbnailSection(const QByteArray& data) {
    const qsizetype start = data.indexOf("[StartThumb]");
    if (start < 0) return data;
    const qsizetype end = data.indexOf("[EndThumb]", start);
    return data.mid(start, end < 0 ? -1 : end - start);
}

}  // namespace

bool isAlbumName(const QString& path) {
    return QFileInfo(path).fileName().contains(QLatin1String(".pho"), Qt::CaseInsensitive);
}

QString photoInformationLine(const QString& path, int width, int height) {
    return ShortenCaption(asprintfText(kPhotoInformation, path, width, height), kInformationLength);
}

QString unknownFormatLine(const QString& path) {
    return ShortenCaption(asprintfText(kUnknownFormat, path, 0, 0), kUnknownFormatLength);
}

QString albumInformationLine(int imageCount) {
    return QString::asprintf(kAlbumInformation, imageCount);
}

QString lastUpdateLine(const QString& update) {
    if (update.isEmpty()) return QString();
    return QString::asprintf(kLastUpdate, update.toUtf8().constData());
}

AlbumPreview readAlbumPreview(const QString& path) {
    AlbumPreview preview;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxAlbumFileBytes) return preview;
    const QByteArray data = file.read(kMaxAlbumFileBytes);
    const AlbumSummary summary = ParseAlbumSummary(data);
    preview.read = true;
    preview.imageCount = summary.imageCount;
    preview.lastUpdate = summary.lastUpdate;
    // Decoded in memory: the shared working thumbnail files belong to the editor's
    // saves, and a preview must never show one album's picture for another.
    const QByteArray jpeg = DecodeThumbnailData(thumbnailSection(data));
    if (!jpeg.isEmpty()) {
        CxImage picture(CXIMAGE_FORMAT_JPG);
        if (picture.LoadFromMemory(reinterpret_cast<const std::uint8_t*>(jpeg.constData()),
                                   std::size_t(jpeg.size()), CXIMAGE_FORMAT_JPG) &&
            picture.IsValid())
            preview.thumbnail = picture.ToBitmap();
    }
    return preview;
}

QImage fittedPicture(const QImage& picture, const QSize& area) {
    if (picture.isNull() || area.isEmpty()) return QImage();
    const QRect fit = PhotoImage::FitRect(QRect(QPoint(0, 0), area), picture.width(), picture.height(), true);
    if (fit.isEmpty()) return QImage();
    if (fit.size() == picture.size()) return picture;
    return fit.width() < picture.width()
               ? scaleAreaAverage(picture, fit.width(), fit.height())
               : picture.scaled(fit.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

PhotoPreview loadPhotoPreview(const QString& path, const QSize& area) {
    PhotoPreview preview;
    PhotoSupply::Job job;
    job.fileName = path;
    job.target.target = PhotoTarget{area.width(), area.height(), false};
    SuppliedPhoto supplied = PhotoSupply::load(job);
    if (!supplied.photo) return preview;
    preview.loaded = true;
    preview.fullWidth = supplied.fullWidth;
    preview.fullHeight = supplied.fullHeight;
    preview.scale = supplied.scale;
    const PhotoImage& photo = *supplied.photo;
    const QImage source = photo.Raster() ? photo.Raster()->ToBitmap() : photo.SystemPicture();
    preview.picture = fittedPicture(source, area);
    return preview;
}

int AlbumCollection::add(const QStringList& paths) {
    QSet<QString> known(files_.cbegin(), files_.cend());
    int duplicates = 0;
    for (const QString& path : paths) {
        if (known.contains(path)) {
            ++duplicates;
            continue;
        }
        known.insert(path);
        files_ << path;
    }
    return duplicates;
}

QString AlbumCollection::statusText(int duplicates) const {
    const int count = int(files_.size());
    return duplicates > 0 ? QString::asprintf(kAlbumStatusDuplicates, count, duplicates)
                          : QString::asprintf(kAlbumStatus, count);
}

StartPlace startPlace(const QString& initialPath, const QString& fallbackFolder) {
    StartPlace place;
    const QFileInfo initial(initialPath);
    if (!initialPath.isEmpty() && initial.isAbsolute()) {
        if (initial.isDir()) {
            place.folder = initial.absoluteFilePath();
            return place;
        }
        if (QFileInfo(initial.absolutePath()).isDir()) {
            place.folder = initial.absolutePath();
            place.fileName = initial.fileName();
            return place;
        }
    }
    // A bare name (a new album's) has no folder of its own; it is still the name offered.
    if (!initialPath.isEmpty() && !initialPath.contains(QLatin1Char('/'))) place.fileName = initialPath;
    const QFileInfo fallback(fallbackFolder);
    place.folder = !fallbackFolder.isEmpty() && fallback.isAbsolute() && fallback.isDir()
                       ? fallback.absoluteFilePath()
                       : QDir::homePath();
    return place;
}

}  // namespace file_open

QStringList qtNameFilters(const QString& filter) {
    QStringList result;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString label = parts[i].trimmed();
        if (label.isEmpty()) continue;
        QStringList patterns;
        for (const QString& p : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString pattern = p.trimmed();
            for (const QString& variant : {pattern.toLower(), pattern.toUpper()})
                if (!patterns.contains(variant)) patterns << variant;
        }
        if (patterns.isEmpty()) continue;
        result << QStringLiteral("%1 (%2)").arg(label, patterns.join(QLatin1Char(' ')));
    }
    return result;
}
