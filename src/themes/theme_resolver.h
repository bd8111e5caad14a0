#pragma once

#include "base/rgba.h"
#include "themes/color_role.h"
#include "themes/custom_theme.h"
#include "themes/editor_theme.h"

// Role to colour: the custom theme's field with its stored opacity when a
// custom theme is given, otherwise the built-in entry of `theme` (opaque).
// Pass a custom theme only while it is in force (ThemeSelection::activeCustomTheme),
// so the editor and the window agree.
Rgba resolveColor(ThemeRole role, EditorTheme theme, const CustomTheme* customTheme);
// The editor's nine colours; plain text is the textColor role.
Rgba resolveColor(ColorRole role, EditorTheme theme, const CustomTheme* customTheme);
