#include "ui/layoutsetup/CPPageTemplateControl.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/SettingsTable.h"
#include "document/PrintDocument.h"
#include "layout/PageSetup.h"
#include "layout/TemplateCatalogue.h"
#include "ui/layoutsetup/CPPageImageListControl.h"
#include "ui/layoutsetup/CPhotoLayoutSetupDlg.h"
#include "ui/layoutsetup/LayoutSetupModel.h"

namespace {
// The style buttons in their order on the page, each with its half-page style.
struct StyleEntry {
    int style;
    const char* label;
};
const StyleEntry kStyles[] = {
    {124, nullptr},
    {125, nullptr},
    {126, nullptr},
    {127, nullptr},
    {128, nullptr},
    {129, nullptr},
    {130, nullptr},
    {131, nullptr},
    {132, nullptr},
    {133, nullptr},
    {123, QT_TRANSLATE_NOOP("CPPageTemplateControl", "No Photos (Empty)")},
};

bool parseInches(const QString& text, double& value) {
    QString t = text.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    value = QLocale::c().toDouble(t, &ok);
    return ok;
}
}  // namespace

CPPageTemplateControl::CPPageTemplateControl(CPhotoLayoutSetupDlg& sheet) : sheet_(sheet) {
    setAccessibleName(tr("Photo Templates"));
    templates_ = new QComboBox(this);
    templates_->setAccessibleName(tr("Full-page template"));
    templates_->setToolTip(tr("A layout for the whole page, or half-page styles for the top and bottom"));
    // Shown in the window's language; the catalogue's name is what is chosen and stored.
    for (const QString& name : fullPageTemplateChoices())
        templates_->addItem(templateDisplayName(name), name);
    templates_->setMaxVisibleItems(30);
    connect(templates_, &QComboBox::activated, this,
            [this](int index) { chooseTemplate(templates_->itemData(index).toString()); });
    auto* templateLabel = new QLabel(tr("T&emplate:"), this);
    templateLabel->setBuddy(templates_);

    title_ = new QLabel(this);
    title_->setWordWrap(true);
    title_->setAccessibleName(tr("Layout on the page"));
    QFont bold = title_->font();
    bold.setBold(true);
    title_->setFont(bold);

    // Half-page styles.
    auto* halves = new QGroupBox(tr("Half-page styles"), this);
    top_ = new QRadioButton(tr("Select T&op Half Style"), halves);
    bottom_ = new QRadioButton(tr("Select &Bottom Half Style"), halves);
    top_->setAccessibleName(tr("Select Top Half Style"));
    bottom_->setAccessibleName(tr("Select Bottom Half Style"));
    auto* halfGroup = new QButtonGroup(this);
    halfGroup->addButton(top_);
    halfGroup->addButton(bottom_);
    connect(top_, &QRadioButton::clicked, this, [this] { selectHalf(true); });
    connect(bottom_, &QRadioButton::clicked, this, [this] { selectHalf(false); });
    auto* styleGroup = new QButtonGroup(this);
    auto* grid = new QGridLayout(halves);
    grid->addWidget(top_, 0, 0);
    grid->addWidget(bottom_, 0, 1);
    int i = 0;
    for (const StyleEntry& e : kStyles) {
        const QString label = e.label ? tr(e.label) : halfPageStyleDisplayName(e.style);
        auto* b = new QPushButton(label, halves);
        b->setCheckable(true);
        b->setAutoDefault(false);
        b->setAccessibleName(label);
        b->setToolTip(tr("Half-page style %1").arg(e.style));
        styleGroup->addButton(b);
        const int style = e.style;
        connect(b, &QPushButton::clicked, this, [this, style] { chooseStyle(style); });
        grid->addWidget(b, 1 + i / 2, i % 2);
        styles_.push_back({e.style, b});
        ++i;
    }

    // Paper size, border, what is drawn.
    paper_ = new QLineEdit(this);
    paper_->setReadOnly(true);
    paper_->setAccessibleName(tr("Paper size"));
    border_ = new QLineEdit(this);
    border_->setAccessibleName(tr("Border (inches)"));
    border_->setToolTip(tr("White border around each photo, 0.0 to 0.15 inches"));
    border_->installEventFilter(this);
    auto* form = new QFormLayout;
    form->addRow(templateLabel, templates_);
    form->addRow(tr("Paper size:"), paper_);
    auto* borderLabel = new QLabel(tr("Bor&der (inches)"), this);
    borderLabel->setBuddy(border_);
    form->addRow(borderLabel, border_);

    auto* draw = new QGroupBox(tr("Draw"), this);
    gridOnly_ = new QRadioButton(tr("Grid Onl&y"), draw);
    gridAndPhotos_ = new QRadioButton(tr("&Grid + Photos"), draw);
    photosOnly_ = new QRadioButton(tr("Photos On&ly"), draw);
    singleImage_ = new QCheckBox(tr("Use Single I&mage"), draw);
    singleImage_->setAccessibleName(tr("Use Single Image"));
    singleImage_->setToolTip(tr("Put the same photo into every slot"));
    auto* drawGroup = new QButtonGroup(this);
    auto* drawRow = new QHBoxLayout(draw);
    for (QRadioButton* r : {gridOnly_, gridAndPhotos_, photosOnly_}) {
        drawGroup->addButton(r);
        r->setAccessibleName(r->text().remove(QLatin1Char('&')));
        drawRow->addWidget(r);
        connect(r, &QRadioButton::clicked, this, [this] {
            AppSettings& s = sheet_.settings();
            s.PhotoGridOnly = gridOnly_->isChecked() ? 1 : 0;
            s.PhotosOnly = photosOnly_->isChecked() ? 1 : 0;
            sheet_.reDraw();
        });
    }
    drawRow->addWidget(singleImage_);
    connect(singleImage_, &QCheckBox::clicked, this, [this](bool on) {
        // The same step as the image list page's, so both pages start the page alike.
        sheet_.imageListPage()->singleImageToggled(on);
    });

    auto* colours = new QGroupBox(tr("Colours"), this);
    auto* colourGrid = new QGridLayout(colours);
    const struct {
        const SettingKey* key;
        ColorRef AppSettings::*field;
        const char* label;
    } colourDefs[] = {
        {&setting::LayoutGridColor, &AppSettings::LayoutGridColor, QT_TR_NOOP("Grid / Text Color")},
        {&setting::FilmStripBkgndCol, &AppSettings::FilmStripBkgndCol,
         QT_TR_NOOP("Negative Strip Background")},
        {&setting::FilmTextColor, &AppSettings::FilmTextColor, QT_TR_NOOP("Negative StripText")},
        {&setting::FilmStripOutlineCol, &AppSettings::FilmStripOutlineCol,
         QT_TR_NOOP("Negative StripOutline")},
    };
    int n = 0;
    for (const auto& d : colourDefs) {
        auto* b = new QPushButton(tr(d.label), colours);
        b->setAccessibleName(tr(d.label));
        b->setToolTip(tr("Choose the colour"));
        b->setAutoDefault(false);
        colours_.push_back({d.key, d.field, b});
        colourGrid->addWidget(b, n / 2, n % 2);
        ++n;
    }
    for (std::size_t k = 0; k < colours_.size(); ++k) {
        connect(colours_[k].button, &QPushButton::clicked, this, [this, k] { pickColour(colours_[k]); });
        paintSwatch(colours_[k]);
    }

    auto* column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addWidget(title_);
    column->addWidget(halves);
    column->addWidget(draw);
    column->addWidget(colours);
    column->addStretch(1);

    showTemplateName();
    readSwitches();
    lastBorder_ = sheet_.settings().PhotoBorder;
    border_->setText(QString::asprintf("%.2f", lastBorder_));
    setPageSizesText();
    refreshHalfPageState();
    updateTitle();
}

void CPPageTemplateControl::readSwitches() {
    const AppSettings& s = sheet_.settings();
    gridOnly_->setChecked(s.PhotoGridOnly != 0);
    photosOnly_->setChecked(s.PhotoGridOnly == 0 && s.PhotosOnly != 0);
    gridAndPhotos_->setChecked(s.PhotoGridOnly == 0 && s.PhotosOnly == 0);
    singleImage_->setChecked(s.UseSingleImage != 0);
}

void CPPageTemplateControl::pageShown() {
    readSwitches();
}

void CPPageTemplateControl::showTemplateName() {
    const QString name = sheet_.settings().FullPageTemplateSel;
    const int index = templates_->findData(name);
    if (index >= 0) templates_->setCurrentIndex(index);
}

void CPPageTemplateControl::updateTitle() {
    title_->setText(layout_setup::templatesTitle(sheet_.settings()));
}

void CPPageTemplateControl::setPageSizesText() {
    paper_->setText(layout_setup::paperSizeText(sheet_.settings()));
}

QPushButton* CPPageTemplateControl::styleButton(int style) const {
    for (const StyleButton& s : styles_)
        if (s.style == style) return s.button;
    return nullptr;
}

QPushButton* CPPageTemplateControl::colourButton(const SettingKey& key) const {
    for (const ColourButton& c : colours_)
        if (c.key == &key) return c.button;
    return nullptr;
}

void CPPageTemplateControl::refreshHalfPageState() {
    const AppSettings& s = sheet_.settings();
    const bool fullPage = isFullPage(s.FullPageTemplateSel);
    if (fullPage) {
        // Exclusive groups keep one button checked; lift that to clear them all.
        for (QAbstractButton* b :
             {static_cast<QAbstractButton*>(top_), static_cast<QAbstractButton*>(bottom_)}) {
            b->group()->setExclusive(false);
            b->setChecked(false);
            b->group()->setExclusive(true);
        }
        for (StyleButton& sb : styles_) {
            sb.button->group()->setExclusive(false);
            sb.button->setChecked(false);
            sb.button->group()->setExclusive(true);
            sb.button->setEnabled(false);
        }
        return;
    }
    top_->setChecked(true);
    for (StyleButton& sb : styles_) {
        sb.button->setEnabled(true);
        sb.button->setChecked(sb.style == s.TopPageStyle);
    }
}

void CPPageTemplateControl::selectHalf(bool top) {
    AppSettings& s = sheet_.settings();
    const bool wasFullPage = isFullPage(s.FullPageTemplateSel);
    chooseHalfPageStyles(s, &sheet_.document().store(), s.TopPageStyle, s.BottomPageStyle);
    singleImage_->setChecked(false);
    setPageSizesText();
    showTemplateName();
    (top ? top_ : bottom_)->setChecked(true);
    const int style = top ? s.TopPageStyle : s.BottomPageStyle;
    for (StyleButton& sb : styles_) {
        sb.button->setEnabled(true);
        sb.button->setChecked(sb.style == style);
    }
    sheet_.document().dropPage();
    if (wasFullPage) sheet_.reDraw();
}

void CPPageTemplateControl::chooseStyle(int style) {
    AppSettings& s = sheet_.settings();
    if (top_->isChecked())
        s.TopPageStyle = style;
    else
        s.BottomPageStyle = style;
    if (QPushButton* b = styleButton(style)) b->setChecked(true);
    sheet_.applyTemplateAndRedraw();
}

void CPPageTemplateControl::chooseTemplate(const QString& name) {
    AppSettings& s = sheet_.settings();
    PrintDocument& doc = sheet_.document();
    const TemplatePageSizes sizes = pageSizesForTemplate(name, s.UserWidth, s.UserHeight);
    if (sizes.asksUserSize && sheet_.context().askUserPageSize) sheet_.context().askUserPageSize();
    const TemplateChoice choice = chooseFullPageTemplate(s, &doc.store(), name);
    showTemplateName();
    refreshHalfPageState();
    setPageSizesText();
    // Asked while the page on display still stands: the notice's own event loop would
    // draw a dropped page from the list's next photo, and the redraw would start there.
    if (choice.borderless && sheet_.context().checkBorderless) sheet_.context().checkBorderless();
    doc.dropPage();
    sheet_.reDraw();
}

bool CPPageTemplateControl::eventFilter(QObject* watched, QEvent* event) {
    // Another window taking the focus is no end of editing: the field gets it back.
    if (watched == border_ && event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason)
        borderEdited();
    return QWidget::eventFilter(watched, event);
}

void CPPageTemplateControl::borderEdited() {
    double value = 0;
    Notifier* notifier = sheet_.context().services.notifier;
    const bool number = parseInches(border_->text(), value);
    if (number && layout_setup::borderAccepted(value)) {
        AppSettings& s = sheet_.settings();
        s.PhotoBorder = value;
        lastBorder_ = value;
        s.write(sheet_.document().store(), setting::PhotoBorder);
        return;
    }
    // Put the accepted value back before the message, so the field never shows a refused one.
    border_->setText(QString::asprintf("%.2f", lastBorder_));
    if (notifier)
        notifier->plainOk(number ? layout_setup::borderRefusedText(value) : tr("Please enter a number."));
}

void CPPageTemplateControl::pickColour(ColourButton& c) {
    AppSettings& s = sheet_.settings();
    ColorRef colour = s.*(c.field);
    if (!sheet_.context().chooseColor || !sheet_.context().chooseColor(colour, c.button->accessibleName()))
        return;
    s.*(c.field) = colour;
    s.write(sheet_.document().store(), *c.key);
    paintSwatch(c);
}

void CPPageTemplateControl::paintSwatch(const ColourButton& c) {
    c.button->setIcon(layout_setup::colourSwatch(sheet_.settings().*(c.field)));
}
