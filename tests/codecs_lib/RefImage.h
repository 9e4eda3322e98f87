#pragma once
// Reference pictures written by independent tools (PPM, PGM, PAM with or without
// alpha) and a pixel-by-pixel comparison with a decoded raster.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <string>
#include <vector>

#include "image/CxImage.h"

struct RefImage {
    int width = 0, height = 0, channels = 0, maxval = 0;
    bool hasAlpha = false;
    std::vector<std::uint16_t> samples;  // row 0 at the top
    // Sample scaled to 8 bits the way our decoders reduce it: 16-bit samples keep
    // their high byte, low-depth grey widens exactly (3 -> 255, 15 -> 255).
    int value(int x, int y, int c) const;
    RGBQuad color(int x, int y) const;  // alpha in `reserved` (255 without alpha)
};

QByteArray testFile(const QString& name);
// Reads P4, P5, P6 or P7 (GRAYSCALE, RGB and their _ALPHA kinds). Empty on failure.
RefImage readRef(const QString& name);

// Compares the raster, as displayed, with the reference. Colour within `tolerance`
// per channel; alpha is compared when both have it, and must be 255 when only the
// reference has it.
::testing::AssertionResult SameAsReference(const CxImage& image, const RefImage& ref, int tolerance = 0);

// The picture as displayed, as one RGB byte string (row 0 at the top).
std::vector<std::uint8_t> displayedRgb(const CxImage& image);

// CRC-32 as PNG chunks use it.
std::uint32_t crc32(const std::uint8_t* data, std::size_t size);
