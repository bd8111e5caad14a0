#pragma once

#include "runner/program_run.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

// A compiler kept running between compiles: a server process that compiles
// one request at a time, so the runtime it needs (a JVM, mono) starts once.
//
// The server reads requests on standard input and answers on standard output:
//   request  a line with the argument count, then one UTF-8 line per argument
//            (the plain compiler's command line without its name)
//   answer   a line "EXIT OUTBYTES ERRBYTES", then that many bytes of what the
//            plain compiler would have written to its standard output and
//            error; EXIT -1 when it could not compile this request
// and ends at the end of its input.
//
// start() asks for a server. A thread of this object launches it (after
// `prepare`, which may build the server program) and launches a new one after
// a crash, a hang past answerTimeLimit, a protocol error or compilesPerServer
// compiles; after failuresBeforeGivingUp failures in a row it stops trying.
// The server runs in a process group of its own with only its three standard
// streams open, and never outlives its owner: it ends at the end of its
// input, is killed when the launching thread ends (PR_SET_PDEATHSIG), and is
// killed when this object is destroyed. Every member may be called from any
// thread; the object must outlive the calls.
class ResidentCompiler {
public:
    enum class Priority {
        background, // when the server is wanted soon, not now: launches run niced
        normal,
    };

    struct Launch {
        QString program; // absolute path
        QStringList arguments;
        // Requests sent as soon as the server runs, to warm it up; their
        // answers are read and dropped before the next compile's.
        QList<QStringList> warmUps;
    };

    // Runs on the launching thread before every launch; nothing when no
    // server can be had (it is not tried again). Should end soon once `stop`
    // is raised.
    using Prepare = std::function<std::optional<Launch>(const StopSignal& stop)>;
    // Background work after each launch, on the same thread.
    using AfterLaunch = std::function<void(const StopSignal& stop)>;

    static constexpr int compilesPerServer = 100;
    static constexpr int failuresBeforeGivingUp = 3;
    // Generous: a cold server's first compiles on a busy machine take tens of
    // seconds, and a real hang is rare.
    static constexpr std::chrono::milliseconds defaultAnswerTimeLimit{60000};

    explicit ResidentCompiler(Prepare prepare, AfterLaunch afterLaunch = {});
    ~ResidentCompiler();
    ResidentCompiler(const ResidentCompiler&) = delete;
    ResidentCompiler& operator=(const ResidentCompiler&) = delete;

    // Asks for a server; returns at once. The first call's priority stays.
    void start(Priority priority);

    // The server's answer in the plain compiler's terms: status finished with
    // its exit code and streams, or stopped when `stop` was raised (the server
    // is then replaced). Nothing when the plain compiler has to do it: no
    // server runs yet, it is busy with another compile, or it failed on this
    // one (it is then replaced).
    std::optional<ProgramRun::Outcome> compile(const QStringList& arguments,
                                               const StopSignal* stop = nullptr);

    // The running server's process id; 0 when none runs.
    qint64 processId() const { return m_processId.load(); }
    // How long an answer may take before the server counts as hung.
    void setAnswerTimeLimit(std::chrono::milliseconds limit);

private:
    struct Server {
        int pid = 0;
        int requests = -1; // our ends of its standard input and output
        int answers = -1;
        QByteArray unread;      // answer bytes read ahead
        int pendingWarmUps = 0; // answers owed to warm-up requests
        int compiles = 0;
    };
    enum class Exchange { answered, stopped, failed };

    void keep();
    bool wantsLaunch() const;
    static std::optional<Server> launch(const Launch& launch);
    static Exchange exchange(Server& server, const QByteArray& request, const StopSignal* stop,
                             std::chrono::milliseconds limit, ProgramRun::Outcome& outcome);
    static void retire(Server& server);

    const Prepare m_prepare;
    const AfterLaunch m_afterLaunch;
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    StopSignal m_shutdown;
    std::thread m_keeper;
    std::optional<Server> m_server; // the idle server; taken out while it compiles
    bool m_wanted = false;
    bool m_busy = false;
    bool m_gaveUp = false;
    int m_failures = 0;
    Priority m_priority = Priority::normal;
    std::chrono::milliseconds m_answerTimeLimit = defaultAnswerTimeLimit;
    std::atomic<qint64> m_processId{0};
};
