#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QTcpServer>
#include <utility>

class QTcpSocket;

// A small HTTP/1.1 server on 127.0.0.1 (a free port) for the problem client's
// tests. Each request target ("/problem/1000", "/api/...?problemId=1") gets
// the response routed to it, or 404; every request is recorded with its
// header lines in the order they arrived. It serves from the test's own
// event loop, so a test waits with QTest::qWaitFor.
class LocalHttpServer : public QObject {
    Q_OBJECT

public:
    struct Response {
        int status = 200;
        QByteArray body;
        QByteArray contentType = "text/html; charset=utf-8";
        // Without a Content-Length the body ends when the connection closes.
        bool sendLength = true;
        // Read the request and never answer: the client's time-out must end it.
        bool hang = false;
    };

    struct Request {
        QByteArray target;
        QList<std::pair<QByteArray, QByteArray>> headers;

        QByteArray header(const QByteArray& name) const;
    };

    LocalHttpServer();

    // "http://127.0.0.1:PORT", no trailing slash.
    QString baseUrl() const;
    void route(const QByteArray& target, const Response& response);
    const QList<Request>& requests() const { return m_requests; }

private:
    void accept();
    void read(QTcpSocket* socket);

    QTcpServer m_server;
    QHash<QByteArray, Response> m_routes;
    QHash<QTcpSocket*, QByteArray> m_pending;
    QList<Request> m_requests;
};

// The judge's page of problem `number` as it was saved; the page tests check
// its conversion on its own.
QByteArray savedJudgePage(const QString& number);
