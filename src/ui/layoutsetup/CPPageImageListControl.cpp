#include "ui/layoutsetup/CPPageImageListControl.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFontMetrics>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/CommandIds.h"
#include "document/PrintDocument.h"
#include "image/PhotoImage.h"
#include "layout/Decorations.h"
#include "ui/layoutsetup/CPhotoLayoutSetupDlg.h"
#include "ui/layoutsetup/LayoutSetupModel.h"

namespace {

// The selected photo over the page background. The photo is decoded once a
// selection, at the smallest scale that still fills the preview.
class PhotoPreview final : public QWidget {
public:
    explicit PhotoPreview(AppSettings& settings, QWidget* parent) : QWidget(parent), settings_(settings) {
        setMinimumSize(200, 150);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        setAccessibleName(QObject::tr("Photo preview"));
        setToolTip(QObject::tr("The photo selected in the list"));
    }
    // Loads the photo; false when it could not be loaded. width and height are its full size.
    bool load(const QString& path, int& width, int& height) {
        picture_ = QImage();
        PhotoImage photo;
        int scale = 1;
        const QSize box = size().expandedTo(QSize(200, 150));
        const int loaded = photo.LoadFileScaled(
            path,
            [box](int w, int h) {
                for (int s : {8, 4, 2})
                    if (w / s >= box.width() && h / s >= box.height()) return s;
                return 1;
            },
            width, height, scale);
        if (!loaded) {
            width = height = 0;
            update();
            return false;
        }
        if (const CxImage* raster = photo.Raster())
            picture_ = raster->ToBitmap();
        else
            picture_ = photo.SystemPicture();
        fullSize_ = QSize(width, height);
        update();
        return true;
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        background_.Paint(p, rect(), true, settings_);
        if (picture_.isNull()) return;
        const QRect fit = PhotoImage::FitRect(rect(), fullSize_.width(), fullSize_.height(), true);
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        p.drawImage(fit, picture_);
    }

private:
    AppSettings& settings_;
    BackgroundPainter background_;
    QImage picture_;
    QSize fullSize_;
};

QPushButton* pictureButton(const QString& text, const QString& icon, const QString& tip, QWidget* parent) {
    auto* b = new QPushButton(QIcon(QStringLiteral(":/toolbar/%1.png").arg(icon)), text, parent);
    QString name = text;
    b->setAccessibleName(name.remove(QLatin1Char('&')));
    b->setToolTip(tip);
    b->setAutoDefault(false);
    return b;
}

}  // namespace

CPPageImageListControl::CPPageImageListControl(CPhotoLayoutSetupDlg& sheet) : sheet_(sheet) {
    setAccessibleName(tr("Image List"));
    heading_ = new QLineEdit(this);
    heading_->setReadOnly(true);
    heading_->setAccessibleName(tr("Image list size"));

    list_ = new QListWidget(this);
    list_->setAccessibleName(tr("Photos of the image list"));
    list_->setToolTip(tr("Choose the photo the page starts with"));
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    connect(list_, &QListWidget::currentRowChanged, this, [this] {
        if (!filling_) selectionChanged();
    });

    preview_ = new PhotoPreview(sheet_.settings(), this);
    info_ = new QLineEdit(this);
    info_->setReadOnly(true);
    info_->setAccessibleName(tr("Photo information"));

    goTo_ = new QSpinBox(this);
    goTo_->setRange(1, 9999);
    goTo_->setAccessibleName(tr("Image number"));
    goTo_->setToolTip(tr("The position of a photo in the list"));
    auto* goButton = pictureButton(tr("&Goto Image #"), QString(), tr("Start the page at this photo"), this);
    connect(goButton, &QPushButton::clicked, this, [this] { goToImage(goTo_->value()); });
    connect(goTo_, &QSpinBox::editingFinished, this, [this] {
        if (goTo_->hasFocus()) goToImage(goTo_->value());
    });
    auto* goLabel = new QLabel(tr("Image n&umber:"), this);
    goLabel->setBuddy(goTo_);

    auto* open = pictureButton(tr("&Open Directory..."), QStringLiteral("57601"),
                               tr("Build the list from a folder of photos"), this);
    auto* add =
        pictureButton(tr("&Add Images..."), QStringLiteral("32771"), tr("Add photo files to the list"), this);
    auto* import = pictureButton(tr("Import Photo &Album..."), QStringLiteral("32830"),
                                 tr("Build the list from a photo album"), this);
    connect(open, &QPushButton::clicked, this, [this] { runListCommand(cmd::OpenImageList); });
    connect(add, &QPushButton::clicked, this, [this] { runListCommand(cmd::AddFiles); });
    connect(import, &QPushButton::clicked, this, [this] { runListCommand(cmd::ImportAlbum); });

    auto* draw = new QGroupBox(tr("Draw"), this);
    gridOnly_ = new QRadioButton(tr("Grid Onl&y"), draw);
    gridAndPhotos_ = new QRadioButton(tr("Gri&d + Photos"), draw);
    photosOnly_ = new QRadioButton(tr("Photos On&ly"), draw);
    singleImage_ = new QCheckBox(tr("Use Single I&mage"), draw);
    singleImage_->setToolTip(tr("Put the same photo into every slot"));
    auto* group = new QButtonGroup(this);
    for (QRadioButton* r : {gridOnly_, gridAndPhotos_, photosOnly_}) {
        group->addButton(r);
        r->setAccessibleName(r->text().remove(QLatin1Char('&')));
        connect(r, &QRadioButton::clicked, this, &CPPageImageListControl::gridModeChosen);
    }
    singleImage_->setAccessibleName(tr("Use Single Image"));
    connect(singleImage_, &QCheckBox::clicked, this, &CPPageImageListControl::singleImageToggled);
    auto* drawRow = new QHBoxLayout(draw);
    drawRow->addWidget(gridOnly_);
    drawRow->addWidget(gridAndPhotos_);
    drawRow->addWidget(photosOnly_);
    drawRow->addWidget(singleImage_);

    auto* goRow = new QHBoxLayout;
    goRow->addWidget(goLabel);
    goRow->addWidget(goTo_);
    goRow->addWidget(goButton);
    goRow->addStretch(1);
    auto* commands = new QHBoxLayout;
    commands->addWidget(open);
    commands->addWidget(add);
    commands->addWidget(import);

    auto* column = new QVBoxLayout(this);
    column->addWidget(heading_);
    column->addWidget(list_, 2);
    column->addWidget(preview_, 2);
    column->addWidget(info_);
    column->addLayout(goRow);
    column->addLayout(commands);
    column->addWidget(draw);

    fillList();
    readSwitches();
}

void CPPageImageListControl::fillList() {
    filling_ = true;
    const ImageList& images = sheet_.document().imageList();
    list_->clear();
    QStringList paths;
    for (const QString& p : images.entries()) paths << p;
    list_->addItems(paths);
    heading_->setText(layout_setup::imageListHeading(images.count()));
    int row = images.indexOf(sheet_.selectedPhoto()) - 1;
    if (row < 0 && !paths.isEmpty()) row = 0;
    list_->setCurrentRow(row);
    if (row >= 0) {
        sheet_.setSelectedPhoto(paths[row]);
        goTo_->setValue(row + 1);
    }
    filling_ = false;
    updateInformation();
}

void CPPageImageListControl::readSwitches() {
    const AppSettings& s = sheet_.settings();
    gridOnly_->setChecked(s.PhotoGridOnly != 0);
    photosOnly_->setChecked(s.PhotoGridOnly == 0 && s.PhotosOnly != 0);
    gridAndPhotos_->setChecked(s.PhotoGridOnly == 0 && s.PhotosOnly == 0);
    singleImage_->setChecked(s.UseSingleImage != 0);
}

void CPPageImageListControl::pageShown() {
    readSwitches();
}

void CPPageImageListControl::pageDrawn() {
    heading_->setText(layout_setup::imageListHeading(sheet_.document().imageList().count()));
}

void CPPageImageListControl::updateInformation() {
    const QString path = sheet_.selectedPhoto();
    if (path.isEmpty()) {
        info_->clear();
        return;
    }
    int w = 0, h = 0;
    const bool loaded = static_cast<PhotoPreview*>(preview_)->load(path, w, h);
    info_->setText(layout_setup::photoInformationLine(path, loaded, w, h));
    info_->setToolTip(path);
}

void CPPageImageListControl::showPhoto(const QString& path) {
    const int row = sheet_.document().imageList().indexOf(path) - 1;
    filling_ = true;
    if (row >= 0) list_->setCurrentRow(row);
    filling_ = false;
    sheet_.setSelectedPhoto(path);
    updateInformation();
}

void CPPageImageListControl::selectionChanged() {
    QListWidgetItem* item = list_->currentItem();
    if (!item) return;
    sheet_.setSelectedPhoto(item->text());
    goTo_->setValue(list_->currentRow() + 1);
    updateInformation();
    sheet_.applyTemplateAndRedraw();
}

void CPPageImageListControl::goToImage(int number) {
    const int count = list_->count();
    if (count == 0) {
        sheet_.applyTemplateAndRedraw();  // says the list is empty
        return;
    }
    const int n = qBound(1, number, count);
    filling_ = true;
    list_->setCurrentRow(n - 1);
    filling_ = false;
    goTo_->setValue(n);
    sheet_.setSelectedPhoto(list_->item(n - 1)->text());
    updateInformation();
    sheet_.applyTemplateAndRedraw();
}

void CPPageImageListControl::runListCommand(int commandId) {
    if (sheet_.context().runCommand) sheet_.context().runCommand(commandId);
    fillList();
    goToImage(goTo_->value());
}

void CPPageImageListControl::singleImageToggled(bool on) {
    AppSettings& s = sheet_.settings();
    sheet_.setSelectedPhoto(sheet_.document().imageList().currentPhoto);
    s.UseSingleImage = on ? 1 : 0;
    goToImage(goTo_->value());
}

void CPPageImageListControl::gridModeChosen() {
    AppSettings& s = sheet_.settings();
    s.PhotoGridOnly = gridOnly_->isChecked() ? 1 : 0;
    s.PhotosOnly = photosOnly_->isChecked() ? 1 : 0;
    sheet_.reDraw();
}
