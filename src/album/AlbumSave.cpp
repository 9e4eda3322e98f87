#include "album/AlbumSave.h"

#include <QFileInfo>

#include "core/SettingsTable.h"

AlbumLayout albumLayoutFromSettings(SettingsStore& store) {
    return AlbumLayout::fromText(readSettingText(store, setting::PageLayout),
                                 readSettingInt(store, setting::TwoPageAlbum) != 0,
                                 readSettingInt(store, setting::UseCaption) != 0);
}

bool SaveAlbumWithThumbnail(AlbumPageModel& pages, const QString& fileName, const Album& album,
                            const QDateTime& when, const QSize& previewArea, QString* error) {
    const bool previewed = !pages.isEmpty() && !pages.preview(previewArea).isNull();
    const bool thumbnail = previewed && pages.MakeAlbumThumbnail();
    return WriteAlbumFile(fileName, album, when, thumbnail ? workingThumbnailTextPath() : QString(), error);
}

QString withAlbumExtension(const QString& chosen) {
    if (chosen.isEmpty() || QFileInfo(chosen).fileName().contains(QLatin1Char('.'))) return chosen;
    return chosen + QStringLiteral(".pho");
}
