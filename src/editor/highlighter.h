#pragma once

#include "base/programming_language.h"
#include "themes/color_role.h"

#include <QList>
#include <QStringView>
#include <cstdint>
#include <vector>

// The colouring pass as a value function: (text, language) -> the colour role
// of every UTF-16 unit. Roles, not colours: the widget resolves them with the
// theme. Every pass colours the whole text; there is no parse state.
//
// Two engines give the same result:
// - reference: the rule list of highlight_rules.h taken literally, one regular
//   expression per rule (one per word of a word list), compiled on every pass
//   and painted in order, a later rule over an earlier one. It defines what
//   the colouring is.
// - fast: what the editor uses; one scan per kind of rule, each reproducing
//   the matches its pattern finds. The differential tests hold it to the
//   reference.
//
// Pattern semantics: the rules were written for ICU; they run on PCRE2 (Qt's
// QRegularExpression) with Unicode properties, so \s, \d and \w are Unicode
// classes, and with every Unicode line end as a line end, so "." stops and
// "$" and "^" (multi-line) match at LF, CR, CR LF, VT, FF, NEL, LS and PS as
// in ICU. PCRE2 refuses a text with a lone surrogate, so each is read as
// U+FFFD, of the same length and, for these patterns, of the same meaning as
// a lone surrogate has in ICU. Known differences from ICU, kept because they only concern a word
// directly touching such a character: PCRE2's \w (and so \b) is letters,
// numbers and "_", where ICU's is alphabetic characters, marks, decimal digits
// and connector punctuation, and ICU sees no word boundary before a combining
// mark or a format character (U+200B, U+FEFF); PCRE2 counts U+180E as a blank.
// The engines agree up to the regular-expression engine's own limits: a string
// literal with tens of thousands of backslash escapes exhausts PCRE2's JIT
// stack, and the reference then paints nothing for that rule, where the fast
// engine colours the literal as the rule describes.
enum class HighlightEngine { fast, reference };

struct HighlightSpan {
    qsizetype start = 0;
    qsizetype length = 0;
    ColorRole role = ColorRole::plain;

    bool operator==(const HighlightSpan&) const = default;
};

// The role of each UTF-16 unit of one text.
class RoleMap {
public:
    RoleMap() = default;
    // All units plain.
    explicit RoleMap(qsizetype size);

    qsizetype size() const { return qsizetype(m_roles.size()); }
    ColorRole at(qsizetype position) const { return ColorRole(m_roles[size_t(position)]); }
    // Paints [start, end), replacing whatever role was there.
    void paint(qsizetype start, qsizetype end, ColorRole role);

    // Maximal runs of one role that cover [from, to) in order, clipped to it;
    // positions stay those of the whole text. Empty when from >= to.
    QList<HighlightSpan> spans(qsizetype from, qsizetype to) const;
    QList<HighlightSpan> spans() const { return spans(0, size()); }

    bool operator==(const RoleMap&) const = default;

private:
    std::vector<std::uint8_t> m_roles;
};

RoleMap highlight(QStringView text, ProgrammingLanguage language,
                  HighlightEngine engine = HighlightEngine::fast);
