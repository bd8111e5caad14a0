#include "problems/intake_server.h"

#include <QHostAddress>
#include <QTcpSocket>
#include <sys/socket.h>

using namespace Qt::StringLiterals;

namespace {

// Enough to read a request in a few turns without letting Qt buffer more
// than the reader is willing to keep.
constexpr qint64 readChunk = 64 * 1024;

QByteArray reasonPhrase(int status) {
    switch (status) {
    case 200:
        return "OK";
    case 400:
        return "Bad Request";
    case 403:
        return "Forbidden";
    case 405:
        return "Method Not Allowed";
    case 408:
        return "Request Timeout";
    case 411:
        return "Length Required";
    case 413:
        return "Content Too Large";
    case 417:
        return "Expectation Failed";
    case 431:
        return "Request Header Fields Too Large";
    case 501:
        return "Not Implemented";
    case 503:
        return "Service Unavailable";
    case 505:
        return "HTTP Version Not Supported";
    }
    return "Error";
}

QByteArray httpResponse(int status, const QString& message) {
    const QByteArray body = message.toUtf8() + '\n';
    QByteArray response = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reasonPhrase(status) +
                          "\r\nContent-Type: text/plain; charset=utf-8\r\nContent-Length: " +
                          QByteArray::number(body.size()) + "\r\nConnection: close\r\n";
    if (status == 405)
        response += "Allow: POST\r\n";
    return response + "\r\n" + body;
}

// Closing only our half once the answer is out lets the client read it
// whole; closing both while it still sends could reset the connection under
// the answer.
void closeWritingWhenSent(QTcpSocket* socket) {
    QObject::connect(socket, &QIODevice::bytesWritten, socket, [socket] {
        if (socket->bytesToWrite() == 0)
            ::shutdown(int(socket->socketDescriptor()), SHUT_WR);
    });
}

// The extension posts from its own origin, or without one; a web page's
// script may post here too, and nothing it sends is a problem to receive.
bool mayPost(const QByteArray& origin) {
    if (origin.isNull())
        return true;
    const QByteArray lower = origin.trimmed().toLower();
    return !(lower == "null" || lower.startsWith("http://") || lower.startsWith("https://"));
}

} // namespace

QString receiverStatusText(const ReceiverStatus& status) {
    switch (status.state) {
    case ReceiverStatus::State::off:
        return u"문제 수신 꺼짐"_s;
    case ReceiverStatus::State::listening:
        return u"문제 수신 중 (127.0.0.1:%1)"_s.arg(status.port);
    case ReceiverStatus::State::portInUse:
        return u"포트 %1을(를) 다른 프로그램이 쓰고 있어 문제를 받을 수 없습니다. 설정에서 다른 포트를 고르세요."_s
            .arg(status.port);
    case ReceiverStatus::State::failed:
        return u"문제 수신을 시작하지 못했습니다 (포트 %1): %2"_s.arg(status.port)
            .arg(status.error);
    }
    return {};
}

struct IntakeServer::Connection {
    explicit Connection(HttpRequestReader::Limits limits) : reader(limits) {}

    HttpRequestReader reader;
    // The request's deadline, then the linger after the answer; a child of
    // the socket, so it goes with it.
    QTimer* timer = nullptr;
    bool headChecked = false;
    bool answered = false;
};

IntakeServer::IntakeServer(IntakeLimits limits, QObject* parent)
    : QObject(parent), m_limits(limits), m_server(this), m_batches(limits.batchWait),
      m_batchTimer(this) {
    connect(&m_server, &QTcpServer::newConnection, this, &IntakeServer::accept);
    m_batchTimer.setSingleShot(true);
    connect(&m_batchTimer, &QTimer::timeout, this, [this] {
        handOn(m_batches.takeExpired(ProblemBatches::Clock::now()));
        scheduleBatchTimer();
    });
}

IntakeServer::~IntakeServer() {
    while (!m_connections.empty())
        drop(m_connections.begin()->first);
}

ReceiverStatus IntakeServer::listen(quint16 port) {
    m_server.close();
    if (m_server.listen(QHostAddress(QHostAddress::LocalHost), port))
        return {ReceiverStatus::State::listening, m_server.serverPort(), {}};
    if (m_server.serverError() == QAbstractSocket::AddressInUseError)
        return {ReceiverStatus::State::portInUse, port, {}};
    return {ReceiverStatus::State::failed, port, m_server.errorString()};
}

void IntakeServer::close() {
    m_server.close();
    while (!m_connections.empty())
        drop(m_connections.begin()->first);
    m_batchTimer.stop();
    handOn(m_batches.takeAll());
}

void IntakeServer::accept() {
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        if (m_reading >= m_limits.connections) {
            refuse(socket);
            continue;
        }
        socket->setReadBufferSize(readChunk);
        auto connection = std::make_unique<Connection>(m_limits.request);
        connection->timer = new QTimer(socket);
        connection->timer->setSingleShot(true);
        connect(connection->timer, &QTimer::timeout, this, [this, socket] {
            const auto found = m_connections.find(socket);
            if (found == m_connections.end())
                return;
            if (found->second->answered)
                drop(socket);
            else
                answer(socket, *found->second, 408, u"요청이 제한 시간 안에 다 오지 않았습니다"_s);
        });
        connection->timer->start(m_limits.requestTime);
        connect(socket, &QIODevice::readyRead, this, [this, socket] { read(socket); });
        connect(socket, &QAbstractSocket::disconnected, this, [this, socket] { drop(socket); });
        m_connections.emplace(socket, std::move(connection));
        ++m_reading;
    }
}

// Answered 503 without reading; what the client sends is thrown away until
// it closes or the linger ends.
void IntakeServer::refuse(QTcpSocket* socket) {
    const QString message = u"동시에 열린 연결이 너무 많습니다"_s;
    connect(socket, &QIODevice::readyRead, socket,
            [socket] { socket->skip(socket->bytesAvailable()); });
    connect(socket, &QAbstractSocket::disconnected, socket, &QObject::deleteLater);
    QTimer::singleShot(m_limits.lingerTime, socket, [socket] {
        socket->abort();
        socket->deleteLater();
    });
    closeWritingWhenSent(socket);
    socket->write(httpResponse(503, message));
    emit requestRejected(503, message);
}

void IntakeServer::read(QTcpSocket* socket) {
    const auto found = m_connections.find(socket);
    if (found == m_connections.end())
        return;
    Connection& connection = *found->second;
    while (socket->bytesAvailable() > 0) {
        const QByteArray bytes = socket->read(readChunk);
        // After the answer the rest is read only to be thrown away.
        if (connection.answered)
            continue;
        connection.reader.feed(bytes);
        handle(socket, connection);
    }
}

void IntakeServer::handle(QTcpSocket* socket, Connection& connection) {
    using Stage = HttpRequestReader::Stage;
    const HttpRequestReader& reader = connection.reader;
    if (reader.stage() == Stage::head)
        return;
    if (reader.stage() == Stage::failed) {
        answer(socket, connection, reader.failureStatus(), reader.failureReason());
        return;
    }
    if (!connection.headChecked) {
        connection.headChecked = true;
        if (reader.method() != "POST") {
            answer(socket, connection, 405, u"문제는 POST 요청으로만 받습니다"_s);
            return;
        }
        if (!mayPost(reader.header("origin"))) {
            answer(socket, connection, 403, u"웹 페이지에서 보낸 요청은 받지 않습니다"_s);
            return;
        }
        if (reader.header("content-length").isNull()) {
            answer(socket, connection, 411, u"Content-Length가 있는 JSON 본문이 필요합니다"_s);
            return;
        }
        if (reader.expectsContinue() && reader.stage() == Stage::body)
            socket->write("HTTP/1.1 100 Continue\r\n\r\n");
    }
    if (reader.stage() != Stage::complete)
        return;

    const ReceivedProblemResult result = parseReceivedProblem(reader.body());
    if (const auto* rejected = std::get_if<RejectedProblem>(&result)) {
        emit problemRejected(rejected->reason);
        answer(socket, connection, 400, rejected->reason);
        return;
    }
    const auto& problem = std::get<ReceivedProblem>(result);
    answer(socket, connection, 200, u"문제를 받았습니다: "_s + problem.name);
    gather(problem);
}

void IntakeServer::answer(QTcpSocket* socket, Connection& connection, int status,
                          const QString& message) {
    socket->write(httpResponse(status, message));
    closeWritingWhenSent(socket);
    if (status != 200)
        emit requestRejected(status, message);
    connection.answered = true;
    --m_reading;
    // `message` may be the reader's own: it is used up by now. The request's
    // bytes are not kept while the connection lingers.
    connection.reader = HttpRequestReader(m_limits.request);
    connection.timer->start(m_limits.lingerTime);
}

void IntakeServer::drop(QTcpSocket* socket) {
    const auto found = m_connections.find(socket);
    if (found == m_connections.end())
        return;
    if (!found->second->answered)
        --m_reading;
    m_connections.erase(found);
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
}

void IntakeServer::gather(const ReceivedProblem& problem) {
    handOn(m_batches.add(problem, ProblemBatches::Clock::now()));
    scheduleBatchTimer();
}

void IntakeServer::handOn(const QList<ReceivedBatch>& batches) {
    for (const ReceivedBatch& batch : batches)
        emit batchReceived(batch);
}

void IntakeServer::scheduleBatchTimer() {
    const auto next = m_batches.nextDeadline();
    if (!next) {
        m_batchTimer.stop();
        return;
    }
    const auto wait =
        std::chrono::ceil<std::chrono::milliseconds>(*next - ProblemBatches::Clock::now());
    m_batchTimer.start(std::max(wait, std::chrono::milliseconds(0)));
}
