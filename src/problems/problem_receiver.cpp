#include "problems/problem_receiver.h"

ProblemReceiver::ProblemReceiver(IntakeLimits limits, QObject* parent)
    : QObject(parent), m_server(new IntakeServer(limits)) {
    m_thread.setObjectName(QStringLiteral("problem intake"));
    m_server->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_server, &QObject::deleteLater);
    connect(m_server, &IntakeServer::batchReceived, this, &ProblemReceiver::batchReceived);
    connect(m_server, &IntakeServer::requestRejected, this, &ProblemReceiver::requestRejected);
    connect(m_server, &IntakeServer::problemRejected, this, &ProblemReceiver::problemRejected);
    m_thread.start();
}

ProblemReceiver::~ProblemReceiver() {
    m_thread.quit();
    m_thread.wait();
}

ReceiverStatus ProblemReceiver::listen(quint16 port) {
    QMetaObject::invokeMethod(
        m_server, [this, port] { m_status = m_server->listen(port); },
        Qt::BlockingQueuedConnection);
    return m_status;
}

void ProblemReceiver::stop() {
    QMetaObject::invokeMethod(m_server, &IntakeServer::close, Qt::BlockingQueuedConnection);
    m_status = {};
}
