#pragma once
// The rendering pass: draws one page of the image list onto the canvas. It clears
// the canvas, places the chosen template's slots, and for every slot takes the
// list's current photo, loads, filters, turns, crops and draws it, decorates the
// slot and grades its print resolution. It leaves a slot record table for the slot
// statistics, status texts and a lamp, and the kept page.
//
// The per-slot work on an already loaded photo (DrawPhotoInSlot) is kept apart
// from the loop that walks the slots and the list: the page's photos are decoded
// ahead on a few threads (PhotoSupply) while the drawing, the status texts and the
// list stepping keep their order on the pass's own thread.

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "core/Seams.h"
#include "image/PhotoImage.h"
#include "layout/Fitting.h"
#include "layout/Framing.h"
#include "layout/PhotoSupply.h"
#include "layout/TemplateCatalogue.h"

class Canvas;
class CxImage;
class FaceSource;
struct KeptPage;
class ImageList;
class Notifier;
class PhotoImage;
class QPainter;
class StatusSink;
struct AppSettings;

// What the pass learned about one slot. Fields in the order the statistics read them.
struct SlotRecord {
    QString fileName;    // the photo's path
    QString sizeText;    // "[%d x %d]" of the photo as loaded
    QString extraText1;  // kept for the statistics; emptied every pass
    QString extraText2;
    int listIndex = 0;  // 1-based position in the image list; 0 when not found
    int photoWidth = 0;
    int photoHeight = 0;
    int fittedWidth = 0;  // after filters, turning and cropping, as drawn
    int fittedHeight = 0;
    int slotWidth = 0;  // the slot's inner rectangle
    int slotHeight = 0;
    double resolutionDeficit = 0;  // percent of the slot's area the photo had to be stretched over
    int cropped = 0;
    int rotated = 0;
    int failed = 0;
    int lowResolution = 0;
    int framed = 0;      // placed by the person's framing instead of the automatic crop
    QRect rect;          // the slot's inner rectangle on the page, where framing picks it up
    int autoRotate = 0;  // the automatic turn, which a framing's turns add to
    int place = 0;       // the photo's own place in the list (listIndex is its first)
};

// Records 1 to 62; record 0 is never filled.
class SlotTable {
public:
    static constexpr int kRecords = 63;
    static constexpr int kLastSlot = kRecords - 1;

    // Every text empty and every number 0.
    void reset();
    // Null outside 0..62: a page never fills more than 62 slots, and slots beyond
    // that are drawn but not recorded.
    SlotRecord* at(int slot);
    const SlotRecord* at(int slot) const;
    const SlotRecord& operator[](int slot) const { return records_.at(std::size_t(slot)); }

private:
    std::array<SlotRecord, kRecords> records_;
};

// 100 - fitted area / slot area x 100, in percent; 0 for an empty slot.
double resolutionDeficit(int fittedWidth, int fittedHeight, int slotWidth, int slotHeight);
// More than 10 percent short of the slot's area. Decided on whole pixel counts, so
// a photo covering exactly 90 % is never tipped over by rounding.
bool isLowResolution(int fittedWidth, int fittedHeight, int slotWidth, int slotHeight);

// Status indicator names.
extern const char* const kLampDarkGreen;
extern const char* const kLampLightGreen;
extern const char* const kLampYellow;
extern const char* const kLampRed;
extern const char* const kLampGray;

// "Snapvale [v 02.52.15] - Template Size ->  %.2lf in x  %.2lf in: (%d x %d) -> resolution [%d DPI]"
QString renderWindowTitle(double templateWidth, double templateHeight, int canvasWidth, int canvasHeight,
                          int resolution);

// What drawing a loaded photo into a slot found.
struct SlotDrawing {
    int photoWidth = 0;  // as loaded
    int photoHeight = 0;
    int fittedWidth = 0;  // after filters, turning and cropping
    int fittedHeight = 0;
    bool rotated = false;
    bool cropped = false;
    bool framed = false;  // drawn by a framing made by hand
    CropPlan crop;
};

// Filters, turns and crops a loaded photo for a slot of the inner rectangle's size
// and draws it fitted and centred there. onCropped, when given, runs after a crop
// and before the draw (the pass shows the crop in the status bar then). Where it can,
// the turn and the cut are drawn as a view of the photo without copying it, so the
// photo is left filtered but not necessarily turned or cut: it is spent afterwards.
// A framing made by hand, when given, takes the place of the automatic crop: the
// photo then covers the inner rectangle as the framing places it.
SlotDrawing DrawPhotoInSlot(QPainter& painter, PhotoImage& photo, const QRect& inner,
                            const SlotFitContext& fit, const AppSettings& settings,
                            const std::function<void(const CropPlan&)>& onCropped = {},
                            const Framing* framing = nullptr);
// The same for a supplied photo, which may hold a reduced decode: the turn, the cut,
// the fitted size and everything recorded come from its full size, and only the
// drawing reads the reduced pixels (the cut mapped onto them).
SlotDrawing DrawSuppliedPhotoInSlot(QPainter& painter, SuppliedPhoto& supplied, const QRect& inner,
                                    const SlotFitContext& fit, const AppSettings& settings,
                                    const std::function<void(const CropPlan&)>& onCropped = {},
                                    const Framing* framing = nullptr);

// What the last pass found: what the statistics, the setup sheet and the wizard read
// about the page on display.
struct PageReport {
    SlotTable slots;
    int loaded = 0;     // slots and frames filled
    int slotCount = 0;  // photo slots of the layout
    QString lamp;       // the status indicator the pass ended with
    QString title;      // the template's title
    QString layoutText;
    int firstIndex = 0;  // 1-based list positions of the page's first and last photo; 0 when none
    int lastIndex = 0;
    QString firstFile;  // the file of the first slot
    bool indexSheet = false;
};

class RenderPass;

// Draws an index sheet page (film strips or slide mounts) and fills its frames,
// using the pass for the counters, records, lamps and list stepping.
class IndexSheetDrawer {
public:
    virtual ~IndexSheetDrawer() = default;
    virtual void drawSheet(RenderPass& pass, Canvas& canvas, const Template& tpl,
                           const IndexSheetPlacement& sheet) = 0;
};

class RenderPass {
public:
    // The settings and the list belong to the caller (the main view). Either seam may be null.
    RenderPass(AppSettings& settings, ImageList& list, StatusSink* status, Notifier* notifier);

    // Index sheets are drawn by this when set; without one their pages stay white and
    // the status bar says so.
    void setIndexSheetDrawer(IndexSheetDrawer* drawer) { indexSheets_ = drawer; }
    // The time dated page texts show (the index sheet header); the system's when none is set.
    void setClock(Clock* clock) { clock_ = clock; }
    const Clock& clock() const { return clock_ ? *clock_ : static_cast<const Clock&>(systemClock_); }

    // Threads that decode the page's photos ahead of the drawing (0: each photo is
    // loaded when its slot is drawn). Drawing, status texts and list stepping stay on
    // the calling thread in their order either way.
    void setDecodeThreads(int threads) { supply_.setThreads(threads); }
    int decodeThreads() const { return supply_.threads(); }
    // Whether JPEG photos may be decoded at a reduced scale for drawing small (on by
    // default; recorded figures are the same either way).
    void setReducedDecoding(bool on) { reducedDecoding_ = on; }
    bool reducedDecoding() const { return reducedDecoding_; }
    // Where faces come from while KeepFacesInFrame is on; the program's finder when
    // none is set (opened the first time a face is looked for).
    void setFaceSource(FaceSource* source) { faceSource_ = source; }
    // The framings made by hand for the list's photos (owned by the caller; null: none).
    void setFramings(const FramingSet* framings) { framings_ = framings; }
    const FramingSet* framings() const { return framings_; }
    // The framing of the list's photo fileName, at its place in the list; null when it
    // is not framed by hand. Anything automatic that would place the photo in its slot
    // (the crop, faces) gives way to a framing.
    const Framing* handFraming(const QString& fileName) const;
    bool isFramedByHand(const QString& fileName) const { return handFraming(fileName) != nullptr; }

    // Photos of the last pass that were drawn from a reduced decode.
    int reducedPhotoCount() const { return reducedPhotos_; }
    // Decoding workers still alive; none once renderPage has returned.
    int runningDecoders() const { return supply_.runningWorkers(); }
    // Photos of the coming page being decoded ahead or waiting to be drawn.
    bool decodingAhead() const { return supply_.active(); }

    // Plans the page for a canvas of this size and starts decoding its photos, so they
    // decode while the canvas is made and cleared and the grid and texts are drawn.
    // renderPage does it itself when it was not done for its canvas's size.
    void preparePage(const QSize& canvasSize);
    // Forgets a prepared page that will not be drawn; its decoding stops.
    void dropPreparedPage();

    // The whole pass on an allocated canvas. At the end the canvas becomes the kept
    // page (replacing keptPage) and can no longer be drawn on. False when the kept
    // page could not be made: the memory error is reported and keptPage is left as
    // it was.
    bool renderPage(Canvas& canvas, KeptPage& keptPage);

    // One slot: border inset, counter and progress, grid number or photo, record,
    // lamp, list step. Called for every photo placement of the template.
    void fillSlot(Canvas& canvas, const PlacedSlot& slot, const QString& fileName);

    // What the last pass found.
    PageReport report() const;
    // Where the pass reports; either may be null.
    void setSeams(StatusSink* status, Notifier* notifier) {
        status_ = status;
        notifier_ = notifier;
    }

    // State of the last pass, for the statistics, the setup sheet and index sheets.
    const SlotTable& slotTable() const { return records_; }
    SlotTable& slotTable() { return records_; }
    int loadedCount() const { return loaded_; }
    int slotCount() const { return slotCount_; }
    bool redSeen() const { return redSeen_; }
    bool yellowSeen() const { return yellowSeen_; }
    bool indexSheetMode() const { return indexSheetMode_; }
    bool indexSheetMissing() const { return indexSheetMissing_; }
    QString pageTitle() const { return pageTitle_; }
    QString layoutText() const { return layoutText_; }
    QString firstFileOfPage() const { return firstFile_; }

    // For the index-sheet drawer.
    AppSettings& settings() { return settings_; }
    ImageList& imageList() { return list_; }
    StatusSink* status() { return status_; }
    Notifier* notifier() { return notifier_; }
    void countSlot();  // loaded counter + 1 and the progress bar
    void setIndicator(const char* name);
    void markRed() { redSeen_ = true; }
    void markYellow() { yellowSeen_ = true; }
    // The list's next photo, unless one photo fills every slot.
    void advanceList();

    // Announces, before drawing, where the page's coming photos will be drawn: one
    // target for every frame that takes the list's current photo, in drawing order.
    // The pass finds each frame's file itself and may decode them ahead; drawing
    // order, status texts and list stepping are unchanged by it.
    void announcePhotoTargets(const std::vector<PhotoTarget>& frames);
    // The photo for the next load: decoded ahead when announced and matching, else
    // loaded now. The photo is null when it could not be loaded.
    SuppliedPhoto takePhoto(const QString& fileName, const PhotoTarget& target);

private:
    void placeSlots(Canvas& canvas, const PagePlan& plan);
    QRect innerRect(const PlacedSlot& slot) const;
    DecodeTarget decodeTarget(const PhotoTarget& target, const std::optional<SlotFitContext>& fit,
                              bool framed = false) const;
    void startSupply(const std::vector<DecodeTarget>& perFrame);
    void announceSlots(const PagePlan& plan);
    SuppliedPhoto supplyPhoto(const QString& fileName, const DecodeTarget& target);
    void finishStatus();

    AppSettings& settings_;
    ImageList& list_;
    StatusSink* status_;
    Notifier* notifier_;
    IndexSheetDrawer* indexSheets_ = nullptr;
    Clock* clock_ = nullptr;
    SystemClock systemClock_;
    const FramingSet* framings_ = nullptr;

    PhotoSupply supply_;
    std::optional<PagePlan> preparedPlan_;  // planned by preparePage, taken by renderPage
    QSize preparedSize_;
    bool reducedDecoding_ = true;
    int reducedPhotos_ = 0;
    FaceSource* faceSource_ = nullptr;

    SlotTable records_;
    int loaded_ = 0;
    int slotCount_ = 0;
    bool redSeen_ = false;
    bool yellowSeen_ = false;
    bool indexSheetMode_ = false;
    bool indexSheetMissing_ = false;
    QString pageTitle_;
    QString layoutText_;
    QString firstFile_;
};

// What painting the page found (the view's paint, without a screen).
enum class PagePaintResult {
    Rendered,     // a pass ran; the kept page is new
    EmptyList,    // the placeholder was drawn over the canvas; no kept page
    MemoryError,  // the canvas or the kept page could not be made; reported
};

// The view's paint when there is no kept page: makes the canvas of the settings'
// size, runs the pass (or draws the placeholder for an empty list) and keeps the
// page. With an empty list, emptyPage (when given) receives the placeholder page.
PagePaintResult PaintPage(RenderPass& pass, KeptPage& keptPage, QImage* emptyPage = nullptr);
