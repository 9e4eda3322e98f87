#pragma once
// A push button that shows a picture, a photo or only its caption. One sits in the
// main window's status bar as the status lamp.

#include <QAbstractButton>
#include <QImage>

class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit PictureButton(QWidget* parent = nullptr);

    // A picture from the program's resources (":/lamps/LED_RED.png"). One that cannot
    // be loaded leaves the button without a picture and returns false.
    bool setBitmap(const QString& resource);
    // A photo file. Same failure rule as setBitmap.
    bool setPhoto(const QString& file);
    // A picture made by the caller; a null image clears the picture.
    void setPicture(const QImage& picture);
    bool hasPicture() const { return !picture_.isNull(); }
    const QImage& picture() const { return picture_; }

    // Where the picture and the caption go for a given button rectangle.
    struct Geometry {
        QRect content;  // inside the frame
        QRect picture;  // empty when there is no picture
        QRect caption;  // empty when there is no caption
    };
    static Geometry layoutFor(const QRect& rect, bool hasPicture, bool hasCaption);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

// The status lamp picture for a name: the lamp resource when it exists, else a
// drawn lamp of the lamp's colour, so the status bar never shows an empty button.
QImage statusLampPicture(const QString& name, int side);
