// The Print, Batch Print and borderless check as the main window carries them out,
// on the offscreen platform with a fake printer.

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "app/CSnapvaleView.h"
#include "app/CommandTable.h"
#include "app/StatusPanes.h"
#include "gui/GuiFixture.h"
#include "output/PagePrinter.h"
#include "ui/printing/AlignmentDialog.h"

namespace {

class PrintWindowTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        // A one-photo page on a small canvas (8 x 10 in at 20 DPI).
        store().writeString("PhotoPageLayout", "FullPageTemplateSel", "One 8 x 10 Print");
        store().writeInt("PhotoPageLayout", "PageResolution", 20);
        store().writeInt("PhotoPageLayout", "CanvasWidth", 160);
        store().writeInt("PhotoPageLayout", "CanvasHeight", 200);
    }
    void matchingPrinter() {
        printer.name = QStringLiteral("Desk Jet");
        printer.page = PrinterPage{2400, 3150, 300, 300};  // 8 x 10.5 in on 8.5 x 11 paper
    }
};

TEST_F(PrintWindowTest, PrintCommandNamesThePrinterAndFollowsTheList) {
    CSnapvaleDlg& w = open();
    EXPECT_EQ(w.action(cmd::Print)->text(), "Print canvas to \"Default Printer\"");
    EXPECT_FALSE(w.toolbarAction(cmd::Print)->isEnabled());

    printer.name = QStringLiteral("Lab & Office");
    w.document().setImageList({"/nowhere/a.jpg", "/nowhere/b.jpg"});
    EXPECT_TRUE(w.toolbarAction(cmd::Print)->isEnabled());
    // The ampersand is doubled so the menu shows it.
    EXPECT_EQ(w.action(cmd::Print)->text(), "Print canvas to \"Lab && Office\"");

    notifier.answers = {Answer::Yes};
    w.runCommand(cmd::EraseList);
    EXPECT_FALSE(w.toolbarAction(cmd::Print)->isEnabled());
    // Menu items stay enabled.
    EXPECT_TRUE(w.action(cmd::Print)->isEnabled());
}

TEST_F(PrintWindowTest, PrintSpoolsTheKeptPage) {
    CSnapvaleDlg& w = open();
    matchingPrinter();
    w.document().setImageList({"/nowhere/a.jpg"});
    w.runCommand(cmd::Print);
    EXPECT_TRUE(notifier.shown.empty());
    ASSERT_EQ(printer.spooled.size(), 1u);
    EXPECT_EQ(printer.spooled[0].documentName, "Snapvale Snapshot");
    EXPECT_EQ(printer.spooled[0].bitmapWidth, w.view()->canvasSize().width());
    EXPECT_EQ(printer.spooled[0].bitmapHeight, w.view()->canvasSize().height());
    EXPECT_EQ(printer.spooled[0].placement, QRect(0, 75, 2400, 3000));
    EXPECT_EQ(printer.spooled[0].orientation, kPrintPortrait);
}

TEST_F(PrintWindowTest, PrintWithoutPrinterOrPhotos) {
    CSnapvaleDlg& w = open();
    // No printer: the too-small question, and after Yes nothing printed and a word why.
    w.document().setImageList({"/nowhere/a.jpg"});
    notifier.answers = {Answer::Yes};
    w.runCommand(cmd::Print);
    ASSERT_EQ(notifier.shown.size(), 1u);
    EXPECT_EQ(notifier.shown[0].title, "Printer Page Size Conflict - Default Printer");
    EXPECT_TRUE(notifier.shown[0].text.startsWith("Your printer page dimensions are too small"));
    EXPECT_TRUE(printer.spooled.empty());
    EXPECT_EQ(w.statusPanes()->paneText(0), "The page could not be sent to the printer \"Default Printer\".");

    // An empty list: the size check first, then the notice.
    notifier.shown.clear();
    w.document().setImageList({});
    notifier.answers = {Answer::Yes};
    w.runCommand(cmd::Print);
    ASSERT_EQ(notifier.shown.size(), 2u);
    EXPECT_EQ(notifier.shown[1].text, "Your image list is already empty!");
    EXPECT_TRUE(printer.spooled.empty());
}

TEST_F(PrintWindowTest, BatchPrintsEveryPageAndLeavesTheNextOnTheCanvas) {
    CSnapvaleDlg& w = open();
    matchingPrinter();
    std::vector<int> pauses;
    w.setPrintQueuePause([&](int ms) { pauses.push_back(ms); });
    w.document().setImageList({"/nowhere/a.jpg", "/nowhere/b.jpg", "/nowhere/c.jpg"});
    printer.jobCounts = {1, 0};
    notifier.answers = {Answer::Yes};
    w.runCommand(cmd::BatchPrint);
    EXPECT_EQ(printer.spooled.size(), 3u);
    ASSERT_FALSE(notifier.shown.empty());
    EXPECT_TRUE(notifier.shown.front().text.contains("list of 3 images"));
    EXPECT_EQ(notifier.shown.back().text, "All photos printed!");
    EXPECT_EQ(pauses.size(), 4u);
    EXPECT_FALSE(BatchPrintInProgress());
    // Three one-photo pages, then the list wrapped round to the first photo.
    EXPECT_TRUE(w.document().hasPage());
    EXPECT_EQ(w.document().imageList().pageFirstPhoto, "/nowhere/a.jpg");
}

TEST_F(PrintWindowTest, ClosingTheWindowDuringABatchAsksToStopIt) {
    CSnapvaleDlg& w = open();
    w.show();
    matchingPrinter();
    // The close arrives while the batch waits for the queue; the queue never empties.
    bool closed = false;
    w.setPrintQueuePause([&](int) {
        if (!closed) closed = true, w.close();
    });
    w.document().setImageList({"/nowhere/a.jpg", "/nowhere/b.jpg"});
    printer.jobCounts = {1};
    notifier.answers = {Answer::Yes, Answer::Yes};  // the batch, then stop printing
    w.runCommand(cmd::BatchPrint);
    ASSERT_GE(notifier.shown.size(), 2u);
    EXPECT_EQ(notifier.shown.back().title, "Photo Printing Progress Interrupt");
    EXPECT_EQ(notifier.shown.back().text, "Do you want to stop photo printing?");
    EXPECT_EQ(printer.spooled.size(), 1u);
    EXPECT_FALSE(BatchPrintInProgress());
    EXPECT_TRUE(w.isVisible()) << "the window stays while the batch runs";

    // Afterwards a close is the usual exit question.
    notifier.shown.clear();
    notifier.answers = {Answer::No};
    w.close();
    ASSERT_EQ(notifier.shown.size(), 1u);
    EXPECT_EQ(notifier.shown[0].title, "Snapvale Warning: Program Exit?");
}

TEST_F(PrintWindowTest, BorderlessNoticeOnlyForBorderlessTemplates) {
    CSnapvaleDlg& w = open();
    matchingPrinter();
    EXPECT_FALSE(w.checkBorderlessTemplate());  // "One 8 x 10 Print" has borders
    w.document().settings().FullPageTemplateSel = QStringLiteral("One Borderless 8in x 10in Print");
    w.document().settings().MaxPageWidthIn = 8.0;
    w.document().settings().MaxPageHeightIn = 10.0;
    printer.page = PrinterPage{2300, 2900, 300, 300};  // margins all round
    EXPECT_TRUE(w.checkBorderlessTemplate());
    ASSERT_EQ(notifier.shown.size(), 1u);
    EXPECT_TRUE(notifier.shown[0].text.contains("current template size is 8.00 x 10.00 inches."));
    printer.page = PrinterPage{2400, 3000, 300, 300};  // set for borderless 8 x 10
    EXPECT_FALSE(w.checkBorderlessTemplate());
    EXPECT_EQ(notifier.shown.size(), 1u);
}

// Runs `step` on the alignment dialog once it is up, from the dialog's own event loop.
void onAlignmentDialog(std::function<void(AlignmentDialog&)> step) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, step] {
        auto* dialog = dynamic_cast<AlignmentDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        timer->stop();
        timer->deleteLater();
        step(*dialog);
    });
    timer->start(10);
}

QPushButton* dialogButton(AlignmentDialog& dialog, QDialogButtonBox::StandardButton which) {
    auto* box = dialog.findChild<QDialogButtonBox*>();
    return box ? box->button(which) : nullptr;
}

TEST_F(PrintWindowTest, AlignmentDialogPrintsWhatItShowsAndKeepsItForThePrinterOnOk) {
    CSnapvaleDlg& w = open();
    matchingPrinter();
    EXPECT_EQ(w.action(cmd::PrintAlignment)->text(), "Print &Alignment Page...");
    bool seen = false;
    onAlignmentDialog([&](AlignmentDialog& d) {
        seen = true;
        EXPECT_EQ(d.windowTitle(), "Print Alignment Page - Desk Jet");
        // Every control is named by its label, explains itself and is reached from the keyboard.
        for (QWidget* control :
             {static_cast<QWidget*>(d.horizontalField()), static_cast<QWidget*>(d.verticalField()),
              static_cast<QWidget*>(d.printButton()),
              static_cast<QWidget*>(dialogButton(d, QDialogButtonBox::Ok)),
              static_cast<QWidget*>(dialogButton(d, QDialogButtonBox::Cancel))}) {
            ASSERT_NE(control, nullptr);
            EXPECT_FALSE(control->accessibleName().isEmpty());
            EXPECT_FALSE(control->toolTip().isEmpty()) << control->accessibleName().toStdString();
            EXPECT_NE(control->focusPolicy() & Qt::TabFocus, 0) << control->accessibleName().toStdString();
        }
        EXPECT_EQ(d.horizontalField()->accessibleName(), "Horizontal offset (mm)");
        EXPECT_EQ(d.verticalField()->accessibleName(), "Vertical offset (mm)");
        QStringList buddies;
        for (QLabel* label : d.findChildren<QLabel*>())
            if (label->buddy()) buddies << label->text();
        EXPECT_EQ(buddies, QStringList({"&Horizontal offset (mm):", "&Vertical offset (mm):"}));

        d.horizontalField()->setValue(1.5);
        d.verticalField()->setValue(-0.7);
        d.printButton()->click();
        ASSERT_EQ(printer.spooled.size(), 1u);
        EXPECT_EQ(printer.spooled[0].documentName, "Snapvale Alignment Page");
        // The 8 x 10 page as Print places it (0, 75), moved 17.7 dots right and 8.3 up.
        EXPECT_EQ(printer.spooled[0].placement.topLeft(), QPoint(18, 67));
        EXPECT_EQ(d.resultLabel()->text(), "The alignment page was sent to \"Desk Jet\".");
        dialogButton(d, QDialogButtonBox::Ok)->click();
    });
    w.runCommand(cmd::PrintAlignment);
    ASSERT_TRUE(seen);
    EXPECT_EQ(printer.alignmentOffsets(), (AlignmentOffsets{1.5, -0.7}));
    EXPECT_EQ(store().readString("PrinterAlignment", "Desk Jet.AlignmentXmm", ""), "1.50");

    // Cancel keeps them as they were.
    onAlignmentDialog([&](AlignmentDialog& d) {
        EXPECT_DOUBLE_EQ(d.horizontalField()->value(), 1.5);
        d.horizontalField()->setValue(4.0);
        dialogButton(d, QDialogButtonBox::Cancel)->click();
    });
    w.runCommand(cmd::PrintAlignment);
    EXPECT_EQ(printer.alignmentOffsets(), (AlignmentOffsets{1.5, -0.7}));
}

TEST_F(PrintWindowTest, AlignmentWithoutAPrinterSaysSo) {
    CSnapvaleDlg& w = open();
    w.runCommand(cmd::PrintAlignment);
    ASSERT_EQ(notifier.shown.size(), 1u);
    EXPECT_EQ(notifier.shown[0].text, "No printer is installed on this computer.");
}

TEST_F(PrintWindowTest, PrintTellsAStoppedPrinterInTheStatusPane) {
    CSnapvaleDlg& w = open();
    matchingPrinter();
    printer.states = {PrinterState{PrinterState::Kind::Stopped, {"paused"}}};
    w.document().setImageList({"/nowhere/a.jpg"});
    w.runCommand(cmd::Print);
    EXPECT_EQ(printer.spooled.size(), 1u) << "the queue keeps the page until it is started";
    EXPECT_EQ(w.statusPanes()->paneText(0), "The printer \"Desk Jet\" is stopped.");
}

}  // namespace
