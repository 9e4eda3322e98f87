#include "document/PrintProject.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cmath>

#include "document/PrintDocument.h"
#include "layout/PageSetup.h"
#include "layout/TemplateCatalogue.h"

namespace {

const char kMagic[] = "snapvale-project";
constexpr qint64 kMaxProjectBytes = 8 * 1024 * 1024;
constexpr int kMaxPhotos = 1000000;

// One page-shaping setting as the project stores it: under the setting's own name.
struct Field {
    enum Kind { Int, Colour, Inches, Text };
    const char* name;
    Kind kind;
    int AppSettings::*number = nullptr;
    double AppSettings::*inches = nullptr;
    QString AppSettings::*text = nullptr;
    double min = 0;
    double max = 0;
};

constexpr Field intField(const char* name, int AppSettings::*m, int lo, int hi) {
    return Field{name, Field::Int, m, nullptr, nullptr, double(lo), double(hi)};
}
constexpr Field flag(const char* name, int AppSettings::*m) {
    return intField(name, m, 0, 1);
}
constexpr Field colour(const char* name, int AppSettings::*m) {
    return Field{name, Field::Colour, m, nullptr, nullptr, 0, double(0xffffff)};
}
constexpr Field inches(const char* name, double AppSettings::*m, double lo, double hi) {
    return Field{name, Field::Inches, nullptr, m, nullptr, lo, hi};
}
constexpr Field text(const char* name, QString AppSettings::*m) {
    return Field{name, Field::Text, nullptr, nullptr, m, 0, 0};
}

// Everything that changes what the page looks like. The template comes first so a
// reader sees the job at a glance.
const Field kFields[] = {
    text("FullPageTemplateSel", &AppSettings::FullPageTemplateSel),
    intField("TopPageStyle", &AppSettings::TopPageStyle, 123, 133),
    intField("BottomPageStyle", &AppSettings::BottomPageStyle, 123, 133),
    intField("PageResolution", &AppSettings::PageResolution, 1, 10000),
    inches("MaxPageWidthIn", &AppSettings::MaxPageWidthIn, 0.5, 100),
    inches("MaxPageHeightIn", &AppSettings::MaxPageHeightIn, 0.5, 100),
    inches("MaxTemplateWidthIn", &AppSettings::MaxTemplateWidthIn, 0.5, 100),
    inches("MaxTemplateHeightIn", &AppSettings::MaxTemplateHeightIn, 0.5, 100),
    inches("UserWidth", &AppSettings::UserWidth, 0.5, 100),
    inches("UserHeight", &AppSettings::UserHeight, 0.5, 100),
    inches("PhotoBorder", &AppSettings::PhotoBorder, 0, 0.15),
    flag("PhotoGridOnly", &AppSettings::PhotoGridOnly),
    flag("PhotosOnly", &AppSettings::PhotosOnly),
    flag("UseSingleImage", &AppSettings::UseSingleImage),
    flag("AutoCropOn", &AppSettings::AutoCropOn),
    flag("CropTop", &AppSettings::CropTop),
    flag("CropBottom", &AppSettings::CropBottom),
    flag("CropLeft", &AppSettings::CropLeft),
    flag("CropRight", &AppSettings::CropRight),
    flag("KeepFacesInFrame", &AppSettings::KeepFacesInFrame),
    flag("CutMarks", &AppSettings::CutMarks),
    flag("GrayscalePhotos", &AppSettings::GrayscalePhotos),
    flag("NegativeImage", &AppSettings::NegativeImage),
    flag("EmbossPhoto", &AppSettings::EmbossPhoto),
    flag("LightenPhoto", &AppSettings::LightenPhoto),
    flag("DarkenPhoto", &AppSettings::DarkenPhoto),
    flag("EdgePhoto", &AppSettings::EdgePhoto),
    flag("RepairPhoto", &AppSettings::RepairPhoto),
    intField("PhotoLighten", &AppSettings::PhotoLighten, -255, 255),
    intField("PhotoDarken", &AppSettings::PhotoDarken, -255, 255),
    intField("PhotoSharpen", &AppSettings::PhotoSharpen, 0, 100),
    intField("PhotoSoften", &AppSettings::PhotoSoften, 0, 100),
    flag("UseTextLogo", &AppSettings::UseTextLogo),
    flag("UseImageLogo", &AppSettings::UseImageLogo),
    intField("LogoLocation", &AppSettings::LogoLocation, 0, 3),
    text("WatermarkText", &AppSettings::WatermarkText),
    text("LogoFileName", &AppSettings::LogoFileName),
    colour("LogoColorref", &AppSettings::LogoColorref),
    colour("LogoTextColorref", &AppSettings::LogoTextColorref),
    colour("LayoutGridColor", &AppSettings::LayoutGridColor),
    colour("FilmTextColor", &AppSettings::FilmTextColor),
    colour("FilmStripBkgndCol", &AppSettings::FilmStripBkgndCol),
    colour("FilmStripOutlineCol", &AppSettings::FilmStripOutlineCol),
};

const Field* findField(const QString& name) {
    for (const Field& f : kFields)
        if (name == QLatin1String(f.name)) return &f;
    return nullptr;
}

// Texts stay on one line: backslash and line breaks are escaped.
QString escaped(const QString& s) {
    QString out;
    out.reserve(s.size());
    for (QChar c : s) {
        if (c == QLatin1Char('\\'))
            out += QLatin1String("\\\\");
        else if (c == QLatin1Char('\n'))
            out += QLatin1String("\\n");
        else if (c == QLatin1Char('\r'))
            out += QLatin1String("\\r");
        else
            out += c;
    }
    return out;
}

bool unescaped(const QString& s, QString& out) {
    out.clear();
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] != QLatin1Char('\\')) {
            out += s[i];
            continue;
        }
        if (++i >= s.size()) return false;
        const QChar c = s[i];
        if (c == QLatin1Char('\\'))
            out += QLatin1Char('\\');
        else if (c == QLatin1Char('n'))
            out += QLatin1Char('\n');
        else if (c == QLatin1Char('r'))
            out += QLatin1Char('\r');
        else
            return false;
    }
    return true;
}

QString number(double v) {
    return QString::number(v, 'g', 17);
}

// A finite decimal in [lo, hi].
bool parseDecimal(const QString& text, double lo, double hi, double& value) {
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v) || v < lo || v > hi) return false;
    value = v;
    return true;
}

bool parseInteger(const QString& text, double lo, double hi, int& value) {
    bool ok = false;
    const qlonglong v = text.trimmed().toLongLong(&ok);
    if (!ok || double(v) < lo || double(v) > hi) return false;
    value = int(v);
    return true;
}

QString rangeText(const Field& f) {
    if (f.kind == Field::Colour) return QStringLiteral("a colour from 0 to 16777215");
    if (f.kind == Field::Inches)
        return QStringLiteral("inches from %1 to %2").arg(number(f.min), number(f.max));
    return QStringLiteral("a whole number from %1 to %2").arg(number(f.min), number(f.max));
}

// Pan, pan, zoom, turns, each checked against its range.
bool parseFramingValues(const QStringList& parts, Framing& f, QString& what) {
    double v = 0;
    if (!parseDecimal(parts.value(0), -1, 1, v)) {
        what = QStringLiteral("the horizontal pan must be a number from -1 to 1: \"%1\"").arg(parts.value(0));
        return false;
    }
    f.panX = v;
    if (!parseDecimal(parts.value(1), -1, 1, v)) {
        what = QStringLiteral("the vertical pan must be a number from -1 to 1: \"%1\"").arg(parts.value(1));
        return false;
    }
    f.panY = v;
    if (parts.size() > 2) {
        if (!parseDecimal(parts[2], 1, Framing::kMaxZoom, v)) {
            what = QStringLiteral("the zoom must be a number from 1 to 4: \"%1\"").arg(parts[2]);
            return false;
        }
        f.zoom = v;
    }
    if (parts.size() > 3) {
        int t = 0;
        if (!parseInteger(parts[3], 0, 3, t)) {
            what = QStringLiteral("the quarter turns must be 0, 1, 2 or 3: \"%1\"").arg(parts[3]);
            return false;
        }
        f.turns = t;
    }
    return true;
}

}  // namespace

QByteArray writeProjectText(const PrintProject& p, const QString& projectFile) {
    const QDir dir = QFileInfo(projectFile).absoluteDir();
    QString out;
    out += QStringLiteral("%1 %2\n").arg(QLatin1String(kMagic)).arg(PrintProject::kVersion);
    for (const Field& f : kFields) {
        QString value;
        switch (f.kind) {
            case Field::Int:
            case Field::Colour:
                value = QString::number(p.settings.*f.number);
                break;
            case Field::Inches:
                value = number(p.settings.*f.inches);
                break;
            case Field::Text:
                value = escaped(p.settings.*f.text);
                break;
        }
        out += QLatin1String(f.name) + QLatin1Char('=') + value + QLatin1Char('\n');
    }
    for (const QString& photo : p.photos) {
        const QString rel = dir.relativeFilePath(photo);
        const bool below =
            !rel.startsWith(QLatin1String("../")) && rel != QLatin1String("..") && !QDir::isAbsolutePath(rel);
        out += QStringLiteral("photo=") + escaped(below ? rel : QDir::cleanPath(photo)) + QLatin1Char('\n');
    }
    for (const auto& [place, entry] : p.framings.entries()) {
        if (place > p.photos.size()) continue;
        const Framing& f = entry.framing;
        out += QStringLiteral("frame=%1 %2 %3 %4 %5\n")
                   .arg(place)
                   .arg(number(f.panX), number(f.panY), number(f.zoom))
                   .arg(f.turns);
    }
    out += QStringLiteral("place=%1\n").arg(p.place);
    out += QStringLiteral("end\n");
    return out.toUtf8();
}

bool parseProjectText(const QByteArray& bytes, const QString& projectFile, const AppSettings& base,
                      PrintProject& out, QString& error) {
    const QDir dir = QFileInfo(projectFile).absoluteDir();
    PrintProject p;
    p.settings = base;
    struct PendingFrame {
        int line;
        int place;
        Framing framing;
    };
    std::vector<PendingFrame> frames;
    int placeLine = 0;
    bool ended = false;
    const QString all = QString::fromUtf8(bytes);
    const QStringList lines = all.split(QLatin1Char('\n'));
    const auto fail = [&](int line, const QString& what) {
        error = QStringLiteral("line %1: %2").arg(line).arg(what);
        return false;
    };
    int lineNo = 0;
    for (QString line : lines) {
        ++lineNo;
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        if (lineNo == 1) {
            const QStringList head = line.split(QLatin1Char(' '));
            if (head.size() != 2 || head[0] != QLatin1String(kMagic))
                return fail(1, QStringLiteral("this is not a Snapvale print project"));
            int version = 0;
            if (!parseInteger(head[1], 1, 1e9, version))
                return fail(1, QStringLiteral("the format version is not a number: \"%1\"").arg(head[1]));
            if (version > PrintProject::kVersion)
                return fail(1, QStringLiteral("the project was made by a newer Snapvale (format %1; this one "
                                              "reads %2)")
                                   .arg(version)
                                   .arg(PrintProject::kVersion));
            continue;
        }
        if (ended) {
            if (!line.trimmed().isEmpty()) return fail(lineNo, QStringLiteral("text after \"end\""));
            continue;
        }
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        if (line == QLatin1String("end")) {
            ended = true;
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0) return fail(lineNo, QStringLiteral("expected name=value: \"%1\"").arg(line.left(80)));
        const QString key = line.left(eq);
        const QString value = line.mid(eq + 1);
        if (key == QLatin1String("photo")) {
            QString path;
            if (!unescaped(value, path) || path.isEmpty())
                return fail(lineNo, QStringLiteral("the photo's path is empty or badly escaped"));
            if (p.photos.size() >= kMaxPhotos) return fail(lineNo, QStringLiteral("too many photos"));
            p.photos << QDir::cleanPath(dir.absoluteFilePath(path));
        } else if (key == QLatin1String("frame")) {
            const QStringList parts = value.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            int place = 0;
            if (parts.size() != 5 || !parseInteger(parts[0], 1, kMaxPhotos, place))
                return fail(lineNo,
                            QStringLiteral("a framing is \"frame=PLACE PANX PANY ZOOM TURNS\": \"%1\"")
                                .arg(value.left(80)));
            Framing f;
            QString what;
            if (!parseFramingValues(parts.mid(1), f, what)) return fail(lineNo, what);
            frames.push_back({lineNo, place, f});
        } else if (key == QLatin1String("place")) {
            if (!parseInteger(value, 1, kMaxPhotos, p.place))
                return fail(lineNo, QStringLiteral("the list place must be a whole number from 1: \"%1\"")
                                        .arg(value.left(80)));
            placeLine = lineNo;
        } else if (const Field* f = findField(key)) {
            switch (f->kind) {
                case Field::Int:
                case Field::Colour: {
                    int v = 0;
                    if (!parseInteger(value, f->min, f->max, v))
                        return fail(
                            lineNo,
                            QStringLiteral("%1 must be %2: \"%3\"").arg(key, rangeText(*f), value.left(80)));
                    p.settings.*f->number = v;
                    break;
                }
                case Field::Inches: {
                    double v = 0;
                    if (!parseDecimal(value, f->min, f->max, v))
                        return fail(
                            lineNo,
                            QStringLiteral("%1 must be %2: \"%3\"").arg(key, rangeText(*f), value.left(80)));
                    p.settings.*f->inches = v;
                    break;
                }
                case Field::Text: {
                    QString v;
                    if (!unescaped(value, v))
                        return fail(lineNo, QStringLiteral("%1 is badly escaped").arg(key));
                    if (key == QLatin1String("FullPageTemplateSel") &&
                        v != QLatin1String(kHalfPageSelection) && !findFullPageTemplate(v))
                        return fail(lineNo, QStringLiteral("no template is called \"%1\"").arg(v.left(120)));
                    p.settings.*f->text = v;
                    break;
                }
            }
        } else {
            return fail(lineNo, QStringLiteral("unknown setting \"%1\"").arg(key.left(80)));
        }
    }
    if (!ended)
        return fail(lineNo,
                    QStringLiteral("the project ends before its last line (\"end\"): it is incomplete"));
    if (p.photos.isEmpty()) return fail(lineNo, QStringLiteral("the project holds no photos"));
    for (const PendingFrame& f : frames) {
        if (f.place > p.photos.size())
            return fail(f.line, QStringLiteral("the framing is for photo %1, but there are %2")
                                    .arg(f.place)
                                    .arg(p.photos.size()));
        p.framings.set(f.place, p.photos[f.place - 1], f.framing);
    }
    if (p.place > p.photos.size())
        return fail(placeLine, QStringLiteral("the list place %1 is past the last photo (%2)")
                                   .arg(p.place)
                                   .arg(p.photos.size()));
    // Half-page styles must be ones a page can hold.
    if (!isFullPage(p.settings.FullPageTemplateSel) &&
        (!isSelectableHalfPageStyle(p.settings.TopPageStyle) ||
         !isSelectableHalfPageStyle(p.settings.BottomPageStyle)))
        return fail(lineNo, QStringLiteral("the half-page styles must be 123 to 133"));
    // The canvas size and the index text height follow from the sizes read.
    const AppSettings& s = p.settings;
    setPageSizes(p.settings, nullptr, s.MaxPageWidthIn, s.MaxPageHeightIn, s.MaxTemplateWidthIn,
                 s.MaxTemplateHeightIn);
    out = std::move(p);
    return true;
}

bool loadProjectFile(const QString& path, const AppSettings& base, PrintProject& out, QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    if (file.size() > kMaxProjectBytes) {
        error = QStringLiteral("%1 is too big for a print project").arg(path);
        return false;
    }
    const QByteArray bytes = file.read(kMaxProjectBytes + 1);
    QString why;
    if (!parseProjectText(bytes, QFileInfo(path).absoluteFilePath(), base, out, why)) {
        error = QStringLiteral("%1: %2").arg(QFileInfo(path).fileName(), why);
        return false;
    }
    return true;
}

bool saveProjectFile(const QString& path, const PrintProject& project, QString& error) {
    // Written beside the old file and renamed over it, so a crash never leaves half a project.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    const QByteArray text = writeProjectText(project, QFileInfo(path).absoluteFilePath());
    if (file.write(text) != text.size() || !file.commit()) {
        error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

PrintProject projectOf(const PrintDocument& document) {
    PrintProject p;
    p.settings = document.settings();
    const ImageList& list = document.imageList();
    for (const QString& path : list.entries()) p.photos << QFileInfo(path).absoluteFilePath();
    p.framings = document.framings();
    const QString first = !list.pageFirstPhoto.isEmpty() ? list.pageFirstPhoto : list.currentPhoto;
    p.place = std::max(1, list.indexOf(first));
    return p;
}

QStringList applyProject(PrintDocument& document, const PrintProject& project) {
    QStringList present, missing;
    for (const QString& path : project.photos) (QFileInfo::exists(path) ? present : missing) << path;
    const QString startPhoto = project.photos.value(project.place - 1);

    AppSettings& s = document.settings();
    for (const Field& f : kFields) {
        switch (f.kind) {
            case Field::Int:
            case Field::Colour:
                s.*f.number = project.settings.*f.number;
                break;
            case Field::Inches:
                s.*f.inches = project.settings.*f.inches;
                break;
            case Field::Text:
                s.*f.text = project.settings.*f.text;
                break;
        }
    }
    setPageSizes(s, nullptr, s.MaxPageWidthIn, s.MaxPageHeightIn, s.MaxTemplateWidthIn,
                 s.MaxTemplateHeightIn);
    s.ImportedAlbum.clear();

    document.setImageList(present);
    // The framings are kept with their photos, so those after a missing photo move up with them.
    document.setFramings(project.framings);
    ImageList& list = document.imageList();
    const int at = list.indexOf(startPhoto);
    list.setCursor(at > 0 ? at - 1 : 0);
    list.currentPhoto.clear();
    list.takeNext();
    list.pageFirstPhoto = list.currentPhoto;
    list.selectedStartPhoto = list.currentPhoto;
    document.notifySettingsChanged();
    document.dropPage();
    return missing;
}

bool parseFrameArgument(const QString& text, int& place, Framing& framing, QString& error) {
    const qsizetype eq = text.indexOf(QLatin1Char('='));
    if (eq <= 0) {
        error = QStringLiteral("--frame takes N=PANX,PANY[,ZOOM[,TURNS]]: \"%1\"").arg(text);
        return false;
    }
    int n = 0;
    if (!parseInteger(text.left(eq), 1, kMaxPhotos, n)) {
        error = QStringLiteral("--frame %1: the photo's place must be a whole number from 1").arg(text);
        return false;
    }
    const QStringList parts = text.mid(eq + 1).split(QLatin1Char(','));
    if (parts.size() < 2 || parts.size() > 4) {
        error = QStringLiteral("--frame takes N=PANX,PANY[,ZOOM[,TURNS]]: \"%1\"").arg(text);
        return false;
    }
    Framing f;
    QString what;
    if (!parseFramingValues(parts, f, what)) {
        error = QStringLiteral("--frame %1: %2").arg(text, what);
        return false;
    }
    place = n;
    framing = f;
    return true;
}
