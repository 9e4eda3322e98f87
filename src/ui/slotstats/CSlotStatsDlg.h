#pragma once
// "Detailed Layout Statistics": one slot of the page on display at a time, with its
// figures, the photo as its file holds it (no filters, turns or crops) and, when
// asked for, the photo's red, green, blue and gray histograms; beside it the whole
// page. The dialog can step the page forward and back itself.

#include <QDialog>
#include <QImage>
#include <array>

#include "core/Seams.h"
#include "image/PhotoImage.h"
#include "ui/slotstats/SlotStatsModel.h"

class PrintDocument;
class QAbstractButton;
class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class DocumentPagePreview;
class QTextEdit;
class QToolButton;
struct AppSettings;
struct SlotRecord;

class CSlotStatsDlg : public QDialog {
    Q_OBJECT
public:
    // The dialog reads the document's last page report and settings; services gives
    // the status bar (for a refused page step), the printer's name, and the notifier
    // and launcher for Help. helpDir is the help folder; without it Help is disabled.
    CSlotStatsDlg(PrintDocument& document, const Services& services, const QString& helpDir,
                  QWidget* parent = nullptr);
    ~CSlotStatsDlg() override;

    PrintDocument& document() { return document_; }

    // The slot shown, 1-based, and the slots the arrows step through.
    int currentSlot() const { return slot_; }
    int slotCount() const;
    void nextSlot();
    void previousSlot();
    // The list's next or previous page, drawn, and its first slot shown.
    void drawNextPage();
    void drawPreviousPage();

    // What the person sees, for the tests.
    QString statisticsText() const;
    QString statusLabelText() const;
    // 141 while the slot is graded low-resolution, else 139.
    int resolutionBitmap() const { return resolutionBitmap_; }
    const PhotoImage& photo() const { return photo_; }
    const slot_stats::Histograms& histograms() const { return histograms_; }
    const slot_stats::HistogramSwitches& switches() const { return switches_; }
    // How many times a photo was read from its file.
    int photoLoads() const { return photoLoads_; }
    // The page preview's picture, scaled to the preview.
    const QImage& previewImage() const;

    QAbstractButton* previousSlotButton() const;
    QAbstractButton* nextSlotButton() const;
    QAbstractButton* histogramToggle() const;
    QCheckBox* histogramBox() const { return histogramBox_; }
    QRadioButton* logFormat() const { return logFormat_; }
    QRadioButton* linearFormat() const { return linearFormat_; }
    QCheckBox* channelBox(slot_stats::Channel channel) const { return channelBoxes_[std::size_t(channel)]; }
    QPushButton* drawNextPageButton() const { return nextPage_; }
    QPushButton* drawPreviousPageButton() const { return prevPage_; }
    QPushButton* helpButton() const { return help_; }
    QPushButton* okButton() const { return ok_; }
    QWidget* photoArea() const { return photoArea_; }
    QWidget* histogramView() const { return histogramView_; }
    QWidget* pagePreview() const;
    QTextEdit* statisticsView() const { return statistics_; }

    // For the drawing widgets: the photo fitted into the area, cached per size.
    const QImage& fittedPhoto(const QSize& areaSize);

public Q_SLOTS:
    void done(int result) override;

private:
    void buildControls();
    void showSlot();
    void loadPhotoIfNeeded();
    void countIfNeeded();
    void releasePhoto();
    void updateEnabling();
    void redrawPhoto();
    void updateCaption();
    void stepPage(bool forward);
    void histogramBoxClicked(bool checked);
    void scaleChosen(bool log);
    void channelClicked(slot_stats::Channel channel, bool checked);
    void openHelp();
    const SlotRecord* record() const;
    AppSettings& settings();

    PrintDocument& document_;
    Services services_;
    QString helpDir_;

    int slot_ = 1;
    PhotoImage photo_;
    bool photoTried_ = false;  // a file that would not load is not read again for every redraw
    int photoLoads_ = 0;
    slot_stats::Histograms histograms_;
    slot_stats::HistogramSwitches switches_;
    int resolutionBitmap_ = 139;
    QImage fitted_;
    QSize fittedFor_;
    bool fittedOn_ = false;  // drawn below the histogram

    QLabel* statusLabel_ = nullptr;
    QWidget* photoArea_ = nullptr;
    QWidget* histogramView_ = nullptr;
    DocumentPagePreview* preview_ = nullptr;
    QTextEdit* statistics_ = nullptr;
    QToolButton* prevSlot_ = nullptr;
    QToolButton* nextSlot_ = nullptr;
    QLabel* resolution_ = nullptr;
    QToolButton* toggle_ = nullptr;
    QCheckBox* histogramBox_ = nullptr;
    QRadioButton* logFormat_ = nullptr;
    QRadioButton* linearFormat_ = nullptr;
    std::array<QCheckBox*, slot_stats::kChannels> channelBoxes_{};
    QPushButton* prevPage_ = nullptr;
    QPushButton* nextPage_ = nullptr;
    QPushButton* help_ = nullptr;
    QPushButton* ok_ = nullptr;
};

// The toolbar's Details command: the dialog over parent for the page on display,
// drawing the page first when none is kept. An empty list answers "Your image list
// is empty!" instead. Returns the dialog's result (QDialog::Rejected when it did not open).
int RunSlotStatistics(QWidget* parent, PrintDocument& document, const Services& services,
                      const QString& helpDir);
