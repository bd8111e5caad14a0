#pragma once

#include <QCoreApplication>

// The names under which the editor, the command-line tool and the tests find
// the same settings, cache and data folders. Call once after the application
// object exists.
inline void setAppIdentity() {
    QCoreApplication::setOrganizationName(QStringLiteral("Corvanta"));
    QCoreApplication::setApplicationName(QStringLiteral("Corvanta"));
}
