#pragma once
// Reading a whole picture file into memory, with the ceiling every loader keeps to.

#include <QByteArray>
#include <QFile>

// Larger files are refused before reading: no photo we print comes near this, and a
// mistaken pick (a disk image, a video) must not exhaust memory.
constexpr qint64 kMaxPictureFileBytes = 512ll * 1024 * 1024;

// The rest of an open file into out. False when it cannot be read or is larger than
// any photo we print comes near (a mistaken pick such as a disk image must not
// exhaust memory).
bool readBounded(QFile& file, QByteArray& out);
