#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>
#include <clocale>
#include <string>

#include "ModalScript.h"
#include "core/AppSettings.h"
#include "core/SettingsTable.h"
#include "support/FakeSeams.h"
#include "support/TestSupport.h"
#include "ui/smalldialogs/UserPageSizeDialog.h"

namespace {
class UserPageSizeTest : public TempDirTest {
protected:
    AppSettings settings;  // 5 x 7 inches
    ScriptedNotifier notifier;

    int stored(const SettingKey& key) { return readSettingInt(store(), key, -1); }

    // Types into a field as a person would, over what it held.
    static void type(QLineEdit* field, const QString& text) {
        field->setFocus(Qt::TabFocusReason);
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }
};
}  // namespace

TEST_F(UserPageSizeTest, HeightsInsideTheBoundsAreStoredAtOnce) {
    const QString heightMessage = QStringLiteral(
        "The page height value must be between 1.00 and 40.00 inches.\nThe value %1 is out of range and will "
        "be "
        "ignored.");
    struct Case {
        const char* typed;
        int stored;  // -1: refused
        const char* shown;
    } cases[] = {
        {"40", -1, "40.00"}, {"39.99", 3999, ""}, {"1.0", -1, "1.00"}, {"1.005", 100, ""}, {"", -1, "0.00"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        notifier.shown.clear();
        writeSettingInt(store(), setting::UserHeight, 700);
        settings.UserHeight = 7.0;
        bool stayedOpen = false;
        ModalScript<UserPageSizeDialog> script([&](UserPageSizeDialog& d) {
            EXPECT_EQ(d.heightField()->text(), "7.00");
            type(d.heightField(), c.typed);
            // Clicking OK moves the focus there first, which checks the field.
            QTest::mouseClick(d.okButton(), Qt::LeftButton);
            stayedOpen = d.isVisible();
            if (stayedOpen) {
                EXPECT_EQ(d.heightField()->text(), "7.00");
                QTest::mouseClick(d.okButton(), Qt::LeftButton);  // the swallowed OK is spent
            }
        });
        EXPECT_TRUE(RunUserPageSize(nullptr, settings, store(), notifier));
        if (c.stored < 0) {
            EXPECT_TRUE(stayedOpen);
            ASSERT_EQ(notifier.shown.size(), 1u);
            EXPECT_TRUE(notifier.shown[0].plain);
            EXPECT_EQ(notifier.shown[0].text, heightMessage.arg(c.shown));
            EXPECT_EQ(stored(setting::UserHeight), 700);
            EXPECT_EQ(settings.UserHeight, 7.0);
        } else {
            EXPECT_FALSE(stayedOpen);
            EXPECT_TRUE(notifier.shown.empty());
            EXPECT_EQ(stored(setting::UserHeight), c.stored);
            EXPECT_DOUBLE_EQ(settings.UserHeight, QString(c.typed).toDouble());
        }
    }
}

TEST_F(UserPageSizeTest, ARefusalSwallowsTheNextOkWhereverTheFocusWent) {
    ModalScript<UserPageSizeDialog> script([this](UserPageSizeDialog& d) {
        type(d.widthField(), "0.5");
        QTest::keyClick(d.widthField(), Qt::Key_Tab);
        ASSERT_EQ(notifier.shown.size(), 1u);
        EXPECT_EQ(
            notifier.shown[0].text,
            "The page width value must be between 1.00 and 40.00 inches.\nThe value 0.50 is out of range "
            "and will be ignored.");
        EXPECT_EQ(d.widthField()->text(), "5.00");
        EXPECT_TRUE(d.heightField()->hasFocus());
        d.okButton()->click();  // swallowed
        EXPECT_TRUE(d.isVisible());
        d.okButton()->click();
    });
    EXPECT_TRUE(RunUserPageSize(nullptr, settings, store(), notifier));
    EXPECT_EQ(stored(setting::UserWidth), -1);
    EXPECT_EQ(settings.UserWidth, 5.0);
}

TEST_F(UserPageSizeTest, EnterInAFieldChecksItBeforeClosing) {
    ModalScript<UserPageSizeDialog> script([this](UserPageSizeDialog& d) {
        type(d.heightField(), "45");
        QTest::keyClick(d.heightField(), Qt::Key_Return);
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(notifier.shown.size(), 1u);
        type(d.heightField(), "12.5");
        QTest::keyClick(d.heightField(), Qt::Key_Return);  // this one is taken and closes
    });
    EXPECT_TRUE(RunUserPageSize(nullptr, settings, store(), notifier));
    EXPECT_EQ(stored(setting::UserHeight), 1250);
    EXPECT_EQ(notifier.shown.size(), 1u);

    ModalScript<UserPageSizeDialog> cancel([](UserPageSizeDialog& d) {
        type(d.widthField(), "8");
        QTest::keyClick(d.widthField(), Qt::Key_Tab);
        QTest::keyClick(&d, Qt::Key_Escape);
    });
    EXPECT_FALSE(RunUserPageSize(nullptr, settings, store(), notifier));
    EXPECT_EQ(stored(setting::UserWidth), 800);  // taken when the field was left, Cancel or not
}

TEST_F(UserPageSizeTest, CommaDecimalLocale) {
    const std::string before = setlocale(LC_ALL, nullptr);
    if (!setlocale(LC_ALL, "de_DE.UTF-8")) {
        if (qEnvironmentVariableIsSet("SNAPVALE_REQUIRE_LOCALE")) FAIL() << "de_DE.UTF-8 is not installed";
        GTEST_SKIP() << "de_DE.UTF-8 is not installed";
    }
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ModalScript<UserPageSizeDialog> script([this](UserPageSizeDialog& d) {
        EXPECT_EQ(d.widthField()->text(), "5.00");
        type(d.widthField(), "8.5");  // the point still means what it means everywhere else here
        type(d.heightField(), "39,99");
        d.okButton()->setFocus(Qt::TabFocusReason);
        type(d.heightField(), "40,5");
        d.okButton()->setFocus(Qt::TabFocusReason);
        d.okButton()->click();
        d.okButton()->click();
    });
    const bool ok = RunUserPageSize(nullptr, settings, store(), notifier);
    QLocale::setDefault(previous);
    setlocale(LC_ALL, before.c_str());
    EXPECT_TRUE(ok);
    EXPECT_EQ(stored(setting::UserWidth), 850);
    EXPECT_EQ(stored(setting::UserHeight), 3999);
    ASSERT_EQ(notifier.shown.size(), 1u);
    EXPECT_TRUE(notifier.shown[0].text.contains("between 1.00 and 40.00 inches.\nThe value 40.50 is out"));
}
