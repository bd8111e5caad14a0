#include "editor/diagnostic_markers.h"

#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

bool isWordPart(QChar c) {
    return c.isLetterOrNumber() || c == u'_';
}

// The range a message marks: what the tool marked; else the word at its
// column, or one character; else the line without its indentation.
QTextCursor rangeOf(const QTextBlock& block, const CompilerMessage& message) {
    const QString text = block.text();
    int start = 0;
    int end = int(text.size());
    if (message.column > 0) {
        start = std::min(message.column - 1, int(text.size()));
        end = start + message.length;
        if (message.length == 0) {
            end = start;
            while (end < text.size() && isWordPart(text[end]))
                ++end;
            end = std::max(end, std::min(start + 1, int(text.size())));
        }
        end = std::min(end, int(text.size()));
        // A place past the line's end ("expected ';'") marks the last character.
        if (start == end && start > 0)
            --start;
    } else {
        while (start < end && text[start].isSpace())
            ++start;
    }
    QTextCursor range(block);
    range.setPosition(block.position() + start);
    range.setPosition(block.position() + end, QTextCursor::KeepAnchor);
    return range;
}

} // namespace

DiagnosticMarkers::DiagnosticMarkers(QTextDocument* document, QObject* parent)
    : QObject(parent), m_document(document) {
    connect(document, &QTextDocument::contentsChange, this, &DiagnosticMarkers::contentsChanged);
}

void DiagnosticMarkers::set(const QList<CompilerMessage>& messages) {
    m_markers.clear();
    for (const CompilerMessage& message : messages) {
        const QTextBlock block = m_document->findBlockByNumber(message.line - 1);
        if (message.line > 0 && block.isValid())
            m_markers.append({message, rangeOf(block, message)});
    }
    std::stable_sort(m_markers.begin(), m_markers.end(), [](const Marker& a, const Marker& b) {
        return a.range.selectionStart() < b.range.selectionStart();
    });
    emit changed();
}

void DiagnosticMarkers::clear() {
    if (m_markers.isEmpty())
        return;
    m_markers.clear();
    emit changed();
}

QList<const DiagnosticMarkers::Marker*> DiagnosticMarkers::onBlock(int blockNumber) const {
    QList<const Marker*> found;
    for (const Marker& marker : m_markers) {
        if (marker.range.block().blockNumber() == blockNumber)
            found.append(&marker);
    }
    return found;
}

const DiagnosticMarkers::Marker* DiagnosticMarkers::at(int position) const {
    for (const Marker& marker : m_markers) {
        if (position >= marker.range.selectionStart() && position <= marker.range.selectionEnd())
            return &marker;
    }
    return nullptr;
}

const DiagnosticMarkers::Marker* DiagnosticMarkers::next(int position) const {
    for (const Marker& marker : m_markers) {
        if (marker.range.selectionStart() > position)
            return &marker;
    }
    return m_markers.isEmpty() ? nullptr : &m_markers.first();
}

const DiagnosticMarkers::Marker* DiagnosticMarkers::previous(int position) const {
    for (auto it = m_markers.crbegin(); it != m_markers.crend(); ++it) {
        if (it->range.selectionStart() < position)
            return &*it;
    }
    return m_markers.isEmpty() ? nullptr : &m_markers.last();
}

const DiagnosticMarkers::Marker* DiagnosticMarkers::find(const CompilerMessage& message) const {
    for (const Marker& marker : m_markers) {
        if (marker.message == message)
            return &marker;
    }
    return nullptr;
}

QString DiagnosticMarkers::describe(const CompilerMessage& message) {
    switch (message.severity) {
    case MessageSeverity::error:
        return u"오류: "_s + message.text;
    case MessageSeverity::warning:
        return u"경고: "_s + message.text;
    case MessageSeverity::note:
        break;
    }
    return u"참고: "_s + message.text;
}

void DiagnosticMarkers::setColours(const QColor& error, const QColor& warning, const QColor& note) {
    if (m_error == error && m_warning == warning && m_note == note)
        return;
    m_error = error;
    m_warning = warning;
    m_note = note;
    emit changed();
}

QColor DiagnosticMarkers::colour(MessageSeverity severity) const {
    switch (severity) {
    case MessageSeverity::error:
        return m_error;
    case MessageSeverity::warning:
        return m_warning;
    case MessageSeverity::note:
        break;
    }
    return m_note;
}

// After the edit the cursors have moved with the text, so a marker's line is
// where its range now starts. An edit beginning on that line, or running into
// it from above, edits it; a line pushed down by a new line above is not.
void DiagnosticMarkers::contentsChanged(int position, int, int added) {
    const qsizetype before = m_markers.size();
    m_markers.removeIf([&](const Marker& marker) {
        const QTextBlock block = m_document->findBlock(marker.range.selectionStart());
        const int start = block.position();
        const int end = start + block.length();
        return (position >= start && position < end) ||
               (position < start && position + added > start);
    });
    if (m_markers.size() != before)
        emit changed();
}
