// The slot statistics dialog driven through its own controls on the offscreen
// platform, and the main window's way into it.

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

#include "core/CommandIds.h"
#include "core/SettingsTable.h"
#include "gui/GuiFixture.h"
#include "layout/PageSetup.h"
#include "smalldialogs/ModalScript.h"
#include "ui/slotstats/CSlotStatsDlg.h"

using namespace slot_stats;

namespace {

class SlotStatsDialogTest : public TempDirTest {
protected:
    void SetUp() override {
        TempDirTest::SetUp();
        doc = std::make_unique<PrintDocument>(store());
        chooseFullPageTemplate(doc->settings(), nullptr, QStringLiteral("Three 4 x 6 Prints"));
        choosePageResolution(doc->settings(), nullptr, 20);
        const QColor colours[] = {Qt::white, Qt::red, Qt::green, Qt::blue};
        for (int i = 0; i < 4; ++i) {
            QImage photo(100 + 10 * i, 50, QImage::Format_RGB32);
            photo.fill(colours[i]);
            photos << path(QStringLiteral("p%1.png").arg(i));
            photo.save(photos.last());
        }
        fakes.printer.name = "Office Laser";
        doc->setImageList(photos);
        doc->setServices(fakes.services(&store()));
        doc->ensurePage();
    }
    CSlotStatsDlg& open(const QString& helpDir = QString()) {
        dialog = std::make_unique<CSlotStatsDlg>(*doc, fakes.services(&store()), helpDir);
        return *dialog;
    }
    int storedInt(const SettingKey& key) { return readSettingInt(store(), key, -999); }
    // The colour drawn at a point of the photo area, histogram included.
    QColor drawnAt(const QPoint& at) { return dialog->photoArea()->grab().toImage().pixelColor(at); }

    FakeServices fakes;
    std::unique_ptr<PrintDocument> doc;
    std::unique_ptr<CSlotStatsDlg> dialog;
    QStringList photos;
};

TEST_F(SlotStatsDialogTest, OneSlotHidesTheArrowsAndThreeSlotsWrapBothWays) {
    chooseFullPageTemplate(doc->settings(), nullptr, QStringLiteral("One 8 x 10 Print"));
    doc->dropPage();
    doc->ensurePage();
    CSlotStatsDlg& one = open();
    EXPECT_TRUE(one.nextSlotButton()->isHidden());
    EXPECT_FALSE(one.previousSlotButton()->isEnabled());

    chooseFullPageTemplate(doc->settings(), nullptr, QStringLiteral("Three 4 x 6 Prints"));
    doc->dropPage();
    doc->ensurePage();
    CSlotStatsDlg& three = open();
    EXPECT_FALSE(three.nextSlotButton()->isHidden());
    EXPECT_TRUE(three.previousSlotButton()->isEnabled());
    const struct {
        QAbstractButton* button;
        int slot;
    } steps[] = {{three.previousSlotButton(), 3},
                 {three.nextSlotButton(), 1},
                 {three.nextSlotButton(), 2},
                 {three.nextSlotButton(), 3},
                 {three.nextSlotButton(), 1}};
    for (const auto& step : steps) {
        step.button->click();
        EXPECT_EQ(three.currentSlot(), step.slot);
        EXPECT_TRUE(three.statisticsText().contains(QStringLiteral("Slot# (%1 of 3)").arg(step.slot)));
        EXPECT_TRUE(three.statisticsText().contains("File: " + photos[step.slot - 1]));
    }
}

TEST_F(SlotStatsDialogTest, AllChannelsOffSwitchTheHistogramOffAndOnBringsThemBack) {
    CSlotStatsDlg& d = open();
    for (Channel c : {Red, Green, Blue, Gray}) {
        ASSERT_TRUE(d.histogramBox()->isChecked()) << "still on before channel " << c;
        d.channelBox(c)->click();
    }
    EXPECT_FALSE(d.histogramBox()->isChecked());
    EXPECT_EQ(d.histogramBox()->text(), "Off");
    EXPECT_FALSE(d.channelBox(Gray)->isEnabled());
    EXPECT_FALSE(d.logFormat()->isEnabled());
    EXPECT_TRUE(d.histogramView()->isHidden());
    EXPECT_EQ(storedInt(setting::ActivateHistogram), 0);

    d.histogramToggle()->click();  // flips the box, then acts as the box
    EXPECT_EQ(d.histogramBox()->text(), "On");
    for (Channel c : {Red, Green, Blue, Gray}) EXPECT_TRUE(d.channelBox(c)->isChecked()) << c;
    EXPECT_EQ(storedInt(setting::ActivateHistogram), 1);
    EXPECT_EQ(storedInt(setting::GrayChannel), 1);
}

TEST_F(SlotStatsDialogTest, EachSwitchIsWrittenWhenItChangesAndReadBackAtTheNextOpening) {
    CSlotStatsDlg& d = open();
    const struct {
        QAbstractButton* control;
        const SettingKey& key;
        int stored;
    } changes[] = {{d.logFormat(), setting::LogFormat, 1},
                   {d.channelBox(Red), setting::RedChannel, 0},
                   {d.channelBox(Blue), setting::BlueChannel, 0},
                   {d.histogramToggle(), setting::ActivateHistogram, 0},
                   {d.histogramBox(), setting::ActivateHistogram, 1},
                   {d.channelBox(Green), setting::GreenChannel, 0},
                   {d.linearFormat(), setting::LogFormat, 0},
                   {d.logFormat(), setting::LogFormat, 1}};
    for (const auto& c : changes) {
        c.control->click();
        EXPECT_EQ(storedInt(c.key), c.stored) << c.key.name;
    }
    EXPECT_EQ(storedInt(setting::RedChannel), 1) << "switching the histogram on brought red back";

    CSlotStatsDlg& again = open();
    EXPECT_TRUE(again.logFormat()->isChecked());
    EXPECT_FALSE(again.channelBox(Green)->isChecked());
    EXPECT_TRUE(again.channelBox(Gray)->isChecked());
}

// The white 100 x 50 photo of slot 1: the curves end at the top of the scale, the
// one drawn last on top, and switching curves or scales never reads the file again.
TEST_F(SlotStatsDialogTest, CurvesAreDrawnInChannelOrderFromOneCount) {
    CSlotStatsDlg& d = open();
    d.show();
    ASSERT_EQ(d.histograms().maximum, 5000);
    const HistogramGeometry g = histogramGeometry(d.photoArea()->width(), 0);
    const QPoint lastBin(g.inner.left() + 190, g.inner.top() + 9);
    const struct {
        QAbstractButton* control;
        QColor top;
    } steps[] = {{nullptr, QColor(64, 64, 64)},
                 {d.channelBox(Gray), QColor(0, 0, 222)},
                 {d.logFormat(), QColor(0, 0, 222)},
                 {d.channelBox(Blue), QColor(0, 222, 0)},
                 {d.channelBox(Green), QColor(222, 0, 0)}};
    for (const auto& step : steps) {
        if (step.control) step.control->click();
        EXPECT_EQ(drawnAt(lastBin), step.top)
            << (step.control ? step.control->accessibleName().toStdString() : "");
    }
    EXPECT_EQ(d.photoLoads(), 1);
    EXPECT_TRUE(d.histogramView()->accessibleDescription().contains("5000"));
}

TEST_F(SlotStatsDialogTest, WithTheHistogramOffThePhotoIsCountedOnlyWhenItIsSwitchedOn) {
    doc->settings().ActivateHistogram = 0;
    CSlotStatsDlg& d = open();
    EXPECT_TRUE(d.photo().IsRasterLoaded());
    EXPECT_FALSE(d.histograms().counted());
    EXPECT_EQ(d.statusLabelText(), "Original Photo");
    d.histogramBox()->click();
    EXPECT_EQ(d.histograms().maximum, 5000);
    EXPECT_EQ(d.photoLoads(), 1);
}

TEST_F(SlotStatsDialogTest, ShowingASlotSetsTheZoomModeAndTheDialogDrawsTheNextPage) {
    doc->setZoomMode(false);
    CSlotStatsDlg& d = open();
    EXPECT_TRUE(doc->zoomMode());
    d.nextSlot();
    doc->setZoomMode(false);
    d.drawNextPageButton()->click();
    EXPECT_TRUE(doc->zoomMode()) << "the page step leaves it, the first slot shown sets it again";
    EXPECT_EQ(d.currentSlot(), 1);
    EXPECT_EQ(doc->report().firstFile, photos[3]);
    EXPECT_TRUE(d.statisticsText().contains("File: " + photos[3]));
    int w = 0, h = 0;
    d.photo().GetPixelSize(w, h);
    EXPECT_EQ(w, 130) << "the new page's first photo, not the old one";
    EXPECT_FALSE(d.previewImage().isNull());
    EXPECT_EQ(d.windowTitle(), "Photo Page Layout: Three 4 x 6 Prints - Printer: Office Laser");

    doc->setZoomMode(false);
    d.drawPreviousPageButton()->click();
    EXPECT_TRUE(doc->zoomMode());
    EXPECT_TRUE(d.statisticsText().contains("File: " + doc->report().slots[1].fileName + "\n"));
}

TEST_F(SlotStatsDialogTest, AMissingPhotoLeavesTheAreaEmptyAndIsNotReadAgainForEveryRedraw) {
    doc->setImageList({path("gone.jpg")});
    doc->ensurePage();
    CSlotStatsDlg& d = open();
    EXPECT_TRUE(d.photo().IsEmpty());
    EXPECT_TRUE(d.histogramView()->isHidden());
    EXPECT_TRUE(d.statisticsText().contains("File: " + path("gone.jpg")));
    d.channelBox(Red)->click();
    d.logFormat()->click();
    EXPECT_EQ(d.photoLoads(), 1);
}

TEST_F(SlotStatsDialogTest, HelpOpensItsPageAndIsOffWithoutTheHelpFolder) {
    EXPECT_FALSE(open(path("nohelp")).helpButton()->isEnabled());
    QDir().mkpath(path("html"));
    writeFile("html/CSlotStatsDlg.htm", "<html></html>");
    CSlotStatsDlg& d = open(path("html"));
    ASSERT_TRUE(d.helpButton()->isEnabled());
    d.helpButton()->click();
    EXPECT_EQ(fakes.launcher.opened, QStringList{path("html") + "/CSlotStatsDlg.htm"});
}

TEST_F(SlotStatsDialogTest, TabVisitsEveryControlAndEachHasANameAndATooltip) {
    CSlotStatsDlg& d = open();
    QWidget* const expected[] = {d.previousSlotButton(), d.nextSlotButton(), d.statisticsView(),
                                 d.histogramToggle(),    d.histogramBox(),   d.logFormat(),
                                 d.linearFormat(),       d.channelBox(Red),  d.channelBox(Green),
                                 d.channelBox(Blue),     d.channelBox(Gray), d.drawPreviousPageButton(),
                                 d.drawNextPageButton(), d.helpButton(),     d.okButton()};
    QWidget* w = expected[0];
    for (QWidget* next : expected) {
        EXPECT_EQ(w, next) << next->accessibleName().toStdString();
        EXPECT_FALSE(next->accessibleName().isEmpty());
        EXPECT_FALSE(next->toolTip().isEmpty()) << next->accessibleName().toStdString();
        w = w->nextInFocusChain();
        while (w->focusPolicy() == Qt::NoFocus) w = w->nextInFocusChain();
    }
    for (QWidget* shown : {d.photoArea(), d.histogramView(), d.pagePreview()}) {
        EXPECT_FALSE(shown->accessibleName().isEmpty());
        EXPECT_FALSE(shown->toolTip().isEmpty());
    }
    EXPECT_EQ(d.logFormat()->text(), "&Log Format");
    EXPECT_EQ(d.channelBox(Gray)->text(), "Gr&ay Channel");
}

class SlotStatsWindowTest : public MainWindowTest {};

TEST_F(SlotStatsWindowTest, TheDetailsCommandOpensTheDialogOnThePageShown) {
    CSnapvaleDlg& w = open();
    w.runCommand(cmd::SlotStatistics);
    EXPECT_TRUE(notifier.texts().contains("Your image list is empty!"));

    w.document().setImageList({"/nowhere/a.jpg", "/nowhere/b.jpg"});
    int slots = -1;
    ModalScript<CSlotStatsDlg> script([&](CSlotStatsDlg& d) {
        slots = d.slotCount();
        d.okButton()->click();
    });
    w.runCommand(cmd::SlotStatistics);
    EXPECT_EQ(slots, w.document().report().slotCount);
    EXPECT_GT(slots, 0);
    EXPECT_TRUE(w.document().zoomMode());
}

}  // namespace
