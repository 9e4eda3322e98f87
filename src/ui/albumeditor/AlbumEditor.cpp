#include "ui/albumeditor/AlbumEditor.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <optional>

#include "album/AlbumSave.h"
#include "core/AppServices.h"
#include "core/AppSettings.h"
#include "core/CommandIds.h"
#include "core/WaitCursor.h"
#include "document/PrintDocument.h"
#include "ui/AccessibleLabels.h"

using namespace album_editor;

namespace {

// The progress bar's colour while a page is drawn.
const QColor kProgressColour(146, 106, 6);

// The editor's status line, progress bar and window title, as the album pages see them.
class EditorStatus final : public StatusSink {
public:
    EditorStatus(AlbumEditor* editor, QLineEdit* line, QProgressBar* bar)
        : editor_(editor), line_(line), bar_(bar) {}
    void setPaneText(int pane, const QString& text) override {
        if (pane != 0) return;
        line_->setText(text);
        if (line_->isVisible()) line_->repaint();
    }
    void setIndicator(const QString&) override {}
    // A page draws on the window's own thread: each step is painted at once so the
    // bar moves while the photos load. 0 empties and hides it.
    void setProgress(int position) override {
        if (position <= 0) {
            bar_->setValue(bar_->minimum());
            bar_->hide();
            return;
        }
        bar_->setValue(qBound(bar_->minimum(), position, bar_->maximum()));
        bar_->show();
        if (bar_->isVisible()) bar_->repaint();
    }
    void setWindowTitle(const QString& title) override { editor_->showPagesTitle(title); }

private:
    AlbumEditor* editor_;
    QLineEdit* line_;
    QProgressBar* bar_;
};

// The album page as the pages model draws it, at the fixed size the pages are laid
// out for. Drawing photos never happens inside a paint: a missing picture is asked
// for from the event loop, and the commands draw their pages themselves.
class PageArea final : public QWidget {
public:
    PageArea(AlbumEditor* editor, QWidget* parent) : QWidget(parent), editor_(editor) {
        setFixedSize(kDefaultPreviewArea);
        setFocusPolicy(Qt::StrongFocus);
        setAccessibleName(QObject::tr("Album page preview"));
        setToolTip(
            QObject::tr("The album page as it prints. Page Down and Page Up step through the album; "
                        "right-click for Save As, printing and the printer setup"));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const AlbumPageModel& pages = editor_->model().pages();
        if (pages.hasCachedPreview() && pages.cachedPreview().size() == size()) {
            p.drawImage(0, 0, pages.cachedPreview());
        } else {
            p.fillRect(rect(), palette().button());
            if (!pages.busy()) QTimer::singleShot(0, this, [this] { askForPicture(); });
        }
        if (hasFocus()) {
            p.setPen(QPen(palette().color(QPalette::Highlight), 2));
            p.drawRect(rect().adjusted(1, 1, -1, -1));
        }
    }
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_PageDown && editor_->nextPageButton()->isEnabled()) {
            editor_->nextPage();
            return;
        }
        if (event->key() == Qt::Key_PageUp && editor_->prevPageButton()->isEnabled()) {
            editor_->prevPage();
            return;
        }
        QWidget::keyPressEvent(event);
    }
    void focusInEvent(QFocusEvent* event) override {
        update();
        QWidget::focusInEvent(event);
    }
    void focusOutEvent(QFocusEvent* event) override {
        update();
        QWidget::focusOutEvent(event);
    }

private:
    void askForPicture() {
        AlbumPageModel& pages = editor_->model().pages();
        if (pages.busy() || (pages.hasCachedPreview() && pages.cachedPreview().size() == size())) return;
        if (!pages.preview(size()).isNull()) update();
    }
    AlbumEditor* editor_;
};

QIcon commandIcon(const char* themeName, const char* resource, QStyle::StandardPixmap standard,
                  QStyle* style) {
    QIcon fallback;
    if (resource) fallback = QIcon(QStringLiteral(":/toolbar/%1.png").arg(QLatin1String(resource)));
    if (fallback.availableSizes().isEmpty()) fallback = style->standardIcon(standard);
    return QIcon::fromTheme(QString::fromLatin1(themeName), fallback);
}

QString withoutMnemonic(QString text) {
    text.remove(QLatin1Char('&'));
    return text;
}

QPushButton* makeButton(const QString& text, const QString& tip, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setToolTip(tip);
    b->setAccessibleName(withoutMnemonic(text));
    // Enter belongs to the field it is typed in, never to a page step.
    b->setAutoDefault(false);
    return b;
}

}  // namespace

AlbumEditor::AlbumEditor(const AlbumEditorContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
    setModal(true);
    setSizeGripEnabled(true);

    auto* column = new QVBoxLayout(this);
    buildToolBar();
    auto* top = new QHBoxLayout;
    top->setContentsMargins(0, 0, 0, 0);
    top->addWidget(toolBar_, 1);
    buildMenu();
    top->addWidget(more_, 0, Qt::AlignTop);
    column->addLayout(top);

    auto* left = new QVBoxLayout;
    left->addWidget(buildContentsGroup(), 1);
    left->addWidget(buildLayoutGroup(), 0);
    auto* groups = new QHBoxLayout;
    groups->addLayout(left, 1);
    groups->addWidget(buildPreviewGroup(), 0);
    column->addLayout(groups, 1);

    status_ = std::make_unique<EditorStatus>(this, statusLine_, progress_);
    model_ =
        std::make_unique<AlbumEditorModel>(context_.document->settings(), context_.services, status_.get());
    model_->setPreviewArea(pageArea_->size());

    // The choices the pages were last drawn with.
    if (context_.services.store) {
        const AlbumLayout layout = albumLayoutFromSettings(*context_.services.store);
        layoutChoice_->setCurrentIndex(qMax(0, albumLayoutChoices().indexOf(layout.text())));
        twoPage_->setChecked(layout.twoPage);
        addCaption_->setChecked(layout.captions);
    }
    connect(layoutChoice_, &QComboBox::currentIndexChanged, this, [this] {
        if (refreshing_) return;
        model_->setLayoutText(layoutChoice_->currentText());
        pageArea_->update();
    });
    connect(twoPage_, &QCheckBox::toggled, this, [this](bool on) {
        if (refreshing_) return;
        model_->setTwoPage(on);
        pageArea_->update();
    });
    connect(addCaption_, &QCheckBox::toggled, this, [this](bool on) {
        if (refreshing_) return;
        const int focused = contents_->currentRow();
        model_->setCaptions(on, focused);
        if (focused >= 0) selectOnly(focused);
        pageArea_->update();
        updateStates();
    });

    model_->start();
    refreshAll(model_->isEmpty() ? -1 : 0);
    setTabOrderChain();
    resize(sizeHint().expandedTo(QSize(900, 640)));
}

AlbumEditor::~AlbumEditor() {
    // The sink points into widgets the dialog is about to delete.
    model_.reset();
}

QAction* AlbumEditor::addCommand(Command command, const QString& text, const QString& tip,
                                 const QKeySequence& keys, const QIcon& icon, bool tipNamesKeys) {
    auto* a = new QAction(icon, text, this);
    QString fullTip = tip;
    if (!keys.isEmpty()) {
        a->setShortcut(keys);
        a->setShortcutContext(Qt::WindowShortcut);
        // Menus show their shortcuts; a toolbar button only says it in its tip.
        if (tipNamesKeys) fullTip += QStringLiteral(" (%1)").arg(keys.toString(QKeySequence::NativeText));
    }
    a->setToolTip(fullTip);
    a->setStatusTip(fullTip);
    connect(a, &QAction::triggered, this, [this, command] { run(command); });
    actions_[command] = a;
    return a;
}

void AlbumEditor::buildToolBar() {
    toolBar_ = new QToolBar(this);
    toolBar_->setAccessibleName(tr("Album commands"));
    toolBar_->setIconSize(QSize(24, 24));
    toolBar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    QStyle* s = style();
    struct ToolbarCommand {
        Command command;
        const char* text;
        const char* tip;
        const char* theme;
        const char* resource;
        QStyle::StandardPixmap standard;
        QKeySequence keys;
    };
    const ToolbarCommand commands[] = {
        {New, QT_TR_NOOP("New"), QT_TR_NOOP("Start a new, empty album"), "document-new", nullptr,
         QStyle::SP_FileIcon, QKeySequence::New},
        {Open, QT_TR_NOOP("Open"), QT_TR_NOOP("Open an album file"), "document-open", "57601",
         QStyle::SP_DialogOpenButton, QKeySequence::Open},
        {AddFiles, QT_TR_NOOP("Add Files"), QT_TR_NOOP("Add photo files to the album"), "list-add", "32771",
         QStyle::SP_FileDialogNewFolder, QKeySequence(Qt::CTRL | Qt::Key_I)},
        {Save, QT_TR_NOOP("Save"), QT_TR_NOOP("Save the album with a thumbnail of the page shown"),
         "document-save", "57603", QStyle::SP_DialogSaveButton, QKeySequence::Save},
        {Delete, QT_TR_NOOP("Delete"),
         QT_TR_NOOP("Remove the selected photos from the album (the files stay where they are)"),
         "edit-delete", "32774", QStyle::SP_TrashIcon, QKeySequence()},
        {Help, QT_TR_NOOP("Help"), QT_TR_NOOP("Help on photo albums"), "help-contents", "32809",
         QStyle::SP_DialogHelpButton, QKeySequence::HelpContents},
        {Close, QT_TR_NOOP("Close"), QT_TR_NOOP("Close the album editor without saving"), "window-close",
         "32803", QStyle::SP_DialogCloseButton, QKeySequence()},
    };
    for (const ToolbarCommand& entry : commands) {
        QAction* a = addCommand(entry.command, tr(entry.text), tr(entry.tip), entry.keys,
                                commandIcon(entry.theme, entry.resource, entry.standard, s), true);
        toolBar_->addAction(a);
        if (QWidget* button = toolBar_->widgetForAction(a)) {
            button->setFocusPolicy(Qt::TabFocus);
            button->setAccessibleName(a->text());
        }
    }
    nameToolBarOverflow(toolBar_);
}

void AlbumEditor::buildMenu() {
    struct MenuCommand {
        Command command;
        const char* text;
        const char* tip;
        QKeySequence keys;
    };
    const MenuCommand commands[] = {
        {SaveAs, QT_TR_NOOP("Save &As..."), QT_TR_NOOP("Save the album under another name"),
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
        {PrintPage, QT_TR_NOOP("&Print Album Page..."), QT_TR_NOOP("Print the album page shown"),
         QKeySequence::Print},
        {PrinterSetup, QT_TR_NOOP("Printer &Setup..."), QT_TR_NOOP("Select or set up the printer"),
         QKeySequence()},
    };
    menu_ = new QMenu(tr("More album commands"), this);
    for (const MenuCommand& entry : commands) {
        QAction* a = addCommand(entry.command, tr(entry.text), tr(entry.tip), entry.keys, QIcon(), false);
        addAction(a);  // so the shortcuts work while the menu is closed
        menu_->addAction(a);
    }
    menu_->addSeparator();
    menu_->addAction(actions_[Help]);

    // A push button, so that pressing it (with the keyboard, the mouse or an assistive
    // tool's press action) opens the menu.
    more_ = new QPushButton(tr("&More"), this);
    more_->setAccessibleName(tr("More"));
    more_->setToolTip(tr("Save As, printing the album page and the printer setup"));
    more_->setIcon(QIcon::fromTheme(QStringLiteral("open-menu-symbolic"),
                                    QIcon::fromTheme(QStringLiteral("application-menu"))));
    more_->setAutoDefault(false);
    more_->setMenu(menu_);
}

QWidget* AlbumEditor::buildContentsGroup() {
    contentsGroup_ = new QGroupBox(tr("Photo Album Contents"), this);
    auto* box = new QVBoxLayout(contentsGroup_);
    statusLine_ = new QLineEdit(contentsGroup_);
    statusLine_->setReadOnly(true);
    statusLine_->setAlignment(Qt::AlignCenter);
    statusLine_->setFocusPolicy(Qt::TabFocus);
    statusLine_->setAccessibleName(tr("Album status"));
    statusLine_->setToolTip(tr("How many photo files the album holds"));
    box->addWidget(statusLine_);

    contents_ = new QListWidget(contentsGroup_);
    contents_->setAccessibleName(tr("Photo Album Contents"));
    contents_->setToolTip(
        tr("The album's photo files. Click one to show its page; Ctrl+click selects "
           "several for Delete; Enter shows the page of the current file"));
    contents_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    contents_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    contents_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    contents_->setTextElideMode(Qt::ElideNone);
    contents_->setContextMenuPolicy(Qt::DefaultContextMenu);
    contents_->viewport()->installEventFilter(this);
    contents_->installEventFilter(this);
    connect(contents_, &QListWidget::itemSelectionChanged, this, [this] { updateStates(); });
    connect(contents_, &QListWidget::clicked, this, [this](const QModelIndex& index) {
        clickRow(index.row(), pressModifiers_ & (Qt::ControlModifier | Qt::ShiftModifier));
    });
    // Delete removes the selection while the list has the focus; in the text boxes the
    // key keeps deleting characters.
    auto* del = new QAction(tr("Delete"), contents_);
    del->setShortcut(QKeySequence::Delete);
    del->setShortcutContext(Qt::WidgetShortcut);
    connect(del, &QAction::triggered, this, [this] { run(Delete); });
    contents_->addAction(del);
    box->addWidget(contents_, 1);

    auto* row = new QHBoxLayout;
    selectAll_ = makeButton(tr("Select &All"), tr("Select every file of the album"), contentsGroup_);
    clearSelection_ = makeButton(tr("Cl&ear Selection(s)"), tr("Select no file"), contentsGroup_);
    connect(selectAll_, &QPushButton::clicked, this, [this] {
        contents_->selectAll();
        updateStates();
    });
    connect(clearSelection_, &QPushButton::clicked, this, [this] {
        contents_->clearSelection();
        updateStates();
    });
    row->addWidget(selectAll_);
    row->addWidget(clearSelection_);
    box->addLayout(row);
    return contentsGroup_;
}

QWidget* AlbumEditor::buildLayoutGroup() {
    layoutGroup_ = new QGroupBox(tr("Photo Album Layout and Styles"), this);
    auto* grid = new QGridLayout(layoutGroup_);
    auto* layoutLabel = new QLabel(tr("Photo Page La&yout:"), layoutGroup_);
    layoutChoice_ = new QComboBox(layoutGroup_);
    layoutChoice_->addItems(albumLayoutChoices());
    layoutChoice_->setAccessibleName(tr("Photo Page Layout"));
    layoutChoice_->setToolTip(tr("Columns x rows of photos on each page"));
    layoutLabel->setBuddy(layoutChoice_);
    twoPage_ = new QCheckBox(tr("T&wo Page"), layoutGroup_);
    twoPage_->setAccessibleName(tr("Two Page"));
    twoPage_->setToolTip(tr("Show the album as two facing pages"));
    addCaption_ = new QCheckBox(tr("Add Capt&ion"), layoutGroup_);
    addCaption_->setAccessibleName(tr("Add Caption"));
    addCaption_->setToolTip(tr("Write each photo's size and file name under it"));
    grid->addWidget(layoutLabel, 0, 0);
    grid->addWidget(layoutChoice_, 0, 1);
    grid->addWidget(twoPage_, 0, 2);
    grid->addWidget(addCaption_, 0, 3);

    auto* descriptionLabel = new QLabel(tr("Paste Album &Description"), layoutGroup_);
    pasteButton_ = new QToolButton(layoutGroup_);
    const QIcon paste = QIcon::fromTheme(QStringLiteral("edit-paste"));
    if (paste.isNull()) {
        pasteButton_->setText(tr("Paste"));
    } else {
        pasteButton_->setIcon(paste);
    }
    pasteButton_->setFocusPolicy(Qt::StrongFocus);
    pasteButton_->setAccessibleName(tr("Paste Album Description"));
    pasteButton_->setToolTip(tr("Replace the description with the text on the clipboard"));
    connect(pasteButton_, &QToolButton::clicked, this, &AlbumEditor::pasteDescription);
    description_ = new QPlainTextEdit(layoutGroup_);
    description_->setAccessibleName(tr("Album description"));
    description_->setToolTip(tr("A description of the album, saved with it"));
    description_->setTabChangesFocus(true);
    description_->viewport()->installEventFilter(this);
    // The label names the paste button beside it, as it reads; the box under both
    // keeps a name of its own.
    descriptionLabel->setBuddy(pasteButton_);
    connect(description_, &QPlainTextEdit::textChanged, this, [this] {
        if (refreshing_) return;
        model_->setDescription(description_->toPlainText());
        refreshTitle();
    });
    auto* pasteRow = new QHBoxLayout;
    pasteRow->addWidget(descriptionLabel);
    pasteRow->addWidget(pasteButton_);
    pasteRow->addStretch(1);
    grid->addLayout(pasteRow, 1, 0, 1, 4);
    grid->addWidget(description_, 2, 0, 1, 4);
    grid->setColumnStretch(3, 1);
    return layoutGroup_;
}

QWidget* AlbumEditor::buildPreviewGroup() {
    auto* group = new QGroupBox(tr("Photo Album Preview"), this);
    auto* box = new QVBoxLayout(group);
    pageArea_ = new PageArea(this, group);
    pageArea_->setContextMenuPolicy(Qt::DefaultContextMenu);
    pageArea_->installEventFilter(this);
    box->addWidget(pageArea_, 0, Qt::AlignHCenter);

    progress_ = new QProgressBar(group);
    progress_->setRange(1, 100);
    progress_->setTextVisible(false);
    progress_->setFixedHeight(6);
    progress_->setAccessibleName(tr("Drawing progress"));
    progress_->setToolTip(tr("How far the page has been drawn"));
    QPalette bar = progress_->palette();
    bar.setColor(QPalette::Highlight, kProgressColour);
    progress_->setPalette(bar);
    QSizePolicy keep = progress_->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    progress_->setSizePolicy(keep);
    progress_->hide();
    box->addWidget(progress_);

    auto* titleRow = new QHBoxLayout;
    auto* titleLabel = new QLabel(tr("Album &Title:"), group);
    title_ = new QLineEdit(group);
    title_->setAccessibleName(tr("Album Title"));
    title_->setToolTip(tr("The album's title, saved with it"));
    titleLabel->setBuddy(title_);
    // Every change counts, typed or set by an assistive tool; the editor's own refills
    // are not the person's.
    connect(title_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (refreshing_) return;
        model_->setTitle(text);
        refreshTitle();
    });
    titleRow->addWidget(titleLabel);
    titleRow->addWidget(title_, 1);
    box->addLayout(titleRow);

    auto* buttons = new QHBoxLayout;
    prevPage_ = makeButton(tr("&Prev Page"), tr("Back to the page shown before Next Page (Page Up)"), group);
    setThumbnail_ = makeButton(tr("Set T&humbnail"),
                               tr("Make the page shown the album's thumbnail and save the album"), group);
    nextPage_ = makeButton(tr("&Next Page"), tr("Show the next page of the album (Page Down)"), group);
    connect(prevPage_, &QPushButton::clicked, this, &AlbumEditor::prevPage);
    connect(setThumbnail_, &QPushButton::clicked, this, [this] {
        model_->setThumbnail();
        refreshAll();
    });
    connect(nextPage_, &QPushButton::clicked, this, &AlbumEditor::nextPage);
    buttons->addWidget(prevPage_);
    buttons->addWidget(setThumbnail_);
    buttons->addWidget(nextPage_);
    box->addLayout(buttons);
    box->addStretch(1);
    return group;
}

void AlbumEditor::setTabOrderChain() {
    QList<QWidget*> chain;
    for (QAction* a : toolBar_->actions())
        if (QWidget* w = toolBar_->widgetForAction(a)) chain << w;
    chain << more_ << statusLine_ << contents_ << selectAll_ << clearSelection_ << layoutChoice_ << twoPage_
          << addCaption_ << pasteButton_ << description_ << pageArea_ << title_ << prevPage_ << setThumbnail_
          << nextPage_;
    for (int i = 0; i + 1 < chain.size(); ++i) setTabOrder(chain[i], chain[i + 1]);
}

QAction* AlbumEditor::action(Command command) const {
    return actions_[command];
}

void AlbumEditor::run(Command command) {
    switch (command) {
        case New:
            refreshAll(model_->newAlbum() ? -1 : -2);
            break;
        case Open:
            if (model_->openCommand())
                refreshAll(model_->isEmpty() ? -1 : 0);
            else
                refreshAll();
            break;
        case AddFiles:
            refreshAll(model_->addFiles() ? -1 : -2);
            break;
        case Save:
            model_->save();
            refreshAll();
            break;
        case SaveAs:
            model_->saveAs();
            refreshAll();
            break;
        case Delete:
            refreshAll(model_->deleteRows(selectedRows()));
            break;
        case Help:
            openHelp();
            break;
        case Close:
            // The toolbar's Close leaves at once; unsaved changes are the person's choice.
            done(QDialog::Rejected);
            break;
        case PrintPage:
            printPage();
            break;
        case PrinterSetup:
            if (context_.runCommand) context_.runCommand(cmd::PrinterSetup);
            break;
    }
}

void AlbumEditor::reject() {
    if (!model_->askToSave()) {
        refreshAll();
        return;
    }
    QDialog::reject();
}

QList<int> AlbumEditor::selectedRows() const {
    QList<int> rows;
    for (int i = 0; i < contents_->count(); ++i)
        if (contents_->item(i)->isSelected()) rows << i;
    return rows;
}

void AlbumEditor::clickRow(int row, bool ctrl) {
    if (row < 0 || row >= contents_->count()) return;
    if (!ctrl) selectOnly(row);
    model_->clickRow(row, ctrl);
    pageArea_->update();
    updateStates();
}

void AlbumEditor::nextPage() {
    const int current = contents_->currentRow();
    const QList<int> selected = selectedRows();
    const int chosen = current >= 0 && selected.contains(current) ? current : selected.value(0, -1);
    const int row = model_->nextPage(chosen);
    if (row >= 0) {
        selectOnly(row);
        const QModelIndex top = contents_->indexAt(QPoint(1, 1));
        if (top.isValid() && row - top.row() > kNextPageScrollRows)
            contents_->scrollToItem(contents_->item(row), QAbstractItemView::PositionAtTop);
    }
    pageArea_->update();
    updateStates();
}

void AlbumEditor::prevPage() {
    const int row = model_->prevPage();
    if (row >= 0) selectOnly(row);
    pageArea_->update();
    updateStates();
}

void AlbumEditor::pasteDescription() {
    if (!model_->pasteDescription()) {
        QApplication::beep();
        if (context_.services.notifier)
            context_.services.notifier->plainOk(QString::fromLatin1(kNoClipboardText));
        return;
    }
    refreshing_ = true;
    // Through the box's own undo stack, so Ctrl+Z brings the old description back.
    QTextCursor cursor(description_->document());
    cursor.select(QTextCursor::Document);
    cursor.insertText(model_->description());
    refreshing_ = false;
    refreshTitle();
}

void AlbumEditor::openHelp() {
    if (!context_.services.notifier || !context_.services.launcher) return;
    openHelpTopic(context_.helpDir, QString::fromLatin1(kHelpPage), *context_.services.notifier,
                  *context_.services.launcher);
}

void AlbumEditor::printPage() {
    const AlbumPageModel::PrintOutcome outcome = model_->printPage();
    if (outcome == AlbumPageModel::PrintOutcome::NotPrinted)
        statusLine_->setText(tr("The album page could not be sent to the printer."));
    else if (outcome == AlbumPageModel::PrintOutcome::Printed)
        statusLine_->setText(tr("The album page was sent to the printer."));
    updateStates();
}

void AlbumEditor::selectOnly(int row) {
    if (row < 0 || row >= contents_->count()) return;
    contents_->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

void AlbumEditor::fillList(int selectRow) {
    contents_->clear();
    for (const QString& path : model_->files()) {
        auto* item = new QListWidgetItem(path, contents_);
        item->setToolTip(path);
    }
    if (selectRow >= 0) selectOnly(selectRow);
}

void AlbumEditor::refreshAll(int selectRow) {
    refreshing_ = true;
    // -2 keeps the list as it is, unless the files changed underneath it.
    bool same = selectRow == -2 && contents_->count() == model_->files().size();
    for (int i = 0; same && i < contents_->count(); ++i)
        same = contents_->item(i)->text() == model_->files().at(i);
    if (!same) fillList(selectRow);
    if (title_->text() != model_->title()) title_->setText(model_->title());
    if (description_->toPlainText() != model_->description())
        description_->setPlainText(model_->description());
    refreshing_ = false;
    pageArea_->update();
    refreshTitle();
    updateStates();
}

void AlbumEditor::showPagesTitle(const QString& title) {
    pagesTitleShown_ = true;
    setWindowTitle(title);
}

void AlbumEditor::refreshTitle() {
    // The memory error stays in the title until a page could be drawn again.
    if (pagesTitleShown_ && !model_->pages().hasCachedPreview()) return;
    pagesTitleShown_ = false;
    setWindowTitle(model_->windowTitle());
}

void AlbumEditor::updateStates() {
    const bool filled = !model_->isEmpty();
    actions_[New]->setEnabled(filled);
    actions_[Save]->setEnabled(filled);
    actions_[Delete]->setEnabled(filled && !contents_->selectedItems().isEmpty());
    // The description can be written before the first photo is added; only pasting
    // waits for the album, as the page controls do.
    for (QWidget* w :
         std::initializer_list<QWidget*>{contents_, selectAll_, clearSelection_, layoutChoice_, twoPage_,
                                         addCaption_, pasteButton_, setThumbnail_, nextPage_})
        w->setEnabled(filled);
    prevPage_->setEnabled(filled && model_->canGoBack());
    // The page area says which files its page shows, for those who cannot see it.
    const AlbumPageModel& pages = model_->pages();
    const int first = pages.firstFileOfPage();
    pageArea_->setAccessibleDescription(first >= 0 ? tr("Page beginning with %1, %2 photos")
                                                         .arg(QFileInfo(model_->files().at(first)).fileName())
                                                         .arg(pages.photosPerPage())
                                                   : tr("Empty album page"));
}

bool AlbumEditor::eventFilter(QObject* watched, QEvent* event) {
    // Events reach here while the window is still being built.
    if (!contents_ || !description_ || !pageArea_ || !menu_) return QDialog::eventFilter(watched, event);
    if (watched == contents_->viewport() && event->type() == QEvent::MouseButtonPress) {
        pressModifiers_ = static_cast<QMouseEvent*>(event)->modifiers();
    } else if (watched == contents_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && contents_->currentRow() >= 0) {
            clickRow(contents_->currentRow(), false);
            return true;
        }
    } else if (watched == description_->viewport() && event->type() == QEvent::MouseButtonPress) {
        model_->descriptionClicked();
        refreshTitle();
    } else if ((watched == pageArea_ || watched == contents_ || watched == contents_->viewport()) &&
               event->type() == QEvent::ContextMenu) {
        menu_->exec(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

int RunAlbumEditor(QWidget* parent, const AlbumEditorContext& context) {
    std::optional<WaitCursor> wait(std::in_place);
    AlbumEditor editor(context, parent);
    wait.reset();
    return editor.exec();
}
