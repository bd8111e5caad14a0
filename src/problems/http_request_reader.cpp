#include "problems/http_request_reader.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

bool isTokenChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           QByteArrayView("!#$%&'*+-.^_`|~").contains(c);
}

bool isToken(QByteArrayView text) {
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), isTokenChar);
}

bool isVisible(char c) {
    return c > ' ' && c < 0x7f;
}

// Field values may hold visible characters, blanks and bytes above ASCII;
// any other control byte (a bare CR or LF, NUL) is an attempt to smuggle.
bool isFieldValue(QByteArrayView text) {
    return std::all_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte == '\t' || (byte >= ' ' && byte != 0x7f);
    });
}

bool isDigits(QByteArrayView text) {
    return !text.isEmpty() && text.size() <= 18 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

HttpRequestReader::HttpRequestReader(Limits limits) : m_limits(limits) {}

QByteArray HttpRequestReader::header(QByteArrayView name) const {
    for (const auto& [key, value] : m_headers) {
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    }
    return {};
}

HttpRequestReader::Stage HttpRequestReader::fail(int status, const QString& reason) {
    m_failureStatus = status;
    m_failureReason = reason;
    m_head.clear();
    m_body.clear();
    return m_stage = Stage::failed;
}

HttpRequestReader::Stage HttpRequestReader::feed(QByteArrayView bytes) {
    QByteArray rest;
    if (m_stage == Stage::head) {
        const qsizetype searchFrom = std::max<qsizetype>(0, m_head.size() - 3);
        m_head.append(bytes);
        const qsizetype end = m_head.indexOf("\r\n\r\n", searchFrom);
        if (end < 0 ? m_head.size() > m_limits.headBytes : end + 4 > m_limits.headBytes)
            return fail(431, u"요청 헤더가 %1바이트를 넘습니다"_s.arg(m_limits.headBytes));
        if (end < 0)
            return m_stage;
        rest = m_head.sliced(end + 4);
        const QByteArray head = m_head.first(end);
        m_head.clear();
        if (readHead(head) != Stage::body)
            return m_stage;
        bytes = rest;
    }
    if (m_stage == Stage::body) {
        m_body.append(bytes.first(std::min(bytes.size(), m_bodyLength - m_body.size())));
        if (m_body.size() == m_bodyLength)
            m_stage = Stage::complete;
    }
    return m_stage;
}

HttpRequestReader::Stage HttpRequestReader::readHead(QByteArrayView head) {
    QList<QByteArrayView> lines;
    for (qsizetype from = 0;;) {
        const qsizetype end = head.indexOf("\r\n", from);
        lines.append(end < 0 ? head.sliced(from) : head.sliced(from, end - from));
        if (end < 0)
            break;
        from = end + 2;
    }

    // A bare CR or LF fails the character checks below.
    const QList<QByteArray> requestLine = lines.first().toByteArray().split(' ');
    if (requestLine.size() != 3 || !isToken(requestLine[0]) || requestLine[1].isEmpty() ||
        !std::all_of(requestLine[1].begin(), requestLine[1].end(), isVisible))
        return fail(400, u"요청 줄이 올바르지 않습니다"_s);
    const QByteArray& version = requestLine[2];
    if (version != "HTTP/1.1" && version != "HTTP/1.0") {
        const bool otherVersion =
            version.size() == 8 && version.startsWith("HTTP/") && version[6] == '.';
        return fail(otherVersion ? 505 : 400, u"HTTP/1.1 요청만 받습니다"_s);
    }
    m_method = requestLine[0];
    m_target = requestLine[1];

    for (const QByteArrayView line : lines.sliced(1)) {
        const qsizetype colon = line.indexOf(':');
        // A leading blank would be an obsolete folded continuation line.
        if (colon <= 0 || !isToken(line.first(colon)) || !isFieldValue(line.sliced(colon + 1)))
            return fail(400, u"요청 헤더 줄이 올바르지 않습니다"_s);
        m_headers.append(
            {line.first(colon).toByteArray(), line.sliced(colon + 1).trimmed().toByteArray()});
    }

    if (version == "HTTP/1.1" && header("host").isNull())
        return fail(400, u"Host 헤더가 없습니다"_s);

    const QByteArray expectation = header("expect");
    if (!expectation.isNull()) {
        if (expectation.compare("100-continue", Qt::CaseInsensitive) != 0)
            return fail(417, u"Expect: 100-continue 외의 기대는 받지 않습니다"_s);
        m_expectsContinue = true;
    }

    QByteArray length;
    for (const auto& [key, value] : m_headers) {
        if (key.compare("transfer-encoding", Qt::CaseInsensitive) == 0) {
            if (!header("content-length").isNull())
                return fail(400, u"Content-Length와 Transfer-Encoding을 함께 보낼 수 없습니다"_s);
            if (value.toLower().contains("chunked"))
                return fail(411, u"chunked 본문은 받지 않습니다: Content-Length를 보내 주세요"_s);
            return fail(501, u"알 수 없는 Transfer-Encoding입니다"_s);
        }
        if (key.compare("content-length", Qt::CaseInsensitive) != 0)
            continue;
        if (!isDigits(value) || (!length.isNull() && value != length))
            return fail(400, u"Content-Length가 올바르지 않습니다"_s);
        length = value;
    }
    m_bodyLength = length.isNull() ? 0 : length.toLongLong();
    if (m_bodyLength > m_limits.bodyBytes)
        return fail(413, u"본문이 %1바이트를 넘습니다"_s.arg(m_limits.bodyBytes));
    return m_stage = m_bodyLength == 0 ? Stage::complete : Stage::body;
}
