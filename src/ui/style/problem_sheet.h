#pragma once

#include "problems/solved_tier.h"

#include <QString>

struct WindowColours;
class QWidget;

// The problem tab's part of the application style sheet: its buttons, chips,
// messages and problem display in the theme's colours, and every tier group
// in its colour (tier buttons fill with it on hover, badges sit on it).
QString problemTabSheet(const WindowColours& window);

// Marks a widget as drawn in `tier`'s colour; the sheet matches it by its
// object name (tierButton, tierGroupName, tierBadge).
void setTierColour(QWidget* widget, SolvedTier tier);
// Greys a button out while its work runs (the sheet's [busy="true"]).
void setBusy(QWidget* widget, bool busy);
