#include "ui/wizard/CPPWzdFinish.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include "core/CommandIds.h"
#include "document/PrintDocument.h"
#include "layout/PageSetup.h"
#include "layout/TemplateCatalogue.h"
#include "output/PrinterBackend.h"
#include "ui/PagePreview.h"
#include "ui/wizard/KioskWizard.h"

namespace {
QImage toolbarPicture(int command) {
    return QImage(QStringLiteral(":/toolbar/%1.png").arg(command));
}
}  // namespace

CPPWzdFinish::CPPWzdFinish(KioskWizard& sheet) : QWidget(&sheet), sheet_(sheet) {
    setAccessibleName(wizard::pageTitle(wizard::FinishPage));
    auto* column = new QVBoxLayout(this);
    column->addWidget(makeWizardBanner(wizard::pageTitle(wizard::FinishPage), this));

    frame_ = new QGroupBox(this);
    preview_ = new DocumentPagePreview(sheet_.document(), tr("Print preview"), frame_);
    preview_->setMinimumSize(200, 240);  // the wizard's pages are smaller than the sheet
    auto* inFrame = new QVBoxLayout(frame_);
    inFrame->addWidget(preview_);

    printer_ = new QLabel(this);
    printer_->setWordWrap(true);
    QFont bold = printer_->font();
    bold.setBold(true);
    printer_->setFont(bold);

    message_ = new QTextEdit(this);
    message_->setReadOnly(true);
    message_->setTabChangesFocus(true);
    // Read-only, but the keyboard can still reach and read it.
    message_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    message_->setFocusPolicy(Qt::StrongFocus);
    message_->setAccessibleName(tr("Printer advice"));
    message_->setMinimumHeight(5 * message_->fontMetrics().height());
    message_->setMaximumHeight(8 * message_->fontMetrics().height());
    QPalette face = message_->palette();
    face.setColor(QPalette::Base, face.color(QPalette::Button));
    face.setColor(QPalette::Text, face.color(QPalette::ButtonText));
    message_->setPalette(face);

    const struct {
        int icon;
        const char* name;
    } statuses[] = {{178, QT_TR_NOOP("Check your printer paper size")},
                    {198, QT_TR_NOOP("Borderless printing advice")},
                    {211, QT_TR_NOOP("Ready to print")}};
    auto* iconColumn = new QVBoxLayout;
    for (const auto& st : statuses) {
        auto* label = new QLabel(this);
        label->setPixmap(QPixmap::fromImage(wizardPicture(st.icon)));
        label->setAccessibleName(tr(st.name));
        label->setToolTip(label->accessibleName());
        label->hide();
        iconColumn->addWidget(label);
        icons_.push_back({st.icon, label});
    }
    iconColumn->addStretch(1);
    auto* advice = new QHBoxLayout;
    advice->addLayout(iconColumn);
    advice->addWidget(message_, 1);

    auto* areaFrame = new QGroupBox(tr("Maximum Printable Area"), this);
    area_ = new QLineEdit(areaFrame);
    area_->setReadOnly(true);
    area_->setAccessibleName(tr("Maximum Printable Area"));
    auto* inArea = new QVBoxLayout(areaFrame);
    inArea->addWidget(area_);

    qualityLabel_ = new QLabel(this);
    auto* qualityCaption = new QLabel(tr("Print quality:"), this);
    auto* quality = new QHBoxLayout;
    quality->addWidget(qualityCaption);
    quality->addWidget(qualityLabel_);
    quality->addStretch(1);

    QPushButton* setup = addButton(tr("Printer &Setup..."), toolbarPicture(cmd::PrinterSetup),
                                   tr("Choose the printer, its paper and borderless printing"));
    QPushButton* print = addButton(tr("&Print Page"), toolbarPicture(cmd::Print), tr("Print this page"));
    QPushButton* prev = addButton(tr("Draw Pre&v Page"), toolbarPicture(cmd::PreviousPage),
                                  tr("Draw the previous page of the list"));
    QPushButton* next =
        addButton(tr("Draw Ne&xt Page"), toolbarPicture(cmd::NextPage), tr("Draw the next page of the list"));
    QPushButton* advanced = addButton(tr("&Advanced Options..."), wizardPicture(209),
                                      tr("Resolution, cropping, filters and watermark, in the layout setup"));
    QPushButton* stats = addButton(tr("Slot S&tatistics..."), toolbarPicture(cmd::SlotStatistics),
                                   tr("The figures of every photo on this page"));
    QPushButton* recheck = addButton(tr("Check Printer A&gain"), wizardPicture(210),
                                     tr("Read the printer's printable area again"));
    auto* grid = new QGridLayout;
    QPushButton* const order[] = {setup, print, prev, next, advanced, stats, recheck};
    int n = 0;
    for (QPushButton* b : order) {
        grid->addWidget(b, n / 2, n % 2);
        ++n;
    }

    connect(setup, &QPushButton::clicked, this, [this] {
        sheet_.runCommand(cmd::PrinterSetup);
        refreshPrinterState();
    });
    connect(print, &QPushButton::clicked, this, [this] { sheet_.runCommand(cmd::Print); });
    connect(prev, &QPushButton::clicked, this, [this] { sheet_.runCommand(cmd::PreviousPage); });
    connect(next, &QPushButton::clicked, this, [this] { sheet_.runCommand(cmd::NextPage); });
    connect(advanced, &QPushButton::clicked, this, [this] {
        sheet_.runCommand(cmd::ChangeResolution);
        refresh();
        refreshPrinterState();
    });
    connect(stats, &QPushButton::clicked, this, [this] { sheet_.runCommand(cmd::SlotStatistics); });
    connect(recheck, &QPushButton::clicked, this, &CPPWzdFinish::refreshPrinterState);

    auto* right = new QVBoxLayout;
    right->addWidget(printer_);
    right->addLayout(advice);
    right->addWidget(areaFrame);
    right->addLayout(quality);
    right->addLayout(grid);
    right->addStretch(1);

    auto* row = new QHBoxLayout;
    row->addWidget(frame_, 1);
    row->addLayout(right, 1);
    column->addLayout(row, 1);

    connect(&sheet_.document(), &PrintDocument::pageRendered, this, &CPPWzdFinish::refresh);
}

QPushButton* CPPWzdFinish::addButton(const QString& text, const QImage& picture, const QString& tip) {
    auto* b = new QPushButton(QIcon(QPixmap::fromImage(picture)), text, this);
    QString name = text;
    name.remove(QLatin1Char('&'));
    b->setAccessibleName(name);
    b->setToolTip(tip);
    b->setIconSize(QSize(24, 24));
    buttons_.push_back(b);
    return b;
}

QPushButton* CPPWzdFinish::button(const QString& accessibleName) const {
    for (QPushButton* b : buttons_)
        if (b->accessibleName() == accessibleName) return b;
    return nullptr;
}

QLabel* CPPWzdFinish::statusIcon(int icon) const {
    for (const StatusIcon& s : icons_)
        if (s.icon == icon) return s.label;
    return nullptr;
}

QWidget* CPPWzdFinish::firstControl() const {
    return button(tr("Print Page"));
}

void CPPWzdFinish::pageActivated() {
    sheet_.document().ensurePage();
    refresh();
    refreshPrinterState();
}

void CPPWzdFinish::refresh() {
    PrintDocument& doc = sheet_.document();
    frame_->setTitle(wizard::printPreviewCaption(doc.settings()));
    frame_->setAccessibleName(frame_->title());
    quality_ = wizard::qualityPicture(doc.report());
    qualityLabel_->setPixmap(QPixmap::fromImage(wizardPicture(quality_)));
    qualityLabel_->setAccessibleName(wizard::qualityText(quality_));
    qualityLabel_->setToolTip(qualityLabel_->accessibleName());
}

void CPPWzdFinish::refreshPrinterState() {
    PrinterBackend* printer = sheet_.context().services.printer;
    // Judged on the paper this template prints on, not on whatever the last print used.
    const AppSettings& s = sheet_.document().settings();
    const PrinterPage page =
        printer ? ReadPrinterPageFor(*printer, isBorderlessTemplate(s.FullPageTemplateSel)) : PrinterPage{};
    judgement_ = wizard::judgePrinter(page, PaperSizes::fromSettings(s));
    message_->setPlainText(judgement_.message);
    for (const StatusIcon& s : icons_) s.label->setVisible(s.icon == judgement_.icon);
    printer_->setText(wizard::printerLine(printer ? currentPrinterName(*printer) : tr("Default Printer")));
    printer_->setAccessibleName(printer_->text());
    area_->setText(judgement_.printableText);
}
