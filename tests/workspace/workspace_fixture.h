#pragma once

#include "workspace/app_state.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <gtest/gtest.h>

// Each test starts as a first start: no save folder, no settings.
class WorkspaceTest : public ::testing::Test {
protected:
    void SetUp() override {
        QDir(saveFolder()).removeRecursively();
        QSettings().clear();
    }

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
