#pragma once
// Framing photos by hand where the page is shown (the main view, the setup sheet's
// preview): every photo slot of the page gets a handle, a transparent widget over the
// slot that takes focus with Tab and carries the slot's name for screen readers.
// Drag to move the photo, Ctrl+wheel or +/- to zoom, the arrow keys to move it, the
// context menu to turn it a quarter, double-click or "Reset Framing" for automatic.
//
// While the photo moves only its slot is drawn again, into the host's copy of the
// page, from the slot's photo kept decoded at about the slot's size; once the framing
// rests the document takes it and the page is rendered afresh.

#include <QImage>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "layout/Framing.h"
#include "layout/SlotPhotoCache.h"

class PrintDocument;
class QMenu;
struct SlotRecord;

class SlotFramingOverlay;

class SlotFrameHandle : public QWidget {
    Q_OBJECT
public:
    SlotFrameHandle(SlotFramingOverlay& overlay, int slot, QWidget* parent);
    int slot() const { return slot_; }
    // The framing shown now: the one being made, else the document's, else automatic.
    Framing framing() const;
    bool framedByHand() const;
    void updateFromRecord();

    // The edits the mouse, the keys and the menu make.
    void moveBy(double slotDx, double slotDy);
    void zoomBy(double factor);
    void turnQuarter();
    void resetFraming();
    // Hands a framing being made to the document now.
    void commit();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    const SlotRecord* record() const;
    void preview(const Framing& framing);

    SlotFramingOverlay& overlay_;
    int slot_;
    bool editing_ = false;  // pending_ holds a framing the document has not taken yet
    Framing pending_;
    bool dragging_ = false;
    QPoint dragStart_;
    Framing dragFrom_;
    QTimer commitTimer_;
    SlotPhotoCache cache_;
};

class SlotFramingOverlay : public QObject {
    Q_OBJECT
public:
    SlotFramingOverlay(PrintDocument& document, QWidget* host);
    ~SlotFramingOverlay() override;

    PrintDocument& document() { return document_; }
    QWidget* host() const { return host_; }

    // Where the page lies in the host: its top-left corner and host pixels a page pixel.
    void setPagePlacement(const QPoint& origin, double scale);
    double scale() const { return scale_; }
    QRect toHost(const QRect& pageRect) const;

    // The host's full-resolution copy of the page, which live redraws go into (may
    // return null: then nothing is shown live), and what to do after one.
    std::function<QImage*()> pageCopy;
    std::function<void(const QRect& pageRect)> pageCopyChanged;
    // Commands added below the framing ones in a slot's context menu.
    QPointer<QMenu> moreMenu;

    // Makes the handles for the page on display (none while there is none).
    void rebuild();
    const std::vector<SlotFrameHandle*>& handles() const { return handles_; }
    SlotFrameHandle* handle(int slot) const;

private:
    PrintDocument& document_;
    QWidget* host_;
    QPoint origin_;
    double scale_ = 1.0;
    std::vector<SlotFrameHandle*> handles_;
};
