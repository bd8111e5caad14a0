#include "library/starter_code.h"

#include "base/resource_data.h"

#include <QDir>
#include <QHash>

using namespace Qt::StringLiterals;

namespace corvanta {

namespace {

// "<family>.<extension>"; a family without its own file for a language shares
// the registered default's text, and Text has none.
QString starter(const QString& family, ProgrammingLanguage language) {
    static const QHash<QString, QString> texts = [] {
        QHash<QString, QString> all;
        const QDir folder(u":/library/starters"_s);
        for (const QString& name : folder.entryList(QDir::Files))
            all.insert(name, resourceText(folder.filePath(name)));
        return all;
    }();
    const QString extension = u'.' + fileExtension(language);
    return texts.value(family + extension, texts.value(u"template"_s + extension));
}

} // namespace

QString registeredDefaultTemplate(ProgrammingLanguage language) {
    return starter(u"template"_s, language);
}

QString resetTemplate(ProgrammingLanguage language) {
    return starter(u"reset"_s, language);
}

QString builtInStarterCode(ProgrammingLanguage language) {
    return starter(u"new-file"_s, language);
}

} // namespace corvanta
