// The highlighter: on any text the fast engine colours exactly as the rules
// taken literally do. The first byte picks the language.

#include "editor/highlight_engines.h"
#include "fuzz_check.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const QList<ProgrammingLanguage>& languages = allLanguages();
    const ProgrammingLanguage language = languages[data[0] % languages.size()];
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    FUZZ_CHECK(fastHighlight(text, language) == referenceHighlight(text, language));
    return 0;
}
