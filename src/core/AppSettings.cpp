#include "core/AppSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <variant>

#include "core/SettingsStore.h"
#include "core/SettingsTable.h"

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
    // Like atof, but always with '.' as the decimal mark: strtod follows the user's
    // locale, and under a comma-decimal one "0.25" would read as 0.
    const QByteArray bytes = text.toLatin1();
    const char* p = bytes.constData();
    const char* end = p + bytes.size();
    while (p < end && (*p == ' ' || (*p >= '\t' && *p <= '\r'))) ++p;
    if (p < end && *p == '+') ++p;
    double value = 0;
    const auto [stop, error] = std::from_chars(p, end, value);
    if (error == std::errc::result_out_of_range) return *p == '-' ? -HUGE_VALF : HUGE_VALF;
    return error == std::errc() ? static_cast<float>(value) : 0.0f;
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
QString picturesDir() {
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return dir.isEmpty() ? QDir::homePath() : dir;
}

using Field =
    std::variant<int AppSettings::*, QString AppSettings::*, float AppSettings::*, double AppSettings::*>;
struct Binding {
    const SettingKey* key;
    Field field;
};

// The members loaded at start-up, in the order they are read.
const Binding kLoadOrder[] = {
    // 1. Where the image list was last built from (ProductDir is read inside this step).
    {&setting::BitmapPath, &AppSettings::BitmapPath},
    // 2. The other Config strings and the album the list came from.
    {&setting::BgndTilePic, &AppSettings::BgndTilePic},
    {&setting::StartSeqPic, &AppSettings::StartSeqPic},
    {&setting::ImportedAlbum, &AppSettings::ImportedAlbum},
    // 3. Config integers, logo place, logo and watermark texts, the Config colours.
    {&setting::UseBackgroundImage, &AppSettings::UseBackgroundImage},
    {&setting::StretchBackgroundImage, &AppSettings::StretchBackgroundImage},
    {&setting::UseTitle, &AppSettings::UseTitle},
    {&setting::HorizontalTile, &AppSettings::HorizontalTile},
    {&setting::VerticalTile, &AppSettings::VerticalTile},
    {&setting::GradientFill, &AppSettings::GradientFill},
    {&setting::JPGQuality, &AppSettings::JPGQuality},
    {&setting::SaveAsJpg, &AppSettings::SaveAsJpg},
    {&setting::PreviewCheck, &AppSettings::PreviewCheck},
    {&setting::ApplyExifOrientation, &AppSettings::ApplyExifOrientation},
    {&setting::ColorManagePhotos, &AppSettings::ColorManagePhotos},
    {&setting::LogoLocation, &AppSettings::LogoLocation},
    {&setting::LogoFileName, &AppSettings::LogoFileName},
    {&setting::WatermarkText, &AppSettings::WatermarkText},
    {&setting::LogoColorref, &AppSettings::LogoColorref},
    {&setting::LogoTextColorref, &AppSettings::LogoTextColorref},
    {&setting::BackgroundColorref, &AppSettings::BackgroundColorref},
    {&setting::GradStartColorref, &AppSettings::GradStartColorref},
    {&setting::GradEndColorref, &AppSettings::GradEndColorref},
    // 4. Option values.
    {&setting::WelcomeTipStatus, &AppSettings::WelcomeTipStatus},
    {&setting::TipIdx, &AppSettings::TipIdx},
    {&setting::ManPortraitRadio, &AppSettings::ManPortraitRadio},
    {&setting::AutoOrientation, &AppSettings::AutoOrientation},
    {&setting::StretchImageToPage, &AppSettings::StretchImageToPage},
    // 5. Printer margins, stored as decimal texts.
    {&setting::TopBottomMargin, &AppSettings::TopBottomMargin},
    {&setting::LeftRightMargin, &AppSettings::LeftRightMargin},
    // 6. Layout choices.
    {&setting::FullPageTemplateSel, &AppSettings::FullPageTemplateSel},
    {&setting::StartupWithWizard, &AppSettings::StartupWithWizard},
    {&setting::TopPageStyle, &AppSettings::TopPageStyle},
    {&setting::BottomPageStyle, &AppSettings::BottomPageStyle},
    {&setting::PhotoBorder, &AppSettings::PhotoBorder},
    {&setting::UserWidth, &AppSettings::UserWidth},
    {&setting::UserHeight, &AppSettings::UserHeight},
    {&setting::PhotoGridOnly, &AppSettings::PhotoGridOnly},
    {&setting::PhotosOnly, &AppSettings::PhotosOnly},
    {&setting::UseSingleImage, &AppSettings::UseSingleImage},
    {&setting::PageResolution, &AppSettings::PageResolution},
    {&setting::UseTextLogo, &AppSettings::UseTextLogo},
    {&setting::UseImageLogo, &AppSettings::UseImageLogo},
    {&setting::PhotoLighten, &AppSettings::PhotoLighten},
    {&setting::PhotoDarken, &AppSettings::PhotoDarken},
    {&setting::PhotoSharpen, &AppSettings::PhotoSharpen},
    {&setting::PhotoSoften, &AppSettings::PhotoSoften},
    {&setting::AutoCropOn, &AppSettings::AutoCropOn},
    {&setting::CropTop, &AppSettings::CropTop},
    {&setting::CropBottom, &AppSettings::CropBottom},
    {&setting::CropLeft, &AppSettings::CropLeft},
    {&setting::CropRight, &AppSettings::CropRight},
    {&setting::CutMarks, &AppSettings::CutMarks},
    {&setting::KeepFacesInFrame, &AppSettings::KeepFacesInFrame},
    {&setting::ActivateHistogram, &AppSettings::ActivateHistogram},
    {&setting::LogFormat, &AppSettings::LogFormat},
    {&setting::RedChannel, &AppSettings::RedChannel},
    {&setting::GreenChannel, &AppSettings::GreenChannel},
    {&setting::BlueChannel, &AppSettings::BlueChannel},
    {&setting::GrayChannel, &AppSettings::GrayChannel},
    {&setting::MaxPageWidthIn, &AppSettings::MaxPageWidthIn},
    {&setting::MaxPageHeightIn, &AppSettings::MaxPageHeightIn},
    {&setting::MaxTemplateWidthIn, &AppSettings::MaxTemplateWidthIn},
    {&setting::MaxTemplateHeightIn, &AppSettings::MaxTemplateHeightIn},
    // 7. The derived sizes are computed here; 8. the layout colours.
    {&setting::LayoutGridColor, &AppSettings::LayoutGridColor},
    {&setting::FilmTextColor, &AppSettings::FilmTextColor},
    {&setting::FilmStripBkgndCol, &AppSettings::FilmStripBkgndCol},
    {&setting::FilmStripOutlineCol, &AppSettings::FilmStripOutlineCol},
};

// Members that are written but never loaded.
const Binding kWrittenOnly[] = {
    {&setting::GrayscalePhotos, &AppSettings::GrayscalePhotos},
    {&setting::NegativeImage, &AppSettings::NegativeImage},
    {&setting::EmbossPhoto, &AppSettings::EmbossPhoto},
};

const Binding* bindingFor(const SettingKey& key) {
    for (const Binding& b : kLoadOrder)
        if (b.key == &key) return &b;
    for (const Binding& b : kWrittenOnly)
        if (b.key == &key) return &b;
    return nullptr;
}

void readInto(AppSettings& a, SettingsStore& s, const Binding& b, const QString& textDefault) {
    const SettingKey& key = *b.key;
    switch (key.encoding) {
        case SettingEncoding::Integer:
            a.*std::get<int AppSettings::*>(b.field) = readSettingInt(s, key);
            break;
        case SettingEncoding::Colour:
            a.*std::get<int AppSettings::*>(b.field) = colorFromText(readSettingText(s, key));
            break;
        case SettingEncoding::Text:
            a.*std::get<QString AppSettings::*>(b.field) = readSettingText(s, key, textDefault);
            break;
        case SettingEncoding::Decimal:
            a.*std::get<float AppSettings::*>(b.field) = decimalFromText(readSettingText(s, key));
            break;
        case SettingEncoding::Hundredths:
            a.*std::get<double AppSettings::*>(b.field) = inchesFromHundredths(readSettingInt(s, key));
            break;
    }
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
    for (const Binding& b : kLoadOrder) {
        const SettingKey& key = *b.key;
        if (&key == &setting::LogoFileName) {
            readInto(*this, s, b, picturesDir() + QStringLiteral("/mylogo.bmp"));
        } else if (&key == &setting::BitmapPath) {
            readInto(*this, s, b, QString());
            if (BitmapPath.isEmpty()) {
                const QString productDir = readSettingText(s, setting::ProductDir, installedDataDir());
                BitmapPath = productDir.isEmpty() ? picturesDir() : productDir + QStringLiteral("/Images");
            }
        } else {
            readInto(*this, s, b, key.defaultString());
        }
        if (&key == &setting::MaxTemplateHeightIn) {
            CanvasWidth = canvasPixels(PageResolution, MaxTemplateWidthIn);
            CanvasHeight = canvasPixels(PageResolution, MaxTemplateHeightIn);
            IndexTextHeight = indexTextHeightFor(PageResolution);
        }
    }
    // The filter switches always start off.
    GrayscalePhotos = NegativeImage = EmbossPhoto = LightenPhoto = DarkenPhoto = 0;
}

void AppSettings::write(SettingsStore& s, const SettingKey& key) const {
    const Binding* b = bindingFor(key);
    if (!b) return;
    switch (key.encoding) {
        case SettingEncoding::Integer:
            writeSettingInt(s, key, this->*std::get<int AppSettings::*>(b->field));
            break;
        case SettingEncoding::Colour:
            writeSettingText(s, key, colorToText(this->*std::get<int AppSettings::*>(b->field)));
            break;
        case SettingEncoding::Text:
            writeSettingText(s, key, this->*std::get<QString AppSettings::*>(b->field));
            break;
        case SettingEncoding::Decimal:
            writeSettingDecimal(s, key, this->*std::get<float AppSettings::*>(b->field));
            break;
        case SettingEncoding::Hundredths:
            writeSettingHundredths(s, key, this->*std::get<double AppSettings::*>(b->field));
            break;
    }
}

void AppSettings::writeWindowEnd(SettingsStore& s) const {
    write(s, setting::WelcomeTipStatus);
    write(s, setting::TipIdx);
}

void AppSettings::writeViewEnd(SettingsStore& s, const QString& currentPhoto) const {
    write(s, setting::ImportedAlbum);
    write(s, setting::BitmapPath);
    writeSettingText(s, setting::StartSeqPic, currentPhoto);
    write(s, setting::WatermarkText);
}

void AppSettings::writeLayoutChoices(SettingsStore& s) const {
    for (const SettingKey* key :
         {&setting::FullPageTemplateSel, &setting::TopPageStyle, &setting::BottomPageStyle,
          &setting::PhotoGridOnly, &setting::PhotosOnly, &setting::UseSingleImage, &setting::GrayscalePhotos,
          &setting::NegativeImage, &setting::EmbossPhoto, &setting::CropRight, &setting::CropLeft,
          &setting::CropBottom, &setting::CropTop, &setting::AutoCropOn})
        write(s, *key);
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
    WindowPlacement p;
    p.width = readSettingInt(s, setting::Width, def.width);
    p.height = readSettingInt(s, setting::Height, def.height);
    p.left = readSettingInt(s, setting::TopLeftX, def.left);
    p.top = readSettingInt(s, setting::TopLeftY, def.top);
    // Only the corner is checked; a minimised window stored -32000 there.
    if (p.left < 0 || p.left > screenWidth || p.top < 0 || p.top > screenHeight) return def;
    return p;
}

void writeWindowPlacement(SettingsStore& s, const WindowPlacement& p) {
    writeSettingInt(s, setting::Width, p.width);
    writeSettingInt(s, setting::Height, p.height);
    writeSettingInt(s, setting::TopLeftX, p.left);
    writeSettingInt(s, setting::TopLeftY, p.top);
}
