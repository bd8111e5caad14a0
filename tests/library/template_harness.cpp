#include "template_harness.h"

#include "base/starter_code.h"
#include "support/printers.h"
#include "support/process_runner.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

enum class Variant { cpp, c, python };

QString variantName(Variant variant) {
    const char* const names[] = {"C++", "C", "Python"};
    return QString::fromLatin1(names[int(variant)]);
}

QString fragmentOf(const AlgorithmTemplate& item, Variant variant) {
    QString AlgorithmTemplate::*const fields[] = {
        &AlgorithmTemplate::cppCode, &AlgorithmTemplate::cCode, &AlgorithmTemplate::pythonCode};
    return item.*fields[int(variant)];
}

// The names a fragment defines functions under, read off its unindented headers.
QStringList definedFunctions(const QString& fragment) {
    static const QRegularExpression header(
        QStringLiteral(R"(^(?:def |\w[^(\n]*[ *])(\w+)\(.*[{:]$)"),
        QRegularExpression::MultilineOption);
    QStringList names;
    for (const QRegularExpressionMatch& match : header.globalMatch(fragment))
        names << match.captured(1);
    return names;
}

// Insertion puts two line feeds between the file's text and the fragment; the
// C fragments may use MAX, which the user is expected to define beforehand.
QString programText(Variant variant, const QString& fragment, const QString& helpers,
                    const QString& driver) {
    const QString gap = QStringLiteral("\n\n");
    switch (variant) {
    case Variant::cpp: {
        QString text = registeredDefaultTemplate(ProgrammingLanguage::cpp) + gap + fragment + gap;
        if (!driver.isEmpty())
            text += helpers +
                    QStringLiteral("\n[[maybe_unused]] static const bool driverRan = [] {\n") +
                    driver + QStringLiteral("\n    return true;\n}();\n");
        return text;
    }
    case Variant::c: {
        QString text = registeredDefaultTemplate(ProgrammingLanguage::c) +
                       QStringLiteral("\n\n#define MAX 1000\n") + fragment + gap;
        if (!driver.isEmpty())
            text +=
                helpers +
                QStringLiteral("\n__attribute__((constructor)) static void runDriver(void) {\n") +
                driver + QStringLiteral("\n}\n");
        return text;
    }
    case Variant::python: {
        QString text =
            registeredDefaultTemplate(ProgrammingLanguage::python) + gap + fragment + gap;
        if (!driver.isEmpty())
            text += helpers + QLatin1Char('\n') + driver + QLatin1Char('\n');
        return text;
    }
    }
    return {};
}

// Builds and runs one program; reports any failure with enough text to see why.
void buildAndRun(const QTemporaryDir& dir, Variant variant, const QString& text,
                 const QString& expected) {
    const QString base = dir.filePath(QStringLiteral("program"));
    const char* const suffixes[] = {".cpp", ".c", ".py"};
    const QString source = base + QString::fromLatin1(suffixes[int(variant)]);
    QFile file(source);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.toUtf8());
    file.close();

    QString program;
    QStringList arguments;
    if (variant == Variant::python) {
        program = QStringLiteral("python3");
        arguments = {source};
    } else {
        const QStringList flags = {QStringLiteral("-Wall"),
                                   QStringLiteral("-Wextra"),
                                   QStringLiteral("-Werror"),
                                   QStringLiteral("-o"),
                                   base,
                                   source};
        const ProcessOutcome compiled =
            variant == Variant::cpp
                ? runProcess(QStringLiteral("g++"),
                             QStringList{QStringLiteral("-std=c++17")} + flags, 120000)
                : runProcess(QStringLiteral("gcc"), flags, 60000);
        ASSERT_EQ(compiled.exitCode, 0) << "compile failed:\n"
                                        << compiled.err.toStdString() << "\nprogram:\n"
                                        << text.toStdString();
        program = base;
    }
    const ProcessOutcome ran = runProcess(program, arguments, 20000);
    ASSERT_TRUE(ran.finished) << "did not finish in time";
    EXPECT_EQ(ran.exitCode, 0) << ran.err.toStdString();
    EXPECT_EQ(ran.err, QString()) << "program:\n" << text.toStdString();
    EXPECT_EQ(ran.out, expected) << "program:\n" << text.toStdString();
}

} // namespace

void checkCategoryTemplates(AlgorithmCategory category, const DriverHelpers& helpers,
                            const QList<TemplateCheck>& checks) {
    const QList<AlgorithmTemplate>& library = templates(category);
    QStringList libraryNames, checkedNames;
    for (const AlgorithmTemplate& item : library)
        libraryNames << item.name;
    for (const TemplateCheck& check : checks)
        checkedNames << check.name;
    ASSERT_EQ(checkedNames, libraryNames);

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (qsizetype i = 0; i < checks.size(); ++i) {
        const TemplateCheck& check = checks[i];
        const struct {
            Variant variant;
            QString helpers, driver, expected;
        } variants[] = {
            {Variant::cpp, helpers.cpp, check.cppDriver, check.expected},
            {Variant::c, helpers.c, check.cDriver,
             check.expectedC.isEmpty() ? check.expected : check.expectedC},
            {Variant::python, helpers.python, check.pythonDriver, check.expected},
        };
        for (const auto& v : variants) {
            SCOPED_TRACE((check.name + QLatin1Char(' ') + variantName(v.variant)).toStdString());
            const QString own = fragmentOf(library[i], v.variant);
            QString fragment;
            for (const QString& name : check.uses) {
                const qsizetype used = libraryNames.indexOf(name);
                ASSERT_GE(used, 0) << name.toStdString();
                const QString usedFragment = fragmentOf(library[used], v.variant);
                for (const QString& function : definedFunctions(usedFragment))
                    EXPECT_FALSE(definedFunctions(own).contains(function))
                        << function.toStdString();
                fragment += usedFragment + QStringLiteral("\n\n");
            }
            fragment += own;
            buildAndRun(dir, v.variant, programText(v.variant, fragment, v.helpers, v.driver),
                        v.driver.isEmpty() ? QString() : v.expected);
        }
    }
}

void checkPasteRules(AlgorithmCategory category) {
    static const QRegularExpression indentation(QStringLiteral("^( *)"));
    for (const AlgorithmTemplate& item : templates(category)) {
        for (Variant variant : {Variant::cpp, Variant::c, Variant::python}) {
            SCOPED_TRACE((item.name + QLatin1Char(' ') + variantName(variant)).toStdString());
            const QString code = fragmentOf(item, variant);
            EXPECT_FALSE(code.isEmpty());
            EXPECT_FALSE(code.endsWith(QLatin1Char('\n')));
            EXPECT_FALSE(code.contains(QLatin1Char('\t')));
            EXPECT_FALSE(code.contains(QStringLiteral("#include")));
            if (variant == Variant::cpp) {
                EXPECT_FALSE(code.contains(QStringLiteral("std::")));
            }
            for (const QString& line : code.split(QLatin1Char('\n'))) {
                EXPECT_FALSE(line.endsWith(QLatin1Char(' '))) << line.toStdString();
                const qsizetype indent = indentation.match(line).capturedLength(1);
                EXPECT_EQ(indent % 4, 0) << line.toStdString();
            }
        }
    }
}
