#include "editor/highlighter.h"

#include "editor/highlight_engines.h"
#include "editor/highlight_rules.h"

#include <QRegularExpression>
#include <algorithm>
#include <cstring>

RoleMap::RoleMap(qsizetype size) : m_roles(size_t(size), std::uint8_t(ColorRole::plain)) {}

void RoleMap::paint(qsizetype start, qsizetype end, ColorRole role) {
    if (start < end)
        std::memset(m_roles.data() + start, int(role), size_t(end - start));
}

QList<HighlightSpan> RoleMap::spans(qsizetype from, qsizetype to) const {
    QList<HighlightSpan> result;
    from = std::max<qsizetype>(from, 0);
    to = std::min(to, size());
    for (qsizetype start = from; start < to;) {
        const std::uint8_t role = m_roles[size_t(start)];
        qsizetype end = start + 1;
        while (end < to && m_roles[size_t(end)] == role)
            ++end;
        result.append({start, end - start, ColorRole(role)});
        start = end;
    }
    return result;
}

namespace {

// PCRE2 refuses a subject with a lone surrogate; U+FFFD has the same length
// and the same meaning for every pattern here (no \w, \s or \d, matched by
// "." and by negated classes), which is how ICU reads a lone surrogate.
QString withoutLoneSurrogates(QStringView text) {
    QString subject = text.toString();
    QChar* units = subject.data();
    for (qsizetype i = 0; i < subject.size(); ++i) {
        if (units[i].isHighSurrogate() && i + 1 < subject.size() && units[i + 1].isLowSurrogate())
            ++i;
        else if (units[i].isSurrogate())
            units[i] = QChar::ReplacementCharacter;
    }
    return subject;
}

} // namespace

RoleMap referenceHighlight(QStringView text, ProgrammingLanguage language) {
    RoleMap roles(text.size());
    const QString subject = withoutLoneSurrogates(text);
    for (const HighlightRule& rule : highlightRules(language)) {
        // (*ANY): every Unicode line end ends a line for ".", "^" and "$", as in ICU.
        const QRegularExpression expression(QStringLiteral("(*ANY)") + rule.pattern,
                                            QRegularExpression::UseUnicodePropertiesOption |
                                                (rule.anchorsMatchLines
                                                     ? QRegularExpression::MultilineOption
                                                     : QRegularExpression::NoPatternOption));
        if (!expression.isValid())
            continue;
        const int group =
            rule.group > 0 && expression.captureCount() >= rule.group ? rule.group : 0;
        auto matches = expression.globalMatch(subject);
        while (matches.hasNext()) {
            const QRegularExpressionMatch match = matches.next();
            const qsizetype start = match.capturedStart(group);
            if (start >= 0)
                roles.paint(start, match.capturedEnd(group), rule.role);
        }
    }
    return roles;
}

RoleMap highlight(QStringView text, ProgrammingLanguage language, HighlightEngine engine) {
    return engine == HighlightEngine::reference ? referenceHighlight(text, language)
                                                : fastHighlight(text, language);
}
