#include "ui/fileopen/CPMFileOpen.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

using namespace file_open;

namespace {

// Small enough to decode photos quickly at a reduced scale, large enough to tell them apart.
constexpr QSize kPreviewArea(220, 180);

class PreviewArea final : public QWidget {
public:
    PreviewArea(CPMFileOpen* dialog, QWidget* parent) : QWidget(parent), dialog_(dialog) {
        setFixedSize(kPreviewArea);
        setAccessibleName(QObject::tr("Preview"));
        setToolTip(QObject::tr("The chosen photo, or the album's thumbnail"));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), palette().window());
        const QImage& picture = dialog_->previewPicture();
        if (picture.isNull()) return;
        p.drawImage((width() - picture.width()) / 2, (height() - picture.height()) / 2, picture);
    }

private:
    CPMFileOpen* dialog_;
};

}  // namespace

CPMFileOpen::CPMFileOpen(const FileDialogRequest& request, Mode mode, QWidget* parent)
    : QFileDialog(parent, request.title) {
    setAccessibleName(request.title);
    const bool save = mode == Mode::Save;
    // The panel needs Qt's own dialog; the desktop's cannot take extra widgets.
    setOption(QFileDialog::DontUseNativeDialog, true);
    setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    setFileMode(mode == Mode::OpenMany ? QFileDialog::ExistingFiles
                : save                 ? QFileDialog::AnyFile
                                       : QFileDialog::ExistingFile);
    const QStringList filters = qtNameFilters(request.filter);
    if (!filters.isEmpty()) setNameFilters(filters);
    // The labels already name their patterns; repeating them in both cases is noise.
    setOption(QFileDialog::HideNameFilterDetails, true);
    if (!request.defaultExtension.isEmpty()) setDefaultSuffix(request.defaultExtension);
    if (!request.overwritePrompt) setOption(QFileDialog::DontConfirmOverwrite, true);

    const StartPlace place = startPlace(request.initialPath, request.fallbackFolder);
    setDirectory(place.folder);
    if (!place.fileName.isEmpty()) selectFile(place.fileName);

    if (save) return;
    buildPanel(request.addToAlbum);
    // Qt's own dialog starts small; with the panel beside it the names would be cut.
    resize(sizeHint().expandedTo(QSize(900, 500)));
    setPreviewEnabled(request.preview);
    connect(this, &QFileDialog::currentChanged, this, &CPMFileOpen::showPreviewOf);
    if (!place.fileName.isEmpty()) showPreviewOf(QDir(place.folder).filePath(place.fileName));
}

void CPMFileOpen::buildPanel(bool withAddToAlbum) {
    auto* grid = qobject_cast<QGridLayout*>(layout());
    if (!grid) return;
    auto* panel = new QWidget(this);
    panel->setAccessibleName(tr("Preview panel"));
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(6, 0, 0, 0);

    enablePreview_ = new QCheckBox(tr("Enable Pre&view"), panel);
    enablePreview_->setAccessibleName(tr("Enable Preview"));
    enablePreview_->setToolTip(tr("Show the chosen photo or album beside the list"));
    connect(enablePreview_, &QCheckBox::clicked, this, [this](bool on) {
        setPreviewEnabled(on);
        Q_EMIT previewSwitched(on);
    });
    column->addWidget(enablePreview_);

    previewArea_ = new PreviewArea(this, panel);
    column->addWidget(previewArea_, 0, Qt::AlignHCenter);

    information_ = new QLabel(panel);
    information_->setAccessibleName(tr("Information line"));
    information_->setToolTip(tr("The chosen file's name and size, or the album's number of photos"));
    information_->setWordWrap(true);
    information_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    information_->setFixedWidth(kPreviewArea.width());
    column->addWidget(information_);

    status_ = new QLabel(panel);
    status_->setAccessibleName(tr("Status line"));
    status_->setToolTip(tr("When the album was last saved, or how many files Add To Album has gathered"));
    status_->setWordWrap(true);
    status_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    status_->setFixedWidth(kPreviewArea.width());
    column->addWidget(status_);

    auto* row = new QHBoxLayout;
    addToAlbum_ = new QPushButton(tr("Add To A&lbum"), panel);
    addToAlbum_->setAccessibleName(tr("Add To Album"));
    addToAlbum_->setToolTip(
        tr("Gather the selected files for the album and go on choosing in other folders; "
           "OK then adds everything gathered"));
    addToAlbum_->setAutoDefault(false);
    addToAlbum_->setVisible(withAddToAlbum);
    connect(addToAlbum_, &QPushButton::clicked, this, &CPMFileOpen::addToAlbum);
    row->addWidget(addToAlbum_);
    row->addStretch(1);
    swatch_ = new QFrame(panel);
    swatch_->setFixedSize(24, 24);
    swatch_->setFrameShape(QFrame::Box);
    swatch_->setAutoFillBackground(true);
    swatch_->setAccessibleName(tr("Colour swatch"));
    swatch_->setToolTip(tr("Colour swatch"));
    row->addWidget(swatch_);
    column->addLayout(row);
    column->addStretch(1);

    grid->addWidget(panel, 0, grid->columnCount(), grid->rowCount(), 1);

    // Qt's own rules disable OK whenever nothing is selected; with files gathered
    // there is always something to take, so it is enabled again after them.
    for (auto signal :
         {&QFileDialog::currentChanged, &QFileDialog::directoryEntered, &QFileDialog::filterSelected})
        connect(this, signal, this, &CPMFileOpen::keepAcceptEnabled, Qt::QueuedConnection);
    if (auto* edit = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
        connect(edit, &QLineEdit::textChanged, this, &CPMFileOpen::keepAcceptEnabled, Qt::QueuedConnection);
        // A name typed or pasted into the field previews too, also one in another folder.
        connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) {
            const QString name = text.trimmed();
            if (name.isEmpty() || name.contains(QLatin1Char('"'))) return;
            showPreviewOf(QDir(directory().absolutePath()).absoluteFilePath(name));
        });
    }
}

QPushButton* CPMFileOpen::acceptButton() const {
    const auto* box = findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    if (!box) return nullptr;
    for (QAbstractButton* b : box->buttons())
        if (box->buttonRole(b) == QDialogButtonBox::AcceptRole) return qobject_cast<QPushButton*>(b);
    return nullptr;
}

void CPMFileOpen::keepAcceptEnabled() {
    if (collection_.isEmpty()) return;
    if (QPushButton* ok = acceptButton()) ok->setEnabled(true);
}

bool CPMFileOpen::previewEnabled() const {
    return enablePreview_ && enablePreview_->isChecked();
}

void CPMFileOpen::setPreviewEnabled(bool on) {
    if (!enablePreview_) return;
    enablePreview_->setChecked(on);
    if (!on) {
        clearPreview();
        return;
    }
    const QStringList selected = selectedFiles();
    if (!selected.isEmpty()) showPreviewOf(selected.first());
}

void CPMFileOpen::clearPreview() {
    picture_ = QImage();
    shownPath_.clear();
    if (information_) information_->clear();
    if (previewArea_) previewArea_->update();
}

void CPMFileOpen::showPreviewOf(const QString& path) {
    if (!previewEnabled() || path.isEmpty() || !QFileInfo(path).isFile()) return;
    const bool album = isAlbumName(path);
    // Several names typed in the name field come quoted; they are not one photo.
    if (!album && path.contains(QLatin1Char('"'))) return;
    // The list's selection and the name field both report the same choice.
    if (path == shownPath_) return;

    // The swatch and the area start from the dialog's face colour for every file.
    QPalette face = swatch_->palette();
    face.setColor(QPalette::Window, palette().color(QPalette::Window));
    swatch_->setPalette(face);
    picture_ = QImage();
    shownPath_ = path;
    if (album) {
        const AlbumPreview preview = readAlbumPreview(path);
        if (preview.read) {
            const QString update = lastUpdateLine(preview.lastUpdate);
            if (!update.isEmpty()) status_->setText(update);
            information_->setText(albumInformationLine(preview.imageCount));
            // An album saved before it had a thumbnail simply shows none.
            picture_ = fittedPicture(preview.thumbnail, previewArea_->size());
        } else {
            // Nothing of the file chosen before may stand beside this one.
            information_->clear();
        }
    } else {
        const PhotoPreview preview = loadPhotoPreview(path, previewArea_->size());
        if (preview.loaded) {
            picture_ = preview.picture;
            information_->setText(photoInformationLine(path, preview.fullWidth, preview.fullHeight));
        } else {
            information_->setText(unknownFormatLine(path));
        }
    }
    previewArea_->setAccessibleDescription(information_->text());
    previewArea_->update();
}

void CPMFileOpen::addToAlbum() {
    QStringList picked;
    // Files only: a folder's name may hold a full stop just as well.
    for (const QString& path : selectedFiles())
        if (QFileInfo(path).isFile()) picked << path;
    const int duplicates = collection_.add(picked);
    if (!collection_.isEmpty()) {
        setLabelText(QFileDialog::Accept, tr("&OK"));
        keepAcceptEnabled();
    }
    status_->setText(collection_.statusText(duplicates));
    for (auto* view : findChildren<QAbstractItemView*>()) {
        if (view->isVisible() && (view->objectName() == QLatin1String("listView") ||
                                  view->objectName() == QLatin1String("treeView"))) {
            view->setFocus(Qt::OtherFocusReason);
            break;
        }
    }
}

QStringList CPMFileOpen::chosenFiles() const {
    return collection_.isEmpty() ? selectedFiles() : collection_.files();
}

void CPMFileOpen::accept() {
    // With files gathered, OK takes them whatever the list shows at the moment.
    if (!collection_.isEmpty()) {
        QDialog::accept();
        return;
    }
    QFileDialog::accept();
}
