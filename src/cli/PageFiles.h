#pragma once
// The page files the commands write, chosen by the output's extension: BMP (the kept
// page's DIB), JPEG (the snapshot writer), PNG, each one file a page, or PDF with every
// page in one file.

#include <QString>

class CxImage;

enum class PageFileKind { Bmp, Jpeg, Png, Pdf };

// The kind for a path ending in .bmp, .jpg or .jpeg, .png or .pdf (any case); false otherwise.
bool pageFileKindFor(const QString& path, PageFileKind& kind);

// One page as a file of its own (not PDF). False when it cannot be written; errorText
// then holds the writer's reason ("No space left on device").
bool writePageFile(const CxImage& page, PageFileKind kind, int jpegQuality, const QString& path,
                   QString& errorText);
