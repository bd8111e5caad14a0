#include "runner/stress_session.h"

#include "runner/stress_shrink.h"

#include <QCryptographicHash>
#include <QHash>
#include <QThread>
#include <algorithm>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr int progressIntervalMs = 250;

std::chrono::duration<double> secondsOf(double seconds) {
    return std::chrono::duration<double>(seconds);
}

} // namespace

QString stressProgressLine(const StressProgress& progress) {
    const QString elapsed = QString::number(progress.elapsedSeconds, 'f', 1) + u"초"_s;
    switch (progress.phase) {
    case StressProgress::Phase::preparing:
        return u"컴파일 중 · "_s + elapsed;
    case StressProgress::Phase::shrinking:
        return u"반례 줄이는 중 · 시도 "_s + QString::number(progress.shrinkRounds) + u" · "_s +
               elapsed;
    case StressProgress::Phase::searching:
    case StressProgress::Phase::finished:
        break;
    }
    QString line = u"라운드 "_s + QString::number(progress.rounds) + u" · 초당 "_s +
                   QString::number(progress.roundsPerSecond, 'f', 1) + u" · "_s + elapsed;
    if (progress.phase == StressProgress::Phase::finished && progress.shrinkRounds > 0)
        line += u" · 반례 줄이기 시도 "_s + QString::number(progress.shrinkRounds);
    return line;
}

StressSession::StressSession(StressSetup setup, QObject* parent)
    : QObject(parent), m_setup(std::move(setup)), m_progressTimer(this) {
    m_progressTimer.setInterval(progressIntervalMs);
    connect(&m_progressTimer, &QTimer::timeout, this, [this] { emit progressed(snapshot()); });
}

StressSession::~StressSession() {
    stop();
    if (m_controller.joinable())
        m_controller.join();
}

void StressSession::start() {
    if (m_controller.joinable() || m_finished)
        return;
    m_startedAt = Clock::now();
    m_progressTimer.start();
    m_controller = std::thread(&StressSession::work, this);
}

void StressSession::stop() {
    m_stop.stop();
    m_searchStop.stop();
}

// On the controller thread. The result travels to the session's thread as a
// queued call; the destructor joins this thread before it could reach a
// deleted session.
void StressSession::work() {
    PrepareOptions options = m_setup.prepare;
    options.stop = &m_stop;
    const StressPrograms programs =
        StressPrograms::prepare(m_setup.sources, m_setup.comparison, m_setup.limits, options);
    StressResult result;
    if (m_stop.isStopped()) {
        result.outcome = StressResult::Outcome::stopped;
    } else if (std::optional<StressRound> failed = programs.failure()) {
        result.outcome = StressResult::Outcome::programFailed;
        result.smallest = *failed;
    } else {
        search(programs);
        if (!m_firstFailure) {
            result.outcome = m_stop.isStopped() ? StressResult::Outcome::stopped
                                                : StressResult::Outcome::noDifference;
        } else if (m_firstFailure->outcome == StressRound::Outcome::counterexample) {
            result = shrink(programs, *m_firstFailure);
        } else {
            result.outcome = StressResult::Outcome::programFailed;
            result.smallest = *m_firstFailure;
        }
    }
    m_phase = StressProgress::Phase::finished;
    result.progress = snapshot();
    QMetaObject::invokeMethod(
        this, [this, result] { finish(result); }, Qt::QueuedConnection);
}

void StressSession::search(const StressPrograms& programs) {
    m_searchStartedAt = (Clock::now() - m_startedAt).count();
    m_phase = StressProgress::Phase::searching;
    const int workers =
        m_setup.workers > 0 ? m_setup.workers : std::max(1, QThread::idealThreadCount());
    std::vector<std::thread> threads;
    for (int i = 1; i < workers; ++i)
        threads.emplace_back(&StressSession::searchOnWorker, this, std::cref(programs));
    searchOnWorker(programs);
    for (std::thread& thread : threads)
        thread.join();
    m_searchEndedAt = (Clock::now() - m_startedAt).count();
}

void StressSession::searchOnWorker(const StressPrograms& programs) {
    StressInput input;
    const Clock::time_point deadline = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                                          secondsOf(m_setup.budget.seconds));
    while (!m_searchStop.isStopped()) {
        if (m_setup.budget.seconds > 0 && Clock::now() >= deadline) {
            m_searchStop.stop();
            return;
        }
        const quint64 index = m_nextRound++;
        if (m_setup.budget.rounds > 0 && index >= m_setup.budget.rounds)
            return;
        const quint64 seed = m_setup.firstSeed + index;
        const QList<qint64> values = m_setup.pattern.draw(seed);
        StressRound round =
            programs.run(seed, values, m_setup.pattern.arguments(values), input, &m_searchStop);
        switch (round.outcome) {
        case StressRound::Outcome::passed:
            ++m_rounds;
            break;
        case StressRound::Outcome::stopped:
            return;
        case StressRound::Outcome::counterexample:
        case StressRound::Outcome::programFailed: {
            const std::lock_guard lock(m_firstFailureMutex);
            // The round that found it counts: "round 0" would read as none run.
            if (!m_firstFailure) {
                ++m_rounds;
                m_firstFailure = std::move(round);
            }
            m_searchStop.stop();
            return;
        }
        }
    }
}

StressResult StressSession::shrink(const StressPrograms& programs, const StressRound& found) {
    m_phase = StressProgress::Phase::shrinking;
    StressInput input;
    const Clock::time_point deadline = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                                          secondsOf(m_setup.budget.shrinkSeconds));
    StressResult result;
    result.outcome = StressResult::Outcome::counterexample;
    result.found = found;
    // A generator that ignores the seed, or a range it ignores, gives the
    // same input again: its round is not judged twice, which matters when
    // each round costs a time limit.
    // By the digest of its input: the failing round, or nothing for one that passed.
    QHash<QByteArray, std::optional<StressRound>> judged{
        {QCryptographicHash::hash(found.input, QCryptographicHash::Sha256), found}};
    result.smallest = shrinkCounterexample(
        found, m_setup.pattern.ranges(),
        [&](quint64 seed, const QList<qint64>& values) {
            StressRound round;
            round.seed = seed;
            round.values = values;
            round.arguments = m_setup.pattern.arguments(values);
            if (!programs.generate(round, &m_stop))
                return round;
            const QByteArray key =
                QCryptographicHash::hash(round.input, QCryptographicHash::Sha256);
            if (const auto seen = judged.constFind(key); seen != judged.cend()) {
                if (!*seen) {
                    round.outcome = StressRound::Outcome::passed;
                    return round;
                }
                StressRound same = **seen;
                same.seed = seed;
                same.values = values;
                same.arguments = round.arguments;
                return same;
            }
            ++m_shrinkRounds;
            programs.judge(round, input, &m_stop);
            if (round.outcome == StressRound::Outcome::passed)
                judged.insert(key, std::nullopt);
            else if (round.outcome == StressRound::Outcome::counterexample)
                judged.insert(key, round);
            return round;
        },
        [&] { return !m_stop.isStopped() && Clock::now() < deadline; });
    if (result.smallest.failure == StressRound::Failure::wrongAnswer) {
        result.diff = diffOutputs(QString::fromUtf8(result.smallest.answer),
                                  QString::fromUtf8(result.smallest.output), programs.ruleLabel());
    }
    return result;
}

StressProgress StressSession::snapshot() const {
    StressProgress progress;
    progress.phase = m_phase;
    progress.rounds = m_rounds;
    progress.shrinkRounds = m_shrinkRounds;
    const Clock::rep now = (Clock::now() - m_startedAt).count();
    progress.elapsedSeconds = std::chrono::duration<double>(Clock::duration(now)).count();
    const Clock::rep searchStart = m_searchStartedAt;
    const Clock::rep searchEnd = m_searchEndedAt;
    if (searchStart >= 0) {
        const double searching =
            std::chrono::duration<double>(
                Clock::duration((searchEnd >= 0 ? searchEnd : now) - searchStart))
                .count();
        if (searching > 0)
            progress.roundsPerSecond = double(progress.rounds) / searching;
    }
    return progress;
}

void StressSession::finish(const StressResult& result) {
    m_controller.join();
    m_finished = true;
    m_progressTimer.stop();
    emit progressed(result.progress);
    emit finished(result);
}
