#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <utility>

// Reads one HTTP/1.1 request from the bytes of a connection as they arrive,
// strictly and within bounds: the head (request line and header fields) and a
// body of the length its Content-Length states. Anything it will not read
// ends it with the status to answer: 400 for a malformed head, 411 for a
// chunked body (the browser always states the length), 413 for a body over
// the bound, 417 for an expectation other than 100-continue, 431 for a head
// over the bound, 501 for another transfer coding, 505 for another version.
// Bytes after a complete request are ignored: the server answers once and
// closes.
class HttpRequestReader {
public:
    struct Limits {
        qsizetype headBytes = 16 * 1024;
        qsizetype bodyBytes = 4 * 1024 * 1024;
    };

    enum class Stage { head, body, complete, failed };

    explicit HttpRequestReader(Limits limits);

    Stage feed(QByteArrayView bytes);
    Stage stage() const { return m_stage; }

    // From the body stage on.
    const QByteArray& method() const { return m_method; }
    const QByteArray& target() const { return m_target; }
    // The value of the first field of that name (any case); null when absent.
    QByteArray header(QByteArrayView name) const;
    // The client waits for "100 Continue" before it sends the body.
    bool expectsContinue() const { return m_expectsContinue; }

    const QByteArray& body() const { return m_body; }

    int failureStatus() const { return m_failureStatus; }
    const QString& failureReason() const { return m_failureReason; }

private:
    Stage fail(int status, const QString& reason);
    Stage readHead(QByteArrayView head);

    Limits m_limits;
    Stage m_stage = Stage::head;
    QByteArray m_head;
    QByteArray m_method;
    QByteArray m_target;
    QList<std::pair<QByteArray, QByteArray>> m_headers;
    bool m_expectsContinue = false;
    qsizetype m_bodyLength = 0;
    QByteArray m_body;
    int m_failureStatus = 0;
    QString m_failureReason;
};
