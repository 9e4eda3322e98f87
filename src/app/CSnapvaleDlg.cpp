#include "app/CSnapvaleDlg.h"

#include <QAction>
#include <QCloseEvent>
#include <QColorDialog>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>
#include <optional>
#include <utility>

#include "app/CSnapvaleView.h"
#include "app/CommandTable.h"
#include "app/GuiSeams.h"
#include "app/ProjectCommands.h"
#include "app/StatusPanes.h"
#include "core/AppServices.h"
#include "core/AppSettings.h"
#include "core/SettingsStore.h"
#include "core/SettingsTable.h"
#include "core/WaitCursor.h"
#include "document/DocumentPrinting.h"
#include "document/ImageListCommands.h"
#include "document/PrintDocument.h"
#include "imagelist/DirectoryScan.h"
#include "layout/TemplateCatalogue.h"
#include "output/BatchPrint.h"
#include "output/PagePrinter.h"
#include "output/PrinterBackend.h"
#include "output/SaveCanvas.h"
#include "output/SystemPrinterBackend.h"
#include "ui/AboutWindow.h"
#include "ui/AccessibleLabels.h"
#include "ui/PrinterSetup.h"
#include "ui/ProgressDialog.h"
#include "ui/albumeditor/AlbumEditor.h"
#include "ui/layoutsetup/CPhotoLayoutSetupDlg.h"
#include "ui/printing/AlignmentDialog.h"
#include "ui/slotstats/CSlotStatsDlg.h"
#include "ui/smalldialogs/UserPageSizeDialog.h"
#include "ui/smalldialogs/ValuePrompt.h"
#include "ui/wizard/KioskWizard.h"
#include "ui/wizard/WizardModel.h"

namespace {
const char* const kCropOffWarning = QT_TRANSLATE_NOOP(
    "CSnapvaleDlg",
    "** Warning ** - your crop settings are turned OFF.\nYour photos may not fit any template you select "
    "withous "
    "gaps\non the tops or sides of each photo!");

QIcon toolbarIcon(const CommandInfo& info) {
    const QString resource = QStringLiteral(":/toolbar/%1.png").arg(info.id);
    const QIcon fallback = QFile::exists(resource) ? QIcon(resource) : QIcon();
    if (!info.iconName) return fallback;
    return QIcon::fromTheme(QString::fromLatin1(info.iconName), fallback);
}

// Shortcuts the desktop leads people to expect, besides the one the menu names.
QList<QKeySequence> extraShortcuts(int id) {
    switch (id) {
        case cmd::SaveCanvas:
            return {QKeySequence::Save};
        case cmd::Print:
            return {QKeySequence::Print};
        case cmd::Exit:
            return {QKeySequence::Quit};
        case cmd::HelpContents:
            return {QKeySequence::HelpContents};
        case cmd::Redraw:
            return {QKeySequence::Refresh};
        case cmd::NextPage:
            return {QKeySequence(Qt::CTRL | Qt::Key_PageDown)};
        case cmd::PreviousPage:
            return {QKeySequence(Qt::CTRL | Qt::Key_PageUp)};
        case cmd::ZoomIn:
            return {QKeySequence(Qt::CTRL | Qt::Key_Equal), QKeySequence::ZoomIn};
        case cmd::ZoomOut:
            return {QKeySequence::ZoomOut};
        default:
            return {};
    }
}
}  // namespace

CSnapvaleDlg::CSnapvaleDlg(const Options& options, QWidget* parent)
    : QMainWindow(parent), store_(*options.store), about_(options.startupScreen) {
    setWindowTitle(QStringLiteral("Snapvale"));
    installAccessibleLabels();
    // Folders, photos and albums dropped on the window go into the list.
    setAcceptDrops(true);
    const QIcon icon(QStringLiteral(":/icons/snapvale.png"));
    if (!icon.availableSizes().isEmpty()) setWindowIcon(icon);

    // The seams this window hands to the rest of the program.
    Notifier* notifier = options.notifier;
    if (!notifier) {
        auto own = std::make_unique<MessageBoxNotifier>();
        own->setOwner(this);
        notifier = own.get();
        ownNotifier_ = std::move(own);
    }
    FileChooser* files = options.files;
    FileOpenChooser* ownChooser = nullptr;
    if (!files) {
        auto own = std::make_unique<FileOpenChooser>();
        own->setOwner(this);
        files = ownChooser = own.get();
        ownFiles_ = std::move(own);
    }
    Clipboard* clipboard = options.clipboard;
    if (!clipboard) {
        ownClipboard_ = std::make_unique<SystemClipboard>();
        clipboard = ownClipboard_.get();
    }
    Launcher* launcher = options.launcher;
    if (!launcher) {
        auto own = std::make_unique<DesktopLauncher>();
        own->setOwner(this);
        launcher = own.get();
        ownLauncher_ = std::move(own);
    }
    PrinterBackend* printer = options.printer;
    if (!printer) {
        ownPrinter_ = createSystemPrinterBackend();
        printer = ownPrinter_.get();
    }
    // The alignment offsets of each printer are kept with the other settings.
    printer->setSettingsStore(&store_);
    clock_ = std::make_unique<SystemClock>();
    progress_ = std::make_unique<GuiProgressFactory>(this, &store_);

    // 1. Placement.
    restorePlacement();

    // 2. Toolbar and menus; 3. status bar; 4. the lamp.
    buildActions();
    buildMenus();
    buildToolbar();

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    panes_ = new StatusPanes(central);
    statusSink_ = std::make_unique<StatusPanesSink>(panes_, this);
    panes_->setIndicator(QStringLiteral("LED_CYAN"));
    connect(panes_, &StatusPanes::indicatorClicked, this, [this] { runCommand(cmd::StatusIndicator); });

    services_ = Services{notifier,        files,    statusSink_.get(), printer,  clock_.get(),
                         progress_.get(), launcher, &store_,           clipboard};

    // 5. The document, which loads the settings, and the main view showing it.
    document_ = std::make_unique<PrintDocument>(store_, options.startFolder);
    document_->setServices(services_);
    // "Enable Preview" as the person last left it is where the next photo dialog starts.
    if (ownChooser)
        ownChooser->setPreviewSwitched([this](bool on) { document_->settings().PreviewCheck = on ? 1 : 0; });
    view_ = new CSnapvaleView(*document_, central);
    view_->setPopupMenu(popup_);
    column->addWidget(view_, 1);
    column->addWidget(panes_);
    setCentralWidget(central);
    connect(view_, &CSnapvaleView::pageDrawn, this, &CSnapvaleDlg::firstPageDrawn, Qt::QueuedConnection);
    connect(view_, &CSnapvaleView::zoomModeLeft, this, &CSnapvaleDlg::updateCommandStates);
    connect(document_.get(), &PrintDocument::listChanged, this, &CSnapvaleDlg::updateCommandStates);

    QString productDir = readSettingText(store_, setting::ProductDir);
    if (productDir.isEmpty()) productDir = installedDataDir();
    helpDir_ = options.helpDir.isEmpty() ? helpDirectory(productDir) : options.helpDir;
    helpAvailable_ = helpAvailable(helpDir_);
    tips_ = new WelcomeTipsDialog(document_->settings(), store_, *services_.notifier, *services_.launcher,
                                  helpDir_, this);

    // 6. and 7. The image list: the album of the last run, else the folder, placed
    // at the photo where the last run stopped.
    listCommands_ = std::make_unique<ImageListCommands>(*document_, services_, [this] { showWelcomeTips(); });
    for (int id :
         {ImageListCommandId::OpenDirectory, ImageListCommandId::AddFiles, ImageListCommandId::ImportAlbum,
          ImageListCommandId::ExportToAlbum, ImageListCommandId::Erase, ImageListCommandId::NextPage,
          ImageListCommandId::PreviousPage, ImageListCommandId::Redraw, ImageListCommandId::ExportHtml})
        registerCommandHandler(id, [this, id] { listCommands_->run(id); });
    saveCanvas_ =
        std::make_unique<SaveCanvasCommand>(document_->imageList(), document_->settings(), services_);
    registerCommandHandler(cmd::SaveCanvas, [this] {
        document_->ensurePage();
        saveCanvas_->run(document_->page());
    });
    registerCommandHandler(cmd::Print, [this] { printCommand(); });
    registerCommandHandler(cmd::BatchPrint, [this] { batchPrintCommand(); });
    registerCommandHandler(cmd::PrinterSetup, [this] { RunPrinterSetup(this, *services_.printer); });
    registerCommandHandler(cmd::PrintAlignment, [this] {
        RunPrintAlignment(this, *services_.printer, *services_.notifier,
                          [this](const AlignmentOffsets& offsets) {
                              return PrintDocumentAlignmentPage(*document_, services_, offsets);
                          });
    });
    chooseColor_ = options.chooseColor;
    if (!chooseColor_)
        chooseColor_ = [this](ColorRef& colour, const QString& title) {
            const QColor chosen = QColorDialog::getColor(
                QColor(colorRed(colour), colorGreen(colour), colorBlue(colour)), this, title);
            if (!chosen.isValid()) return false;
            colour = rgbColor(chosen.red(), chosen.green(), chosen.blue());
            return true;
        };
    registerCommandHandler(cmd::ZoomFitPage, [this] { view_->fitPage(); });
    registerCommandHandler(cmd::ZoomActualSize, [this] { view_->actualSize(); });
    registerCommandHandler(cmd::ZoomIn, [this] { view_->zoomIn(); });
    registerCommandHandler(cmd::ZoomOut, [this] { view_->zoomOut(); });
    for (int id : {cmd::LayoutSetup, cmd::ChangeTemplate, cmd::ViewImageList, cmd::ChangeResolution,
                   cmd::AdjustCrop, cmd::AdjustWatermark, cmd::AdjustFilters, cmd::StatusIndicator})
        registerCommandHandler(id, [this, id] { layoutSetupCommand(id); });
    registerCommandHandler(cmd::SlotStatistics,
                           [this] { RunSlotStatistics(this, *document_, services_, helpDir_); });
    registerCommandHandler(cmd::Wizard, [this] { wizardCommand(); });
    registerCommandHandler(cmd::EditAlbum, [this] {
        RunAlbumEditor(this,
                       {document_.get(), services_, helpDir_, [this](int command) { runCommand(command); }});
    });
    projects_ = std::make_unique<ProjectCommands>(*document_, services_, this, recentProjects_);
    registerCommandHandler(cmd::OpenProject, [this] { projects_->openProject(); });
    registerCommandHandler(cmd::SaveProject, [this] { projects_->saveProject(); });
    listCommands_->startUp();
    if (!options.startProject.isEmpty()) {
        // After the list of the last run, which the project then replaces.
        const QString project = options.startProject;
        QTimer::singleShot(0, this, [this, project] { openProjectFile(project); });
    }

    // 8. Command states; 9. the crop warning.
    updateCommandStates();
    panes_->relayout(width());
    if (document_->settings().AutoCropOn == 0) services_.notifier->plainOk(tr(kCropOffWarning));
}

CSnapvaleDlg::~CSnapvaleDlg() {
    writeEndSettings();
    delete tips_;  // it works on the document's settings
    // The view shows the document, which goes with this window's members, before the
    // widgets would go with the window itself.
    delete view_;
    view_ = nullptr;
}

void CSnapvaleDlg::restorePlacement() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const WindowPlacement p = readWindowPlacement(store_, area.width(), area.height());
    resize(qMax(p.width, 200), qMax(p.height, 150));
    move(p.left, p.top);
}

void CSnapvaleDlg::savePlacement() {
    // The corner is the frame's, as move() takes it; the size is the inner one, as
    // resize() takes it, so a restored window keeps exactly its size.
    WindowPlacement p;
    p.left = frameGeometry().left();
    p.top = frameGeometry().top();
    p.width = width();
    p.height = height();
    writeWindowPlacement(store_, p);
}

void CSnapvaleDlg::buildActions() {
    for (const CommandInfo& info : commandTable()) {
        auto* a = new QAction(this);
        a->setData(info.id);
        a->setText(info.menuText ? menuLabel(info) : commandText(info.shortLabel));
        if (info.stringText) {
            a->setToolTip(commandText(info.stringText));
            a->setStatusTip(commandText(info.stringText));
        }
        QList<QKeySequence> keys;
        const QString shortcut = menuShortcut(info);
        if (!shortcut.isEmpty()) keys << QKeySequence(shortcut, QKeySequence::PortableText);
        keys << extraShortcuts(info.id);
        a->setShortcuts(keys);
        a->setShortcutContext(Qt::WindowShortcut);
        const int id = info.id;
        connect(a, &QAction::triggered, this, [this, id] { runCommand(id); });
        // In the window too, so shortcuts of commands without a menu item work.
        addAction(a);
        actions_.insert(info.id, a);
    }
}

void CSnapvaleDlg::buildMenus() {
    struct MenuSpec {
        const char* title;
        unsigned place;
    };
    const MenuSpec menus[] = {{QT_TR_NOOP("&File"), InFileMenu},
                              {QT_TR_NOOP("&Edit"), InEditMenu},
                              {QT_TR_NOOP("&View"), InViewMenu},
                              {QT_TR_NOOP("&Tools"), InToolsMenu},
                              {QT_TR_NOOP("&Help"), InHelpMenu}};
    // Groups of the File menu, for a little order in a long menu.
    const QList<int> fileGroupStarts = {cmd::OpenProject, cmd::SaveCanvas, cmd::NextPage, cmd::LayoutSetup,
                                        cmd::Exit};
    for (const MenuSpec& menuDef : menus) {
        QMenu* menu = menuBar()->addMenu(tr(menuDef.title));
        for (const CommandInfo& info : commandTable()) {
            if (!(info.places & menuDef.place)) continue;
            if (menuDef.place == InFileMenu && fileGroupStarts.contains(info.id)) menu->addSeparator();
            menu->addAction(actions_.value(info.id));
            if (info.id == cmd::SaveProject) {
                recentProjects_ = menu->addMenu(tr("Recent Projects"));
                recentProjects_->setObjectName(QStringLiteral("recentProjects"));
            }
        }
    }
    popup_ = new QMenu(tr("Main View"), this);
    for (int id : popupLayout()) {
        if (id == kSeparator)
            popup_->addSeparator();
        else
            popup_->addAction(actions_.value(id));
    }
}

void CSnapvaleDlg::buildToolbar() {
    toolbar_ = addToolBar(tr("Toolbar"));
    nameToolBarOverflow(toolbar_);
    toolbar_->setObjectName(QStringLiteral("mainToolBar"));
    toolbar_->setIconSize(QSize(24, 24));
    toolbar_->setMovable(false);
    toolbar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (int id : toolbarLayout()) {
        if (id == kSeparator) {
            toolbar_->addSeparator()->setData(kSeparator);
            continue;
        }
        if (id == kWideSeparator) {
            auto* wide = new QFrame(toolbar_);
            wide->setFrameShape(QFrame::VLine);
            wide->setFrameShadow(QFrame::Sunken);
            wide->setFixedWidth(10 + 2 * wide->lineWidth());
            toolbar_->addWidget(wide)->setData(kWideSeparator);
            continue;
        }
        const CommandInfo* info = findCommand(id);
        auto* a = new QAction(toolbarIcon(*info), commandText(info->shortLabel), toolbar_);
        a->setData(id);
        a->setToolTip(toolbarTooltip(commandText(info->stringText)));
        connect(a, &QAction::triggered, this, [this, id] { runCommand(id); });
        toolbar_->addAction(a);
        toolbarActions_.insert(id, a);
        // Tab goes through the toolbar, the page view and the status lamp.
        if (QWidget* button = toolbar_->widgetForAction(a)) {
            button->setFocusPolicy(Qt::TabFocus);
            button->setAccessibleName(commandText(info->shortLabel));
        }
    }
}

void CSnapvaleDlg::registerCommandHandler(int id, CommandHandler handler) {
    if (handler)
        handlers_.insert(id, std::move(handler));
    else
        handlers_.remove(id);
}

namespace {
// What may run while a long operation holds the document: nothing here changes the
// list, the layout or the page (Exit asks the operation to stop, as the close box does).
bool runsWhileBusy(int id) {
    switch (id) {
        case cmd::About:
        case cmd::HelpContents:
        case cmd::HelpIndex:
        case cmd::HelpFromDialog:
        case cmd::Exit:
        case cmd::ZoomFitPage:
        case cmd::ZoomActualSize:
        case cmd::ZoomIn:
        case cmd::ZoomOut:
            return true;
        default:
            return false;
    }
}
}  // namespace

void CSnapvaleDlg::runCommand(int id) {
    if (!runsWhileBusy(id) && document_->refusedWhileBusy()) return;
    if (isLayoutSetupCommand(id) && !layoutSetupChecks()) {
        updateCommandStates();
        return;
    }
    if (id == cmd::Wizard) writeSettingInt(store_, setting::StartupWithWizard, 1);

    if (const auto it = handlers_.constFind(id); it != handlers_.constEnd()) {
        // A copy: the handler may register another one meanwhile.
        const CommandHandler handler = it.value();
        handler();
    } else {
        switch (id) {
            case cmd::Exit:
                exitCommand();
                return;
            case cmd::About:
                showAboutWindow();
                break;
            case cmd::HelpContents:
            case cmd::HelpIndex:
            case cmd::HelpFromDialog:
                openHelp();
                break;
            case cmd::AddFilesMenu:
                // The menu item does what the toolbar's Add button does.
                runCommand(cmd::AddFiles);
                return;
            default:
                notAvailableYet();
                break;
        }
    }
    updateCommandStates();
}

bool CSnapvaleDlg::layoutSetupChecks() {
    document_->setZoomMode(false);
    if (!AskMarginReset(document_->settings(), &store_, *services_.notifier)) return false;
    if (document_->listEmpty()) {
        showListEmpty(*services_.notifier);
        return false;
    }
    return true;
}

void CSnapvaleDlg::printCommand() {
    PrintPageCommand(*document_, services_);
}

void CSnapvaleDlg::layoutSetupCommand(int id) {
    // The margins and the empty list were checked before this runs.
    PrintDocument& doc = *document_;
    LayoutSetupContext context;
    context.document = &doc;
    context.services = services_;
    context.helpDir = helpDir_;
    context.runCommand = [this](int command) { runCommand(command); };
    context.chooseColor = chooseColor_;
    context.askValue = [this](const QString& title, double lower, double upper, double& value) {
        return AskValue(sheet_ ? static_cast<QWidget*>(sheet_) : this, *services_.notifier, title, lower,
                        upper, value);
    };
    context.askUserPageSize = [this] {
        return RunUserPageSize(sheet_ ? static_cast<QWidget*>(sheet_) : this, document_->settings(), store_,
                               *services_.notifier);
    };
    context.checkBorderless = [this] { checkBorderlessTemplate(); };
    const ImageList& list = doc.imageList();
    // The sheet starts on the photo the page on display begins with.
    const QString photo = list.pageFirstPhoto.isEmpty() ? list.currentPhoto : list.pageFirstPhoto;
    std::optional<WaitCursor> wait(std::in_place);
    CPhotoLayoutSetupDlg sheet(context, layoutSetupPageFor(id), photo, this);
    wait.reset();
    sheet_ = &sheet;
    if (sheetOpened_) QTimer::singleShot(0, &sheet, [this, &sheet] { sheetOpened_(sheet); });
    sheet.exec();
    sheet_ = nullptr;
    // The layout choices are kept whatever closed the sheet.
    doc.settings().writeLayoutChoices(store_);
    doc.notifySettingsChanged();
}

void CSnapvaleDlg::wizardCommand() {
    // The command has just stored StartupWithWizard as 1; the start page's box shows so.
    document_->settings().StartupWithWizard = 1;
    WizardContext context;
    context.document = document_.get();
    context.services = services_;
    context.helpDir = helpDir_;
    context.runCommand = [this](int command) { runCommand(command); };
    KioskWizard wizard(context, wizard::firstPage(document_->listEmpty()), this);
    wizard_ = &wizard;
    if (wizardOpened_) QTimer::singleShot(0, &wizard, [this, &wizard] { wizardOpened_(wizard); });
    wizard.exec();
    wizard_ = nullptr;
    listCommands_->rebuildIfEmptyAndPlace();
}

void CSnapvaleDlg::batchPrintCommand() {
    BatchPrintDocument(*document_, services_, queuePause_);
}

bool CSnapvaleDlg::checkBorderlessTemplate() {
    const AppSettings& s = document_->settings();
    if (!isBorderlessTemplate(s.FullPageTemplateSel)) return false;
    return CheckBorderlessPage(*services_.printer, *services_.notifier, PaperSizes::fromSettings(s));
}

void CSnapvaleDlg::updatePrintCommandText() {
    // An ampersand in a printer name is shown, not taken as a shortcut mark.
    QString text = PrintCommandText(*services_.printer);
    text.replace(QLatin1Char('&'), QStringLiteral("&&"));
    if (QAction* a = action(cmd::Print)) a->setText(text);
}

void CSnapvaleDlg::showWelcomeTips() {
    // The first folder build of the run; it only comes here when the tips are wanted.
    if (!tips_) return;
    tips_->setDontShowAgain(false);
    tips_->showNextTip();
}

void CSnapvaleDlg::notAvailableYet() {
    services_.status->setPaneText(0, tr("This command is not available yet."));
}

void CSnapvaleDlg::openHelp() {
    openHelpTopic(helpDir_, QStringLiteral("/Intro.htm"), *services_.notifier, *services_.launcher);
}

void CSnapvaleDlg::showAboutWindow() {
    if (!about_) about_ = new AboutWindow(this);
    about_->show();
    about_->raise();
    about_->activateWindow();
}

void CSnapvaleDlg::firstPageDrawn() {
    if (firstPageDrawn_) return;
    firstPageDrawn_ = true;
    if (about_) about_->hide();
    // Without a wizard to open (its handler taken away), the command would only
    // overwrite the page's status texts with a "not available" notice.
    if (document_->settings().StartupWithWizard == 1 && hasCommandHandler(cmd::Wizard))
        runCommand(cmd::Wizard);
}

void CSnapvaleDlg::updateCommandStates() {
    const bool listNotEmpty = !document_->listEmpty();
    for (auto it = toolbarActions_.constBegin(); it != toolbarActions_.constEnd(); ++it)
        it.value()->setEnabled(toolbarCommandEnabled(it.key(), listNotEmpty, helpAvailable_));
    updatePrintCommandText();
}

void CSnapvaleDlg::exitCommand() {
    savePlacement();
    closeAtOnce(ClosedByExit);
}

void CSnapvaleDlg::closeAtOnce(CloseCode code) {
    closeApproved_ = true;
    closeCode_ = code;
    if (!close()) closeApproved_ = false;
}

void CSnapvaleDlg::closeEvent(QCloseEvent* event) {
    // A long operation (a batch print, the HTML export) runs inside this window's
    // event loop: closing now would pull the document from under it. The close asks
    // the operation to stop instead, and it asks the person its own question.
    if (document_->busy()) {
        document_->requestStop();
        closeApproved_ = false;
        event->ignore();
        return;
    }
    if (!closeApproved_) {
        const Answer answer =
            services_.notifier->message(tr("Snapvale Warning: Program Exit?"),
                                        tr("Do you want to exit Snapvale?"), MessageKind::WarningQuestion);
        if (answer != Answer::Yes) {
            event->ignore();
            return;
        }
        closeCode_ = ClosedByBox;
        savePlacement();
    }
    writeEndSettings();
    if (about_) about_->hide();
    event->accept();
}

namespace {
// Local files and folders a drag carries.
QStringList droppedPaths(const QMimeData* data) {
    QStringList paths;
    if (!data || !data->hasUrls()) return paths;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile()) paths << QFileInfo(url.toLocalFile()).absoluteFilePath();
    return paths;
}
}  // namespace

void CSnapvaleDlg::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedPaths(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void CSnapvaleDlg::dropEvent(QDropEvent* event) {
    const QStringList paths = droppedPaths(event->mimeData());
    if (paths.isEmpty()) return;
    event->acceptProposedAction();
    openDroppedPaths(paths);
}

void CSnapvaleDlg::openDroppedPaths(const QStringList& paths) {
    if (paths.isEmpty()) return;
    if (document_->refusedWhileBusy()) return;
    // A project opens as Open Project would.
    for (const QString& p : paths) {
        if (QFileInfo(p).isFile() && p.endsWith(QLatin1String(".svp"), Qt::CaseInsensitive)) {
            openProjectFile(p);
            return;
        }
    }
    // A folder opens as Open Directory would, an album imports, photo files are added.
    if (paths.size() == 1 && QFileInfo(paths.first()).isDir()) {
        listCommands_->openFolder(paths.first());
        return;
    }
    for (const QString& p : paths) {
        if (QFileInfo(p).isFile() && p.endsWith(QLatin1String(".pho"), Qt::CaseInsensitive)) {
            listCommands_->importAlbumFile(p);
            return;
        }
    }
    QStringList photos;
    for (const QString& p : paths)
        if (QFileInfo(p).isFile() && AcceptsPhotoFile(p, store_)) photos << p;
    listCommands_->addPhotoFiles(photos);
    const int left = int(paths.size() - photos.size());
    if (left > 0)
        services_.status->setPaneText(
            0, tr("%n dropped item(s) were not photos the list takes and were left out.", nullptr, left));
}

bool CSnapvaleDlg::openProjectFile(const QString& path) {
    if (document_->busy()) {
        services_.status->setPaneText(0, document_->busyRefusalText());
        return false;
    }
    const bool opened = projects_->openProjectFile(path);
    updateCommandStates();
    return opened;
}

void CSnapvaleDlg::keyPressEvent(QKeyEvent* event) {
    // As in every dialog of the program, Enter and Escape end the window at once.
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        switch (event->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                closeAtOnce(ClosedByEnter);
                return;
            case Qt::Key_Escape:
                closeAtOnce(ClosedByEscape);
                return;
            default:
                break;
        }
    }
    QMainWindow::keyPressEvent(event);
}

void CSnapvaleDlg::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (panes_) panes_->relayout(width());
    if (view_) {
        view_->leaveZoomMode();
        view_->viewport()->update();
    }
}

void CSnapvaleDlg::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (view_) view_->viewport()->update();
    updateCommandStates();
}

void CSnapvaleDlg::writeEndSettings() {
    if (endWritten_) return;
    endWritten_ = true;
    document_->settings().writeWindowEnd(store_);
    view_->writeEndSettings();
}
