// Loading a JPEG at a reduced DCT scale while reporting its full size. The frame
// header and the EXIF block are read first, so the caller can choose the scale from
// the size the photo will be measured at.
#include <QByteArray>
#include <QFile>
#include <utility>

#include "image/FileBytes.h"
#include "image/PhotoImage.h"
#include "image/codecs/Codecs.h"

namespace {

bool readWholeFile(const QString& path, QByteArray& out) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && readBounded(file, out);
}

}  // namespace

int PhotoImage::LoadFileScaled(const QString& path, const std::function<int(int, int)>& chooseScale,
                               int& fullWidth, int& fullHeight, int& scale) {
    scale = 1;
    QByteArray bytes;
    if (chooseScale && rasterFormatForPath(path) == CXIMAGE_FORMAT_JPG && readWholeFile(path, bytes)) {
        const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
        const std::size_t size = std::size_t(bytes.size());
        int w = 0, h = 0;
        if (ReadJpegSize(data, size, w, h)) {
            const bool orient = ApplyExifOrientation();
            // The decoder reads the tag the same way, so the turn it makes is this one.
            ExifInfo exif;
            const char* exifError = nullptr;
            ReadJpegExif(data, size, exif, &exifError);
            if (orient && exif.orientation >= 5 && exif.orientation <= 8) std::swap(w, h);
            const int chosen = chooseScale(w, h);
            CxImage raster(CXIMAGE_FORMAT_JPG);
            bool decoded;
            if (chosen == 2 || chosen == 4 || chosen == 8) {
                DecodeOptions options;
                options.jpegScaleDenominator = chosen;
                options.applyExifOrientation = orient;
                options.colorManage = ColorManagePhotos();
                decoded = DecodeJpeg(data, size, raster, options);
            } else {
                // Full size from the bytes already read: the raster path of LoadFile.
                raster.SetApplyExifOrientation(orient);
                raster.SetColorManage(ColorManagePhotos());
                decoded = raster.LoadFromMemory(data, size, CXIMAGE_FORMAT_JPG);
            }
            if (decoded && raster.IsValid()) {
                const bool reduced = chosen == 2 || chosen == 4 || chosen == 8;
                AdoptRaster(std::move(raster));
                if (reduced) {
                    fullWidth = w;
                    fullHeight = h;
                    scale = chosen;
                } else {
                    GetPixelSize(fullWidth, fullHeight);
                }
                return 1;
            }
        }
    }
    // Whatever the reduced path could not take goes the ordinary way, so a failure
    // here is exactly a failure of LoadFile.
    if (!LoadFile(path)) return 0;
    GetPixelSize(fullWidth, fullHeight);
    return 1;
}
