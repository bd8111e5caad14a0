#pragma once

#include <QIcon>
#include <QString>

class QAbstractButton;

// Makes freedesktop icons findable where the platform names no icon theme
// (offscreen, a bare X server): the XDG data folders' icons on the search
// path, breeze as the fallback theme. Call once, before any icon is made.
void useFreedesktopIcons();
// Where the icon theme is ours, picks breeze's light or dark variant so the
// icons stand out against `background`; a desktop's own theme is left alone.
void matchIconsToBackground(const QColor& background);

// The design names its icons by symbol ("play.fill", "trash", ...); this is
// the one table that maps them to freedesktop icon names.
QString freedesktopIconName(const QString& symbol);
QIcon symbolIcon(const QString& symbol);

// Gives a button the symbol's icon, or `fallbackText` as its label when the
// icon theme has no such icon: a button is never blank.
void setSymbol(QAbstractButton* button, const QString& symbol, const QString& fallbackText);

