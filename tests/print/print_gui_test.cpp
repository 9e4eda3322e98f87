// The Print, Batch Print and borderless check as the main window carries them out,
// on the offscreen platform with a fake printer.

#include <QAction>

#include "app/CSnapvaleView.h"
#include "app/CommandTable.h"
#include "app/StatusPanes.h"
#include "gui/GuiFixture.h"
#include "output/PagePrinter.h"

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

}  // namespace
