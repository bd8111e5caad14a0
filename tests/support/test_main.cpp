#include "base/app_identity.h"
#include "support/test_support.h"
#include "ui/icons.h"

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QTemporaryDir* home = nullptr;

// The offscreen platform says so whenever a window asks for a feature it
// lacks; that says nothing about our code.
bool isPlatformNotice(const QString& message) {
    return message.startsWith(QStringLiteral("This plugin does not support"));
}

void failOnWarnings(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (isPlatformNotice(message))
        return;
    if (type == QtWarningMsg || type == QtCriticalMsg || type == QtFatalMsg)
        ADD_FAILURE() << "unexpected Qt message: " << message.toStdString();
}

// Every test program gets a fresh home, so nothing touches the user's files
// or settings and no two test programs see each other's state.
void useTemporaryHome() {
    home = new QTemporaryDir(QDir::tempPath() + QStringLiteral("/corvanta-test-XXXXXX"));
    const QByteArray root = home->path().toUtf8();
    qputenv("HOME", root);
    qputenv("XDG_DATA_HOME", root + "/.local/share");
    qputenv("XDG_CONFIG_HOME", root + "/.config");
    qputenv("XDG_CACHE_HOME", root + "/.cache");
    qputenv("XDG_RUNTIME_DIR", root + "/runtime");
    QDir().mkpath(home->path() + QStringLiteral("/runtime"));
    // A background header build would outlive the test that started it; the
    // tests of precompiled headers enable them in folders of their own.
    qputenv("CORVANTA_PCH", "off");
    // Nor does a test that shows a Java file want a compile server; the
    // tests of compile servers turn them on.
    qputenv("CORVANTA_RESIDENT", "off");
    QFile::setPermissions(home->path() + QStringLiteral("/runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace

QString testHome() {
    return home->path();
}

void startAsFirstRun() {
    QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
         QStringLiteral("/Corvanta"))
        .removeRecursively();
    QSettings().clear();
}

int main(int argc, char** argv) {
    useTemporaryHome();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setAppIdentity();
    useFreedesktopIcons();
    qInstallMessageHandler(failOnWarnings);
    ::testing::InitGoogleTest(&argc, argv);
    const int status = RUN_ALL_TESTS();
    delete home;
    return status;
}
