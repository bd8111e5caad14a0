#include "cli/cli_commands.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

std::optional<ProgrammingLanguage> languageNamed(const QString& name) {
    for (ProgrammingLanguage language : allLanguages()) {
        if (name.compare(rawValue(language), Qt::CaseInsensitive) == 0 ||
            name.compare(fileExtension(language), Qt::CaseInsensitive) == 0)
            return language;
    }
    return std::nullopt;
}

QString languageNames() {
    QStringList names;
    for (ProgrammingLanguage language : allLanguages())
        names.append(rawValue(language) + u" ("_s + fileExtension(language) + u')');
    return names.join(u", "_s);
}

std::optional<ProgrammingLanguage> languageOfFile(const QString& path) {
    const QString suffix = QFileInfo(path).suffix();
    if (suffix == u"cc"_s || suffix == u"cxx"_s || suffix == u"c++"_s)
        return ProgrammingLanguage::cpp;
    return languageFromExtension(suffix);
}
