#include "local_http_server.h"

#include <QFile>
#include <QHostAddress>
#include <QTcpSocket>
#include <gtest/gtest.h>

QByteArray LocalHttpServer::Request::header(const QByteArray& name) const {
    for (const auto& [key, value] : headers) {
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    }
    return {};
}

LocalHttpServer::LocalHttpServer() {
    m_server.listen(QHostAddress::LocalHost, 0);
    connect(&m_server, &QTcpServer::newConnection, this, &LocalHttpServer::accept);
}

QString LocalHttpServer::baseUrl() const {
    return QStringLiteral("http://127.0.0.1:") + QString::number(m_server.serverPort());
}

void LocalHttpServer::route(const QByteArray& target, const Response& response) {
    m_routes.insert(target, response);
}

void LocalHttpServer::accept() {
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        socket->setParent(this);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { read(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_pending.remove(socket);
            socket->deleteLater();
        });
    }
}

void LocalHttpServer::read(QTcpSocket* socket) {
    QByteArray& buffer = m_pending[socket];
    buffer += socket->readAll();
    const qsizetype headerEnd = buffer.indexOf("\r\n\r\n");
    if (headerEnd < 0)
        return;
    const QList<QByteArray> lines = buffer.left(headerEnd).split('\n');
    buffer.clear();

    Request request;
    const QList<QByteArray> requestLine = lines.first().trimmed().split(' ');
    request.target = requestLine.value(1);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(':');
        if (colon > 0)
            request.headers.append(
                {lines[i].left(colon).trimmed(), lines[i].mid(colon + 1).trimmed()});
    }
    m_requests.append(request);

    const Response response = m_routes.value(request.target, Response{404, "not found"});
    if (response.hang)
        return;
    QByteArray answer = "HTTP/1.1 " + QByteArray::number(response.status) + " Status\r\n";
    answer += "Content-Type: " + response.contentType + "\r\n";
    if (response.sendLength)
        answer += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
    answer += "Connection: close\r\n\r\n" + response.body;
    socket->write(answer);
    socket->disconnectFromHost();
}

QByteArray savedJudgePage(const QString& number) {
    QFile page(QStringLiteral(CORVANTA_FIXTURES_DIR "/judge-pages/") + number +
               QStringLiteral(".html"));
    EXPECT_TRUE(page.open(QIODevice::ReadOnly)) << number.toStdString();
    return page.readAll();
}
