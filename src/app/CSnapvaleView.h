#pragma once
// The main view: a scrolling view of the page canvas, shown one to one. It owns the
// settings record for the whole program. Until pages are rendered it shows a
// placeholder picture of the canvas size.

#include <QMenu>
#include <QPointer>
#include <QScrollArea>
#include <QStringList>
#include <memory>

#include "core/AppSettings.h"
#include "image/CxImage.h"
#include "imagelist/ImageList.h"

class Notifier;
class RenderPass;
class StatusSink;

class SettingsStore;

class CSnapvaleView : public QScrollArea {
    Q_OBJECT
public:
    // Loads the settings from store. A non-empty startFolder (the command-line
    // folder) replaces BitmapPath for this run.
    CSnapvaleView(SettingsStore& store, const QString& startFolder, QWidget* parent = nullptr);
    ~CSnapvaleView() override;

    AppSettings& settings() { return settings_; }
    const AppSettings& settings() const { return settings_; }
    SettingsStore& store() { return store_; }
    QString startFolder() const { return startFolder_; }

    // The one image list of the program.
    bool imageListEmpty() const { return list_.isEmpty(); }
    ImageList& imageList() { return list_; }
    const ImageList& imageList() const { return list_; }
    // Replaces the list with these paths, cursor on the first (for tests and scripts).
    void setImageList(const QStringList& paths);
    // Tells the window the list changed (after a command changed it).
    void notifyImageListChanged() { Q_EMIT imageListChanged(); }
    // The photo the list stands at, written back as StartSeqPic when the view goes.
    QString currentPhoto() const;

    // The view's end writes: ImportedAlbum, BitmapPath, StartSeqPic, WatermarkText.
    // Done once; the destructor does it when nobody did before.
    void writeEndSettings();

    // 100 % zoom mode, set by the slot statistics; clicks and page commands leave it.
    bool zoomMode() const { return zoomMode_; }
    void setZoomMode(bool on) { zoomMode_ = on; }
    void leaveZoomMode();

    void setPopupMenu(QMenu* menu) { popup_ = menu; }
    // Where the rendering pass reports (the main window's status bar and messages).
    void setServices(StatusSink* status, Notifier* notifier);
    // Drops the kept page and schedules a new rendering; it runs from the event loop,
    // never inside a paint, so the status bar can show its progress meanwhile.
    void invalidatePage();
    // Renders now when a rendering is due (tests and scripts call it; the event loop
    // does it otherwise).
    void renderIfDue();
    bool hasKeptPage() const { return keptPage_.IsValid(); }
    // The kept page, a 24-bit DIB that printing and snapshots use.
    const CxImage& keptPage() const { return keptPage_; }
    // The kept page as shown on screen.
    const QImage& pageImage() const { return pageImage_; }
    RenderPass* renderPass() const { return pass_.get(); }
    QSize canvasSize() const;

Q_SIGNALS:
    // After the page has been painted on screen.
    void pageDrawn();
    void zoomModeLeft();
    void imageListChanged();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    SettingsStore& store_;
    AppSettings settings_;
    QString startFolder_;
    ImageList list_;
    CxImage keptPage_;
    QImage pageImage_;
    std::unique_ptr<RenderPass> pass_;
    StatusSink* status_ = nullptr;
    Notifier* notifier_ = nullptr;
    bool renderDue_ = false;
    QPointer<QMenu> popup_;
    bool zoomMode_ = false;
    bool endWritten_ = false;
    QWidget* page_ = nullptr;
};
