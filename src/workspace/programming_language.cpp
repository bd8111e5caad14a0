#include "workspace/programming_language.h"

#include "library/starter_code.h"

const QList<ProgrammingLanguage>& allLanguages() {
    static const QList<ProgrammingLanguage> all = {
        ProgrammingLanguage::c,    ProgrammingLanguage::cpp,    ProgrammingLanguage::python,
        ProgrammingLanguage::java, ProgrammingLanguage::csharp, ProgrammingLanguage::txt};
    return all;
}

QString rawValue(ProgrammingLanguage language) {
    switch (language) {
    case ProgrammingLanguage::c:
        return QStringLiteral("C");
    case ProgrammingLanguage::cpp:
        return QStringLiteral("C++");
    case ProgrammingLanguage::python:
        return QStringLiteral("Python");
    case ProgrammingLanguage::java:
        return QStringLiteral("Java");
    case ProgrammingLanguage::csharp:
        return QStringLiteral("C#");
    case ProgrammingLanguage::txt:
        return QStringLiteral("Text");
    }
    return {};
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
    switch (language) {
    case ProgrammingLanguage::c:
        return QStringLiteral("c");
    case ProgrammingLanguage::cpp:
        return QStringLiteral("cpp");
    case ProgrammingLanguage::python:
        return QStringLiteral("py");
    case ProgrammingLanguage::java:
        return QStringLiteral("java");
    case ProgrammingLanguage::csharp:
        return QStringLiteral("cs");
    case ProgrammingLanguage::txt:
        return QStringLiteral("txt");
    }
    return {};
}

QString badgeLabel(ProgrammingLanguage language) {
    switch (language) {
    case ProgrammingLanguage::c:
        return QStringLiteral("C");
    case ProgrammingLanguage::cpp:
        return QStringLiteral("C++");
    case ProgrammingLanguage::python:
        return QStringLiteral("PY");
    case ProgrammingLanguage::java:
        return QStringLiteral("Java");
    case ProgrammingLanguage::csharp:
        return QStringLiteral("C#");
    case ProgrammingLanguage::txt:
        return QStringLiteral("TXT");
    }
    return {};
}

QString badgeColorName(ProgrammingLanguage language) {
    switch (language) {
    case ProgrammingLanguage::c:
        return QStringLiteral("blue");
    case ProgrammingLanguage::cpp:
        return QStringLiteral("purple");
    case ProgrammingLanguage::python:
        return QStringLiteral("yellow");
    case ProgrammingLanguage::java:
        return QStringLiteral("orange");
    case ProgrammingLanguage::csharp:
        return QStringLiteral("green");
    case ProgrammingLanguage::txt:
        return QStringLiteral("gray");
    }
    return {};
}

QString templateKey(ProgrammingLanguage language) {
    switch (language) {
    case ProgrammingLanguage::c:
        return QStringLiteral("templateC");
    case ProgrammingLanguage::cpp:
        return QStringLiteral("templateCpp");
    case ProgrammingLanguage::python:
        return QStringLiteral("templatePython");
    case ProgrammingLanguage::java:
        return QStringLiteral("templateJava");
    case ProgrammingLanguage::csharp:
        return QStringLiteral("templateCSharp");
    case ProgrammingLanguage::txt:
        return {};
    }
    return {};
}

bool isRunnable(ProgrammingLanguage language) {
    return language != ProgrammingLanguage::txt;
}

QString defaultCode(ProgrammingLanguage language) {
    return builtInStarterCode(language);
}
