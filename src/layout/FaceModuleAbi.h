#pragma once
// The few C entry points of the face finder module (libsnapvale_faces.so), which the
// program opens only when a face is first looked for: the module pulls in OpenCV and
// its libraries, which nothing else of the program needs. Plain C types only, so the
// two sides share no C++ runtime objects and no exception ever crosses between them.

#ifdef __cplusplus
extern "C" {
#endif

typedef struct SnapvaleFaceRect {
    int x;
    int y;
    int width;
    int height;
} SnapvaleFaceRect;

// The interface version the module was built for; the program refuses any other.
#define SNAPVALE_FACES_ABI_VERSION 1
typedef int (*SnapvaleFacesAbiVersionFn)(void);
#define SNAPVALE_FACES_ABI_VERSION_SYMBOL "snapvale_faces_abi_version"

// Frontal faces in an 8-bit grey picture of width x height with `stride` bytes a row,
// found with the cascade file at cascadePath (UTF-8). Writes at most `capacity` boxes
// to `out`, largest first, and returns how many it wrote; -1 when the cascade cannot
// be read or the search failed. Safe to call from several threads at once.
typedef int (*SnapvaleFindFacesFn)(const char* cascadePath, const unsigned char* grey, int width, int height,
                                   int stride, SnapvaleFaceRect* out, int capacity);
#define SNAPVALE_FIND_FACES_SYMBOL "snapvale_find_faces"

#ifdef __cplusplus
}
#endif
