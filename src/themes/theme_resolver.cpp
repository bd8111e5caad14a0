#include "themes/theme_resolver.h"

Rgba resolveColor(ThemeRole role, EditorTheme theme, const CustomTheme* customTheme) {
    if (customTheme)
        return customTheme->color(role).toRgba();
    return builtInColor(theme, role);
}

Rgba resolveColor(ColorRole role, EditorTheme theme, const CustomTheme* customTheme) {
    return resolveColor(themeRole(role), theme, customTheme);
}
