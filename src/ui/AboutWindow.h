#pragma once
// The About window. It is also the start-up screen, shown until the first page is drawn.

#include <QDialog>

class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* parent = nullptr);
};
