#pragma once
// Every persisted option, in memory. Loaded once when the main view is made; the
// program then works on this record and writes single values back at fixed moments.

#include <QString>
#include <cstdint>

class SettingsStore;
struct SettingKey;

// Colours are 0x00BBGGRR, red in the low byte.
using ColorRef = std::int32_t;

constexpr ColorRef rgbColor(int r, int g, int b) {
    return ColorRef((r & 0xff) | ((g & 0xff) << 8) | ((b & 0xff) << 16));
}
constexpr int colorRed(ColorRef c) {
    return c & 0xff;
}
constexpr int colorGreen(ColorRef c) {
    return (c >> 8) & 0xff;
}
constexpr int colorBlue(ColorRef c) {
    return (c >> 16) & 0xff;
}

// The stored encodings.
namespace settings_codec {
// A colour is the decimal text of its value; a text that is not a number reads as 0.
ColorRef colorFromText(const QString& text);
QString colorToText(ColorRef color);
// A decimal is read like atof into a float and written with "%.2f".
float decimalFromText(const QString& text);
QString decimalToText(float value);
// Hundredths of an inch: stored 850 is 8.50 in; written as trunc(inches * 100).
double inchesFromHundredths(int stored);
int hundredthsFromInches(double inches);
}  // namespace settings_codec

struct AppSettings {
    // Config
    QString BitmapPath;
    QString StartSeqPic;
    QString WatermarkText = QStringLiteral("Your Name Here");
    QString LogoFileName;
    ColorRef LogoColorref = 0;
    ColorRef LogoTextColorref = 16711680;
    QString BgndTilePic;
    int UseBackgroundImage = 0;
    int StretchBackgroundImage = 0;
    int UseTitle = 0;
    int HorizontalTile = 2;
    int VerticalTile = 2;
    int GradientFill = 0;
    ColorRef BackgroundColorref = 16777215;
    ColorRef GradStartColorref = 16711680;
    ColorRef GradEndColorref = 8388672;
    int JPGQuality = 95;
    int SaveAsJpg = 1;
    int PreviewCheck = 1;
    float TopBottomMargin = 0.0f;
    float LeftRightMargin = 0.0f;

    // PhotoPageLayout
    QString FullPageTemplateSel = QStringLiteral("Index Sheet (Negative Strip) - 9 Prints");
    int TopPageStyle = 125;
    int BottomPageStyle = 129;
    int PhotoGridOnly = 0;
    int PhotosOnly = 0;
    int UseSingleImage = 0;
    int PageResolution = 200;
    double MaxPageWidthIn = 8.5;
    double MaxPageHeightIn = 11.0;
    double MaxTemplateWidthIn = 8.0;
    double MaxTemplateHeightIn = 10.0;
    double UserWidth = 5.0;
    double UserHeight = 7.0;
    double PhotoBorder = 0.0;
    int LogoLocation = 1;
    int UseTextLogo = 0;
    int UseImageLogo = 0;
    int PhotoLighten = 25;
    int PhotoDarken = -25;
    int PhotoSharpen = 0;
    int PhotoSoften = 0;
    int AutoCropOn = 1;
    int CropTop = 1;
    int CropBottom = 1;
    int CropLeft = 1;
    int CropRight = 1;
    int CutMarks = 0;
    int KeepFacesInFrame = 0;
    int ActivateHistogram = 1;
    int LogFormat = 0;
    int RedChannel = 1;
    int GreenChannel = 1;
    int BlueChannel = 1;
    int GrayChannel = 1;
    ColorRef LayoutGridColor = 11946520;
    ColorRef FilmTextColor = 16777215;
    ColorRef FilmStripBkgndCol = 3495532;
    ColorRef FilmStripOutlineCol = 3495532;

    // Option
    int WelcomeTipStatus = 0;
    int TipIdx = 0;
    int StartupWithWizard = 1;
    int ManPortraitRadio = 0;
    int AutoOrientation = 1;
    int StretchImageToPage = 1;

    // PhotoAlbum
    QString ImportedAlbum;

    // Config, new here: turn JPEG photos as their camera's orientation tag says.
    int ApplyExifOrientation = 1;
    // Config, new here: convert photos with an embedded colour profile to sRGB.
    int ColorManagePhotos = 1;

    // Derived and session-only values.
    int CanvasWidth = 1600;
    int CanvasHeight = 2000;
    int IndexTextHeight = 25;
    // Filter switches: never loaded, every run starts with them off.
    int GrayscalePhotos = 0;
    int NegativeImage = 0;
    int EmbossPhoto = 0;
    int LightenPhoto = 0;
    int DarkenPhoto = 0;
    // "Edge Only" and "Repair Photos" have no stored value at all.
    int EdgePhoto = 0;
    int RepairPhoto = 0;
    // The layout setup sheet's page shown last (0 image list, 1 templates, 2 advanced).
    int LastSetupPage = 0;

    // Fills the record from the store in the program's load order.
    void load(SettingsStore& store);
    // The values the main view writes when it goes away, in order: ImportedAlbum,
    // BitmapPath, StartSeqPic (the given current photo) and WatermarkText.
    void writeViewEnd(SettingsStore& store, const QString& currentPhoto) const;
    // The main window's end writes: WelcomeTipStatus and TipIdx.
    void writeWindowEnd(SettingsStore& store) const;

    // Writes the layout setup's choices in the order the setup command uses.
    void writeLayoutChoices(SettingsStore& store) const;
    // Writes the member the key stands for, in the key's encoding (keys without a
    // member of this record are left alone).
    void write(SettingsStore& store, const SettingKey& key) const;

    // Canvas size from the resolution and the template size.
    static int canvasPixels(int resolution, double inches);
    // 5 * (resolution div 40), at least 15.
    static int indexTextHeightFor(int resolution);
};

// The installed data folder (help pages in html/, sample photos in Images/):
// beside the running program when it sits in a bin/ folder of a staged or
// installed tree, else the folder chosen at build time; empty when neither exists.
QString installedDataDir();

// Defaults of the main window placement: trunc(screen * 0.8f) for the size and
// trunc(screen * 0.1) for the corner, with the factors 0.800000011920929 and 0.0999999940395355.
struct WindowPlacement {
    int width = 0;
    int height = 0;
    int left = 0;
    int top = 0;
};
WindowPlacement defaultWindowPlacement(int screenWidth, int screenHeight);
// The stored placement, or all four defaults when the corner lies off the screen.
WindowPlacement readWindowPlacement(SettingsStore& store, int screenWidth, int screenHeight);
void writeWindowPlacement(SettingsStore& store, const WindowPlacement& placement);
