#pragma once

#include "problems/intake_server.h"

#include <QObject>
#include <QThread>

// Receives problems from the browser extension on 127.0.0.1. The listening
// socket and its connections live on a thread of their own, so a slow or
// hostile client never holds up the thread that owns the receiver (the UI);
// finished batches arrive there as values through `batchReceived`.
class ProblemReceiver : public QObject {
    Q_OBJECT

public:
    // One of the ports the extension sends to without being configured; its
    // tool there has long been unmaintained, so it is seldom taken.
    static constexpr quint16 defaultPort = 4244;

    explicit ProblemReceiver(IntakeLimits limits = {}, QObject* parent = nullptr);
    ~ProblemReceiver() override;

    // Listens on `port` instead of any earlier one (0: a free port, shown in
    // the status); a taken port is reported, not retried.
    ReceiverStatus listen(quint16 port);
    // Stops receiving; batches still waiting for their rest are handed on.
    void stop();
    const ReceiverStatus& status() const { return m_status; }

signals:
    void batchReceived(const ReceivedBatch& batch);
    // A request answered with an HTTP error; nothing was received.
    void requestRejected(int httpStatus, const QString& reason);
    // Sent by the extension, but not a problem that could be read.
    void problemRejected(const QString& reason);

private:
    QThread m_thread;
    IntakeServer* m_server;
    ReceiverStatus m_status;
};
