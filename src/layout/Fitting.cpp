#include "layout/Fitting.h"

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

QString cropStatusText(int loaded, int slotCount, const QString& fileName, const CropPlan& plan) {
    return QString::asprintf("Loading photo (%d of %d) - %s (%.1f fit) -> cropped to %ld %ld %ld %ld", loaded,
                             slotCount, fileName.toUtf8().constData(), plan.fit.bestCoverage, plan.left,
                             plan.right, plan.top, plan.bottom);
}

QString transformationSummary(bool rotated, bool cropped, double deficit, bool framed) {
    QString text;
    if (rotated) text = QStringLiteral("[rotated]");
    if (cropped) text += QStringLiteral("[cropped]");
    if (framed) text += QStringLiteral("[framed]");
    if (deficit > 0)
        text += QString::asprintf("[stretched by %.1f%%]", deficit);
    else
        text += QString::asprintf("[compressed by %.1f%%]", std::fabs(deficit));
    return text;
}
