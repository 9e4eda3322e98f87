#include <QFile>
#include <QSettings>
#include <clocale>
#include <string>

#include "core/AppServices.h"
#include "core/AppSettings.h"
#include "core/SettingsTable.h"
#include "support/FakeSeams.h"
#include "support/TestSupport.h"

using namespace settings_codec;

namespace {
// Records the order of reads and writes while still keeping values.
class LoggingStore : public SettingsStore {
public:
    using SettingsStore::SettingsStore;
    QStringList log;
    int readInt(const QString& s, const QString& n, int d) override {
        log << s + "/" + n;
        return SettingsStore::readInt(s, n, d);
    }
    QString readString(const QString& s, const QString& n, const QString& d) override {
        log << s + "/" + n;
        return SettingsStore::readString(s, n, d);
    }
    void writeInt(const QString& s, const QString& n, int v) override {
        log << "w:" + s + "/" + n;
        SettingsStore::writeInt(s, n, v);
    }
    void writeString(const QString& s, const QString& n, const QString& v) override {
        log << "w:" + s + "/" + n;
        SettingsStore::writeString(s, n, v);
    }
};
}  // namespace

using SettingsTest = TempDirTest;

TEST_F(SettingsTest, EmptyStoreGivesEveryDefault) {
    AppSettings s;
    s.load(store());
    EXPECT_EQ(s.FullPageTemplateSel, "Index Sheet (Negative Strip) - 9 Prints");
    EXPECT_EQ(s.PageResolution, 200);
    EXPECT_EQ(s.CanvasWidth, 1600);
    EXPECT_EQ(s.CanvasHeight, 2000);
    EXPECT_EQ(s.IndexTextHeight, 25);
    EXPECT_EQ(s.WatermarkText, "Your Name Here");
    EXPECT_EQ(s.LogoTextColorref, 16711680);
    EXPECT_EQ(s.GradEndColorref, rgbColor(0x40, 0, 0x80));
    EXPECT_EQ(s.LayoutGridColor, rgbColor(0x18, 0x4A, 0xB6));
    EXPECT_EQ(s.FilmStripBkgndCol, rgbColor(0x6C, 0x56, 0x35));
    EXPECT_EQ(s.PhotoDarken, -25);
    EXPECT_EQ(s.TopPageStyle, 125);
    EXPECT_EQ(s.BottomPageStyle, 129);
    EXPECT_DOUBLE_EQ(s.MaxPageWidthIn, 8.5);
    EXPECT_DOUBLE_EQ(s.MaxPageHeightIn, 11.0);
    EXPECT_DOUBLE_EQ(s.UserWidth, 5.0);
    EXPECT_FLOAT_EQ(s.TopBottomMargin, 0.0f);
    EXPECT_EQ(s.StartupWithWizard, 1);
    EXPECT_EQ(s.ApplyExifOrientation, 1);
    EXPECT_EQ(s.ColorManagePhotos, 1);
    EXPECT_EQ(s.CutMarks, 0);
    EXPECT_EQ(s.KeepFacesInFrame, 0);
    EXPECT_TRUE(s.LogoFileName.endsWith("/mylogo.bmp"));
    // Loading writes nothing: the file does not even appear.
    EXPECT_FALSE(QFile::exists(store().filePath()));
}

TEST_F(SettingsTest, BitmapPathComesFromProductDirOrPictures) {
    AppSettings a;
    store().writeString("Install", "ProductDir", "/opt/snapvale/share");
    a.load(store());
    EXPECT_EQ(a.BitmapPath, "/opt/snapvale/share/Images");

    store().writeString("Install", "ProductDir", "");
    AppSettings b;
    b.load(store());
    // No product folder: the user's Pictures folder (test mode keeps it under the test home).
    EXPECT_FALSE(b.BitmapPath.isEmpty());
    EXPECT_FALSE(b.BitmapPath.endsWith("/Images"));

    store().writeString("Config", "BitmapPath", "/photos/trip");
    AppSettings c;
    c.load(store());
    EXPECT_EQ(c.BitmapPath, "/photos/trip");
}

TEST_F(SettingsTest, StoredEncodingsReadBack) {
    store().writeInt("PhotoPageLayout", "UserWidth", 809);
    store().writeString("Config", "LogoColorref", "not a colour");
    store().writeString("Config", "LogoTextColorref", "255");
    store().writeString("PhotoPageLayout", "FilmTextColor", "12abc");
    store().writeString("Config", "TopBottomMargin", "0.25");
    store().writeString("Config", "LeftRightMargin", "garbage");
    store().writeInt("PhotoPageLayout", "GrayscalePhotos", 1);
    store().writeInt("PhotoPageLayout", "PageResolution", 300);
    store().writeString("Config", "WatermarkText", "Smith, Jones & Co");
    store().writeInt("PhotoPageLayout", "CutMarks", 1);
    store().writeInt("PhotoPageLayout", "KeepFacesInFrame", 1);
    AppSettings s;
    s.load(store());
    EXPECT_DOUBLE_EQ(s.UserWidth, 809 * 0.01);
    EXPECT_EQ(QString::asprintf("%.2f", s.UserWidth), "8.09");
    EXPECT_EQ(s.LogoColorref, 0);
    EXPECT_EQ(s.LogoTextColorref, 255);
    EXPECT_EQ(s.FilmTextColor, 12);  // like atol: the digits before the junk
    EXPECT_FLOAT_EQ(s.TopBottomMargin, 0.25f);
    EXPECT_FLOAT_EQ(s.LeftRightMargin, 0.0f);
    EXPECT_EQ(s.GrayscalePhotos, 0);  // the filter switches always start off
    EXPECT_EQ(s.IndexTextHeight, 35);
    EXPECT_EQ(s.CanvasWidth, 2400);
    EXPECT_EQ(s.WatermarkText, "Smith, Jones & Co");  // a comma does not split the text
    EXPECT_EQ(s.CutMarks, 1);
    EXPECT_EQ(s.KeepFacesInFrame, 1);
}

TEST(SettingsCodec, Conversions) {
    EXPECT_EQ(hundredthsFromInches(8.105), 810);
    EXPECT_EQ(hundredthsFromInches(8.5), 850);
    EXPECT_EQ(hundredthsFromInches(4.1), 410);  // 409.99999999999994 in binary
    EXPECT_EQ(hundredthsFromInches(10.1), 1010);
    EXPECT_DOUBLE_EQ(inchesFromHundredths(hundredthsFromInches(8.105)), 8.10);
    EXPECT_EQ(colorToText(rgbColor(255, 0, 0)), "255");
    EXPECT_EQ(colorToText(rgbColor(0, 0, 255)), "16711680");
    EXPECT_EQ(colorToText(rgbColor(255, 255, 255)), "16777215");
    EXPECT_EQ(colorFromText("  -5"), -5);
    EXPECT_EQ(decimalToText(0.25f), "0.25");
    EXPECT_EQ(decimalToText(0.0f), "0.00");
    EXPECT_FLOAT_EQ(decimalFromText("1.5in"), 1.5f);
    EXPECT_EQ(AppSettings::indexTextHeightFor(100), 15);
    EXPECT_EQ(AppSettings::indexTextHeightFor(150), 15);
    EXPECT_EQ(AppSettings::indexTextHeightFor(300), 35);
    EXPECT_EQ(AppSettings::indexTextHeightFor(400), 50);
    EXPECT_EQ(AppSettings::canvasPixels(300, 7.5), 2250);
}

TEST_F(SettingsTest, LoadOrderAndEndWrites) {
    LoggingStore s(path("order.conf"));
    AppSettings a;
    a.load(s);
    const QStringList& log = s.log;
    auto at = [&](const QString& key) { return log.indexOf(key); };
    ASSERT_GE(at("Config/BitmapPath"), 0);
    EXPECT_EQ(at("Config/BitmapPath"), 0);
    EXPECT_EQ(at("Install/ProductDir"), 1);
    EXPECT_LT(at("Config/BgndTilePic"), at("Config/StartSeqPic"));
    EXPECT_LT(at("Config/StartSeqPic"), at("PhotoAlbum/ImportedAlbum"));
    EXPECT_LT(at("PhotoAlbum/ImportedAlbum"), at("Config/UseBackgroundImage"));
    EXPECT_LT(at("Config/PreviewCheck"), at("PhotoPageLayout/LogoLocation"));
    EXPECT_EQ(at("Config/ColorManagePhotos"), at("Config/ApplyExifOrientation") + 1);
    EXPECT_LT(at("PhotoPageLayout/LogoLocation"), at("Config/LogoFileName"));
    EXPECT_LT(at("Config/WatermarkText"), at("Config/LogoColorref"));
    EXPECT_LT(at("Config/GradEndColorref"), at("Option/WelcomeTipStatus"));
    EXPECT_LT(at("Option/StretchImageToPage"), at("Config/TopBottomMargin"));
    EXPECT_LT(at("Config/LeftRightMargin"), at("PhotoPageLayout/FullPageTemplateSel"));
    EXPECT_LT(at("PhotoPageLayout/FullPageTemplateSel"), at("Option/StartupWithWizard"));
    EXPECT_LT(at("PhotoPageLayout/MaxTemplateHeightIn"), at("PhotoPageLayout/LayoutGridColor"));
    EXPECT_EQ(log.last(), "PhotoPageLayout/FilmStripOutlineCol");
    // The filter extension switches and the three filter switches are never loaded.
    EXPECT_EQ(at("Config/JpgFilter"), -1);
    EXPECT_EQ(at("PhotoPageLayout/GrayscalePhotos"), -1);

    s.log.clear();
    a.StartSeqPic = "/loaded.jpg";
    a.writeWindowEnd(s);
    a.writeViewEnd(s, "/current.jpg");
    EXPECT_EQ(s.log,
              QStringList({"w:Option/WelcomeTipStatus", "w:Option/TipIdx", "w:PhotoAlbum/ImportedAlbum",
                           "w:Config/BitmapPath", "w:Config/StartSeqPic", "w:Config/WatermarkText"}));
    // The current photo, not the loaded value, is what the next start resumes at.
    EXPECT_EQ(s.SettingsStore::readString("Config", "StartSeqPic", ""), "/current.jpg");
}

TEST_F(SettingsTest, WritesReachTheFileAtOnceAndSurviveReopen) {
    store().writeInt("Window", "Width", 1024);
    store().writeString("Config", "StartSeqPic", "/a b/ü.jpg");
    ASSERT_TRUE(QFile::exists(store().filePath()));
    SettingsStore again(store().filePath());
    EXPECT_EQ(again.readInt("Window", "Width", 0), 1024);
    EXPECT_EQ(again.readString("Config", "StartSeqPic", ""), "/a b/ü.jpg");
    // An integer that is not a number reads like a missing one.
    again.writeString("Window", "Height", "tall");
    EXPECT_EQ(again.readInt("Window", "Height", 77), 77);
}

TEST_F(SettingsTest, MemoryOnlyWritesNeverReachTheFile) {
    store().writeInt("PhotoPageLayout", "PageResolution", 150);
    SettingsStore cli(store().filePath());
    cli.setWritesInMemoryOnly(true);
    cli.writeInt("PhotoPageLayout", "PageResolution", 400);
    EXPECT_EQ(cli.readInt("PhotoPageLayout", "PageResolution", 0), 400);
    SettingsStore reread(store().filePath());
    EXPECT_EQ(reread.readInt("PhotoPageLayout", "PageResolution", 0), 150);
}

TEST_F(SettingsTest, WindowPlacement) {
    const WindowPlacement d = defaultWindowPlacement(1280, 1024);
    EXPECT_EQ(d.left, 127);  // 1280 * 0.1f is just under 128
    EXPECT_EQ(d.width, 1024);
    EXPECT_EQ(d.top, 102);
    EXPECT_EQ(d.height, 819);

    writeWindowPlacement(store(), {800, 600, -32000, -32000});
    const WindowPlacement p = readWindowPlacement(store(), 1280, 1024);
    EXPECT_EQ(p.left, 127);
    EXPECT_EQ(p.width, 1024);

    writeWindowPlacement(store(), {5000, 4000, 1280, 1024});  // on the edge is still on screen
    const WindowPlacement q = readWindowPlacement(store(), 1280, 1024);
    EXPECT_EQ(q.left, 1280);
    EXPECT_EQ(q.width, 5000);  // width and height are not checked
}

TEST(AppServicesTest, VersionAndHelp) {
    EXPECT_EQ(versionLine(), "[v 02.52.15]");
    ScriptedNotifier n;
    RecordingLauncher l;
    EXPECT_FALSE(openHelpTopic("/nonexistent/html", "/Intro.htm", n, l));
    ASSERT_EQ(n.shown.size(), 1u);
    EXPECT_EQ(n.shown[0].text, "Unable to locate context help topic:\n /nonexistent/html/Intro.htm");
    EXPECT_TRUE(l.opened.isEmpty());
    EXPECT_EQ(helpDirectory("/usr/share/snapvale"), "/usr/share/snapvale/html");
    bool ok = false;
    EXPECT_GT(freeDiskSpace("/tmp/does-not-exist/file.jpg", &ok), 0);
    EXPECT_TRUE(ok);
}

TEST(AppServicesTest, PrinterNameFallsBack) {
    FakePrinterBackend none;
    EXPECT_EQ(currentPrinterName(none), "Default Printer");
    none.name = "Office";
    EXPECT_EQ(currentPrinterName(none), "Office");
}

// A comma-decimal locale must change nothing in the stored decimals: the store is
// shared with every other copy of the program whatever their locale.
TEST_F(SettingsTest, DecimalsKeepTheirPointUnderACommaLocale) {
    const std::string before = setlocale(LC_ALL, nullptr);
    if (!setlocale(LC_ALL, "de_DE.UTF-8")) {
        if (qEnvironmentVariableIsSet("SNAPVALE_REQUIRE_LOCALE")) FAIL() << "de_DE.UTF-8 is not installed";
        GTEST_SKIP() << "de_DE.UTF-8 is not installed";
    }
    ASSERT_EQ(std::string(localeconv()->decimal_point), ",");
    store().writeString("Config", "TopBottomMargin", "0.25");
    AppSettings s;
    s.load(store());
    const float loaded = s.TopBottomMargin;
    s.LeftRightMargin = 1.5f;
    s.write(store(), setting::LeftRightMargin);
    const QString written = store().readString("Config", "LeftRightMargin", "");
    const float parsedWithComma = decimalFromText("0,75");
    setlocale(LC_ALL, before.c_str());
    EXPECT_FLOAT_EQ(loaded, 0.25f);
    EXPECT_EQ(written, "1.50");
    EXPECT_FLOAT_EQ(parsedWithComma, 0.0f) << "the store never held commas; atof in the C locale reads 0";
}
