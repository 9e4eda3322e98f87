#pragma once
// Helpers of the codec tests: reading the reference pictures and the sample files,
// and choosing our decoder by file extension.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "image/CxImage.h"

// A reference picture: RGBA, top row first. Empty when it cannot be read.
struct RefPicture {
    int width = 0;
    int height = 0;
    bool hasAlpha = false;
    std::vector<std::uint8_t> rgba;
    bool valid() const { return width > 0 && height > 0; }
    const std::uint8_t* at(int x, int yFromTop) const {
        return &rgba[(std::size_t(yFromTop) * width + x) * 4];
    }
};

// Reads binary PPM (P6) and PAM (P7, depth 3 or 4) files.
RefPicture readReference(const QString& path);

QString codecDataDir();
// The sample pictures of the codec folder (not the regression files), sorted.
QStringList codecSamples();
QByteArray readBytes(const QString& path);

// Calls DecodeBmp/Gif/Tga/Pcx by the file's extension.
bool decodeByExtension(const QString& path, const QByteArray& bytes, CxImage& image);
bool decodeByExtension(const QString& path, const std::uint8_t* data, std::size_t size, CxImage& image);

// Display pixel (x, y from the top) of a decoded picture.
RGBQuad displayPixel(const CxImage& image, int x, int yFromTop);
