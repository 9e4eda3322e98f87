#pragma once
// A text that behaves as a link: the pointing hand over it, underlined while the
// mouse is on it, and a click (or Enter or Space when it has the focus) opens its URL
// in the desktop's browser.

#include <QLabel>

class Launcher;
class Notifier;

class HyperlinkLabel : public QLabel {
    Q_OBJECT
public:
    // The seams outlive the label.
    HyperlinkLabel(const QString& text, const QString& url, Launcher& launcher, Notifier& notifier,
                   QWidget* parent = nullptr);

    QString url() const { return url_; }
    void setUrl(const QString& url);
    bool isHovered() const { return hovered_; }

    // Opens the URL; when the desktop cannot, tells the person. True when it opened.
    bool openLink();

Q_SIGNALS:
    void hoveredChanged(bool hovered);

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void setHovered(bool hovered);
    void restyle();

    QString url_;
    Launcher& launcher_;
    Notifier& notifier_;
    bool hovered_ = false;
};
