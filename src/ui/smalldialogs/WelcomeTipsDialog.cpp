#include "ui/smalldialogs/WelcomeTipsDialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include "core/AppServices.h"
#include "core/AppSettings.h"
#include "core/SettingsTable.h"
#include "ui/smalldialogs/SmallDialogsModel.h"

WelcomeTipsDialog::WelcomeTipsDialog(AppSettings& settings, SettingsStore& store, Notifier& notifier,
                                     Launcher& launcher, const QString& helpDir, QWidget* parent)
    : QDialog(parent),
      settings_(settings),
      store_(store),
      notifier_(notifier),
      launcher_(launcher),
      helpDir_(helpDir) {
    setWindowTitle(tr("Snapvale Welcome Tips Dialog"));
    setModal(false);

    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    icon->setAccessibleName(tr("Tip symbol"));

    heading_ = new QLabel(tr("Did You Know..."), this);
    QFont headingFont = heading_->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.3);
    heading_->setFont(headingFont);

    // A read-only field, so the tip can be selected and read out like any text.
    tip_ = new QPlainTextEdit(this);
    tip_->setReadOnly(true);
    tip_->setTabChangesFocus(true);
    tip_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    tip_->setAccessibleName(tr("Tip"));
    tip_->setAccessibleDescription(heading_->text());
    tip_->setFixedHeight(tip_->fontMetrics().lineSpacing() * 6 + 2 * tip_->frameWidth() + 8);
    heading_->setBuddy(tip_);

    dontShow_ = new QCheckBox(tr("&Don't display this dialog again"), this);
    dontShow_->setToolTip(tr("Do not open these tips when Snapvale first reads a folder"));
    // The stored switch, read with 1 as its default here, unlike the start-up load.
    dontShow_->setChecked(readSettingInt(store_, setting::WelcomeTipStatus, 1) != 0);
    connect(dontShow_, &QCheckBox::clicked, this,
            [this](bool checked) { settings_.WelcomeTipStatus = checked ? 1 : 0; });

    auto* buttons = new QDialogButtonBox(this);
    close_ = buttons->addButton(tr("&Close"), QDialogButtonBox::AcceptRole);
    next_ = buttons->addButton(tr("&Next Tip"), QDialogButtonBox::ActionRole);
    help_ = buttons->addButton(tr("&Help"), QDialogButtonBox::HelpRole);
    close_->setToolTip(tr("Hide the tips"));
    next_->setToolTip(tr("Show the next tip"));
    help_->setToolTip(tr("Open the page with all the tips"));
    close_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &WelcomeTipsDialog::accept);
    connect(buttons, &QDialogButtonBox::helpRequested, this, &WelcomeTipsDialog::openHelp);
    connect(next_, &QPushButton::clicked, this, &WelcomeTipsDialog::showNextTip);

    auto* text = new QVBoxLayout;
    text->addWidget(heading_);
    text->addWidget(tip_);
    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addLayout(text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(dontShow_);
    layout->addWidget(buttons);

    setTabOrder(tip_, dontShow_);
    setTabOrder(dontShow_, close_);
    // Enter and Space close the window straight away; Tab goes on to the tip.
    close_->setFocus();
    setMinimumWidth(440);
    adjustSize();
    placeOverMainWindow();
}

void WelcomeTipsDialog::placeOverMainWindow() {
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const QRect stored(readSettingInt(store_, setting::TopLeftX, 0),
                       readSettingInt(store_, setting::TopLeftY, 0),
                       readSettingInt(store_, setting::Width, 0), readSettingInt(store_, setting::Height, 0));
    const bool centre = readSettingInt(store_, setting::IsHidden) != 0;
    if (const auto place = tipsWindowPosition(centre, area, stored, frameGeometry().size())) move(*place);
}

void WelcomeTipsDialog::showNextTip() {
    settings_.TipIdx = wrapTipIndex(settings_.TipIdx);
    tip_->setPlainText(welcomeTipText(settings_.TipIdx));
    ++settings_.TipIdx;
    show();
    raise();
    activateWindow();
    settings_.write(store_, setting::TipIdx);
}

void WelcomeTipsDialog::setDontShowAgain(bool checked) {
    dontShow_->setChecked(checked);
}

void WelcomeTipsDialog::accept() {
    hide();
}

void WelcomeTipsDialog::reject() {
    openHelp();
}

void WelcomeTipsDialog::closeEvent(QCloseEvent* event) {
    // The title bar's close box hides the window like Close; taking it as Escape
    // would open the help page and leave no way to close the window from there.
    hide();
    event->accept();
}

void WelcomeTipsDialog::openHelp() {
    openHelpTopic(helpDir_, QStringLiteral("/WelcomeTips.htm"), notifier_, launcher_);
}
