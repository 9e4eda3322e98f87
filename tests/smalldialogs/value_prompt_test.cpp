#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include "ModalScript.h"
#include "support/FakeSeams.h"
#include "ui/smalldialogs/ValuePrompt.h"

namespace {
// The thumb dragged to a position and let go there.
void drag(QSlider* slider, int position, bool release = true) {
    slider->setSliderDown(true);
    slider->setValue(position);
    if (release) slider->setSliderDown(false);
}
}  // namespace

TEST(ValuePrompt, OpensAtThePositionOfTheValue) {
    ScriptedNotifier notifier;
    double value = 25;  // the darken amount of [0, 50]
    ModalScript<ValuePromptDialog> script([](ValuePromptDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Darken Images");
        EXPECT_EQ(d.slider()->value(), 50);
        EXPECT_EQ(d.slider()->minimum(), 0);
        EXPECT_EQ(d.slider()->maximum(), 100);
        EXPECT_EQ(d.slider()->tickInterval(), 10);
        EXPECT_EQ(d.numberField()->text(), "50");
        EXPECT_EQ(d.promptLabel()->text(), "Please enter value between 0 and 100");
        EXPECT_EQ(d.minimumLabel()->text(), "0");
        EXPECT_EQ(d.maximumLabel()->text(), "100");
        d.reject();
    });
    EXPECT_FALSE(AskValue(nullptr, notifier, "Darken Images", 0, 50, value));
    EXPECT_EQ(value, 25);
}

TEST(ValuePrompt, TheCommittedPositionBecomesTheValue) {
    struct Case {
        const char* what;
        std::function<void(ValuePromptDialog&)> change;
        double value;
    } cases[] = {
        {"slider released at 20", [](ValuePromptDialog& d) { drag(d.slider(), 20); }, 10},
        {"typed 30", [](ValuePromptDialog& d) { d.numberField()->setText("30"); }, 15},
        {"typed 7x", [](ValuePromptDialog& d) { d.numberField()->setText("7x"); }, 3.5},
        {"arrow key",
         [](ValuePromptDialog& d) {
             d.slider()->setFocus();
             QTest::keyClick(d.slider(), Qt::Key_Right);
             EXPECT_EQ(d.numberField()->text(), "51");
         },
         25.5},
    };
    for (const Case& c : cases) {
        ScriptedNotifier notifier;
        double value = 25;
        ModalScript<ValuePromptDialog> script([&c](ValuePromptDialog& d) {
            c.change(d);
            QTest::mouseClick(d.okButton(), Qt::LeftButton);
        });
        EXPECT_TRUE(AskValue(nullptr, notifier, "Darken Images", 0, 50, value)) << c.what;
        EXPECT_DOUBLE_EQ(value, c.value) << c.what;
        EXPECT_TRUE(notifier.shown.empty()) << c.what;
    }
}

TEST(ValuePrompt, AnIllegalNumberIsRefusedAndTheFieldReset) {
    ScriptedNotifier notifier;
    double value = 25;
    ModalScript<ValuePromptDialog> script([&notifier](ValuePromptDialog& d) {
        d.numberField()->setText("150");
        QTest::mouseClick(d.okButton(), Qt::LeftButton);
        EXPECT_TRUE(d.isVisible());
        ASSERT_EQ(notifier.shown.size(), 1u);
        EXPECT_TRUE(notifier.shown[0].plain);
        EXPECT_EQ(notifier.shown[0].text, "Illegal value 150.\nPlease enter a number between 0 and 100");
        EXPECT_EQ(d.numberField()->text(), "50");
        // A typed pattern is shown as typed.
        d.numberField()->setText("-1%2");
        QTest::mouseClick(d.okButton(), Qt::LeftButton);
        EXPECT_EQ(notifier.shown.back().text, "Illegal value -1%2.\nPlease enter a number between 0 and 100");
        QTest::mouseClick(d.cancelButton(), Qt::LeftButton);
    });
    EXPECT_FALSE(AskValue(nullptr, notifier, "Darken Images", 0, 50, value));
    EXPECT_EQ(value, 25);
}

TEST(ValuePrompt, ASliderHeldAtOkGoesBack) {
    ScriptedNotifier notifier;
    double value = 25;
    ModalScript<ValuePromptDialog> script([](ValuePromptDialog& d) {
        drag(d.slider(), 80, false);
        EXPECT_EQ(d.numberField()->text(), "50");  // nothing shown while the thumb is held
        QTest::mouseClick(d.okButton(), Qt::LeftButton);
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(d.slider()->value(), 50);
        QTest::mouseClick(d.okButton(), Qt::LeftButton);
    });
    EXPECT_TRUE(AskValue(nullptr, notifier, "Darken Images", 0, 50, value));
    EXPECT_DOUBLE_EQ(value, 25);
    EXPECT_TRUE(notifier.shown.empty());
}
