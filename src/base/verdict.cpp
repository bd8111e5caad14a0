#include "base/verdict.h"

using namespace Qt::StringLiterals;

namespace {

struct Word {
    VerdictKind kind;
    QString word;
};

const Word words[] = {
    {VerdictKind::accepted, u"accepted"_s},
    {VerdictKind::wrongAnswer, u"wrong-answer"_s},
    {VerdictKind::timeLimit, u"time-limit"_s},
    {VerdictKind::memoryLimit, u"memory-limit"_s},
    {VerdictKind::runtimeError, u"runtime-error"_s},
    {VerdictKind::outputLimit, u"output-limit"_s},
    {VerdictKind::compileError, u"compile-error"_s},
    {VerdictKind::checkerFailure, u"checker-failure"_s},
    {VerdictKind::noExpectedOutput, u"no-expected-output"_s},
    {VerdictKind::stopped, u"stopped"_s},
    {VerdictKind::failedToStart, u"failed-to-start"_s},
};

} // namespace

QString verdictWord(VerdictKind kind) {
    for (const Word& entry : words) {
        if (entry.kind == kind)
            return entry.word;
    }
    return {};
}

std::optional<VerdictKind> verdictKindFromWord(const QString& word) {
    for (const Word& entry : words) {
        if (entry.word == word)
            return entry.kind;
    }
    return std::nullopt;
}
