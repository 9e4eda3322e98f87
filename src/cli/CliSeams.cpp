#include "cli/CliSeams.h"

#include <unistd.h>

#include <cstdio>

#include "cli/CliCommand.h"

bool stderrIsTerminal() {
    return isatty(fileno(stderr)) != 0;
}

Answer CliNotifier::message(const QString& title, const QString& text, MessageKind kind) {
    cliError(title.isEmpty() ? text : title + QStringLiteral(": ") + text);
    if (kind == MessageKind::WarningQuestion) {
        const Answer a = assumeYes_ ? Answer::Yes : Answer::No;
        cliError(a == Answer::Yes ? QStringLiteral("  -> Yes (--yes)") : QStringLiteral("  -> No"));
        return a;
    }
    return Answer::Ok;
}

int CliNotifier::plain(const QString& title, const QString& text, MessageIcon, const QStringList& buttons) {
    cliError(title.isEmpty() ? text : title + QStringLiteral(": ") + text);
    const int yes = buttons.indexOf(QStringLiteral("Yes"));
    const int no = buttons.indexOf(QStringLiteral("No"));
    if (yes >= 0 && no >= 0) {
        cliError(assumeYes_ ? QStringLiteral("  -> Yes (--yes)") : QStringLiteral("  -> No"));
        return assumeYes_ ? yes : no;
    }
    return 0;
}

void CliStatusSink::setPaneText(int pane, const QString& text) {
    if (verbose_ && !text.isEmpty()) cliError(QStringLiteral("[%1] %2").arg(pane).arg(text));
}

void CliStatusSink::setIndicator(const QString& name) {
    indicator_ = name;
}

void CliStatusSink::setProgress(int position) {
    if (!stderrIsTerminal()) return;
    const int width = 40;
    const int filled = qBound(0, position, 100) * width / 100;
    std::fprintf(stderr, "\r[%s%s] %3d%%", QByteArray(filled, '#').constData(),
                 QByteArray(width - filled, ' ').constData(), qBound(0, position, 100));
    if (position >= 100) std::fputc('\n', stderr);
    std::fflush(stderr);
}

void CliStatusSink::setWindowTitle(const QString&) {}

void CliProgressWindow::doCreate(const QString& caption, bool) {
    caption_ = caption;
}
void CliProgressWindow::doSetCaption(const QString& caption) {
    caption_ = caption;
    if (stderrIsTerminal()) {
        std::fprintf(stderr, "\r%s", caption.toLocal8Bit().constData());
        std::fflush(stderr);
    }
}
void CliProgressWindow::doSetText(const QString&) {}
void CliProgressWindow::doSetBar(int, int, int, int) {}
void CliProgressWindow::doDestroy() {
    if (stderrIsTerminal()) std::fputc('\n', stderr);
}

bool CliLauncher::openLocalFile(const QString& path) {
    cliOut(path);
    return true;
}

bool CliLauncher::openUrl(const QString& url) {
    // As with files: the command line names what a desktop would have opened.
    cliOut(url);
    return true;
}
