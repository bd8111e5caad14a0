#include "ui/settings/font_candidates.h"

#include "workspace/settings_values.h"

#include <QSet>

QStringList fontChoices(const QStringList& installedFamilies) {
    // The common Linux families come first after the default; the rest are
    // what people bring from other systems.
    static const QStringList candidates = {
        QStringLiteral("DejaVu Sans Mono"),
        QStringLiteral("Noto Sans Mono"),
        QStringLiteral("Noto Sans Mono CJK KR"),
        QStringLiteral("Liberation Mono"),
        QStringLiteral("Ubuntu Mono"),
        QStringLiteral("Menlo"),
        QStringLiteral("Monaco"),
        QStringLiteral("Courier"),
        QStringLiteral("Courier New"),
        QStringLiteral("Andale Mono"),
        QStringLiteral("Consolas"),
        QStringLiteral("Source Code Pro"),
        QStringLiteral("Fira Code"),
        QStringLiteral("JetBrains Mono"),
        QStringLiteral("D2Coding"),
        QStringLiteral("Hack"),
        QStringLiteral("IBM Plex Mono"),
        QStringLiteral("Inconsolata"),
        QStringLiteral("Impact"),
        QStringLiteral("Curlz MT"),
        QStringLiteral("Papyrus"),
    };
    const QSet<QString> installed(installedFamilies.begin(), installedFamilies.end());
    QStringList choices{EditorSettings().fontName};
    for (const QString& family : candidates) {
        if (installed.contains(family))
            choices.append(family);
    }
    return choices;
}
