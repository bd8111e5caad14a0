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
        {QStringLiteral("doc.text.magnifyingglass"), QStringLiteral("edit-find")},
        {QStringLiteral("play.fill"), QStringLiteral("media-playback-start")},
        {QStringLiteral("stop.fill"), QStringLiteral("media-playback-stop")},
        {QStringLiteral("paintpalette"), QStringLiteral("color-management")},
        {QStringLiteral("questionmark.circle"), QStringLiteral("help-contents")},
        {QStringLiteral("gearshape"), QStringLiteral("configure")},
        {QStringLiteral("checkmark"), QStringLiteral("dialog-ok")},
        {QStringLiteral("textformat.size.smaller"), QStringLiteral("zoom-out")},
        {QStringLiteral("textformat.size.larger"), QStringLiteral("zoom-in")},
        {QStringLiteral("xmark.circle.fill"), QStringLiteral("window-close")},
        {QStringLiteral("arrow.up.arrow.down"), QStringLiteral("view-sort")},
        {QStringLiteral("magnifyingglass"), QStringLiteral("edit-find")},
        {QStringLiteral("point.3.connected.trianglepath.dotted"),
         QStringLiteral("network-connect")},
        {QStringLiteral("square.grid.3x3"), QStringLiteral("view-grid")},
        {QStringLiteral("square.stack.3d.up"), QStringLiteral("layer-visible-on")},
        {QStringLiteral("function"), QStringLiteral("formula")},
        {QStringLiteral("textformat"), QStringLiteral("format-text-bold")},
        {QStringLiteral("doc.badge.plus"), QStringLiteral("document-new")},
        {QStringLiteral("play.circle.fill"), QStringLiteral("media-playback-start")},
        {QStringLiteral("book.closed.fill"), QStringLiteral("bookmarks")},
        {QStringLiteral("increase.indent"), QStringLiteral("format-indent-more")},
        {QStringLiteral("doc.text"), QStringLiteral("text-x-generic")},
        {QStringLiteral("play.circle"), QStringLiteral("media-playback-start")},
        {QStringLiteral("puzzlepiece.extension"), QStringLiteral("preferences-plugin")},
        {QStringLiteral("keyboard"), QStringLiteral("input-keyboard")},
        {QStringLiteral("doc.plaintext"), QStringLiteral("text-plain")},
        {QStringLiteral("info.circle"), QStringLiteral("help-about")},
        {QStringLiteral("exclamationmark.triangle"), QStringLiteral("dialog-warning")},
        {QStringLiteral("exclamationmark.triangle.fill"), QStringLiteral("dialog-warning")},
        {QStringLiteral("checkmark.circle.fill"), QStringLiteral("dialog-ok-apply")},
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
