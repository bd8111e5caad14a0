// The typing aids: on any line, caret and switches, each keystroke's edit
// lies inside the document and leaves the caret inside the result. Four
// leading bytes choose the keystroke, the switches and the selection; the
// rest is the document.

#include "editor/typing_aids.h"
#include "fuzz_check.h"

#include <cstdint>

namespace {

void checkEdit(const QString& document, const TypingEdit& edit) {
    FUZZ_CHECK(edit.start >= 0 && edit.length >= 0);
    FUZZ_CHECK(edit.start + edit.length <= document.size());
    const QString result = QString(document).replace(edit.start, edit.length, edit.text);
    FUZZ_CHECK(edit.caret >= 0 && edit.caret <= result.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4)
        return 0;
    const std::uint8_t keystroke = data[0];
    const std::uint8_t switches = data[1];
    const QString document =
        QString::fromUtf8(reinterpret_cast<const char*>(data + 4), qsizetype(size - 4));

    TypingFlags flags;
    // The settings hold the indentation to 1..16.
    flags.indentation.tabSize = 1 + (switches >> 4);
    flags.indentation.useSpacesForTab = switches & 1;
    flags.indentation.autoIndent = switches & 2;
    flags.aids.autoBracket = switches & 4;
    flags.aids.snippetsEnabled = switches & 8;
    flags.aids.typingRandomEnabled = keystroke & 0x80;
    const QList<ProgrammingLanguage>& languages = allLanguages();
    flags.language = languages[(keystroke >> 2) % languages.size()];

    CaretContext context;
    context.selectionStart = data[2] % (document.size() + 1);
    context.selectionEnd =
        context.selectionStart + data[3] % (document.size() - context.selectionStart + 1);
    // lastIndexOf counts a negative start from the end.
    context.lineStart = context.selectionStart == 0
                            ? 0
                            : document.lastIndexOf(u'\n', context.selectionStart - 1) + 1;
    const qsizetype lineEnd = document.indexOf(u'\n', context.selectionStart);
    context.line = document.sliced(context.lineStart,
                                   (lineEnd < 0 ? document.size() : lineEnd) - context.lineStart);

    static const QStringList typed = {
        QStringLiteral("("), QStringLiteral(")"),  QStringLiteral("{"),  QStringLiteral("}"),
        QStringLiteral("["), QStringLiteral("]"),  QStringLiteral("\""), QStringLiteral("'"),
        QStringLiteral("a"), QStringLiteral("가"), QStringLiteral("ab"), QStringLiteral("😀")};
    QRandomGenerator random(keystroke);
    switch (keystroke & 3) {
    case 0:
        checkEdit(document,
                  insertText(context, typed[(switches ^ data[2]) % typed.size()], flags, random));
        break;
    case 1:
        checkEdit(document, insertTab(context, flags));
        break;
    case 2:
        checkEdit(document, insertNewline(context, flags));
        break;
    default:
        if (const auto edit = deleteBackward(context, flags))
            checkEdit(document, *edit);
    }
    return 0;
}
