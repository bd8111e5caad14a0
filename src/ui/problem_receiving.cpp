#include "ui/problem_receiving.h"

#include "workspace/app_state.h"

#include <QApplication>
#include <QWidget>

ProblemReceiving::ProblemReceiving(AppState& state, ProblemSession& session,
                                   ProblemIntake::CaseHook giveCases, QWidget* window)
    : QObject(window), m_state(state), m_window(window),
      m_intake(state, session, std::move(giveCases)) {
    connect(&m_receiver, &ProblemReceiver::batchReceived, this, &ProblemReceiving::take);
}

void ProblemReceiving::start() {
    connect(&m_state.settings(), &SettingsStore::receivingChanged, this, &ProblemReceiving::follow,
            Qt::UniqueConnection);
    follow(m_state.settings().receiving());
}

void ProblemReceiving::stop() {
    disconnect(&m_state.settings(), &SettingsStore::receivingChanged, this,
               &ProblemReceiving::follow);
    m_receiver.stop();
    emit statusChanged(m_receiver.status());
}

void ProblemReceiving::follow(const ReceivingSettings& settings) {
    if (settings.receiving)
        m_receiver.listen(quint16(settings.port));
    else
        m_receiver.stop();
    emit statusChanged(m_receiver.status());
}

void ProblemReceiving::take(const ReceivedBatch& batch) {
    const std::optional<QUuid> working =
        m_window->isActiveWindow() ? m_state.selectedFileId() : std::nullopt;
    const ProblemIntake::Outcome outcome = m_intake.receive(batch);
    if (outcome.files.isEmpty())
        return;
    if (working)
        m_state.openFile(*working);
    QApplication::alert(m_window);
    emit arrived(outcome.message);
}
