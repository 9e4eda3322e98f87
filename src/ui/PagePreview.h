#pragma once
// The document's page scaled into a widget, centred over the button face. It follows
// the document by itself: scaled again when a page is drawn or dropped and when the
// widget is resized, never while it paints.

#include <QImage>
#include <QWidget>

class PrintDocument;

class DocumentPagePreview : public QWidget {
    Q_OBJECT
public:
    DocumentPagePreview(PrintDocument& document, const QString& accessibleName, QWidget* parent = nullptr);
    // The picture as drawn now, scaled to the widget (tests look at it).
    const QImage& previewImage() const { return image_; }
    // Scales the page again.
    void refresh();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    PrintDocument& document_;
    QImage image_;
};
