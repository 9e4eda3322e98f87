#include "ui/slotstats/CSlotStatsDlg.h"

#include <qdrawutil.h>

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <functional>
#include <optional>

#include "core/AppServices.h"
#include "core/AppSettings.h"
#include "core/SettingsTable.h"
#include "core/WaitCursor.h"
#include "document/ImageListCommands.h"
#include "document/PrintDocument.h"
#include "output/PrinterBackend.h"
#include "ui/BusyGate.h"
#include "ui/PagePreview.h"
#include "ui/PictureButton.h"

using namespace slot_stats;

namespace {

const SettingKey* const kChannelKeys[kChannels] = {&setting::RedChannel, &setting::GreenChannel,
                                                   &setting::BlueChannel, &setting::GrayChannel};
int AppSettings::*const kChannelFields[kChannels] = {&AppSettings::RedChannel, &AppSettings::GreenChannel,
                                                     &AppSettings::BlueChannel, &AppSettings::GrayChannel};
const char* const kChannelNames[kChannels] = {
    QT_TRANSLATE_NOOP("CSlotStatsDlg", "red"), QT_TRANSLATE_NOOP("CSlotStatsDlg", "green"),
    QT_TRANSLATE_NOOP("CSlotStatsDlg", "blue"), QT_TRANSLATE_NOOP("CSlotStatsDlg", "gray")};

// The histogram box at the top of the photo area: it paints itself in the area's
// coordinates, so every figure is the model's.
class HistogramView final : public QWidget {
public:
    HistogramView(CSlotStatsDlg* dialog, QWidget* area) : QWidget(area), dialog_(dialog) {
        setAccessibleName(QObject::tr("Colour histogram"));
        setToolTip(QObject::tr("How many pixels of the photo have each level from 0 (left) to 255 (right)"));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        const HistogramGeometry g = histogramGeometry(parentWidget()->width(), 0);
        QPainter p(this);
        p.translate(-g.box.topLeft());
        p.fillRect(g.box, palette().button());
        qDrawWinPanel(&p, g.box, palette(), false);
        p.setPen(QPen(palette().color(QPalette::WindowText), 0));
        p.drawRect(g.inner.adjusted(0, 0, -1, -1));

        QPen grid(palette().color(QPalette::Dark), 0);
        grid.setDashPattern({1.0, 1.0});
        p.setPen(grid);
        for (int x : g.gridX) p.drawLine(x, g.inner.top(), x, g.inner.bottom());

        const Histograms& h = dialog_->histograms();
        const HistogramSwitches& w = dialog_->switches();
        if (!h.counted()) return;
        static const QColor colours[kChannels] = {QColor(222, 0, 0), QColor(0, 222, 0), QColor(0, 0, 222),
                                                  QColor(64, 64, 64)};
        for (int c = 0; c < kChannels; ++c) {
            if (!w.channels[std::size_t(c)]) continue;
            p.setPen(QPen(colours[c], 0));
            const std::vector<QPoint> points = curvePoints(h.channel(c), h.maximum, g, w.log);
            p.drawPolyline(points.data(), int(points.size()));
        }
    }

private:
    CSlotStatsDlg* dialog_;
};

// The photo of the slot, fitted below the histogram.
class PhotoArea final : public QWidget {
public:
    explicit PhotoArea(CSlotStatsDlg* dialog) : QWidget(dialog), dialog_(dialog) {
        setMinimumSize(300, 320);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        setAccessibleName(QObject::tr("Original Photo"));
        setToolTip(QObject::tr("The photo as its file holds it, without the page's filters, turns or crops"));
    }
    HistogramView* histogram = nullptr;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawImage(0, 0, dialog_->fittedPhoto(size()));
    }
    void resizeEvent(QResizeEvent*) override {
        if (histogram) histogram->setGeometry(histogramGeometry(width(), 0).box);
    }

private:
    CSlotStatsDlg* dialog_;
};

// Bars in the curves' colours, for the histogram button.
QIcon histogramIcon() {
    QImage image(24, 24, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setPen(QColor(64, 64, 64));
    p.drawLine(2, 21, 21, 21);
    const int heights[] = {4, 9, 15, 12, 7, 10, 17, 5};
    const QColor colours[] = {QColor(222, 0, 0), QColor(0, 160, 0), QColor(0, 0, 222)};
    for (int i = 0; i < 8; ++i) p.fillRect(3 + 2 * i, 21 - heights[i], 2, heights[i], colours[i % 3]);
    return QIcon(QPixmap::fromImage(image));
}

QString plainLabel(QString text) {
    return text.remove(QLatin1Char('&'));
}

}  // namespace

CSlotStatsDlg::CSlotStatsDlg(PrintDocument& document, const Services& services, const QString& helpDir,
                             QWidget* parent)
    : QDialog(parent), document_(document), services_(services), helpDir_(helpDir) {
    new BusyGate(document_, this);
    setWindowTitle(tr("Detailed Layout Statistics"));
    setModal(true);
    setSizeGripEnabled(true);
    buildControls();

    // The caption names the page's layout.
    connect(&document_, &PrintDocument::pageRendered, this, &CSlotStatsDlg::updateCaption);

    // Opening: the switches as stored, slot 1.
    switches_ = switchesFromSettings(settings());
    updateEnabling();
    slot_ = 1;
    showSlot();
    preview_->refresh();
    updateCaption();
}

CSlotStatsDlg::~CSlotStatsDlg() = default;

AppSettings& CSlotStatsDlg::settings() {
    return document_.settings();
}

void CSlotStatsDlg::buildControls() {
    statusLabel_ = new QLabel(originalPhotoLabel(), this);
    statusLabel_->setAlignment(Qt::AlignCenter);

    auto* area = new PhotoArea(this);
    photoArea_ = area;
    auto* histogram = new HistogramView(this, area);
    area->histogram = histogram;
    histogramView_ = histogram;
    histogram->hide();

    auto toolButton = [](QWidget* parent, const QIcon& icon, const QString& name, const QString& tip) {
        auto* b = new QToolButton(parent);
        b->setIcon(icon);
        b->setIconSize(QSize(24, 24));
        b->setAccessibleName(name);
        b->setToolTip(tip);
        b->setFocusPolicy(Qt::StrongFocus);
        b->setAutoRaise(false);
        return b;
    };
    prevSlot_ = toolButton(this, style()->standardIcon(QStyle::SP_ArrowLeft), tr("Previous Slot"),
                           tr("The page's previous slot (Alt+Left)"));
    prevSlot_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Left));
    nextSlot_ = toolButton(this, style()->standardIcon(QStyle::SP_ArrowRight), tr("Next Slot"),
                           tr("The page's next slot (Alt+Right)"));
    nextSlot_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Right));
    resolution_ = new QLabel(this);
    resolution_->setAccessibleName(tr("Print resolution"));
    resolution_->setFixedSize(26, 26);
    resolution_->setAlignment(Qt::AlignCenter);

    statistics_ = new QTextEdit(this);
    statistics_->setReadOnly(true);
    statistics_->setAcceptRichText(false);
    statistics_->setTabChangesFocus(true);
    statistics_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    statistics_->setLineWrapMode(QTextEdit::WidgetWidth);
    statistics_->setAccessibleName(tr("Slot Statistics"));
    statistics_->setToolTip(
        tr("The paper, the template, the photo file and what was done to the photo in this slot"));
    statistics_->setMinimumHeight(statistics_->fontMetrics().lineSpacing() * 6 + 12);
    auto* statisticsLabel = new QLabel(tr("Slot S&tatistics"), this);
    statisticsLabel->setBuddy(statistics_);

    // Histogram switches.
    auto* histogramGroup = new QGroupBox(tr("Hi&stogram"), this);
    histogramGroup->setAccessibleName(plainLabel(histogramGroup->title()));
    toggle_ = toolButton(histogramGroup, histogramIcon(), tr("Toggle Histogram"),
                         tr("Switch the photo's histogram on or off"));
    histogramBox_ = new QCheckBox(histogramCaption(true), histogramGroup);
    // Named with the word it shows ("On", "Off"), which voice control goes by.
    histogramBox_->setAccessibleName(tr("Histogram %1").arg(histogramBox_->text()));
    histogramBox_->setToolTip(tr("Show the photo's histogram above it"));
    logFormat_ = new QRadioButton(tr("&Log Format"), histogramGroup);
    logFormat_->setToolTip(tr("Counts on a logarithmic scale, so small counts stay visible"));
    linearFormat_ = new QRadioButton(tr("L&inear Format"), histogramGroup);
    linearFormat_->setToolTip(tr("Counts on a linear scale"));
    auto* scales = new QButtonGroup(this);
    scales->addButton(logFormat_);
    scales->addButton(linearFormat_);
    const char* const channelLabels[kChannels] = {QT_TR_NOOP("&Red Channel"), QT_TR_NOOP("&Green Channel"),
                                                  QT_TR_NOOP("&Blue Channel"), QT_TR_NOOP("Gr&ay Channel")};
    for (int c = 0; c < kChannels; ++c) {
        auto* box = new QCheckBox(tr(channelLabels[c]), histogramGroup);
        box->setToolTip(tr("Draw the %1 curve").arg(tr(kChannelNames[c])));
        channelBoxes_[std::size_t(c)] = box;
        connect(box, &QCheckBox::clicked, this, [this, c](bool on) { channelClicked(Channel(c), on); });
    }
    for (QAbstractButton* b :
         std::initializer_list<QAbstractButton*>{logFormat_, linearFormat_, channelBoxes_[0],
                                                 channelBoxes_[1], channelBoxes_[2], channelBoxes_[3]})
        b->setAccessibleName(plainLabel(b->text()));

    auto* switches = new QGridLayout(histogramGroup);
    switches->addWidget(toggle_, 0, 0);
    switches->addWidget(histogramBox_, 0, 1);
    switches->addWidget(logFormat_, 1, 0, 1, 2);
    switches->addWidget(linearFormat_, 2, 0, 1, 2);
    switches->addWidget(channelBoxes_[Red], 0, 2);
    switches->addWidget(channelBoxes_[Green], 1, 2);
    switches->addWidget(channelBoxes_[Blue], 2, 2);
    switches->addWidget(channelBoxes_[Gray], 3, 2);

    auto* previewGroup = new QGroupBox(tr("Printer Page Layout"), this);
    previewGroup->setAccessibleName(previewGroup->title());
    preview_ = new DocumentPagePreview(document_, tr("Printer Page Layout"), previewGroup);
    preview_->setAccessibleDescription(tr("The whole page as it will print"));
    auto* previewColumn = new QVBoxLayout(previewGroup);
    previewColumn->addWidget(preview_);

    auto button = [this](const QString& text, const QString& icon, const QString& tip) {
        auto* b = new QPushButton(text, this);
        if (!icon.isEmpty()) b->setIcon(QIcon(QStringLiteral(":/toolbar/%1.png").arg(icon)));
        b->setAccessibleName(plainLabel(text));
        b->setToolTip(tip);
        b->setAutoDefault(false);
        return b;
    };
    prevPage_ = button(tr("Draw &Prev Page"), QStringLiteral("32773"),
                       tr("Draw the previous page of the list and show its first slot"));
    nextPage_ = button(tr("Draw &Next Page"), QStringLiteral("32772"),
                       tr("Draw the next page of the list and show its first slot"));
    help_ = button(tr("&Help"), QStringLiteral("32809"), tr("Help on this window"));
    help_->setEnabled(helpAvailable(helpDir_));
    ok_ = button(tr("OK"), QString(), tr("Close this window"));
    ok_->setDefault(true);

    // Layout: the photo and its controls on the left, the page on the right.
    auto* stepping = new QHBoxLayout;
    stepping->addStretch(1);
    stepping->addWidget(prevSlot_);
    stepping->addWidget(resolution_);
    stepping->addWidget(nextSlot_);
    stepping->addStretch(1);

    auto* left = new QVBoxLayout;
    left->addWidget(statusLabel_);
    left->addWidget(photoArea_, 1);
    left->addLayout(stepping);
    left->addWidget(statisticsLabel);
    left->addWidget(statistics_);
    left->addWidget(histogramGroup);

    auto* top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addWidget(previewGroup, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(prevPage_);
    buttons->addWidget(nextPage_);
    buttons->addStretch(1);
    buttons->addWidget(help_);
    buttons->addWidget(ok_);

    auto* column = new QVBoxLayout(this);
    column->addLayout(top, 1);
    column->addLayout(buttons);

    QWidget* order[] = {prevSlot_,
                        nextSlot_,
                        statistics_,
                        toggle_,
                        histogramBox_,
                        logFormat_,
                        linearFormat_,
                        channelBoxes_[0],
                        channelBoxes_[1],
                        channelBoxes_[2],
                        channelBoxes_[3],
                        prevPage_,
                        nextPage_,
                        help_,
                        ok_};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

    connect(prevSlot_, &QToolButton::clicked, this, &CSlotStatsDlg::previousSlot);
    connect(nextSlot_, &QToolButton::clicked, this, &CSlotStatsDlg::nextSlot);
    connect(histogramBox_, &QCheckBox::clicked, this, &CSlotStatsDlg::histogramBoxClicked);
    // The button flips the box and then does what the box does.
    connect(toggle_, &QToolButton::clicked, this, [this] { histogramBox_->click(); });
    connect(logFormat_, &QRadioButton::clicked, this, [this] { scaleChosen(true); });
    connect(linearFormat_, &QRadioButton::clicked, this, [this] { scaleChosen(false); });
    connect(prevPage_, &QPushButton::clicked, this, &CSlotStatsDlg::drawPreviousPage);
    connect(nextPage_, &QPushButton::clicked, this, &CSlotStatsDlg::drawNextPage);
    connect(help_, &QPushButton::clicked, this, &CSlotStatsDlg::openHelp);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

    // The size the photo, its switches and the page like, as far as the screen allows.
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    const QRect space = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 1024);
    resize(qMin(900, space.width() * 96 / 100), qMin(700, space.height() * 92 / 100));
}

QAbstractButton* CSlotStatsDlg::previousSlotButton() const {
    return prevSlot_;
}
QAbstractButton* CSlotStatsDlg::nextSlotButton() const {
    return nextSlot_;
}
QAbstractButton* CSlotStatsDlg::histogramToggle() const {
    return toggle_;
}

int CSlotStatsDlg::slotCount() const {
    return steppableSlots(document_.report().slotCount);
}

const SlotRecord* CSlotStatsDlg::record() const {
    return document_.report().slots.at(slot_);
}

QString CSlotStatsDlg::statisticsText() const {
    return statistics_->toPlainText();
}

QString CSlotStatsDlg::statusLabelText() const {
    return statusLabel_->text();
}

void CSlotStatsDlg::showSlot() {
    // Showing a slot puts the main view in its 100 % zoom mode; the view's own
    // handlers leave it.
    document_.setZoomMode(true);

    const int count = slotCount();
    const bool arrows = slotArrowsShown(count);
    for (QToolButton* b : {prevSlot_, nextSlot_}) {
        b->setEnabled(arrows);
        b->setVisible(arrows);
    }

    loadPhotoIfNeeded();
    redrawPhoto();

    statistics_->setPlainText(slot_stats::statisticsText(settings(), document_.report(), slot_));

    const SlotRecord* r = record();
    const bool low = r && r->lowResolution != 0;
    resolutionBitmap_ = low ? 141 : 139;
    resolution_->setPixmap(
        QPixmap::fromImage(statusLampPicture(QString::fromLatin1(low ? kLampYellow : kLampDarkGreen), 20)));
    const QString meaning =
        low ? tr("Low resolution: the photo has fewer pixels than its slot and prints soft")
            : tr("Enough resolution for this slot");
    resolution_->setAccessibleDescription(meaning);
    resolution_->setToolTip(meaning);
}

void CSlotStatsDlg::loadPhotoIfNeeded() {
    if (!photo_.IsEmpty() || photoTried_) return;
    photoTried_ = true;
    const SlotRecord* r = record();
    const QString file = r ? r->fileName : QString();
    statusLabel_->setText(loadingLabel(switches_.on));
    statusLabel_->repaint();
    {
        WaitCursor wait;
        ++photoLoads_;
        if (!photo_.LoadFile(file)) {
            photo_.Release();
        } else if (switches_.on) {
            countHistograms(photo_, histograms_);
        }
    }
    statusLabel_->setText(originalPhotoLabel());
}

void CSlotStatsDlg::countIfNeeded() {
    if (!switches_.on || photo_.IsEmpty() || histograms_.counted()) return;
    WaitCursor wait;
    countHistograms(photo_, histograms_);
}

void CSlotStatsDlg::releasePhoto() {
    photo_.Release();
    photoTried_ = false;
    histograms_.clear();
    fitted_ = QImage();
}

void CSlotStatsDlg::redrawPhoto() {
    const bool shown = switches_.on && !photo_.IsEmpty();
    histogramView_->setVisible(shown);
    if (shown) {
        const QString scale = switches_.log ? tr("log scale") : tr("linear scale");
        QStringList curves;
        for (int c = 0; c < kChannels; ++c)
            if (switches_.channels[std::size_t(c)]) curves << tr(kChannelNames[c]);
        histogramView_->setAccessibleDescription(tr("Pixel counts of the photo's levels 0 to 255, left to "
                                                    "right: %1 curves, %2; the tallest bin holds %3 "
                                                    "pixels")
                                                     .arg(curves.join(QStringLiteral(", ")), scale)
                                                     .arg(histograms_.maximum));
        histogramView_->update();
    }
    photoArea_->update();
}

const QImage& CSlotStatsDlg::fittedPhoto(const QSize& areaSize) {
    const bool on = switches_.on;
    if (!fitted_.isNull() && fittedFor_ == areaSize && fittedOn_ == on) return fitted_;
    fitted_ = QImage(areaSize, QImage::Format_RGB32);
    fitted_.fill(palette().color(QPalette::Button));
    if (!photo_.IsEmpty()) {
        QPainter p(&fitted_);
        photo_.DrawFitted(&p, photoRect(QRect(QPoint(0, 0), areaSize), on));
    }
    fittedFor_ = areaSize;
    fittedOn_ = on;
    return fitted_;
}

void CSlotStatsDlg::updateEnabling() {
    switches_.enforceChannels();
    histogramBox_->setChecked(switches_.on);
    histogramBox_->setText(histogramCaption(switches_.on));
    histogramBox_->setAccessibleName(tr("Histogram %1").arg(histogramBox_->text()));
    logFormat_->setChecked(switches_.log);
    linearFormat_->setChecked(!switches_.log);
    for (int c = 0; c < kChannels; ++c) {
        channelBoxes_[std::size_t(c)]->setChecked(switches_.channels[std::size_t(c)]);
        channelBoxes_[std::size_t(c)]->setEnabled(switches_.on);
    }
    logFormat_->setEnabled(switches_.on);
    linearFormat_->setEnabled(switches_.on);
}

void CSlotStatsDlg::histogramBoxClicked(bool checked) {
    AppSettings& s = settings();
    SettingsStore& store = document_.store();
    switches_.on = checked;
    if (checked) {
        // Switching the histogram on brings every curve back.
        for (int c = 0; c < kChannels; ++c) {
            switches_.channels[std::size_t(c)] = true;
            if (s.*kChannelFields[c] != 1) {
                s.*kChannelFields[c] = 1;
                writeSettingInt(store, *kChannelKeys[c], 1);
            }
        }
    }
    updateEnabling();
    countIfNeeded();
    redrawPhoto();
    s.ActivateHistogram = switches_.on ? 1 : 0;
    writeSettingInt(store, setting::ActivateHistogram, s.ActivateHistogram);
}

void CSlotStatsDlg::scaleChosen(bool log) {
    switches_.log = log;
    updateEnabling();
    countIfNeeded();
    redrawPhoto();
    AppSettings& s = settings();
    if (s.LogFormat != (log ? 1 : 0)) {
        s.LogFormat = log ? 1 : 0;
        writeSettingInt(document_.store(), setting::LogFormat, s.LogFormat);
    }
}

void CSlotStatsDlg::channelClicked(Channel channel, bool checked) {
    AppSettings& s = settings();
    SettingsStore& store = document_.store();
    switches_.channels[std::size_t(channel)] = checked;
    s.*kChannelFields[channel] = checked ? 1 : 0;
    writeSettingInt(store, *kChannelKeys[channel], checked ? 1 : 0);
    const bool wasOn = switches_.on;
    updateEnabling();
    if (wasOn && !switches_.on) {
        // The last curve went, and the histogram box with it.
        s.ActivateHistogram = 0;
        writeSettingInt(store, setting::ActivateHistogram, 0);
    }
    redrawPhoto();
}

void CSlotStatsDlg::nextSlot() {
    releasePhoto();
    slot_ = slot_stats::nextSlot(slot_, slotCount());
    showSlot();
}

void CSlotStatsDlg::previousSlot() {
    releasePhoto();
    slot_ = slot_stats::previousSlot(slot_, slotCount());
    showSlot();
}

void CSlotStatsDlg::drawNextPage() {
    stepPage(true);
}

void CSlotStatsDlg::drawPreviousPage() {
    stepPage(false);
}

void CSlotStatsDlg::stepPage(bool forward) {
    if (document_.refusedWhileBusy()) return;
    // The old page's photo goes before the new page is drawn, so it is never shown
    // against the new page's figures.
    releasePhoto();
    ImageListCommands commands(document_, services_);
    if (forward)
        commands.nextPage();
    else
        commands.previousPage();
    // The drawn page reaches the preview through pageRendered.
    document_.ensurePage();
    slot_ = 1;
    showSlot();
}

const QImage& CSlotStatsDlg::previewImage() const {
    return preview_->previewImage();
}

QWidget* CSlotStatsDlg::pagePreview() const {
    return preview_;
}

void CSlotStatsDlg::updateCaption() {
    const QString printer =
        services_.printer ? currentPrinterName(*services_.printer) : tr("Default Printer");
    setWindowTitle(previewCaption(document_.report().layoutText, printer));
}

void CSlotStatsDlg::openHelp() {
    if (!services_.notifier || !services_.launcher) return;
    openHelpTopic(helpDir_, QStringLiteral("/CSlotStatsDlg.htm"), *services_.notifier, *services_.launcher);
}

void CSlotStatsDlg::done(int result) {
    releasePhoto();
    QDialog::done(result);
}

int RunSlotStatistics(QWidget* parent, PrintDocument& document, const Services& services,
                      const QString& helpDir) {
    if (document.listEmpty()) {
        if (services.notifier) showListEmpty(*services.notifier);
        return QDialog::Rejected;
    }
    std::optional<WaitCursor> wait(std::in_place);
    document.ensurePage();
    CSlotStatsDlg dialog(document, services, helpDir, parent);
    wait.reset();
    return dialog.exec();
}
