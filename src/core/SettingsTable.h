#pragma once
// Every persisted value of the program: its section, its name, how it is stored
// and its default. Loading and writing are made from this one table; no other file
// spells a section or a value name.

#include <QString>

#include "core/SettingsStore.h"

enum class SettingEncoding {
    Integer,     // a 32-bit integer
    Text,        // a text
    Colour,      // the decimal text of a 0x00BBGGRR value
    Decimal,     // a decimal text, read like atof, written "%.2f", always with '.'
    Hundredths,  // an integer of hundredths of an inch, a double in inches in memory
};

struct SettingKey {
    const char* section;
    const char* name;
    SettingEncoding encoding;
    int defaultNumber;        // Integer, Colour and Hundredths
    const char* defaultText;  // Text and Decimal

    QString sectionText() const { return QString::fromLatin1(section); }
    QString nameText() const { return QString::fromLatin1(name); }
    QString defaultString() const;  // the default as the store would hold it
};

// A value kept for each printer queue: the section and the value's name come from
// the table, and the queue's name goes in front of the value's name, joined by a
// dot ("Photo-4x6.AlignmentXmm"), since queue names never hold one of the
// characters the store gives a meaning ('/', '\\').
struct PerPrinterKey {
    const char* section;
    const char* name;
    const char* defaultText;  // decimals, like SettingEncoding::Decimal

    QString sectionText() const { return QString::fromLatin1(section); }
    QString nameFor(const QString& queue) const {
        return queue + QLatin1Char('.') + QString::fromLatin1(name);
    }
};

namespace setting {
#define SNAPVALE_INT(sec, n, d) inline constexpr SettingKey n{sec, #n, SettingEncoding::Integer, d, nullptr};
#define SNAPVALE_TEXT(sec, n, d) inline constexpr SettingKey n{sec, #n, SettingEncoding::Text, 0, d};
#define SNAPVALE_COLOUR(sec, n, d) \
    inline constexpr SettingKey n{sec, #n, SettingEncoding::Colour, d, nullptr};
#define SNAPVALE_DECIMAL(sec, n, d) inline constexpr SettingKey n{sec, #n, SettingEncoding::Decimal, 0, d};
#define SNAPVALE_HUNDREDTHS(sec, n, d) \
    inline constexpr SettingKey n{sec, #n, SettingEncoding::Hundredths, d, nullptr};

// Config
SNAPVALE_TEXT("Config", BitmapPath, "")  // the load replaces an empty one
SNAPVALE_TEXT("Config", StartSeqPic, "")
SNAPVALE_TEXT("Config", WatermarkText, "Your Name Here")
SNAPVALE_TEXT("Config", LogoFileName, "")  // the load's default is <Pictures>/mylogo.bmp
SNAPVALE_COLOUR("Config", LogoColorref, 0)
SNAPVALE_COLOUR("Config", LogoTextColorref, 16711680)
SNAPVALE_TEXT("Config", BgndTilePic, "")
SNAPVALE_INT("Config", UseBackgroundImage, 0)
SNAPVALE_INT("Config", StretchBackgroundImage, 0)
SNAPVALE_INT("Config", UseTitle, 0)
SNAPVALE_INT("Config", HorizontalTile, 2)
SNAPVALE_INT("Config", VerticalTile, 2)
SNAPVALE_INT("Config", GradientFill, 0)
SNAPVALE_COLOUR("Config", BackgroundColorref, 16777215)
SNAPVALE_COLOUR("Config", GradStartColorref, 16711680)
SNAPVALE_COLOUR("Config", GradEndColorref, 8388672)
SNAPVALE_INT("Config", JPGQuality, 95)
SNAPVALE_INT("Config", SaveAsJpg, 1)
SNAPVALE_INT("Config", PreviewCheck, 1)
SNAPVALE_DECIMAL("Config", TopBottomMargin, "0.0")
SNAPVALE_DECIMAL("Config", LeftRightMargin, "0.0")
SNAPVALE_INT("Config", ApplyExifOrientation, 1)
SNAPVALE_INT("Config", ColorManagePhotos, 1)
// The main view's zoom in percent; 0 fits the page into the window.
SNAPVALE_INT("Config", ViewZoom, 100)
// The folder scan's extension switches, read afresh for every file.
SNAPVALE_INT("Config", JpgFilter, 1)
SNAPVALE_INT("Config", BmpFilter, 1)
SNAPVALE_INT("Config", IconFilter, 1)
SNAPVALE_INT("Config", WmfFilter, 1)
SNAPVALE_INT("Config", GifFilter, 1)
SNAPVALE_INT("Config", TifFilter, 1)
SNAPVALE_INT("Config", PcxFilter, 1)
SNAPVALE_INT("Config", TgaFilter, 1)
SNAPVALE_INT("Config", PngFilter, 1)
SNAPVALE_INT("Config", HeicFilter, 1)
SNAPVALE_INT("Config", HeifFilter, 1)
SNAPVALE_INT("Config", AvifFilter, 1)

// PhotoPageLayout
SNAPVALE_TEXT("PhotoPageLayout", FullPageTemplateSel, "Index Sheet (Negative Strip) - 9 Prints")
SNAPVALE_INT("PhotoPageLayout", TopPageStyle, 125)
SNAPVALE_INT("PhotoPageLayout", BottomPageStyle, 129)
SNAPVALE_INT("PhotoPageLayout", PhotoGridOnly, 0)
SNAPVALE_INT("PhotoPageLayout", PhotosOnly, 0)
SNAPVALE_INT("PhotoPageLayout", UseSingleImage, 0)
SNAPVALE_INT("PhotoPageLayout", PageResolution, 200)
SNAPVALE_HUNDREDTHS("PhotoPageLayout", MaxPageWidthIn, 850)
SNAPVALE_HUNDREDTHS("PhotoPageLayout", MaxPageHeightIn, 1100)
SNAPVALE_HUNDREDTHS("PhotoPageLayout", MaxTemplateWidthIn, 800)
SNAPVALE_HUNDREDTHS("PhotoPageLayout", MaxTemplateHeightIn, 1000)
SNAPVALE_HUNDREDTHS("PhotoPageLayout", UserWidth, 500)
SNAPVALE_HUNDREDTHS("PhotoPageLayout", UserHeight, 700)
SNAPVALE_HUNDREDTHS("PhotoPageLayout", PhotoBorder, 0)
SNAPVALE_INT("PhotoPageLayout", LogoLocation, 1)
SNAPVALE_INT("PhotoPageLayout", UseTextLogo, 0)
SNAPVALE_INT("PhotoPageLayout", UseImageLogo, 0)
SNAPVALE_INT("PhotoPageLayout", PhotoLighten, 25)
SNAPVALE_INT("PhotoPageLayout", PhotoDarken, -25)
SNAPVALE_INT("PhotoPageLayout", PhotoSharpen, 0)
SNAPVALE_INT("PhotoPageLayout", PhotoSoften, 0)
// Written when the layout setup closes, never loaded: every start has them off.
SNAPVALE_INT("PhotoPageLayout", GrayscalePhotos, 0)
SNAPVALE_INT("PhotoPageLayout", NegativeImage, 0)
SNAPVALE_INT("PhotoPageLayout", EmbossPhoto, 0)
SNAPVALE_INT("PhotoPageLayout", AutoCropOn, 1)
SNAPVALE_INT("PhotoPageLayout", CropTop, 1)
SNAPVALE_INT("PhotoPageLayout", CropBottom, 1)
SNAPVALE_INT("PhotoPageLayout", CropLeft, 1)
SNAPVALE_INT("PhotoPageLayout", CropRight, 1)
// Trim marks between the prints of a sheet, and the automatic crop kept around faces.
SNAPVALE_INT("PhotoPageLayout", CutMarks, 0)
SNAPVALE_INT("PhotoPageLayout", KeepFacesInFrame, 0)
SNAPVALE_INT("PhotoPageLayout", ActivateHistogram, 1)
SNAPVALE_INT("PhotoPageLayout", LogFormat, 0)
SNAPVALE_INT("PhotoPageLayout", RedChannel, 1)
SNAPVALE_INT("PhotoPageLayout", GreenChannel, 1)
SNAPVALE_INT("PhotoPageLayout", BlueChannel, 1)
SNAPVALE_INT("PhotoPageLayout", GrayChannel, 1)
SNAPVALE_COLOUR("PhotoPageLayout", LayoutGridColor, 11946520)
SNAPVALE_COLOUR("PhotoPageLayout", FilmTextColor, 16777215)
SNAPVALE_COLOUR("PhotoPageLayout", FilmStripBkgndCol, 3495532)
SNAPVALE_COLOUR("PhotoPageLayout", FilmStripOutlineCol, 3495532)

// Option
SNAPVALE_INT("Option", WelcomeTipStatus, 0)
SNAPVALE_INT("Option", TipIdx, 0)
SNAPVALE_INT("Option", StartupWithWizard, 1)
SNAPVALE_INT("Option", ManPortraitRadio, 0)
SNAPVALE_INT("Option", AutoOrientation, 1)
SNAPVALE_INT("Option", StretchImageToPage, 1)

// PhotoAlbum: the album editor's keys are read when its window opens.
SNAPVALE_TEXT("PhotoAlbum", ImportedAlbum, "")
SNAPVALE_INT("PhotoAlbum", UseCaption, 0)
SNAPVALE_TEXT("PhotoAlbum", PageLayout, "1 x 1")
SNAPVALE_INT("PhotoAlbum", TwoPageAlbum, 0)

// Window: the main window's placement (defaults follow the screen) and the tips window's.
SNAPVALE_INT("Window", Width, 0)
SNAPVALE_INT("Window", Height, 0)
SNAPVALE_INT("Window", TopLeftX, 0)
SNAPVALE_INT("Window", TopLeftY, 0)
SNAPVALE_INT("Window", IsHidden, 0)

// Projects: the print projects opened or saved last, newest first, one path a line.
SNAPVALE_TEXT("Projects", RecentProjects, "")

// Install
SNAPVALE_TEXT("Install", ProductDir, "")

// Settings: the progress window's place.
SNAPVALE_INT("Settings", X, -1)
SNAPVALE_INT("Settings", Y, -1)

// PrinterAlignment: the offsets measured on a printer's alignment page, millimetres,
// added to every print on that queue.
inline constexpr PerPrinterKey AlignmentXmm{"PrinterAlignment", "AlignmentXmm", "0.0"};
inline constexpr PerPrinterKey AlignmentYmm{"PrinterAlignment", "AlignmentYmm", "0.0"};

#undef SNAPVALE_INT
#undef SNAPVALE_TEXT
#undef SNAPVALE_COLOUR
#undef SNAPVALE_DECIMAL
#undef SNAPVALE_HUNDREDTHS
}  // namespace setting

// Reads and writes by key. A read without its own default takes the table's.
int readSettingInt(SettingsStore& store, const SettingKey& key);
int readSettingInt(SettingsStore& store, const SettingKey& key, int defaultValue);
QString readSettingText(SettingsStore& store, const SettingKey& key);
QString readSettingText(SettingsStore& store, const SettingKey& key, const QString& defaultValue);
void writeSettingInt(SettingsStore& store, const SettingKey& key, int value);
void writeSettingText(SettingsStore& store, const SettingKey& key, const QString& value);
// "%.2f" of the value, as decimals are stored.
void writeSettingDecimal(SettingsStore& store, const SettingKey& key, float value);
// trunc(inches x 100), as hundredths are stored.
void writeSettingHundredths(SettingsStore& store, const SettingKey& key, double inches);
// A queue's decimal, read like the decimals of the table (the default when missing),
// and written "%.2f".
float readPerPrinterDecimal(SettingsStore& store, const PerPrinterKey& key, const QString& queue);
void writePerPrinterDecimal(SettingsStore& store, const PerPrinterKey& key, const QString& queue,
                            float value);
