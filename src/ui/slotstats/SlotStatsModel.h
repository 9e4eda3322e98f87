#pragma once
// The slot statistics' rules that need no window: stepping through the page's
// slots, the statistics text, the photo's histograms and where the histogram box,
// its grid and its curves are drawn.

#include <QPoint>
#include <QRect>
#include <QString>
#include <array>
#include <vector>

class PhotoImage;
class QImage;
struct AppSettings;
struct PageReport;

namespace slot_stats {

// --- Slots

// How many slots the dialog steps through: the page's, but never past the last
// record the table holds.
int steppableSlots(int slotCount);
// Slot + 1, back to 1 after the last; slot - 1, round to the last below 1.
int nextSlot(int slot, int count);
int previousSlot(int slot, int count);
// The previous and next buttons show only when there is somewhere to go.
bool slotArrowsShown(int count);

// "Printer Paper (%.01lf x %.01lf in) -> %s\nImage Template Slot# (%d of %d): \nFile: %s\n
// Image Resolution: %s Layout Cell [%d x %d]\nTransformations: %s" for one slot of the report.
QString statisticsText(const AppSettings& settings, const PageReport& report, int slot);
// "Photo Page Layout: %s - Printer: %s".
QString previewCaption(const QString& layoutText, const QString& printerName);

// The status label above the photo.
QString originalPhotoLabel();
// While the photo loads: "Loading Photo Image and Building Histogram..." or "Loading Photo Image...".
QString loadingLabel(bool histogramOn);
// The histogram box's caption.
QString histogramCaption(bool on);

// --- Histogram switches

enum Channel { Red = 0, Green = 1, Blue = 2, Gray = 3 };
inline constexpr int kChannels = 4;

struct HistogramSwitches {
    bool on = true;  // the histogram box as the person left it
    bool log = false;
    std::array<bool, kChannels> channels{true, true, true, true};

    bool anyChannel() const { return channels[0] || channels[1] || channels[2] || channels[3]; }
    // The rule after every change: with no channel left there is nothing to draw,
    // so the histogram goes off (and its box is cleared).
    void enforceChannels() { on = on && anyChannel(); }
};
HistogramSwitches switchesFromSettings(const AppSettings& settings);

// --- Histograms

// The red, green, blue and gray level counts of one photo and their common maximum
// (0 until they are counted).
struct Histograms {
    std::array<long, 256> red{};
    std::array<long, 256> green{};
    std::array<long, 256> blue{};
    std::array<long, 256> gray{};
    long maximum = 0;

    bool counted() const { return maximum > 0; }
    const std::array<long, 256>& channel(int c) const;
    void clear() { *this = Histograms(); }
};
// Counts a loaded photo: the raster as it is, a picture of the system path by its
// pixels converted to a 24-bit raster a strip at a time. Returns the maximum; 0 and
// nothing counted for an empty photo.
long countHistograms(const PhotoImage& photo, Histograms& out);
// The same for a system picture alone.
long countPictureHistograms(const QImage& picture, Histograms& out);

// --- Drawing

// Where the photo goes in the photo area: the area with its top lowered by 73
// pixels under the histogram, by 3 without it.
QRect photoRect(const QRect& area, bool histogramOn);

inline constexpr int kHistogramBoxWidth = 200;
inline constexpr int kHistogramBoxHeight = 70;
inline constexpr int kHistogramEdge = 2;  // the raised edge around the box

// Rectangles as QRect (right() and bottom() are the last pixel inside).
struct HistogramGeometry {
    QRect box;    // 200 x 70, centred across the area's width, at its top
    QRect inner;  // inside the edge, 3 more pixels in on every side
    std::array<int, 7> gridX{};
    int baseline = 0;      // the y of a count of 0
    int usableHeight = 0;  // from the baseline to the y of the tallest bin
};
HistogramGeometry histogramGeometry(int areaWidth, int areaTop);

// The 256 points of one curve, bin 0 first: x steps by inner width / 256, y is the
// baseline less the count scaled so the maximum reaches the usable height, on a
// log10(n + 1) scale in log format. All on the baseline while nothing is counted.
std::vector<QPoint> curvePoints(const std::array<long, 256>& bins, long maximum, const HistogramGeometry& g,
                                bool logFormat);

}  // namespace slot_stats
