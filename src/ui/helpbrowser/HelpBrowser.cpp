#include "ui/helpbrowser/HelpBrowser.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

HelpBrowser::HelpBrowser(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Snapvale Help"));
    setModal(false);
    location_ = new QLabel(this);
    location_->setWordWrap(true);
    location_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    location_->setAccessibleName(tr("Where the page is"));
    browser_ = new QTextBrowser(this);
    browser_->setAccessibleName(tr("Page"));
    // Pages link to each other; a link that leaves the computer goes to the desktop.
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setAccessibleName(tr("Close"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);
    auto* column = new QVBoxLayout(this);
    column->addWidget(location_);
    column->addWidget(browser_, 1);
    column->addWidget(buttons);
    resize(720, 620);
}

void HelpBrowser::showFile(const QString& path) {
    const QFileInfo info(path);
    location_->setText(tr("No web browser is set up to open local pages, so the page is shown here. "
                          "The file is at:\n%1")
                           .arg(info.absoluteFilePath()));
    browser_->setSearchPaths({info.absolutePath()});
    browser_->setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
    setWindowTitle(info.fileName());
    show();
    raise();
    activateWindow();
}
