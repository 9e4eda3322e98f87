#include "core/AppSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <climits>
#include <cmath>
#include <cstdlib>

#include "core/SettingsStore.h"

namespace settings_codec {

ColorRef colorFromText(const QString& text) {
    // Like atol: leading blanks, a sign, then as many digits as there are.
    const QByteArray bytes = text.toLatin1();
    const long long value = std::strtoll(bytes.constData(), nullptr, 10);
    return static_cast<ColorRef>(static_cast<std::uint32_t>(value));
}

QString colorToText(ColorRef color) {
    return QString::asprintf("%ld", static_cast<long>(color));
}

float decimalFromText(const QString& text) {
    const QByteArray bytes = text.toLatin1();
    return static_cast<float>(std::strtod(bytes.constData(), nullptr));
}

QString decimalToText(float value) {
    return QString::asprintf("%.2f", static_cast<double>(value));
}

double inchesFromHundredths(int stored) {
    return stored * 0.01;
}

int hundredthsFromInches(double inches) {
    if (!std::isfinite(inches)) return 0;
    const double v = inches * 100.0;
    if (v >= double(INT_MAX)) return INT_MAX;
    if (v <= double(INT_MIN)) return INT_MIN;
    // Truncation toward zero of the decimal the product stands for: 4.1 * 100 is
    // 409.99999999999994 in binary and must still store 410, while 8.105 stores 810.
    constexpr double kNoise = 1e-7;
    return v >= 0 ? int(v + kNoise) : -int(-v + kNoise);
}

}  // namespace settings_codec

using namespace settings_codec;

namespace {
const QString kConfig = QStringLiteral("Config");
const QString kLayout = QStringLiteral("PhotoPageLayout");
const QString kOption = QStringLiteral("Option");
const QString kAlbum = QStringLiteral("PhotoAlbum");
const QString kInstall = QStringLiteral("Install");

QString picturesDir() {
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return dir.isEmpty() ? QDir::homePath() : dir;
}

ColorRef readColor(SettingsStore& s, const QString& section, const QString& name, ColorRef def) {
    return colorFromText(s.readString(section, name, colorToText(def)));
}

double readInches(SettingsStore& s, const QString& section, const QString& name, int defHundredths) {
    return inchesFromHundredths(s.readInt(section, name, defHundredths));
}
}  // namespace

QString installedDataDir() {
    if (QCoreApplication::instance()) {
        const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/../share/snapvale");
        if (QFileInfo(beside).isDir()) return QDir::cleanPath(beside);
    }
    const QString built = QStringLiteral(SNAPVALE_INSTALLED_DATADIR);
    if (QFileInfo(built).isDir()) return QDir::cleanPath(built);
    return QString();
}

int AppSettings::canvasPixels(int resolution, double inches) {
    return static_cast<int>(std::trunc(resolution * inches));
}

int AppSettings::indexTextHeightFor(int resolution) {
    const int h = 5 * (resolution / 40);
    return h < 15 ? 15 : h;
}

void AppSettings::load(SettingsStore& s) {
    // 1. Where the image list was last built from.
    BitmapPath = s.readString(kConfig, QStringLiteral("BitmapPath"), QString());
    if (BitmapPath.isEmpty()) {
        const QString productDir = s.readString(kInstall, QStringLiteral("ProductDir"), installedDataDir());
        BitmapPath = productDir.isEmpty() ? picturesDir() : productDir + QStringLiteral("/Images");
    }

    // 2. The other Config strings and the album the list came from.
    BgndTilePic = s.readString(kConfig, QStringLiteral("BgndTilePic"), QString());
    StartSeqPic = s.readString(kConfig, QStringLiteral("StartSeqPic"), QString());
    ImportedAlbum = s.readString(kAlbum, QStringLiteral("ImportedAlbum"), QString());

    // 3. Config integers, logo place, logo and watermark texts, the Config colours.
    UseBackgroundImage = s.readInt(kConfig, QStringLiteral("UseBackgroundImage"), 0);
    StretchBackgroundImage = s.readInt(kConfig, QStringLiteral("StretchBackgroundImage"), 0);
    UseTitle = s.readInt(kConfig, QStringLiteral("UseTitle"), 0);
    HorizontalTile = s.readInt(kConfig, QStringLiteral("HorizontalTile"), 2);
    VerticalTile = s.readInt(kConfig, QStringLiteral("VerticalTile"), 2);
    GradientFill = s.readInt(kConfig, QStringLiteral("GradientFill"), 0);
    JPGQuality = s.readInt(kConfig, QStringLiteral("JPGQuality"), 95);
    SaveAsJpg = s.readInt(kConfig, QStringLiteral("SaveAsJpg"), 1);
    PreviewCheck = s.readInt(kConfig, QStringLiteral("PreviewCheck"), 1);
    ApplyExifOrientation = s.readInt(kConfig, QStringLiteral("ApplyExifOrientation"), 1);
    LogoLocation = s.readInt(kLayout, QStringLiteral("LogoLocation"), 1);
    LogoFileName =
        s.readString(kConfig, QStringLiteral("LogoFileName"), picturesDir() + QStringLiteral("/mylogo.bmp"));
    WatermarkText = s.readString(kConfig, QStringLiteral("WatermarkText"), QStringLiteral("Your Name Here"));
    LogoColorref = readColor(s, kConfig, QStringLiteral("LogoColorref"), 0);
    LogoTextColorref = readColor(s, kConfig, QStringLiteral("LogoTextColorref"), 16711680);
    BackgroundColorref = readColor(s, kConfig, QStringLiteral("BackgroundColorref"), 16777215);
    GradStartColorref = readColor(s, kConfig, QStringLiteral("GradStartColorref"), 16711680);
    GradEndColorref = readColor(s, kConfig, QStringLiteral("GradEndColorref"), 8388672);

    // 4. Option values.
    WelcomeTipStatus = s.readInt(kOption, QStringLiteral("WelcomeTipStatus"), 0);
    TipIdx = s.readInt(kOption, QStringLiteral("TipIdx"), 0);
    ManPortraitRadio = s.readInt(kOption, QStringLiteral("ManPortraitRadio"), 0);
    AutoOrientation = s.readInt(kOption, QStringLiteral("AutoOrientation"), 1);
    StretchImageToPage = s.readInt(kOption, QStringLiteral("StretchImageToPage"), 1);

    // 5. Printer margins, stored as decimal texts.
    TopBottomMargin =
        decimalFromText(s.readString(kConfig, QStringLiteral("TopBottomMargin"), QStringLiteral("0.0")));
    LeftRightMargin =
        decimalFromText(s.readString(kConfig, QStringLiteral("LeftRightMargin"), QStringLiteral("0.0")));

    // 6. Layout choices.
    FullPageTemplateSel = s.readString(kLayout, QStringLiteral("FullPageTemplateSel"),
                                       QStringLiteral("Index Sheet (Negative Strip) - 9 Prints"));
    StartupWithWizard = s.readInt(kOption, QStringLiteral("StartupWithWizard"), 1);
    TopPageStyle = s.readInt(kLayout, QStringLiteral("TopPageStyle"), 125);
    BottomPageStyle = s.readInt(kLayout, QStringLiteral("BottomPageStyle"), 129);
    PhotoBorder = readInches(s, kLayout, QStringLiteral("PhotoBorder"), 0);
    UserWidth = readInches(s, kLayout, QStringLiteral("UserWidth"), 500);
    UserHeight = readInches(s, kLayout, QStringLiteral("UserHeight"), 700);
    PhotoGridOnly = s.readInt(kLayout, QStringLiteral("PhotoGridOnly"), 0);
    PhotosOnly = s.readInt(kLayout, QStringLiteral("PhotosOnly"), 0);
    UseSingleImage = s.readInt(kLayout, QStringLiteral("UseSingleImage"), 0);
    PageResolution = s.readInt(kLayout, QStringLiteral("PageResolution"), 200);
    UseTextLogo = s.readInt(kLayout, QStringLiteral("UseTextLogo"), 0);
    UseImageLogo = s.readInt(kLayout, QStringLiteral("UseImageLogo"), 0);
    PhotoLighten = s.readInt(kLayout, QStringLiteral("PhotoLighten"), 25);
    PhotoDarken = s.readInt(kLayout, QStringLiteral("PhotoDarken"), -25);
    PhotoSharpen = s.readInt(kLayout, QStringLiteral("PhotoSharpen"), 0);
    PhotoSoften = s.readInt(kLayout, QStringLiteral("PhotoSoften"), 0);
    AutoCropOn = s.readInt(kLayout, QStringLiteral("AutoCropOn"), 1);
    CropTop = s.readInt(kLayout, QStringLiteral("CropTop"), 1);
    CropBottom = s.readInt(kLayout, QStringLiteral("CropBottom"), 1);
    CropLeft = s.readInt(kLayout, QStringLiteral("CropLeft"), 1);
    CropRight = s.readInt(kLayout, QStringLiteral("CropRight"), 1);
    ActivateHistogram = s.readInt(kLayout, QStringLiteral("ActivateHistogram"), 1);
    LogFormat = s.readInt(kLayout, QStringLiteral("LogFormat"), 0);
    RedChannel = s.readInt(kLayout, QStringLiteral("RedChannel"), 1);
    GreenChannel = s.readInt(kLayout, QStringLiteral("GreenChannel"), 1);
    BlueChannel = s.readInt(kLayout, QStringLiteral("BlueChannel"), 1);
    GrayChannel = s.readInt(kLayout, QStringLiteral("GrayChannel"), 1);
    MaxPageWidthIn = readInches(s, kLayout, QStringLiteral("MaxPageWidthIn"), 850);
    MaxPageHeightIn = readInches(s, kLayout, QStringLiteral("MaxPageHeightIn"), 1100);
    MaxTemplateWidthIn = readInches(s, kLayout, QStringLiteral("MaxTemplateWidthIn"), 800);
    MaxTemplateHeightIn = readInches(s, kLayout, QStringLiteral("MaxTemplateHeightIn"), 1000);

    // 7. Derived sizes.
    CanvasWidth = canvasPixels(PageResolution, MaxTemplateWidthIn);
    CanvasHeight = canvasPixels(PageResolution, MaxTemplateHeightIn);
    IndexTextHeight = indexTextHeightFor(PageResolution);

    // 8. Layout colours.
    LayoutGridColor = readColor(s, kLayout, QStringLiteral("LayoutGridColor"), 11946520);
    FilmTextColor = readColor(s, kLayout, QStringLiteral("FilmTextColor"), 16777215);
    FilmStripBkgndCol = readColor(s, kLayout, QStringLiteral("FilmStripBkgndCol"), 3495532);
    FilmStripOutlineCol = readColor(s, kLayout, QStringLiteral("FilmStripOutlineCol"), 3495532);

    // The filter switches always start off.
    GrayscalePhotos = NegativeImage = EmbossPhoto = LightenPhoto = DarkenPhoto = 0;
}

void AppSettings::writeWindowEnd(SettingsStore& s) const {
    s.writeInt(kOption, QStringLiteral("WelcomeTipStatus"), WelcomeTipStatus);
    s.writeInt(kOption, QStringLiteral("TipIdx"), TipIdx);
}

void AppSettings::writeViewEnd(SettingsStore& s, const QString& currentPhoto) const {
    s.writeString(kAlbum, QStringLiteral("ImportedAlbum"), ImportedAlbum);
    s.writeString(kConfig, QStringLiteral("BitmapPath"), BitmapPath);
    s.writeString(kConfig, QStringLiteral("StartSeqPic"), currentPhoto);
    s.writeString(kConfig, QStringLiteral("WatermarkText"), WatermarkText);
}

void AppSettings::writeLayoutChoices(SettingsStore& s) const {
    s.writeString(kLayout, QStringLiteral("FullPageTemplateSel"), FullPageTemplateSel);
    s.writeInt(kLayout, QStringLiteral("TopPageStyle"), TopPageStyle);
    s.writeInt(kLayout, QStringLiteral("BottomPageStyle"), BottomPageStyle);
    s.writeInt(kLayout, QStringLiteral("PhotoGridOnly"), PhotoGridOnly);
    s.writeInt(kLayout, QStringLiteral("PhotosOnly"), PhotosOnly);
    s.writeInt(kLayout, QStringLiteral("UseSingleImage"), UseSingleImage);
    s.writeInt(kLayout, QStringLiteral("GrayscalePhotos"), GrayscalePhotos);
    s.writeInt(kLayout, QStringLiteral("NegativeImage"), NegativeImage);
    s.writeInt(kLayout, QStringLiteral("EmbossPhoto"), EmbossPhoto);
    s.writeInt(kLayout, QStringLiteral("CropRight"), CropRight);
    s.writeInt(kLayout, QStringLiteral("CropLeft"), CropLeft);
    s.writeInt(kLayout, QStringLiteral("CropBottom"), CropBottom);
    s.writeInt(kLayout, QStringLiteral("CropTop"), CropTop);
    s.writeInt(kLayout, QStringLiteral("AutoCropOn"), AutoCropOn);
}

WindowPlacement defaultWindowPlacement(int screenWidth, int screenHeight) {
    // The factors are the single-precision values the program always used, widened
    // to double; the small one lies just below 0.1, so a 1280-pixel screen gives a
    // left edge of 127, not 128.
    const double big = 0.800000011920929;
    const double small = 0.0999999940395355;
    WindowPlacement p;
    p.width = static_cast<int>(std::trunc(screenWidth * big));
    p.height = static_cast<int>(std::trunc(screenHeight * big));
    p.left = static_cast<int>(std::trunc(screenWidth * small));
    p.top = static_cast<int>(std::trunc(screenHeight * small));
    return p;
}

WindowPlacement readWindowPlacement(SettingsStore& s, int screenWidth, int screenHeight) {
    const WindowPlacement def = defaultWindowPlacement(screenWidth, screenHeight);
    const QString w = QStringLiteral("Window");
    WindowPlacement p;
    p.width = s.readInt(w, QStringLiteral("Width"), def.width);
    p.height = s.readInt(w, QStringLiteral("Height"), def.height);
    p.left = s.readInt(w, QStringLiteral("TopLeftX"), def.left);
    p.top = s.readInt(w, QStringLiteral("TopLeftY"), def.top);
    // Only the corner is checked; a minimised window stored -32000 there.
    if (p.left < 0 || p.left > screenWidth || p.top < 0 || p.top > screenHeight) return def;
    return p;
}

void writeWindowPlacement(SettingsStore& s, const WindowPlacement& p) {
    const QString w = QStringLiteral("Window");
    s.writeInt(w, QStringLiteral("Width"), p.width);
    s.writeInt(w, QStringLiteral("Height"), p.height);
    s.writeInt(w, QStringLiteral("TopLeftX"), p.left);
    s.writeInt(w, QStringLiteral("TopLeftY"), p.top);
}
