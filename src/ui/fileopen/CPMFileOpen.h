#pragma once
// The program's file chooser: Qt's own file dialog with a panel beside the file list
// that previews the chosen photo or album ("Enable Preview", the preview, an
// information line and a status line) and, for the album editor, gathers files from
// several folders with "Add To Album".

#include <QFileDialog>
#include <QImage>

#include "core/Seams.h"
#include "ui/fileopen/FileOpenModel.h"

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;

class CPMFileOpen : public QFileDialog {
    Q_OBJECT
public:
    enum class Mode { OpenOne, OpenMany, Save };

    CPMFileOpen(const FileDialogRequest& request, Mode mode, QWidget* parent = nullptr);

    // What the caller takes on OK: the files gathered with "Add To Album", or, when
    // none were, the files selected.
    QStringList chosenFiles() const;
    const file_open::AlbumCollection& collection() const { return collection_; }

    bool previewEnabled() const;
    void setPreviewEnabled(bool on);
    // What a change of the chosen file name does while the preview is on.
    void showPreviewOf(const QString& path);
    // "Add To Album": the selected files gathered, duplicates skipped.
    void addToAlbum();

    QCheckBox* enablePreviewBox() const { return enablePreview_; }
    QWidget* previewArea() const { return previewArea_; }
    QLabel* informationLine() const { return information_; }
    QLabel* statusLine() const { return status_; }
    QPushButton* addToAlbumButton() const { return addToAlbum_; }
    QFrame* colourSwatch() const { return swatch_; }
    QPushButton* acceptButton() const;
    // The picture the preview area shows (null while it shows nothing).
    const QImage& previewPicture() const { return picture_; }

Q_SIGNALS:
    // "Enable Preview" was switched by the person.
    void previewSwitched(bool on);

protected:
    void accept() override;

private:
    void buildPanel(bool withAddToAlbum);
    void clearPreview();
    void keepAcceptEnabled();

    QCheckBox* enablePreview_ = nullptr;
    QWidget* previewArea_ = nullptr;
    QLabel* information_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* addToAlbum_ = nullptr;
    QFrame* swatch_ = nullptr;
    QImage picture_;
    QString shownPath_;
    file_open::AlbumCollection collection_;
};
