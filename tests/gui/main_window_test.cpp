#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QScreen>
#include <QSet>
#include <QToolBar>

#include "GuiFixture.h"
#include "app/CSnapvaleView.h"
#include "app/CommandTable.h"
#include "app/StatusPanes.h"
#include "core/AppSettings.h"
#include "document/PrintDocument.h"
#include "imagelist/ImageList.h"
#include "layout/RenderPass.h"
#include "ui/AboutWindow.h"
#include "ui/layoutsetup/CPhotoLayoutSetupDlg.h"

namespace {
QList<int> enabledToolbarIds(CSnapvaleDlg& w) {
    QList<int> ids;
    for (QAction* a : w.mainToolBar()->actions())
        if (a->data().toInt() > 0 && a->isEnabled()) ids << a->data().toInt();
    std::sort(ids.begin(), ids.end());
    return ids;
}

// Sent to the view, as a key pressed while the page has the focus; keys the view
// does not use travel up to the window.
void pressKey(CSnapvaleDlg& w, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(w.view()->viewport(), &press);
}
}  // namespace

TEST_F(MainWindowTest, ToolbarFollowsTheImageListAndMenusStayEnabled) {
    CSnapvaleDlg& w = open();
    // Sorted numbers: add, exit, import, wizard, open, about.
    EXPECT_EQ(enabledToolbarIds(w), QList<int>({32771, 32803, 32830, 32842, 57601, 57664}));
    for (const CommandInfo& info : commandTable()) EXPECT_TRUE(w.action(info.id)->isEnabled()) << info.id;

    w.document().setImageList({"/photos/a.jpg", "/photos/b.jpg"});
    for (QAction* a : w.mainToolBar()->actions()) {
        const int id = a->data().toInt();
        if (id > 0) {
            EXPECT_EQ(a->isEnabled(), id != cmd::HelpContents) << id;  // no help folder here
        }
    }
    w.document().setImageList({});
    EXPECT_FALSE(w.toolbarAction(cmd::Print)->isEnabled());
    EXPECT_FALSE(w.toolbarAction(cmd::SlotStatistics)->isEnabled());
}

TEST_F(MainWindowTest, HelpButtonNeedsTheHelpFolder) {
    QDir().mkpath(path("html"));
    CSnapvaleDlg& w = open();
    EXPECT_TRUE(w.helpIsAvailable());
    EXPECT_TRUE(w.toolbarAction(cmd::HelpContents)->isEnabled());
}

TEST_F(MainWindowTest, ExitWritesThePlacementWithoutAsking) {
    CSnapvaleDlg& w = open();
    w.show();
    w.resize(640, 480);
    w.runCommand(cmd::Exit);
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(notifier.shown.empty());
    EXPECT_EQ(w.closeCode(), CSnapvaleDlg::ClosedByExit);
    EXPECT_EQ(store().readInt("Window", "Width", -1), 640);
    EXPECT_EQ(store().readInt("Window", "Height", -1), 480);
    EXPECT_EQ(store().readInt("Window", "TopLeftX", -1), w.frameGeometry().left());
    EXPECT_EQ(store().readInt("Window", "TopLeftY", -1), w.frameGeometry().top());
    EXPECT_TRUE(stored("Option", "TipIdx"));
    EXPECT_EQ(store().readString("Config", "WatermarkText", "none"), "Your Name Here");
}

TEST_F(MainWindowTest, CloseBoxAsksAndOnlyYesCloses) {
    CSnapvaleDlg& w = open();
    w.show();
    notifier.answers = {Answer::No};
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());
    ASSERT_EQ(notifier.shown.size(), 1u);
    EXPECT_EQ(notifier.shown[0].title, "Snapvale Warning: Program Exit?");
    EXPECT_EQ(notifier.shown[0].text, "Do you want to exit Snapvale?");
    EXPECT_EQ(notifier.shown[0].kind, MessageKind::WarningQuestion);
    EXPECT_FALSE(stored("Window", "Width"));
    // Nothing of the end writes yet (TipIdx is written by the tips the folder build showed).
    EXPECT_FALSE(stored("Option", "WelcomeTipStatus"));

    notifier.answers = {Answer::Yes};
    EXPECT_TRUE(w.close());
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(store().readInt("Window", "Width", -1), w.width());
    EXPECT_TRUE(stored("Option", "WelcomeTipStatus"));
}

TEST_F(MainWindowTest, EnterAndEscapeCloseAtOnceWithoutThePlacement) {
    for (int key : {Qt::Key_Escape, Qt::Key_Return}) {
        CSnapvaleDlg& w = open();
        w.show();
        pressKey(w, key);
        EXPECT_FALSE(w.isVisible()) << key;
        EXPECT_EQ(w.closeCode(),
                  key == Qt::Key_Escape ? CSnapvaleDlg::ClosedByEscape : CSnapvaleDlg::ClosedByEnter);
        EXPECT_TRUE(notifier.shown.empty());
        EXPECT_FALSE(stored("Window", "TopLeftX"));
        // The end writes still happen.
        EXPECT_TRUE(stored("Option", "WelcomeTipStatus"));
        EXPECT_EQ(store().readString("PhotoAlbum", "ImportedAlbum", "missing"), "");
        window.reset();
    }
}

TEST_F(MainWindowTest, EndWritesHappenOnceAndKeepTheResumePhoto) {
    store().writeString("Config", "StartSeqPic", "/photos/last.jpg");
    store().writeInt("Option", "TipIdx", 4);
    open(dirPath());
    EXPECT_EQ(window->document().settings().BitmapPath, dirPath());
    window->document().settings().TipIdx = 6;
    window.reset();
    EXPECT_EQ(store().readInt("Option", "TipIdx", -1), 6);
    // An image list that was never built must not wipe the place the last run stopped at.
    EXPECT_EQ(store().readString("Config", "StartSeqPic", ""), "/photos/last.jpg");
    EXPECT_EQ(store().readString("Config", "BitmapPath", ""), dirPath());
}

TEST_F(MainWindowTest, PlacementOffTheScreenFallsBackToTheDefaults) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const WindowPlacement def = defaultWindowPlacement(area.width(), area.height());
    store().writeInt("Window", "TopLeftX", -32000);
    store().writeInt("Window", "TopLeftY", -32000);
    store().writeInt("Window", "Width", 300);
    store().writeInt("Window", "Height", 250);
    CSnapvaleDlg& w = open();
    EXPECT_EQ(w.pos(), QPoint(def.left, def.top));
    EXPECT_EQ(w.size(), QSize(def.width, def.height));

    window.reset();
    store().writeInt("Window", "TopLeftX", 20);
    store().writeInt("Window", "TopLeftY", 30);
    CSnapvaleDlg& again = open();
    EXPECT_EQ(again.pos(), QPoint(20, 30));
    EXPECT_EQ(again.size(), QSize(300, 250));
}

TEST_F(MainWindowTest, ToolbarOrderAndTooltips) {
    CSnapvaleDlg& w = open();
    QList<int> order;
    for (QAction* a : w.mainToolBar()->actions()) order << a->data().toInt();
    EXPECT_EQ(order,
              QList<int>({57606, 32814, 0,     57601, 32771, 32830, 0, 57603, 32775, 0,     32773, 1196,
                          32772, 0,     32845, 32790, 0,     32774, 0, 32842, 32809, 57664, -1,    32803}));
    EXPECT_EQ(w.toolbarAction(cmd::OpenImageList)->toolTip(), "Open directory and start at image...");
    EXPECT_EQ(w.toolbarAction(cmd::Redraw)->toolTip(), "Re-draw photo layout page.");
    EXPECT_EQ(w.toolbarAction(cmd::SlotStatistics)->toolTip(), "Zoom in for layout image detail...");
    EXPECT_EQ(toolbarTooltip(QString(100, 'x')).size(), 79);
    EXPECT_EQ(toolbarTooltip("short"), "short");
}

TEST_F(MainWindowTest, MenusAndPopupHoldTheCommandsInOrder) {
    CSnapvaleDlg& w = open();
    const QList<QAction*> menus = w.menuBar()->actions();
    ASSERT_EQ(menus.size(), 5);
    EXPECT_EQ(menus[0]->text(), "&File");
    EXPECT_EQ(menus[2]->text(), "&View");
    EXPECT_EQ(menus[4]->text(), "&Help");
    auto ids = [](QMenu* m) {
        QList<int> l;
        for (QAction* a : m->actions())
            if (!a->isSeparator()) l << a->data().toInt();
        return l;
    };
    // The projects' group ends with the Recent Projects submenu (no command of its own: 0).
    EXPECT_EQ(ids(menus[0]->menu()),
              QList<int>({57601, 32802, 32830, cmd::OpenProject, cmd::SaveProject, 0, 57603, 32775, 32791, 32772,
                          32773, 32845, 57606, 32850, 32814, 32792, 32803}));
    EXPECT_EQ(ids(menus[1]->menu()), QList<int>({32774}));
    EXPECT_EQ(ids(menus[2]->menu()),
              QList<int>({cmd::ZoomFitPage, cmd::ZoomActualSize, cmd::ZoomIn, cmd::ZoomOut}));
    EXPECT_EQ(ids(menus[3]->menu()), QList<int>({32780}));
    EXPECT_EQ(ids(menus[4]->menu()), QList<int>({32842, 32809, 32810, 57664}));

    QList<int> popup;
    for (QAction* a : w.popupMenu()->actions()) popup << (a->isSeparator() ? 0 : a->data().toInt());
    EXPECT_EQ(popup, QList<int>({32774, 0, 32784, 32785, 32789, 0, 32786, 32787, 32788, 0, 32792, 0, 57603,
                                 32775, 32791, 0, 32842}));
    EXPECT_EQ(w.popupMenu()->title(), "Main View");

    QAction* open = w.action(cmd::OpenImageList);
    EXPECT_EQ(open->text(), "&Open Image List...");
    EXPECT_TRUE(open->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_O)));
    EXPECT_EQ(w.action(cmd::ExportAlbum)->text(), "E&xport Image List To Photo Album...");
}

TEST_F(MainWindowTest, StatusPanesFollowTheWindowWidth) {
    CSnapvaleDlg& w = open();
    w.show();
    StatusPanes* panes = w.statusPanes();
    // The start-up scan of the (empty) folder reports in the first pane.
    EXPECT_EQ(panes->paneText(0), "Image list contains 0 files.");
    EXPECT_EQ(panes->paneText(1), "Photo load progress...");
    EXPECT_EQ(panes->paneText(2), "Page layout style...");
    EXPECT_EQ(panes->indicatorLamp(), "LED_CYAN");
    EXPECT_EQ(panes->progressBar()->minimum(), 1);
    EXPECT_EQ(panes->progressBar()->maximum(), 100);

    for (int width : {1000, 777}) {
        w.resize(width, 500);
        QApplication::processEvents();
        const int h = panes->height();
        EXPECT_EQ(panes->pane(0)->geometry(), QRect(0, 0, width * 40 / 100, h)) << width;
        EXPECT_EQ(panes->pane(1)->geometry(), QRect(width * 40 / 100, 0, width * 25 / 100, h)) << width;
        const int third = width * 40 / 100 + width * 25 / 100;
        EXPECT_EQ(panes->pane(2)->geometry(), QRect(third, 0, width - third, h)) << width;
        EXPECT_EQ(panes->indicator()->geometry(), QRect(third, 0, h - 1, h - 1)) << width;
        EXPECT_EQ(panes->progressBar()->geometry(), QRect(third + h - 1, 0, width - third - (h - 1), h))
            << width;
    }
    EXPECT_EQ(StatusPanes::layoutFor(999, 20).panes[0].width(), 399);  // truncated
    EXPECT_EQ(StatusPanes::layoutFor(999, 20).panes[1].width(), 249);

    w.services().status->setProgress(40);
    EXPECT_TRUE(panes->progressBar()->isVisible());
    EXPECT_EQ(panes->progressBar()->value(), 40);
    w.services().status->setProgress(0);
    EXPECT_FALSE(panes->progressBar()->isVisible());
    w.services().status->setIndicator("LED_RED_BLINK");
    EXPECT_EQ(panes->indicatorLamp(), "LED_RED");
    EXPECT_FALSE(panes->indicator()->picture().isNull());
}

TEST_F(MainWindowTest, CropOffWarningAtStart) {
    store().writeInt("PhotoPageLayout", "AutoCropOn", 0);
    open();
    ASSERT_EQ(notifier.shown.size(), 1u);
    EXPECT_TRUE(notifier.shown[0].plain);
    EXPECT_EQ(
        notifier.shown[0].text,
        "** Warning ** - your crop settings are turned OFF.\nYour photos may not fit any template you select "
        "withous gaps\non the tops or sides of each photo!");
    window.reset();
    notifier.shown.clear();
    store().writeInt("PhotoPageLayout", "AutoCropOn", 1);
    open();
    EXPECT_TRUE(notifier.shown.empty());
}

TEST_F(MainWindowTest, LayoutSetupAsksToResetTheMargins) {
    store().writeString("Config", "TopBottomMargin", "0.25");
    store().writeString("Config", "LeftRightMargin", "0");
    CSnapvaleDlg& w = open();
    int sheetRuns = 0;
    w.registerCommandHandler(cmd::LayoutSetup, [&] { ++sheetRuns; });
    w.document().setImageList({"/photos/a.jpg"});

    notifier.answers = {Answer::No};
    w.runCommand(cmd::LayoutSetup);
    ASSERT_EQ(notifier.shown.size(), 1u);
    EXPECT_TRUE(notifier.shown[0].plain);
    EXPECT_EQ(notifier.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(notifier.shown[0].text,
              "Your current printer margin settings are: TopBottom -> 0.3 and LeftRight -> 0.0.\nThese "
              "values MUST be "
              "set to 0 for borderless printing.\n\nClick \"Yes\" to automatically reset these values.");
    EXPECT_EQ(sheetRuns, 0);
    EXPECT_EQ(store().readString("Config", "TopBottomMargin", ""), "0.25");
    EXPECT_FLOAT_EQ(w.document().settings().TopBottomMargin, 0.25f);

    notifier.answers = {Answer::Yes};
    bool sheetOpened = false;
    w.setLayoutSetupOpened([&](CPhotoLayoutSetupDlg& sheet) {
        sheetOpened = true;
        sheet.reject();
    });
    w.runCommand(cmd::AdjustCrop);  // another way into the same sheet
    EXPECT_EQ(store().readString("Config", "TopBottomMargin", ""), "0.00");
    EXPECT_EQ(store().readString("Config", "LeftRightMargin", ""), "0.00");
    EXPECT_TRUE(sheetOpened);

    w.runCommand(cmd::LayoutSetup);  // margins are 0 now: no question
    EXPECT_EQ(notifier.shown.size(), 2u);
    EXPECT_EQ(sheetRuns, 1);
}

TEST_F(MainWindowTest, LayoutSetupRefusesAnEmptyList) {
    CSnapvaleDlg& w = open();
    bool ran = false;
    w.registerCommandHandler(cmd::StatusIndicator, [&] { ran = true; });
    w.statusPanes()->indicator()->click();
    EXPECT_FALSE(ran);
    ASSERT_EQ(notifier.shown.size(), 1u);
    EXPECT_EQ(notifier.shown[0].title, "Snapvale List Empty");
    EXPECT_EQ(notifier.shown[0].text, "Your image list is empty!");
    EXPECT_EQ(notifier.shown[0].kind, MessageKind::Information);
    EXPECT_EQ(layoutSetupPageFor(cmd::StatusIndicator), 1);
    EXPECT_EQ(layoutSetupPageFor(cmd::ViewImageList), 0);
    EXPECT_EQ(layoutSetupPageFor(cmd::AdjustFilters), 2);
    EXPECT_EQ(layoutSetupPageFor(cmd::LayoutSetup), -1);
    EXPECT_FALSE(isLayoutSetupCommand(cmd::Print));
}

TEST_F(MainWindowTest, HelpOpensIntroOrSaysItIsMissing) {
    CSnapvaleDlg& w = open();
    w.runCommand(cmd::HelpIndex);
    ASSERT_EQ(notifier.shown.size(), 1u);
    EXPECT_EQ(notifier.shown[0].text,
              "Unable to locate context help topic:\n " + path("html") + "/Intro.htm");
    EXPECT_TRUE(launcher.opened.isEmpty());

    writeFile("html/Intro.htm", "<html></html>");
    w.action(cmd::HelpContents)->trigger();
    w.runCommand(cmd::HelpFromDialog);
    EXPECT_EQ(launcher.opened, QStringList({path("html") + "/Intro.htm", path("html") + "/Intro.htm"}));
    EXPECT_EQ(notifier.shown.size(), 1u);
}

TEST_F(MainWindowTest, CommandsRouteThroughRegisteredHandlers) {
    CSnapvaleDlg& w = open();
    for (const CommandInfo& info : commandTable()) EXPECT_EQ(w.action(info.id)->data().toInt(), info.id);

    QList<int> ran;
    w.registerCommandHandler(cmd::AddFiles, [&] {
        ran << cmd::AddFiles;
        w.document().setImageList({"/photos/new.jpg"});
    });
    w.action(cmd::AddFilesMenu)->trigger();  // the menu item does what the toolbar button does
    EXPECT_EQ(ran, QList<int>({cmd::AddFiles}));
    EXPECT_TRUE(w.toolbarAction(cmd::Print)->isEnabled());

    // A command left without a handler says so instead of doing nothing.
    w.registerCommandHandler(cmd::AddFiles, nullptr);
    w.statusPanes()->setPaneText(0, "Ready...");
    w.toolbarAction(cmd::AddFiles)->trigger();
    EXPECT_EQ(ran.size(), 1);
    EXPECT_EQ(w.statusPanes()->paneText(0), "This command is not available yet.");
}

TEST_F(MainWindowTest, FirstPageHidesAboutAndStartsTheWizardOnce) {
    store().writeInt("Option", "StartupWithWizard", 1);
    CSnapvaleDlg& w = open();
    int wizards = 0;
    w.registerCommandHandler(cmd::Wizard, [&] { ++wizards; });
    w.showAboutWindow();
    ASSERT_TRUE(w.aboutWindow()->isVisible());
    EXPECT_EQ(w.aboutWindow()->windowTitle(), "About Snapvale");
    w.firstPageDrawn();
    w.firstPageDrawn();
    EXPECT_FALSE(w.aboutWindow()->isVisible());
    EXPECT_EQ(wizards, 1);
    EXPECT_EQ(store().readInt("Option", "StartupWithWizard", -1), 1);

    window.reset();
    store().writeInt("Option", "StartupWithWizard", 0);
    CSnapvaleDlg& quiet = open();
    quiet.registerCommandHandler(cmd::Wizard, [&] { ++wizards; });
    quiet.firstPageDrawn();
    EXPECT_EQ(wizards, 1);

    // Without a wizard to open, the first page keeps its own status texts.
    window.reset();
    store().writeInt("Option", "StartupWithWizard", 1);
    CSnapvaleDlg& bare = open();
    bare.registerCommandHandler(cmd::Wizard, nullptr);
    bare.statusPanes()->setPaneText(0, "3 photos loaded");
    bare.firstPageDrawn();
    EXPECT_EQ(bare.statusPanes()->paneText(0), "3 photos loaded");
}

TEST_F(MainWindowTest, ShownViewReportsItsFirstPage) {
    CSnapvaleDlg& w = open();
    w.show();
    for (int i = 0; i < 20 && !w.firstPageWasDrawn(); ++i) {
        w.view()->viewport()->repaint();
        QApplication::processEvents();
    }
    EXPECT_TRUE(w.firstPageWasDrawn());
}

// The image list is built at start-up and its commands run from the window.
TEST_F(MainWindowTest, StartUpBuildsTheListAndItsCommandsRunFromTheWindow) {
    QDir().mkpath(path("photos"));
    for (const char* name : {"b.JPG", "a.jpg", "c.txt", "d.png"})
        writeFile(QStringLiteral("photos/") + name, "x");
    store().writeString("Config", "BitmapPath", path("photos"));
    store().writeString("Config", "StartSeqPic", path("photos/b.JPG"));
    CSnapvaleDlg& w = open();
    const ImageList& list = w.document().imageList();
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(QFileInfo(list.entries()[0]).fileName(), "a.jpg");
    EXPECT_EQ(list.cursor(), 1);  // placed at the resume photo
    EXPECT_TRUE(w.toolbarAction(cmd::EraseList)->isEnabled());

    // Erase asks first; Yes empties the list and the toolbar follows.
    notifier.answers.push_back(Answer::Yes);
    w.action(cmd::EraseList)->trigger();
    EXPECT_TRUE(w.document().listEmpty());
    EXPECT_FALSE(w.toolbarAction(cmd::EraseList)->isEnabled());
    EXPECT_EQ(w.statusPanes()->indicatorLamp(), "LED_DKGRN");

    // Open Directory through the file chooser, starting at a chosen photo.
    files.results.push_back({path("photos/d.png")});
    w.action(cmd::OpenImageList)->trigger();
    EXPECT_EQ(list.count(), 3);
    EXPECT_EQ(list.currentPhoto, path("photos/d.png"));
    EXPECT_TRUE(w.toolbarAction(cmd::NextPage)->isEnabled());
    window.reset();
    // The next start resumes where this one stopped.
    EXPECT_EQ(store().readString("Config", "StartSeqPic", ""), path("photos/d.png"));
    EXPECT_EQ(store().readString("PhotoAlbum", "ImportedAlbum", "x"), "");
}

// The view renders a page from the list outside the paint, keeps it and shows it;
// the page commands render the next page.
TEST_F(MainWindowTest, ViewRendersKeepsAndShowsPages) {
    QDir().mkpath(path("shots"));
    const QColor colours[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow};
    for (int i = 0; i < 4; ++i) {
        QImage photo(300, 200, QImage::Format_RGB888);
        photo.fill(colours[i]);
        ASSERT_TRUE(photo.save(path(QStringLiteral("shots/p%1.jpg").arg(i)), "JPG"));
    }
    store().writeString("Config", "BitmapPath", path("shots"));
    store().writeString("PhotoPageLayout", "FullPageTemplateSel", "Three 4 x 6 Prints");
    store().writeInt("PhotoPageLayout", "PageResolution", 100);
    CSnapvaleDlg& w = open();
    CSnapvaleView* view = w.view();
    PrintDocument& doc = w.document();
    EXPECT_FALSE(doc.hasPage());  // nothing renders inside the constructor
    view->renderIfDue();
    ASSERT_TRUE(doc.hasPage());
    EXPECT_EQ(view->pageImage().size(), QSize(800, 1000));
    EXPECT_EQ(doc.page().image.GetBpp(), 24);
    EXPECT_TRUE(w.statusPanes()->paneText(0).startsWith("3 photos loaded (1 - 3) from disk: "));
    EXPECT_EQ(w.statusPanes()->paneText(2), "Three 4 x 6 Prints");
    // 300 x 200 photos stretched over 4 x 6 inch slots at 100 DPI: too few pixels.
    EXPECT_EQ(w.statusPanes()->indicatorLamp(), "LED_YELLOW");
    EXPECT_TRUE(w.windowTitle().startsWith("Snapvale [v 02.52.15] - Template Size ->  8.00 in x  10.00 in"));
    EXPECT_EQ(doc.report().firstFile, path("shots/p0.jpg"));
    // A pixel in the middle of the first slot carries the first photo's colour.
    const QColor first = view->pageImage().pixelColor(400, 200);
    EXPECT_GT(first.red(), 200);
    EXPECT_LT(first.green(), 60);

    w.action(cmd::NextPage)->trigger();
    EXPECT_FALSE(doc.hasPage());  // dropped at once, rendered from the event loop
    view->renderIfDue();
    ASSERT_TRUE(doc.hasPage());
    EXPECT_EQ(doc.report().firstFile, path("shots/p3.jpg"));
    EXPECT_TRUE(w.statusPanes()->paneText(0).startsWith("3 photos loaded (4 - 2) from disk: "));
}

// From the keyboard alone: Tab leaves the page view for the toolbar and the status
// lamp, and the lamp says what it means.
TEST_F(MainWindowTest, TabReachesTheLampWhichSaysWhatItShows) {
    CSnapvaleDlg& w = open();
    w.show();
    QApplication::setActiveWindow(&w);
    w.view()->setFocus();
    QSet<QWidget*> reached;
    for (int i = 0; i < 40; ++i) {
        QWidget* at = QApplication::focusWidget();
        ASSERT_NE(at, nullptr);
        reached.insert(at);
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QApplication::sendEvent(at, &tab);
    }
    EXPECT_TRUE(reached.contains(w.statusPanes()->indicator()));
    EXPECT_GT(reached.size(), 3);

    w.statusPanes()->setIndicator("LED_YELLOW");
    EXPECT_EQ(w.statusPanes()->indicator()->accessibleName(),
              "Print resolution: low for a photo on the page");
    w.statusPanes()->setIndicator("LED_DKGRN");
    EXPECT_EQ(w.statusPanes()->indicator()->accessibleName(), "Print resolution: good");
    const QString longText = QString(300, QLatin1Char('x'));
    w.statusPanes()->setPaneText(0, longText);
    EXPECT_EQ(w.statusPanes()->pane(0)->toolTip(), longText);
}

// The zoom scales the kept page on screen: nothing is rendered again, the choice is
// kept, and the slot statistics' 100 % mode shows the page at its actual size.
TEST_F(MainWindowTest, ZoomScalesTheKeptPageWithoutRenderingIt) {
    store().writeString("PhotoPageLayout", "FullPageTemplateSel", "One 8 x 10 Print");
    store().writeInt("PhotoPageLayout", "PageResolution", 50);  // a 400 x 500 page
    CSnapvaleDlg& w = open();
    w.resize(700, 600);
    w.show();
    w.document().setImageList({"/nowhere/a.jpg"});
    w.view()->renderIfDue();
    ASSERT_TRUE(w.document().hasPage());
    int renders = 0;
    QObject::connect(&w.document(), &PrintDocument::pageRendered, [&] { ++renders; });
    QWidget* page = w.view()->widget();
    EXPECT_EQ(page->size(), QSize(400, 500)) << "the start is one to one";

    w.runCommand(cmd::ZoomOut);
    EXPECT_DOUBLE_EQ(w.view()->zoom(), 0.75);
    EXPECT_EQ(page->size(), QSize(300, 375));
    EXPECT_EQ(w.view()->shownImage().size(), QSize(300, 375));
    w.runCommand(cmd::ZoomIn);
    w.runCommand(cmd::ZoomIn);
    EXPECT_EQ(page->size(), QSize(500, 625));
    w.runCommand(cmd::ZoomFitPage);
    const QSize room = w.view()->viewport()->size();
    EXPECT_TRUE(page->width() == room.width() || page->height() == room.height()) << "fits one side exactly";
    EXPECT_LE(page->height(), room.height());
    EXPECT_EQ(store().readInt("Config", "ViewZoom", -1), 0);

    w.document().setZoomMode(true);  // the statistics show a slot
    EXPECT_EQ(page->size(), QSize(400, 500));
    w.document().setZoomMode(false);
    EXPECT_LE(page->height(), room.height());
    w.runCommand(cmd::ZoomActualSize);
    EXPECT_EQ(page->size(), QSize(400, 500));
    EXPECT_EQ(store().readInt("Config", "ViewZoom", -1), 100);
    EXPECT_EQ(renders, 0);
    EXPECT_TRUE(w.document().hasPage());
}

// The view draws from the kept page's own rows: at 1:1 the screen shows its pixels
// exactly, enlarged a flat area keeps its colour, shrunk it shows the scaled page.
TEST_F(MainWindowTest, ViewDrawsTheKeptPageAtEveryZoom) {
    store().writeString("PhotoPageLayout", "FullPageTemplateSel", "One 8 x 10 Print");
    store().writeInt("PhotoPageLayout", "PageResolution", 50);  // a 400 x 500 page
    QImage photo(300, 400, QImage::Format_RGB32);
    photo.fill(QColor(20, 140, 220));
    ASSERT_TRUE(photo.save(path("flat.png"), "PNG"));
    CSnapvaleDlg& w = open();
    w.resize(700, 600);
    w.show();
    w.document().setImageList({path("flat.png")});
    w.view()->renderIfDue();
    ASSERT_TRUE(w.document().hasPage());
    QWidget* page = w.view()->widget();
    const QImage kept = w.document().page().image.ToBitmap().convertToFormat(QImage::Format_RGB32);

    w.runCommand(cmd::ZoomActualSize);
    const QImage one = page->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(one.size(), kept.size());
    EXPECT_EQ(one, kept);

    w.runCommand(cmd::ZoomIn);  // 1.25
    const QImage big = page->grab().toImage();
    EXPECT_EQ(big.size(), QSize(500, 625));
    EXPECT_EQ(big.pixel(250, 312) & 0xffffff, kept.pixel(200, 250) & 0xffffff);

    w.runCommand(cmd::ZoomOut);
    w.runCommand(cmd::ZoomOut);  // 0.75
    const QImage small = page->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(small, w.view()->shownImage().convertToFormat(QImage::Format_RGB32));
}
