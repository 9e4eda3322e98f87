#pragma once
// A photo's pixel size without decoding it: the figures PhotoImage::LoadFile followed
// by GetPixelSize (at 96 dpi) report, read from the file's headers.

#include <QString>

// Follows LoadFile's road: the raster decoder named by the extension when its header
// checks pass, else the system picture path (every installed Qt image plugin), whose
// size is converted through the picture's recorded resolution as a loaded system
// picture's is. False when LoadFile would fail at its headers. A file whose headers
// are sound but whose pixel data is damaged still gets its size here.
bool ReadPhotoPixelSize(const QString& path, int& width, int& height);
