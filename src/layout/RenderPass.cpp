#include "layout/RenderPass.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/AppServices.h"
#include "core/AppSettings.h"
#include "core/Seams.h"
#include "image/CxImage.h"
#include "image/PhotoFilters.h"
#include "image/PhotoImage.h"
#include "imagelist/ImageList.h"
#include "layout/Canvas.h"
#include "layout/CutMarks.h"
#include "layout/Decorations.h"
#include "layout/FaceFinder.h"
#include "layout/PageFonts.h"

const char* const kLampDarkGreen = "LED_DKGRN";
const char* const kLampLightGreen = "LED_LTGRN";
const char* const kLampYellow = "LED_YELLOW";
const char* const kLampRed = "LED_RED";
const char* const kLampGray = "LED_GRAY";

namespace {

// Whole pixels of the photo border: trunc(resolution x inches), where a product a
// hair below a whole pixel (300 x 0.07 read back as 20.999999999999996) counts as it.
int borderPixels(int resolution, double inches) {
    const double v = resolution * inches;
    if (!std::isfinite(v) || v <= 0) return 0;
    if (v >= double(INT_MAX / 2)) return INT_MAX / 2;
    return int(v + 1e-6);
}

QRect toQRect(const PixelRect& r) {
    return QRect(r.left, r.top, r.width(), r.height());
}

// Moves to the top-left corner and draws to the other three and back.
void outlineRect(QPainter& painter, const PixelRect& r) {
    const QPoint corners[5] = {
        {r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}, {r.left, r.top}};
    painter.drawPolyline(corners, 5);
}

}  // namespace

void SlotTable::reset() {
    // The list index is cleared too: a slot left white on this page must not show
    // the photo number of whatever stood in it on the page before.
    records_.fill(SlotRecord{});
}

SlotRecord* SlotTable::at(int slot) {
    return slot >= 0 && slot < kRecords ? &records_[std::size_t(slot)] : nullptr;
}

const SlotRecord* SlotTable::at(int slot) const {
    return slot >= 0 && slot < kRecords ? &records_[std::size_t(slot)] : nullptr;
}

double resolutionDeficit(int fw, int fh, int sw, int sh) {
    const double slotArea = double(sw) * double(sh);
    if (!(slotArea > 0)) return 0;
    return 100 - (double(fw) * double(fh)) / slotArea * 100;
}

bool isLowResolution(int fw, int fh, int sw, int sh) {
    if (sw <= 0 || sh <= 0) return false;
    // deficit > 10  <=>  fitted area < 90 % of the slot's area.
    const long double fitted = static_cast<long double>(fw) * fh;
    const long double slot = static_cast<long double>(sw) * sh;
    return fitted * 10 < slot * 9;
}

QString renderWindowTitle(double tw, double th, int cw, int ch, int resolution) {
    return QStringLiteral("Snapvale ") + versionLine() +
           QString::asprintf(
               QCoreApplication::translate(
                   "Status", " - Template Size ->  %.2f in x  %.2f in: (%d x %d) -> resolution [%d DPI]")
                   .toUtf8()
                   .constData(),
               tw, th, cw, ch, resolution);
}

namespace {

// Mirrors PhotoImage::DrawSmooth's choice: these sizes take the plain stretch.
constexpr std::int64_t kSmoothPixelLimit = 786432;
constexpr int kSmoothEdge = 600;

// The source cell under the centre of output cell i when n cells map onto m.
inline int nearestSource(std::int64_t i, std::int64_t n, std::int64_t m) {
    return int(std::min<std::int64_t>(n - 1, ((2 * i + 1) * n) / (2 * m)));
}

// A 24-bit photo as the slot sees it: turned a quarter counter-clockwise or not, then
// cut to (left, top, width, height) in the turned photo's display coordinates.
struct PhotoView {
    const CxImage* raster = nullptr;
    bool turned = false;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The canvas picture under the painter, when pixels can be written straight into it.
QImage* directTarget(QPainter& painter) {
    QPaintDevice* device = painter.device();
    if (!device || device->devType() != QInternal::Image) return nullptr;
    if (painter.worldTransform().type() != QTransform::TxNone || painter.hasClipping()) return nullptr;
    QImage* image = static_cast<QImage*>(device);
    const QImage::Format f = image->format();
    if (f != QImage::Format_RGB32 && f != QImage::Format_ARGB32 && f != QImage::Format_ARGB32_Premultiplied)
        return nullptr;
    return image;
}

// The view stretched into dest (rows and columns picked, never blended) exactly as
// the plain stretch draws a turned and cut copy, without making that copy: a 24-MP
// photo is read where it lies. Output rows are written whole; a turned view reads a
// source column per output row, whose cache lines the next row reuses.
void stretchView(QImage& target, const PhotoView& v, const QRect& dest) {
    const QRect visible = dest & target.rect();
    if (visible.isEmpty()) return;
    const CxImage& src = *v.raster;
    const int W = src.GetWidth(), H = src.GetHeight();
    std::vector<int> cols(std::size_t(visible.width()));
    for (int i = 0; i < visible.width(); ++i)
        cols[std::size_t(i)] = v.left + nearestSource(visible.x() - dest.x() + i, v.width, dest.width());
    if (!v.turned) {
        for (int r = 0; r < visible.height(); ++r) {
            const int row = v.top + nearestSource(visible.y() - dest.y() + r, v.height, dest.height());
            const std::uint8_t* s = src.GetBits(H - 1 - row);
            QRgb* d = reinterpret_cast<QRgb*>(target.scanLine(visible.y() + r)) + visible.x();
            for (std::size_t i = 0; i < cols.size(); ++i) {
                const std::uint8_t* p = s + 3 * std::size_t(cols[i]);
                d[i] = qRgb(p[2], p[1], p[0]);
            }
        }
        return;
    }
    // Turned counter-clockwise, display (x, y) of the turned photo is DIB pixel
    // (W - 1 - y, H - 1 - x) of the photo as loaded.
    std::vector<const std::uint8_t*> rows(cols.size());
    for (std::size_t i = 0; i < cols.size(); ++i) rows[i] = src.GetBits(H - 1 - cols[i]);
    for (int r = 0; r < visible.height(); ++r) {
        const int y = v.top + nearestSource(visible.y() - dest.y() + r, v.height, dest.height());
        const std::size_t at = 3 * std::size_t(W - 1 - y);
        QRgb* d = reinterpret_cast<QRgb*>(target.scanLine(visible.y() + r)) + visible.x();
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const std::uint8_t* p = rows[i] + at;
            d[i] = qRgb(p[2], p[1], p[0]);
        }
    }
}

// Whether the turn and cut can be drawn straight from the loaded photo into `at`
// with the same result as turning, cutting and drawing a copy: a 24-bit photo, a
// canvas picture under the painter, and a size that takes the plain stretch.
bool drawsDirect(QPainter& painter, const PhotoView& v, const QRect& at) {
    if (!v.raster || v.raster->GetBpp() != 24 || v.width <= 0 || v.height <= 0) return false;
    if (!directTarget(painter)) return false;
    if (at.isEmpty()) return true;
    return (at.height() >= kSmoothEdge && at.width() >= kSmoothEdge) ||
           std::int64_t(v.width) * v.height <= kSmoothPixelLimit || v.width < 2 || v.height < 2;
}

// Smallest n with n * d >= v, for positive d.
inline int ceilDiv(int v, int d) {
    return int((std::int64_t(v) + d - 1) / d);
}

// Draws a raster photo whose full size is fullWidth x fullHeight and which holds
// 1/scale of it. Every figure comes from the full size; the reduced pixels are only
// read for drawing, with the full-resolution cut mapped onto them.
// A framed photo covers the inner rectangle: the automatic turn plus the framing's
// turns, and the part of the photo the framing shows, stretched over the slot.
SlotDrawing drawFramedInSlot(QPainter& painter, const CxImage& raster, int fullWidth, int fullHeight,
                             const QRect& inner, const SlotFitContext& fit, const Framing& framing) {
    SlotDrawing d;
    d.photoWidth = fullWidth;
    d.photoHeight = fullHeight;
    d.framed = true;
    const int turns = framedTurns(
        shouldRotate(fullWidth, fullHeight, inner.width(), inner.height(), fit.disc), framing.turns);
    d.rotated = turns != 0;
    int tw = 0, th = 0;
    turnedSize(fullWidth, fullHeight, turns, tw, th);
    const FramedRegion region = framedRegion(tw, th, inner.width(), inner.height(), framing);
    d.fittedWidth = region.isEmpty() ? 0 : std::max(1, int(std::lround(region.width)));
    d.fittedHeight = region.isEmpty() ? 0 : std::max(1, int(std::lround(region.height)));
    if (inner.isEmpty() || region.isEmpty()) return d;

    QImage converted;
    FramingSource source = FramingSource::fromRaster(raster);
    if (!source.row) {
        converted = raster.ToBitmap().convertToFormat(QImage::Format_RGB32);
        source = FramingSource::fromImage(converted);
    }
    if (QImage* target = directTarget(painter)) {
        drawFramedRegion(*target, inner, source, fullWidth, fullHeight, turns, region);
    } else {
        QImage slot(inner.size(), QImage::Format_RGB32);
        if (slot.isNull()) return d;
        drawFramedRegion(slot, slot.rect(), source, fullWidth, fullHeight, turns, region);
        painter.drawImage(inner.topLeft(), slot);
    }
    return d;
}

SlotDrawing drawRasterInSlot(QPainter& painter, PhotoImage& photo, int fullWidth, int fullHeight, int scale,
                             const QRect& inner, const SlotFitContext& fit, const AppSettings& settings,
                             const std::vector<FaceBox>& faces,
                             const std::function<void(const CropPlan&)>& onCropped, const Framing* framing) {
    SlotDrawing d;
    d.photoWidth = fullWidth;
    d.photoHeight = fullHeight;
    CxImage* raster = photo.Raster();
    ApplyPhotoFilters(photo, photoFilterSet(settings));
    // A framing made by hand wins over the automatic crop and the faces.
    if (framing) return drawFramedInSlot(painter, *raster, fullWidth, fullHeight, inner, fit, *framing);
    const PhotoFitPlan plan = planPhotoFitAroundFaces(fullWidth, fullHeight, inner.width(), inner.height(),
                                                      fit, CropSwitches::fromSettings(settings), faces);
    const ShownRegion shown = shownRegion(plan);

    // The shown part in the pixels the photo holds.
    PhotoView view;
    view.raster = raster;
    view.turned = plan.rotate;
    if (scale <= 1) {
        view.left = shown.left;
        view.top = shown.top;
        view.width = shown.width;
        view.height = shown.height;
    } else {
        const int heldWidth = plan.rotate ? raster->GetHeight() : raster->GetWidth();
        const int heldHeight = plan.rotate ? raster->GetWidth() : raster->GetHeight();
        view.left = std::min(shown.left / scale, heldWidth - 1);
        view.top = std::min(shown.top / scale, heldHeight - 1);
        view.width = std::max(1, std::min(ceilDiv(shown.left + shown.width, scale), heldWidth) - view.left);
        view.height = std::max(1, std::min(ceilDiv(shown.top + shown.height, scale), heldHeight) - view.top);
    }
    // Placed by the full-resolution shape, so a reduced decode lands on the same pixels.
    const QRect at = PhotoImage::FitRect(inner, shown.width, shown.height, true).translated(inner.topLeft());

    // First try the turn and the cut as a view of the photo where it lies.
    if (drawsDirect(painter, view, at)) {
        d.rotated = plan.rotate;
        if (shown.cut) {
            d.cropped = true;
            d.crop = plan.crop;
            if (onCropped) onCropped(plan.crop);
        }
        if (!at.isEmpty()) stretchView(*directTarget(painter), view, at);
        d.fittedWidth = shown.width;
        d.fittedHeight = shown.height;
        return d;
    }

    // A turn that cannot be made (no memory for the turned copy) leaves the photo as
    // it is; its cut was planned for the turned shape, so none is made either.
    bool turnedAsPlanned = true;
    if (plan.rotate) {
        d.rotated = raster->RotateCounterClockwise();
        turnedAsPlanned = d.rotated;
    }
    const bool cut = scale <= 1 ? plan.crop.crop : shown.cut;
    if (turnedAsPlanned && cut) {
        const bool made =
            scale <= 1 ? raster->CropTo(plan.crop.left, plan.crop.top, plan.crop.right, plan.crop.bottom)
                       : raster->CropTo(view.left, view.top, view.left + view.width, view.top + view.height);
        if (made) {
            d.cropped = true;
            d.crop = plan.crop;
            if (onCropped) onCropped(plan.crop);
        }
    }
    if (scale <= 1) {
        photo.DrawFitted(&painter, inner);
        photo.GetPixelSize(d.fittedWidth, d.fittedHeight);
        return d;
    }
    if (turnedAsPlanned) {
        if (!at.isEmpty())
            photo.DrawSmooth(&painter, at.x(), at.y(), at.x() + at.width(), at.y() + at.height());
        d.fittedWidth = shown.width;
        d.fittedHeight = shown.height;
    } else {
        photo.DrawFitted(&painter, inner);
        d.fittedWidth = fullWidth;
        d.fittedHeight = fullHeight;
    }
    return d;
}

}  // namespace

SlotDrawing DrawPhotoInSlot(QPainter& painter, PhotoImage& photo, const QRect& inner,
                            const SlotFitContext& fit, const AppSettings& settings,
                            const std::function<void(const CropPlan&)>& onCropped, const Framing* framing) {
    if (const CxImage* raster = photo.Raster())
        return drawRasterInSlot(painter, photo, raster->GetWidth(), raster->GetHeight(), 1, inner, fit,
                                settings, {}, onCropped, framing);
    SlotDrawing d;
    photo.GetPixelSize(d.photoWidth, d.photoHeight);
    if (!inner.isEmpty()) photo.DrawFitted(&painter, inner);
    photo.GetPixelSize(d.fittedWidth, d.fittedHeight);
    return d;
}

SlotDrawing DrawSuppliedPhotoInSlot(QPainter& painter, SuppliedPhoto& supplied, const QRect& inner,
                                    const SlotFitContext& fit, const AppSettings& settings,
                                    const std::function<void(const CropPlan&)>& onCropped,
                                    const Framing* framing) {
    if (!supplied.photo) return SlotDrawing{};
    if (const CxImage* raster = supplied.photo->Raster()) {
        if (supplied.scale > 1)
            return drawRasterInSlot(painter, *supplied.photo, supplied.fullWidth, supplied.fullHeight,
                                    supplied.scale, inner, fit, settings, supplied.faces, onCropped, framing);
        return drawRasterInSlot(painter, *supplied.photo, raster->GetWidth(), raster->GetHeight(), 1, inner,
                                fit, settings, supplied.faces, onCropped, framing);
    }
    return DrawPhotoInSlot(painter, *supplied.photo, inner, fit, settings, onCropped, framing);
}

RenderPass::RenderPass(AppSettings& settings, ImageList& list, StatusSink* status, Notifier* notifier)
    : settings_(settings), list_(list), status_(status), notifier_(notifier) {}

void RenderPass::setIndicator(const char* name) {
    if (status_) status_->setIndicator(QString::fromLatin1(name));
}

void RenderPass::countSlot() {
    ++loaded_;
    if (status_ && slotCount_ > 0) status_->setProgress(int(std::int64_t(loaded_) * 100 / slotCount_));
}

void RenderPass::advanceList() {
    if (!settings_.UseSingleImage) list_.takeNext();
}

DecodeTarget RenderPass::decodeTarget(const PhotoTarget& target, const std::optional<SlotFitContext>& fit,
                                      bool framed) const {
    DecodeTarget t;
    t.target = target;
    t.slotFit = fit;
    t.crop = CropSwitches::fromSettings(settings_);
    // A framed photo may be zoomed into a small part of itself, which the scale
    // choice does not foresee: it is decoded whole.
    t.reducedAllowed = reducedDecoding_ && !framed && !filtersNeedFullResolution(settings_);
    // Faces only move the automatic crop, which a framing made by hand replaces.
    if (fit && !framed && settings_.KeepFacesInFrame && settings_.AutoCropOn)
        t.faces = faceSource_ ? faceSource_ : &FaceFinder::shared();
    return t;
}

const Framing* RenderPass::handFraming(const QString& fileName) const {
    if (!framings_ || framings_->isEmpty()) return nullptr;
    // The photo being drawn is the list's current one, at its own place.
    const int place =
        ImageList::samePath(list_.currentPhoto, fileName) ? currentPlace(list_) : list_.indexOf(fileName);
    return framings_->find(place, fileName);
}

void RenderPass::startSupply(const std::vector<DecodeTarget>& perFrame) {
    // The file of each frame, found by walking a copy of the list as the frames will:
    // names of three characters or fewer load nothing and are left out.
    std::vector<PhotoSupply::Job> jobs;
    if (!settings_.PhotoGridOnly) {
        ImageList walk = list_;
        for (const DecodeTarget& target : perFrame) {
            if (walk.currentPhoto.size() > 3) {
                DecodeTarget t = target;
                if (t.slotFit && framings_ && framings_->find(currentPlace(walk), walk.currentPhoto)) {
                    t.reducedAllowed = false;
                    t.faces = nullptr;
                }
                jobs.push_back({walk.currentPhoto, t});
            }
            if (!settings_.UseSingleImage) walk.takeNext();
        }
    }
    supply_.start(std::move(jobs));
}

void RenderPass::announcePhotoTargets(const std::vector<PhotoTarget>& frames) {
    std::vector<DecodeTarget> perFrame;
    perFrame.reserve(frames.size());
    for (const PhotoTarget& target : frames) perFrame.push_back(decodeTarget(target, std::nullopt));
    startSupply(perFrame);
}

void RenderPass::announceSlots(const PagePlan& plan) {
    std::vector<DecodeTarget> perSlot;
    for (const PlacedSlot& slot : plan.slots) {
        if (slot.outlineOnly) continue;
        const QRect inner = innerRect(slot);
        perSlot.push_back(
            decodeTarget(PhotoTarget{inner.width(), inner.height(), true},
                         SlotFitContext::forSlot(slot, settings_.UserWidth, settings_.UserHeight)));
    }
    startSupply(perSlot);
}

SuppliedPhoto RenderPass::supplyPhoto(const QString& fileName, const DecodeTarget& target) {
    SuppliedPhoto supplied;
    if (supply_.active() && supply_.nextIs(fileName, target.target)) {
        supplied = supply_.take();
    } else {
        // The page went otherwise than foreseen: what is left loads as it is drawn.
        supply_.stop();
        supplied = PhotoSupply::load(PhotoSupply::Job{fileName, target});
    }
    if (supplied.scale > 1) ++reducedPhotos_;
    return supplied;
}

SuppliedPhoto RenderPass::takePhoto(const QString& fileName, const PhotoTarget& target) {
    return supplyPhoto(fileName, decodeTarget(target, std::nullopt));
}

QRect RenderPass::innerRect(const PlacedSlot& slot) const {
    const int b = borderPixels(settings_.PageResolution, settings_.PhotoBorder);
    return QRect(slot.rect.left + b, slot.rect.top + b, slot.rect.width() - 2 * b,
                 slot.rect.height() - 2 * b);
}

void RenderPass::preparePage(const QSize& canvasSize) {
    supply_.stop();
    // The list stands on a photo it holds before the frames are walked for decoding.
    list_.beginPage();
    PlacementContext context = PlacementContext::fromSettings(settings_);
    context.canvasWidth = canvasSize.width();
    context.canvasHeight = canvasSize.height();
    preparedPlan_ = planPage(context);
    preparedSize_ = canvasSize;
    // Index sheets announce their frames themselves once they have laid them out.
    if (!preparedPlan_->indexSheet) announceSlots(*preparedPlan_);
}

void RenderPass::dropPreparedPage() {
    supply_.stop();
    preparedPlan_.reset();
}

bool RenderPass::renderPage(Canvas& canvas, KeptPage& keptPage) {
    AppSettings& s = settings_;
    if (!preparedPlan_ || preparedSize_ != QSize(canvas.width(), canvas.height()))
        preparePage(QSize(canvas.width(), canvas.height()));
    const PagePlan plan = std::move(*preparedPlan_);
    preparedPlan_.reset();
    if (status_) {
        status_->setWindowTitle(renderWindowTitle(s.MaxTemplateWidthIn, s.MaxTemplateHeightIn, canvas.width(),
                                                  canvas.height(), s.PageResolution));
        status_->setProgress(0);
    }
    setIndicator(kLampDarkGreen);
    redSeen_ = yellowSeen_ = false;
    indexSheetMode_ = indexSheetMissing_ = false;
    firstFile_.clear();

    QPainter& painter = canvas.painter();
    painter.fillRect(canvas.rect(), Qt::white);
    records_.reset();

    painter.save();
    QPen layoutPen(toQColor(s.LayoutGridColor), 1, Qt::DashDotDotLine);
    layoutPen.setCosmetic(true);
    painter.setPen(layoutPen);
    painter.setBrush(Qt::NoBrush);

    loaded_ = 0;
    reducedPhotos_ = 0;

    if (plan.fullPage) {
        // A selection that names no template places nothing and counts no photos.
        slotCount_ = plan.placed ? plan.slotCount : 0;
        if (plan.placed && status_) status_->setPaneText(2, loadingTemplateText(slotCount_));
    } else {
        slotCount_ = halfPageStyleSlotCount(s.TopPageStyle) + halfPageStyleSlotCount(s.BottomPageStyle);
        if (status_) status_->setPaneText(2, loadingTemplateText(slotCount_));
    }
    pageTitle_ = plan.title;
    layoutText_ = plan.layoutText;

    if (plan.indexSheet) {
        indexSheetMode_ = true;
        const Template* tpl = findFullPageTemplate(s.FullPageTemplateSel);
        if (indexSheets_ && tpl) {
            painter.restore();
            painter.save();
            indexSheets_->drawSheet(*this, canvas, *tpl, *plan.indexSheet);
        } else {
            indexSheetMissing_ = true;
        }
    } else {
        placeSlots(canvas, plan);
        if (s.CutMarks) drawCutMarks(painter, cutMarksForPlan(plan, canvas.rect(), s.PageResolution));
    }
    // Photos foreseen but never drawn (a drawer that stopped early) are dropped here:
    // no decoding outlives the pass.
    supply_.stop();
    painter.restore();

    CxImage page;
    const bool kept = canvas.makeKeptPage(page, s.PageResolution);
    if (kept) {
        if (s.GrayscalePhotos) GrayCanvas(nullptr, page);
        keptPage.image = std::move(page);
        keptPage.resolution = s.PageResolution;
        keptPage.sizes = PaperSizes::fromSettings(s);
        keptPage.borderless = isBorderlessTemplate(s.FullPageTemplateSel);
    }
    finishStatus();
    if (!kept) {
        reportBitmapMemoryError(status_, notifier_);
        return false;
    }
    return true;
}

void RenderPass::placeSlots(Canvas& canvas, const PagePlan& plan) {
    QPainter& painter = canvas.painter();
    for (const PlacedSlot& slot : plan.slots) {
        if (slot.drawOutline) outlineRect(painter, slot.rect);
        if (slot.outlineOnly) continue;
        if (slot.resolutionText)
            DrawPageResolutionText(painter, canvas.width(), toQRect(slot.rect), slot.mirrored, slot.title,
                                   settings_);
        fillSlot(canvas, slot, list_.currentPhoto);
    }
}

void RenderPass::fillSlot(Canvas& canvas, const PlacedSlot& slot, const QString& fileName) {
    AppSettings& s = settings_;
    QPainter& painter = canvas.painter();
    const QRect inner = innerRect(slot);

    countSlot();

    if (s.PhotoGridOnly) {
        painter.save();
        painter.setFont(defaultTextFont(55));
        painter.setPen(toQColor(s.LayoutGridColor));
        painter.setBackgroundMode(Qt::TransparentMode);
        painter.drawText(inner, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, QString::number(loaded_));
        painter.restore();
        return;
    }

    SlotRecord* record = records_.at(loaded_);
    if (record) record->fileName = fileName;

    if (fileName.size() > 3) {
        if (status_)
            status_->setPaneText(
                0, QString::asprintf(QCoreApplication::translate("Status", "Loading photo (%d of %d) - %s")
                                         .toUtf8()
                                         .constData(),
                                     loaded_, slotCount_, fileName.toUtf8().constData()));
        const SlotFitContext fit = SlotFitContext::forSlot(slot, s.UserWidth, s.UserHeight);
        const Framing* framing = handFraming(fileName);
        SuppliedPhoto supplied = supplyPhoto(
            fileName,
            decodeTarget(PhotoTarget{inner.width(), inner.height(), true}, fit, framing != nullptr));
        if (!supplied.photo) {
            setIndicator(kLampRed);
            redSeen_ = true;
            if (record) {
                record->failed = 1;
                record->listIndex = list_.indexOf(fileName);
            }
            if (!inner.isEmpty()) drawPlaceholder(painter, inner);
        } else {
            setIndicator(kLampLightGreen);
            const int pw = supplied.fullWidth, ph = supplied.fullHeight;
            if (record) {
                record->photoWidth = pw;
                record->photoHeight = ph;
                record->sizeText = QString::asprintf("[%d x %d]", pw, ph);
                record->listIndex = list_.indexOf(fileName);
                record->slotWidth = inner.width();
                record->slotHeight = inner.height();
                record->rect = inner;
                record->place = ImageList::samePath(list_.currentPhoto, fileName) ? currentPlace(list_)
                                                                                  : record->listIndex;
                record->autoRotate = shouldRotate(pw, ph, inner.width(), inner.height(), fit.disc) ? 1 : 0;
            }
            const SlotDrawing d = DrawSuppliedPhotoInSlot(
                painter, supplied, inner, fit, s,
                [&](const CropPlan& crop) {
                    if (status_) status_->setPaneText(0, cropStatusText(loaded_, slotCount_, fileName, crop));
                },
                framing);
            const bool low = isLowResolution(d.fittedWidth, d.fittedHeight, inner.width(), inner.height());
            if (record) {
                record->rotated = d.rotated ? 1 : 0;
                record->cropped = d.cropped ? 1 : 0;
                record->framed = d.framed ? 1 : 0;
                record->fittedWidth = d.fittedWidth;
                record->fittedHeight = d.fittedHeight;
                record->resolutionDeficit =
                    resolutionDeficit(d.fittedWidth, d.fittedHeight, inner.width(), inner.height());
                record->lowResolution = low ? 1 : 0;
            }
            if (low) {
                setIndicator(kLampYellow);
                yellowSeen_ = true;
            } else {
                setIndicator(kLampDarkGreen);
            }
            if (s.UseTextLogo || s.UseImageLogo) {
                // The corner follows the photo's turn: the watermark stays in the corner
                // the person chose, as seen on the printed photo.
                AppSettings decor = s;
                if (d.rotated) decor.LogoLocation = turnedLogoLocation(decor.LogoLocation);
                painter.save();
                DecorateSlot(painter, inner, d.rotated, decor, false);
                painter.restore();
            }
        }
    }

    if (loaded_ == 1) firstFile_ = fileName;
    advanceList();
}

PageReport RenderPass::report() const {
    PageReport r;
    r.slots = records_;
    r.loaded = loaded_;
    r.slotCount = slotCount_;
    r.lamp = QString::fromLatin1(indexSheetMissing_ ? kLampGray
                                 : redSeen_         ? kLampRed
                                 : yellowSeen_      ? kLampYellow
                                                    : kLampDarkGreen);
    r.title = pageTitle_;
    r.layoutText = layoutText_;
    const SlotRecord* first = records_.at(1);
    const SlotRecord* last = records_.at(loaded_);
    r.firstIndex = first ? first->listIndex : 0;
    r.lastIndex = last ? last->listIndex : 0;
    r.firstFile = firstFile_;
    r.indexSheet = indexSheetMode_;
    return r;
}

void RenderPass::finishStatus() {
    const AppSettings& s = settings_;
    if (!status_) return;
    const PageReport r = report();
    status_->setProgress(0);
    status_->setPaneText(2, layoutDisplayText(layoutText_));
    if (indexSheetMissing_) {
        status_->setPaneText(
            0, QCoreApplication::translate(
                   "Status", "Index sheets cannot be drawn yet: the page of \"%1\" is left blank.")
                   .arg(s.FullPageTemplateSel));
        status_->setIndicator(r.lamp);
    } else {
        const int firstIndex = r.firstIndex;
        const int lastIndex = r.lastIndex;
        if (!s.ImportedAlbum.isEmpty())
            status_->setPaneText(
                0,
                QString::asprintf(
                    QCoreApplication::translate("Status", "%d photos loaded (%d - %d) from photo album: %s")
                        .toUtf8()
                        .constData(),
                    slotCount_, firstIndex, lastIndex, s.ImportedAlbum.toUtf8().constData()));
        else
            status_->setPaneText(
                0, QString::asprintf(
                       QCoreApplication::translate("Status", "%d photos loaded (%d - %d) from disk: %s")
                           .toUtf8()
                           .constData(),
                       slotCount_, firstIndex, lastIndex, s.BitmapPath.toUtf8().constData()));
        status_->setIndicator(r.lamp);
    }
    if (isFullPage(s.FullPageTemplateSel))
        status_->setPaneText(
            1, QString::asprintf(QCoreApplication::translate(
                                     "Status", "     Full Page Template -> Paper (%.02f x %.02f in)")
                                     .toUtf8()
                                     .constData(),
                                 s.MaxPageWidthIn, s.MaxPageHeightIn));
    else
        status_->setPaneText(
            1, QString::asprintf(QCoreApplication::translate(
                                     "Status", "     Half Page Templates ->Paper (%.02f x %.02f in)")
                                     .toUtf8()
                                     .constData(),
                                 s.MaxPageWidthIn, s.MaxPageHeightIn));
}

PagePaintResult PaintPage(RenderPass& pass, KeptPage& keptPage, QImage* emptyPage) {
    const AppSettings& s = pass.settings();
    const bool photos = !pass.imageList().isEmpty();
    const QSize size(s.CanvasWidth, s.CanvasHeight);
    // The photos start decoding before the canvas is made; the pass clears it itself.
    if (photos && Canvas::sizeAllowed(size.width(), size.height())) pass.preparePage(size);
    Canvas canvas;
    if (!canvas.create(size.width(), size.height(), photos ? Canvas::Fill::Uncleared : Canvas::Fill::White)) {
        pass.dropPreparedPage();
        reportBitmapMemoryError(pass.status(), pass.notifier());
        return PagePaintResult::MemoryError;
    }
    if (photos)
        return pass.renderPage(canvas, keptPage) ? PagePaintResult::Rendered : PagePaintResult::MemoryError;
    paintEmptyListPage(canvas);
    if (emptyPage) *emptyPage = canvas.takeImage();
    if (pass.status()) pass.status()->setPaneText(0, QString());
    return PagePaintResult::EmptyList;
}
