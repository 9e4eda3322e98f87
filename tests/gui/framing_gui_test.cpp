// Framing photos in the main window: with the mouse, from the keyboard, and kept in
// a print project that opens again by dropping it on the window.

#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "GuiFixture.h"
#include "app/CSnapvaleView.h"
#include "app/ProjectCommands.h"
#include "core/CommandIds.h"
#include "layout/PageSetup.h"
#include "ui/PagePreview.h"
#include "ui/SlotFraming.h"

namespace {
void sendMouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
    QMouseEvent e(type, QPointF(at), w->mapToGlobal(QPointF(at)), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}
void sendKey(QWidget* w, int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, mods);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, mods);
    QApplication::sendEvent(w, &release);
}
// Runs the event loop until done() or about two seconds have passed.
template <class F>
bool waitFor(F done) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < 2000) QApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}
}  // namespace

class FramingGuiTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        QDir().mkpath(path("photos"));
        for (int i = 1; i <= 3; ++i) {
            // Square photos: they travel up and down in the landscape slots.
            QImage img(300, 300, QImage::Format_RGB32);
            img.fill(QColor::fromHsv(i * 90, 200, 220));
            QPainter(&img).fillRect(0, 0, 300, 150, QColor::fromHsv(i * 90 + 40, 250, 120));
            ASSERT_TRUE(img.save(path(QStringLiteral("photos/0%1-photo.png").arg(i))));
        }
    }
    CSnapvaleDlg& openOnPhotos() {
        CSnapvaleDlg& w = open(path("photos"));
        PrintDocument& doc = w.document();
        chooseFullPageTemplate(doc.settings(), nullptr, QStringLiteral("Three 4 x 6 Prints"));
        choosePageResolution(doc.settings(), nullptr, 40);
        doc.dropPage();
        w.view()->renderIfDue();
        w.view()->actualSize();
        return w;
    }
    SlotFrameHandle* handle(CSnapvaleDlg& w, int slot) { return w.view()->slotFraming().handle(slot); }
};

TEST_F(FramingGuiTest, EverySlotIsAFocusableNamedHandle) {
    CSnapvaleDlg& w = openOnPhotos();
    ASSERT_EQ(w.document().report().loaded, 3);
    for (int slot = 1; slot <= 3; ++slot) {
        SlotFrameHandle* h = handle(w, slot);
        ASSERT_NE(h, nullptr);
        EXPECT_EQ(h->accessibleName(), QStringLiteral("Slot %1: 0%1-photo.png").arg(slot));
        EXPECT_TRUE(h->focusPolicy() & Qt::TabFocus);
        // Over its slot at the view's zoom.
        EXPECT_EQ(h->geometry(), w.document().report().slots[slot].rect);
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(h);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(QAccessible::Name), h->accessibleName());
    }
    // The handles follow the zoom.
    w.view()->zoomOut();
    const double z = w.view()->zoom();
    ASSERT_LT(z, 1.0);
    EXPECT_NEAR(handle(w, 2)->width(), w.document().report().slots[2].rect.width() * z, 2);
}

TEST_F(FramingGuiTest, DraggingWithTheMouseMovesThePhotoLiveAndFramesItOnRelease) {
    CSnapvaleDlg& w = openOnPhotos();
    PrintDocument& doc = w.document();
    SlotFrameHandle* h = handle(w, 1);
    ASSERT_NE(h, nullptr);
    const SlotRecord r = doc.report().slots[1];
    const QImage before = w.view()->pageImage().copy(r.rect);

    const QPoint from = h->rect().center();
    sendMouse(h, QEvent::MouseButtonPress, from, Qt::LeftButton);
    sendMouse(h, QEvent::MouseMove, from + QPoint(0, 30), Qt::LeftButton);
    // Live: the slot on screen changed, the document has not been told yet.
    EXPECT_NE(w.view()->pageImage().copy(r.rect), before);
    EXPECT_TRUE(doc.framings().isEmpty());
    EXPECT_TRUE(doc.hasPage());
    sendMouse(h, QEvent::MouseMove, from + QPoint(0, 60), Qt::LeftButton);
    sendMouse(h, QEvent::MouseButtonRelease, from + QPoint(0, 60), Qt::NoButton);

    const Framing* f = doc.framings().find(1, r.fileName);
    ASSERT_NE(f, nullptr);
    // The photo followed the pointer down, so the shown part moved up: a negative pan.
    EXPECT_LT(f->panY, 0);
    EXPECT_EQ(f->zoom, 1.0);
    ASSERT_TRUE(waitFor([&] { return doc.hasPage(); }));
    EXPECT_EQ(doc.report().slots[1].framed, 1);
    // The page rendered with the framing is what the drag showed.
    EXPECT_EQ(w.view()->pageImage().copy(r.rect).size(), before.size());

    // Ctrl+wheel zooms; double-click goes back to automatic.
    QWheelEvent wheel(QPointF(from), h->mapToGlobal(QPointF(from)), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(h, &wheel);
    ASSERT_TRUE(waitFor([&] {
        const Framing* z = doc.framings().find(1, r.fileName);
        return z && z->zoom > 1.2;
    }));
    sendMouse(h, QEvent::MouseButtonDblClick, from, Qt::LeftButton);
    EXPECT_FALSE(doc.framings().isFramedByHand(1, r.fileName));
}

TEST_F(FramingGuiTest, ArrowKeysMoveAFocusedPhotoAndPlusZooms) {
    CSnapvaleDlg& w = openOnPhotos();
    PrintDocument& doc = w.document();
    SlotFrameHandle* h = handle(w, 2);
    ASSERT_NE(h, nullptr);
    const QString file = doc.report().slots[2].fileName;
    h->setFocus(Qt::TabFocusReason);
    sendKey(h, Qt::Key_Plus);
    for (int i = 0; i < 5; ++i) sendKey(h, Qt::Key_Right);
    sendKey(h, Qt::Key_Down, Qt::ShiftModifier);
    // Taken once the keys rest.
    ASSERT_TRUE(waitFor([&] { return doc.framings().isFramedByHand(2, file); }));
    const Framing f = *doc.framings().find(2, file);
    EXPECT_NEAR(f.zoom, 1.25, 1e-9);
    EXPECT_LT(f.panX, 0);
    EXPECT_LT(f.panY, 0);
    // R turns a quarter; Backspace resets. The Enter and Escape keys stay the window's.
    ASSERT_TRUE(waitFor([&] { return doc.hasPage(); }));
    h = handle(w, 2);
    ASSERT_NE(h, nullptr);
    sendKey(h, Qt::Key_R);
    EXPECT_EQ(doc.framings().find(2, file)->turns, 1);
    sendKey(h, Qt::Key_Backspace);
    EXPECT_FALSE(doc.framings().isFramedByHand(2, file));
}

TEST_F(FramingGuiTest, ProjectSavedFromTheMenuReopensByDroppingIt) {
    CSnapvaleDlg& w = openOnPhotos();
    PrintDocument& doc = w.document();
    ASSERT_TRUE(doc.setFraming(3, Framing{1, 0, 2, 0}));
    w.view()->renderIfDue();
    const QString project = path("trip.svp");
    files.results.push_back({project});
    w.runCommand(cmd::SaveProject);
    ASSERT_TRUE(QFile::exists(project));
    EXPECT_EQ(w.projects().recentProjects().value(0), project);

    // Another job, then the project dropped on the window.
    chooseFullPageTemplate(doc.settings(), nullptr, QStringLiteral("One Borderless 4in x 6in Print"));
    doc.resetFraming(3);
    w.openDroppedPaths({project});
    EXPECT_EQ(doc.settings().FullPageTemplateSel, QStringLiteral("Three 4 x 6 Prints"));
    ASSERT_TRUE(doc.framings().isFramedByHand(3, path("photos/03-photo.png")));
    EXPECT_EQ(doc.framings().find(3, path("photos/03-photo.png"))->zoom, 2.0);

    // A broken project says where and changes nothing.
    QFile bad(path("bad.svp"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("snapvale-project 1\nphoto=x.png\nframe=1 0 0 1e9 0\nend\n");
    bad.close();
    notifier.shown.clear();
    EXPECT_FALSE(w.openProjectFile(path("bad.svp")));
    ASSERT_EQ(notifier.shown.size(), 1u);
    EXPECT_TRUE(notifier.shown[0].text.contains(QStringLiteral("line 3:")))
        << notifier.shown[0].text.toStdString();
    EXPECT_EQ(doc.imageList().count(), 3);
    EXPECT_TRUE(doc.framings().isFramedByHand(3, path("photos/03-photo.png")));
}

TEST_F(FramingGuiTest, TheSetupSheetsPreviewFramesTooAndKeepsItsFocus) {
    PrintDocument doc(store());
    chooseFullPageTemplate(doc.settings(), nullptr, QStringLiteral("Three 4 x 6 Prints"));
    choosePageResolution(doc.settings(), nullptr, 40);
    doc.setImageList({path("photos/01-photo.png"), path("photos/02-photo.png"), path("photos/03-photo.png")});
    doc.ensurePage();
    DocumentPagePreview preview(doc, QStringLiteral("Page preview"));
    preview.resize(200, 250);
    preview.enableFraming();
    SlotFramingOverlay* overlay = preview.slotFraming();
    ASSERT_NE(overlay, nullptr);
    SlotFrameHandle* h = overlay->handle(3);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(h->accessibleName(), QStringLiteral("Slot 3: 03-photo.png"));
    // The handle lies over the slot as the preview scales the page.
    EXPECT_TRUE(preview.rect().contains(h->geometry()))
        << h->geometry().x() << "," << h->geometry().y() << " " << h->width() << "x" << h->height() << " in "
        << preview.width() << "x" << preview.height();
    EXPECT_LT(h->width(), doc.report().slots[3].rect.width());

    const QImage before = preview.previewImage();
    sendKey(h, Qt::Key_Minus);  // never below the automatic fill: nothing to draw
    EXPECT_EQ(preview.previewImage(), before);
    sendKey(h, Qt::Key_Plus);
    sendKey(h, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_NE(preview.previewImage(), before);  // drawn live before the page is
    ASSERT_TRUE(waitFor([&] { return doc.framings().isFramedByHand(3, path("photos/03-photo.png")); }));
    doc.ensurePage();
    // The same handle after the new page, so the keyboard stays where it was.
    EXPECT_EQ(overlay->handle(3), h);
    EXPECT_EQ(doc.report().slots[3].framed, 1);
}
