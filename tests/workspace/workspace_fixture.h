#pragma once

#include "support/test_support.h"
#include "workspace/app_state.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <gtest/gtest.h>

inline QStringList fileNames(const QList<FileItem>& files) {
    QStringList names;
    for (const FileItem& file : files)
        names.append(file.name);
    return names;
}

// The names on the tabs, in their order.
inline QStringList tabNames(const AppState& state) {
    QStringList names;
    for (const QUuid& id : state.openTabIds())
        names.append(state.file(id)->name);
    return names;
}

// Each test starts as a first start: no save folder, no settings.
class WorkspaceTest : public ::testing::Test {
protected:
    void SetUp() override { startAsFirstRun(); }

    static QString saveFolder() {
        return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
               QStringLiteral("/Corvanta");
    }
    static QString savePath() { return saveFolder() + QStringLiteral("/appdata.json"); }

    static void writeSaveFile(const QByteArray& bytes) {
        QDir().mkpath(saveFolder());
        QFile file(savePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    static QByteArray readSaveFile() {
        QFile file(savePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};
