#include "layout/Fitting.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <utility>

#include "core/AppSettings.h"

PrintSizeFit printSizeFit(int iw, int ih, PrintSizeClasses classes, double userWidth, double userHeight) {
    PrintSizeFit fit;
    if (iw <= 0 || ih <= 0) return fit;
    fit.aspect = (iw < ih) ? double(iw) / ih : double(ih) / iw;
    for (const PrintSizeClassInfo& info : printSizeClassTable()) {
        if (!classes.has(info.id)) continue;
        double w = info.width;
        double h = info.height;
        if (info.id == PrintSizeClass::UserDefined) {
            w = userWidth;
            h = userHeight;
        }
        // A user page that was never given a size has nothing to fit into.
        if (!(w > 0) || !(h > 0) || !std::isfinite(w) || !std::isfinite(h)) continue;
        double fw = w;
        double fh = w / fit.aspect;
        if (fh > h) {
            fw = h * fit.aspect;
            fh = h;
        }
        const double coverage = fw * fh / (w * h) * 100;
        if (coverage > fit.bestCoverage) {
            fit.bestCoverage = coverage;
            fit.fittedWidth = fw;
            fit.fittedHeight = fh;
            fit.nominalWidth = w;
            fit.nominalHeight = h;
            fit.bestClass = info.id;
        }
    }
    // The best rectangle lies like the photo.
    if (ih < iw) {
        std::swap(fit.fittedWidth, fit.fittedHeight);
        std::swap(fit.nominalWidth, fit.nominalHeight);
    }
    return fit;
}

bool shouldRotate(int iw, int ih, int sw, int sh, DiscFlags disc) {
    if (disc.inlay) return false;
    if (disc.booklet) return true;
    return (sw > sh && iw < ih) || (sw < sh && iw > ih);
}

CropSwitches CropSwitches::fromSettings(const AppSettings& s) {
    CropSwitches c;
    c.autoCrop = s.AutoCropOn != 0;
    c.top = s.CropTop != 0;
    c.bottom = s.CropBottom != 0;
    c.left = s.CropLeft != 0;
    c.right = s.CropRight != 0;
    return c;
}

SlotFitContext SlotFitContext::forSlot(const PlacedSlot& slot, double userWidth, double userHeight) {
    SlotFitContext c;
    c.classes = slot.classes;
    c.disc = slot.disc;
    c.userWidth = userWidth;
    c.userHeight = userHeight;
    return c;
}

namespace {

// Removes 2 * cut from one axis of length n: from the far side when the near switch
// is off, from the near side when the far switch is off, else half from each.
void cutAxis(int n, int cut, bool nearSide, bool farSide, long& from, long& to) {
    // Keep at least one pixel, however thin the photo.
    if (2L * cut >= n) cut = (n - 1) / 2;
    if (!nearSide) {
        from = 0;
        to = n - 2L * cut;
    } else if (farSide) {
        from = cut;
        to = n - long(cut);
    } else {
        from = 2L * cut;
        to = n;
    }
}

int truncAmount(double v) {
    if (!(v > 0)) return 0;
    if (v >= 1e9) return 1000000000;
    return static_cast<int>(v);
}

}  // namespace

CropPlan planCrop(int iw, int ih, int sw, int sh, const SlotFitContext& slot, const CropSwitches& sws) {
    CropPlan plan;
    if (!sws.autoCrop) return plan;
    if (!(sws.left || sws.right) || !(sws.top || sws.bottom)) return plan;
    if (iw <= 0 || ih <= 0 || sw <= 0 || sh <= 0) return plan;

    plan.fit = printSizeFit(iw, ih, slot.classes, slot.userWidth, slot.userHeight);
    const PrintSizeFit& f = plan.fit;

    double hx = 0;
    double vy = 0;
    double chosen = 0;
    if (slot.disc.booklet || slot.disc.inlay) {
        // Disc inserts are cut to the slot's own shape.
        const double slotWide = double(sw) / sh;
        const double slotTall = double(sh) / sw;
        if (ih < iw) {
            hx = (iw - slotWide * ih) / 2;
            chosen = hx;
            if (hx < 0) {
                hx = 0;
                vy = (ih - iw * slotTall) / 2;
                chosen = vy;
            }
        } else {
            vy = (ih - slotTall * iw) / 2;
            chosen = vy;
            if (vy < 0) {
                vy = 0;
                hx = (iw - slotWide * ih) / 2;
                chosen = hx;
            }
        }
    } else if (iw == ih) {
        // A square photo has no print-size shape to follow, so it takes the slot's.
        if (sh >= sw) {
            hx = (ih - (double(sw) / sh) * ih) / 2;
            chosen = hx;
        } else {
            vy = (iw - (double(sh) / sw) * iw) / 2;
            chosen = vy;
        }
    } else {
        if (!f.bestClass) return plan;
        const double PW = f.nominalWidth;
        const double PH = f.nominalHeight;
        if ((PH - f.fittedHeight) >= (PW - f.fittedWidth)) {
            hx = (iw - (PW / PH) * ih + 1) / 2;
            chosen = hx;
        } else {
            vy = (ih - (PH / PW) * iw + 1) / 2;
            chosen = vy;
        }
    }
    if (!(chosen > 0)) return plan;

    cutAxis(iw, truncAmount(hx), sws.left, sws.right, plan.left, plan.right);
    cutAxis(ih, truncAmount(vy), sws.top, sws.bottom, plan.top, plan.bottom);
    plan.crop = true;
    return plan;
}

PhotoFitPlan planPhotoFit(int iw, int ih, int sw, int sh, const SlotFitContext& slot,
                          const CropSwitches& switches) {
    PhotoFitPlan p;
    p.rotate = shouldRotate(iw, ih, sw, sh, slot.disc);
    p.width = p.rotate ? ih : iw;
    p.height = p.rotate ? iw : ih;
    p.crop = planCrop(p.width, p.height, sw, sh, slot, switches);
    return p;
}

FaceBox turnedFaceBox(const FaceBox& b, int width, int /*height*/) {
    // Turned counter-clockwise, photo pixel (x, y) lands at (y, width - 1 - x).
    return FaceBox{b.y, width - b.x - b.width, b.height, b.width};
}

namespace {

struct Span {
    long from = 0;
    long to = 0;  // exclusive
    long length() const { return to - from; }
};

// A face with room for the hair above it and the chin below, in the photo as loaded.
FaceBox withRoom(const FaceBox& f) {
    return FaceBox{f.x - f.width / 5, f.y - f.height / 2, f.width + 2 * (f.width / 5),
                   f.height + f.height / 2 + f.height * 3 / 10};
}

FaceBox unite(const std::vector<FaceBox>& faces) {
    int l = faces.front().x, t = faces.front().y;
    int r = l + faces.front().width, b = t + faces.front().height;
    for (const FaceBox& f : faces) {
        l = std::min(l, f.x);
        t = std::min(t, f.y);
        r = std::max(r, f.x + f.width);
        b = std::max(b, f.y + f.height);
    }
    return FaceBox{l, t, r - l, b - t};
}

// Slides the window [from, to) of an axis of length n to hold the first candidate
// span that fits into it; a window holding it already stays.
void placeWindow(long n, long& from, long& to, const std::vector<Span>& candidates) {
    const long size = to - from;
    if (size <= 0 || size >= n || candidates.empty()) return;
    long start = from;
    const Span* fits = nullptr;
    for (const Span& c : candidates)
        if (c.length() <= size) {
            fits = &c;
            break;
        }
    if (fits) {
        if (fits->from < from)
            start = fits->from;
        else if (fits->to > to)
            start = fits->to - size;
    } else {
        // Even the largest face is larger than the window: its middle is shown.
        const Span& face = candidates.back();
        start = (face.from + face.to) / 2 - size / 2;
    }
    start = std::clamp(start, 0L, n - size);
    from = start;
    to = start + size;
}

}  // namespace

CropPlan keepFacesInCrop(const CropPlan& plan, int width, int height, bool turned,
                         const std::vector<FaceBox>& faces) {
    if (!plan.crop || width <= 0 || height <= 0) return plan;
    // Only the parts of faces inside the photo count.
    std::vector<FaceBox> inside;
    for (const FaceBox& f : faces) {
        const long l = std::max(f.x, 0), t = std::max(f.y, 0);
        const long r = std::min(long(f.x) + f.width, long(width));
        const long b = std::min(long(f.y) + f.height, long(height));
        if (r > l && b > t) inside.push_back(FaceBox{int(l), int(t), int(r - l), int(b - t)});
    }
    if (inside.empty()) return plan;
    const FaceBox* largest = &inside.front();
    for (const FaceBox& f : inside)
        if (long(f.width) * f.height > long(largest->width) * largest->height) largest = &f;
    std::vector<FaceBox> roomy;
    for (const FaceBox& f : inside) roomy.push_back(withRoom(f));
    // In order of preference; the last is the face the window centres on when none
    // fits. The room above and below a face is given upright, before the turn.
    const FaceBox candidates[] = {unite(roomy), unite(inside), withRoom(*largest), *largest};

    const int cutWidth = turned ? height : width;
    const int cutHeight = turned ? width : height;
    std::vector<Span> across, down;
    for (const FaceBox& upright : candidates) {
        const FaceBox c = turned ? turnedFaceBox(upright, width, height) : upright;
        across.push_back(Span{std::max(0, c.x), std::min(long(c.x) + c.width, long(cutWidth))});
        down.push_back(Span{std::max(0, c.y), std::min(long(c.y) + c.height, long(cutHeight))});
    }
    CropPlan moved = plan;
    placeWindow(cutWidth, moved.left, moved.right, across);
    placeWindow(cutHeight, moved.top, moved.bottom, down);
    return moved;
}

PhotoFitPlan planPhotoFitAroundFaces(int iw, int ih, int sw, int sh, const SlotFitContext& slot,
                                     const CropSwitches& switches, const std::vector<FaceBox>& faces) {
    PhotoFitPlan p = planPhotoFit(iw, ih, sw, sh, slot, switches);
    if (!faces.empty()) p.crop = keepFacesInCrop(p.crop, iw, ih, p.rotate, faces);
    return p;
}

QString cropStatusText(int loaded, int slotCount, const QString& fileName, const CropPlan& plan) {
    return QString::asprintf(
        QCoreApplication::translate("Status",
                                    "Loading photo (%d of %d) - %s (%.1f fit) -> cropped to %ld %ld %ld %ld")
            .toUtf8()
            .constData(),
        loaded, slotCount, fileName.toUtf8().constData(), plan.fit.bestCoverage, plan.left, plan.right,
        plan.top, plan.bottom);
}

QString transformationSummary(bool rotated, bool cropped, double deficit, bool framed) {
    QString text;
    if (rotated) text = QCoreApplication::translate("Status", "[rotated]");
    if (cropped) text += QCoreApplication::translate("Status", "[cropped]");
    if (framed) text += QCoreApplication::translate("Status", "[framed]");
    if (deficit > 0)
        text += QString::asprintf(
            QCoreApplication::translate("Status", "[stretched by %.1f%%]").toUtf8().constData(), deficit);
    else
        text += QString::asprintf(
            QCoreApplication::translate("Status", "[compressed by %.1f%%]").toUtf8().constData(),
            std::fabs(deficit));
    return text;
}
