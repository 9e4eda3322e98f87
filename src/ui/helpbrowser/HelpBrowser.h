#pragma once
// A window of our own for a help page or the HTML image list, for desktops that have
// no browser set up for local files: the page with its links followed, and where the
// file is, so it can be opened elsewhere.

#include <QDialog>

class QLabel;
class QTextBrowser;

class HelpBrowser : public QDialog {
    Q_OBJECT
public:
    explicit HelpBrowser(QWidget* parent = nullptr);
    // Shows the page (a local HTML file) and brings the window up.
    void showFile(const QString& path);

    QTextBrowser* browser() const { return browser_; }
    QLabel* location() const { return location_; }

private:
    QTextBrowser* browser_ = nullptr;
    QLabel* location_ = nullptr;
};
