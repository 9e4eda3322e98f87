#include "document/PrintDocument.h"

#include <QCoreApplication>

#include "core/SettingsStore.h"
#include "image/PhotoImage.h"
#include "layout/IndexSheets.h"

PrintDocument::PrintDocument(SettingsStore& store, const QString& startFolder, QObject* parent)
    : QObject(parent), store_(store), startFolder_(startFolder) {
    settings_.load(store_);
    PhotoImage::SetApplyExifOrientation(settings_.ApplyExifOrientation != 0);
    PhotoImage::SetColorManagePhotos(settings_.ColorManagePhotos != 0);
    // A folder named on the command line is opened as Open Directory would: the
    // list comes from it, not from the album of the last run.
    if (!startFolder_.isEmpty()) {
        settings_.BitmapPath = startFolder_;
        settings_.ImportedAlbum.clear();
    }
    indexSheets_ = std::make_unique<IndexSheets>();
    pass_ = std::make_unique<RenderPass>(settings_, list_, nullptr, nullptr);
    pass_->setIndexSheetDrawer(indexSheets_.get());
    pass_->setFramings(&framings_);
}

PrintDocument::~PrintDocument() = default;

void PrintDocument::setServices(const Services& services) {
    services_ = services;
    pass_->setSeams(services.status, services.notifier);
    if (services.clock) pass_->setClock(services.clock);
}

PagePaintResult PrintDocument::renderPage() {
    const PagePaintResult result = PaintPage(*pass_, page_);
    if (result == PagePaintResult::Rendered) {
        report_ = pass_->report();
        Q_EMIT pageRendered();
    }
    return result;
}

bool PrintDocument::ensurePage() {
    if (!hasPage() && !list_.isEmpty()) renderPage();
    return hasPage();
}

void PrintDocument::dropPage() {
    page_.clear();
    Q_EMIT pageDropped();
}

void PrintDocument::notifyListChanged() {
    // A framing goes with its photo, and with it when it leaves the list.
    framings_.followList(list_);
    Q_EMIT listChanged();
}

void PrintDocument::notifySettingsChanged() {
    Q_EMIT settingsChanged();
}

void PrintDocument::setImageList(const QStringList& paths) {
    list_.clear();
    for (const QString& p : paths) list_.append(p);
    if (!list_.isEmpty()) list_.setCursor(0);
    framings_.followList(list_);
    dropPage();
    Q_EMIT listChanged();
}

QString PrintDocument::currentPhoto() const {
    // A list that no page has taken from yet (or a folder that could not be read this
    // time) still stands at the resume photo; writing the empty current photo would
    // lose the place the last run stopped at. Erase forgets the resume photo itself.
    return list_.currentPhoto.isEmpty() ? settings_.StartSeqPic : list_.currentPhoto;
}

void PrintDocument::writeEndSettings() {
    if (endWritten_) return;
    endWritten_ = true;
    settings_.writeViewEnd(store_, currentPhoto());
}

bool PrintDocument::setFraming(int place, const Framing& framing) {
    if (place < 1 || place > list_.count()) return false;
    framings_.set(place, list_.entries()[std::size_t(place - 1)], framing);
    Q_EMIT framingChanged(place);
    dropPage();
    return true;
}

bool PrintDocument::resetFraming(int place) {
    if (!framings_.reset(place)) return false;
    Q_EMIT framingChanged(place);
    dropPage();
    return true;
}

void PrintDocument::setFramings(const FramingSet& framings) {
    framings_ = framings;
    framings_.followList(list_);
    Q_EMIT framingChanged(0);
    dropPage();
}

void PrintDocument::setZoomMode(bool on) {
    if (zoomMode_ == on) return;
    zoomMode_ = on;
    Q_EMIT zoomModeChanged(on);
}

PrintDocument::BusyScope::BusyScope(PrintDocument& document, const QString& what)
    : document_(document), previous_(document.busyWith_) {
    document_.busyWith_ = what.isEmpty() ? QCoreApplication::translate("Messages", "a long operation") : what;
    if (previous_.isEmpty()) {
        document_.stopRequested_ = false;
        Q_EMIT document_.busyChanged(true);
    }
}

PrintDocument::BusyScope::~BusyScope() {
    document_.busyWith_ = previous_;
    if (previous_.isEmpty()) {
        document_.stopRequested_ = false;
        Q_EMIT document_.busyChanged(false);
    }
}

QString PrintDocument::busyRefusalText() const {
    return QCoreApplication::translate("Messages", "Please wait: %1 is still running.").arg(busyWith_);
}

bool PrintDocument::refusedWhileBusy() {
    if (!busy()) return false;
    if (services_.status) services_.status->setPaneText(0, busyRefusalText());
    return true;
}

bool PrintDocument::runCommand(const std::function<void()>& command) {
    if (refusedWhileBusy()) return false;
    if (command) command();
    return true;
}

bool PrintDocument::takeStopRequest() {
    const bool asked = stopRequested_;
    stopRequested_ = false;
    return asked;
}
