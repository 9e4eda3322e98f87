#include "CupsTestSupport.h"

#include <cups/cups.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <algorithm>
#include <vector>

void useCupsServer(const QByteArray& server) {
    // libcups remembers the server and its connection per thread; this drops both.
    cupsSetServer(server.isEmpty() ? nullptr : server.constData());
}

void CupsServerTest::SetUp() {
    ASSERT_TRUE(dir_.isValid());
    QProcess script;
    script.start(QStringLiteral("bash"),
                 QStringList{QStringLiteral(SNAPVALE_CUPS_SERVER_SCRIPT), QStringLiteral("start"),
                             dir_.path(), QString::number(queueCount_)} +
                     queuePpds_);
    ASSERT_TRUE(script.waitForFinished(60000)) << "the scheduler script did not finish";
    const QString errors = QString::fromLocal8Bit(script.readAllStandardError()).trimmed();
    if (script.exitCode() == 2) {
        // A machine that cannot run a scheduler skips, except where the run says it must.
        if (qEnvironmentVariableIntValue("SNAPVALE_REQUIRE_CUPS") == 1)
            FAIL() << "SNAPVALE_REQUIRE_CUPS=1 but no CUPS scheduler: " << errors.toStdString();
        GTEST_SKIP() << "no private CUPS scheduler: " << errors.toStdString();
    }
    ASSERT_EQ(script.exitCode(), 0) << errors.toStdString();
    started_ = true;

    QFile env(dir_.filePath(QStringLiteral("env")));
    ASSERT_TRUE(env.open(QIODevice::ReadOnly));
    for (const QByteArray& line : env.readAll().split('\n')) {
        const qsizetype eq = line.indexOf('=');
        if (eq < 0) continue;
        const QByteArray key = line.left(eq), value = line.mid(eq + 1);
        if (key == "CUPS_SERVER") server_ = value;
        if (key == "QUEUE") queue_ = QString::fromUtf8(value);
        if (key == "QUEUE2") queue2_ = QString::fromUtf8(value);
        if (key.startsWith("QUEUE")) queues_ << QString::fromUtf8(value);
        if (key == "OUT") outDir_ = QString::fromUtf8(value);
    }
    ASSERT_FALSE(server_.isEmpty());
    ASSERT_FALSE(queue_.isEmpty());
    ASSERT_FALSE(outDir_.isEmpty());
    if (queueCount_ > 1) {
        ASSERT_FALSE(queue2_.isEmpty());
    }
    // Child processes (the command line) find it through the environment.
    qputenv("CUPS_SERVER", server_);
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
    useCupsServer(server_);
}

void CupsServerTest::TearDown() {
    if (!started_) return;
    QProcess script;
    script.start(QStringLiteral("bash"),
                 {QStringLiteral(SNAPVALE_CUPS_SERVER_SCRIPT), QStringLiteral("stop"), dir_.path()});
    script.waitForFinished(30000);
    qunsetenv("CUPS_SERVER");
    useCupsServer({});
}

void CupsServerTest::runTool(const QString& program, const QStringList& args) {
    QProcess tool;
    tool.start(program, args);
    ASSERT_TRUE(tool.waitForFinished(30000)) << program.toStdString() << " did not finish";
    ASSERT_EQ(tool.exitCode(), 0) << program.toStdString() << ": "
                                  << tool.readAllStandardError().toStdString();
}

void CupsServerTest::setStateReasons(const QString& queue, const QStringList& reasons) {
    ipp_t* request = ippNewRequest(IPP_OP_CUPS_ADD_MODIFY_PRINTER);
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0, "/printers/%s",
                     queue.toUtf8().constData());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    std::vector<QByteArray> values;
    std::vector<const char*> pointers;
    for (const QString& r : reasons) values.push_back(r.toUtf8());
    for (const QByteArray& v : values) pointers.push_back(v.constData());
    ippAddStrings(request, IPP_TAG_PRINTER, IPP_TAG_KEYWORD, "printer-state-reasons", int(pointers.size()),
                  nullptr, pointers.data());
    ippDelete(cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/admin/"));
    ASSERT_LE(cupsLastError(), IPP_STATUS_OK_CONFLICTING) << cupsLastErrorString();
}

int activeJobCount(const QString& queue) {
    cups_job_t* jobs = nullptr;
    const QByteArray name = queue.toUtf8();
    const int n = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.isEmpty() ? nullptr : name.constData(), 0,
                               CUPS_WHICHJOBS_ACTIVE);
    if (jobs) cupsFreeJobs(std::max(n, 0), jobs);
    return n;
}

bool CupsServerTest::waitForEmptyQueue(int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        if (activeJobCount(QString()) == 0) return true;
        QThread::msleep(200);
    }
    return false;
}

QStringList CupsServerTest::waitForPdfs(int count, int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    QStringList found;
    while (!deadline.hasExpired()) {
        // A PDF is whole once its job has left the queue.
        if (waitForEmptyQueue(int(std::max<qint64>(deadline.remainingTime(), 1)))) {
            QFileInfoList files = QDir(outDir_).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files);
            std::sort(files.begin(), files.end(), [](const QFileInfo& a, const QFileInfo& b) {
                return a.lastModified() != b.lastModified() ? a.lastModified() < b.lastModified()
                                                            : a.fileName() < b.fileName();
            });
            found.clear();
            for (const QFileInfo& f : files) found << f.absoluteFilePath();
            if (found.size() >= count) return found;
        }
        QThread::msleep(200);
    }
    return found;
}

bool readPdfInfo(const QString& pdf, PdfInfo& info) {
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {pdf});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return false;
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("Pages:"))) info.pages = line.mid(6).trimmed().toInt();
        if (line.startsWith(QLatin1String("Page size:"))) {
            // "Page size:      595.276 x 841.89 pts (A4)"
            const QStringList parts = line.mid(10).simplified().split(QLatin1Char(' '));
            if (parts.size() >= 3) info.pageSizePoints = QSizeF(parts[0].toDouble(), parts[2].toDouble());
        }
    }
    return info.pages > 0;
}

QImage renderPdfPage(const QString& pdf, int page, int dpi) {
    const QString prefix = pdf + QStringLiteral("-render");
    QProcess p;
    p.start(QStringLiteral("pdftoppm"), {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                         QString::number(page), QStringLiteral("-r"), QString::number(dpi),
                                         QStringLiteral("-singlefile"), QStringLiteral("-png"), pdf, prefix});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
    QImage image(prefix + QStringLiteral(".png"));
    QFile::remove(prefix + QStringLiteral(".png"));
    return image.convertToFormat(QImage::Format_RGB32);
}

QRect findColour(const QImage& image, QRgb colour, int tolerance) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = row[x];
            if (std::abs(qRed(p) - qRed(colour)) <= tolerance &&
                std::abs(qGreen(p) - qGreen(colour)) <= tolerance &&
                std::abs(qBlue(p) - qBlue(colour)) <= tolerance)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

bool isBlank(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qRed(row[x]) < 240 || qGreen(row[x]) < 240 || qBlue(row[x]) < 240) return false;
    }
    return !image.isNull();
}

QString completedJobTitle(const QString& queue) {
    cups_job_t* jobs = nullptr;
    const QByteArray name = queue.toUtf8();
    const int n = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, name.constData(), 0, CUPS_WHICHJOBS_COMPLETED);
    QString title;
    if (n > 0) title = QString::fromUtf8(jobs[n - 1].title);
    if (jobs) cupsFreeJobs(std::max(n, 0), jobs);
    return title;
}
