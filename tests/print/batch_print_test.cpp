// Printing the whole list: pages rendered by the real pass, a fake printer and queue,
// a recording progress window and no real pauses.

#include <gtest/gtest.h>

#include <deque>

#include "core/AppSettings.h"
#include "core/SettingsStore.h"
#include "document/DocumentPrinting.h"
#include "document/PrintDocument.h"
#include "image/CxImage.h"
#include "imagelist/ImageList.h"
#include "layout/PageSetup.h"
#include "layout/RenderPass.h"
#include "output/BatchPrint.h"
#include "output/PagePrinter.h"
#include "support/FakeSeams.h"

namespace {

// A store that reads only defaults and keeps its writes in memory.
QString memoryStore() {
    return QStringLiteral("/nonexistent/snapvale-batch-test.conf");
}

const QString kSpoolError = QStringLiteral("Printer spool error - auto print process aborted!");
const QString kAllPrinted = QStringLiteral("All photos printed!");

class BatchPrintTest : public ::testing::Test {
protected:
    void SetUp() override {
        store.setWritesInMemoryOnly(true);
        fakes.printer.name = QStringLiteral("Desk Jet");
        // 8 x 10.5 in printable on the template's 8.5 x 11 paper: no size question anyway.
        fakes.printer.page = PrinterPage{2400, 3150, 300, 300};
        useTemplate(QStringLiteral("Six 3 x 4 Prints"));
    }

    void useTemplate(const QString& name) {
        ASSERT_TRUE(chooseFullPageTemplate(settings, nullptr, name).known);
        // A tiny canvas: the photos are missing files, drawn as placeholders.
        choosePageResolution(settings, nullptr, 10);
    }

    void fillList(int count) {
        list.clear();
        for (int i = 1; i <= count; ++i)
            list.append(QStringLiteral("/nowhere/photo%1.jpg").arg(i, 2, 10, QChar('0')));
        list.setCursor(0);
    }

    // Runs the batch on the document, as the window and the command line do.
    bool run() {
        services = fakes.services(nullptr);
        doc.setServices(services);
        fakes.printer.onSpool = [this] {
            printedFirstFiles << doc.report().firstFile.section('/', -1);
            queueReadsAtPrint.push_back(fakes.printer.queueReads);
            flagSeenWhilePrinting = flagSeenWhilePrinting && BatchPrintInProgress() && doc.busy();
        };
        const QMetaObject::Connection counting =
            QObject::connect(&doc, &PrintDocument::pageRendered, [this] { ++renders; });
        const bool result = BatchPrintDocument(doc, services, [this](int ms) { pauses.push_back(ms); });
        QObject::disconnect(counting);
        EXPECT_FALSE(BatchPrintInProgress());
        EXPECT_FALSE(doc.busy());
        return result;
    }

    QStringList plainTexts() const {
        QStringList t;
        for (const ShownMessage& m : fakes.notifier.shown)
            if (m.plain) t << m.text;
        return t;
    }

    SettingsStore store{memoryStore()};
    PrintDocument doc{store};
    AppSettings& settings = doc.settings();
    ImageList& list = doc.imageList();
    FakeServices fakes;
    Services services;
    QStringList printedFirstFiles;
    std::vector<int> queueReadsAtPrint;
    std::vector<int> pauses;
    int renders = 0;
    bool flagSeenWhilePrinting = true;
};

TEST_F(BatchPrintTest, AsksFirstWithCountsAndPrintsEveryPage) {
    fillList(12);
    fakes.notifier.answers = {Answer::Yes};
    EXPECT_TRUE(run());
    ASSERT_GE(fakes.notifier.shown.size(), 1u);
    const ShownMessage& ask = fakes.notifier.shown[0];
    EXPECT_EQ(ask.kind, MessageKind::WarningQuestion);
    EXPECT_EQ(ask.title, "Batch Print Image List -> Desk Jet");
    EXPECT_EQ(ask.text,
              "This operation will print your ENTIRE image list of 12 images. Using the current photo "
              "template:\n \"Six 3 x 4 Prints\", this will require 2 printer pages. \nYou should make sure "
              "your printer paper and settings match the current template.\n\nDo you want to continue this "
              "operation?");
    EXPECT_EQ(fakes.printer.spooled.size(), 2u);
    EXPECT_EQ(printedFirstFiles, QStringList({"photo01.jpg", "photo07.jpg"}));
    for (const auto& page : fakes.printer.spooled) EXPECT_EQ(page.documentName, "Snapvale Snapshot");
    EXPECT_TRUE(flagSeenWhilePrinting);
    EXPECT_EQ(plainTexts(), QStringList({kAllPrinted}));
    // Every queue read pauses 1.5 s, through the hook.
    EXPECT_EQ(pauses, std::vector<int>(2, 1500));

    // The progress window: titled by the printer, one text a page, 50 % then 100 %.
    const ProgressLog& log = fakes.progress.log;
    EXPECT_EQ(log.created, 1);
    EXPECT_EQ(log.destroyed, 1);
    EXPECT_EQ(log.captions.first(), "Photo Auto Print - Desk Jet");
    EXPECT_TRUE(log.captions.contains("Photo Auto Print - Desk Jet [50%]"));
    EXPECT_TRUE(log.captions.contains("Photo Auto Print - Desk Jet [100%]"));
    EXPECT_EQ(log.texts, QStringList({"Template type: Six 3 x 4 Prints\n\nPrinting photo page 1 of 2",
                                      "Template type: Six 3 x 4 Prints\n\nPrinting photo page 2 of 2"}));
}

TEST_F(BatchPrintTest, PageCountRoundsUp) {
    struct Case {
        const char* templateName;
        int images;
        int pages;
    };
    for (const Case& c : {Case{"Six 3 x 4 Prints", 13, 3}, Case{"One 8 x 10 Print", 5, 5}}) {
        SCOPED_TRACE(c.templateName);
        useTemplate(QString::fromLatin1(c.templateName));
        fillList(c.images);
        fakes = {};
        fakes.printer.name = QStringLiteral("Desk Jet");
        fakes.printer.page = PrinterPage{2400, 3150, 300, 300};
        printedFirstFiles.clear();
        fakes.notifier.answers = {Answer::Yes};
        EXPECT_TRUE(run());
        EXPECT_TRUE(fakes.notifier.shown[0].text.contains(
            QStringLiteral("list of %1 images. Using the current photo template:\n \"%2\", this will require "
                           "%3 printer pages.")
                .arg(c.images)
                .arg(QString::fromLatin1(c.templateName))
                .arg(c.pages)));
        EXPECT_EQ(int(fakes.printer.spooled.size()), c.pages);
    }
    // The 13th photo starts the third page of six.
    EXPECT_EQ(BatchPageCount(13, 6), 3);
    EXPECT_EQ(BatchPageCount(12, 6), 2);
    EXPECT_EQ(BatchPageCount(0, 6), 0);
}

TEST_F(BatchPrintTest, CanvasEndsOnThePageAfterTheLastPrinted) {
    fillList(13);
    fakes.notifier.answers = {Answer::Yes};
    ASSERT_TRUE(run());
    EXPECT_EQ(printedFirstFiles, QStringList({"photo01.jpg", "photo07.jpg", "photo13.jpg"}));
    // Page 3 took photo 13 and then wrapped to photos 1 to 5; the canvas now starts at 6.
    EXPECT_EQ(doc.report().firstFile.section('/', -1), "photo06.jpg");
    EXPECT_EQ(renders, 4);
}

TEST_F(BatchPrintTest, StartsFromTheFirstPhotoWhereverTheListStood) {
    fillList(12);
    // The person stepped back from a later page: the list runs backwards.
    list.setCursor(8);
    list.setDirection(ImageList::Direction::Backward);
    list.takeNext();
    fakes.notifier.answers = {Answer::Yes};
    ASSERT_TRUE(run());
    EXPECT_EQ(printedFirstFiles, QStringList({"photo01.jpg", "photo07.jpg"}));
}

TEST_F(BatchPrintTest, OnePhotoInEverySlotPrintsAPageAPhoto) {
    fillList(3);
    settings.UseSingleImage = 1;
    fakes.notifier.answers = {Answer::Yes};
    ASSERT_TRUE(run());
    EXPECT_TRUE(fakes.notifier.shown[0].text.contains("this will require 3 printer pages."));
    EXPECT_EQ(printedFirstFiles, QStringList({"photo01.jpg", "photo02.jpg", "photo03.jpg"}));
}

TEST_F(BatchPrintTest, WaitsForAnEmptyQueueBeforeTheNextPage) {
    fillList(12);
    // Another program's job stays for two reads.
    fakes.printer.jobCounts = {1, 1, 0};
    fakes.notifier.answers = {Answer::Yes};
    ASSERT_TRUE(run());
    // Page 1 goes at once; page 2 only after the third read found the queue empty.
    EXPECT_EQ(queueReadsAtPrint, std::vector<int>({0, 3}));
}

TEST_F(BatchPrintTest, WaitingTextIsRewrittenOnlyWhenTheCountChanges) {
    fillList(12);
    fakes.printer.jobCounts = {2, 2, 2, 1, 0};
    fakes.notifier.answers = {Answer::Yes};
    ASSERT_TRUE(run());
    const QString head = QStringLiteral("Template type: Six 3 x 4 Prints\n\nPrinting photo page 1 of 2");
    EXPECT_EQ(fakes.progress.log.texts,
              QStringList({head, head + "\n(...waiting for 2 jobs queued to print.)",
                           head + "\n(...waiting for 1 jobs queued to print.)",
                           "Template type: Six 3 x 4 Prints\n\nPrinting photo page 2 of 2"}));
}

TEST_F(BatchPrintTest, EscapeAsksAndNoGoesOn) {
    fillList(12);
    fakes.progress.log.cancelAtPump = {1};
    fakes.notifier.answers = {Answer::Yes, Answer::No};
    EXPECT_TRUE(run());
    ASSERT_GE(fakes.notifier.shown.size(), 2u);
    EXPECT_EQ(fakes.notifier.shown[1].title, "Photo Printing Progress Interrupt");
    EXPECT_EQ(fakes.notifier.shown[1].text, "Do you want to stop photo printing?");
    EXPECT_EQ(fakes.notifier.shown[1].kind, MessageKind::WarningQuestion);
    EXPECT_EQ(fakes.printer.spooled.size(), 2u);
    EXPECT_EQ(plainTexts(), QStringList({kAllPrinted}));
}

TEST_F(BatchPrintTest, EscapeAndYesStopsWithoutTheClosingMessage) {
    fillList(12);
    fakes.progress.log.cancelAtPump = {1};
    fakes.notifier.answers = {Answer::Yes, Answer::Yes};
    EXPECT_FALSE(run());
    EXPECT_EQ(fakes.printer.spooled.size(), 1u);
    EXPECT_TRUE(plainTexts().isEmpty());
    // Stopped before its queue read.
    EXPECT_EQ(fakes.printer.queueReads, 0);
    EXPECT_EQ(fakes.progress.log.destroyed, 1);
}

TEST_F(BatchPrintTest, FailedQueueReadAbortsWithTheSpoolError) {
    fillList(12);
    fakes.printer.failQueueAt = 1;
    fakes.notifier.answers = {Answer::Yes};
    EXPECT_FALSE(run());
    EXPECT_EQ(fakes.printer.spooled.size(), 1u);
    EXPECT_EQ(plainTexts(), QStringList({kSpoolError}));
    EXPECT_TRUE(pauses.empty());
}

TEST_F(BatchPrintTest, APageTheSpoolerRefusesStopsTheBatch) {
    fillList(12);
    fakes.printer.spoolSucceeds = false;
    fakes.notifier.answers = {Answer::Yes};
    EXPECT_FALSE(run());
    EXPECT_EQ(fakes.printer.spooled.size(), 1u);
    EXPECT_EQ(plainTexts(), QStringList({kSpoolError}));
}

TEST_F(BatchPrintTest, WrongPaperPrintsWithoutAskingAndNoPrintsNothing) {
    fillList(6);
    fakes.printer.page = PrinterPage{1200, 1800, 300, 300};  // 4 x 6 in: far too small
    fakes.notifier.answers = {Answer::Yes};
    EXPECT_TRUE(run());
    ASSERT_EQ(fakes.printer.spooled.size(), 1u);
    EXPECT_TRUE(fakes.printer.spooled[0].placement.isEmpty());
    // The confirmation and the closing message; no size question.
    EXPECT_EQ(fakes.notifier.shown.size(), 2u);

    fakes = {};
    fakes.notifier.answers = {Answer::No};
    const int cursorBefore = list.cursor();
    EXPECT_FALSE(run());
    EXPECT_TRUE(fakes.printer.spooled.empty());
    EXPECT_EQ(fakes.notifier.shown.size(), 1u);
    EXPECT_EQ(fakes.progress.log.created, 0);
    EXPECT_EQ(list.cursor(), cursorBefore);
}

TEST_F(BatchPrintTest, EmptyListSaysSoAndPrintsNothing) {
    fakes.notifier.answers = {Answer::Yes};
    EXPECT_FALSE(run());
    ASSERT_EQ(fakes.notifier.shown.size(), 1u);
    EXPECT_EQ(fakes.notifier.shown[0].text, "Your image list is empty!");
    EXPECT_TRUE(fakes.printer.spooled.empty());
}

// What the batch does with the queue's state: it says it in the window and the status
// pane, and asks once whether to wait when the queue it waits on has halted.
struct StateCase {
    const char* name;
    std::deque<PrinterState> states;  // one read before each page and one after each poll
    std::deque<int> jobCounts;
    std::deque<int> buttons;  // answers to the wait question: 0 "Wait", 1 "Stop"
    bool result;
    int questions;
    size_t pages;
    const char* sentence;    // what the status pane shows
    const char* windowText;  // where the window shows it
};

const PrinterState kFine{PrinterState::Kind::Idle, {}};
const PrinterState kStopped{PrinterState::Kind::Stopped, {"paused"}};
const PrinterState kNoPaper{PrinterState::Kind::Processing, {"media-empty-error"}};

class BatchPrinterStateTest : public BatchPrintTest, public ::testing::WithParamInterface<StateCase> {};

TEST_P(BatchPrinterStateTest, SaysTheStateAndAsksOnceWhenTheQueueHalts) {
    const StateCase& c = GetParam();
    fillList(12);
    fakes.printer.states = c.states;
    fakes.printer.jobCounts = c.jobCounts;
    fakes.notifier.answers = {Answer::Yes};
    fakes.notifier.plainAnswers = c.buttons;
    EXPECT_EQ(run(), c.result);
    EXPECT_EQ(fakes.printer.spooled.size(), c.pages);
    int questions = 0;
    for (const ShownMessage& m : fakes.notifier.shown) {
        if (m.buttons != QStringList({"Wait", "Stop"})) continue;
        ++questions;
        EXPECT_EQ(m.title, "Photo Auto Print - Desk Jet");
        EXPECT_EQ(
            m.text,
            "The printer \"Desk Jet\" is stopped.\nThe pages sent to it wait in its queue until it prints "
            "again.\n\nWait for the printer, or stop photo printing?");
    }
    EXPECT_EQ(questions, c.questions);
    EXPECT_EQ(plainTexts().contains(kAllPrinted), c.result);
    const QString inWindow = QString::fromLatin1(c.windowText);
    EXPECT_FALSE(fakes.progress.log.texts.filter(inWindow).isEmpty())
        << fakes.progress.log.texts.join('|').toStdString();
    EXPECT_TRUE(fakes.status.panes[0].contains(QString::fromLatin1(c.sentence)));
}

const StateCase kStateCases[] = {
    {.name = "StoppedThenStop",
     .states = {kFine, kStopped},
     .jobCounts = {1},
     .buttons = {1},
     .result = false,
     .questions = 1,
     .pages = 1,
     .sentence = "The printer \"Desk Jet\" is stopped.",
     .windowText =
         "Six 3 x 4 Prints\nThe printer is stopped.\nPrinting photo page 1 of 2\n(...waiting for 1 jobs"},
    // Asked at the first poll that finds it stopped, not at every one after.
    {.name = "StoppedWaitThenPrintingAgain",
     .states = {kFine, kStopped, kStopped, kStopped, kFine},
     .jobCounts = {1, 1, 1, 0},
     .buttons = {0},
     .result = true,
     .questions = 1,
     .pages = 2,
     .sentence = "The printer \"Desk Jet\" is stopped.",
     .windowText =
         "Six 3 x 4 Prints\nThe printer is stopped.\nPrinting photo page 1 of 2\n(...waiting for 1 jobs"},
    // Paper comes back once someone loads it: told, not asked.
    {.name = "OutOfPaperIsToldNotAsked",
     .states = {kNoPaper, kNoPaper, kFine},
     .jobCounts = {1, 0},
     .buttons = {},
     .result = true,
     .questions = 0,
     .pages = 2,
     .sentence = "The printer \"Desk Jet\" is out of paper.",
     .windowText = "Six 3 x 4 Prints\nThe printer is out of paper.\nPrinting photo page 1 of 2"},
};

INSTANTIATE_TEST_SUITE_P(Queue, BatchPrinterStateTest, ::testing::ValuesIn(kStateCases),
                         [](const ::testing::TestParamInfo<StateCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(PollPrintQueueTest, ReadsThenPausesAndKeepsTheCountOnFailure) {
    FakePrinterBackend printer;
    printer.jobCounts = {3};
    printer.failQueueAt = 2;
    std::vector<int> pauses;
    const auto pause = [&](int ms) { pauses.push_back(ms); };
    int jobs = 0;
    EXPECT_TRUE(PollPrintQueue(printer, jobs, pause));
    EXPECT_EQ(jobs, 3);
    EXPECT_FALSE(PollPrintQueue(printer, jobs, pause));
    EXPECT_EQ(jobs, 3);
    EXPECT_EQ(pauses, std::vector<int>({1500}));
}

}  // namespace
