#include "app/CSnapvaleApp.h"

#include <QApplication>
#include <QCoreApplication>
#include <cstdio>

#include "app/CSnapvaleDlg.h"
#include "app/GuiSeams.h"
#include "core/SettingsStore.h"
#include "ui/AboutWindow.h"

CSnapvaleApp::CSnapvaleApp(const Options& options) : options_(options), lock_(options.runtimeDir) {
    if (!options_.notifier) {
        ownNotifier_ = std::make_unique<MessageBoxNotifier>();
        options_.notifier = ownNotifier_.get();
    }
}

CSnapvaleApp::~CSnapvaleApp() {
    // The window writes its last settings while the store still exists.
    window_.reset();
    startupScreen_.reset();
    store_.reset();
}

bool CSnapvaleApp::claimSingleCopy() {
    switch (lock_.tryAcquire()) {
        case SingleInstanceLock::Result::Acquired:
            return true;
        case SingleInstanceLock::Result::OtherCopyRunning:
            options_.notifier->message(
                QCoreApplication::translate("CSnapvaleApp", "Snapvale Error: Duplicate Copy"),
                QCoreApplication::translate("CSnapvaleApp", "Application already running!"),
                MessageKind::Error);
            return false;
        case SingleInstanceLock::Result::Unavailable:
            // Without a place for the lock one copy cannot be told from two; starting
            // is better than refusing a person who runs only one.
            std::fprintf(stderr, "snapvale: cannot create the lock file %s; not checking for another copy\n",
                         qPrintable(lock_.path()));
            return true;
    }
    return true;
}

void CSnapvaleApp::start() {
    store_ = std::make_unique<SettingsStore>(options_.settingsFile);
    CSnapvaleDlg::Options o;
    o.store = store_.get();
    // Message boxes of the window belong to the window; the injected notifier (tests) stays.
    if (!ownNotifier_) o.notifier = options_.notifier;
    o.startFolder = options_.startFolder;
    o.startProject = options_.startProject;
    // The start-up screen goes up first: building the window reads the first folder,
    // which can take a while, and the screen is there to cover it.
    startupScreen_ = std::make_unique<AboutWindow>();
    startupScreen_->show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    o.startupScreen = startupScreen_.get();
    window_ = std::make_unique<CSnapvaleDlg>(o);
    window_->show();
    window_->showAboutWindow();
}

int CSnapvaleApp::exec() {
    if (!window_) return 1;
    return QApplication::exec();
}
