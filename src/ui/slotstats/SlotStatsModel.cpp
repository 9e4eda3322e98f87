#include "ui/slotstats/SlotStatsModel.h"

#include <QCoreApplication>
#include <QImage>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "core/AppSettings.h"
#include "image/CxImage.h"
#include "image/PhotoImage.h"
#include "layout/Fitting.h"
#include "layout/RenderPass.h"
#include "layout/TemplateCatalogue.h"

namespace slot_stats {

int steppableSlots(int slotCount) {
    return std::clamp(slotCount, 0, SlotTable::kLastSlot);
}

int nextSlot(int slot, int count) {
    if (count < 1) return 1;
    return slot >= count ? 1 : std::max(slot + 1, 1);
}

int previousSlot(int slot, int count) {
    if (count < 1) return 1;
    return slot <= 1 ? count : std::min(slot - 1, count);
}

bool slotArrowsShown(int count) {
    return count > 1;
}

QString statisticsText(const AppSettings& s, const PageReport& report, int slot) {
    static const SlotRecord none;
    const SlotRecord* found = report.slots.at(slot);
    const SlotRecord& r = found ? *found : none;
    const QString transformations =
        transformationSummary(r.rotated != 0, r.cropped != 0, r.resolutionDeficit, r.framed != 0);
    return QString::asprintf(
        QCoreApplication::translate(
            "SlotStats",
            "Printer Paper (%.01f x %.01f in) -> %s\nImage Template Slot# (%d of %d): \nFile: %s\n"
            "Image Resolution: %s Layout Cell [%d x %d]\nTransformations: %s")
            .toUtf8()
            .constData(),
        s.MaxPageWidthIn, s.MaxPageHeightIn, layoutDisplayText(report.layoutText).toUtf8().constData(), slot,
        report.slotCount, r.fileName.toUtf8().constData(), r.sizeText.toUtf8().constData(), r.slotWidth,
        r.slotHeight, transformations.toUtf8().constData());
}

QString previewCaption(const QString& layoutText, const QString& printerName) {
    return QCoreApplication::translate("SlotStats", "Photo Page Layout: %1 - Printer: %2")
        .arg(layoutDisplayText(layoutText), printerName);
}

QString originalPhotoLabel() {
    return QCoreApplication::translate("SlotStats", "Original Photo");
}

QString loadingLabel(bool histogramOn) {
    return histogramOn
               ? QCoreApplication::translate("SlotStats", "Loading Photo Image and Building Histogram...")
               : QCoreApplication::translate("SlotStats", "Loading Photo Image...");
}

QString histogramCaption(bool on) {
    return on ? QCoreApplication::translate("SlotStats", "On")
              : QCoreApplication::translate("SlotStats", "Off");
}

HistogramSwitches switchesFromSettings(const AppSettings& s) {
    HistogramSwitches w;
    w.on = s.ActivateHistogram != 0;
    w.log = s.LogFormat != 0;
    w.channels = {s.RedChannel != 0, s.GreenChannel != 0, s.BlueChannel != 0, s.GrayChannel != 0};
    w.enforceChannels();
    return w;
}

const std::array<long, 256>& Histograms::channel(int c) const {
    switch (c) {
        case Red:
            return red;
        case Green:
            return green;
        case Blue:
            return blue;
        default:
            return gray;
    }
}

namespace {
long largestBin(const Histograms& h) {
    long most = 0;
    for (int c = 0; c < kChannels; ++c) {
        const auto& bins = h.channel(c);
        most = std::max(most, *std::max_element(bins.begin(), bins.end()));
    }
    return most;
}
}  // namespace

long countPictureHistograms(const QImage& picture, Histograms& out) {
    out.clear();
    if (picture.isNull()) return 0;
    // A strip at a time, so a large picture is never held twice over.
    constexpr int kStripRows = 256;
    const int width = picture.width();
    Histograms strip;
    for (int top = 0; top < picture.height(); top += kStripRows) {
        const int rows = std::min(kStripRows, picture.height() - top);
        const QImage part = picture.copy(0, top, width, rows).convertToFormat(QImage::Format_BGR888);
        CxImage raster;
        if (part.isNull() || !raster.CreateRaster(width, rows, 24, CXIMAGE_FORMAT_UNKNOWN)) {
            out.clear();
            return 0;
        }
        // BGR888 bytes are the DIB's blue, green, red; the DIB's rows run bottom-up.
        for (int y = 0; y < rows; ++y)
            std::memcpy(raster.GetBits(rows - 1 - y), part.constScanLine(y), std::size_t(width) * 3);
        raster.CountHistogram(strip.red.data(), strip.green.data(), strip.blue.data(), strip.gray.data());
        for (int i = 0; i < 256; ++i) {
            out.red[std::size_t(i)] += strip.red[std::size_t(i)];
            out.green[std::size_t(i)] += strip.green[std::size_t(i)];
            out.blue[std::size_t(i)] += strip.blue[std::size_t(i)];
            out.gray[std::size_t(i)] += strip.gray[std::size_t(i)];
        }
    }
    out.maximum = largestBin(out);
    return out.maximum;
}

long countHistograms(const PhotoImage& photo, Histograms& out) {
    out.clear();
    if (const CxImage* raster = photo.Raster()) {
        out.maximum =
            raster->CountHistogram(out.red.data(), out.green.data(), out.blue.data(), out.gray.data());
        return out.maximum;
    }
    if (photo.IsSystemLoaded()) return countPictureHistograms(photo.SystemPicture(), out);
    return 0;
}

QRect photoRect(const QRect& area, bool histogramOn) {
    return area.adjusted(0, histogramOn ? 73 : 3, 0, 0);
}

HistogramGeometry histogramGeometry(int areaWidth, int areaTop) {
    HistogramGeometry g;
    g.box = QRect((areaWidth - kHistogramBoxWidth) / 2, areaTop, kHistogramBoxWidth, kHistogramBoxHeight);
    const int in = kHistogramEdge + 3;
    g.inner = g.box.adjusted(in, in, -in, -in);
    for (int i = 1; i <= 7; ++i) g.gridX[std::size_t(i - 1)] = g.inner.left() + i * g.inner.width() / 8;
    // The inner rectangle's bottom edge, right and bottom exclusive, is inner.y() + height().
    const int innerBottom = g.inner.y() + g.inner.height();
    g.baseline = innerBottom - 1;
    g.usableHeight = innerBottom - g.inner.y() - 10;
    return g;
}

std::vector<QPoint> curvePoints(const std::array<long, 256>& bins, long maximum, const HistogramGeometry& g,
                                bool logFormat) {
    const double xStep = double(g.inner.width()) / 256.0;
    auto value = [logFormat](long n) { return logFormat ? std::log10(double(n) + 1.0) : double(n); };
    const double top = maximum > 0 ? value(maximum) : 0.0;
    // The count's share of the maximum times the usable height, rather than the
    // height over the maximum times the count: that product can come out a hair
    // above the height and put the tallest bin a pixel over the top of the scale.
    auto y = [&](long n) {
        const double share = top > 0 ? std::clamp(value(std::max(n, 0L)) / top, 0.0, 1.0) : 0.0;
        return int(double(g.baseline) - double(g.usableHeight) * share);
    };
    std::vector<QPoint> points;
    points.reserve(256);
    points.emplace_back(g.inner.left(), y(bins[0]));
    for (int i = 1; i < 256; ++i)
        points.emplace_back(g.inner.left() + int(double(i) * xStep + 1.0), y(bins[std::size_t(i)]));
    return points;
}

}  // namespace slot_stats
