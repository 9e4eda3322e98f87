#pragma once
// Holds back the clicks and keys a dialog gets while a long operation holds the
// document (a folder scan or a print started from the dialog lets input through its
// progress window): each is refused through the document's gate, which says why in
// the status bar, so no control of the dialog changes anything underneath the work.

#include <QObject>

class PrintDocument;
class QWidget;

class BusyGate : public QObject {
public:
    BusyGate(PrintDocument& document, QWidget* dialog);
    ~BusyGate() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    PrintDocument& document_;
    QWidget* dialog_;
};
