#include "imagelist/HtmlExport.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <cmath>

#include "core/AppServices.h"
#include "core/FileOutput.h"
#include "core/ProgressWindow.h"
#include "core/Seams.h"
#include "core/WaitCursor.h"
#include "image/PhotoPixelSize.h"
#include "imagelist/ImageList.h"

QString htmlExportPath() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir().mkpath(folder);
    return folder + QStringLiteral("/snapvalelist.htm");
}

QString htmlVersionText() {
    return versionLine() + QStringLiteral(" - photo print layouts made with Snapvale");
}

QString htmlPageHead() {
    return QStringLiteral(
        "<html>\n<head>\n<meta HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=utf-8\">\n"
        "<title>Snapvale Image List Details</title>\n</head>\n"
        "<body LINK=\"#0000ff\" VLINK=\"#800080\" BGCOLOR=\"#ffffff\">\n"
        "<font FACE=\"Arial,Helvetica\" SIZE=\"2\">\n"
        "<p><!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML//EN\"><!--DocHeaderStart--></p>\n"
        "</font><div align=\"center\"><center>\n"
        "<table border=\"1\" width=\"95%\">\n"
        "  <tr>\n"
        "    <td width=\"100%\" colspan=\"5\"><p align=\"center\"><font color=\"#000080\"><font\n"
        "    face=\"Arial,Helvetica\" size=\"5\"><b>Snapvale</b></font><font    FACE=\"Arial,Helvetica\" "
        "SIZE=\"2\"><br></font>");
}

QString htmlTableHeader(const QString& versionText) {
    return QStringLiteral(
               "<table border=\"1\" cellpadding=\"0\" cellspacing=\"0\" width=\"100%\"><tr><td "
               "width=\"100%\" "
               "colspan=\"8\"><p align=\"center\">Snapvale Photo Image List</td></tr><tr><td width=\"100%\" "
               "colspan=\"8\"><p align=\"center\"><small>%1</small></td></tr><tr><td "
               "width=\"8%\"><small>Image "
               "#</small></td><td width=\"30%\"><small>Image File Name</small></td><td width=\"13%\"><p "
               "align=\"center\"><small>Photo Size</small></td><td width=\"12%\"><p "
               "align=\"center\"><small>Wallet "
               "2 x 3 in</small></td><td width=\"8%\"><p align=\"center\"><small>4 x 6 in</small></td><td "
               "width=\"8%\"><p align=\"center\"><small>5 x 7 in</small></td><td width=\"9%\"><p "
               "align=\"center\"><small>8 x 10 in</small></td><td width=\"12%\"><p "
               "align=\"center\"><small>Custom "
               "Size</small></td></tr>")
        .arg(versionText.toHtmlEscaped());
}

QString htmlTableRow(int number, const QString& path, const QString& sizeText) {
    // A file name is text, never markup: & < > and " are escaped.
    return QStringLiteral(
               "<tr><td width=\"8%\"><small>%1</small></td><td width=\"30%\"><small>%2</small></td><td "
               "width=\"13%\"><p align=\"center\"><small>%3</small></td><td width=\"12%\">&nbsp;</td><td "
               "width=\"8%\">&nbsp;</td><td width=\"8%\">&nbsp;</td><td width=\"9%\">&nbsp;</td><td "
               "width=\"12%\">&nbsp;</td></tr>")
        .arg(QString::number(number), path.toHtmlEscaped(), sizeText.toHtmlEscaped());
}

QString htmlPageTail() {
    return QStringLiteral(
        "</table>\n</center></div><font FACE=\"Arial,Helvetica\" SIZE=\"2\">\n</body>\n</font>\n</html>\n");
}

bool ExportImageListHtml(const ImageList& list, const Services& services, const QString& outputPath,
                         const std::function<bool()>& stopAsked) {
    WaitCursor wait;
    const QString versionText = htmlVersionText();
    const QString path = outputPath.isEmpty() ? htmlExportPath() : outputPath;

    FileOutput file(path);
    if (!file.open()) return false;
    // A page whose bytes did not reach the disk is said so with the system's reason;
    // the person would otherwise look for it in vain.
    auto reportWriteFailure = [&] {
        if (services.notifier)
            services.notifier->message(
                QStringLiteral("Snapvale Error: Web Page Not Saved"),
                QStringLiteral("Unable to write the web page:\n%1\n%2").arg(path, file.errorText()),
                MessageKind::Error);
    };
    auto put = [&](const QString& text) { file.write(text.toUtf8()); };

    std::unique_ptr<ProgressWindow> progress = services.progress ? services.progress->makeProgressWindow()
                                                                 : std::make_unique<SilentProgressWindow>();
    progress->create(QCoreApplication::translate("Status", "Photo Image List Web Page Progress"), true);
    progress->setRange(0, 100, 1);
    progress->setText(QCoreApplication::translate("Status", "Creating web page at location: \n%1").arg(path));

    put(htmlPageHead());
    put(htmlTableHeader(versionText));

    bool result = true;
    // The rows come from the list as it was when the export began: the progress
    // window lets input through, and nothing it lets through may pull a path away.
    const std::vector<QString> entries = list.entries();
    const int total = int(entries.size());
    for (int n = 1; n <= total; ++n) {
        const QString& photo = entries[static_cast<std::size_t>(n - 1)];
        const QString name = photo.mid(photo.lastIndexOf(QLatin1Char('/')) + 1);
        QString sizeText;
        {
            // The size a full load would report, read from the file's headers.
            int width = 0;
            int height = 0;
            if (ReadPhotoPixelSize(photo, width, height)) {
                progress->setText(
                    QCoreApplication::translate(
                        "Status",
                        "Web page location: %1\n\nCreating HTML table record %2 of %3 for photo: \n%4")
                        .arg(path, QString::number(n), QString::number(total), name));
                sizeText = QStringLiteral("[%1 x %2]").arg(width).arg(height);
            } else {
                progress->setText(
                    QCoreApplication::translate(
                        "Status",
                        "Web page location: %1\n\nHTML table record **error** %2 of %3 for photo: \n%4")
                        .arg(path, QString::number(n), QString::number(total), name));
                sizeText = QStringLiteral("[Load Error!]");
            }
        }
        progress->setPosition(static_cast<int>(std::trunc(n * 100.0 / total)));
        put(htmlTableRow(n, photo, sizeText));

        progress->pump(true);
        if (stopAsked && stopAsked()) progress->cancel();
        if (progress->cancelled()) {
            const Answer a =
                services.notifier
                    ? services.notifier->message(
                          QCoreApplication::translate("Messages",
                                                      "Photo Image List Web Page Progress Interrupt"),
                          QCoreApplication::translate("Messages", "Do you want to stop web page creation?"),
                          MessageKind::WarningQuestion)
                    : Answer::Yes;
            if (a == Answer::Yes) {
                result = false;
                break;
            }
            progress->clearCancelled();
        }
    }

    put(htmlPageTail());
    // A page that did not reach the disk completely is a failure, never a success;
    // one the person stopped is kept, shorter.
    const bool writeFailed = !file.commit();
    progress->destroy();
    if (writeFailed) {
        reportWriteFailure();
        result = false;
    }

    if (result && services.notifier) {
        const int button = services.notifier->plain(
            QCoreApplication::translate("Messages", "Photo Image List Webpage Finished"),
            QCoreApplication::translate("Messages", "The photo image webpage has been successfully created."),
            MessageIcon::Information, {QStringLiteral("OK"), QStringLiteral("Launch Browser")});
        if (button == 1 && services.launcher) services.launcher->openLocalFile(path);
    }
    return result;
}
