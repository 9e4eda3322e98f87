#pragma once
// The document: the one owner of what a page is made from and what it became. It
// holds the settings record, the image list, the kept page and the report of the
// last pass, and it is the one place a page is rendered, for the window and the
// command line alike. Views and dialogs read it and listen to its signals; commands
// change it and say so.
//
// While a long operation runs (a folder scan, the HTML export, a batch print, a page
// print) the document is busy: input still gets through the progress window, but
// nothing may change the list, the layout or the page underneath the operation.

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "core/AppSettings.h"
#include "core/Seams.h"
#include "imagelist/ImageList.h"
#include "layout/Canvas.h"
#include "layout/RenderPass.h"

class IndexSheets;
class SettingsStore;

class PrintDocument : public QObject {
    Q_OBJECT
public:
    // Loads the settings from store. A non-empty startFolder (a folder named on the
    // command line) replaces BitmapPath for this run, as Open Directory would.
    explicit PrintDocument(SettingsStore& store, const QString& startFolder = QString(),
                           QObject* parent = nullptr);
    ~PrintDocument() override;

    SettingsStore& store() { return store_; }
    AppSettings& settings() { return settings_; }
    const AppSettings& settings() const { return settings_; }
    ImageList& imageList() { return list_; }
    const ImageList& imageList() const { return list_; }
    bool listEmpty() const { return list_.isEmpty(); }
    QString startFolder() const { return startFolder_; }

    // Where rendering reports: the status bar, messages and the clock. Seams left
    // null are skipped.
    void setServices(const Services& services);
    const Services& services() const { return services_; }

    // The kept page: the last rendering, until something drops it.
    bool hasPage() const { return page_.isValid(); }
    const KeptPage& page() const { return page_; }
    const PageReport& report() const { return report_; }
    // The pass, for its tuning knobs (decode threads, reduced decoding) and index sheets.
    RenderPass& renderPass() { return *pass_; }

    // The one render entry point: a page of the list at the settings' size into the
    // kept page. An empty list leaves no page (and clears status pane 0).
    PagePaintResult renderPage();
    // Renders when no page is kept and the list holds photos; true when a page is kept afterwards.
    bool ensurePage();
    // Forgets the kept page; whoever shows it renders again (see ensurePage).
    void dropPage();

    // Tell everyone who shows the list or the settings that they changed. Whoever
    // changed something the page shows drops the page too.
    void notifyListChanged();
    void notifySettingsChanged();

    // Replaces the list with these paths, cursor on the first, and drops the page.
    void setImageList(const QStringList& paths);
    // The photo the list stands at, written back as StartSeqPic at the end of the run.
    QString currentPhoto() const;
    // The end-of-run writes of the list and the folder: ImportedAlbum, BitmapPath,
    // StartSeqPic, WatermarkText. Done once, by the program's main view when it goes;
    // the command line never writes them.
    void writeEndSettings();

    // The framings made by hand, by place in the list. Changing one drops the page.
    const FramingSet& framings() const { return framings_; }
    // Frames the photo at place (1-based); false when there is no such place.
    bool setFraming(int place, const Framing& framing);
    // Back to the automatic fit; false when the photo was not framed.
    bool resetFraming(int place);
    // Every framing at once (a project being opened); drops the page.
    void setFramings(const FramingSet& framings);

    // The view's 100 % zoom mode: set by the slot statistics, left by page commands
    // and clicks in the view.
    bool zoomMode() const { return zoomMode_; }
    void setZoomMode(bool on);

    // Long operations hold a BusyScope for as long as they run.
    class BusyScope {
    public:
        BusyScope(PrintDocument& document, const QString& what);
        ~BusyScope();
        BusyScope(const BusyScope&) = delete;
        BusyScope& operator=(const BusyScope&) = delete;

    private:
        PrintDocument& document_;
        QString previous_;
    };
    bool busy() const { return !busyWith_.isEmpty(); }
    // What runs, as a person would name it ("the HTML export").
    QString busyWith() const { return busyWith_; }
    // The text shown when a command is refused because of it.
    QString busyRefusalText() const;
    // The one gate of every command from a window or a dialog: while a long operation
    // runs the command is refused and status pane 0 says why (true); otherwise false
    // and the caller goes on.
    bool refusedWhileBusy();
    // Runs the command unless it is refused; true when it ran.
    bool runCommand(const std::function<void()>& command);
    // Asks the running operation to stop as its Cancel button would (the window was
    // closed meanwhile). The operation takes the request after its next pump.
    void requestStop() { stopRequested_ = busy(); }
    bool takeStopRequest();

Q_SIGNALS:
    void pageDropped();
    void pageRendered();
    void listChanged();
    void settingsChanged();
    void busyChanged(bool busy);
    void zoomModeChanged(bool on);
    // Before the page is dropped for it, so a view may keep showing the old page meanwhile.
    void framingChanged(int place);

private:
    SettingsStore& store_;
    AppSettings settings_;
    QString startFolder_;
    ImageList list_;
    KeptPage page_;
    PageReport report_;
    FramingSet framings_;
    Services services_;
    std::unique_ptr<IndexSheets> indexSheets_;
    std::unique_ptr<RenderPass> pass_;
    QString busyWith_;
    bool stopRequested_ = false;
    bool zoomMode_ = false;
    bool endWritten_ = false;
};
