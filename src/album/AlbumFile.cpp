#include "album/AlbumFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>

#include "core/FileOutput.h"
#include "core/Seams.h"

namespace {

// The working thumbnail files are small; anything far larger is not ours.
constexpr qint64 kMaxThumbnailFileBytes = 64ll * 1024 * 1024;
// Chunk length of the line-limited readers: 2046 characters, the line end included.
constexpr int kShortLineLimit = 2046;

// The file is read as text: a CR right before a LF belongs to the line end.
QByteArray dropCrBeforeLf(const QByteArray& data) {
    QByteArray out;
    out.reserve(data.size());
    const char* p = data.constData();
    const qsizetype n = data.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (p[i] == '\r' && i + 1 < n && p[i + 1] == '\n') continue;
        out.append(p[i]);
    }
    return out;
}

// Everything written is text: every LF becomes CR LF, also one right after a CR.
QByteArray lfToCrLf(const QByteArray& data) {
    QByteArray out;
    out.reserve(data.size() + data.count('\n'));
    for (char c : data) {
        if (c == '\n') out.append('\r');
        out.append(c);
    }
    return out;
}

// Splits into line-limited chunks as a fixed line buffer reads them: at most
// kShortLineLimit bytes, ending after a LF when one comes first. A NUL ends the
// text of its chunk.
template <typename Fn>
void forEachShortLine(const QByteArray& text, Fn fn) {
    const char* p = text.constData();
    const qsizetype n = text.size();
    qsizetype pos = 0;
    while (pos < n) {
        qsizetype end = pos;
        while (end < n && end - pos < kShortLineLimit) {
            if (p[end++] == '\n') break;
        }
        QByteArray chunk(p + pos, end - pos);
        const qsizetype nul = chunk.indexOf('\0');
        if (nul >= 0) chunk.truncate(nul);
        fn(chunk);
        pos = end;
    }
}

bool isBlank(QChar c) {
    const char16_t u = c.unicode();
    return u == ' ' || u == '\t' || u == '\n' || u == '\v' || u == '\f' || u == '\r';
}

// Trims the ASCII blanks only, so a non-breaking space in a file name stays.
QString trimBlanks(const QString& s) {
    qsizetype b = 0;
    qsizetype e = s.size();
    while (b < e && isBlank(s[b])) ++b;
    while (e > b && isBlank(s[e - 1])) --e;
    return s.mid(b, e - b);
}

// The text after keyword up to the line's first ']', trimmed; empty when that
// bracket is missing or comes before the keyword ends.
QString bracketValue(const QString& line, const QString& keyword) {
    const QString trimmed = trimBlanks(line);
    const qsizetype k = trimmed.indexOf(keyword);
    const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
    if (k < 0 || close < 0) return QString();
    const qsizetype start = k + keyword.size();
    if (close < start) return QString();
    return trimBlanks(trimmed.mid(start, close - start));
}

bool readWholeFile(const QString& path, qint64 limit, QByteArray& out) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return false;
    if (f.size() > limit) return false;
    QByteArray data = f.readAll();
    if (data.size() > limit || f.error() != QFileDevice::NoError) return false;
    out = std::move(data);
    return true;
}

bool writeWholeFile(const QString& path, const QByteArray& data, QString* error = nullptr) {
    FileOutput f(path);
    const bool ok = f.open() && f.write(data) && f.commit();
    if (!ok && error) *error = f.errorText();
    return ok;
}

int hexDigitValue(unsigned char c) {
    return c < 58 ? int(c) - 48 : int(c) - 55;
}

}  // namespace

QString workingThumbnailFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

QString workingThumbnailJpegPath() {
    return workingThumbnailFolder() + QStringLiteral("/phoThumb.jpg");
}

QString workingThumbnailTextPath() {
    return workingThumbnailFolder() + QStringLiteral("/phoThumb.txt");
}

QString albumTimeText(const QDateTime& when) {
    static const char* const kDays[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const QDate d = when.date();
    const QTime t = when.time();
    if (!d.isValid() || !t.isValid()) return QString();
    return QString::asprintf("%s %s %02d %02d:%02d:%02d %04d", kDays[d.dayOfWeek() - 1],
                             kMonths[d.month() - 1], d.day(), t.hour(), t.minute(), t.second(), d.year());
}

QByteArray FormatAlbumFile(const Album& album, const QDateTime& when, const QByteArray& thumbnailText) {
    const QByteArray separator = QByteArray(59, '=') + '\n';
    QByteArray out;
    out += separator;
    out += "Snapvale Photo Album File\n";
    out += "[PM Update " + albumTimeText(when).toUtf8() + "]\n";
    out += "(Note - this file is auto generated - edit at your own risk!)\n";
    out += separator;
    out += "\n[PM Album Title " + album.title.toUtf8() + "]\n";
    out += "\n[[StartDescription]]\n";
    out += album.description.toUtf8();
    out += "\n[[EndDescription]]\n\n";
    int number = 0;
    for (const QString& path : album.files) {
        const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
        const QString name = slash < 0 ? path : path.mid(slash + 1);
        const QString folder = slash < 0 ? QString() : path.left(slash);
        out += QString::asprintf("[PM Image File %05d] root: ", ++number).toUtf8();
        out += name.toUtf8() + " path=" + folder.toUtf8() + '\n';
    }
    if (!thumbnailText.isNull()) {
        out += "\n[StartThumb]\n";
        out += dropCrBeforeLf(thumbnailText);
        out += "\n[EndThumb]\n";
    }
    return lfToCrLf(out);
}

bool WriteAlbumFile(const QString& fileName, const Album& album, const QDateTime& when,
                    const QString& thumbnailTextPath, QString* error) {
    QByteArray thumbnail;
    if (thumbnailTextPath.isEmpty() || !readWholeFile(thumbnailTextPath, kMaxThumbnailFileBytes, thumbnail))
        thumbnail = QByteArray();  // null: no thumbnail section
    else if (thumbnail.isNull())
        thumbnail = QByteArray("");  // an empty working text still gives the section
    return writeWholeFile(fileName, FormatAlbumFile(album, when, thumbnail), error);
}

AlbumReadResult ParseAlbumData(const QByteArray& data, QStringList& files) {
    static const QString kEndDescription = QStringLiteral("[[EndDescription]]");
    static const QString kStartDescription = QStringLiteral("[[StartDescription]]");
    static const QString kTitle = QStringLiteral("[PM Album Title");
    static const QString kUpdate = QStringLiteral("[PM Update");
    static const QString kRoot = QStringLiteral("root:");
    static const QString kPath = QStringLiteral("path=");

    AlbumReadResult result;
    QSet<QString> known(files.cbegin(), files.cend());
    bool inDescription = false;

    const QByteArray text = dropCrBeforeLf(data);
    const char* p = text.constData();
    const qsizetype n = text.size();
    qsizetype pos = 0;
    while (pos < n) {
        qsizetype end = text.indexOf('\n', pos);
        if (end < 0) end = n;
        const QString line = QString::fromUtf8(p + pos, end - pos);
        pos = end + 1;

        if (line.contains(kEndDescription)) {
            inDescription = false;
        } else if (inDescription) {
            // No separator: a CR that ended the stored line stays as the line break.
            result.description += line;
        } else if (line.contains(kTitle)) {
            result.title = bracketValue(line, kTitle);
        } else if (line.contains(kUpdate)) {
            result.lastUpdate = bracketValue(line, kUpdate);
        } else if (line.contains(kRoot) && line.contains(kPath)) {
            const QString t = trimBlanks(line);
            const qsizetype r = t.indexOf(kRoot) + kRoot.size();
            const qsizetype f = t.indexOf(kPath);
            const QString name = f > r ? trimBlanks(t.mid(r, f - r)) : QString();
            const QString folder = trimBlanks(t.mid(f + kPath.size()));
            const QString full = folder + QLatin1Char('/') + name;
            if (known.contains(full)) {
                ++result.duplicates;
            } else {
                known.insert(full);
                files.append(full);
            }
        } else if (line.contains(kStartDescription)) {
            inDescription = true;
        }
    }
    return result;
}

bool ReadAlbumFile(const QString& fileName, Album& album, QString& lastUpdate, Notifier* notifier) {
    QByteArray data;
    if (!readWholeFile(fileName, kMaxAlbumFileBytes, data)) return false;
    const AlbumReadResult r = ParseAlbumData(data, album.files);
    album.title = r.title;
    album.description = r.description;
    lastUpdate = r.lastUpdate;
    if (r.duplicates > 0 && notifier) {
        notifier->message(
            QCoreApplication::translate("Messages", "Duplicate Image File Warning"),
            QCoreApplication::translate("Messages", "%1 duplicate image files ignored]").arg(r.duplicates),
            MessageKind::Error);
    }
    return true;
}

AlbumSummary ParseAlbumSummary(const QByteArray& data) {
    AlbumSummary summary;
    forEachShortLine(dropCrBeforeLf(data), [&](const QByteArray& chunk) {
        if (chunk.contains("[PM Image File") && chunk.contains("path=")) ++summary.imageCount;
        if (chunk.contains("[PM Update")) {
            // The keyword and a blank in front, the bracket and the line end behind.
            const qsizetype len = chunk.size() - 11 - 2;
            summary.lastUpdate = len > 0 ? QString::fromUtf8(chunk.mid(11, len)) : QString();
        }
    });
    return summary;
}

bool ReadAlbumSummary(const QString& fileName, AlbumSummary& summary) {
    QByteArray data;
    if (!readWholeFile(fileName, kMaxAlbumFileBytes, data)) return false;
    summary = ParseAlbumSummary(data);
    return true;
}

QByteArray EncodeThumbnailData(const QByteArray& binary) {
    static const char kHex[] = "0123456789ABCDEF";
    QByteArray out;
    out.reserve(binary.size() * 2 + (binary.size() / 42 + 1) * 5 + 4);
    out += "{{";
    qsizetype count = 0;
    for (char c : binary) {
        const auto b = static_cast<unsigned char>(c);
        out += kHex[b >> 4];
        out += kHex[b & 15];
        if (++count % 42 == 0) out += "}}\n{{";
    }
    out += "}}\n";
    return out;
}

QByteArray DecodeThumbnailData(const QByteArray& text) {
    QByteArray out;
    forEachShortLine(dropCrBeforeLf(text), [&](const QByteArray& line) {
        if (!line.contains("{{") || !line.contains("}}")) return;
        // Pairs from the third character until a brace; a pair cut off by the
        // end of the line is not taken.
        for (qsizetype i = 2; i + 1 < line.size(); i += 2) {
            const auto hi = static_cast<unsigned char>(line[i]);
            const auto lo = static_cast<unsigned char>(line[i + 1]);
            if (hi == '}' || lo == '}') break;
            out += static_cast<char>((hexDigitValue(hi) * 16 + hexDigitValue(lo)) & 0xff);
        }
    });
    return out;
}

int EncodeThumbnail(const QString& binaryPath, const QString& textPath) {
    QByteArray binary;
    if (!readWholeFile(binaryPath, kMaxThumbnailFileBytes, binary)) return -1;
    QDir().mkpath(QFileInfo(textPath).absolutePath());
    return writeWholeFile(textPath, EncodeThumbnailData(binary)) ? 0 : -1;
}

int DecodeThumbnail(const QString& textPath, const QString& binaryPath) {
    QByteArray text;
    if (!readWholeFile(textPath, kMaxAlbumFileBytes, text)) return -1;
    QDir().mkpath(QFileInfo(binaryPath).absolutePath());
    return writeWholeFile(binaryPath, DecodeThumbnailData(text)) ? 0 : -1;
}
