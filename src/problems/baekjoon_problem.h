#pragma once

#include "problems/solved_tier.h"

#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <optional>
#include <variant>

// One sample of a problem page: the input the judge feeds and the output it expects.
struct ProblemSample {
    QString input;
    QString output;

    bool operator==(const ProblemSample&) const = default;
};

// A problem as read from its page. Only `tier` changes after the page is
// parsed: it is filled in when the tier service answers.
struct BaekjoonProblem {
    QString number; // exactly as requested
    QString title = QStringLiteral("제목 없음");
    QString description;
    QString inputDescription;
    QString outputDescription;
    QList<ProblemSample> testCases;
    // As the page words them ("2 초", "128 MB"); absent when it states none.
    std::optional<QString> timeLimit;
    std::optional<QString> memoryLimit;
    std::optional<SolvedTier> tier;

    bool operator==(const BaekjoonProblem&) const = default;
};

// The last problem fetched, as the problem session keeps it for the run
// (never saved).
struct CachedBaekjoonProblem {
    QString number;
    QString title;
    QString description;
    QString inputDescription;
    QString outputDescription;
    QList<ProblemSample> testCases;
    std::optional<QString> timeLimit;
    std::optional<QString> memoryLimit;
    std::optional<SolvedTier> tier;
    QDateTime fetchedAt;

    static CachedBaekjoonProblem make(const BaekjoonProblem& problem,
                                      const QDateTime& fetchedAt = QDateTime::currentDateTime());

    bool operator==(const CachedBaekjoonProblem&) const = default;
};

// Why a request to the judge or the tier service failed. The four kinds of
// the problem client carry their own Korean text; transport and JSON failures
// keep the description Qt gave them.
struct CrawlerError {
    enum class Kind { httpError, invalidURL, noData, parseError, transport, json };

    Kind kind = Kind::noData;
    int statusCode = 0;          // httpError
    QString platformDescription; // transport, json

    static CrawlerError httpError(int statusCode) { return {Kind::httpError, statusCode, {}}; }
    static CrawlerError invalidURL() { return {Kind::invalidURL, 0, {}}; }
    static CrawlerError noData() { return {Kind::noData, 0, {}}; }
    static CrawlerError parseError() { return {Kind::parseError, 0, {}}; }
    static CrawlerError transport(const QString& description) {
        return {Kind::transport, 0, description};
    }
    static CrawlerError json(const QString& description) { return {Kind::json, 0, description}; }

    // What the user is shown.
    QString errorDescription() const;

    bool operator==(const CrawlerError&) const = default;
};

using ProblemResult = std::variant<BaekjoonProblem, CrawlerError>;

// The problem as one JSON object: number, title, the three descriptions,
// testCases (objects with input and output), timeLimit and memoryLimit (text
// or null) and tier (its raw value or null).
QJsonObject problemToJson(const BaekjoonProblem& problem);
