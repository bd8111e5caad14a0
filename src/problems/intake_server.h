#pragma once

#include "problems/http_request_reader.h"
#include "problems/problem_batches.h"

#include <QObject>
#include <QString>
#include <QTcpServer>
#include <QTimer>
#include <chrono>
#include <map>
#include <memory>

class QTcpSocket;

// The bounds that keep a slow, endless or hostile client from holding memory
// or the thread.
struct IntakeLimits {
    HttpRequestReader::Limits request;
    // Requests being read at once; one more is answered 503 and closed.
    // Answered connections only linger and do not count.
    int connections = 8;
    // From the connection to the last byte of the request.
    std::chrono::milliseconds requestTime = std::chrono::seconds(5);
    // After the answer, for the client to read it and close.
    std::chrono::milliseconds lingerTime = std::chrono::seconds(1);
    // For the rest of a contest after its last problem came.
    std::chrono::milliseconds batchWait = std::chrono::seconds(3);
};

// Whether problems can arrive, as the status line and the settings show it.
struct ReceiverStatus {
    enum class State { off, listening, portInUse, failed };

    State state = State::off;
    quint16 port = 0;
    // The system's description when listening failed for another reason.
    QString error;

    bool operator==(const ReceiverStatus&) const = default;
};

QString receiverStatusText(const ReceiverStatus& status);

// The HTTP end of the problem intake on 127.0.0.1, working on the thread it
// lives on: it reads each request within the limits, answers at once (the
// extension waits half a second), then hands the problem to the batches and
// each finished batch on as a value. A bad request gets its HTTP error and
// changes nothing.
class IntakeServer : public QObject {
    Q_OBJECT

public:
    explicit IntakeServer(IntakeLimits limits, QObject* parent = nullptr);
    ~IntakeServer() override;

    // Listens on 127.0.0.1 only, never another interface; port 0 takes a free one.
    ReceiverStatus listen(quint16 port);
    // Stops listening, drops the open connections and hands on the batches
    // still waiting.
    void close();

signals:
    void batchReceived(const ReceivedBatch& batch);
    void requestRejected(int httpStatus, const QString& reason);
    // A request that passed every check of the sender but whose problem
    // could not be read: the one rejection the user has to hear of.
    void problemRejected(const QString& reason);

private:
    struct Connection;

    void accept();
    void refuse(QTcpSocket* socket);
    void read(QTcpSocket* socket);
    void handle(QTcpSocket* socket, Connection& connection);
    void answer(QTcpSocket* socket, Connection& connection, int status, const QString& message);
    void drop(QTcpSocket* socket);
    void gather(const ReceivedProblem& problem);
    void handOn(const QList<ReceivedBatch>& batches);
    void scheduleBatchTimer();

    IntakeLimits m_limits;
    // Children, so they move to the server's thread with it.
    QTcpServer m_server;
    std::map<QTcpSocket*, std::unique_ptr<Connection>> m_connections;
    int m_reading = 0;
    ProblemBatches m_batches;
    QTimer m_batchTimer;
};
