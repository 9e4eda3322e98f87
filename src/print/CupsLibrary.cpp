#include "print/CupsLibrary.h"

#include <dlfcn.h>

namespace {
template <typename F>
bool resolve(void* handle, const char* name, F& target) {
    target = reinterpret_cast<F>(dlsym(handle, name));
    return target != nullptr;
}

const CupsLibrary* load() {
    // Qt's print plugin loads the same library; dlopen hands back that copy, so
    // libcups's per-thread state (server, last error) is shared with it.
    void* handle = dlopen("libcups.so.2", RTLD_NOW | RTLD_LOCAL);
    if (!handle) return nullptr;
    static CupsLibrary lib;
    const bool ok =
        resolve(handle, "cupsGetNamedDest", lib.getNamedDest) &&
        resolve(handle, "cupsFreeDests", lib.freeDests) &&
        resolve(handle, "cupsCopyDestInfo", lib.copyDestInfo) &&
        resolve(handle, "cupsFindDestDefault", lib.findDestDefault) &&
        resolve(handle, "cupsFreeDestInfo", lib.freeDestInfo) &&
        resolve(handle, "cupsGetJobs2", lib.getJobs2) && resolve(handle, "cupsFreeJobs", lib.freeJobs) &&
        resolve(handle, "cupsLastError", lib.lastError) && resolve(handle, "cupsGetOption", lib.getOption) &&
        resolve(handle, "ippGetValueTag", lib.ippValueTag) &&
        resolve(handle, "ippGetResolution", lib.ippResolution);
    // The handle stays open for the life of the process either way.
    return ok ? &lib : nullptr;
}
}  // namespace

const CupsLibrary* cupsLibrary() {
    static const CupsLibrary* const lib = load();
    return lib;
}
