#include "base/programming_language.h"

namespace {

struct LanguageFacts {
    const char16_t* rawValue;
    const char16_t* extension;
    const char16_t* badgeLabel;
    const char16_t* badgeColor;
    const char16_t* templateKey;
};

// In declaration order of ProgrammingLanguage.
constexpr LanguageFacts facts[] = {
    {u"C", u"c", u"C", u"blue", u"templateC"},
    {u"C++", u"cpp", u"C++", u"purple", u"templateCpp"},
    {u"Python", u"py", u"PY", u"yellow", u"templatePython"},
    {u"Java", u"java", u"Java", u"orange", u"templateJava"},
    {u"C#", u"cs", u"C#", u"green", u"templateCSharp"},
    {u"Text", u"txt", u"TXT", u"gray", u""},
};

const LanguageFacts& factsOf(ProgrammingLanguage language) {
    return facts[static_cast<int>(language)];
}

} // namespace

const QList<ProgrammingLanguage>& allLanguages() {
    static const QList<ProgrammingLanguage> all = {
        ProgrammingLanguage::c,    ProgrammingLanguage::cpp,    ProgrammingLanguage::python,
        ProgrammingLanguage::java, ProgrammingLanguage::csharp, ProgrammingLanguage::txt};
    return all;
}

QString rawValue(ProgrammingLanguage language) {
    return QString::fromUtf16(factsOf(language).rawValue);
}

std::optional<ProgrammingLanguage> languageFromRawValue(const QString& raw) {
    for (ProgrammingLanguage language : allLanguages()) {
        if (rawValue(language) == raw)
            return language;
    }
    return std::nullopt;
}

std::optional<ProgrammingLanguage> languageFromExtension(const QString& extension) {
    for (ProgrammingLanguage language : allLanguages()) {
        if (fileExtension(language) == extension)
            return language;
    }
    return std::nullopt;
}

QString fileExtension(ProgrammingLanguage language) {
    return QString::fromUtf16(factsOf(language).extension);
}

QString badgeLabel(ProgrammingLanguage language) {
    return QString::fromUtf16(factsOf(language).badgeLabel);
}

QString badgeColorName(ProgrammingLanguage language) {
    return QString::fromUtf16(factsOf(language).badgeColor);
}

QString templateKey(ProgrammingLanguage language) {
    return QString::fromUtf16(factsOf(language).templateKey);
}

bool isRunnable(ProgrammingLanguage language) {
    return language != ProgrammingLanguage::txt;
}
