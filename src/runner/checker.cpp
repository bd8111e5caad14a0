#include "runner/checker.h"

#include "runner/run_report.h"

#include <QDir>
#include <QFile>
#include <QThread>
#include <atomic>

using namespace Qt::StringLiterals;

namespace {

using Verdict = CheckResult::Verdict;
using Status = ProgramRun::Status;

// A card shows a message, not a checker's whole log.
constexpr qsizetype messageLimit = 4096;

QString shortText(const QByteArray& bytes) {
    return QString::fromUtf8(bytes.left(messageLimit)).trimmed();
}

QString joined(const QString& what, const QString& detail) {
    return detail.isEmpty() ? what : what + u'\n' + detail;
}

CheckResult failure(const QString& what, const QString& detail = {}) {
    return {Verdict::checkerFailure, 0, joined(what, detail)};
}

QString readFeedback(const QString& folder, const QString& name) {
    QFile file(folder + u'/' + name);
    return file.open(QIODevice::ReadOnly) ? shortText(file.read(messageLimit)) : QString();
}

// One check's files, removed with it; the feedback folder stays, emptied.
struct CheckFiles {
    CheckFiles(QString inputPath, QString outputPath, QString answerPath, QString feedbackFolder)
        : input(std::move(inputPath)), output(std::move(outputPath)), answer(std::move(answerPath)),
          feedback(std::move(feedbackFolder)) {}

    QString input;
    QString output;
    QString answer;
    QString feedback;

    CheckFiles(const CheckFiles&) = delete;
    CheckFiles& operator=(const CheckFiles&) = delete;
    ~CheckFiles() {
        for (const QString& file : {input, output, answer})
            QFile::remove(file);
        if (feedback.isEmpty())
            return;
        QDir folder(feedback);
        for (const QString& file : folder.entryList(QDir::Files | QDir::Hidden))
            folder.remove(file);
    }
};

bool writeBytes(const QString& path, QByteArrayView bytes, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), bytes.size()) != bytes.size() || !file.flush()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

CheckResult interpretTestlib(int exitCode, const QString& message) {
    switch (exitCode) {
    case 0:
        return {Verdict::accepted, 0, message};
    case 1:
        return {Verdict::wrongAnswer, 0, message};
    case 2:
        return {Verdict::presentationError, 0, message};
    case 3:
        return failure(u"채점기가 스스로 실패를 알렸습니다"_s, message);
    case 7: {
        // The points come first in the message.
        const QString first = message.section(u' ', 0, 0);
        bool ok = false;
        const double points = first.toDouble(&ok);
        return {Verdict::points, ok ? points : 0,
                ok ? message.sliced(first.size()).trimmed() : message};
    }
    default:
        return failure(u"채점기가 알 수 없는 종료 코드 "_s + QString::number(exitCode) +
                           u"을(를) 돌려주었습니다"_s,
                       message);
    }
}

CheckResult interpretPackage(int exitCode, const QString& errors, const QString& feedbackFolder) {
    const QString judgeMessage = readFeedback(feedbackFolder, u"judgemessage.txt"_s);
    const QString message = judgeMessage.isEmpty() ? errors : judgeMessage;
    switch (exitCode) {
    case 42:
        return {Verdict::accepted, 0, message};
    case 43:
        return {Verdict::wrongAnswer, 0, message};
    default: {
        const QString judgeError = readFeedback(feedbackFolder, u"judgeerror.txt"_s);
        return failure(u"검증기가 채점 오류로 끝났습니다 (종료 코드 "_s +
                           QString::number(exitCode) + u")"_s,
                       judgeError.isEmpty() ? message : judgeError);
    }
    }
}

} // namespace

QString checkerStyleName(CheckerStyle style) {
    return style == CheckerStyle::testlib ? u"testlib"_s : u"package"_s;
}

std::optional<CheckerStyle> checkerStyleFromName(const QString& name) {
    for (const CheckerStyle style : {CheckerStyle::testlib, CheckerStyle::package}) {
        if (name == checkerStyleName(style))
            return style;
    }
    return std::nullopt;
}

CheckResult interpretCheckerEnd(CheckerStyle style, const ProgramRun::Outcome& outcome,
                                int timeLimitSeconds, const QString& feedbackFolder) {
    const QString errors = shortText(outcome.standardError);
    switch (outcome.status) {
    case Status::failedToStart:
        return failure(u"채점기 실행 실패: "_s + outcome.errorDescription);
    case Status::timedOut:
        return failure(u"채점기 시간 초과 ("_s + QString::number(timeLimitSeconds) + u"초)"_s,
                       errors);
    case Status::outputLimitExceeded:
        return failure(u"채점기 출력 초과 (64MB)"_s);
    case Status::memoryLimitExceeded:
        return failure(u"채점기 메모리 초과"_s, errors);
    case Status::stopped:
        return failure(u"⏹️ 실행 중지됨"_s);
    case Status::finished:
        break;
    }
    if (outcome.crashSignal != 0) {
        return failure(u"채점기가 비정상 종료했습니다 (시그널 "_s +
                           QString::number(outcome.crashSignal) + u")"_s,
                       errors);
    }
    return style == CheckerStyle::testlib
               ? interpretTestlib(outcome.exitCode, errors)
               : interpretPackage(outcome.exitCode, errors, feedbackFolder);
}

Checker::Checker(PreparedProgram program, CheckerStyle style)
    : m_program(std::move(program)), m_style(style) {}

Checker Checker::prepare(const QString& code, ProgrammingLanguage language, CheckerStyle style,
                         const PrepareOptions& options) {
    return Checker(PreparedProgram::prepare(code, language, options), style);
}

CheckResult Checker::check(QByteArrayView input, QByteArrayView output, QByteArrayView answer,
                           int timeLimitSeconds, const StopSignal* stop) const {
    if (const std::optional<CaseResult>& failed = m_program.failure())
        return failure(u"채점기를 준비하지 못했습니다"_s, failureText(*failed));
    // Files named per check, so threads may check at once. No folder per
    // check: making and removing one costs more than many checkers take to
    // run on some file systems (ext4 mounted with discard), so each thread
    // reuses a feedback folder of its own and empties it.
    static std::atomic<quint64> checks{0};
    const QString folder = m_program.workingFolder();
    const QString prefix = folder + u"/check-"_s + QString::number(++checks) + u'-';
    const CheckFiles files{
        prefix + u"input.txt"_s, prefix + u"output.txt"_s, prefix + u"answer.txt"_s,
        m_style == CheckerStyle::package
            ? folder + u"/feedback-"_s + QString::number(quintptr(QThread::currentThreadId()))
            : QString()};
    QString error;
    if (!writeBytes(files.input, input, &error) || !writeBytes(files.output, output, &error) ||
        !writeBytes(files.answer, answer, &error))
        return failure(u"파일 생성 실패: "_s + error);
    if (!files.feedback.isEmpty() && !QDir().mkpath(files.feedback))
        return failure(u"파일 생성 실패: "_s + files.feedback);

    QStringList arguments = m_program.arguments();
    if (m_style == CheckerStyle::testlib)
        arguments << files.input << files.output << files.answer;
    else
        arguments << files.input << files.answer << files.feedback + u'/';
    ProgramRun process(m_program.program(), arguments + m_extraArguments);
    if (m_style == CheckerStyle::package)
        process.setInputFile(files.output);
    process.setTimeLimit(std::chrono::seconds(timeLimitSeconds));
    process.setStopSignal(stop);
    return interpretCheckerEnd(m_style, process.run(), timeLimitSeconds, files.feedback);
}
