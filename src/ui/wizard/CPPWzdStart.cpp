#include "ui/wizard/CPPWzdStart.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/CommandIds.h"
#include "core/SettingsTable.h"
#include "document/PrintDocument.h"
#include "ui/wizard/KioskWizard.h"
#include "ui/wizard/WizardModel.h"

CPPWzdStart::CPPWzdStart(KioskWizard& sheet) : QWidget(&sheet), sheet_(sheet) {
    setAccessibleName(wizard::pageTitle(wizard::StartPage));
    auto* column = new QVBoxLayout(this);
    column->addWidget(makeWizardBanner(wizard::pageTitle(wizard::StartPage), this));

    auto* grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    grid->setHorizontalSpacing(12);
    int row = 0;
    for (const wizard::PhotoSource& s : wizard::photoSources()) {
        auto* button = new QPushButton(this);
        button->setIcon(QIcon(QPixmap::fromImage(wizardPicture(s.picture))));
        button->setIconSize(QSize(48, 48));
        button->setFixedSize(64, 64);
        // The picture has no words: the explanation's first sentence names it.
        QString name = s.heading;
        if (name.endsWith(QLatin1Char('.'))) name.chop(1);
        button->setAccessibleName(name);
        button->setAccessibleDescription(s.text);
        button->setToolTip(name);

        auto* text = new QLabel(s.text, this);
        text->setWordWrap(true);
        text->setFrameShape(QFrame::StyledPanel);
        text->setMargin(6);
        text->setAutoFillBackground(true);
        text->setBackgroundRole(QPalette::Button);
        text->setForegroundRole(QPalette::ButtonText);
        text->setAccessibleName(name);
        text->setAccessibleDescription(s.text);
        text->setTextInteractionFlags(Qt::NoTextInteraction);

        grid->addWidget(button, row, 0, Qt::AlignTop);
        grid->addWidget(text, row, 1);
        const int command = s.command;
        connect(button, &QPushButton::clicked, this, [this, command] { takePhotosFrom(command); });
        sources_.push_back({s.command, button, text});
        ++row;
    }
    column->addLayout(grid);
    column->addStretch(1);

    alwaysShow_ = new QCheckBox(tr("Al&ways show this wizard when program starts."), this);
    alwaysShow_->setAccessibleName(QCoreApplication::translate("Wizard", wizard::kAlwaysShowText));
    connect(alwaysShow_, &QCheckBox::clicked, this, [this](bool on) {
        AppSettings& s = sheet_.document().settings();
        s.StartupWithWizard = on ? 1 : 0;
        s.write(sheet_.document().store(), setting::StartupWithWizard);
    });
    column->addWidget(alwaysShow_);
}

QWidget* CPPWzdStart::firstControl() const {
    return sources_.front().button;
}

void CPPWzdStart::pageActivated() {
    alwaysShow_->setChecked(sheet_.document().settings().StartupWithWizard != 0);
}

QPushButton* CPPWzdStart::sourceButton(int command) const {
    for (const Source& s : sources_)
        if (s.command == command) return s.button;
    return nullptr;
}

QLabel* CPPWzdStart::explanation(int command) const {
    for (const Source& s : sources_)
        if (s.command == command) return s.text;
    return nullptr;
}

void CPPWzdStart::takePhotosFrom(int command) {
    PrintDocument& doc = sheet_.document();
    if (sheet_.refusedWhileBusy()) return;
    // A folder or chosen files make a list that no longer comes from the album.
    // Adding files asks itself whether the current list goes first, once.
    if (command == cmd::OpenImageList || command == cmd::AddFiles) doc.settings().ImportedAlbum.clear();
    sheet_.runCommand(command);
    if (!doc.listEmpty()) sheet_.setCurrentPage(wizard::TemplatePage);
}
