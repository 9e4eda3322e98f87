#pragma once
// The album editor: one album at a time, its files in a list on the left, its page
// layout and description below, the album page on the right with the title and the
// page steps, and a toolbar of seven commands across the top. What it does lives in
// AlbumEditorModel; this is the window around it.

#include <QDialog>
#include <functional>
#include <memory>

#include "core/Seams.h"
#include "ui/albumeditor/AlbumEditorModel.h"

class PrintDocument;
class QAction;
class QIcon;
class QKeySequence;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QToolBar;
class QToolButton;

// What the editor needs besides its album: the document's settings (the imported
// album, the list's folder, the preview switch), the seams, the help folder, and the
// main window's commands (printer setup).
struct AlbumEditorContext {
    PrintDocument* document = nullptr;
    Services services;
    QString helpDir;
    std::function<void(int commandId)> runCommand;
};

class AlbumEditor : public QDialog {
    Q_OBJECT
public:
    // The toolbar's commands, in their order, and the ones reached through the "More"
    // menu, the page's pop-up menu and their shortcuts.
    enum Command { New, Open, AddFiles, Save, Delete, Help, Close, SaveAs, PrintPage, PrinterSetup };

    AlbumEditor(const AlbumEditorContext& context, QWidget* parent = nullptr);
    ~AlbumEditor() override;

    AlbumEditorModel& model() { return *model_; }

    // Carries out a command as its button or menu entry does.
    void run(Command command);
    // A click on a row of the contents list, with or without Ctrl held.
    void clickRow(int row, bool ctrl);
    void nextPage();
    void prevPage();
    void pasteDescription();

    QAction* action(Command command) const;
    QToolBar* toolBar() const { return toolBar_; }
    QListWidget* contents() const { return contents_; }
    QLineEdit* statusLine() const { return statusLine_; }
    QComboBox* layoutChoice() const { return layoutChoice_; }
    QCheckBox* twoPage() const { return twoPage_; }
    QCheckBox* addCaption() const { return addCaption_; }
    QToolButton* pasteButton() const { return pasteButton_; }
    QPlainTextEdit* descriptionBox() const { return description_; }
    QLineEdit* titleEdit() const { return title_; }
    QPushButton* selectAllButton() const { return selectAll_; }
    QPushButton* clearSelectionButton() const { return clearSelection_; }
    QPushButton* prevPageButton() const { return prevPage_; }
    QPushButton* setThumbnailButton() const { return setThumbnail_; }
    QPushButton* nextPageButton() const { return nextPage_; }
    QPushButton* moreButton() const { return more_; }
    QWidget* pageArea() const { return pageArea_; }
    QProgressBar* progressBar() const { return progress_; }
    QGroupBox* layoutGroup() const { return layoutGroup_; }

    // The album pages' window title (the memory error) until the next drawing succeeds.
    void showPagesTitle(const QString& title);

    // The close box and Escape: the save question first; backing out of it keeps the
    // editor open. The toolbar's Close ends the editor without it.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // One command's action: its shortcut, its tip (naming the shortcut when tipNamesKeys)
    // and its place among the editor's actions.
    QAction* addCommand(Command command, const QString& text, const QString& tip, const QKeySequence& keys,
                        const QIcon& icon, bool tipNamesKeys);
    void buildToolBar();
    QWidget* buildContentsGroup();
    QWidget* buildLayoutGroup();
    QWidget* buildPreviewGroup();
    void buildMenu();
    void setTabOrderChain();
    // The controls shown again from the model after a command.
    void refreshAll(int selectRow = -2);
    void fillList(int selectRow);
    void selectOnly(int row);
    void refreshTitle();
    void updateStates();
    void openHelp();
    void printPage();
    QList<int> selectedRows() const;

    AlbumEditorContext context_;
    std::unique_ptr<StatusSink> status_;
    std::unique_ptr<AlbumEditorModel> model_;
    QToolBar* toolBar_ = nullptr;
    QAction* actions_[PrinterSetup + 1] = {};
    QListWidget* contents_ = nullptr;
    QLineEdit* statusLine_ = nullptr;
    QPushButton* selectAll_ = nullptr;
    QPushButton* clearSelection_ = nullptr;
    QGroupBox* contentsGroup_ = nullptr;
    QGroupBox* layoutGroup_ = nullptr;
    QComboBox* layoutChoice_ = nullptr;
    QCheckBox* twoPage_ = nullptr;
    QCheckBox* addCaption_ = nullptr;
    QToolButton* pasteButton_ = nullptr;
    QPlainTextEdit* description_ = nullptr;
    QWidget* pageArea_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLineEdit* title_ = nullptr;
    QPushButton* prevPage_ = nullptr;
    QPushButton* setThumbnail_ = nullptr;
    QPushButton* nextPage_ = nullptr;
    QPushButton* more_ = nullptr;
    QMenu* menu_ = nullptr;
    Qt::KeyboardModifiers pressModifiers_;
    bool pagesTitleShown_ = false;
    bool refreshing_ = false;
};

// Tools > Edit Photo Album...: the editor, modal, until it is closed.
int RunAlbumEditor(QWidget* parent, const AlbumEditorContext& context);
