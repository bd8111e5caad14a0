// corvanta-gallery OUTDIR [--theme NAME]: renders the real window and its
// sheets offscreen into PNG files at 1440 x 900, in a private temporary home
// so the user's workspace and settings are never read or written.

#include "gallery/scene.h"

#include "base/app_identity.h"
#include "ui/commands.h"
#include "ui/icons.h"
#include "ui/main_window.h"
#include "ui/window_context.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QPainter>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>
#include <memory>

namespace {

constexpr QSize pictureSize(1440, 900);

void usePrivateHome(const QTemporaryDir& home) {
    const QByteArray root = home.path().toUtf8();
    qputenv("HOME", root);
    qputenv("XDG_DATA_HOME", root + "/.local/share");
    qputenv("XDG_CONFIG_HOME", root + "/.config");
    qputenv("XDG_CACHE_HOME", root + "/.cache");
    qputenv("XDG_RUNTIME_DIR", root + "/runtime");
    // Pictures compile nothing: a Java scene need not start a compile server.
    qputenv("CORVANTA_RESIDENT", "off");
    QDir().mkpath(home.path() + QStringLiteral("/runtime"));
    QFile::setPermissions(home.path() + QStringLiteral("/runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// Every scene starts from nothing: no save file, default settings, the
// first-start tour already seen so it only appears where a scene opens it.
void forgetEverything() {
    QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
         QStringLiteral("/Corvanta"))
        .removeRecursively();
    QSettings().clear();
}

// Highlighting and layout finish on later turns of the event loop (the
// highlighter on a worker); a picture taken at once would show plain text.
void settle() {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 400)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
}

// Sheets are drawn inside the window; the settings window is a window of its
// own, shown where a person sees it, centred over the window, and a popup at
// its place.
QImage compose(MainWindow& window) {
    QImage image = window.grab().toImage();
    QPainter painter(&image);
    for (QDialog* sheet : window.findChildren<QDialog*>()) {
        if (!sheet->isVisible() || !sheet->isWindow())
            continue;
        const QPixmap picture = sheet->grab();
        const QPoint at((image.width() - picture.width()) / 2,
                        (image.height() - picture.height()) / 3);
        // What the desktop gives a window: its background and an edge.
        const QRect frame(at, picture.size());
        painter.fillRect(frame, sheet->palette().window());
        painter.drawPixmap(at, picture);
        painter.setPen(sheet->palette().color(QPalette::Mid));
        painter.drawRect(frame.adjusted(0, 0, -1, -1));
    }
    // A popup opens where its anchor put it.
    for (QWidget* popup : window.findChildren<QWidget*>()) {
        if (popup->isVisible() && popup->windowType() == Qt::Popup)
            painter.drawPixmap(popup->mapToGlobal(QPoint()) - window.mapToGlobal(QPoint()),
                               popup->grab());
    }
    return image;
}

bool render(const Scene& scene, std::optional<EditorTheme> theme, const QDir& outDir) {
    forgetEverything();
    auto owners = std::make_unique<WindowContext>();
    owners->settings.setOnboarding({.hasSeenOnboarding = true});
    if (theme)
        owners->themes.selectBuiltInTheme(*theme);
    auto window = std::make_unique<MainWindow>(*owners);
    window->resize(pictureSize);
    window->show();
    QApplication::processEvents();
    SceneContext context{*owners, *window};
    scene.setUp(context);
    settle();
    const bool written = compose(*window).save(outDir.filePath(scene.fileName));
    window.reset();
    owners.reset();
    return written;
}

int usage(const QString& problem) {
    QTextStream(stderr) << "corvanta-gallery: " << problem
                        << "\nusage: corvanta-gallery OUTDIR [--theme NAME|all]\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir home(QDir::tempPath() + QStringLiteral("/corvanta-gallery-XXXXXX"));
    if (!home.isValid()) {
        std::fputs("corvanta-gallery: cannot make a private home folder\n", stderr);
        return 1;
    }
    usePrivateHome(home);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setAppIdentity();
    useFreedesktopIcons();

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Renders the real window and its panes, sheets and states as PNG files."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption themeOption(
        QStringLiteral("theme"),
        QStringLiteral("The theme to render in, or \"all\": each built-in theme in a folder "
                       "of its name."),
        QStringLiteral("NAME"));
    parser.addOption(themeOption);
    parser.addPositionalArgument(QStringLiteral("OUTDIR"),
                                 QStringLiteral("Where the pictures go."));
    if (!parser.parse(app.arguments()))
        return usage(parser.errorText());
    if (parser.isSet(helpOption)) {
        QTextStream(stdout) << parser.helpText();
        return 0;
    }
    const QStringList args = parser.positionalArguments();
    if (args.size() != 1)
        return usage(QStringLiteral("expected one OUTDIR"));
    // No theme: the default one.
    QList<std::optional<EditorTheme>> themes = {std::nullopt};
    if (parser.isSet(themeOption)) {
        const QString name = parser.value(themeOption);
        themes = {editorThemeFromRawValue(name)};
        if (name == QStringLiteral("all")) {
            themes.clear();
            for (EditorTheme each : allEditorThemes())
                themes.append(each);
        } else if (!themes.first()) {
            return usage(QStringLiteral("unknown theme ") + name);
        }
    }
    int failures = 0;
    for (const std::optional<EditorTheme>& theme : themes) {
        const QDir outDir(themes.size() > 1 ? QDir(args.first()).filePath(rawValue(*theme))
                                            : args.first());
        if (!QDir().mkpath(outDir.path())) {
            QTextStream(stderr) << "corvanta-gallery: cannot create " << outDir.path() << "\n";
            return 1;
        }
        for (const Scene& scene : gallery()) {
            if (render(scene, theme, outDir)) {
                QTextStream(stdout) << outDir.filePath(scene.fileName) << "\n";
            } else {
                QTextStream(stderr) << "corvanta-gallery: cannot write " << scene.fileName << "\n";
                ++failures;
            }
        }
    }
    return failures == 0 ? 0 : 1;
}
