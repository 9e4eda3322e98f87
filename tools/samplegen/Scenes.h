#pragma once
#include <QImage>
#include <QString>

namespace samplegen {

struct Scene {
    const char* fileName;  // also picks the format by its extension
    int width;
    int height;
    void (*paint)(QImage& image);
};

// Every sample photo we ship, in the order of their file names.
const Scene* scenes(int* count);
const Scene* findScene(const QString& fileName);

}  // namespace samplegen
