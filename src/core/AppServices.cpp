#include "core/AppServices.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include "core/Seams.h"

double programVersion() {
    return 252 * static_cast<double>(0.01f);
}

QString versionLine() {
    return QString::asprintf("[v %05.2f.%s]", programVersion(), kProgramBuild);
}

QString photoFileFilter() {
    return QStringLiteral(
        // Phone photos join the first entry too: it is the one the dialog opens with.
        "All Supported Graphics "
        "Files|*.BMP;*.GIF;*.ICO;*.JPG;*.PCX;*.PNG;*.TIF;*.TGA;*.WMF;*.HEIC;*.HEIF;*.AVIF|"
        "BMP (Bitmap Files) (*.BMP)|*.BMP|GIF Files(*.GIF)|*.GIF|Icon Files(*.ICO)|*.ICO|"
        "PCX Files(*.PCX)|*.PCX|PNG Files(*.PNG)|*.PNG|Jpeg Files(*.JPG)|*.JPG|Tga Files(*.TGA)|*.TGA|"
        "Tif Files(*.TIF)|*.TIF|Wmf (Windows Meta Files) (*.WMF)|*.WMF|"
        "HEIC Files(*.HEIC)|*.HEIC|HEIF Files(*.HEIF)|*.HEIF|AVIF Files(*.AVIF)|*.AVIF|");
}

QString helpDirectory(const QString& productDir) {
    const QString base = productDir.isEmpty() ? QDir::currentPath() : productDir;
    return base + QStringLiteral("/html");
}

bool helpAvailable(const QString& helpDir) {
    return QFileInfo(helpDir).isDir();
}

bool openHelpTopic(const QString& helpDir, const QString& name, Notifier& notifier, Launcher& launcher) {
    const QString path = helpDir + name;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        notifier.plainOk(
            QCoreApplication::translate("Messages", "Unable to locate context help topic:\n %1").arg(path));
        return false;
    }
    file.close();
    launcher.openLocalFile(path);
    return true;
}

bool ConfirmReplacingFile(const QString& chosen, const QString& written, Notifier* notifier) {
    if (written == chosen || !QFileInfo::exists(written)) return true;
    if (!notifier) return false;
    return notifier->plainYesNo(
               QCoreApplication::translate("Messages", "%1 already exists.\nDo you want to replace it?")
                   .arg(QFileInfo(written).fileName()),
               QCoreApplication::translate("Messages", "Confirm Save As")) == Answer::Yes;
}

qint64 freeDiskSpace(const QString& path, bool* ok) {
    QFileInfo info(path);
    QString probe = info.exists() ? info.absoluteFilePath() : info.absolutePath();
    while (!QFileInfo::exists(probe) && probe != QDir::rootPath()) probe = QFileInfo(probe).absolutePath();
    QStorageInfo storage(probe);
    const bool valid = storage.isValid() && storage.isReady();
    if (ok) *ok = valid;
    return valid ? storage.bytesAvailable() : 0;
}

void showListEmpty(Notifier& notifier, bool already) {
    notifier.message(QCoreApplication::translate("Messages", "Snapvale List Empty"),
                     already ? QCoreApplication::translate("Messages", "Your image list is already empty!")
                             : QCoreApplication::translate("Messages", "Your image list is empty!"),
                     MessageKind::Information);
}
