#pragma once
#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "core/SettingsStore.h"

// A fixture with a fresh temporary folder and a settings store inside it.
class TempDirTest : public ::testing::Test {
protected:
    void SetUp() override;
    QString path(const QString& name) const { return dir_.filePath(name); }
    QString dirPath() const { return dir_.path(); }
    // Writes bytes into a file of the temporary folder and returns its path.
    QString writeFile(const QString& name, const QByteArray& bytes) const;
    // Writes count small JPEGs p0.jpg, p1.jpg, ... of different widths and returns their paths.
    QStringList writeSmallPhotos(int count) const;
    SettingsStore& store() { return *store_; }

private:
    QTemporaryDir dir_;
    std::unique_ptr<SettingsStore> store_;
};

QByteArray readFileBytes(const QString& path);
