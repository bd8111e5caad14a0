#pragma once

#include "problems/intake_server.h"
#include "problems/problem_intake.h"
#include "problems/problem_receiver.h"
#include "workspace/settings_values.h"

#include <QObject>
#include <QTimer>

class SettingsStore;
class Workspace;
class QWidget;

// Problems from the browser, as the window takes them: the receiver listens
// as the settings say (and again whenever they change), each batch becomes
// files through the intake, and the window is alerted without being raised.
// While the user works in the window the file they were on stays selected:
// a contest finishing late must not move the editor under their keys. A port
// another program holds is tried again every few seconds, so receiving
// starts by itself once that program lets go of it.
class ProblemReceiving : public QObject {
    Q_OBJECT

public:
    ProblemReceiving(Workspace& workspace, SettingsStore& settings, ProblemSession& session,
                     QWidget* window);

    // Starts following the settings; not done on construction, so a window
    // made without the application (tests, the gallery) never takes a port.
    void start();
    // Stops for good: another start owns the workspace now, and a problem
    // received here would never be saved.
    void stop();
    const ReceiverStatus& status() const { return m_receiver.status(); }

signals:
    void statusChanged(const ReceiverStatus& status);
    // What arrived, or why a problem sent could not be taken, in a few words.
    void arrived(const QString& message);

private:
    void follow(const ReceivingSettings& settings);
    void retryTakenPort();
    void take(const ReceivedBatch& batch);

    Workspace& m_workspace;
    SettingsStore& m_settings;
    QWidget* m_window;
    ProblemReceiver m_receiver;
    ProblemIntake m_intake;
    QTimer m_retry;
};
