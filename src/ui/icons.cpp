#include "ui/icons.h"

#include <QAbstractButton>
#include <QHash>
#include <QStandardPaths>

void useFreedesktopIcons() {
    QStringList paths = QIcon::themeSearchPaths();
    for (const QString& dir :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        paths.append(dir + QStringLiteral("/icons"));
    QIcon::setThemeSearchPaths(paths);
    QIcon::setFallbackThemeName(QStringLiteral("breeze"));
    // Without it every icon button would come out blank.
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == QStringLiteral("hicolor"))
        QIcon::setThemeName(QStringLiteral("breeze"));
}

void matchIconsToBackground(const QColor& background) {
    static const QString light = QStringLiteral("breeze");
    static const QString dark = QStringLiteral("breeze-dark");
    if (QIcon::themeName() != light && QIcon::themeName() != dark)
        return;
    QIcon::setThemeName(background.lightnessF() < 0.5 ? dark : light);
}

QString freedesktopIconName(const QString& symbol) {
    static const QHash<QString, QString> table = {
        {QStringLiteral("plus.square"), QStringLiteral("document-new")},
        {QStringLiteral("doc.on.doc"), QStringLiteral("edit-copy")},
        {QStringLiteral("trash"), QStringLiteral("edit-delete")},
        {QStringLiteral("doc.text.magnifyingglass"), QStringLiteral("document-new-from-template")},
        {QStringLiteral("play.fill"), QStringLiteral("media-playback-start")},
        {QStringLiteral("stop.fill"), QStringLiteral("media-playback-stop")},
        {QStringLiteral("paintpalette"), QStringLiteral("color-management")},
        {QStringLiteral("questionmark.circle"), QStringLiteral("help-contents")},
        {QStringLiteral("gearshape"), QStringLiteral("configure")},
        {QStringLiteral("checkmark"), QStringLiteral("dialog-ok")},
        {QStringLiteral("textformat.size.smaller"), QStringLiteral("format-font-size-less")},
        {QStringLiteral("textformat.size.larger"), QStringLiteral("format-font-size-more")},
        {QStringLiteral("arrow.up.left.and.arrow.down.right"), QStringLiteral("view-fullscreen")},
        {QStringLiteral("xmark.circle.fill"), QStringLiteral("window-close")},
        {QStringLiteral("arrow.up.arrow.down"), QStringLiteral("view-sort")},
        {QStringLiteral("magnifyingglass"), QStringLiteral("edit-find")},
        {QStringLiteral("point.3.connected.trianglepath.dotted"),
         QStringLiteral("network-connect")},
        {QStringLiteral("square.grid.3x3"), QStringLiteral("view-grid")},
        {QStringLiteral("square.stack.3d.up"), QStringLiteral("layer-visible-on")},
        {QStringLiteral("function"), QStringLiteral("formula")},
        {QStringLiteral("textformat"), QStringLiteral("format-text-bold")},
        {QStringLiteral("chevron.down"), QStringLiteral("arrow-down")},
        {QStringLiteral("chevron.right"), QStringLiteral("arrow-right")},
        {QStringLiteral("folder"), QStringLiteral("folder")},
        {QStringLiteral("folder.fill"), QStringLiteral("folder-open")},
        {QStringLiteral("folder.badge.plus"), QStringLiteral("folder-new")},
        {QStringLiteral("plus"), QStringLiteral("list-add")},
        {QStringLiteral("pencil"), QStringLiteral("edit-rename")},
        {QStringLiteral("arrow.down.doc"), QStringLiteral("document-import")},
        {QStringLiteral("doc.text"), QStringLiteral("text-x-generic")},
        {QStringLiteral("checklist"), QStringLiteral("view-task")},
        {QStringLiteral("terminal"), QStringLiteral("utilities-terminal")},
        {QStringLiteral("globe"), QStringLiteral("globe")},
        {QStringLiteral("checkmark.circle.fill"), QStringLiteral("emblem-success")},
        {QStringLiteral("plus.circle.fill"), QStringLiteral("list-add")},
        {QStringLiteral("doc.badge.plus"), QStringLiteral("document-new")},
        {QStringLiteral("play.circle.fill"), QStringLiteral("media-playback-start")},
        {QStringLiteral("book.closed.fill"), QStringLiteral("bookmarks")},
        {QStringLiteral("dice"), QStringLiteral("roll")},
        {QStringLiteral("exclamationmark.triangle"), QStringLiteral("dialog-warning")},
        {QStringLiteral("safari"), QStringLiteral("internet-web-browser")},
        {QStringLiteral("exclamationmark.bubble"), QStringLiteral("tools-report-bug")},
        {QStringLiteral("hourglass"), QStringLiteral("chronometer")},
        {QStringLiteral("keyboard"), QStringLiteral("input-keyboard")},
        {QStringLiteral("checkmark.circle"), QStringLiteral("dialog-ok-apply")},
        {QStringLiteral("lightbulb"), QStringLiteral("help-hint")},
        {QStringLiteral("plus.circle"), QStringLiteral("list-add")},
        {QStringLiteral("text.alignleft"), QStringLiteral("format-justify-left")},
        {QStringLiteral("arrow.right.to.line"), QStringLiteral("go-last")},
        {QStringLiteral("clock"), QStringLiteral("chronometer")},
        {QStringLiteral("square.and.arrow.up"), QStringLiteral("document-export")},
        {QStringLiteral("square.and.arrow.down"), QStringLiteral("document-import")},
        {QStringLiteral("doc.on.clipboard"), QStringLiteral("edit-paste")},
        {QStringLiteral("xmark"), QStringLiteral("window-close")},
        {QStringLiteral("increase.indent"), QStringLiteral("format-indent-more")},
        {QStringLiteral("play.circle"), QStringLiteral("media-playback-start")},
        {QStringLiteral("puzzlepiece.extension"), QStringLiteral("preferences-plugin")},
        {QStringLiteral("doc.plaintext"), QStringLiteral("text-plain")},
        {QStringLiteral("info.circle"), QStringLiteral("help-about")},
        {QStringLiteral("exclamationmark.triangle.fill"), QStringLiteral("dialog-warning")},
        {QStringLiteral("arrow.uturn.backward"), QStringLiteral("edit-undo")},
    };
    return table.value(symbol);
}

QIcon symbolIcon(const QString& symbol) {
    const QString name = freedesktopIconName(symbol);
    return name.isEmpty() ? QIcon() : QIcon::fromTheme(name);
}

void setSymbol(QAbstractButton* button, const QString& symbol, const QString& fallbackText) {
    const QIcon icon = symbolIcon(symbol);
    if (icon.isNull()) {
        button->setIcon(QIcon());
        button->setText(fallbackText);
    } else {
        button->setIcon(icon);
    }
}
