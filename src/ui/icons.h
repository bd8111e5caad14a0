#pragma once

#include <QIcon>
#include <QString>

class QAbstractButton;

// The design names its icons by symbol ("play.fill", "trash", ...); this is
// the one table that maps them to freedesktop icon names.
QString freedesktopIconName(const QString& symbol);
QIcon symbolIcon(const QString& symbol);

// Gives a button the symbol's icon, or `fallbackText` as its label when the
// icon theme has no such icon: a button is never blank.
void setSymbol(QAbstractButton* button, const QString& symbol, const QString& fallbackText);

// Offscreen and bare X servers name no icon theme; without a fallback every
// icon button would come out blank. Call once after the application exists.
void useFreedesktopIcons();
