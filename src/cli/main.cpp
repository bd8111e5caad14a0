#include "base/app_identity.h"
#include "cli/cli_commands.h"

#include <QCoreApplication>
#include <QTextStream>
#include <algorithm>
#include <functional>
#include <map>

namespace {

struct Verb {
    QString usage;
    QString summary;
    std::function<int(const QStringList&)> run;
};

const std::map<QString, Verb>& verbs() {
    static const std::map<QString, Verb> table = {
        {QStringLiteral("templates"),
         {QStringLiteral("templates"),
          QStringLiteral("Prints the algorithm template library as one JSON array."),
          runTemplates}},
        {QStringLiteral("settings"),
         {QStringLiteral("settings"),
          QStringLiteral("Prints every setting's group, key, type, default and range as JSON."),
          runSettings}},
        {QStringLiteral("themes"),
         {QStringLiteral("themes"),
          QStringLiteral("Prints the colours of the built-in themes as one JSON array."),
          runThemes}},
        {QStringLiteral("snippets"),
         {QStringLiteral("snippets"),
          QStringLiteral("Prints the snippet tables as one JSON array."), runSnippets}},
        {QStringLiteral("starters"),
         {QStringLiteral("starters"),
          QStringLiteral("Prints each language's starter texts as one JSON array."), runStarters}},
        {QStringLiteral("run"),
         {QStringLiteral("run FILE... TESTDIR [--timeout SECONDS] [--memory MB] [--language NAME]\n"
                         "      [--compare MODE | --checker FILE | --interactor FILE]\n"
                         "      [--checker-style testlib|package] [--json]"),
          QStringLiteral(
              "Judges each FILE against every TESTDIR/NAME.in, with NAME.out or NAME.ans beside\n"
              "it as the expected output; with several files each report follows a line\n"
              "\"==> FILE <==\". When TESTDIR has no .in file at its top, the cases one and two\n"
              "folders down are used (data/sample/1.in, data/secret/02.in), in natural order of\n"
              "their paths. --timeout (default 5, 0: none) is the time limit and the hard stop;\n"
              "--memory (default 256, 0: none) the memory limit. Outputs are compared by\n"
              "--compare exact|lines|tokens|float[:EPS] (lines by default), or judged by a\n"
              "--checker program, or the solution talks with an --interactor program; either\n"
              "is called in the testlib convention or, with --checker-style package, in the\n"
              "problem-package one. A TESTDIR with problem.yaml is a problem package: its\n"
              "time and memory limits and its output validator (in the package convention)\n"
              "apply unless the options above say otherwise, and its default comparison is\n"
              "tokens. --json prints the verdicts, times and peak memory as JSON instead of\n"
              "the reports (an array for several files). Exit status: 0 every case passes,\n"
              "1 one fails, 2 bad usage or no cases, 3 the checker or interactor failed."),
          runRun}},
        {QStringLiteral("stress"),
         {QStringLiteral(
              "stress SOLUTION BRUTE GENERATOR [--rounds N] [--seconds S] [--args PATTERN]\n"
              "      [--compare MODE] [--checker FILE [--checker-style testlib|package]]\n"
              "      [--timeout SECONDS] [--memory MB] [--out DIR]"),
          QStringLiteral(
              "Runs GENERATOR with a seed (1, 2, 3, ...) and the words of PATTERN as its\n"
              "arguments, feeds its output to BRUTE and SOLUTION, and compares their outputs\n"
              "(--compare exact|lines|tokens|float[:EPS], lines by default, or a checker\n"
              "program) on one worker per core, until SOLUTION fails a round or the budget\n"
              "ends: --rounds rounds, --seconds seconds of rounds (10 when neither is given).\n"
              "In PATTERN, [LOW..HIGH] inside a word stands for a whole number drawn anew\n"
              "each round: \"10 [1..100]\". A wrong answer, time limit (--timeout, 5 by\n"
              "default) or runtime error of SOLUTION is shrunk for up to 10 seconds towards\n"
              "the smallest input the pattern reaches and saved as DIR/N.in and DIR/N.ans\n"
              "(the current folder by default; N after the folder's highest case number).\n"
              "Progress goes to standard error when it is a terminal. Exit status: 0 no\n"
              "difference found, 1 a counterexample saved, 2 bad usage, 3 a program did not\n"
              "compile, GENERATOR, BRUTE or the checker failed, or the case could not be\n"
              "saved, 130 interrupted."),
          runStress}},
        {QStringLiteral("highlight"),
         {QStringLiteral("highlight FILE [--language NAME] [--reference]"),
          QStringLiteral(
              "Prints the colouring of FILE as START LENGTH ROLE lines in UTF-16 units."),
          runHighlight}},
        {QStringLiteral("problem"),
         {QStringLiteral("problem NUMBER [--judge URL] [--tier URL] | problem NUMBER --html FILE"),
          QStringLiteral(
              "Prints a judge problem as JSON: fetched, or converted from a saved page, with\n"
              "timeLimit and memoryLimit as the page words them (null when it states none).\n"
              "CORVANTA_JUDGE_URL and CORVANTA_TIER_URL, when set, replace the built-in\n"
              "addresses; --judge and --tier take precedence over them."),
          runProblem}},
    };
    return table;
}

bool isHelpOption(const QString& argument) {
    return argument == QStringLiteral("--help") || argument == QStringLiteral("-h");
}

// The whole usage: on standard output when asked for, on standard error
// after a mistake.
int usage(FILE* stream, int status) {
    QTextStream out(stream);
    out << "usage: corvanta-cli VERB ...\n";
    for (const auto& [name, verb] : verbs())
        out << "  corvanta-cli " << verb.usage << '\n';
    out << "  corvanta-cli help [VERB] | --help | --version\n"
        << "--language NAME: " << languageNames() << '\n';
    return status;
}

int verbHelp(const Verb& verb) {
    QTextStream(stdout) << "usage: corvanta-cli " << verb.usage << "\n\n" << verb.summary << '\n';
    return 0;
}

int help(const QStringList& arguments) {
    if (arguments.isEmpty())
        return usage(stdout, 0);
    const auto it = verbs().find(arguments.first());
    if (arguments.size() > 1 || it == verbs().end()) {
        QTextStream(stderr) << "corvanta-cli help: no verb " << arguments.join(u' ') << '\n';
        return usage(stderr, 2);
    }
    return verbHelp(it->second);
}

} // namespace

int badUsage(const QString& verb, const QString& problem) {
    QTextStream(stderr) << "corvanta-cli " << verb << ": " << problem << "\nusage: corvanta-cli "
                        << verbs().at(verb).usage << '\n';
    return 2;
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    // The same names as the editor: they place the shared compile cache.
    setAppIdentity();
    QStringList arguments = app.arguments().mid(1);
    if (arguments.isEmpty()) {
        QTextStream(stderr) << "corvanta-cli: no verb given\n";
        return usage(stderr, 2);
    }
    const QString first = arguments.takeFirst();
    if (first == QStringLiteral("help") || isHelpOption(first))
        return help(arguments);
    if (first == QStringLiteral("--version")) {
        QTextStream(stdout) << "corvanta-cli " << CORVANTA_VERSION << '\n';
        return 0;
    }
    const auto it = verbs().find(first);
    if (it == verbs().end()) {
        QTextStream(stderr) << "corvanta-cli: unknown "
                            << (first.startsWith(u'-') ? "option " : "verb ") << first << '\n';
        return usage(stderr, 2);
    }
    if (std::any_of(arguments.begin(), arguments.end(), isHelpOption))
        return verbHelp(it->second);
    return it->second.run(arguments);
}
