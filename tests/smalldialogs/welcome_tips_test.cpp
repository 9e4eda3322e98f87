#include <QAccessible>
#include <QCheckBox>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "core/AppSettings.h"
#include "core/SettingsTable.h"
#include "gui/GuiFixture.h"
#include "support/FakeSeams.h"
#include "support/TestSupport.h"
#include "ui/smalldialogs/WelcomeTipsDialog.h"

namespace {
const QString kTip0 = QStringLiteral(
    "Welcome to Snapvale 2.50. To review ALL of these helpful tips at once, click on the help button on this "
    "dialog.");
const QString kTip16 =
    QStringLiteral("You can use the Help button at any dialog for context sensitive \"How To\" information.");

class WelcomeTipsTest : public TempDirTest {
protected:
    AppSettings settings;
    ScriptedNotifier notifier;
    RecordingLauncher launcher;
    std::unique_ptr<WelcomeTipsDialog> tips;

    WelcomeTipsDialog& make() {
        tips = std::make_unique<WelcomeTipsDialog>(settings, store(), notifier, launcher, path("html"));
        return *tips;
    }
    int storedTipIdx() { return readSettingInt(store(), setting::TipIdx, -1); }
};
}  // namespace

TEST_F(WelcomeTipsTest, MadeHiddenWithItsTexts) {
    WelcomeTipsDialog& d = make();
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.windowTitle(), "Snapvale Welcome Tips Dialog");
    EXPECT_EQ(d.headingLabel()->text(), "Did You Know...");
    EXPECT_EQ(d.dontShowAgainBox()->text().remove('&'), "Don't display this dialog again");
    EXPECT_EQ(d.nextTipButton()->text().remove('&'), "Next Tip");
    EXPECT_EQ(storedTipIdx(), -1);  // nothing written until a tip shows
}

TEST_F(WelcomeTipsTest, TipIndexWrapsAndIsStoredAfterEveryTip) {
    struct Case {
        int tipIdx;
        bool byButton;  // "Next Tip", else the folder build's call
        QString shown;
        int stored;
    } cases[] = {{16, false, kTip16, 17}, {17, true, kTip0, 1}, {40, true, kTip0, 1}};
    WelcomeTipsDialog& d = make();
    for (const Case& c : cases) {
        settings.TipIdx = c.tipIdx;
        if (c.byButton)
            QTest::mouseClick(d.nextTipButton(), Qt::LeftButton);
        else
            d.showNextTip();
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(d.tipField()->toPlainText(), c.shown) << c.tipIdx;
        EXPECT_EQ(storedTipIdx(), c.stored) << c.tipIdx;
    }
}

TEST_F(WelcomeTipsTest, CheckBoxReadsTheStoreAndClicksFlipTheSetting) {
    // Unlike the start-up load, this read takes 1 when nothing is stored.
    for (auto [stored, checked] : {std::pair{-1, true}, {0, false}, {1, true}}) {
        if (stored >= 0) writeSettingInt(store(), setting::WelcomeTipStatus, stored);
        EXPECT_EQ(make().dontShowAgainBox()->isChecked(), checked) << stored;
    }
    WelcomeTipsDialog& d = make();  // stored 1: checked
    d.show();
    d.dontShowAgainBox()->click();
    EXPECT_EQ(settings.WelcomeTipStatus, 0);
    d.dontShowAgainBox()->click();
    EXPECT_EQ(settings.WelcomeTipStatus, 1);
    d.setDontShowAgain(false);  // the folder build clearing it is no click
    EXPECT_EQ(settings.WelcomeTipStatus, 1);
}

TEST_F(WelcomeTipsTest, HelpAndEscapeOpenTheHelpPageCloseHides) {
    const QString page = writeFile("html/WelcomeTips.htm", "<html></html>");
    WelcomeTipsDialog& d = make();
    d.showNextTip();
    d.activateWindow();
    QTest::mouseClick(d.helpButton(), Qt::LeftButton);
    QTest::keyClick(&d, Qt::Key_Escape);
    EXPECT_EQ(launcher.opened, QStringList({page, page}));
    EXPECT_TRUE(d.isVisible());
    QTest::mouseClick(d.closeButton(), Qt::LeftButton);
    EXPECT_FALSE(d.isVisible());
    EXPECT_TRUE(notifier.shown.empty());

    // The title bar's close box hides the window too, without the help page.
    d.showNextTip();
    d.close();
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(launcher.opened.size(), 2);

    QFile::remove(page);
    d.showNextTip();
    QTest::mouseClick(d.helpButton(), Qt::LeftButton);
    ASSERT_EQ(notifier.shown.size(), 1u);
    EXPECT_EQ(notifier.shown[0].text, "Unable to locate context help topic:\n " + page);
    EXPECT_TRUE(d.isVisible());
}

TEST_F(WelcomeTipsTest, PlacedOverTheStoredMainWindowOrTheScreen) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint untouched = make().pos();
    struct Case {
        int isHidden;
        QRect stored;
        QPoint centre;  // where the window's middle lands; null: it keeps its place
    } cases[] = {
        {0, QRect(100, 50, 700, 500), QPoint(450, 300)},
        {1, QRect(100, 50, 700, 500), screen.center()},
        {0, QRect(100, 50, 100, 500), QPoint()},
    };
    for (const Case& c : cases) {
        writeSettingInt(store(), setting::IsHidden, c.isHidden);
        writeSettingInt(store(), setting::TopLeftX, c.stored.x());
        writeSettingInt(store(), setting::TopLeftY, c.stored.y());
        writeSettingInt(store(), setting::Width, c.stored.width());
        writeSettingInt(store(), setting::Height, c.stored.height());
        WelcomeTipsDialog& d = make();
        if (c.centre.isNull()) {
            EXPECT_EQ(d.pos(), untouched);
        } else {
            const QPoint middle = d.frameGeometry().center();
            EXPECT_LE((middle - c.centre).manhattanLength(), 2)
                << c.isHidden << " " << middle.x() << "," << middle.y();
        }
    }
}

using MainWindowTipsTest = MainWindowTest;

TEST_F(MainWindowTipsTest, TheFirstFolderBuildShowsTheTipsWithTheBoxCleared) {
    CSnapvaleDlg& w = open();
    WelcomeTipsDialog* tips = w.welcomeTips();
    ASSERT_NE(tips, nullptr);
    EXPECT_TRUE(tips->isVisible());
    // Nothing stored makes the box's own read checked; the folder build clears it.
    EXPECT_FALSE(tips->dontShowAgainBox()->isChecked());
    EXPECT_EQ(tips->tipField()->toPlainText(), kTip0);
    EXPECT_EQ(readSettingInt(store(), setting::TipIdx, -1), 1);
    // Ticking the box is written when the main window goes.
    tips->dontShowAgainBox()->click();
    window.reset();
    EXPECT_EQ(readSettingInt(store(), setting::WelcomeTipStatus, -1), 1);

    open();
    EXPECT_FALSE(window->welcomeTips()->isVisible());
    EXPECT_EQ(readSettingInt(store(), setting::TipIdx, -1), 1);
}
