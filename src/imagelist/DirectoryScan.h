#pragma once
// Building the image list from one folder.

#include <QString>

class ImageList;
class SettingsStore;
class StatusSink;

// Whether a path names a photo the folder scan takes. The extension switches of
// Config (JpgFilter, BmpFilter, ..., HeicFilter, HeifFilter, AvifFilter) are read from
// the store on every call, so a changed switch counts at once. An extension counts
// wherever it stands in the whole path after its first character ("photo.jpg.bak" is
// taken, and so is every file of a folder named "trip.jpg.d").
bool AcceptsPhotoFile(const QString& path, SettingsStore& store);

// Clears the list and fills it with the photos of directory (no subfolders, hidden
// files included), sorted; puts the cursor on the first entry, then on
// resumePhoto when it is listed. Shows the scan in status pane 0 when given. A
// folder that cannot be listed leaves the list empty, without a message.
// Returns the number of entries.
int BuildFromDirectory(ImageList& list, const QString& directory, const QString& resumePhoto,
                       SettingsStore& store, StatusSink* status);
