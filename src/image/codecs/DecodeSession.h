#pragma once
// What our own decoders (BMP, GIF, TGA, PCX) share. A decoder builds the picture in
// a working raster and hands it to the caller's image only once it decoded
// completely, so a failed or cancelled decode leaves the caller's picture as it was
// and only its last error changes.

#include <QString>
#include <cstdint>

#include "image/CxImage.h"

class DecodeSession {
public:
    DecodeSession(CxImage& target, int format) : target_(target), format_(format) {
        work_.SetXDPI(target.GetXDPI());
        work_.SetYDPI(target.GetYDPI());
    }

    CxImage& work() { return work_; }

    // Records the failure text on the caller's image; returns false for `return s.fail(...)`.
    bool fail(const char* text) {
        target_.SetLastError(QString::fromLatin1(text));
        return false;
    }

    // Creates the working raster; on failure records the decoder's own text.
    bool create(std::int64_t width, std::int64_t height, int bitsPerPixel, const char* failText) {
        if (!work_.CreateRaster(width, height, bitsPerPixel, format_)) return fail(failText);
        return true;
    }

    // Called once per decoded row: advances the progress and reports whether the
    // caller asked to stop.
    bool rowDone(std::int64_t done, std::int64_t total) {
        if (total > 0) target_.SetProgress(int(done * 100 / total));
        return !target_.GetEscape();
    }
    bool cancelled() const { return target_.GetEscape(); }
    bool failCancelled() { return fail("Cancelled"); }

    // Moves the finished picture into the caller's image. dpi of 0 keeps what the
    // image had.
    bool commit(int xdpi = 0, int ydpi = 0) {
        const int keepX = target_.GetXDPI(), keepY = target_.GetYDPI();
        target_.TakeOver(work_);
        target_.SetType(format_);
        target_.SetXDPI(xdpi > 0 ? xdpi : keepX);
        target_.SetYDPI(ydpi > 0 ? ydpi : keepY);
        target_.SetExifOrientation(0);
        target_.SetLastError(QString());
        target_.SetProgress(100);
        return true;
    }

private:
    CxImage& target_;
    CxImage work_;
    int format_;
};

// Widens an n-bit channel value to 8 bits as v * 255 / max, truncated, which is how
// common viewers show 15- and 16-bit pixels; wider values keep their top 8 bits.
inline std::uint8_t scaleChannel(std::uint32_t value, int bits) {
    if (bits <= 0) return 0;
    if (bits >= 8) return std::uint8_t(value >> (bits - 8));
    return std::uint8_t(value * 255 / ((1u << bits) - 1));
}
