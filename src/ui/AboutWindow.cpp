#include "ui/AboutWindow.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/AppServices.h"

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("About Snapvale"));
    setModal(false);

    auto* icon = new QLabel(this);
    const QIcon programIcon(QStringLiteral(":/icons/snapvale.png"));
    if (!programIcon.isNull())
        icon->setPixmap(programIcon.pixmap(64, 64));
    else
        icon->setPixmap(QIcon::fromTheme(QStringLiteral("image-x-generic")).pixmap(64, 64));
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* name =
        new QLabel(QStringLiteral("<b><big>Snapvale</big></b> %1").arg(versionLine().toHtmlEscaped()), this);
    auto* description = new QLabel(
        tr("Photo print layouts on your own printer: gather an image list, choose a print template, "
           "and Snapvale lays your photos into its slots, cropped, turned and graded for print "
           "resolution. Print one page or the whole list, or save the page as a picture."),
        this);
    description->setWordWrap(true);
    auto* licence = new QLabel(tr("Free software, provided as is, without warranty of any kind."), this);
    licence->setWordWrap(true);
    licence->setEnabled(false);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setToolTip(tr("Close this window"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);

    auto* text = new QVBoxLayout;
    text->addWidget(name);
    text->addWidget(description);
    text->addWidget(licence);
    text->addStretch(1);
    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addLayout(text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    setMinimumWidth(420);
}
