#pragma once
// Drives a modal dialog from inside its own event loop: the script runs once the
// dialog is up, and a watchdog ends a dialog the script left open so no test hangs.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>

template <class Dialog>
class ModalScript {
public:
    explicit ModalScript(std::function<void(Dialog&)> script) {
        QTimer::singleShot(0, &guard_, [script] {
            auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            if (!dialog) {
                ADD_FAILURE() << "no modal dialog of the expected kind";
                return;
            }
            // Key presses and focus moves need the dialog to be the active window.
            dialog->activateWindow();
            QApplication::processEvents();
            script(*dialog);
        });
        watchdog_.setSingleShot(true);
        QObject::connect(&watchdog_, &QTimer::timeout, [] {
            if (auto* open = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                ADD_FAILURE() << "the dialog was left open";
                open->reject();
            }
        });
        watchdog_.start(10000);
    }

private:
    QObject guard_;  // the script dies with this object if the dialog never came
    QTimer watchdog_;
};
