#pragma once
// A main window on a temporary settings file, with every message answered by a
// scripted notifier.

#include <QDir>
#include <memory>

#include "app/CSnapvaleDlg.h"
#include "document/PrintDocument.h"
#include "support/FakeSeams.h"
#include "support/TestSupport.h"

class MainWindowTest : public TempDirTest {
protected:
    ScriptedNotifier notifier;
    RecordingLauncher launcher;
    ScriptedFileChooser files;
    FakePrinterBackend printer;
    std::unique_ptr<CSnapvaleDlg> window;

    void SetUp() override {
        TempDirTest::SetUp();
        // The wizard would run at the first page; these tests call it when they mean to.
        store().writeInt("Option", "StartupWithWizard", 0);
        // Start on an empty folder of our own, not on the installed sample photos.
        QDir().mkpath(path("empty"));
        store().writeString("Config", "BitmapPath", path("empty"));
    }

    CSnapvaleDlg& open(const QString& startFolder = QString()) {
        CSnapvaleDlg::Options o;
        o.store = &store();
        o.notifier = &notifier;
        o.launcher = &launcher;
        o.files = &files;
        o.printer = &printer;
        o.startFolder = startFolder;
        o.helpDir = path("html");
        window = std::make_unique<CSnapvaleDlg>(o);
        return *window;
    }

    // Whether a value exists in the store: read it with two different defaults.
    bool stored(const QString& section, const QString& name) {
        return store().readInt(section, name, -7) != -7 || store().readInt(section, name, -8) != -8;
    }
};
