#include "cli/PageFiles.h"

#include <QFileInfo>

#include "image/CxImage.h"
#include "output/SnapshotWriters.h"

bool pageFileKindFor(const QString& path, PageFileKind& kind) {
    const QString ext = QFileInfo(path).suffix().toLower();
    if (ext == QLatin1String("bmp"))
        kind = PageFileKind::Bmp;
    else if (ext == QLatin1String("jpg") || ext == QLatin1String("jpeg"))
        kind = PageFileKind::Jpeg;
    else if (ext == QLatin1String("png"))
        kind = PageFileKind::Png;
    else if (ext == QLatin1String("pdf"))
        kind = PageFileKind::Pdf;
    else
        return false;
    return true;
}

bool writePageFile(const CxImage& page, PageFileKind kind, int jpegQuality, const QString& path,
                   QString& errorText) {
    errorText.clear();
    switch (kind) {
        case PageFileKind::Bmp:
            return WriteBmp(page, path, &errorText);
        case PageFileKind::Jpeg:
            return WriteJpeg(page, jpegQuality, path, errorText);
        case PageFileKind::Png:
            return WritePng(page, path, &errorText);
        case PageFileKind::Pdf:
            break;
    }
    return false;
}
