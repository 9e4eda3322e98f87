#include "layout/RenderPass.h"

#include <QPainter>
#include <QPen>
#include <climits>
#include <cmath>
#include <cstdint>

#include "app/AppServices.h"
#include "app/AppSettings.h"
#include "app/Seams.h"
#include "image/CxImage.h"
#include "image/PhotoFilters.h"
#include "image/PhotoImage.h"
#include "imagelist/ImageList.h"
#include "layout/Canvas.h"
#include "layout/Decorations.h"
#include "layout/PageFonts.h"

const char* const kLampDarkGreen = "LED_DKGRN";
const char* const kLampLightGreen = "LED_LTGRN";
const char* const kLampYellow = "LED_YELLOW";
const char* const kLampRed = "LED_RED";
const char* const kLampGray = "LED_GRAY";

namespace {

QColor toQColor(ColorRef c) {
    return QColor(colorRed(c), colorGreen(c), colorBlue(c));
}

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
           QString::asprintf(" - Template Size ->  %.2f in x  %.2f in: (%d x %d) -> resolution [%d DPI]", tw,
                             th, cw, ch, resolution);
}

SlotDrawing DrawPhotoInSlot(QPainter& painter, PhotoImage& photo, const QRect& inner,
                            const SlotFitContext& fit, const AppSettings& settings,
                            const std::function<void(const CropPlan&)>& onCropped) {
    SlotDrawing d;
    photo.GetPixelSize(d.photoWidth, d.photoHeight);
    if (CxImage* raster = photo.Raster()) {
        ApplyPhotoFilters(photo, settings);
        int w = raster->GetWidth(), h = raster->GetHeight();
        const PhotoFitPlan plan =
            planPhotoFit(w, h, inner.width(), inner.height(), fit, CropSwitches::fromSettings(settings));
        // A turn that cannot be made (no memory for the turned copy) leaves the photo
        // as it is; its crop was planned for the turned shape, so none is made either.
        bool turnedAsPlanned = true;
        if (plan.rotate) {
            d.rotated = raster->RotateCounterClockwise();
            turnedAsPlanned = d.rotated;
        }
        if (turnedAsPlanned && plan.crop.crop &&
            raster->CropTo(plan.crop.left, plan.crop.top, plan.crop.right, plan.crop.bottom)) {
            d.cropped = true;
            d.crop = plan.crop;
            if (onCropped) onCropped(plan.crop);
        }
    }
    if (!inner.isEmpty()) photo.DrawFitted(&painter, inner);
    photo.GetPixelSize(d.fittedWidth, d.fittedHeight);
    return d;
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

bool RenderPass::renderPage(Canvas& canvas, CxImage& keptPage) {
    AppSettings& s = settings_;
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

    list_.beginPage();
    loaded_ = 0;

    PlacementContext context = PlacementContext::fromSettings(s);
    context.canvasWidth = canvas.width();
    context.canvasHeight = canvas.height();
    const PagePlan plan = planPage(context);
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
    }
    painter.restore();

    CxImage page;
    const bool kept = canvas.makeKeptPage(page);
    if (kept) {
        if (s.GrayscalePhotos) GrayCanvas(nullptr, page);
        keptPage = std::move(page);
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
    const int b = borderPixels(s.PageResolution, s.PhotoBorder);
    const QRect inner(slot.rect.left + b, slot.rect.top + b, slot.rect.width() - 2 * b,
                      slot.rect.height() - 2 * b);

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
            status_->setPaneText(0, QString::asprintf("Loading photo (%d of %d) - %s", loaded_, slotCount_,
                                                      fileName.toUtf8().constData()));
        PhotoImage photo;
        if (!photo.LoadFile(fileName)) {
            setIndicator(kLampRed);
            redSeen_ = true;
            if (record) {
                record->failed = 1;
                record->listIndex = list_.indexOf(fileName);
            }
            if (!inner.isEmpty()) drawPlaceholder(painter, inner);
        } else {
            setIndicator(kLampLightGreen);
            int pw = 0, ph = 0;
            photo.GetPixelSize(pw, ph);
            if (record) {
                record->photoWidth = pw;
                record->photoHeight = ph;
                record->sizeText = QString::asprintf("[%d x %d]", pw, ph);
                record->listIndex = list_.indexOf(fileName);
                record->slotWidth = inner.width();
                record->slotHeight = inner.height();
            }
            const SlotFitContext fit = SlotFitContext::forSlot(slot, s.UserWidth, s.UserHeight);
            const SlotDrawing d = DrawPhotoInSlot(painter, photo, inner, fit, s, [&](const CropPlan& crop) {
                if (status_) status_->setPaneText(0, cropStatusText(loaded_, slotCount_, fileName, crop));
            });
            const bool low = isLowResolution(d.fittedWidth, d.fittedHeight, inner.width(), inner.height());
            if (record) {
                record->rotated = d.rotated ? 1 : 0;
                record->cropped = d.cropped ? 1 : 0;
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
                if (d.rotated) {
                    static const int turnedCorner[4] = {1, 3, 0, 2};
                    if (decor.LogoLocation >= 0 && decor.LogoLocation < 4)
                        decor.LogoLocation = turnedCorner[decor.LogoLocation];
                }
                painter.save();
                DecorateSlot(painter, inner, d.rotated, decor, false);
                painter.restore();
            }
        }
    }

    if (loaded_ == 1) firstFile_ = fileName;
    advanceList();
}

void RenderPass::finishStatus() {
    const AppSettings& s = settings_;
    if (!status_) return;
    status_->setProgress(0);
    status_->setPaneText(2, layoutText_);
    if (indexSheetMissing_) {
        status_->setPaneText(
            0, QStringLiteral("Index sheets cannot be drawn yet: the page of \"%1\" is left blank.")
                   .arg(s.FullPageTemplateSel));
        status_->setIndicator(QString::fromLatin1(kLampGray));
    } else {
        const SlotRecord* first = records_.at(1);
        const SlotRecord* last = records_.at(loaded_);
        const int firstIndex = first ? first->listIndex : 0;
        const int lastIndex = last ? last->listIndex : 0;
        if (!s.ImportedAlbum.isEmpty())
            status_->setPaneText(
                0, QString::asprintf("%d photos loaded (%d - %d) from photo album: %s", slotCount_,
                                     firstIndex, lastIndex, s.ImportedAlbum.toUtf8().constData()));
        else
            status_->setPaneText(
                0, QString::asprintf("%d photos loaded (%d - %d) from disk: %s", slotCount_, firstIndex,
                                     lastIndex, s.BitmapPath.toUtf8().constData()));
        status_->setIndicator(QString::fromLatin1(redSeen_      ? kLampRed
                                                  : yellowSeen_ ? kLampYellow
                                                                : kLampDarkGreen));
    }
    if (isFullPage(s.FullPageTemplateSel))
        status_->setPaneText(1, QString::asprintf("     Full Page Template -> Paper (%.02f x %.02f in)",
                                                  s.MaxPageWidthIn, s.MaxPageHeightIn));
    else
        status_->setPaneText(1, QString::asprintf("     Half Page Templates ->Paper (%.02f x %.02f in)",
                                                  s.MaxPageWidthIn, s.MaxPageHeightIn));
}

PagePaintResult PaintPage(RenderPass& pass, CxImage& keptPage, QImage* emptyPage) {
    const AppSettings& s = pass.settings();
    Canvas canvas;
    if (!canvas.create(s.CanvasWidth, s.CanvasHeight)) {
        reportBitmapMemoryError(pass.status(), pass.notifier());
        return PagePaintResult::MemoryError;
    }
    if (!pass.imageList().isEmpty())
        return pass.renderPage(canvas, keptPage) ? PagePaintResult::Rendered : PagePaintResult::MemoryError;
    paintEmptyListPage(canvas);
    if (emptyPage) *emptyPage = canvas.image().copy();
    if (pass.status()) pass.status()->setPaneText(0, QString());
    return PagePaintResult::EmptyList;
}
