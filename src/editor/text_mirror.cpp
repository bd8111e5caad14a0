#include "editor/text_mirror.h"

#include <algorithm>

namespace {

// Small enough that copying a piece on a keystroke costs nothing noticeable,
// large enough that a snapshot of a 4-million-unit text is a thousand pieces.
constexpr qsizetype pieceSize = 4096;

} // namespace

void TextMirror::assign(const QString& text) {
    m_pieces.clear();
    m_size = text.size();
    for (qsizetype at = 0; at < text.size(); at += pieceSize)
        m_pieces.append(text.mid(at, pieceSize));
}

void TextMirror::replace(qsizetype position, qsizetype removed, QStringView inserted) {
    position = std::clamp<qsizetype>(position, 0, m_size);
    removed = std::clamp<qsizetype>(removed, 0, m_size - position);
    if (m_pieces.isEmpty())
        m_pieces.append(QString());

    // The piece that holds `position`; a position between two pieces belongs
    // to the earlier one, so an insertion at the end needs no new piece.
    qsizetype index = 0;
    qsizetype offset = position;
    while (offset > m_pieces.at(index).size()) {
        offset -= m_pieces.at(index).size();
        ++index;
    }

    qsizetype remaining = removed;
    qsizetype last = index;
    for (qsizetype from = offset; remaining > 0; ++last, from = 0) {
        const qsizetype count = std::min(remaining, m_pieces[last].size() - from);
        m_pieces[last].remove(from, count);
        remaining -= count;
    }
    m_pieces[index].insert(offset, inserted);
    m_size += inserted.size() - removed;

    // Drop the pieces the removal emptied; the edited one stays while it is
    // the only piece.
    const auto emptied =
        std::remove_if(m_pieces.begin() + index + 1, m_pieces.begin() + std::max(last, index + 1),
                       [](const QString& piece) { return piece.isEmpty(); });
    m_pieces.erase(emptied, m_pieces.begin() + std::max(last, index + 1));
    if (m_pieces[index].isEmpty() && m_pieces.size() > 1)
        m_pieces.removeAt(index);
    else
        splitLargePiece(index);
}

void TextMirror::splitLargePiece(qsizetype index) {
    if (m_pieces[index].size() <= 2 * pieceSize)
        return;
    const QString large = m_pieces.takeAt(index);
    QList<QString> parts;
    for (qsizetype at = 0; at < large.size(); at += pieceSize)
        parts.append(large.mid(at, pieceSize));
    m_pieces.insert(index, parts.size(), QString());
    std::move(parts.begin(), parts.end(), m_pieces.begin() + index);
}

QString TextMirror::join(const Snapshot& pieces) {
    qsizetype size = 0;
    for (const QString& piece : pieces)
        size += piece.size();
    QString text;
    text.reserve(size);
    for (const QString& piece : pieces)
        text += piece;
    return text;
}
