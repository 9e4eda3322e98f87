#pragma once
// The main window: menus, toolbar, the main view and the status bar, and the one
// table that routes every command number to its handler.

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>

#include "core/AppSettings.h"
#include "core/Seams.h"
#include "ui/AboutWindow.h"
#include "ui/smalldialogs/WelcomeTipsDialog.h"

class CSnapvaleView;
class ImageListCommands;
class KioskWizard;
class PrintDocument;
class SaveCanvasCommand;
class QAction;
class QMenu;
class QToolBar;
class SettingsStore;
class StatusPanes;
class ProjectCommands;

class CSnapvaleDlg : public QMainWindow {
    Q_OBJECT
public:
    struct Options {
        SettingsStore* store = nullptr;  // required; outlives the window
        // Seams left null get the desktop's own (message boxes, file dialogs, the browser, CUPS,
        // the clipboard).
        Notifier* notifier = nullptr;
        FileChooser* files = nullptr;
        Launcher* launcher = nullptr;
        PrinterBackend* printer = nullptr;
        Clipboard* clipboard = nullptr;
        QString startFolder;  // the command-line folder, empty when none
        QString startProject;  // a print project named on the command line, opened once the window stands
        QString helpDir;      // empty: <ProductDir>/html
        // The colour chooser at the given colour; null: the desktop's colour dialog.
        std::function<bool(ColorRef& colour, const QString& title)> chooseColor;
        // The About window already up as the start-up screen (it outlives the window);
        // the first page drawn hides it and Help > About shows it again.
        AboutWindow* startupScreen = nullptr;
    };
    explicit CSnapvaleDlg(const Options& options, QWidget* parent = nullptr);
    ~CSnapvaleDlg() override;

    // How the window was ended: Exit gives -1, Enter 1, Escape 2, the close box 0.
    enum CloseCode { ClosedByExit = -1, ClosedByBox = 0, ClosedByEnter = 1, ClosedByEscape = 2 };
    int closeCode() const { return closeCode_; }

    using CommandHandler = std::function<void()>;
    // Plugs the work of a command in. For the layout setup commands (and the status
    // lamp) the handler runs after the window's own checks (margins, empty list);
    // for the wizard after StartupWithWizard has been set. Commands without a
    // handler say that they are not available yet.
    void registerCommandHandler(int id, CommandHandler handler);
    bool hasCommandHandler(int id) const { return handlers_.contains(id); }
    // Commands run one at a time: while a long operation holds the document busy,
    // a command that would change the list, the layout or the page is refused with
    // a status text.
    void runCommand(int id);

    // Enables the toolbar buttons by the image list and the help folder.
    void updateCommandStates();
    // The view has drawn its first page: the start-up About window goes, and the
    // wizard opens when so set. Only the first call does anything.
    void firstPageDrawn();
    bool firstPageWasDrawn() const { return firstPageDrawn_; }

    void showAboutWindow();
    AboutWindow* aboutWindow() const { return about_; }

    // The command's action in the menus (one for every command).
    QAction* action(int id) const { return actions_.value(id); }
    // The command's toolbar button, or null.
    QAction* toolbarAction(int id) const { return toolbarActions_.value(id); }
    QToolBar* mainToolBar() const { return toolbar_; }
    QMenu* popupMenu() const { return popup_; }
    StatusPanes* statusPanes() const { return panes_; }
    CSnapvaleView* view() const { return view_; }
    // The welcome tips window, made hidden with the view.
    WelcomeTipsDialog* welcomeTips() const { return tips_; }
    // The document the window shows: the settings, the list and the page.
    PrintDocument& document() const { return *document_; }
    Services& services() { return services_; }
    ImageListCommands* imageListCommands() const { return listCommands_.get(); }

    QString helpDir() const { return helpDir_; }
    bool helpIsAvailable() const { return helpAvailable_; }

    // Writes Window/Width, Height, TopLeftX and TopLeftY from the window's place.
    void savePlacement();

    // After a template has been chosen: when it is a borderless full-page template,
    // tells the person if the printer is not set up for it. True when the notice showed.
    bool checkBorderlessTemplate();
    // What a drop of these local files and folders does: a single folder opens as
    // Open Directory would, an album imports, photo files are added.
    void openDroppedPaths(const QStringList& paths);
    // Opens a print project (a file dropped, named on the command line or chosen from
    // the recent projects); false when it could not be opened, which was said.
    bool openProjectFile(const QString& path);
    ProjectCommands& projects() const { return *projects_; }

    // The layout setup sheet that is open, or null (tests drive it).
    class CPhotoLayoutSetupDlg* layoutSetupSheet() const {
        return sheet_;
    }
    // Runs when the layout setup sheet has opened, before it waits for the person (tests).
    void setLayoutSetupOpened(std::function<void(class CPhotoLayoutSetupDlg&)> opened) {
        sheetOpened_ = std::move(opened);
    }

    // The wizard that is open, or null, and a hook run once it has opened (tests drive it).
    KioskWizard* kioskWizard() const { return wizard_; }
    void setWizardOpened(std::function<void(KioskWizard&)> opened) { wizardOpened_ = std::move(opened); }

    // The pause between the batch print's queue reads (tests); null waits with a
    // local event loop.
    void setPrintQueuePause(std::function<void(int)> pause) { queuePause_ = std::move(pause); }

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildActions();
    void buildMenus();
    void buildToolbar();
    void restorePlacement();
    bool layoutSetupChecks();
    void exitCommand();
    void closeAtOnce(CloseCode code);
    void openHelp();
    void notAvailableYet();
    void writeEndSettings();
    void showWelcomeTips();
    void printCommand();
    void layoutSetupCommand(int id);
    void batchPrintCommand();
    void wizardCommand();
    void updatePrintCommandText();

    SettingsStore& store_;
    std::unique_ptr<Notifier> ownNotifier_;
    std::unique_ptr<FileChooser> ownFiles_;
    std::unique_ptr<Launcher> ownLauncher_;
    std::unique_ptr<Clipboard> ownClipboard_;
    std::unique_ptr<PrinterBackend> ownPrinter_;
    std::unique_ptr<StatusSink> statusSink_;
    std::unique_ptr<Clock> clock_;
    std::unique_ptr<ProgressFactory> progress_;
    // The document outlives the commands that change it and the view that shows it.
    std::unique_ptr<PrintDocument> document_;
    std::unique_ptr<ImageListCommands> listCommands_;
    std::unique_ptr<SaveCanvasCommand> saveCanvas_;
    std::function<void(int)> queuePause_;
    std::function<bool(ColorRef&, const QString&)> chooseColor_;
    class CPhotoLayoutSetupDlg* sheet_ = nullptr;
    std::function<void(class CPhotoLayoutSetupDlg&)> sheetOpened_;
    KioskWizard* wizard_ = nullptr;
    std::function<void(KioskWizard&)> wizardOpened_;
    Services services_;

    std::unique_ptr<ProjectCommands> projects_;
    QMenu* recentProjects_ = nullptr;
    QHash<int, QAction*> actions_;
    QHash<int, QAction*> toolbarActions_;
    QHash<int, CommandHandler> handlers_;
    QToolBar* toolbar_ = nullptr;
    QMenu* popup_ = nullptr;
    StatusPanes* panes_ = nullptr;
    CSnapvaleView* view_ = nullptr;
    QPointer<AboutWindow> about_;
    QPointer<WelcomeTipsDialog> tips_;

    QString helpDir_;
    bool helpAvailable_ = false;
    bool closeApproved_ = false;
    int closeCode_ = ClosedByBox;
    bool endWritten_ = false;
    bool firstPageDrawn_ = false;
};
