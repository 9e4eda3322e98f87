#include "ui/BusyGate.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "document/PrintDocument.h"

BusyGate::BusyGate(PrintDocument& document, QWidget* dialog)
    : QObject(dialog), document_(document), dialog_(dialog) {
    qApp->installEventFilter(this);
}

BusyGate::~BusyGate() {
    qApp->removeEventFilter(this);
}

bool BusyGate::eventFilter(QObject* watched, QEvent* event) {
    if (!document_.busy() || !watched->isWidgetType()) return false;
    if (static_cast<QWidget*>(watched)->window() != dialog_) return false;
    switch (event->type()) {
        case QEvent::KeyPress: {
            // Moving the focus changes nothing; Escape is the dialog's own Close.
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Escape) return false;
            return document_.refusedWhileBusy();
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            return document_.refusedWhileBusy();
        case QEvent::MouseButtonRelease:
        case QEvent::KeyRelease:
            return true;
        default:
            return false;
    }
}
