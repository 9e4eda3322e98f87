// The window under a German locale: our translation and Qt's are loaded, the menus,
// messages and dialogs speak German and have room for it, and what scripts and
// stored files read stays English.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <QTranslator>

#include "../gui/GuiFixture.h"
#include "app/CommandTable.h"
#include "app/StatusPanes.h"
#include "app/Translations.h"
#include "core/CommandIds.h"
#include "layout/PageSetup.h"
#include "layout/TemplateCatalogue.h"
#include "ui/AboutWindow.h"
#include "ui/albumeditor/AlbumEditor.h"
#include "ui/layoutsetup/CPhotoLayoutSetupDlg.h"
#include "ui/printing/AlignmentDialog.h"
#include "ui/slotstats/CSlotStatsDlg.h"
#include "ui/smalldialogs/UserPageSizeDialog.h"
#include "ui/smalldialogs/ValuePrompt.h"
#include "ui/smalldialogs/WelcomeTipsDialog.h"
#include "ui/wizard/KioskWizard.h"

namespace {

const QLocale kGerman(QLocale::German, QLocale::Germany);

QString qtBaseFile(const QString& lang) {
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_%1.qm").arg(lang);
}

// Installs the German translations for one test and takes them away after it, so the
// other tests of the binary see the English sources.
class German {
public:
    German() { loaded = installTranslations(*qApp, kGerman, QStringLiteral(SNAPVALE_TRANSLATIONS_DIR)); }
    ~German() {
        for (QTranslator* t : {loaded.program, loaded.qtBase}) {
            if (!t) continue;
            QCoreApplication::removeTranslator(t);
            delete t;
        }
    }
    LoadedTranslations loaded;
};

QStringList menuTitles(CSnapvaleDlg& w) {
    QStringList titles;
    for (QAction* a : w.menuBar()->actions()) titles << a->text();
    return titles;
}

// Widgets whose text is cut off: a button, check box, radio button or single-line label
// narrower than its text needs, or a group box narrower than its title.
QStringList clippedTexts(QWidget* top) {
    QStringList clipped;
    for (QWidget* w : top->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(top)) continue;
        QString text;
        int needed = 0;
        if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            if (b->text().isEmpty() || !(qobject_cast<QPushButton*>(w) || qobject_cast<QCheckBox*>(w) ||
                                         qobject_cast<QRadioButton*>(w)))
                continue;
            text = b->text();
            needed = b->sizeHint().width();
        } else if (auto* l = qobject_cast<QLabel*>(w)) {
            if (l->text().isEmpty() || l->wordWrap() || !l->pixmap().isNull()) continue;
            text = l->text();
            needed = l->minimumSizeHint().width();
        } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
            if (g->title().isEmpty()) continue;
            text = g->title();
            needed = g->fontMetrics().horizontalAdvance(QString(g->title()).remove(QLatin1Char('&'))) + 16;
        } else {
            continue;
        }
        if (w->width() < needed)
            clipped << QStringLiteral("%1 \"%2\": %3 < %4")
                           .arg(QString::fromLatin1(w->metaObject()->className()), text)
                           .arg(w->width())
                           .arg(needed);
    }
    return clipped;
}

// Shown as the person would see it, with its layout settled.
QStringList clippedWhenShown(QWidget& dialog) {
    dialog.show();
    QApplication::processEvents();
    const QStringList clipped = clippedTexts(&dialog);
    dialog.hide();
    return clipped;
}

}  // namespace

TEST(ClippedTextTest, FindsAButtonOrLabelNarrowerThanItsText) {
    QWidget box;
    auto* button = new QPushButton(QStringLiteral("Eine recht lange Beschriftung"), &box);
    auto* label = new QLabel(QStringLiteral("Noch eine lange Beschriftung"), &box);
    auto* fits = new QPushButton(QStringLiteral("OK"), &box);
    button->setGeometry(0, 0, 40, 30);
    label->setGeometry(0, 40, 40, 30);
    fits->setGeometry(0, 80, fits->sizeHint().width(), 30);
    box.show();
    const QStringList clipped = clippedTexts(&box);
    EXPECT_EQ(clipped.size(), 2) << clipped.join(QStringLiteral("; ")).toStdString();
}

TEST(TranslationLoadingTest, GermanLocaleLoadsOursAndQtsEnglishLoadsNothing) {
    {
        German german;
        ASSERT_NE(german.loaded.program, nullptr) << SNAPVALE_TRANSLATIONS_DIR;
        // Qt's own German comes from the system's Qt translations where installed.
        EXPECT_EQ(german.loaded.qtBase != nullptr, QFile::exists(qtBaseFile(QStringLiteral("de"))));
        EXPECT_EQ(QCoreApplication::translate("CSnapvaleDlg", "&File"), QStringLiteral("&Datei"));
        if (german.loaded.qtBase) {
            EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
        }
    }
    // Gone again with the translators.
    EXPECT_EQ(QCoreApplication::translate("CSnapvaleDlg", "&File"), QStringLiteral("&File"));

    const LoadedTranslations english = installTranslations(
        *qApp, QLocale(QLocale::English, QLocale::UnitedStates), QStringLiteral(SNAPVALE_TRANSLATIONS_DIR));
    EXPECT_EQ(english.program, nullptr);
    // No folder, no translation: the program runs in English rather than failing.
    const LoadedTranslations none =
        installTranslations(*qApp, kGerman, QString(), QStringLiteral("/nonexistent"));
    EXPECT_EQ(none.program, nullptr);
    EXPECT_EQ(none.qtBase, nullptr);
    EXPECT_EQ(QCoreApplication::translate("CSnapvaleDlg", "&File"), QStringLiteral("&File"));
}

TEST_F(MainWindowTest, TheGermanWindowsMenusToolbarAndStatusBarAreGerman) {
    German german;
    ASSERT_NE(german.loaded.program, nullptr);
    CSnapvaleDlg& w = open();
    EXPECT_EQ(menuTitles(w), QStringList({"&Datei", "&Bearbeiten", "&Ansicht", "&Werkzeuge", "&Hilfe"}));
    EXPECT_EQ(w.action(cmd::SaveCanvas)->text(), QStringLiteral("Seite speichern..."));
    EXPECT_EQ(w.action(cmd::Exit)->text(), QStringLiteral("&Beenden"));
    // No queue named: the window's own word for it, in German too.
    EXPECT_EQ(w.action(cmd::Print)->text(), QStringLiteral("Die Seite auf „Standarddrucker“ drucken"));
    // The shortcut comes from the English table whatever the language.
    EXPECT_EQ(w.action(cmd::OpenImageList)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    EXPECT_EQ(w.toolbarAction(cmd::Print)->toolTip(), QStringLiteral("Die Seite drucken."));
    EXPECT_EQ(w.toolbarAction(cmd::Print)->text(), QStringLiteral("Drucken"));
    // Every command the window shows has its German text.
    for (const CommandInfo& info : commandTable()) {
        if (!info.menuText) continue;
        EXPECT_NE(w.action(info.id)->text(), QString::fromUtf8(info.menuText).section(u'\t', 0, 0))
            << info.menuText;
    }
    auto* panes = w.findChild<StatusPanes*>();
    ASSERT_NE(panes, nullptr);
    QStringList paneNames;
    for (QLabel* l : panes->findChildren<QLabel*>()) paneNames << l->accessibleName();
    EXPECT_TRUE(paneNames.contains(QStringLiteral("Seitenlayout"))) << paneNames.join(", ").toStdString();
}

TEST_F(MainWindowTest, CoreMessagesFollowTheWindowsLanguageButStayEnglishWithout) {
    {
        German german;
        CSnapvaleDlg& w = open();
        w.runCommand(cmd::EraseList);
        ASSERT_FALSE(notifier.shown.empty());
        EXPECT_EQ(notifier.shown.back().title, QStringLiteral("Snapvale: Liste leer"));
        EXPECT_EQ(notifier.shown.back().text, QStringLiteral("Ihre Bildliste ist bereits leer!"));
        window.reset();
    }
    notifier.shown.clear();
    CSnapvaleDlg& w = open();
    w.runCommand(cmd::EraseList);
    ASSERT_FALSE(notifier.shown.empty());
    EXPECT_EQ(notifier.shown.back().text, QStringLiteral("Your image list is already empty!"));
}

namespace {
// A document with photos and a drawn page, as the dialogs find it in use.
class GermanDialogsTest : public TempDirTest {
protected:
    void SetUp() override {
        TempDirTest::SetUp();
        doc = std::make_unique<PrintDocument>(store());
        AppSettings& s = doc->settings();
        chooseFullPageTemplate(s, nullptr, QStringLiteral("Three 4 x 6 Prints"));
        choosePageResolution(s, nullptr, 20);
        doc->setImageList(writeSmallPhotos(3));
        doc->setServices(fakes.services(&store()));
        doc->ensurePage();
    }
    FakeServices fakes;
    std::unique_ptr<PrintDocument> doc;
};
}  // namespace

TEST_F(GermanDialogsTest, EveryDialogHasRoomForItsGermanTexts) {
    German german;
    ASSERT_NE(german.loaded.program, nullptr);
    const Services services = fakes.services(&store());

    LayoutSetupContext layout;
    layout.document = doc.get();
    layout.services = services;
    for (int page = 0; page < 3; ++page) {
        CPhotoLayoutSetupDlg sheet(layout, page, doc->imageList().entries().front());
        EXPECT_EQ(sheet.findChild<QTabWidget*>()->tabText(2), QStringLiteral("&Erweitert"));
        EXPECT_EQ(clippedWhenShown(sheet), QStringList()) << "layout setup page " << page;
    }
    WizardContext wizardContext{doc.get(), services, path("html"), [](int) {}};
    for (int page = 0; page < 3; ++page) {
        KioskWizard wizard(wizardContext, page);
        EXPECT_EQ(clippedWhenShown(wizard), QStringList()) << "wizard page " << page;
    }
    CSlotStatsDlg stats(*doc, services, path("html"));
    EXPECT_EQ(clippedWhenShown(stats), QStringList());

    AlbumEditorContext albumContext{doc.get(), services, path("html"), [](int) {}};
    AlbumEditor editor(albumContext);
    EXPECT_EQ(clippedWhenShown(editor), QStringList());

    AppSettings settings;
    WelcomeTipsDialog tips(settings, store(), fakes.notifier, fakes.launcher, path("html"));
    EXPECT_EQ(tips.windowTitle(), QStringLiteral("Snapvale – Tipps zum Start"));
    ValuePromptDialog prompt(
        fakes.notifier, QCoreApplication::translate("CPPageAdvancedOptionsControl", "Lighten Images"), 50);
    UserPageSizeDialog pageSize(settings, store(), fakes.notifier);
    AlignmentDialog alignment(fakes.printer, [](const AlignmentOffsets&) { return PrintResult::Printed; });
    AboutWindow about;
    for (QWidget* dialog : std::initializer_list<QWidget*>{&tips, &prompt, &pageSize, &alignment, &about})
        EXPECT_EQ(clippedWhenShown(*dialog), QStringList()) << dialog->windowTitle().toStdString();
}

TEST(CommandLineLanguageTest, TheCommandLineStaysEnglishUnderAGermanDesktop) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QProcess cli;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LANG"), QStringLiteral("de_DE.UTF-8"));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("de_DE.UTF-8"));
    env.insert(QStringLiteral("LANGUAGE"), QStringLiteral("de"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.path());
    cli.setProcessEnvironment(env);
    // The scan's status texts are translated in the window; here they must not be.
    QImage photo(40, 30, QImage::Format_RGB32);
    photo.fill(Qt::red);
    ASSERT_TRUE(photo.save(dir.filePath(QStringLiteral("one.png"))));
    cli.start(QStringLiteral(SNAPVALE_STAGE_BIN "/snapvale-cli"),
              {QStringLiteral("list"), QStringLiteral("--verbose"), dir.path()});
    ASSERT_TRUE(cli.waitForFinished(30000));
    const QString err = QString::fromUtf8(cli.readAllStandardError());
    EXPECT_EQ(cli.exitCode(), 0) << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("Image list contains 1 files."))) << err.toStdString();
}

TEST_F(GermanDialogsTest, TemplatesShowGermanNamesButStoreTheCataloguesOwn) {
    German german;
    EXPECT_EQ(layoutDisplayText(QStringLiteral("Three 4 x 6 Prints")), QStringLiteral("Drei Bilder 4 x 6"));
    EXPECT_EQ(layoutDisplayText(QStringLiteral("Top: One 4\" x 6\" Prints + Bottom: No Photos")),
              QStringLiteral("Oben: Ein Bild 4\" x 6\" + Unten: Keine Fotos"));
    // A name the catalogue does not know is shown as it is.
    EXPECT_EQ(layoutDisplayText(QStringLiteral("Top: x + Bottom")), QStringLiteral("Top: x + Bottom"));

    LayoutSetupContext layout;
    layout.document = doc.get();
    layout.services = fakes.services(&store());
    CPhotoLayoutSetupDlg sheet(layout, 1, doc->imageList().entries().front());
    QComboBox* templates = nullptr;
    for (QComboBox* c : sheet.findChildren<QComboBox*>())
        if (c->accessibleName() == QStringLiteral("Ganzseitige Vorlage")) templates = c;
    ASSERT_NE(templates, nullptr);
    EXPECT_EQ(templates->currentText(), QStringLiteral("Drei Bilder 4 x 6"));
    const int index = templates->findData(QStringLiteral("Six 3 x 4 Prints"));
    ASSERT_GE(index, 0);
    EXPECT_EQ(templates->itemText(index), QStringLiteral("Sechs Bilder 3 x 4"));
    Q_EMIT templates->activated(index);
    EXPECT_EQ(doc->settings().FullPageTemplateSel, QStringLiteral("Six 3 x 4 Prints"));
}
