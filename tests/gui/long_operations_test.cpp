// Long operations let input through their progress window; nothing that input starts
// may change the list or the page underneath them.

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QTimer>

#include "app/CommandTable.h"
#include "app/StatusPanes.h"
#include "gui/GuiFixture.h"
#include "imagelist/HtmlExport.h"
#include "output/PagePrinter.h"

namespace {

class LongOperationsTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        store().writeString("PhotoPageLayout", "FullPageTemplateSel", "One 8 x 10 Print");
        store().writeInt("PhotoPageLayout", "PageResolution", 20);
        printer.name = QStringLiteral("Desk Jet");
        printer.page = PrinterPage{2400, 3150, 300, 300};
        for (int i = 0; i < kPhotos; ++i)
            photos << QStringLiteral("/nowhere/photo%1.jpg").arg(i, 2, 10, QChar('0'));
    }

    // What a person might press while the operation runs: each would change the list.
    void pressListCommands(CSnapvaleDlg& w) {
        for (int id : {cmd::EraseList, cmd::OpenImageList, cmd::ImportAlbum, cmd::AddFiles, cmd::NextPage}) {
            w.runCommand(id);
            refusals << w.statusPanes()->paneText(0);
        }
    }

    void expectEveryCommandRefused(const QString& what) {
        ASSERT_EQ(refusals.size(), 5);
        for (const QString& text : refusals)
            EXPECT_EQ(text, QStringLiteral("Please wait: %1 is still running.").arg(what));
        EXPECT_TRUE(files.requests.empty()) << "no file dialog opened underneath";
        for (const ShownMessage& m : notifier.shown)
            EXPECT_NE(m.title, "Snapvale Delete Image List?") << "the erase question was never asked";
    }

    static constexpr int kPhotos = 12;
    QStringList photos;
    QStringList refusals;
};

TEST_F(LongOperationsTest, TheHtmlExportKeepsItsListWhileCommandsComeThrough) {
    CSnapvaleDlg& w = open();
    w.document().setImageList(photos);
    // Arrives at the export's first pump, between two rows.
    QTimer::singleShot(0, &w, [&] { pressListCommands(w); });
    w.runCommand(cmd::ExportHtml);

    expectEveryCommandRefused("the HTML export");
    EXPECT_EQ(w.document().imageList().count(), kPhotos);
    EXPECT_FALSE(w.document().busy());
    QFile page(htmlExportPath());
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(page.readAll());
    EXPECT_EQ(html.count(QStringLiteral("[Load Error!]")), kPhotos) << "every row was written";
    EXPECT_TRUE(html.endsWith(QStringLiteral("</html>\n")));
    // After the export the same command goes through again.
    notifier.answers = {Answer::No};
    w.runCommand(cmd::EraseList);
    EXPECT_EQ(notifier.shown.back().title, "Snapvale Delete Image List?");
}

TEST_F(LongOperationsTest, ClosingTheWindowDuringTheExportAsksToStopIt) {
    CSnapvaleDlg& w = open();
    w.show();
    w.document().setImageList(photos);
    QTimer::singleShot(0, &w, [&] { w.close(); });
    notifier.answers = {Answer::Yes};  // stop web page creation
    w.runCommand(cmd::ExportHtml);
    ASSERT_FALSE(notifier.shown.empty());
    EXPECT_EQ(notifier.shown.back().title, "Photo Image List Web Page Progress Interrupt");
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.document().imageList().count(), kPhotos);
}

TEST_F(LongOperationsTest, TheBatchPrintKeepsItsListWhileCommandsComeThrough) {
    CSnapvaleDlg& w = open();
    w.document().setImageList(photos);
    bool pressed = false;
    w.setPrintQueuePause([&](int) {
        if (!pressed) pressed = true, pressListCommands(w);
    });
    notifier.answers = {Answer::Yes};
    w.runCommand(cmd::BatchPrint);

    expectEveryCommandRefused("the batch print");
    EXPECT_EQ(printer.spooled.size(), std::size_t(kPhotos)) << "one page a photo, none skipped";
    EXPECT_EQ(notifier.shown.back().text, "All photos printed!");
    EXPECT_EQ(w.document().imageList().count(), kPhotos);
}

// The queue wait itself lets the Escape through: once answered No, once Yes.
TEST_F(LongOperationsTest, EscapeDuringTheQueueWaitAsksToStop) {
    CSnapvaleDlg& w = open();
    w.show();
    w.document().setImageList(photos);
    printer.jobCounts = {1, 1, 1, 1, 1, 1, 0};  // the first page stays queued a while
    notifier.answers = {Answer::Yes, Answer::No, Answer::Yes};
    int escapes = 0;
    QTimer presser;
    QObject::connect(&presser, &QTimer::timeout, [&] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (!top->isVisible() || !top->windowTitle().startsWith(QStringLiteral("Photo Auto Print")))
                continue;
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(top, &press);
            ++escapes;
        }
    });
    presser.start(100);
    w.runCommand(cmd::BatchPrint);
    presser.stop();

    int interrupts = 0;
    for (const ShownMessage& m : notifier.shown) interrupts += m.title == "Photo Printing Progress Interrupt";
    EXPECT_EQ(interrupts, 2);
    EXPECT_GE(escapes, 2);
    EXPECT_EQ(printer.spooled.size(), 1u) << "stopped while the first page was still queued";
    EXPECT_NE(notifier.shown.back().text, "All photos printed!");
    EXPECT_FALSE(w.document().busy());
}

}  // namespace
