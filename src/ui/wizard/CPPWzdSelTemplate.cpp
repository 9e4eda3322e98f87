#include "ui/wizard/CPPWzdSelTemplate.h"

#include <qdrawutil.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

#include "core/CommandIds.h"
#include "document/PrintDocument.h"
#include "layout/TemplateCatalogue.h"
#include "ui/PagePreview.h"
#include "ui/wizard/KioskWizard.h"
#include "ui/wizard/WizardModel.h"

namespace {
constexpr int kPictureWidth = 120;
constexpr int kPictureHeight = 95;
constexpr int kEdge = 2;          // the raised edge around each picture
constexpr int kEntryWidth = 126;  // one entry's share of the row

const char* const kBitmapMemoryError = QT_TRANSLATE_NOOP("CPPWzdSelTemplate", "*Bitmap Memory Error*");
}  // namespace

CPPWzdSelTemplate::CPPWzdSelTemplate(KioskWizard& sheet) : QWidget(&sheet), sheet_(sheet) {
    caption_ = wizard::pageTitle(wizard::TemplatePage);
    setAccessibleName(caption_);
    auto* column = new QVBoxLayout(this);
    column->addWidget(makeWizardBanner(caption_, this));

    list_ = new QListWidget(this);
    list_->setAccessibleName(tr("Photo layout templates"));
    list_->setToolTip(tr("Choose a layout; the page is drawn in it at once"));
    list_->setViewMode(QListView::IconMode);
    list_->setFlow(QListView::LeftToRight);
    list_->setWrapping(false);
    list_->setMovement(QListView::Static);
    list_->setResizeMode(QListView::Fixed);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setWordWrap(true);
    list_->setTextElideMode(Qt::ElideNone);
    list_->setSpacing(0);
    list_->setIconSize(QSize(kPictureWidth + 2 * kEdge, kPictureHeight + 2 * kEdge));
    const int textLines = 2 * list_->fontMetrics().height();
    list_->setGridSize(QSize(kEntryWidth, kPictureHeight + 2 * kEdge + textLines + 10));
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setFixedHeight(list_->gridSize().height() + list_->horizontalScrollBar()->sizeHint().height() +
                          2 * list_->frameWidth() + 4);
    // The chosen layout stays marked while the keyboard is elsewhere on the page.
    QPalette pal = list_->palette();
    pal.setColor(QPalette::Inactive, QPalette::Highlight, pal.color(QPalette::Active, QPalette::Highlight));
    pal.setColor(QPalette::Inactive, QPalette::HighlightedText,
                 pal.color(QPalette::Active, QPalette::HighlightedText));
    list_->setPalette(pal);
    auto* listLabel = new QLabel(tr("Photo &layout templates:"), this);
    listLabel->setBuddy(list_);
    column->addWidget(listLabel);
    column->addWidget(list_);

    single_ = new QCheckBox(tr("Use &Single Image"), this);
    single_->setAccessibleName(tr("Use Single Image"));
    single_->setToolTip(tr("Put the same photo into every slot of the page"));
    connect(single_, &QCheckBox::clicked, this, &CPPWzdSelTemplate::setSingleImage);

    paper_ = new QLineEdit(this);
    paper_->setReadOnly(true);
    paper_->setAccessibleName(tr("Required paper size"));
    paper_->setMinimumWidth(
        paper_->fontMetrics().horizontalAdvance(tr("Required Paper Size: 88.88 in. x 88.88 in.")) + 16);

    layouts_ = new QPushButton(tr("More La&youts..."), this);
    layouts_->setAccessibleName(tr("More Layouts..."));
    layouts_->setIcon(QIcon(QPixmap::fromImage(wizardPicture(207))));
    layouts_->setIconSize(QSize(32, 32));
    layouts_->setToolTip(tr("Every layout, half-page styles and borders, in the layout setup"));
    review_ = new QPushButton(tr("Review Your &Image List..."), this);
    review_->setAccessibleName(tr("Review Your Image List..."));
    review_->setIcon(QIcon(QPixmap::fromImage(wizardPicture(208))));
    review_->setIconSize(QSize(32, 32));
    review_->setToolTip(tr("See the photos of the list and where the page starts"));
    connect(layouts_, &QPushButton::clicked, this, [this] { openLayoutSetup(cmd::ChangeTemplate); });
    connect(review_, &QPushButton::clicked, this, [this] { openLayoutSetup(cmd::ViewImageList); });

    auto* left = new QVBoxLayout;
    left->addWidget(paper_);
    left->addWidget(single_);
    left->addSpacing(12);
    left->addWidget(layouts_);
    left->addWidget(review_);
    left->addStretch(1);

    frame_ = new QGroupBox(this);
    preview_ = new DocumentPagePreview(sheet_.document(), tr("Page preview"), frame_);
    preview_->setMinimumSize(200, 240);  // the wizard's pages are smaller than the sheet
    auto* inFrame = new QVBoxLayout(frame_);
    inFrame->addWidget(preview_);

    auto* row = new QHBoxLayout;
    row->addLayout(left, 0);
    row->addWidget(frame_, 1);
    column->addLayout(row, 1);

    fillList();
    if (auto* heading = findChild<QLabel*>(QStringLiteral("wizardHeading"))) heading->setText(caption_);
    selectCurrentTemplate();
    connect(list_, &QListWidget::itemSelectionChanged, this, &CPPWzdSelTemplate::selectionChanged);
    // A click on the entry already chosen changes no selection, yet applies it: a
    // half-page layout marks the last entry without that template being the current one.
    list_->viewport()->installEventFilter(this);
    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const int number = list_->row(item) + 1;
        if (number == selectedAtPress_) chooseEntry(number);
    });
    connect(&sheet_.document(), &PrintDocument::pageRendered, this, &CPPWzdSelTemplate::refresh);
    refresh();
}

QWidget* CPPWzdSelTemplate::firstControl() const {
    return list_;
}

void CPPWzdSelTemplate::fillList() {
    const QPalette pal = palette();
    for (const wizard::WizardTemplate& t : wizard::wizardTemplates()) {
        // Named by what the entry shows, so voice control finds it by its label; the
        // catalogue's name of the template is its description.
        auto* item = new QListWidgetItem(QCoreApplication::translate("Wizard", t.label), list_);
        const QString name = QString::fromLatin1(t.templateName);
        item->setData(Qt::AccessibleDescriptionRole, name);
        item->setToolTip(name);
        item->setTextAlignment(Qt::AlignHCenter | Qt::AlignTop);
        const QImage picture = wizardPicture(t.picture);
        if (picture.isNull()) {
            caption_ = tr(kBitmapMemoryError);
            continue;
        }
        QPixmap framed(kPictureWidth + 2 * kEdge, kPictureHeight + 2 * kEdge);
        framed.fill(pal.color(QPalette::Button));
        QPainter p(&framed);
        qDrawWinPanel(&p, framed.rect(), pal, false);
        p.drawImage(QRect(kEdge, kEdge, kPictureWidth, kPictureHeight), picture);
        p.end();
        item->setIcon(QIcon(framed));
    }
}

void CPPWzdSelTemplate::showSelected() {
    selecting_ = true;
    list_->setCurrentRow(selected_ - 1, QItemSelectionModel::ClearAndSelect);
    list_->scrollToItem(list_->item(selected_ - 1));
    selecting_ = false;
}

void CPPWzdSelTemplate::selectCurrentTemplate() {
    selected_ = wizard::entryForTemplateName(sheet_.document().settings().FullPageTemplateSel);
    showSelected();
}

bool CPPWzdSelTemplate::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_->viewport() && event->type() == QEvent::MouseButtonPress)
        selectedAtPress_ = selected_;
    return QWidget::eventFilter(watched, event);
}

void CPPWzdSelTemplate::selectionChanged() {
    if (selecting_) return;
    int number = 0;
    for (int k = 0; k < list_->count() && !number; ++k)
        if (list_->item(k)->isSelected()) number = k + 1;
    if (number == 0) {
        // Nothing chosen: the entry chosen before stays marked.
        showSelected();
        return;
    }
    chooseEntry(number);
}

void CPPWzdSelTemplate::chooseEntry(int number) {
    if (number < 1 || number > wizard::kTemplateCount) return;
    if (sheet_.refusedWhileBusy()) {
        showSelected();
        return;
    }
    selected_ = number;
    showSelected();
    PrintDocument& doc = sheet_.document();
    wizard::applyWizardTemplate(doc.settings(), &doc.store(), number);
    // The list has just been put at its start, so the page is drawn from there as
    // it stands; Next's single-image step would skip the first photo.
    wizard::startListOver(doc.imageList());
    doc.setZoomMode(false);
    doc.dropPage();
    doc.notifySettingsChanged();
    doc.notifyListChanged();
    doc.ensurePage();
    refresh();
}

void CPPWzdSelTemplate::setSingleImage(bool on) {
    PrintDocument& doc = sheet_.document();
    if (sheet_.refusedWhileBusy()) {
        single_->setChecked(doc.settings().UseSingleImage != 0);
        return;
    }
    doc.settings().UseSingleImage = on ? 1 : 0;
    // Either way the page begins at the selected start photo and goes on from the
    // photo after it, so no photo is drawn twice or skipped.
    ImageList& list = doc.imageList();
    const QString start = list.selectedStartPhoto.isEmpty() ? list.pageFirstPhoto : list.selectedStartPhoto;
    list.currentPhoto = start;
    list.seek(start);
    list.takeNext();
    doc.setZoomMode(false);
    doc.dropPage();
    doc.notifyListChanged();
    doc.ensurePage();
    refresh();
}

void CPPWzdSelTemplate::openLayoutSetup(int command) {
    sheet_.runCommand(command);
    selectCurrentTemplate();
    refresh();
}

void CPPWzdSelTemplate::pageActivated() {
    sheet_.document().ensurePage();
    selectCurrentTemplate();
    refresh();
}

void CPPWzdSelTemplate::refresh() {
    PrintDocument& doc = sheet_.document();
    const AppSettings& s = doc.settings();
    paper_->setText(wizard::requiredPaperSizeText(s));
    single_->setEnabled(wizard::singleImageAvailable(s));
    single_->setChecked(s.UseSingleImage != 0);
    frame_->setTitle(layoutDisplayText(doc.hasPage() ? doc.report().layoutText : s.FullPageTemplateSel));
    frame_->setAccessibleName(frame_->title());
}
