#pragma once

#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <memory>

// One editor per data folder, so two processes never auto-save over each
// other. The first start holds a lock file in the data folder and listens on
// a local socket in the user's runtime folder; a later start asks it to come
// to the front and exits before reading or writing the workspace.
//
// A lock left by a dead process is taken over at once. A holder that is alive
// but does not answer within answerTimeoutMs is treated as hung: the new start
// replaces its lock and socket, and the hung one, if it ever wakes, finds
// ownsWorkspace() false and must not save again.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    enum class Role { primary, secondary };
    static constexpr int answerTimeoutMs = 5000;

    explicit SingleInstance(const QString& dataFolder, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Takes the lock or hands the start over to the running instance. After
    // `secondary` the caller exits; after `primary` later starts are announced
    // through activationRequested once the event loop runs.
    Role claim();

    // False once another start has replaced this one as the workspace's owner.
    bool ownsWorkspace();

signals:
    void activationRequested();
    // Once, when ownsWorkspace() first answers false.
    void workspaceLost();

private:
    Role becomePrimary();
    bool askRunningInstanceToRaise(const QDeadlineTimer& deadline);
    void takeOverFromHungInstance();
    void answer(QLocalSocket* socket);

    QString m_lockPath;
    QString m_serverName;
    std::unique_ptr<QLockFile> m_lock;
    std::unique_ptr<QLocalServer> m_server;
};
