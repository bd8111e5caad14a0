#include "app/first_paint_report.h"
#include "app/single_instance.h"
#include "app/startup_heap.h"
#include "base/app_identity.h"
#include "base/diagnostics.h"
#include "ui/icons.h"
#include "ui/main_window.h"
#include "ui/problem_receiving.h"
#include "ui/window_context.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QSocketNotifier>
#include <QTimer>
#include <QTranslator>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int signalPipe[2];

void onTerminationSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
}

// SIGTERM and SIGINT end the event loop like closing the window, so the
// workspace gets its last save instead of losing up to three seconds of work.
void quitOnTerminationSignals(QApplication& app) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, &QApplication::quit);
    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

// The installed theme icon when the desktop has it, else the built-in copies.
QIcon appIcon() {
    QIcon builtIn;
    for (const QFileInfo& png : QDir(QStringLiteral(":/icons")).entryInfoList(QDir::Files))
        builtIn.addFile(png.filePath());
    return QIcon::fromTheme(QStringLiteral(CORVANTA_APP_ID), builtIn);
}

// Shown by a second start: un-minimised, on top, with the keyboard focus.
void bringToFront(QWidget& window) {
    window.setWindowState((window.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window.show();
    window.raise();
    window.activateWindow();
    printDiagnostic(QStringLiteral("🪟 다시 실행됨: 창을 앞으로 가져옴"));
}

// Saving has stopped in this window; without a word the user would keep
// typing into it.
void warnWorkspaceLost(QWidget& window) {
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Corvanta"),
                                QStringLiteral("다른 Corvanta 창이 작업 공간을 이어받았습니다.\n"
                                               "이 창의 변경은 저장되지 않으니 창을 닫아 주세요."),
                                QMessageBox::Ok, &window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

} // namespace

int main(int argc, char** argv) {
    StartupHeap heap;
    QApplication app(argc, argv);
    setAppIdentity();
    // Ties the window to its desktop entry: the dock's icon and grouping.
    QGuiApplication::setDesktopFileName(QStringLiteral(CORVANTA_APP_ID));
    // Before anything reads the save file: a second start must not touch it.
    SingleInstance instance(appDataFolder());
    if (instance.claim() == SingleInstance::Role::secondary)
        return 0;
    useFreedesktopIcons();
    QApplication::setWindowIcon(appIcon());
    // Qt's own words (the colour picker, OK and Cancel) in the interface's language.
    QTranslator qtKorean;
    if (qtKorean.load(QLocale(QLocale::Korean), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtKorean);
    quitOnTerminationSignals(app);

    WindowContext context;
    context.store.setSaveGuard([&instance] { return instance.ownsWorkspace(); });
    MainWindow window(context);
    QObject::connect(&instance, &SingleInstance::activationRequested, &window,
                     [&window] { bringToFront(window); });
    QObject::connect(&instance, &SingleInstance::workspaceLost, &window, [&window] {
        window.receiving().stop();
        warnWorkspaceLost(window);
    });
    reportFirstPaintIfAsked(window);
    window.show();
    window.receiving().start();
    QTimer::singleShot(0, &window, [&heap] { heap.release(); });
    return app.exec();
}
