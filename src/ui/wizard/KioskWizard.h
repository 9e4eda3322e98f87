#pragma once
// The kiosk wizard: three pages that lead a person from photos through a layout to a
// printed page (CPPWzdStart, CPPWzdSelTemplate, CPPWzdFinish), with the sheet's own
// Back, Next, Close Wizard / Finish and Help buttons below them. Every page works on
// the document at once; closing the wizard undoes nothing.

#include <QDialog>
#include <QImage>
#include <functional>

#include "core/Seams.h"

class CPPWzdFinish;
class CPPWzdSelTemplate;
class CPPWzdStart;
class PrintDocument;
class QPushButton;
class QStackedWidget;

// What the pages need besides the document: the seams, the help folder and the main
// window's commands (open, add, import, printer setup, print, the layout setup sheet,
// the slot statistics, next and previous page).
struct WizardContext {
    PrintDocument* document = nullptr;
    Services services;
    QString helpDir;
    std::function<void(int commandId)> runCommand;
};

class KioskWizard : public QDialog {
    Q_OBJECT
public:
    // Opens on the given page (0 start, 1 template, 2 finish).
    KioskWizard(const WizardContext& context, int page, QWidget* parent = nullptr);

    PrintDocument& document() { return *context_.document; }
    const WizardContext& context() const { return context_; }
    // A main window command, then the pages' figures again.
    void runCommand(int commandId);
    // True, with the refusal in the status bar, while a long operation holds the
    // document (a page being spooled): nothing may change the page underneath it.
    bool refusedWhileBusy();

    int currentPage() const;
    void setCurrentPage(int page);
    // Back, Next and the cancel button as the page and the list say.
    void refreshButtons();
    void openHelp();

    QStackedWidget* pages() const { return stack_; }
    CPPWzdStart* startPage() const { return start_; }
    CPPWzdSelTemplate* templatePage() const { return template_; }
    CPPWzdFinish* finishPage() const { return finish_; }
    QPushButton* backButton() const { return back_; }
    QPushButton* nextButton() const { return next_; }
    QPushButton* cancelButton() const { return cancel_; }
    QPushButton* helpButton() const { return help_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    WizardContext context_;
    QStackedWidget* stack_ = nullptr;
    CPPWzdStart* start_ = nullptr;
    CPPWzdSelTemplate* template_ = nullptr;
    CPPWzdFinish* finish_ = nullptr;
    QPushButton* back_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* help_ = nullptr;
};

// A picture of the wizard's own (":/wizard/<number>.png"); null when it is missing.
QImage wizardPicture(int number);

// The banner across the top of each page with the page's title below it.
QWidget* makeWizardBanner(const QString& title, QWidget* parent);
