#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QScreen>

#include "app/GuiSeams.h"
#include "support/FakeSeams.h"
#include "support/TestSupport.h"
#include "ui/PictureButton.h"
#include "ui/ProgressDialog.h"

using ProgressDialogTest = TempDirTest;

namespace {
// The mean colour of the visible pixels of a lamp.
QColor averageColour(const QImage& image) {
    qint64 r = 0, g = 0, b = 0, n = 0;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb p = argb.pixel(x, y);
            if (qAlpha(p) < 128) continue;
            r += qRed(p), g += qGreen(p), b += qBlue(p), ++n;
        }
    return n ? QColor(int(r / n), int(g / n), int(b / n)) : QColor();
}

QPoint centred() {
    const QRect area = QGuiApplication::primaryScreen()->geometry();
    return QPoint(area.x() + (area.width() - ProgressDialog::kWidth) / 2,
                  area.y() + (area.height() - ProgressDialog::kHeight) / 2);
}
}  // namespace

TEST_F(ProgressDialogTest, WindowCaptionAndParts) {
    QWidget owner;
    ProgressDialog d(&owner, &store());
    d.create("Photo Image List Web Page Progress", true);
    ASSERT_NE(d.window(), nullptr);
    EXPECT_EQ(d.window()->size(), QSize(390, 130));
    EXPECT_TRUE(d.window()->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(d.window()->isVisible());
    EXPECT_EQ(d.cancelButton()->text(), " Cancel ");
    EXPECT_EQ(d.window()->windowTitle(), "Photo Image List Web Page Progress");
    d.setRange(0, 200);
    d.setPosition(84);
    EXPECT_EQ(d.window()->windowTitle(), "Photo Image List Web Page Progress [42%]");
    EXPECT_EQ(d.bar()->value(), 84);
    d.setText(QString("line one\nline two"));
    EXPECT_EQ(d.label()->text(), "line one\nline two");
    // Everything inside the window.
    for (QWidget* part : {static_cast<QWidget*>(d.label()), static_cast<QWidget*>(d.bar()),
                          static_cast<QWidget*>(d.cancelButton())})
        EXPECT_TRUE(QRect(QPoint(0, 0), d.window()->size()).contains(part->geometry()))
            << part->metaObject()->className();
    d.destroy();
    EXPECT_EQ(d.window(), nullptr);
    d.setText("after");  // nothing left to change, nothing breaks
}

TEST_F(ProgressDialogTest, StoredPositionOnlyWhenOnScreen) {
    QWidget owner;
    store().writeInt("Settings", "X", 5000);
    store().writeInt("Settings", "Y", 10);
    {
        ProgressDialog d(&owner, &store());
        d.create();
        EXPECT_EQ(d.window()->pos(), centred());
        d.window()->move(40, 50);
    }  // going away remembers where it was
    EXPECT_EQ(store().readInt("Settings", "X", -1), 40);
    EXPECT_EQ(store().readInt("Settings", "Y", -1), 50);
    ProgressDialog again(&owner, &store());
    again.create();
    EXPECT_EQ(again.window()->pos(), QPoint(40, 50));
    again.destroy();

    store().writeInt("Settings", "X", 77);
    ProgressDialog forgetful(&owner, &store());
    forgetful.setRememberPosition(false);
    forgetful.create();
    EXPECT_EQ(forgetful.window()->pos(), centred());
    forgetful.destroy();
    EXPECT_EQ(store().readInt("Settings", "X", -1), 77);
}

TEST_F(ProgressDialogTest, EscapeCancelsOnlyWhenAskedAndButtonCancels) {
    QWidget owner;
    owner.show();
    ProgressDialog d(&owner, &store());
    d.create();
    auto sendEscape = [&] {
        QCoreApplication::postEvent(d.window(),
                                    new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    };
    sendEscape();
    d.pump(false);
    EXPECT_FALSE(d.cancelled());
    sendEscape();
    d.pump(true);
    EXPECT_TRUE(d.cancelled());
    EXPECT_FALSE(d.window()->isVisible());
    EXPECT_TRUE(store().readInt("Settings", "X", -1) >= 0);

    d.clearCancelled();
    d.show();
    d.cancelButton()->click();
    EXPECT_TRUE(d.cancelled());
}

TEST_F(ProgressDialogTest, AWindowOpenedDuringTheWorkKeepsItsEnterAndEscape) {
    QWidget owner;
    owner.show();
    ProgressDialog d(&owner, &store());
    d.create();
    // A message box of the program, opened while the work goes on.
    QMessageBox box(QMessageBox::Information, "Help", "Unable to locate context help topic", QMessageBox::Ok);
    int boxResult = -1;
    QObject::connect(&box, &QDialog::finished, [&](int result) { boxResult = result; });
    box.show();
    for (int key : {Qt::Key_Escape, Qt::Key_Return}) {
        boxResult = -1;
        box.show();
        QCoreApplication::postEvent(&box, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
        d.pump(true);
        EXPECT_NE(boxResult, -1) << "the box took the key " << key;
        EXPECT_FALSE(d.cancelled()) << "the work goes on";
    }
    // The main window's Escape still stops the work.
    QCoreApplication::postEvent(&owner, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    d.pump(true);
    EXPECT_TRUE(d.cancelled());
}

TEST_F(ProgressDialogTest, FactoryMakesWorkingWindows) {
    QWidget owner;
    GuiProgressFactory factory(&owner, &store());
    std::unique_ptr<ProgressWindow> w = factory.makeProgressWindow();
    w->create("Batch");
    w->setRange(0, 0);
    EXPECT_EQ(w->setPosition(3), 3);
    EXPECT_EQ(w->title(), "Batch");
    EXPECT_EQ(static_cast<ProgressDialog*>(w.get())->window()->windowTitle(),
              "Batch");  // 0..0 shows no percentage
}

TEST(PictureButtonTest, MissingPictureFailsAndClears) {
    PictureButton b;
    b.setPicture(statusLampPicture("LED_RED", 16));
    ASSERT_TRUE(b.hasPicture());
    EXPECT_FALSE(b.setBitmap(":/lamps/NO_SUCH_LAMP.png"));
    EXPECT_FALSE(b.hasPicture());
    EXPECT_FALSE(b.setPhoto("/no/such/photo.jpg"));
}

TEST(PictureButtonTest, PictureAndCaptionShareTheFace) {
    const QRect r(0, 0, 104, 44);
    const PictureButton::Geometry both = PictureButton::layoutFor(r, true, true);
    EXPECT_EQ(both.content, QRect(2, 2, 100, 40));
    EXPECT_EQ(both.picture, QRect(5, 5, 14, 34));  // left 20 %, 3 pixels in
    EXPECT_EQ(both.caption, QRect(22, 2, 80, 40));
    const PictureButton::Geometry picture = PictureButton::layoutFor(r, true, false);
    EXPECT_EQ(picture.picture, r);
    EXPECT_TRUE(picture.caption.isEmpty());
    const PictureButton::Geometry caption = PictureButton::layoutFor(r, false, true);
    EXPECT_EQ(caption.caption, QRect(2, 2, 100, 40));
    EXPECT_TRUE(caption.picture.isEmpty());
}

TEST(PictureButtonTest, LampsHaveTheirColours) {
    const QImage red = statusLampPicture("LED_RED", 20);
    const QImage cyan = statusLampPicture("xxLED_CYANxx", 20);
    const QImage unknown = statusLampPicture("nothing", 20);
    ASSERT_FALSE(red.isNull());
    const QColor r = averageColour(red), c = averageColour(cyan), g = averageColour(unknown);
    EXPECT_GT(r.red(), r.blue() + 40);
    EXPECT_GT(c.blue(), c.red() + 40);
    EXPECT_LT(std::abs(g.red() - g.blue()), 16);  // the gray lamp
}

TEST(GuiSeamsTest, PhotoFilterBecomesQtNameFilters) {
    const QStringList f = qtNameFilters("All Supported|*.BMP;*.JPG|Jpeg Files(*.JPG)|*.JPG|");
    EXPECT_EQ(f, QStringList({"All Supported (*.bmp *.BMP *.jpg *.JPG)", "Jpeg Files(*.JPG) (*.jpg *.JPG)"}));
    EXPECT_TRUE(qtNameFilters("").isEmpty());
    EXPECT_TRUE(qtNameFilters("Broken|").isEmpty());
}
