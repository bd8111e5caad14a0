#include "editor/typing_aids.h"

#include "library/snippets.h"

#include <algorithm>

namespace {

const QString randomLetters = QStringLiteral("abcdefghijklmnopqrstuvwxyz");

// The closing character of a bracket, or 0.
char16_t closingBracketFor(char16_t c) {
    switch (c) {
    case u'(':
        return u')';
    case u'{':
        return u'}';
    case u'[':
        return u']';
    default:
        return 0;
    }
}

bool isQuote(char16_t c) {
    return c == u'\'' || c == u'"' || c == u'`';
}

bool isClosingBracket(char16_t c) {
    return c == u')' || c == u'}' || c == u']';
}

// Brackets and quotes that form a pair with the character after them.
bool isMatchingPair(char16_t open, char16_t close) {
    const char16_t bracket = closingBracketFor(open);
    return bracket != 0 ? close == bracket : isQuote(open) && close == open;
}

bool isWordCharacter(char32_t c) {
    return QChar::isLetterOrNumber(c) || c == U'_';
}

qsizetype caretInLine(const CaretContext& context) {
    return std::clamp<qsizetype>(context.selectionStart - context.lineStart, 0,
                                 context.line.size());
}

// The unit at the caret and the one before it on the line; 0 when the caret
// is at an end of the line, where only a line feed or the end of the text can
// be, neither of which is part of a pair.
char16_t nextCharacter(const CaretContext& context) {
    const qsizetype at = caretInLine(context);
    return at < context.line.size() ? context.line[at].unicode() : char16_t(0);
}

char16_t previousCharacter(const CaretContext& context) {
    const qsizetype at = caretInLine(context);
    return at > 0 ? context.line[at - 1].unicode() : char16_t(0);
}

QString leadingWhitespace(QStringView text) {
    qsizetype end = 0;
    while (end < text.size() && (text[end] == u' ' || text[end] == u'\t'))
        ++end;
    return text.first(end).toString();
}

QString indentationUnit(const TypingFlags& flags) {
    return flags.indentation.useSpacesForTab ? QString(std::max(flags.indentation.tabSize, 0), u' ')
                                             : QStringLiteral("\t");
}

TypingEdit replaceSelection(const CaretContext& context, const QString& text,
                            qsizetype caretInText) {
    return {context.selectionStart, context.selectionEnd - context.selectionStart, text,
            context.selectionStart + caretInText};
}

TypingEdit moveRight(const CaretContext& context) {
    return {context.selectionStart, 0, {}, context.selectionStart + 1};
}

// One code point, as one unit or a surrogate pair.
std::optional<char32_t> singleCodePoint(const QString& text) {
    if (text.size() == 1 && !text[0].isSurrogate())
        return text[0].unicode();
    if (text.size() == 2 && text[0].isHighSurrogate() && text[1].isLowSurrogate())
        return QChar::surrogateToUcs4(text[0], text[1]);
    return std::nullopt;
}

std::optional<TypingEdit> expandSnippet(const CaretContext& context, const TypingFlags& flags) {
    const qsizetype caret = caretInLine(context);
    // Walk back by code points, so that a letter outside the basic plane
    // belongs to the word like any other.
    qsizetype wordStart = caret;
    while (wordStart > 0) {
        char32_t c = context.line[wordStart - 1].unicode();
        qsizetype length = 1;
        if (wordStart >= 2 && QChar::isLowSurrogate(c) &&
            context.line[wordStart - 2].isHighSurrogate()) {
            c = QChar::surrogateToUcs4(context.line[wordStart - 2], context.line[wordStart - 1]);
            length = 2;
        }
        if (!isWordCharacter(c))
            break;
        wordStart -= length;
    }
    if (wordStart == caret)
        return std::nullopt;
    const std::optional<CodeSnippet> snippet =
        corvanta::findSnippet(flags.language, context.line.sliced(wordStart, caret - wordStart));
    if (!snippet)
        return std::nullopt;

    // Every line of the body starts at the line's indentation and each tab
    // is one unit deeper, as Tab makes it: a loop's body sits inside the loop
    // at any depth (Python runs nothing else), and a file indented with tabs
    // gets no spaces.
    QString body = snippet->code;
    body.replace(u'\t', indentationUnit(flags));
    body.replace(u'\n', u'\n' + leadingWhitespace(context.line));
    const qsizetype start = context.lineStart + wordStart;
    return TypingEdit{start, caret - wordStart, body, start + body.size()};
}

} // namespace

TypingEdit insertText(const CaretContext& context, const QString& input, const TypingFlags& flags,
                      QRandomGenerator& random) {
    const std::optional<char32_t> single = singleCodePoint(input);
    if (!single)
        return replaceSelection(context, input, input.size());
    QString typed = input;
    if (flags.aids.typingRandomEnabled && QChar::isLetter(*single))
        typed = randomLetters[random.bounded(int(randomLetters.size()))];
    if (!flags.aids.autoBracket || typed.size() != 1)
        return replaceSelection(context, typed, typed.size());

    const char16_t c = typed[0].unicode();
    if (const char16_t closing = closingBracketFor(c))
        return replaceSelection(context, typed + QChar(closing), 1);
    if (isQuote(c)) {
        if (nextCharacter(context) == c)
            return moveRight(context);
        return replaceSelection(context, typed + typed, 1);
    }
    if (isClosingBracket(c) && nextCharacter(context) == c)
        return moveRight(context);
    return replaceSelection(context, typed, 1);
}

TypingEdit insertTab(const CaretContext& context, const TypingFlags& flags) {
    if (flags.aids.snippetsEnabled) {
        if (std::optional<TypingEdit> expansion = expandSnippet(context, flags))
            return *expansion;
    }
    const char16_t next = nextCharacter(context);
    if (isClosingBracket(next) || isQuote(next))
        return moveRight(context);
    const QString indentation = indentationUnit(flags);
    return replaceSelection(context, indentation, indentation.size());
}

TypingEdit insertNewline(const CaretContext& context, const TypingFlags& flags) {
    const QString indentation =
        leadingWhitespace(QStringView(context.line).first(caretInLine(context)));
    if (flags.aids.autoBracket &&
        isMatchingPair(previousCharacter(context), nextCharacter(context))) {
        const QString middle = u'\n' + indentation + indentationUnit(flags);
        return replaceSelection(context, middle + u'\n' + indentation, middle.size());
    }
    const QString text = flags.indentation.autoIndent ? u'\n' + indentation : QStringLiteral("\n");
    return replaceSelection(context, text, text.size());
}

std::optional<TypingEdit> deleteBackward(const CaretContext& context, const TypingFlags& flags) {
    // With a selection Backspace deletes the selection; removing the pair
    // around its start would delete text the user did not select.
    if (context.selectionEnd != context.selectionStart)
        return std::nullopt;
    if (!flags.aids.autoBracket ||
        !isMatchingPair(previousCharacter(context), nextCharacter(context)))
        return std::nullopt;
    return TypingEdit{context.selectionStart - 1, 2, {}, context.selectionStart - 1};
}
