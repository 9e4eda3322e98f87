#pragma once
// The photo object handed around the program: a decoded raster (CxImage) when the
// file's extension names one of our raster formats and its decoder took it, else
// a picture from the system picture path (every installed Qt image plugin).

#include <QImage>
#include <QRect>
#include <QString>
#include <functional>
#include <memory>

#include "image/CxImage.h"

class QPainter;

class PhotoImage {
public:
    PhotoImage();
    ~PhotoImage();
    PhotoImage(const PhotoImage&) = delete;
    PhotoImage& operator=(const PhotoImage&) = delete;

    // Non-zero on success: the raster path first (by extension, and HEIF and AVIF by
    // content), then the system path.
    // A failed load leaves whatever the photo held before.
    int LoadFile(const QString& path);
    // Whether JPEG photos are turned as their orientation tag says, and HEIF photos
    // by their turns and mirrors (the setting Config/ApplyExifOrientation). On unless
    // switched off.
    static void SetApplyExifOrientation(bool on);
    static bool ApplyExifOrientation();
    // Whether photos with an embedded colour profile are converted to sRGB (the
    // setting Config/ColorManagePhotos). On unless switched off.
    static void SetColorManagePhotos(bool on);
    static bool ColorManagePhotos();

    // As LoadFile, but a JPEG may be decoded at libjpeg's reduced DCT scale for drawing
    // small. chooseScale is asked with the photo's full pixel size (as LoadFile would
    // report it, turned by the orientation tag where that applies) and answers the
    // denominator 1, 2, 4 or 8. fullWidth and fullHeight receive the full size and
    // scale the denominator used. Other formats, and a JPEG the reduced decode
    // refuses, load exactly as LoadFile does, at scale 1.
    int LoadFileScaled(const QString& path, const std::function<int(int, int)>& chooseScale, int& fullWidth,
                       int& fullHeight, int& scale);

    // As LoadFile, but never the system picture path.
    int LoadFileRasterOnly(const QString& path);
    // Makes a picture built in memory (a decoded resource, a thumbnail) this photo's
    // raster. False, and nothing changed, when the image holds no picture.
    bool AdoptRaster(CxImage&& image);

    // Pixel size. A system picture's size is its physical size converted with the
    // device's logical resolution (96 dpi unless a device says otherwise).
    void GetPixelSize(int& width, int& height, int deviceDpiX = 96, int deviceDpiY = 96) const;

    // Plain stretch into the rectangle (right and bottom exclusive): rows and columns
    // are picked, never blended. A system picture given an all-zero rectangle is
    // drawn at its natural size on the device. False for an empty photo.
    bool DrawInto(QPainter* painter, int left, int top, int right, int bottom) const;
    // FitRect from the pixel size, offset to the rectangle, drawn with DrawSmooth.
    bool DrawFitted(QPainter* painter, const QRect& rect) const;
    // DrawInto, except that a photo of more than 786,432 pixels drawn into a
    // rectangle narrower or lower than 600 pixels is halved with the plain stretch
    // and then area-averaged into the rectangle.
    bool DrawSmooth(QPainter* painter, int left, int top, int right, int bottom) const;
    // A rectangle relative to rect's own top-left corner (right and bottom are
    // x() + width() and y() + height()). Empty when either size is not positive.
    static QRect FitRect(const QRect& rect, int width, int height, bool centred);

    bool IsRasterLoaded() const { return rasterLoaded_; }
    bool IsSystemLoaded() const { return systemLoaded_; }
    bool IsEmpty() const { return !rasterLoaded_ && !systemLoaded_; }
    CxImage* Raster() { return rasterLoaded_ ? raster_.get() : nullptr; }
    const CxImage* Raster() const { return rasterLoaded_ ? raster_.get() : nullptr; }
    // The system picture, or a null image.
    const QImage& SystemPicture() const { return systemPicture_; }
    // Format name of what was loaded ("JPEG", "PNG", ... for the raster path; the
    // Qt reader's format for the system path).
    QString FormatName() const { return formatName_; }
    // The last error text of the failed raster decode, or of the system path.
    QString LastError() const { return lastError_; }
    void Release();

private:
    // The raster path: the decoder the extension names, then HEIF and AVIF by content.
    // tried tells whether any decoder was asked.
    int loadRasterPath(const QString& path, bool& tried);
    int loadRaster(const QString& path, int format);

    std::unique_ptr<CxImage> raster_;
    bool rasterLoaded_ = false;
    QImage systemPicture_;
    bool systemLoaded_ = false;
    QSize systemPhysicalHimetric_;  // hundredths of a millimetre
    QString formatName_;
    QString lastError_;
};

// The raster format code for a path's extension (text after the last '.', lower-cased),
// or CXIMAGE_FORMAT_UNKNOWN when the raster path does not take it.
int rasterFormatForPath(const QString& path);
// HEIF or AVIF when a file's first bytes show one (phones and transfer tools save them
// under any name), else CXIMAGE_FORMAT_UNKNOWN.
int heifFormatByContent(const QString& path);
bool isHeifFormat(int format);

// The resolution a system picture records, in whole dots per inch (96 when it records none).
int imageDpi(int dotsPerMetre);

// a * b / c rounded to the nearest integer (halves away from zero); 0 when c is 0.
int mulDivRound(int a, int b, int c);

// The picture resampled to width x height by area averaging: every output pixel is
// the coverage-weighted mean of the source pixels under it. Works in premultiplied
// ARGB so transparent edges do not darken. A null image for empty sizes.
QImage scaleAreaAverage(const QImage& source, int width, int height);
// The same straight from a raster's rows (a kept page), without a copy of it first.
QImage scaleAreaAverage(const CxImage& source, int width, int height);
