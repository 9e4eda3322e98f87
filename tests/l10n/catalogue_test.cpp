// The committed .ts files against the sources: every text the sources mark for
// translation has a finished translation that keeps what the program relies on
// (placeholders, the keyboard accelerator, the shortcut after a tab).

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <map>

namespace {

struct Message {
    QString context;
    QString source;
    QStringList translations;  // one, or one a plural form
    bool finished = false;
    bool stale = false;  // vanished or obsolete: no longer in the sources
};

std::vector<Message> readTs(const QString& path) {
    std::vector<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message current;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            current = Message{context, {}, {}, false, false};
        } else if (name == QLatin1String("source")) {
            current.source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            current.finished = type.isEmpty();
            current.stale = type == QLatin1String("vanished") || type == QLatin1String("obsolete");
            // Either plain text or <numerusform> children.
            QString text;
            while (!(xml.isEndElement() && xml.name() == QLatin1String("translation")) && !xml.atEnd()) {
                xml.readNext();
                if (xml.isCharacters()) text += xml.text();
                if (xml.isStartElement() && xml.name() == QLatin1String("numerusform"))
                    current.translations << xml.readElementText();
            }
            if (current.translations.isEmpty()) current.translations << text;
            messages.push_back(current);
        }
    }
    EXPECT_FALSE(xml.hasError()) << qPrintable(path) << ": " << qPrintable(xml.errorString());
    return messages;
}

// Qt's %1..%99 and %n, and printf conversions, in order of appearance.
QStringList placeholders(const QString& text) {
    static const QRegularExpression pattern(
        QStringLiteral("%(?:%|n|L?[0-9]{1,2}|[-+ #0]*[0-9]*(?:\\.[0-9]+)?(?:l|ll|h)?[dioufeEgGxXsc])"));
    QStringList found;
    for (auto it = pattern.globalMatch(text); it.hasNext();) found << it.next().captured();
    return found;
}

// The accelerator's '&', not counting a literal "&&".
bool hasAccelerator(const QString& text) {
    return QString(text).remove(QStringLiteral("&&")).contains(QLatin1Char('&'));
}

QString afterTab(const QString& text) {
    const int tab = text.indexOf(QLatin1Char('\t'));
    return tab < 0 ? QString() : text.mid(tab);
}

QStringList tsFiles() {
    return QString::fromUtf8(SNAPVALE_TS_FILES).split(QLatin1Char(';'), Qt::SkipEmptyParts);
}

}  // namespace

TEST(TranslationCatalogueTest, EveryTextOfTheSourcesHasAFinishedTranslation) {
    ASSERT_TRUE(QFileInfo(QStringLiteral(SNAPVALE_LUPDATE)).isExecutable())
        << "lupdate (qt6-l10n-tools) is needed to check the translations";
    ASSERT_FALSE(tsFiles().isEmpty());
    for (const QString& committed : tsFiles()) {
        SCOPED_TRACE(committed.toStdString());
        // lupdate over a copy, so texts the sources gained show up as unfinished and
        // texts they lost as vanished, without touching the committed file.
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const QString copy = dir.filePath(QFileInfo(committed).fileName());
        ASSERT_TRUE(QFile::copy(committed, copy));
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
        QProcess lupdate;
        lupdate.start(QStringLiteral(SNAPVALE_LUPDATE),
                      {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                       QStringLiteral(SNAPVALE_SOURCE_DIR "/src"), QStringLiteral("-ts"), copy});
        ASSERT_TRUE(lupdate.waitForFinished(120000));
        ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();

        const std::vector<Message> fresh = readTs(copy);
        ASSERT_GT(fresh.size(), 300u);  // the window's menus, dialogs and messages
        for (const Message& m : fresh) {
            if (m.stale) continue;
            EXPECT_TRUE(m.finished && !m.translations.join(QString()).isEmpty())
                << "no finished translation for [" << m.context.toStdString() << "] \""
                << m.source.toStdString()
                << "\"; refresh the .ts with the snapvale-update-translations target and translate it";
        }
        // What the sources no longer hold stays out of the committed file.
        for (const Message& m : readTs(committed))
            EXPECT_FALSE(m.stale) << "stale entry [" << m.context.toStdString() << "] \""
                                  << m.source.toStdString() << "\"";
        std::map<std::pair<QString, QString>, bool> inSources;
        for (const Message& m : fresh) inSources[{m.context, m.source}] = !m.stale;
        for (const Message& m : readTs(committed))
            EXPECT_TRUE((inSources[{m.context, m.source}]))
                << "[" << m.context.toStdString() << "] \"" << m.source.toStdString()
                << "\" is no longer in the sources";
    }
}

TEST(TranslationCatalogueTest, TranslationsKeepPlaceholdersAcceleratorsAndShortcuts) {
    for (const QString& committed : tsFiles()) {
        SCOPED_TRACE(committed.toStdString());
        const std::vector<Message> messages = readTs(committed);
        ASSERT_FALSE(messages.empty());
        for (const Message& m : messages) {
            const std::string where = "[" + m.context.toStdString() + "] \"" + m.source.toStdString() + "\"";
            for (const QString& t : m.translations) {
                // A lost or added argument would drop a value or crash a printf format.
                QStringList want = placeholders(m.source);
                QStringList got = placeholders(t);
                if (m.source.contains(QLatin1String("%n"))) {
                    // A plural form may spell the number out, but never needs another.
                    want.removeAll(QStringLiteral("%n"));
                    got.removeAll(QStringLiteral("%n"));
                }
                // printf formats are filled in order; Qt's %1.. may be moved about.
                if (!m.source.contains(QRegularExpression(QStringLiteral("%[0-9]")))) {
                    EXPECT_EQ(got, want) << where << " -> \"" << t.toStdString() << "\"";
                } else {
                    want.sort();
                    got.sort();
                    EXPECT_EQ(got, want) << where << " -> \"" << t.toStdString() << "\"";
                }
                EXPECT_EQ(hasAccelerator(t), hasAccelerator(m.source))
                    << where << " -> \"" << t.toStdString() << "\"";
                // The menu's shortcut is read from the source; the translation keeps it unchanged.
                EXPECT_EQ(afterTab(t), afterTab(m.source)) << where;
                // Texts around which the program adds its own spacing keep it.
                EXPECT_EQ(t.startsWith(QLatin1Char(' ')), m.source.startsWith(QLatin1Char(' '))) << where;
                EXPECT_EQ(t.endsWith(QLatin1Char(' ')), m.source.endsWith(QLatin1Char(' '))) << where;
                EXPECT_EQ(t.startsWith(QLatin1Char('\n')), m.source.startsWith(QLatin1Char('\n'))) << where;
                // Command tooltips are cut at 79 characters.
                if (m.context == QLatin1String("Commands")) {
                    EXPECT_LE(t.size(), 79) << where;
                }
            }
        }
    }
}

TEST(TranslationCatalogueTest, PlaceholderCheckSeesWhatAFaultyTranslationLoses) {
    // The checks above are only as good as the placeholder reader.
    const struct {
        const char* text;
        QStringList expected;
    } cases[] = {
        {"Slot %1: %2", {"%1", "%2"}},
        {"%n photo(s)", {"%n"}},
        {"Required Paper Size: %.02f in. x %.02f in.", {"%.02f", "%.02f"}},
        {"between %.2lf and %.2lf inches", {"%.2lf", "%.2lf"}},
        {"cropped to %ld %ld", {"%ld", "%ld"}},
        {"100% zoom and 100%% zoom", {"%%"}},
        {"no placeholders at all", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(placeholders(QString::fromUtf8(c.text)), c.expected) << c.text;
    EXPECT_TRUE(hasAccelerator(QStringLiteral("&Datei")));
    EXPECT_FALSE(hasAccelerator(QStringLiteral("Drucken && Speichern")));
    EXPECT_EQ(afterTab(QStringLiteral("Bildliste ö&ffnen...\tCtrl+O")), QStringLiteral("\tCtrl+O"));
}
