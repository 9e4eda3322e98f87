// Print projects come from anywhere: the reader must take any bytes, and whatever it
// accepts must be in range and read back the same after writing.
#include <QByteArray>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "core/AppSettings.h"
#include "document/PrintProject.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString file = QStringLiteral("/projects/job.svp");
    PrintProject project;
    QString error;
    if (!parseProjectText(bytes, file, AppSettings{}, project, error)) {
        if (!error.startsWith(QLatin1String("line "))) __builtin_trap();
        return 0;
    }
    if (project.photos.isEmpty() || project.place < 1 || project.place > project.photos.size())
        __builtin_trap();
    for (const auto& [place, entry] : project.framings.entries())
        if (place < 1 || place > project.photos.size() || !isValidFraming(entry.framing)) __builtin_trap();
    if (!(project.settings.CanvasWidth >= 0) || !std::isfinite(project.settings.MaxTemplateWidthIn))
        __builtin_trap();

    PrintProject again;
    if (!parseProjectText(writeProjectText(project, file), file, AppSettings{}, again, error))
        __builtin_trap();
    if (again.photos != project.photos || !(again.framings == project.framings) ||
        again.place != project.place)
        __builtin_trap();
    return 0;
}
