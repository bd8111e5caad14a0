#pragma once

#include "support/test_support.h"
#include "themes/theme_selection.h"
#include "workspace/settings_store.h"
#include "workspace/workspace.h"
#include "workspace/workspace_store.h"

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
inline QStringList tabNames(const Workspace& workspace) {
    QStringList names;
    for (const QUuid& id : workspace.openTabIds())
        names.append(workspace.file(id)->name);
    return names;
}

inline QByteArray readTestData(const char* name) {
    QFile file(QStringLiteral(CORVANTA_TEST_DATA_DIR "/") + QString::fromUtf8(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll().trimmed();
}

// The workspace's owners as the window's context makes them; construction
// reads the save file.
struct Owners {
    SettingsStore settings;
    ThemeSelection themes{settings};
    Workspace workspace{settings};
    WorkspaceStore store{workspace, settings, themes};
};

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
