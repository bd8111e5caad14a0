#include "library/algorithm_templates.h"
#include "library/starter_code.h"
#include "support/printers.h"
#include "support/process_runner.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The library's folders and the drivers' folders (layout in
// data/templates/README.md) carry the same category and template names.
QString libraryFolder() {
    return u":/library/templates"_s;
}

QString driverFolder() {
    return QStringLiteral(CORVANTA_TEST_DATA_DIR "/templates");
}

QStringList subfolders(const QString& path) {
    return QDir(path).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

QString read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

enum class Variant { cpp, c, python };

struct VariantFacts {
    const char* name;
    QString suffix;
    ProgrammingLanguage language;
};

VariantFacts factsOf(Variant variant) {
    switch (variant) {
    case Variant::cpp:
        return {"Cpp", u"cpp"_s, ProgrammingLanguage::cpp};
    case Variant::c:
        return {"C", u"c"_s, ProgrammingLanguage::c};
    case Variant::python:
        return {"Python", u"py"_s, ProgrammingLanguage::python};
    }
    return {};
}

struct DriverCase {
    QString category;
    QString algorithm;
    Variant variant;
};

void PrintTo(const DriverCase& driven, std::ostream* os) {
    *os << (driven.category + u'/' + driven.algorithm).toStdString() << ' '
        << factsOf(driven.variant).name;
}

std::vector<DriverCase> everyVariant() {
    std::vector<DriverCase> cases;
    for (const QString& category : subfolders(libraryFolder())) {
        for (const QString& algorithm : subfolders(libraryFolder() + u'/' + category)) {
            for (Variant variant : {Variant::cpp, Variant::c, Variant::python})
                cases.push_back({category, algorithm, variant});
        }
    }
    return cases;
}

std::string caseName(const testing::TestParamInfo<DriverCase>& info) {
    QString name = info.param.category + u'_' + info.param.algorithm;
    name.replace(u'-', u'_');
    return name.toStdString() + '_' + factsOf(info.param.variant).name;
}

// The names a fragment defines functions under, read off its unindented headers.
QStringList definedFunctions(const QString& fragment) {
    static const QRegularExpression header(u"^(?:def |\\w[^(\\n]*[ *])(\\w+)\\(.*[{:]$"_s,
                                           QRegularExpression::MultilineOption);
    QStringList names;
    for (const QRegularExpressionMatch& match : header.globalMatch(fragment))
        names << match.captured(1);
    return names;
}

// The language's registered starter text, the fragment after the two line
// feeds insertion puts before it, then the category's helpers and the driver.
// The starter's own (empty) main stays untouched, so the C and C++ drivers run
// before it: the C++ one from a namespace-scope initialiser, the C one as a
// constructor function. The C fragments may use MAX, which the user is
// expected to define beforehand.
QString programText(Variant variant, const QString& fragment, const QString& helpers,
                    const QString& driver) {
    const QString text = corvanta::registeredDefaultTemplate(factsOf(variant).language) +
                         (variant == Variant::c ? u"\n\n#define MAX 1000\n"_s : u"\n\n"_s) +
                         fragment + u"\n\n"_s;
    if (driver.isEmpty())
        return text;
    switch (variant) {
    case Variant::cpp:
        return text + helpers + u"\n[[maybe_unused]] static const bool driverRan = [] {\n"_s +
               driver + u"\n    return true;\n}();\n"_s;
    case Variant::c:
        return text + helpers +
               u"\n__attribute__((constructor)) static void runDriver(void) {\n"_s + driver +
               u"\n}\n"_s;
    case Variant::python:
        return text + helpers + u'\n' + driver + u'\n';
    }
    return text;
}

// Warnings are errors: a fragment must compile cleanly under -Wall -Wextra.
ProcessOutcome buildAndRun(Variant variant, const QString& text) {
    QTemporaryDir dir;
    const QString program = dir.filePath(u"program"_s);
    const QString source = program + u'.' + factsOf(variant).suffix;
    QFile file(source);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0)
        return {};
    file.close();
    if (variant == Variant::python)
        return runProcess(u"python3"_s, {source}, 20000);
    const QStringList flags = {u"-Wall"_s, u"-Wextra"_s, u"-Werror"_s, u"-o"_s, program, source};
    const ProcessOutcome compiled = variant == Variant::cpp
                                        ? runProcess(u"g++"_s, QStringList{u"-std=c++17"_s} + flags)
                                        : runProcess(u"gcc"_s, flags);
    if (!compiled.succeeded())
        return {compiled.finished, compiled.exitCode, {}, u"compile failed:\n"_s + compiled.err};
    return runProcess(program, {}, 20000);
}

class TemplateDriver : public testing::TestWithParam<DriverCase> {};

// A missing driver means the variant only compiles and prints nothing (a
// fragment that is a comment); a template that calls others gets them pasted
// before it and must not carry its own copy of their functions.
TEST_P(TemplateDriver, CompilesAndPrintsWhatItsDriverExpects) {
    const auto& [category, algorithm, variant] = GetParam();
    const QString suffix = factsOf(variant).suffix;
    const QString library = libraryFolder() + u'/' + category + u'/';
    const QString drivers = driverFolder() + u'/' + category + u'/';
    ASSERT_TRUE(QDir(drivers + algorithm).exists()) << "no driver folder";

    const QString own = read(library + algorithm + u"/template."_s + suffix);
    QString fragment;
    for (const QString& used :
         read(drivers + algorithm + u"/uses.txt"_s).split(u'\n', Qt::SkipEmptyParts)) {
        const QString usedFragment = read(library + used + u"/template."_s + suffix);
        ASSERT_FALSE(usedFragment.isEmpty()) << used.toStdString();
        for (const QString& function : definedFunctions(usedFragment))
            EXPECT_FALSE(definedFunctions(own).contains(function)) << function.toStdString();
        fragment += usedFragment + u"\n\n"_s;
    }
    fragment += own;

    const QString driver = read(drivers + algorithm + u"/driver."_s + suffix);
    QString expected;
    if (!driver.isEmpty()) {
        const QString variantOwn = drivers + algorithm + u"/expected."_s + suffix + u".txt"_s;
        expected =
            read(QFile::exists(variantOwn) ? variantOwn : drivers + algorithm + u"/expected.txt"_s);
        ASSERT_FALSE(expected.isEmpty()) << "no expected output";
    }
    const QString text =
        programText(variant, fragment, read(drivers + u"helpers."_s + suffix), driver);
    const ProcessOutcome ran = buildAndRun(variant, text);
    ASSERT_TRUE(ran.finished) << "did not finish in time";
    EXPECT_EQ(ran.exitCode, 0) << ran.err.toStdString() << "\nprogram:\n" << text.toStdString();
    EXPECT_EQ(ran.err, QString()) << "program:\n" << text.toStdString();
    EXPECT_EQ(ran.out, expected) << "program:\n" << text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Library, TemplateDriver, testing::ValuesIn(everyVariant()), caseName);

// Every template the library offers has its data folder and a driver folder,
// so the drivers above run them all; the browser tells cards apart by name.
TEST(TemplateLibrary, EveryTemplateIsCompleteNamedOnceAndDriven) {
    QSet<QString> names;
    qsizetype count = 0;
    for (AlgorithmCategory category : corvanta::allAlgorithmCategories()) {
        for (const AlgorithmTemplate& item : corvanta::templates(category)) {
            SCOPED_TRACE(item.name.toStdString());
            EXPECT_FALSE(item.name.isEmpty());
            EXPECT_FALSE(item.description.isEmpty());
            EXPECT_FALSE(item.timeComplexity.isEmpty());
            EXPECT_FALSE(names.contains(item.name));
            names.insert(item.name);
            ++count;
        }
    }
    EXPECT_EQ(qsizetype(everyVariant().size()), 3 * count);
    for (const QString& category : subfolders(libraryFolder()))
        EXPECT_EQ(subfolders(driverFolder() + u'/' + category),
                  subfolders(libraryFolder() + u'/' + category))
            << category.toStdString();
}

// No includes, tabs, final line feed, trailing blanks or std:: prefix in C++;
// indentation in steps of four.
TEST(TemplateLibrary, EveryFragmentFollowsThePasteRules) {
    static const QRegularExpression indentation(u"^( *)"_s);
    for (AlgorithmCategory category : corvanta::allAlgorithmCategories()) {
        for (const AlgorithmTemplate& item : corvanta::templates(category)) {
            for (const QString* code : {&item.cppCode, &item.cCode, &item.pythonCode}) {
                SCOPED_TRACE(item.name.toStdString());
                EXPECT_FALSE(code->isEmpty());
                EXPECT_FALSE(code->endsWith(u'\n'));
                EXPECT_FALSE(code->contains(u'\t'));
                EXPECT_FALSE(code->contains(u"#include"_s));
                if (code == &item.cppCode) {
                    EXPECT_FALSE(code->contains(u"std::"_s));
                }
                for (const QString& line : code->split(u'\n')) {
                    EXPECT_FALSE(line.endsWith(u' ')) << line.toStdString();
                    EXPECT_EQ(indentation.match(line).capturedLength(1) % 4, 0)
                        << line.toStdString();
                }
            }
        }
    }
}

} // namespace
