#include "app/single_instance.h"

#include "base/diagnostics.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace {

const QByteArray raiseRequest = "raise\n";
const QByteArray raisedAnswer = "raised\n";
constexpr int retryIntervalMs = 50;

// Per user through the runtime folder (mode 0700), per data folder through the
// digest: a test with its own home never reaches the user's editor.
QString serverNameFor(const QString& dataFolder) {
    const QByteArray digest = QCryptographicHash::hash(QDir(dataFolder).absolutePath().toUtf8(),
                                                       QCryptographicHash::Sha256)
                                  .toHex()
                                  .left(16);
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) +
           QStringLiteral("/corvanta-") + QString::fromLatin1(digest) + QStringLiteral(".socket");
}

int remainingMs(const QDeadlineTimer& deadline) {
    return int(std::max<qint64>(0, deadline.remainingTime()));
}

} // namespace

SingleInstance::SingleInstance(const QString& dataFolder, QObject* parent)
    : QObject(parent), m_lockPath(dataFolder + QStringLiteral("/instance.lock")),
      m_serverName(serverNameFor(dataFolder)), m_lock(std::make_unique<QLockFile>(m_lockPath)) {
    QDir().mkpath(dataFolder);
    // Only a dead holder makes the lock stale; age alone never does, since the
    // editor may run for weeks.
    m_lock->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

SingleInstance::Role SingleInstance::claim() {
    const QDeadlineTimer deadline(answerTimeoutMs);
    for (;;) {
        // tryLock removes the lock of a process that no longer runs.
        if (m_lock->tryLock(0))
            return becomePrimary();
        if (m_lock->error() != QLockFile::LockFailedError) {
            printDiagnostic(QStringLiteral("⚠️ 실행 잠금을 만들 수 없음: ") +
                            m_lockPath);
            return becomePrimary();
        }
        if (askRunningInstanceToRaise(deadline))
            return Role::secondary;
        if (deadline.hasExpired()) {
            takeOverFromHungInstance();
            return becomePrimary();
        }
        // The holder may be between taking the lock and listening.
        QThread::msleep(retryIntervalMs);
    }
}

bool SingleInstance::askRunningInstanceToRaise(const QDeadlineTimer& deadline) {
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(remainingMs(deadline)))
        return false;
    socket.write(raiseRequest);
    while (!socket.canReadLine()) {
        if (deadline.hasExpired() || !socket.waitForReadyRead(remainingMs(deadline)))
            return false;
    }
    if (socket.readLine() != raisedAnswer)
        return false;
    printDiagnostic(
        QStringLiteral("🪟 이미 실행 중인 Corvanta 창을 앞으로 가져왔습니다"));
    return true;
}

void SingleInstance::takeOverFromHungInstance() {
    printDiagnostic(QStringLiteral(
        "⚠️ 실행 중인 Corvanta 창이 응답하지 않아 새로 시작합니다"));
    // The hung process still holds its lock, so it is never stale: replace the
    // file, whose new contents name this process as the owner.
    QFile::remove(m_lockPath);
    m_lock->tryLock(0);
}

SingleInstance::Role SingleInstance::becomePrimary() {
    // A socket file left by a killed instance would make listen fail.
    QLocalServer::removeServer(m_serverName);
    m_server = std::make_unique<QLocalServer>();
    connect(m_server.get(), &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { answer(socket); });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            answer(socket);
        }
    });
    if (!m_server->listen(m_serverName))
        printDiagnostic(QStringLiteral("⚠️ 실행 소켓을 열 수 없음: ") +
                        m_server->errorString());
    return Role::primary;
}

void SingleInstance::answer(QLocalSocket* socket) {
    if (!socket->canReadLine())
        return;
    if (socket->readLine() == raiseRequest) {
        emit activationRequested();
        socket->write(raisedAnswer);
    }
    socket->disconnectFromServer();
}

bool SingleInstance::ownsWorkspace() {
    if (!m_lock)
        return false;
    if (!m_lock->isLocked())
        return true;
    QLockFile probe(m_lockPath);
    qint64 pid = 0;
    QString hostName;
    QString application;
    if (!probe.getLockInfo(&pid, &hostName, &application) ||
        pid == QCoreApplication::applicationPid())
        return true;
    // The lock file and the socket path now belong to the process that took
    // over; destroying these objects would delete them, so they are left.
    static_cast<void>(m_lock.release());
    static_cast<void>(m_server.release());
    emit workspaceLost();
    return false;
}
