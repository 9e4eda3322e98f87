#include "ui/layoutsetup/CPPageAdvancedOptionsControl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "core/SettingsTable.h"
#include "document/PrintDocument.h"
#include "layout/FaceFinder.h"
#include "layout/PageSetup.h"
#include "ui/layoutsetup/CPhotoLayoutSetupDlg.h"
#include "ui/layoutsetup/LayoutSetupModel.h"

namespace {
struct FilterDef {
    const char* label;
    int AppSettings::*field;
    const char* tip;
};
// In the order the page lists them.
const FilterDef kFilters[CPPageAdvancedOptionsControl::FilterCount] = {
    {QT_TRANSLATE_NOOP("CPPageAdvancedOptionsControl", "&Emboss Photos"), &AppSettings::EmbossPhoto,
     QT_TRANSLATE_NOOP("CPPageAdvancedOptionsControl", "Raise the edges of every photo like an embossing")},
    {QT_TRANSLATE_NOOP("CPPageAdvancedOptionsControl", "E&dge Only"), &AppSettings::EdgePhoto,
     QT_TRANSLATE_NOOP("CPPageAdvancedOptionsControl", "Keep only the edges of every photo")},
    {QT_TRANSLATE_NOOP("CPPageAdvancedOptionsControl", "&Lighten Photos"), &AppSettings::LightenPhoto,
     QT_TRANSLATE_NOOP("CPPageAdvancedOptionsControl", "Make every photo lighter by an amount you choose")},
    {QT_TRANSLATE_NOOP("CPPageAdvancedOptionsControl", "Dar&ken Photos"), &AppSettings::DarkenPhoto,
     QT_TRANSLATE_NOOP("CPPageAdvancedOptionsControl", "Make every photo darker by an amount you choose")},
    {QT_TRANSLATE_NOOP("CPPageAdvancedOptionsControl", "&Grayscale Photos"), &AppSettings::GrayscalePhotos,
     QT_TRANSLATE_NOOP("CPPageAdvancedOptionsControl", "Print the whole page in shades of grey")},
    {QT_TRANSLATE_NOOP("CPPageAdvancedOptionsControl", "Neg&ative Photos"), &AppSettings::NegativeImage,
     QT_TRANSLATE_NOOP("CPPageAdvancedOptionsControl", "Turn every photo into its negative")},
    {QT_TRANSLATE_NOOP("CPPageAdvancedOptionsControl", "Repair Photos"), &AppSettings::RepairPhoto,
     QT_TRANSLATE_NOOP("CPPageAdvancedOptionsControl", "Smooth away noise and dust specks")},
    {QT_TRANSLATE_NOOP("CPPageAdvancedOptionsControl", "Sharpen Photos"), &AppSettings::PhotoSharpen,
     QT_TRANSLATE_NOOP("CPPageAdvancedOptionsControl", "Sharpen every photo")},
    {QT_TRANSLATE_NOOP("CPPageAdvancedOptionsControl", "So&ften Photos"), &AppSettings::PhotoSoften,
     QT_TRANSLATE_NOOP("CPPageAdvancedOptionsControl", "Soften every photo")},
};

QString plain(const char* label) {
    return QCoreApplication::translate("CPPageAdvancedOptionsControl", label).remove(QLatin1Char('&'));
}
}  // namespace

CPPageAdvancedOptionsControl::CPPageAdvancedOptionsControl(CPhotoLayoutSetupDlg& sheet) : sheet_(sheet) {
    setAccessibleName(tr("Advanced"));
    AppSettings& s = sheet_.settings();

    // Resolution.
    resolution_ = new QComboBox(this);
    resolution_->setAccessibleName(tr("Page resolution (DPI)"));
    resolution_->setToolTip(tr("Dots per inch of the page; more needs more memory"));
    for (int r : layout_setup::resolutionChoices()) resolution_->addItem(QString::number(r));
    // The list shows the page's own resolution, whatever it is.
    const QString current = QString::asprintf("%d", s.PageResolution);
    if (resolution_->findText(current) < 0) resolution_->addItem(current);
    resolution_->setCurrentIndex(resolution_->findText(current));
    connect(resolution_, &QComboBox::activated, this,
            [this](int index) { chooseResolution(resolution_->itemText(index).toInt()); });
    auto* resolutionLabel = new QLabel(tr("Res&olution (DPI):"), this);
    resolutionLabel->setBuddy(resolution_);
    cutMarks_ = new QCheckBox(tr("C&ut Marks"), this);
    cutMarks_->setAccessibleName(tr("Cut Marks"));
    cutMarks_->setToolTip(
        tr("Draw short marks in the margins and gutters at the corners of each print, for cutting a sheet "
           "of several prints with a trimmer"));
    cutMarks_->setChecked(s.CutMarks != 0);
    connect(cutMarks_, &QCheckBox::clicked, this,
            [this](bool on) { switchToggled(&AppSettings::CutMarks, setting::CutMarks, on); });

    // Filters.
    auto* filters = new QGroupBox(tr("Image Filters"), this);
    auto* filterGrid = new QGridLayout(filters);
    for (int f = 0; f < FilterCount; ++f) {
        auto* box = new QCheckBox(tr(kFilters[f].label), filters);
        box->setAccessibleName(plain(kFilters[f].label));
        box->setToolTip(tr(kFilters[f].tip));
        box->setChecked(s.*(kFilters[f].field) != 0);
        filters_[f] = box;
        filterGrid->addWidget(box, f / 3, f % 3);
        connect(box, &QCheckBox::clicked, this, [this, f](bool on) { filterToggled(Filter(f), on); });
    }
    auto* note = new QLabel(tr("Note: click the Re-Draw Page button to see results."), filters);
    note->setWordWrap(true);
    filterGrid->addWidget(note, 3, 0, 1, 3);

    // Logo and watermark.
    auto* logo = new QGroupBox(tr("Logo and Watermark"), this);
    imageLogo_ = new QCheckBox(tr("Add I&mage Logo"), logo);
    textWatermark_ = new QCheckBox(tr("Add Te&xt Watermark"), logo);
    imageLogo_->setAccessibleName(tr("Add Image Logo"));
    textWatermark_->setAccessibleName(tr("Add Text Watermark"));
    imageLogo_->setChecked(s.UseImageLogo != 0);
    textWatermark_->setChecked(s.UseTextLogo != 0);
    connect(imageLogo_, &QCheckBox::clicked, this, [this] { logoToggled(true); });
    connect(textWatermark_, &QCheckBox::clicked, this, [this] { logoToggled(false); });
    logoFile_ = new QLineEdit(s.LogoFileName, logo);
    logoFile_->setAccessibleName(tr("Logo file"));
    logoFile_->installEventFilter(this);
    browse_ = new QPushButton(QStringLiteral("..."), logo);
    // The button shows only "...": the name says what it does and keeps what it shows.
    browse_->setAccessibleName(tr("Select Logo BMP File..."));
    browse_->setToolTip(tr("Choose the logo picture"));
    browse_->setAutoDefault(false);
    connect(browse_, &QPushButton::clicked, this, &CPPageAdvancedOptionsControl::browseLogo);
    logoColour_ = new QPushButton(tr("Transparent"), logo);
    logoColour_->setAccessibleName(tr("Logo transparent colour"));
    logoColour_->setToolTip(tr("The colour of the logo that is left out"));
    logoColour_->setAutoDefault(false);
    connect(logoColour_, &QPushButton::clicked, this, [this] {
        pickColour(logoColour_, setting::LogoColorref, &AppSettings::LogoColorref, imageLogo_->isChecked());
    });
    watermark_ = new QLineEdit(s.WatermarkText, logo);
    watermark_->setAccessibleName(tr("Watermark text"));
    watermark_->installEventFilter(this);
    textColour_ = new QPushButton(tr("Colour"), logo);
    textColour_->setAccessibleName(tr("Watermark text colour"));
    textColour_->setToolTip(tr("The colour of the watermark text"));
    textColour_->setAutoDefault(false);
    connect(textColour_, &QPushButton::clicked, this, [this] {
        pickColour(textColour_, setting::LogoTextColorref, &AppSettings::LogoTextColorref,
                   textWatermark_->isChecked());
    });
    location_ = new QComboBox(logo);
    location_->addItems({tr("Lower Left"), tr("Lower Right"), tr("Upper Left"), tr("Upper Right")});
    location_->setAccessibleName(tr("Logo location"));
    location_->setCurrentIndex(qBound(0, s.LogoLocation, 3));
    connect(location_, &QComboBox::activated, this, [this](int index) {
        AppSettings& st = sheet_.settings();
        st.LogoLocation = index;
        st.write(sheet_.document().store(), setting::LogoLocation);
        sheet_.reDraw();
    });
    auto* logoGrid = new QGridLayout(logo);
    logoGrid->addWidget(imageLogo_, 0, 0);
    logoGrid->addWidget(logoFile_, 0, 1);
    logoGrid->addWidget(browse_, 0, 2);
    logoGrid->addWidget(logoColour_, 0, 3);
    logoGrid->addWidget(textWatermark_, 1, 0);
    logoGrid->addWidget(watermark_, 1, 1, 1, 2);
    logoGrid->addWidget(textColour_, 1, 3);
    auto* locationLabel = new QLabel(tr("Location:"), logo);
    locationLabel->setBuddy(location_);
    logoGrid->addWidget(locationLabel, 2, 0);
    logoGrid->addWidget(location_, 2, 1);

    // Auto crop.
    auto* crop = new QGroupBox(tr("Auto Crop"), this);
    autoCrop_ = new QPushButton(crop);
    autoCrop_->setAutoDefault(false);
    autoCrop_->setToolTip(tr("Cut photos to fill their slots, or fit them whole"));
    connect(autoCrop_, &QPushButton::clicked, this, &CPPageAdvancedOptionsControl::toggleAutoCrop);
    // No access key: every letter of it is taken on this page or by the sheet's buttons.
    keepFaces_ = new QCheckBox(tr("Keep faces in frame"), crop);
    keepFaces_->setAccessibleName(tr("Keep faces in frame"));
    connect(keepFaces_, &QCheckBox::clicked, this, [this](bool on) {
        switchToggled(&AppSettings::KeepFacesInFrame, setting::KeepFacesInFrame, on);
    });
    const char* cropLabels[4] = {QT_TR_NOOP("Crop Top"), QT_TR_NOOP("Crop &Bottom"), QT_TR_NOOP("Crop Left"),
                                 QT_TR_NOOP("Crop Right")};
    for (int side = 0; side < 4; ++side) {
        crops_[side] = new QCheckBox(tr(cropLabels[side]), crop);
        crops_[side]->setAccessibleName(plain(cropLabels[side]));
        connect(crops_[side], &QCheckBox::clicked, this, [this, side](bool on) { cropToggled(side, on); });
    }
    cropPicture_ = new QLabel(crop);
    cropPicture_->setFixedSize(120, 90);
    cropPicture_->setAlignment(Qt::AlignCenter);
    cropPicture_->setAccessibleName(tr("Sides that may be cut"));
    cropWarningIcon_ = new QLabel(crop);
    cropWarningIcon_->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(24, 24));
    cropWarning_ = new QLabel(
        tr("Warning: Auto Crop setting are OFF! Your photo may not fit the selected template dimensions."),
        crop);
    cropWarning_->setWordWrap(true);
    cropWarning_->setAccessibleName(cropWarning_->text());
    auto* cropGrid = new QGridLayout(crop);
    cropGrid->addWidget(autoCrop_, 0, 0, 1, 2);
    cropGrid->addWidget(keepFaces_, 0, 2);
    cropGrid->addWidget(crops_[0], 1, 1);
    cropGrid->addWidget(crops_[2], 2, 0);
    cropGrid->addWidget(cropPicture_, 2, 1, Qt::AlignCenter);
    cropGrid->addWidget(crops_[3], 2, 2);
    cropGrid->addWidget(crops_[1], 3, 1);
    auto* warningRow = new QHBoxLayout;
    warningRow->addWidget(cropWarningIcon_);
    warningRow->addWidget(cropWarning_, 1);
    cropGrid->addLayout(warningRow, 4, 0, 1, 3);

    auto* resolutionRow = new QHBoxLayout;
    resolutionRow->addWidget(resolutionLabel);
    resolutionRow->addWidget(resolution_);
    resolutionRow->addStretch(1);
    resolutionRow->addWidget(cutMarks_);
    auto* column = new QVBoxLayout(this);
    column->addLayout(resolutionRow);
    column->addWidget(filters);
    column->addWidget(logo);
    column->addWidget(crop);
    column->addStretch(1);

    paintSwatches();
    updateLogoEnabling();
    updateCropDisplay();
}

void CPPageAdvancedOptionsControl::chooseResolution(int r) {
    AppSettings& s = sheet_.settings();
    PrintDocument& doc = sheet_.document();
    Notifier* notifier = sheet_.context().services.notifier;
    if (r > 200 && notifier) notifier->plainOk(layout_setup::highResolutionWarning());
    choosePageResolution(s, &doc.store(), r);
    const QString text = QString::number(r);
    if (resolution_->findText(text) < 0) resolution_->addItem(text);
    resolution_->setCurrentIndex(resolution_->findText(text));
    doc.dropPage();
    doc.ensurePage();
}

void CPPageAdvancedOptionsControl::filterToggled(Filter f, bool on) {
    AppSettings& s = sheet_.settings();
    auto set = [&](Filter which, bool value) {
        s.*(kFilters[which].field) = value ? 1 : 0;
        filters_[which]->setChecked(value);
    };
    set(f, on);
    if (!on) return;
    if (f == Sharpen) set(Soften, false);
    if (f == Soften) set(Sharpen, false);
    if (f != Lighten && f != Darken) return;
    set(f == Lighten ? Darken : Lighten, false);

    // The amount, 0 to 50; darken is kept as its negative.
    const bool lighten = f == Lighten;
    double amount = lighten ? s.PhotoLighten : -s.PhotoDarken;
    const auto& ask = sheet_.context().askValue;
    if (!ask || !ask(lighten ? tr("Lighten Images") : tr("Darken Images"), 0, 50, amount)) {
        set(f, false);
        return;
    }
    const int value = int(amount);
    if (lighten) {
        s.PhotoLighten = value;
        s.write(sheet_.document().store(), setting::PhotoLighten);
    } else {
        s.PhotoDarken = -value;
        s.write(sheet_.document().store(), setting::PhotoDarken);
    }
}

void CPPageAdvancedOptionsControl::storeLogoChoices() {
    AppSettings& s = sheet_.settings();
    SettingsStore& store = sheet_.document().store();
    s.UseImageLogo = imageLogo_->isChecked() ? 1 : 0;
    s.UseTextLogo = textWatermark_->isChecked() ? 1 : 0;
    s.WatermarkText = watermark_->text();
    s.LogoFileName = logoFile_->text();
    for (const SettingKey* key :
         {&setting::UseImageLogo, &setting::UseTextLogo, &setting::WatermarkText, &setting::LogoFileName})
        s.write(store, *key);
}

void CPPageAdvancedOptionsControl::logoToggled(bool image) {
    // One kind of mark at a time.
    if (image && imageLogo_->isChecked()) textWatermark_->setChecked(false);
    if (!image && textWatermark_->isChecked()) imageLogo_->setChecked(false);
    storeLogoChoices();
    updateLogoEnabling();
    sheet_.reDraw();
}

void CPPageAdvancedOptionsControl::updateLogoEnabling() {
    const bool image = imageLogo_->isChecked();
    const bool text = textWatermark_->isChecked();
    logoFile_->setEnabled(image);
    browse_->setEnabled(image);
    logoColour_->setEnabled(image);
    watermark_->setEnabled(text);
    textColour_->setEnabled(text);
    location_->setEnabled(image || text);
}

bool CPPageAdvancedOptionsControl::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && (watched == watermark_ || watched == logoFile_))
        storeLogoChoices();
    return QWidget::eventFilter(watched, event);
}

void CPPageAdvancedOptionsControl::browseLogo() {
    FileChooser* files = sheet_.context().services.files;
    if (!files) return;
    FileDialogRequest request;
    request.title = tr("Select Logo BMP File");
    request.filter = tr("Graphic Files (*.BMP)|*.BMP|BMP Files(*.BMP)");
    request.defaultExtension = QStringLiteral("bmp");
    request.initialPath = sheet_.settings().LogoFileName;
    request.preview = true;
    const QString chosen = files->openFile(request);
    if (chosen.isEmpty()) return;
    AppSettings& s = sheet_.settings();
    s.LogoFileName = chosen;
    logoFile_->setText(chosen);
    s.write(sheet_.document().store(), setting::LogoFileName);
    if (imageLogo_->isChecked()) sheet_.reDraw();
}

void CPPageAdvancedOptionsControl::pickColour(QPushButton* button, const SettingKey& key,
                                              ColorRef AppSettings::*field, bool redrawWhenOn) {
    AppSettings& s = sheet_.settings();
    ColorRef colour = s.*field;
    const auto& choose = sheet_.context().chooseColor;
    if (!choose || !choose(colour, button->accessibleName())) return;
    s.*field = colour;
    s.write(sheet_.document().store(), key);
    paintSwatches();
    if (redrawWhenOn) sheet_.reDraw();
}

void CPPageAdvancedOptionsControl::paintSwatches() {
    logoColour_->setIcon(layout_setup::colourSwatch(sheet_.settings().LogoColorref));
    textColour_->setIcon(layout_setup::colourSwatch(sheet_.settings().LogoTextColorref));
}

void CPPageAdvancedOptionsControl::cropToggled(int side, bool on) {
    static const layout_setup::CropSide sides[4] = {
        layout_setup::CropSide::Top, layout_setup::CropSide::Bottom, layout_setup::CropSide::Left,
        layout_setup::CropSide::Right};
    layout_setup::setCropSide(sheet_.settings(), sides[side], on);
    updateCropDisplay();
}

void CPPageAdvancedOptionsControl::toggleAutoCrop() {
    AppSettings& s = sheet_.settings();
    s.AutoCropOn = s.AutoCropOn ? 0 : 1;
    updateCropDisplay();
}

void CPPageAdvancedOptionsControl::switchToggled(int AppSettings::*field, const SettingKey& key, bool on) {
    AppSettings& s = sheet_.settings();
    s.*field = on ? 1 : 0;
    s.write(sheet_.document().store(), key);
    sheet_.reDraw();
}

void CPPageAdvancedOptionsControl::updateCropDisplay() {
    const AppSettings& s = sheet_.settings();
    const bool on = s.AutoCropOn != 0;
    const QString caption = on ? tr("Auto Crop (ON)") : tr("Auto Crop (OFF)");
    autoCrop_->setText(caption);
    autoCrop_->setAccessibleName(caption);
    const int values[4] = {s.CropTop, s.CropBottom, s.CropLeft, s.CropRight};
    for (int side = 0; side < 4; ++side) {
        crops_[side]->setChecked(values[side] != 0);
        crops_[side]->setEnabled(on);
    }
    cropWarning_->setVisible(!on);
    cropWarningIcon_->setVisible(!on);
    // Faces only move a cut, so they need the auto crop, and the finder installed.
    const QString noFaces = FaceFinder::shared().unavailableReason();
    keepFaces_->setChecked(s.KeepFacesInFrame != 0);
    keepFaces_->setEnabled(on && noFaces.isEmpty());
    keepFaces_->setToolTip(!noFaces.isEmpty()
                               ? noFaces
                               : tr("Where the auto crop must cut a photo, keep the faces found in it in the "
                                    "print"));
    cropPictureNumber_ = layout_setup::cropIllustration(s);
    const QPixmap picture(QStringLiteral(":/images/%1.png").arg(cropPictureNumber_));
    cropPicture_->setPixmap(
        picture.scaled(cropPicture_->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}
