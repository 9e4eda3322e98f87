#include "imagelist/DirectoryScan.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <iterator>

#include "core/Seams.h"
#include "core/SettingsStore.h"
#include "core/SettingsTable.h"
#include "core/WaitCursor.h"
#include "imagelist/ImageList.h"

namespace {

// The switches in the order they are tested, each with its extensions: the nine of
// old, then the phone photo formats.
struct ExtensionSwitch {
    const SettingKey* key;
    const char* extensions[2];
};
constexpr ExtensionSwitch kSwitches[] = {
    {&setting::JpgFilter, {"jpeg", "jpg"}},    {&setting::BmpFilter, {"bmp", nullptr}},
    {&setting::TgaFilter, {"tga", nullptr}},   {&setting::PcxFilter, {"pcx", nullptr}},
    {&setting::PngFilter, {"png", nullptr}},   {&setting::GifFilter, {"gif", nullptr}},
    {&setting::IconFilter, {"ico", nullptr}},  {&setting::TifFilter, {"tiff", "tif"}},
    {&setting::WmfFilter, {"wmf", nullptr}},   {&setting::HeicFilter, {"heic", nullptr}},
    {&setting::HeifFilter, {"heif", nullptr}}, {&setting::AvifFilter, {"avif", nullptr}},
};

// Whether the letters after the dot at position dot are ext, ignoring ASCII case.
bool extensionAt(const QString& path, qsizetype dot, const char* ext) {
    qsizetype i = dot + 1;
    for (; *ext; ++ext, ++i) {
        if (i >= path.size()) return false;
        char16_t c = path[i].unicode();
        if (c >= 'A' && c <= 'Z') c += 'a' - 'A';
        if (c != char16_t(*ext)) return false;
    }
    return true;
}

}  // namespace

bool AcceptsPhotoFile(const QString& path, SettingsStore& store) {
    // One pass over the dots of the path finds which extensions it holds; a switch
    // is then read only for an extension found. The answer is the same as reading
    // every switch and searching the lower-cased path for each extension.
    unsigned found = 0;
    for (qsizetype dot = path.indexOf(QLatin1Char('.'), 1); dot >= 0;
         dot = path.indexOf(QLatin1Char('.'), dot + 1)) {
        for (unsigned k = 0; k < std::size(kSwitches); ++k)
            for (const char* ext : kSwitches[k].extensions)
                if (ext && extensionAt(path, dot, ext)) found |= 1u << k;
    }
    if (!found) return false;
    for (unsigned k = 0; k < std::size(kSwitches); ++k)
        if ((found & (1u << k)) && readSettingInt(store, *kSwitches[k].key) != 0) return true;
    return false;
}

int BuildFromDirectory(ImageList& list, const QString& directory, const QString& resumePhoto,
                       SettingsStore& store, StatusSink* status) {
    WaitCursor wait;
    list.clear();
    QString dir = directory;
    if (!dir.endsWith(QLatin1Char('/'))) dir += QLatin1Char('/');

    // Plain files and links to them, hidden ones too, in the file system's order;
    // subfolders are not entered. Devices, pipes and dangling links are left out.
    QDirIterator it(dir, QDir::Files | QDir::Hidden);
    bool first = true;
    while (it.hasNext()) {
        it.next();
        const QString path = dir + it.fileName();
        if (AcceptsPhotoFile(path, store)) {
            list.append(path);
            if (!first && status)
                status->setPaneText(
                    0, QCoreApplication::translate("Status", "Adding file to image list: %1").arg(path));
        }
        first = false;
    }

    list.sort();
    if (status)
        status->setPaneText(
            0, QCoreApplication::translate("Status", "Image list contains %1 files.").arg(list.count()));
    list.setCursor(0);
    list.seekResume(resumePhoto);
    return list.count();
}
