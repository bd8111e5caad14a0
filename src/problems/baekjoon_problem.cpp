#include "problems/baekjoon_problem.h"

#include <QJsonArray>

namespace {

QJsonValue optionalText(const std::optional<QString>& text) {
    return text ? QJsonValue(*text) : QJsonValue(QJsonValue::Null);
}

} // namespace

CachedBaekjoonProblem CachedBaekjoonProblem::make(const BaekjoonProblem& problem,
                                                  const QDateTime& fetchedAt) {
    return {problem.number,
            problem.title,
            problem.description,
            problem.inputDescription,
            problem.outputDescription,
            problem.testCases,
            problem.timeLimit,
            problem.memoryLimit,
            problem.tier,
            fetchedAt};
}

QString CrawlerError::errorDescription() const {
    switch (kind) {
    case Kind::httpError:
        return QStringLiteral("HTTP 오류: ") + QString::number(statusCode);
    case Kind::invalidURL:
        return QStringLiteral("잘못된 URL입니다");
    case Kind::noData:
        return QStringLiteral("데이터를 받아올 수 없습니다");
    case Kind::parseError:
        return QStringLiteral("문제를 파싱할 수 없습니다");
    case Kind::transport:
    case Kind::json:
        return platformDescription;
    }
    return {};
}

QJsonObject problemToJson(const BaekjoonProblem& problem) {
    QJsonArray samples;
    for (const ProblemSample& sample : problem.testCases)
        samples.append(QJsonObject{{QStringLiteral("input"), sample.input},
                                   {QStringLiteral("output"), sample.output}});
    return {
        {QStringLiteral("number"), problem.number},
        {QStringLiteral("title"), problem.title},
        {QStringLiteral("description"), problem.description},
        {QStringLiteral("inputDescription"), problem.inputDescription},
        {QStringLiteral("outputDescription"), problem.outputDescription},
        {QStringLiteral("testCases"), samples},
        {QStringLiteral("timeLimit"), optionalText(problem.timeLimit)},
        {QStringLiteral("memoryLimit"), optionalText(problem.memoryLimit)},
        {QStringLiteral("tier"),
         problem.tier ? QJsonValue(rawValue(*problem.tier)) : QJsonValue(QJsonValue::Null)},
    };
}
