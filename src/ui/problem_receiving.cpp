#include "ui/problem_receiving.h"

#include "workspace/settings_store.h"
#include "workspace/workspace.h"

#include <QApplication>
#include <QWidget>

namespace {

constexpr int takenPortRetryMs = 3000;

} // namespace

ProblemReceiving::ProblemReceiving(Workspace& workspace, SettingsStore& settings,
                                   ProblemSession& session, QWidget* window)
    : QObject(window), m_workspace(workspace), m_settings(settings), m_window(window),
      m_intake(workspace, session) {
    connect(&m_receiver, &ProblemReceiver::batchReceived, this, &ProblemReceiving::take);
    // Nothing else shows that a problem sent from the browser was lost.
    connect(&m_receiver, &ProblemReceiver::problemRejected, this, [this](const QString& reason) {
        emit arrived(QStringLiteral("⚠️ 문제를 받지 못했습니다: ") + reason);
    });
    m_retry.setInterval(takenPortRetryMs);
    connect(&m_retry, &QTimer::timeout, this, &ProblemReceiving::retryTakenPort);
}

void ProblemReceiving::start() {
    connect(&m_settings, &SettingsStore::receivingChanged, this, &ProblemReceiving::follow,
            Qt::UniqueConnection);
    follow(m_settings.receiving());
}

void ProblemReceiving::stop() {
    disconnect(&m_settings, &SettingsStore::receivingChanged, this, &ProblemReceiving::follow);
    m_retry.stop();
    m_receiver.stop();
    emit statusChanged(m_receiver.status());
}

void ProblemReceiving::follow(const ReceivingSettings& settings) {
    if (settings.receiving)
        m_receiver.listen(quint16(settings.port));
    else
        m_receiver.stop();
    if (m_receiver.status().state == ReceiverStatus::State::portInUse)
        m_retry.start();
    else
        m_retry.stop();
    emit statusChanged(m_receiver.status());
}

void ProblemReceiving::retryTakenPort() {
    const ReceiverStatus before = m_receiver.status();
    m_receiver.listen(before.port);
    if (m_receiver.status().state != ReceiverStatus::State::portInUse)
        m_retry.stop();
    if (m_receiver.status() != before)
        emit statusChanged(m_receiver.status());
}

void ProblemReceiving::take(const ReceivedBatch& batch) {
    const std::optional<QUuid> working =
        m_window->isActiveWindow() ? m_workspace.selectedFileId() : std::nullopt;
    const ProblemIntake::Outcome outcome = m_intake.receive(batch);
    if (outcome.files.isEmpty())
        return;
    if (working)
        m_workspace.openFile(*working);
    QApplication::alert(m_window);
    emit arrived(outcome.message);
}
