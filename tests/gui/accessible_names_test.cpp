// What a screen reader or voice control meets in each dialog is what the screen
// shows: every labelled control's accessible name holds its visible text.

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>

#include "gui/GuiFixture.h"
#include "layout/PageSetup.h"
#include "ui/albumeditor/AlbumEditor.h"
#include "ui/layoutsetup/CPhotoLayoutSetupDlg.h"
#include "ui/printing/AlignmentDialog.h"
#include "ui/slotstats/CSlotStatsDlg.h"
#include "ui/wizard/KioskWizard.h"

namespace {

QString shownText(QString text) {
    text.remove(QLatin1Char('&'));
    return text.trimmed();
}

// "class: name != shown" for each control whose accessible name lacks its visible text.
QStringList mismatches(QWidget* dialog) {
    QStringList out;
    auto check = [&](QWidget* w, const QString& shown) {
        if (shown.isEmpty() || !w->isVisibleTo(dialog)) return;
        const QString name = w->accessibleName().isEmpty() ? shown : w->accessibleName();
        if (!name.contains(shown, Qt::CaseInsensitive))
            out << QStringLiteral("%1: \"%2\" shows \"%3\"")
                       .arg(QString::fromLatin1(w->metaObject()->className()), name, shown);
    };
    for (QAbstractButton* b : dialog->findChildren<QAbstractButton*>()) check(b, shownText(b->text()));
    for (QLabel* l : dialog->findChildren<QLabel*>()) {
        if (!l->buddy()) continue;
        QString shown = shownText(l->text());
        if (shown.endsWith(QLatin1Char(':'))) shown.chop(1);
        check(l->buddy(), shown);
    }
    return out;
}

class AccessibleNamesTest : public TempDirTest {
protected:
    void SetUp() override {
        TempDirTest::SetUp();
        doc = std::make_unique<PrintDocument>(store());
        chooseFullPageTemplate(doc->settings(), nullptr, QStringLiteral("Three 4 x 6 Prints"));
        choosePageResolution(doc->settings(), nullptr, 20);
        QStringList photos;
        for (int i = 0; i < 3; ++i) {
            const QString file = path(QStringLiteral("p%1.png").arg(i));
            QImage photo(60, 40, QImage::Format_RGB32);
            photo.fill(QColor(60 * i, 200, 100));
            photo.save(file);
            photos << file;
        }
        doc->setImageList(photos);
        doc->setServices(fakes.services(&store()));
        doc->ensurePage();
    }
    FakeServices fakes;
    std::unique_ptr<PrintDocument> doc;
};

TEST_F(AccessibleNamesTest, EveryDialogNamesItsControlsByWhatTheyShow) {
    QStringList found;
    {
        LayoutSetupContext context;
        context.document = doc.get();
        context.services = fakes.services(&store());
        CPhotoLayoutSetupDlg sheet(context, 0, doc->imageList().entries().front());
        for (int page = 0; page < 3; ++page) {
            sheet.sheet()->setCurrentIndex(page);
            found << mismatches(&sheet);
        }
    }
    {
        WizardContext context;
        context.document = doc.get();
        context.services = fakes.services(&store());
        KioskWizard wizard(context, 0);
        for (int page = 0; page < 3; ++page) {
            wizard.setCurrentPage(page);
            found << mismatches(&wizard);
        }
    }
    {
        CSlotStatsDlg stats(*doc, fakes.services(&store()), path("html"));
        found << mismatches(&stats);
    }
    {
        AlbumEditorContext context;
        context.document = doc.get();
        context.services = fakes.services(&store());
        AlbumEditor editor(context);
        found << mismatches(&editor);
    }
    {
        AlignmentDialog alignment(fakes.printer, {});
        found << mismatches(&alignment);
    }
    found.removeDuplicates();
    EXPECT_TRUE(found.isEmpty()) << found.join(QLatin1Char('\n')).toStdString();
}

}  // namespace
