// How many rounds a stress session runs, against what one core can do at
// best with the same three programs. Prints:
//   stress_rounds_per_s        median over the trials of a session's rate, on
//                              one worker per core
//   stress_floor_rounds_per_s  median of the same rounds run back to back by
//                              this program on one core: posix_spawn, pipes,
//                              nothing else
//   stress_one_core_rounds_per_s  a session of one worker held to one core like
//                              the floor: what the session's own work costs
//   stress_workers             the session's workers
//   stress_ratio               the first over the floor (target: 0.8 x workers)
//   load_average               the machine's one-minute load when the trials end
// Floor and session alternate so both see the same load.
// Usage: stress [TRIALS] [SECONDS] (default 5 trials of 3 seconds each).
#include "base/app_identity.h"
#include "runner/stress_session.h"

#include "support/bench_stats.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QThread>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <sched.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

using namespace Qt::StringLiterals;

namespace {

using Clock = std::chrono::steady_clock;

const QString generator = u"#include <cstdio>\n#include <cstdlib>\n"
                          u"int main(int, char** argv) {\n"
                          u"    long long seed = std::atoll(argv[1]);\n"
                          u"    std::printf(\"%lld %lld\\n\", seed % 1000, seed / 7);\n"
                          u"}\n"_s;
const QString adder = u"#include <cstdio>\n"
                      u"int main() {\n"
                      u"    long long a, b;\n"
                      u"    if (std::scanf(\"%lld %lld\", &a, &b) == 2)\n"
                      u"        std::printf(\"%lld\\n\", a + b);\n"
                      u"}\n"_s;

// Starts `program` with pipes on its standard input (when `input` is given)
// and output, writes the input, reads the output to its end, waits for it.
QByteArray spawnAndRead(const QByteArray& program, const std::vector<QByteArray>& arguments,
                        const QByteArray* input) {
    int out[2];
    int in[2] = {-1, -1};
    if (::pipe2(out, O_CLOEXEC) != 0 || (input && ::pipe2(in, O_CLOEXEC) != 0))
        std::abort();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    if (input)
        posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
    std::vector<char*> argv{const_cast<char*>(program.constData())};
    for (const QByteArray& argument : arguments)
        argv.push_back(const_cast<char*>(argument.constData()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (::posix_spawn(&pid, program.constData(), &actions, nullptr, argv.data(), environ) != 0)
        std::abort();
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    if (input) {
        ::close(in[0]);
        if (::write(in[1], input->constData(), size_t(input->size())) != input->size())
            std::abort();
        ::close(in[1]);
    }
    QByteArray output;
    char buffer[4096];
    ssize_t count;
    while ((count = ::read(out[0], buffer, sizeof buffer)) > 0 || (count < 0 && errno == EINTR)) {
        if (count > 0)
            output.append(buffer, count);
    }
    ::close(out[0]);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return output;
}

// This thread, and the threads and processes it starts, held to the core it
// is on for the life of the object.
class OneCore {
public:
    OneCore() {
        ::sched_getaffinity(0, sizeof m_everything, &m_everything);
        cpu_set_t one;
        CPU_ZERO(&one);
        CPU_SET(::sched_getcpu(), &one);
        ::sched_setaffinity(0, sizeof one, &one);
    }
    ~OneCore() { ::sched_setaffinity(0, sizeof m_everything, &m_everything); }
    OneCore(const OneCore&) = delete;
    OneCore& operator=(const OneCore&) = delete;

private:
    cpu_set_t m_everything;
};

// Rounds per second of the three programs run in turn.
double floorRate(const PreparedProgram& generatorProgram, const PreparedProgram& brute,
                 const PreparedProgram& solution, double seconds) {
    const OneCore oneCore;
    const QByteArray generatorPath = generatorProgram.program().toUtf8();
    const QByteArray brutePath = brute.program().toUtf8();
    const QByteArray solutionPath = solution.program().toUtf8();
    const Clock::time_point start = Clock::now();
    const Clock::time_point end =
        start + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
    quint64 rounds = 0;
    for (quint64 seed = 1; Clock::now() < end; ++seed) {
        const QByteArray input = spawnAndRead(generatorPath, {QByteArray::number(seed)}, nullptr);
        if (spawnAndRead(brutePath, {}, &input) != spawnAndRead(solutionPath, {}, &input))
            std::abort();
        ++rounds;
    }
    return double(rounds) / std::chrono::duration<double>(Clock::now() - start).count();
}

double sessionRate(const StressSetup& setup) {
    StressSession session(setup);
    QEventLoop loop;
    StressResult result;
    QObject::connect(&session, &StressSession::finished, &loop, [&](const StressResult& ended) {
        result = ended;
        loop.quit();
    });
    session.start();
    loop.exec();
    if (result.outcome != StressResult::Outcome::noDifference)
        std::abort();
    return result.progress.roundsPerSecond;
}

double loadAverage() {
    double load[1] = {0};
    return ::getloadavg(load, 1) == 1 ? load[0] : -1;
}

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir home;
    qputenv("XDG_CACHE_HOME", home.path().toUtf8());
    QCoreApplication app(argc, argv);
    setAppIdentity();
    const int trials = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const double seconds = argc > 2 ? std::max(0.5, std::atof(argv[2])) : 3;

    StressSetup setup;
    setup.sources.solution = {adder, ProgrammingLanguage::cpp, u"solution.cpp"_s};
    setup.sources.bruteForce = {adder, ProgrammingLanguage::cpp, u"brute.cpp"_s};
    setup.sources.generator = {generator, ProgrammingLanguage::cpp, u"generator.cpp"_s};
    setup.budget.seconds = seconds;
    // The same compiled programs for the floor: the cache hands them over.
    const PreparedProgram generatorProgram =
        PreparedProgram::prepare(generator, ProgrammingLanguage::cpp);
    const PreparedProgram brute = PreparedProgram::prepare(adder, ProgrammingLanguage::cpp);
    const PreparedProgram solution = PreparedProgram::prepare(adder, ProgrammingLanguage::cpp);
    if (generatorProgram.failure() || brute.failure() || solution.failure())
        std::abort();

    StressSetup oneWorker = setup;
    oneWorker.workers = 1;

    std::vector<double> floors;
    std::vector<double> sessions;
    std::vector<double> oneCoreSessions;
    for (int i = 0; i < trials; ++i) {
        floors.push_back(floorRate(generatorProgram, brute, solution, seconds));
        sessions.push_back(sessionRate(setup));
        const OneCore oneCore;
        oneCoreSessions.push_back(sessionRate(oneWorker));
    }
    const double floor = median(floors);
    const double session = median(sessions);
    printFigure("stress_rounds_per_s", session);
    printFigure("stress_floor_rounds_per_s", floor);
    printFigure("stress_one_core_rounds_per_s", median(oneCoreSessions));
    printFigure("stress_workers", QThread::idealThreadCount());
    printFigure("stress_ratio", session / floor);
    printFigure("load_average", loadAverage());
    return 0;
}
