#include "runner/compiler_messages.h"

#include <QRegularExpression>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

enum class Tool { gcc, javac, mcs };

struct Open {
    qsizetype index = -1;
    Tool tool = Tool::gcc;
    // g++ and javac print the source line, then a line marking the place.
    bool placeRead = false;
};

struct Frame {
    QString file;
    int line = 0;
    QString marker;
};

MessageSeverity severityOf(QStringView word) {
    if (word == u"warning")
        return MessageSeverity::warning;
    if (word == u"note")
        return MessageSeverity::note;
    return MessageSeverity::error;
}

QStringView lastPart(QStringView path) {
    return path.mid(path.lastIndexOf(u'/') + 1);
}

// Columns g++ shows: a tab moves to the next multiple of 8, East Asian wide
// letters take two.
int displayWidth(char16_t c, int column) {
    if (c == u'\t')
        return 8 - (column - 1) % 8;
    const bool wide = (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
                      (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
                      (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
                      (c >= 0xFFE0 && c <= 0xFFE6);
    return wide ? 2 : 1;
}

// The 1-based UTF-16 column of a 1-based display column of `line`.
int unitColumn(QStringView line, int displayColumn) {
    int column = 1;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (column >= displayColumn)
            return int(i) + 1;
        if (!line[i].isLowSurrogate())
            column += displayWidth(line[i].unicode(), column);
    }
    return int(line.size()) + 1;
}

// The first run of '^' and '~' in a marking line: its offset and length.
std::pair<qsizetype, qsizetype> markedRun(QStringView marker) {
    qsizetype start = 0;
    while (start < marker.size() && marker[start] != u'^' && marker[start] != u'~')
        ++start;
    qsizetype end = start;
    while (end < marker.size() && (marker[end] == u'^' || marker[end] == u'~'))
        ++end;
    return {start, end - start};
}

qsizetype indentation(QStringView line) {
    qsizetype n = 0;
    while (n < line.size() && (line[n] == u' ' || line[n] == u'\t' || line[n] == u'\f'))
        ++n;
    return n;
}

class Parser {
public:
    explicit Parser(const MessageSource& source) : m_source(source) {}

    void read(QStringView line) {
        if (line.startsWith(u"  File \""))
            return readFrame(line);
        if (!line.isEmpty() && (line[0] == u' ' || line[0] == u'\t'))
            return continueMessage(line);
        if (readHeader(line))
            return;
        if (!m_frames.isEmpty())
            return finishTraceback(line);
        // A context line ("In function ...") or a tally ("2 errors") ends a
        // message; a traceback's first line begins one.
        m_open = {};
        m_block = line.startsWith(u"Traceback") ? line.toString() : QString();
    }

    QList<CompilerMessage> take() { return std::move(m_messages); }

private:
    // A line of the source, 1-based; its line starts are found once.
    QStringView sourceLine(int line) {
        const QStringView text = m_source.text;
        if (m_lineStarts.empty()) {
            m_lineStarts.push_back(0);
            for (qsizetype at = text.indexOf(u'\n'); at >= 0; at = text.indexOf(u'\n', at + 1))
                m_lineStarts.push_back(at + 1);
        }
        if (line < 1 || size_t(line) > m_lineStarts.size())
            return {};
        const qsizetype start = m_lineStarts[size_t(line - 1)];
        const qsizetype end =
            size_t(line) < m_lineStarts.size() ? m_lineStarts[size_t(line)] - 1 : text.size();
        return text.mid(start, end - start);
    }

    bool readHeader(QStringView line) {
        static const QRegularExpression gcc(
            u"^(.+?):(\\d+):(?:(\\d+):)? (fatal error|error|warning|note): (.*)$"_s);
        static const QRegularExpression javac(u"^(.+\\.java):(\\d+): (error|warning): (.*)$"_s);
        static const QRegularExpression mcs(
            u"^(.+?)\\((\\d+),(\\d+)\\): (error|warning) (CS\\d+: .*)$"_s);
        if (!line.contains(u": "))
            return false;
        if (const auto m = javac.match(line); m.hasMatch()) {
            open(Tool::javac, m.captured(1), m.capturedView(2).toInt(), 0, m.capturedView(3),
                 m.captured(4), line);
            return true;
        }
        if (const auto m = gcc.match(line); m.hasMatch()) {
            open(Tool::gcc, m.captured(1), m.capturedView(2).toInt(), m.capturedView(3).toInt(),
                 m.capturedView(4), m.captured(5), line);
            return true;
        }
        if (const auto m = mcs.match(line); m.hasMatch()) {
            open(Tool::mcs, m.captured(1), m.capturedView(2).toInt(), m.capturedView(3).toInt(),
                 m.capturedView(4), m.captured(5), line);
            return true;
        }
        return false;
    }

    void open(Tool tool, const QString& file, int line, int column, QStringView severity,
              const QString& text, QStringView printed) {
        m_frames.clear();
        m_block.clear();
        CompilerMessage message{
            file, line, column, 0, severityOf(severity), text, printed.toString()};
        if (tool == Tool::gcc && column > 0 && isAboutSource(message, m_source))
            message.column = unitColumn(sourceLine(line), column);
        m_messages.append(std::move(message));
        m_open = {m_messages.size() - 1, tool, false};
    }

    void continueMessage(QStringView line) {
        if (!m_frames.isEmpty()) {
            m_block += u'\n';
            m_block += line;
            const QStringView trimmed = line.trimmed();
            if (!trimmed.isEmpty() && markedRun(trimmed).second == trimmed.size())
                m_frames.last().marker = line.toString();
            return;
        }
        if (m_open.index < 0)
            return;
        CompilerMessage& message = m_messages[m_open.index];
        message.original += u'\n';
        message.original += line;
        if (m_open.placeRead)
            return;
        if (m_open.tool == Tool::gcc)
            readGccMarker(message, line);
        else if (m_open.tool == Tool::javac)
            readJavacMarker(message, line);
    }

    // "      |     ^~~~": the range under the source line "    3 | ...".
    void readGccMarker(CompilerMessage& message, QStringView line) {
        const QStringView trimmed = line.trimmed();
        if (!trimmed.startsWith(u'|'))
            return;
        const qsizetype bar = line.indexOf(u'|');
        const auto [start, length] = markedRun(line.mid(bar + 2));
        if (length == 0)
            return;
        m_open.placeRead = true;
        const int shownStart = int(start) + 1;
        if (isAboutSource(message, m_source)) {
            const QStringView text = sourceLine(message.line);
            message.column = unitColumn(text, shownStart);
            message.length = unitColumn(text, shownStart + int(length)) - message.column;
        } else {
            message.column = shownStart;
            message.length = int(length);
        }
    }

    // javac keeps the line's tabs in the marking line, so the caret's offset is the column.
    void readJavacMarker(CompilerMessage& message, QStringView line) {
        const qsizetype caret = line.indexOf(u'^');
        if (caret < 0 || !line.left(caret).trimmed().isEmpty())
            return;
        m_open.placeRead = true;
        message.column = int(caret) + 1;
    }

    void readFrame(QStringView line) {
        static const QRegularExpression frame(u"^  File \"(.+)\", line (\\d+)"_s);
        const auto m = frame.match(line);
        if (!m.hasMatch())
            return;
        m_open = {};
        if (!m_block.isEmpty())
            m_block += u'\n';
        m_block += line;
        m_frames.append(Frame{m.captured(1), m.capturedView(2).toInt(), {}});
    }

    // The exception's line ends a traceback or a syntax error.
    void finishTraceback(QStringView exception) {
        const Frame* chosen = &m_frames.last();
        for (const Frame& frame : std::as_const(m_frames)) {
            if (lastPart(frame.file) == m_source.fileName)
                chosen = &frame;
        }
        CompilerMessage message{chosen->file,
                                chosen->line,
                                0,
                                0,
                                MessageSeverity::error,
                                exception.toString(),
                                m_block + u'\n' + exception.toString()};
        // Python prints the line without its indentation, four spaces in.
        if (!chosen->marker.isEmpty() && isAboutSource(message, m_source)) {
            const auto [start, length] = markedRun(chosen->marker);
            message.column = int(indentation(sourceLine(chosen->line)) + start - 4) + 1;
            message.length = int(length);
        }
        m_messages.append(std::move(message));
        m_frames.clear();
        m_block.clear();
    }

    const MessageSource& m_source;
    QList<CompilerMessage> m_messages;
    Open m_open;
    QList<Frame> m_frames;
    QString m_block;
    std::vector<qsizetype> m_lineStarts;
};

} // namespace

bool isAboutSource(const CompilerMessage& message, const MessageSource& source) {
    return !source.fileName.isEmpty() && lastPart(message.file) == source.fileName;
}

QList<CompilerMessage> parseCompilerMessages(QStringView output, const MessageSource& source) {
    Parser parser(source);
    for (QStringView line : output.tokenize(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        parser.read(line);
    }
    return parser.take();
}
