#pragma once
// A private CUPS scheduler with one PDF queue for the printing tests, and readers
// for the PDF files it writes.

#include <gtest/gtest.h>

#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Points libcups of this process at the given server ("" = back to the environment's).
void useCupsServer(const QByteArray& server);

class CupsServerTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Waits until no queue holds an active job; false after the timeout.
    bool waitForEmptyQueue(int timeoutMs = 60000);
    // The PDFs in the output folder, oldest first, once `count` of them are there.
    QStringList waitForPdfs(int count, int timeoutMs = 60000);

    // Runs a CUPS tool (lpadmin, lp, cancel...) against the private scheduler.
    void runTool(const QString& program, const QStringList& args);
    // Gives the queue these printer-state-reasons, as a driver reporting on its printer would.
    void setStateReasons(const QString& queue, const QStringList& reasons);

    int queueCount_ = 1;     // queues to make; the first is the default
    QStringList queuePpds_;  // the PPDs of the first queues (the PDF printer's own for the rest)
    QString queue_;
    QString queue2_;
    QStringList queues_;  // all of them, in order
    QString outDir_;
    QByteArray server_;
    QString tempPath(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
    bool started_ = false;
};

// A scheduler with two queues, the first of them the default.
class TwoQueueTest : public CupsServerTest {
protected:
    TwoQueueTest() { queueCount_ = 2; }
};

struct PdfInfo {
    int pages = 0;
    QSizeF pageSizePoints;  // of the first page
};
bool readPdfInfo(const QString& pdf, PdfInfo& info);
// Renders one page of a PDF at the given resolution.
QImage renderPdfPage(const QString& pdf, int page, int dpi);
// The bounding box of the pixels within `tolerance` of `colour` on each channel; empty if none.
QRect findColour(const QImage& image, QRgb colour, int tolerance);
// Active jobs in the queue; -1 when it cannot be read.
int activeJobCount(const QString& queue);
// True when no pixel is darker than near-white.
bool isBlank(const QImage& image);
// The title of the queue's last completed job; empty when it has none.
QString completedJobTitle(const QString& queue);
