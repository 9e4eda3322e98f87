#pragma once
// The program's start: one running copy, the settings store, the main window and
// the start-up About window.

#include <QString>
#include <memory>

#include "app/SingleInstance.h"

class AboutWindow;
class CSnapvaleDlg;
class MessageBoxNotifier;
class Notifier;
class SettingsStore;

class CSnapvaleApp {
public:
    struct Options {
        QString runtimeDir;            // where the single-copy lock lives; empty: the user's runtime folder
        QString settingsFile;          // empty: the user's own settings file
        QString startFolder;           // the command-line folder
        QString startProject;          // a print project named on the command line
        Notifier* notifier = nullptr;  // null: message boxes
    };
    explicit CSnapvaleApp(const Options& options);
    ~CSnapvaleApp();

    // Returns false, after telling the person, when another copy is running. Nothing
    // else has been touched then: no window, no settings.
    bool claimSingleCopy();
    // Opens the settings, builds the main window and shows it with the About window.
    void start();
    // Runs until the main window has closed.
    int exec();

    CSnapvaleDlg* mainWindow() const { return window_.get(); }
    SettingsStore* store() const { return store_.get(); }

private:
    Options options_;
    SingleInstanceLock lock_;
    std::unique_ptr<MessageBoxNotifier> ownNotifier_;
    std::unique_ptr<SettingsStore> store_;
    std::unique_ptr<AboutWindow> startupScreen_;
    std::unique_ptr<CSnapvaleDlg> window_;
};
