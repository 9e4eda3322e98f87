#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <algorithm>

#include "app/CSnapvaleApp.h"
#include "app/CSnapvaleDlg.h"
#include "app/SingleInstance.h"
#include "support/FakeSeams.h"
#include "support/TestSupport.h"
#include "ui/AboutWindow.h"

using StartupTest = TempDirTest;

TEST_F(StartupTest, OnlyOneHolderOfTheLock) {
    SingleInstanceLock first(path("run"));
    SingleInstanceLock second(path("run"));
    EXPECT_EQ(first.path(), path("run") + "/{F5FEF561-EFF3-3211-A18D-DCB3CEEF5434}.lock");
    EXPECT_EQ(first.tryAcquire(), SingleInstanceLock::Result::Acquired);
    EXPECT_EQ(second.tryAcquire(), SingleInstanceLock::Result::OtherCopyRunning);
    EXPECT_EQ(first.tryAcquire(), SingleInstanceLock::Result::Acquired);  // still ours
    {
        SingleInstanceLock gone(path("run2"));
        ASSERT_EQ(gone.tryAcquire(), SingleInstanceLock::Result::Acquired);
    }
    SingleInstanceLock after(path("run2"));
    EXPECT_EQ(after.tryAcquire(), SingleInstanceLock::Result::Acquired);
}

TEST_F(StartupTest, LockOfACrashedCopyDoesNotBlock) {
    // A process that has ended: its id is free (or at least not a copy of us).
    QProcess done;
    done.start("/bin/true");
    ASSERT_TRUE(done.waitForFinished());
    const qint64 deadPid = done.processId() ? done.processId() : 999999;
    writeFile("run/" + SingleInstanceLock::lockFileName(),
              QByteArray::number(deadPid > 0 ? deadPid : 999999) + "\nsnapvale\n" +
                  QSysInfo::machineHostName().toUtf8() + "\n");
    SingleInstanceLock next(path("run"));
    EXPECT_EQ(next.tryAcquire(), SingleInstanceLock::Result::Acquired);
}

TEST_F(StartupTest, SecondCopyTellsAndTouchesNothing) {
    ScriptedNotifier firstNotifier, secondNotifier;
    CSnapvaleApp::Options o;
    o.runtimeDir = path("run");
    o.settingsFile = path("second/Snapvale.conf");
    o.notifier = &firstNotifier;
    CSnapvaleApp first(o);
    ASSERT_TRUE(first.claimSingleCopy());

    o.notifier = &secondNotifier;
    CSnapvaleApp second(o);
    EXPECT_FALSE(second.claimSingleCopy());
    ASSERT_EQ(secondNotifier.shown.size(), 1u);
    EXPECT_EQ(secondNotifier.shown[0].title, "Snapvale Error: Duplicate Copy");
    EXPECT_EQ(secondNotifier.shown[0].text, "Application already running!");
    EXPECT_EQ(secondNotifier.shown[0].kind, MessageKind::Error);
    EXPECT_EQ(second.mainWindow(), nullptr);
    EXPECT_EQ(second.store(), nullptr);
    EXPECT_FALSE(QFileInfo::exists(path("second/Snapvale.conf")));
    EXPECT_TRUE(firstNotifier.shown.empty());
}

TEST_F(StartupTest, StartShowsTheWindowAndTheAboutWindow) {
    ScriptedNotifier notifier;
    CSnapvaleApp::Options o;
    o.runtimeDir = path("run");
    o.settingsFile = path("cfg/Snapvale.conf");
    o.startFolder = dirPath();
    o.notifier = &notifier;
    {
        CSnapvaleApp app(o);
        ASSERT_TRUE(app.claimSingleCopy());
        app.start();
        ASSERT_NE(app.mainWindow(), nullptr);
        EXPECT_TRUE(app.mainWindow()->isVisible());
        EXPECT_EQ(app.mainWindow()->windowTitle(), "Snapvale");
        ASSERT_NE(app.mainWindow()->aboutWindow(), nullptr);
        EXPECT_TRUE(app.mainWindow()->aboutWindow()->isVisible());
    }
    // The end writes reached the file the program was given, and nothing else.
    SettingsStore reread(path("cfg/Snapvale.conf"));
    EXPECT_EQ(reread.readString("Config", "BitmapPath", ""), dirPath());
}

namespace {
// Notes, for each plain box, whether the About window was on screen when it came.
class AboutWatchingNotifier : public ScriptedNotifier {
public:
    std::vector<bool> aboutShown;
    int plain(const QString& title, const QString& text, MessageIcon icon,
              const QStringList& buttons) override {
        bool shown = false;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<AboutWindow*>(w) && w->isVisible()) shown = true;
        aboutShown.push_back(shown);
        return ScriptedNotifier::plain(title, text, icon, buttons);
    }
};
}  // namespace

TEST_F(StartupTest, TheAboutWindowIsUpWhileTheWindowReadsItsFirstFolder) {
    // The crop warning comes at the end of building the window, after the first folder
    // was read: the start-up screen must be there by then.
    {
        SettingsStore settings(path("cfg/Snapvale.conf"));
        settings.writeInt("PhotoPageLayout", "AutoCropOn", 0);
        settings.writeInt("Option", "StartupWithWizard", 0);
    }
    AboutWatchingNotifier notifier;
    CSnapvaleApp::Options o;
    o.runtimeDir = path("run");
    o.settingsFile = path("cfg/Snapvale.conf");
    o.startFolder = dirPath();
    o.notifier = &notifier;
    CSnapvaleApp app(o);
    ASSERT_TRUE(app.claimSingleCopy());
    app.start();
    ASSERT_FALSE(notifier.aboutShown.empty());
    EXPECT_TRUE(notifier.aboutShown.front());
    ASSERT_NE(app.mainWindow()->aboutWindow(), nullptr);
    EXPECT_TRUE(app.mainWindow()->aboutWindow()->isVisible());
    const QWidgetList windows = QApplication::topLevelWidgets();
    EXPECT_EQ(std::count_if(windows.begin(), windows.end(),
                            [](QWidget* w) { return qobject_cast<AboutWindow*>(w) != nullptr; }),
              1)
        << "one About window, shown again by Help > About";
}
