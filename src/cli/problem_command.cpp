#include "cli/cli_commands.h"

#include "problems/baekjoon_crawler.h"

#include <QEventLoop>
#include <QFile>
#include <QJsonDocument>
#include <QTextStream>
#include <cstdio>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

const QString verb = u"problem"_s;

int fail(const CrawlerError& error) {
    QTextStream(stderr) << error.errorDescription() << '\n';
    return 1;
}

int printProblem(const BaekjoonProblem& problem) {
    const QByteArray json = QJsonDocument(problemToJson(problem)).toJson(QJsonDocument::Indented);
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    return 0;
}

int printResult(const ProblemResult& result) {
    if (const auto* error = std::get_if<CrawlerError>(&result))
        return fail(*error);
    return printProblem(std::get<BaekjoonProblem>(result));
}

// A saved page is held to the same rules as a fetched one: at most the
// crawler's size limit, not empty, and valid UTF-8.
int convertSavedPage(const QString& number, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        QTextStream(stderr) << path << ": " << file.errorString() << '\n';
        return 1;
    }
    // Refused before reading, like a fetched page over the limit.
    if (file.size() > BaekjoonCrawler::maximumBodySize)
        return fail(CrawlerError::noData());
    return printResult(readProblemPage(file.readAll(), number));
}

int fetch(const QString& number, const CrawlerEndpoints& endpoints) {
    BaekjoonCrawler crawler(endpoints);
    // Standard output carries only the JSON.
    crawler.setStatusLineWriter([](const QString& line) { QTextStream(stderr) << line << '\n'; });
    std::optional<ProblemResult> result;
    QEventLoop loop;
    crawler.fetchProblem(number, [&](const ProblemResult& answer) {
        result = answer;
        loop.quit();
    });
    loop.exec();
    return printResult(*result);
}

} // namespace

int runProblem(const QStringList& arguments) {
    std::optional<QString> number;
    std::optional<QString> htmlFile;
    CrawlerEndpoints endpoints = CrawlerEndpoints::fromEnvironment();
    bool endpointsGiven = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == u"--judge"_s || argument == u"--tier"_s || argument == u"--html"_s) {
            if (i + 1 >= arguments.size())
                return badUsage(verb, argument + u" needs a value"_s);
            const QString value = arguments[++i];
            if (argument == u"--html"_s) {
                htmlFile = value;
            } else {
                (argument == u"--judge"_s ? endpoints.judgeBaseURL : endpoints.tierServiceBaseURL) =
                    value;
                endpointsGiven = true;
            }
        } else if (argument.startsWith(u"--"_s)) {
            return badUsage(verb, u"unknown option "_s + argument);
        } else if (number) {
            return badUsage(verb, u"one problem number only"_s);
        } else {
            number = argument;
        }
    }
    if (!number)
        return badUsage(verb, u"missing problem number"_s);
    if (htmlFile && endpointsGiven)
        return badUsage(verb, u"--html converts a saved page; it takes no URLs"_s);
    return htmlFile ? convertSavedPage(*number, *htmlFile) : fetch(*number, endpoints);
}
