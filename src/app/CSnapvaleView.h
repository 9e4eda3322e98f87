#pragma once
// The main view: a scrolling view of the document's page, shown one to one. It only
// draws: the page, the settings and the list belong to the document. Until a page is
// rendered it shows a placeholder picture of the canvas size.

#include <QImage>
#include <QMenu>
#include <QPointer>
#include <QScrollArea>

class PrintDocument;

class CSnapvaleView : public QScrollArea {
    Q_OBJECT
public:
    explicit CSnapvaleView(PrintDocument& document, QWidget* parent = nullptr);
    ~CSnapvaleView() override;

    PrintDocument& document() { return document_; }
    const PrintDocument& document() const { return document_; }

    // The view's end writes (the document's ImportedAlbum, BitmapPath, StartSeqPic,
    // WatermarkText). Done once; the destructor does it when nobody did before.
    void writeEndSettings();

    // 100 % zoom mode, a flag the document keeps: set by the slot statistics, left by
    // clicks and page commands.
    bool zoomMode() const;
    void leaveZoomMode();

    void setPopupMenu(QMenu* menu) { popup_ = menu; }
    // Renders now when the document has no page (tests and scripts; the event loop
    // does it otherwise, never inside a paint).
    void renderIfDue();
    // The kept page as shown on screen; null while there is none.
    const QImage& pageImage() const { return pageImage_; }
    QSize canvasSize() const;

Q_SIGNALS:
    // After the page has been painted on screen.
    void pageDrawn();
    void zoomModeLeft();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void pageDropped();
    void pageRendered();
    void zoomModeChanged(bool on);

    PrintDocument& document_;
    QImage pageImage_;
    bool renderScheduled_ = false;
    QPointer<QMenu> popup_;
    QWidget* page_ = nullptr;
};
