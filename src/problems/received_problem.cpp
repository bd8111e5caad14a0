#include "problems/received_problem.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <cmath>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// Generous for any judge, and far inside an int.
constexpr double largestTimeLimitMs = 24.0 * 60 * 60 * 1000;
constexpr double largestMemoryLimitMb = 1024.0 * 1024;

QString missing(const QString& field, const QString& kind) {
    return u"'%1' 필드가 없거나 %2이(가) 아닙니다"_s.arg(field, kind);
}

// A whole number in 1..largest, or why not.
std::variant<int, QString> limit(const QJsonObject& object, const QString& field, double largest) {
    const QJsonValue value = object.value(field);
    if (!value.isDouble())
        return missing(field, u"숫자"_s);
    const double number = std::floor(value.toDouble());
    if (number < 1 || number > largest)
        return u"'%1' 값 %2은(는) 1부터 %3 사이여야 합니다"_s.arg(field)
            .arg(value.toDouble())
            .arg(largest, 0, 'f', 0);
    return int(number);
}

// An optional object member: absent gives `fallback`, any other type is an error.
std::optional<QJsonObject> optionalObject(const QJsonObject& object, const QString& field,
                                          const QJsonObject& fallback) {
    const QJsonValue value = object.value(field);
    if (value.isUndefined())
        return fallback;
    if (!value.isObject())
        return std::nullopt;
    return value.toObject();
}

} // namespace

ReceivedProblemResult parseReceivedProblem(const QByteArray& json) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        return RejectedProblem{
            u"JSON 형식이 올바르지 않습니다 (%1번째 바이트): %2"_s.arg(error.offset)
                .arg(error.errorString())};
    if (!document.isObject())
        return RejectedProblem{u"본문이 JSON 객체가 아닙니다"_s};
    const QJsonObject object = document.object();

    ReceivedProblem problem;
    for (auto [field, target] :
         {std::pair{u"name"_s, &problem.name}, std::pair{u"group"_s, &problem.group},
          std::pair{u"url"_s, &problem.url}}) {
        const QJsonValue value = object.value(field);
        if (!value.isString())
            return RejectedProblem{missing(field, u"문자열"_s)};
        *target = value.toString();
    }

    const auto memory = limit(object, u"memoryLimit"_s, largestMemoryLimitMb);
    if (const auto* reason = std::get_if<QString>(&memory))
        return RejectedProblem{*reason};
    problem.memoryLimitMb = std::get<int>(memory);
    const auto time = limit(object, u"timeLimit"_s, largestTimeLimitMs);
    if (const auto* reason = std::get_if<QString>(&time))
        return RejectedProblem{*reason};
    problem.timeLimitMs = std::get<int>(time);

    const QJsonValue tests = object.value(u"tests"_s);
    if (!tests.isArray())
        return RejectedProblem{missing(u"tests"_s, u"배열"_s)};
    const QJsonArray testArray = tests.toArray();
    for (qsizetype i = 0; i < testArray.size(); ++i) {
        const QJsonObject test = testArray.at(i).toObject();
        const QJsonValue input = test.value(u"input"_s);
        const QJsonValue output = test.value(u"output"_s);
        if (!input.isString() || !output.isString())
            return RejectedProblem{
                u"'tests'의 %1번째 항목에 문자열 input과 output이 없습니다"_s.arg(i + 1)};
        problem.tests.append({input.toString(), output.toString()});
    }

    const QJsonValue interactive = object.value(u"interactive"_s);
    if (!interactive.isUndefined() && !interactive.isBool())
        return RejectedProblem{missing(u"interactive"_s, u"참/거짓 값"_s)};
    problem.interactive = interactive.toBool(false);

    const QJsonValue testType = object.value(u"testType"_s);
    if (!testType.isUndefined() && !testType.isString())
        return RejectedProblem{missing(u"testType"_s, u"문자열"_s)};
    problem.testType = testType.toString(u"single"_s);

    const QJsonObject standardInput{{u"type"_s, u"stdin"_s}};
    const QJsonObject standardOutput{{u"type"_s, u"stdout"_s}};
    for (auto [field, fallback, target] :
         {std::tuple{u"input"_s, standardInput, &problem.input},
          std::tuple{u"output"_s, standardOutput, &problem.output},
          std::tuple{u"languages"_s, QJsonObject(), &problem.languages}}) {
        const auto value = optionalObject(object, field, fallback);
        if (!value)
            return RejectedProblem{missing(field, u"객체"_s)};
        *target = *value;
    }

    const QJsonValue batch = object.value(u"batch"_s);
    if (!batch.isUndefined()) {
        const QJsonValue id = batch.toObject().value(u"id"_s);
        const QJsonValue size = batch.toObject().value(u"size"_s);
        if (!id.isString() || !size.isDouble())
            return RejectedProblem{u"'batch'에 문자열 id와 숫자 size가 있어야 합니다"_s};
        if (size.toDouble() != std::floor(size.toDouble()) || size.toDouble() < 1 ||
            size.toDouble() > maximumBatchSize)
            return RejectedProblem{
                u"'batch.size'는 1부터 %1 사이의 정수여야 합니다"_s.arg(maximumBatchSize)};
        problem.batchId = id.toString();
        problem.batchSize = size.toInt();
    }
    return problem;
}
