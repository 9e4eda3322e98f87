#include "ui/wizard/KioskWizard.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "core/AppServices.h"
#include "document/PrintDocument.h"
#include "image/PhotoImage.h"
#include "ui/BusyGate.h"
#include "ui/wizard/CPPWzdFinish.h"
#include "ui/wizard/CPPWzdSelTemplate.h"
#include "ui/wizard/CPPWzdStart.h"
#include "ui/wizard/WizardModel.h"

QImage wizardPicture(int number) {
    return QImage(QStringLiteral(":/wizard/%1.png").arg(number));
}

namespace {
// The banner picture stretched across the page, the title below it.
class Banner final : public QWidget {
public:
    explicit Banner(QWidget* parent) : QWidget(parent), picture_(wizardPicture(191)) {
        setFixedHeight(picture_.isNull() ? 8 : picture_.height());
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        if (picture_.isNull()) {
            p.fillRect(rect(), palette().highlight());
            return;
        }
        // The picture's right end is plain sky, so a wider page only stretches sky.
        const int w = qMin(width(), picture_.width());
        p.drawImage(QRect(0, 0, w, height()), picture_, QRect(0, 0, w, picture_.height()));
        if (width() > w)
            p.drawImage(QRect(w, 0, width() - w, height()), picture_,
                        QRect(picture_.width() - 1, 0, 1, picture_.height()));
    }

private:
    QImage picture_;
};
}  // namespace

QWidget* makeWizardBanner(const QString& title, QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(new Banner(box));
    auto* heading = new QLabel(title, box);
    heading->setObjectName(QStringLiteral("wizardHeading"));
    heading->setWordWrap(true);
    QFont f = heading->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.25);
    heading->setFont(f);
    heading->setAccessibleName(title);
    column->addWidget(heading);
    return box;
}

KioskWizard::KioskWizard(const WizardContext& context, int page, QWidget* parent)
    : QDialog(parent), context_(context) {
    setModal(true);
    setSizeGripEnabled(true);
    // A print or folder scan run from a page lets input through; the pages wait for it.
    new BusyGate(document(), this);

    stack_ = new QStackedWidget(this);
    start_ = new CPPWzdStart(*this);
    template_ = new CPPWzdSelTemplate(*this);
    finish_ = new CPPWzdFinish(*this);
    stack_->addWidget(start_);
    stack_->addWidget(template_);
    stack_->addWidget(finish_);

    auto makeButton = [this](const QString& text, const QString& name, const QString& tip) {
        auto* b = new QPushButton(text, this);
        b->setAccessibleName(name);
        b->setToolTip(tip);
        return b;
    };
    help_ = makeButton(tr("&Help"), tr("Help"), tr("Help on this page (F1)"));
    back_ = makeButton(tr("&Back"), tr("Back"), tr("The previous step"));
    next_ = makeButton(tr("&Next"), tr("Next"), tr("The next step"));
    cancel_ = makeButton(tr("Close Wizard"), tr("Close Wizard"), tr("Close the wizard"));
    back_->setIcon(QIcon(QStringLiteral(":/toolbar/32773.png")));
    next_->setIcon(QIcon(QStringLiteral(":/toolbar/32772.png")));
    next_->setLayoutDirection(Qt::RightToLeft);  // the arrow after the word
    connect(help_, &QPushButton::clicked, this, &KioskWizard::openHelp);
    connect(back_, &QPushButton::clicked, this, [this] { setCurrentPage(currentPage() - 1); });
    connect(next_, &QPushButton::clicked, this, [this] { setCurrentPage(currentPage() + 1); });
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    // Without a help folder the button would only ever say the page is missing.
    help_->setVisible(helpAvailable(context_.helpDir));

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    auto* row = new QHBoxLayout;
    row->addWidget(help_);
    row->addStretch(1);
    row->addWidget(back_);
    row->addWidget(next_);
    row->addSpacing(12);
    row->addWidget(cancel_);

    auto* column = new QVBoxLayout(this);
    column->addWidget(stack_, 1);
    column->addWidget(line);
    column->addLayout(row);

    // Enter goes to Next alone: a page's button that had the focus would otherwise
    // take it (Print Page on the last page prints).
    for (QPushButton* b : stack_->findChildren<QPushButton*>()) b->setAutoDefault(false);
    for (QPushButton* b : {help_, back_, cancel_}) b->setAutoDefault(false);

    connect(&document(), &PrintDocument::listChanged, this, &KioskWizard::refreshButtons);

    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 1024);
    resize(qMin(920, area.width() * 95 / 100), qMin(720, area.height() * 92 / 100));

    setCurrentPage(page);
}

int KioskWizard::currentPage() const {
    return stack_->currentIndex();
}

void KioskWizard::setCurrentPage(int page) {
    page = qBound(0, page, wizard::kPageCount - 1);
    stack_->setCurrentIndex(page);
    setWindowTitle(page == wizard::TemplatePage ? template_->caption() : wizard::pageTitle(page));
    QWidget* first = nullptr;
    switch (page) {
        case wizard::StartPage:
            start_->pageActivated();
            first = start_->firstControl();
            break;
        case wizard::TemplatePage:
            template_->pageActivated();
            first = template_->firstControl();
            break;
        default:
            finish_->pageActivated();
            first = finish_->firstControl();
            break;
    }
    refreshButtons();
    // The keyboard starts on the page, not on a button of the page left behind.
    if (first) first->setFocus(Qt::OtherFocusReason);
}

void KioskWizard::refreshButtons() {
    const wizard::SheetButtons b = wizard::sheetButtons(currentPage(), document().listEmpty());
    back_->setEnabled(b.backEnabled);
    next_->setEnabled(b.nextEnabled);
    cancel_->setText(b.cancelText);
    cancel_->setAccessibleName(b.cancelText);
    cancel_->setEnabled(true);
    // Enter goes on to the next step while there is one; on the last page it presses nothing.
    next_->setDefault(b.nextEnabled);
}

void KioskWizard::runCommand(int commandId) {
    if (context_.runCommand) context_.runCommand(commandId);
    // The command may have dropped the page: draw it again for the previews.
    document().ensurePage();
    refreshButtons();
}

bool KioskWizard::refusedWhileBusy() {
    return document().refusedWhileBusy();
}

void KioskWizard::openHelp() {
    if (!context_.services.notifier || !context_.services.launcher) return;
    openHelpTopic(context_.helpDir, wizard::helpTopic(currentPage()), *context_.services.notifier,
                  *context_.services.launcher);
}

void KioskWizard::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && !(event->modifiers() & Qt::ShiftModifier)) {
        openHelp();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
