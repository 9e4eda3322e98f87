#include "ui/layoutsetup/CPhotoLayoutSetupDlg.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/AppServices.h"
#include "core/CommandIds.h"
#include "core/StatusIndicator.h"
#include "document/DocumentPrinting.h"
#include "document/ImageListCommands.h"
#include "document/PrintDocument.h"
#include "output/PrinterBackend.h"
#include "ui/BusyGate.h"
#include "ui/PagePreview.h"
#include "ui/layoutsetup/CPPageAdvancedOptionsControl.h"
#include "ui/layoutsetup/CPPageImageListControl.h"
#include "ui/layoutsetup/CPPageTemplateControl.h"
#include "ui/layoutsetup/LayoutSetupModel.h"

namespace {
int openSheets = 0;

QIcon buttonIcon(const QString& name) {
    const QString resource = QStringLiteral(":/toolbar/%1.png").arg(name);
    return QIcon(resource);
}
}  // namespace

bool CPhotoLayoutSetupDlg::isOpen() {
    return openSheets > 0;
}

CPhotoLayoutSetupDlg::CPhotoLayoutSetupDlg(const LayoutSetupContext& context, int page,
                                           const QString& selectedPhoto, QWidget* parent)
    : QDialog(parent), context_(context), selectedPhoto_(selectedPhoto) {
    // No accessible name of its own: assistive tools then read the title, which
    // follows the page drawn and the printer.
    setWindowTitle(tr("Custom Photo Layout Setup"));
    setModal(true);
    setSizeGripEnabled(true);

    sheet_ = new QTabWidget(this);
    sheet_->setAccessibleName(tr("Layout setup pages"));
    imageListPage_ = new CPPageImageListControl(*this);
    templatePage_ = new CPPageTemplateControl(*this);
    advancedPage_ = new CPPageAdvancedOptionsControl(*this);
    sheet_->addTab(imageListPage_, tr("&Image List"));
    sheet_->addTab(templatePage_, tr("Photo &Templates"));
    sheet_->addTab(advancedPage_, tr("Ad&vanced"));

    preview_ = new DocumentPagePreview(document(), tr("Page preview"), this);
    preview_->enableFraming();

    slotList_ = new QTreeWidget(this);
    slotList_->setAccessibleName(tr("Slots of the page"));
    slotList_->setToolTip(
        tr("What happened to each photo of the page; choose one to see it on the Image List page"));
    slotList_->setRootIsDecorated(false);
    slotList_->setSelectionBehavior(QAbstractItemView::SelectRows);
    slotList_->setAllColumnsShowFocus(true);
    slotList_->setIconSize(QSize(16, 16));
    slotList_->setHeaderLabels(
        {tr("Slot"), tr("Img #"), tr("Image File Name"), tr("Photo Size"), tr("Transformations")});
    slotList_->setMinimumHeight(150);
    slotList_->viewport()->installEventFilter(this);
    connect(slotList_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { slotChosen(item); });
    connect(slotList_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { slotChosen(item); });

    auto* top = new QHBoxLayout;
    top->addWidget(sheet_, 0);
    top->addWidget(preview_, 1);

    // Close, Printer Setup..., Print Page, Draw Prev Page, Re-Draw Page, Draw Next Page, Help.
    auto* row = new QHBoxLayout;
    QPushButton* close = addButton(tr("&Close"), QStringLiteral("32803"), tr("Close this window"));
    QPushButton* setup =
        addButton(tr("Printer &Setup..."), QStringLiteral("57606"), tr("Select or set up the printer"));
    QPushButton* print = addButton(tr("&Print Page"), QStringLiteral("32814"), tr("Print this page"));
    QPushButton* prev =
        addButton(tr("Draw P&rev Page"), QStringLiteral("32773"), tr("Draw the previous page of the list"));
    QPushButton* redraw = addButton(tr("Re-Dra&w Page"), QStringLiteral("1196"), tr("Draw this page again"));
    QPushButton* next =
        addButton(tr("Draw &Next Page"), QStringLiteral("32772"), tr("Draw the next page of the list"));
    QPushButton* help = addButton(tr("&Help"), QStringLiteral("32809"), tr("Help on this page"));
    for (QPushButton* b : buttons_) row->addWidget(b);

    auto* column = new QVBoxLayout(this);
    column->addLayout(top, 3);
    column->addWidget(slotList_, 1);
    column->addLayout(row);

    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    // Each button's command passes the document's gate: a print spooling or a folder
    // scan started from here lets clicks through, and they must not act underneath it.
    new BusyGate(document(), this);
    connect(setup, &QPushButton::clicked, this, [this] {
        document().runCommand([this] {
            if (context_.runCommand) context_.runCommand(cmd::PrinterSetup);
            updateCaption();
        });
    });
    connect(print, &QPushButton::clicked, this, [this] { PrintPageCommand(document(), context_.services); });
    connect(prev, &QPushButton::clicked, this, [this] {
        document().runCommand([this] {
            ImageListCommands(document(), context_.services).previousPage();
            document().ensurePage();
        });
    });
    connect(redraw, &QPushButton::clicked, this, [this] { document().runCommand([this] { reDraw(); }); });
    connect(next, &QPushButton::clicked, this, [this] {
        document().runCommand([this] {
            ImageListCommands(document(), context_.services).nextPage();
            document().ensurePage();
        });
    });
    connect(help, &QPushButton::clicked, this, &CPhotoLayoutSetupDlg::openHelp);

    connect(&document(), &PrintDocument::pageRendered, this, &CPhotoLayoutSetupDlg::refresh);
    connect(sheet_, &QTabWidget::currentChanged, this, [this](int index) {
        settings().LastSetupPage = index;
        if (index == layout_setup::ImageListPage) imageListPage_->pageShown();
        if (index == layout_setup::TemplatesPage) templatePage_->pageShown();
    });

    // As large as the screen allows, up to the size the three pages and the preview like.
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 1024);
    resize(qMin(1240, area.width() * 96 / 100), qMin(940, area.height() * 92 / 100));

    const int start = page >= 0 && page <= 2 ? page : qBound(0, settings().LastSetupPage, 2);
    sheet_->setCurrentIndex(start);
    settings().LastSetupPage = start;
    fillSlotList();
    updateCaption();
    preview_->refresh();
    ++openSheets;
}

CPhotoLayoutSetupDlg::~CPhotoLayoutSetupDlg() {
    --openSheets;
}

AppSettings& CPhotoLayoutSetupDlg::settings() {
    return document().settings();
}

QPushButton* CPhotoLayoutSetupDlg::addButton(const QString& text, const QString& icon, const QString& tip) {
    auto* b = new QPushButton(buttonIcon(icon), text, this);
    b->setToolTip(tip);
    QString name = text;
    name.remove(QLatin1Char('&'));
    b->setAccessibleName(name);
    b->setAutoDefault(false);
    buttons_ << b;
    return b;
}

QPushButton* CPhotoLayoutSetupDlg::button(const QString& accessibleName) const {
    for (QPushButton* b : buttons_)
        if (b->accessibleName() == accessibleName) return b;
    return nullptr;
}

bool CPhotoLayoutSetupDlg::eventFilter(QObject* watched, QEvent* event) {
    // The columns share the list's width by their weights whenever it changes.
    if (watched == slotList_->viewport() && event->type() == QEvent::Resize) {
        const int width = slotList_->viewport()->width();
        for (int c = 0; c < 5; ++c) slotList_->setColumnWidth(c, layout_setup::slotColumnWidth(width, c));
    }
    return QDialog::eventFilter(watched, event);
}

void CPhotoLayoutSetupDlg::keyPressEvent(QKeyEvent* event) {
    // Enter belongs to the field it is typed in (a go-to number, a border); only
    // Escape and Close end the sheet.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

QWidget* CPhotoLayoutSetupDlg::pagePreview() const {
    return preview_;
}

void CPhotoLayoutSetupDlg::refresh() {
    // The preview follows the document's pages by itself.
    updateCaption();
    fillSlotList();
    imageListPage_->pageDrawn();
}

void CPhotoLayoutSetupDlg::updateCaption() {
    const QString printer =
        context_.services.printer ? currentPrinterName(*context_.services.printer) : tr("Default Printer");
    setWindowTitle(layout_setup::sheetCaption(document().report().layoutText, printer));
}

void CPhotoLayoutSetupDlg::fillSlotList() {
    slotList_->clear();
    static const char* const lamps[3] = {"LED_DKGRN", "LED_YELLOW", "LED_RED"};
    static const char* const meaning[3] = {QT_TR_NOOP("enough resolution"), QT_TR_NOOP("low resolution"),
                                           QT_TR_NOOP("not loaded")};
    for (const layout_setup::SlotRow& row :
         layout_setup::slotRows(document().report(), settings().PhotoGridOnly)) {
        auto* item = new QTreeWidgetItem(slotList_);
        for (int c = 0; c < 5; ++c) item->setText(c, row.columns[c]);
        item->setIcon(0, QIcon(QStringLiteral(":/lamps/%1.png").arg(QString::fromLatin1(lamps[row.icon]))));
        item->setToolTip(0, tr("Slot %1: %2").arg(row.slot).arg(tr(meaning[row.icon])));
    }
}

void CPhotoLayoutSetupDlg::slotChosen(QTreeWidgetItem* item) {
    if (!item) return;
    const QString path = layout_setup::pathFromSlotColumn(item->text(2));
    selectedPhoto_ = path;
    imageListPage_->showPhoto(path);
}

void CPhotoLayoutSetupDlg::reDraw() {
    if (slotList_->topLevelItemCount() > 0) {
        selectedPhoto_ = layout_setup::pathFromSlotColumn(slotList_->topLevelItem(0)->text(2));
        document().imageList().seek(selectedPhoto_);
    }
    applyTemplateAndRedraw();
}

void CPhotoLayoutSetupDlg::applyTemplateAndRedraw() {
    PrintDocument& doc = document();
    if (doc.listEmpty()) {
        if (context_.services.notifier) showListEmpty(*context_.services.notifier);
        return;
    }
    templatePage_->showTemplateName();
    ImageList& list = doc.imageList();
    list.currentPhoto = selectedPhoto_;
    list.pageFirstPhoto = selectedPhoto_;
    list.seek(selectedPhoto_);
    list.takeNext();
    doc.dropPage();
    doc.ensurePage();
    templatePage_->updateTitle();
}

void CPhotoLayoutSetupDlg::openHelp() {
    if (!context_.services.notifier || !context_.services.launcher) return;
    const QString page = QStringLiteral("/CPhotoLayoutSetupDlgP%1.htm").arg(sheet_->currentIndex());
    openHelpTopic(context_.helpDir, page, *context_.services.notifier, *context_.services.launcher);
}
