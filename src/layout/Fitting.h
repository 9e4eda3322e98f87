#pragma once
// How a photo is made to fit its slot before it is drawn: turned a quarter to lie
// like the slot, then cropped to the shape of the slot's nominal print size so the
// aspect-preserving draw fills the slot. Plain arithmetic over sizes and switches;
// the caller turns and crops the photo itself.

#include <QString>
#include <optional>
#include <vector>

#include "layout/TemplateCatalogue.h"

struct AppSettings;

// The best match of a photo's shape among the slot's print size classes.
struct PrintSizeFit {
    double aspect = 0;        // shorter side / longer side
    double bestCoverage = 0;  // percent of the nominal area the photo's shape can fill
    double fittedWidth = 0;   // the photo-shaped rectangle inside the best nominal size, inches
    double fittedHeight = 0;
    double nominalWidth = 0;  // the best nominal size, inches, lying like the photo
    double nominalHeight = 0;
    std::optional<PrintSizeClass> bestClass;
};

// Evaluates every flagged class in table order; on equal coverage the earlier one
// stays best. The user-defined class measures userWidth x userHeight. A photo without
// a positive size, or no usable class, gives no best class.
PrintSizeFit printSizeFit(int photoWidth, int photoHeight, PrintSizeClasses classes, double userWidth,
                          double userHeight);

// Whether the photo is turned counter-clockwise before it goes into the slot.
// Inlays never turn, booklets always do, other slots turn when photo and slot lie differently.
bool shouldRotate(int photoWidth, int photoHeight, int slotWidth, int slotHeight, DiscFlags disc);

// The crop switches of the layout settings.
struct CropSwitches {
    bool autoCrop = true;
    bool top = true;
    bool bottom = true;
    bool left = true;
    bool right = true;
    static CropSwitches fromSettings(const AppSettings& settings);
};

// What the slot tells the fitter.
struct SlotFitContext {
    PrintSizeClasses classes;
    DiscFlags disc;
    double userWidth = 5.0;
    double userHeight = 7.0;
    static SlotFitContext forSlot(const PlacedSlot& slot, double userWidth, double userHeight);
};

struct CropPlan {
    bool crop = false;  // CropTo(left, top, right, bottom) is called and the slot is marked cropped
    long left = 0;
    long top = 0;
    long right = 0;
    long bottom = 0;
    PrintSizeFit fit;  // the fit figure of the status text
};

// The cut for a photo of photoWidth x photoHeight (already turned) going into a slot
// of slotWidth x slotHeight pixels. Nothing is cut while auto-crop is off or either
// pair of side switches is all off. At least one row and column of the photo remain.
CropPlan planCrop(int photoWidth, int photoHeight, int slotWidth, int slotHeight, const SlotFitContext& slot,
                  const CropSwitches& switches);

// Both steps in their order.
struct PhotoFitPlan {
    bool rotate = false;
    int width = 0;  // the photo's size after turning, which the crop refers to
    int height = 0;
    CropPlan crop;
};
PhotoFitPlan planPhotoFit(int photoWidth, int photoHeight, int slotWidth, int slotHeight,
                          const SlotFitContext& slot, const CropSwitches& switches);

// A face found in a photo, in the photo's pixels as loaded (before any turn).
struct FaceBox {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const FaceBox&, const FaceBox&) = default;
};

// A box of a photo of width x height as loaded, in the photo turned a quarter
// counter-clockwise (its top goes to the left).
FaceBox turnedFaceBox(const FaceBox& box, int width, int height);

// The automatic cut moved along the axis it cuts, never resized, so the faces stay in
// the print: all of them when they fit into the window, else the largest. A face is
// given room for the hair above and the chin below it where that fits too. A window
// that already holds what it should stays where the crop switches put it; otherwise
// it moves no further than it must, and centres on a face larger than itself.
// width x height and the faces are the photo as loaded; `turned`: the plan cuts the
// photo turned a quarter counter-clockwise. Without faces or without a cut the plan
// comes back as it was.
CropPlan keepFacesInCrop(const CropPlan& plan, int width, int height, bool turned,
                         const std::vector<FaceBox>& faces);

// planPhotoFit with the cut kept around the faces of the photo as loaded.
PhotoFitPlan planPhotoFitAroundFaces(int photoWidth, int photoHeight, int slotWidth, int slotHeight,
                                     const SlotFitContext& slot, const CropSwitches& switches,
                                     const std::vector<FaceBox>& faces);

// "Loading photo (%d of %d) - %s (%.1f fit) -> cropped to %ld %ld %ld %ld" (left, right, top, bottom).
QString cropStatusText(int loaded, int slotCount, const QString& fileName, const CropPlan& plan);

// "[rotated]", "[cropped]", "[framed]" (placed by hand) and "[stretched by %.1f%%]" or
// "[compressed by %.1f%%]" for a slot record.
QString transformationSummary(bool rotated, bool cropped, double resolutionDeficit, bool framed = false);
