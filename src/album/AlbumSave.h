#pragma once
// Saving an album the way every save does it: its thumbnail made afresh from the
// page the preview shows, then the file written. Shared by the album editor and the
// image list's export, so an exported album looks the same as one saved by hand.

#include <QDateTime>
#include <QSize>
#include <QString>

#include "album/AlbumFile.h"
#include "album/AlbumPages.h"

class SettingsStore;

// The editor's page area before it is shown, and the area an album is previewed at
// when there is no window at all (an export).
inline constexpr QSize kDefaultPreviewArea(450, 396);

// The page layout, two-page and caption choices as the settings hold them
// (PhotoAlbum/PageLayout, TwoPageAlbum, UseCaption).
AlbumLayout albumLayoutFromSettings(SettingsStore& store);

// Makes the thumbnail from the preview page (drawn at previewArea first when none is
// cached) and writes the album with it. When no thumbnail can be made this time, the
// album is written without one rather than with whatever another album left in the
// shared working files. False when the file could not be written, with error as for
// WriteAlbumFile.
bool SaveAlbumWithThumbnail(AlbumPageModel& pages, const QString& fileName, const Album& album,
                            const QDateTime& when, const QSize& previewArea, QString* error = nullptr);

// The name a save writes to: ".pho" added when the file name itself holds no full stop
// (a folder such as "john.doe" does not count).
QString withAlbumExtension(const QString& chosen);
