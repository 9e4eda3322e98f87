#include "ui/SlotFraming.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>

#include "document/PrintDocument.h"
#include "layout/RenderPass.h"

namespace {
// How long the framing rests before the page is rendered with it (keys and wheel).
constexpr int kCommitDelayMs = 350;
// One arrow key press moves the photo by this part of the slot; with Shift, more.
constexpr double kKeyStep = 0.02;
constexpr double kBigKeyStep = 0.1;
constexpr double kZoomStep = 1.25;
}  // namespace

SlotFrameHandle::SlotFrameHandle(SlotFramingOverlay& overlay, int slot, QWidget* parent)
    : QWidget(parent), overlay_(overlay), slot_(slot) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_NoSystemBackground, true);
    setMouseTracking(false);
    setCursor(Qt::OpenHandCursor);
    setToolTip(
        tr("Drag to move the photo in its slot, Ctrl+wheel or +/- to zoom, arrow keys to move, "
           "double-click to go back to the automatic fit"));
    commitTimer_.setSingleShot(true);
    commitTimer_.setInterval(kCommitDelayMs);
    connect(&commitTimer_, &QTimer::timeout, this, &SlotFrameHandle::commit);
    updateFromRecord();
}

const SlotRecord* SlotFrameHandle::record() const {
    const SlotRecord* r = overlay_.document().report().slots.at(slot_);
    return r && r->place > 0 && !r->failed && !r->rect.isEmpty() ? r : nullptr;
}

void SlotFrameHandle::updateFromRecord() {
    const SlotRecord* r = record();
    if (!r) {
        hide();
        return;
    }
    setGeometry(overlay_.toHost(r->rect));
    const QString name = QFileInfo(r->fileName).fileName();
    setAccessibleName(tr("Slot %1: %2").arg(slot_).arg(name));
    const Framing f = framing();
    setAccessibleDescription(framedByHand() ? tr("Framed by hand: zoom %1, moved %2, %3")
                                                  .arg(f.zoom, 0, 'f', 2)
                                                  .arg(f.panX, 0, 'f', 2)
                                                  .arg(f.panY, 0, 'f', 2)
                                            : tr("Automatic fit"));
    show();
}

bool SlotFrameHandle::framedByHand() const {
    if (editing_) return true;
    const SlotRecord* r = record();
    return r && overlay_.document().framings().isFramedByHand(r->place, r->fileName);
}

Framing SlotFrameHandle::framing() const {
    if (editing_) return pending_;
    const SlotRecord* r = record();
    if (!r) return {};
    const Framing* f = overlay_.document().framings().find(r->place, r->fileName);
    return f ? *f : Framing{};
}

void SlotFrameHandle::preview(const Framing& framing) {
    pending_ = clampedFraming(framing);
    editing_ = true;
    const SlotRecord* r = record();
    if (!r || !overlay_.pageCopy) return;
    QImage* page = overlay_.pageCopy();
    if (!page || page->isNull()) return;
    if (!cache_.prepare(*r, overlay_.document().settings())) return;
    if (cache_.redraw(*page, *r, pending_) && overlay_.pageCopyChanged) overlay_.pageCopyChanged(r->rect);
}

void SlotFrameHandle::moveBy(double dx, double dy) {
    const SlotRecord* r = record();
    if (!r) return;
    const Framing f = framing();
    int tw = 0, th = 0;
    turnedSize(r->photoWidth, r->photoHeight, framedTurns(r->autoRotate != 0, f.turns), tw, th);
    preview(pannedBy(f, tw, th, r->rect.width(), r->rect.height(), dx, dy));
}

void SlotFrameHandle::zoomBy(double factor) {
    Framing f = framing();
    f.zoom *= factor;
    preview(f);
    commitTimer_.start();
}

void SlotFrameHandle::turnQuarter() {
    Framing f = framing();
    f.turns = (f.turns + 1) % 4;
    preview(f);
    commit();
}

void SlotFrameHandle::resetFraming() {
    commitTimer_.stop();
    editing_ = false;
    const SlotRecord* r = record();
    if (r) overlay_.document().resetFraming(r->place);
}

void SlotFrameHandle::commit() {
    commitTimer_.stop();
    if (!editing_) return;
    const SlotRecord* r = record();
    const Framing f = pending_;
    editing_ = false;
    if (r) overlay_.document().setFraming(r->place, f);
}

void SlotFrameHandle::paintEvent(QPaintEvent*) {
    if (!hasFocus()) return;
    // Only the focus frame: the photo itself is the page's.
    QPainter p(this);
    QPen pen(palette().highlight().color(), 2, Qt::DashLine);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(1, 1, -1, -1));
}

void SlotFrameHandle::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    setFocus(Qt::MouseFocusReason);
    commitTimer_.stop();
    dragging_ = true;
    dragStart_ = event->position().toPoint();
    dragFrom_ = framing();
    setCursor(Qt::ClosedHandCursor);
    event->accept();
}

void SlotFrameHandle::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) return QWidget::mouseMoveEvent(event);
    const SlotRecord* r = record();
    if (!r) return;
    const double scale = overlay_.scale() > 0 ? overlay_.scale() : 1.0;
    const QPoint d = event->position().toPoint() - dragStart_;
    int tw = 0, th = 0;
    turnedSize(r->photoWidth, r->photoHeight, framedTurns(r->autoRotate != 0, dragFrom_.turns), tw, th);
    preview(pannedBy(dragFrom_, tw, th, r->rect.width(), r->rect.height(), d.x() / scale, d.y() / scale));
    event->accept();
}

void SlotFrameHandle::mouseReleaseEvent(QMouseEvent* event) {
    if (!dragging_ || event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
    dragging_ = false;
    setCursor(Qt::OpenHandCursor);
    // A click without a move changes nothing.
    if (editing_ && pending_ != dragFrom_)
        commit();
    else
        editing_ = false;
    event->accept();
}

void SlotFrameHandle::mouseDoubleClickEvent(QMouseEvent* event) {
    dragging_ = false;
    resetFraming();
    event->accept();
}

void SlotFrameHandle::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) return event->ignore();
    const int steps = event->angleDelta().y() / 120;
    if (steps != 0) zoomBy(std::pow(kZoomStep, steps));
    event->accept();
}

void SlotFrameHandle::keyPressEvent(QKeyEvent* event) {
    const SlotRecord* r = record();
    if (!r) return QWidget::keyPressEvent(event);
    const double step = (event->modifiers() & Qt::ShiftModifier) ? kBigKeyStep : kKeyStep;
    const double sx = r->rect.width() * step, sy = r->rect.height() * step;
    switch (event->key()) {
        case Qt::Key_Left:
            moveBy(-sx, 0);
            break;
        case Qt::Key_Right:
            moveBy(sx, 0);
            break;
        case Qt::Key_Up:
            moveBy(0, -sy);
            break;
        case Qt::Key_Down:
            moveBy(0, sy);
            break;
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            zoomBy(kZoomStep);
            return;
        case Qt::Key_Minus:
            zoomBy(1 / kZoomStep);
            return;
        case Qt::Key_R:
            turnQuarter();
            return;
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
            resetFraming();
            return;
        default:
            return QWidget::keyPressEvent(event);
    }
    commitTimer_.start();
}

void SlotFrameHandle::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.setAccessibleName(accessibleName());
    QAction* turn = menu.addAction(tr("Turn a &Quarter\tR"));
    turn->setToolTip(tr("Turn the photo a quarter turn counter-clockwise in its slot"));
    QAction* reset = menu.addAction(tr("&Reset Framing\tBackspace"));
    reset->setToolTip(tr("Back to the automatic turn and crop"));
    reset->setEnabled(framedByHand());
    if (overlay_.moreMenu && !overlay_.moreMenu->actions().isEmpty()) {
        menu.addSeparator();
        menu.addActions(overlay_.moreMenu->actions());
    }
    QAction* chosen = menu.exec(event->globalPos());
    if (chosen == turn)
        turnQuarter();
    else if (chosen == reset)
        resetFraming();
    event->accept();
}

void SlotFrameHandle::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void SlotFrameHandle::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

SlotFramingOverlay::SlotFramingOverlay(PrintDocument& document, QWidget* host)
    : QObject(host), document_(document), host_(host) {
    connect(&document_, &PrintDocument::pageRendered, this, &SlotFramingOverlay::rebuild);
}

SlotFramingOverlay::~SlotFramingOverlay() = default;

void SlotFramingOverlay::setPagePlacement(const QPoint& origin, double scale) {
    origin_ = origin;
    scale_ = scale;
    for (SlotFrameHandle* h : handles_) h->updateFromRecord();
}

QRect SlotFramingOverlay::toHost(const QRect& r) const {
    const int left = int(std::floor(r.left() * scale_)), top = int(std::floor(r.top() * scale_));
    const int right = int(std::ceil((r.left() + r.width()) * scale_));
    const int bottom = int(std::ceil((r.top() + r.height()) * scale_));
    return QRect(origin_.x() + left, origin_.y() + top, std::max(1, right - left), std::max(1, bottom - top));
}

SlotFrameHandle* SlotFramingOverlay::handle(int slot) const {
    for (SlotFrameHandle* h : handles_)
        if (h->slot() == slot && !h->isHidden()) return h;
    return nullptr;
}

void SlotFramingOverlay::rebuild() {
    // Handles that stay keep their focus and their kept photo. Without a page the next
    // one is on its way: the handles wait for it as they are.
    if (!document_.hasPage()) return;
    const PageReport& report = document_.report();
    const int wanted = !report.indexSheet && !document_.settings().PhotoGridOnly
                           ? std::min(report.loaded, SlotTable::kLastSlot)
                           : 0;
    while (int(handles_.size()) > wanted) {
        delete handles_.back();
        handles_.pop_back();
    }
    while (int(handles_.size()) < wanted)
        handles_.push_back(new SlotFrameHandle(*this, int(handles_.size()) + 1, host_));
    for (SlotFrameHandle* h : handles_) h->updateFromRecord();
}
