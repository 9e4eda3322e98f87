#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QCheckBox>
#include <QEnterEvent>
#include <QTest>

#include "ModalScript.h"
#include "core/AppSettings.h"
#include "support/FakeSeams.h"
#include "support/TestSupport.h"
#include "ui/smalldialogs/HyperlinkLabel.h"
#include "ui/smalldialogs/UserPageSizeDialog.h"
#include "ui/smalldialogs/ValuePrompt.h"
#include "ui/smalldialogs/WelcomeTipsDialog.h"

namespace {
const QString kUrl = QStringLiteral("https://example.org/snapvale");
}

TEST(HyperlinkLabel, AClickOpensTheUrlAndAFailureIsTold) {
    ScriptedNotifier notifier;
    RecordingLauncher launcher;
    HyperlinkLabel link("Snapvale on the web", kUrl, launcher, notifier);
    link.show();
    EXPECT_EQ(link.cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(&link, Qt::LeftButton);
    EXPECT_EQ(launcher.urls, QStringList({kUrl}));
    EXPECT_TRUE(notifier.shown.empty());

    launcher.urlsOpen = false;
    link.setFocus();
    QTest::keyClick(&link, Qt::Key_Space);
    EXPECT_EQ(launcher.urls.size(), 2);
    ASSERT_EQ(notifier.shown.size(), 1u);
    EXPECT_EQ(notifier.shown[0].text,
              "Unable to open hyperlink:\n\nThere is no application associated\nwith the given filename "
              "extension.");
    EXPECT_EQ(notifier.shown[0].icon, MessageIcon::Exclamation);
}

TEST(HyperlinkLabel, HoverIsTrackedAndRedrawn) {
    ScriptedNotifier notifier;
    RecordingLauncher launcher;
    HyperlinkLabel link("Snapvale on the web", kUrl, launcher, notifier);
    link.show();
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(&link, &enter);
    EXPECT_TRUE(link.isHovered());
    EXPECT_TRUE(link.font().underline());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&link, &leave);
    EXPECT_FALSE(link.isHovered());
    EXPECT_FALSE(link.font().underline());
}

TEST(HyperlinkLabel, AScreenReaderFindsAPressableLink) {
    ScriptedNotifier notifier;
    RecordingLauncher launcher;
    HyperlinkLabel link("Snapvale on the web", kUrl, launcher, notifier);
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&link);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::Link);
    EXPECT_EQ(a->text(QAccessible::Name), "Snapvale on the web");
    ASSERT_NE(a->actionInterface(), nullptr);
    a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(launcher.urls, QStringList({kUrl}));
}

// Every control of every small dialog can be found by its name through the
// accessibility interface and reached from the keyboard.
class SmallDialogsAccessTest : public TempDirTest {};

TEST_F(SmallDialogsAccessTest, EveryControlHasANameAndTakesTheFocus) {
    AppSettings settings;
    ScriptedNotifier notifier;
    RecordingLauncher launcher;
    WelcomeTipsDialog tips(settings, store(), notifier, launcher, path("html"));
    ValuePromptDialog prompt(notifier, "Lighten Images", 50);
    UserPageSizeDialog pageSize(settings, store(), notifier);
    for (QDialog* dialog : std::initializer_list<QDialog*>{&tips, &prompt, &pageSize}) {
        int controls = 0;
        for (QWidget* w : dialog->findChildren<QWidget*>()) {
            if (w->focusPolicy() == Qt::NoFocus || !w->isVisibleTo(dialog)) continue;
            ++controls;
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            ASSERT_NE(a, nullptr);
            EXPECT_FALSE(a->text(QAccessible::Name).trimmed().isEmpty())
                << dialog->windowTitle().toStdString() << ": " << w->metaObject()->className();
            EXPECT_TRUE(w->focusPolicy() & Qt::TabFocus) << w->metaObject()->className();
        }
        EXPECT_GE(controls, 4) << dialog->windowTitle().toStdString();
    }
}
