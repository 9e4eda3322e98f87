#pragma once
// The document's page scaled into a widget, centred over the button face. It follows
// the document by itself: scaled again when a page is drawn or dropped and when the
// widget is resized, never while it paints.

#include <QImage>
#include <QWidget>

class PrintDocument;
class SlotFramingOverlay;

class DocumentPagePreview : public QWidget {
    Q_OBJECT
public:
    DocumentPagePreview(PrintDocument& document, const QString& accessibleName, QWidget* parent = nullptr);
    // The picture as drawn now, scaled to the widget (tests look at it).
    const QImage& previewImage() const { return image_; }
    // Scales the page again.
    void refresh();
    // Lets the person frame the photos of the page right here, as in the main view.
    void enableFraming();
    SlotFramingOverlay* slotFraming() const { return framing_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    PrintDocument& document_;
    QImage image_;
    QImage fullPage_;  // the page at full size while a framing is drawn live
    SlotFramingOverlay* framing_ = nullptr;
    bool keepOnDrop_ = false;
};
