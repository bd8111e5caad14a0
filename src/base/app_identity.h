#pragma once

#include <QCoreApplication>
#include <QStandardPaths>

// The names under which the editor, the command-line tool and the tests find
// the same settings, cache and data folders. Call once after the application
// object exists.
inline void setAppIdentity() {
    QCoreApplication::setOrganizationName(QStringLiteral("Corvanta"));
    QCoreApplication::setApplicationName(QStringLiteral("Corvanta"));
}

// The folder of the save file and of the editor's one-instance lock.
inline QString appDataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Corvanta");
}
