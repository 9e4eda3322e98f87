#pragma once
// The main view: a scrolling view of the document's page, shown one to one. It only
// draws: the page, the settings and the list belong to the document. Until a page is
// rendered it shows a placeholder picture of the canvas size.

#include <QImage>
#include <QMenu>
#include <QPointer>
#include <QScrollArea>

class PrintDocument;
class QPainter;
class SlotFramingOverlay;

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

    void setPopupMenu(QMenu* menu);
    // The handles that frame the page's photos by hand.
    SlotFramingOverlay& slotFraming() const { return *framing_; }
    // Renders now when the document has no page (tests and scripts; the event loop
    // does it otherwise, never inside a paint).
    void renderIfDue();

    // The zoom the person chose: the whole page fitted into the window, or a factor
    // (1 is one canvas pixel to one screen pixel). Kept in the settings. The page is
    // scaled from the kept page, never rendered again for it. The slot statistics'
    // 100 % mode shows the page at its actual size whatever was chosen.
    void fitPage();
    void actualSize();
    void zoomIn();
    void zoomOut();
    // The factor the page is drawn at now.
    double zoom() const;
    // The page as drawn at zoom() when that shrinks it, scaled once for each zoom
    // straight from the kept page; at 1 and above the kept page itself.
    const QImage& shownImage() const;
    // The kept page as a picture, top row first; null while there is none. Made when
    // first asked for: the view draws from the kept page's own rows.
    const QImage& pageImage() const;
    // The size of the page on display, or of the canvas while none is rendered.
    QSize pageSize() const;
    bool hasPage() const;
    // Draws the part of the page under the target rectangle (in page widget
    // coordinates) at the current zoom.
    void drawPage(QPainter& painter, const QRect& target) const;
    QSize canvasSize() const;

Q_SIGNALS:
    // After the page has been painted on screen.
    void pageDrawn();
    void zoomModeLeft();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void pageDropped();
    void pageRendered();
    void zoomModeChanged(bool on);
    void setZoom(bool fit, double factor);
    void layoutPage();

    PrintDocument& document_;
    mutable QImage pageImage_;
    mutable QImage scaled_;  // pageImage_ at scaledZoom_, made when first drawn
    mutable double scaledZoom_ = 0;
    bool fit_ = false;
    double zoom_ = 1.0;
    bool renderScheduled_ = false;
    // A framing changed: the old page stays on screen until the new one is drawn.
    bool keepPageOnDrop_ = false;
    SlotFramingOverlay* framing_ = nullptr;
    QPointer<QMenu> popup_;
    QWidget* page_ = nullptr;
};
