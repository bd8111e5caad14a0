#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// A copy of an editor's text kept in step with its edits, so that a pass on
// another thread can take the newest text without the UI thread copying the
// whole of it. The text is held in pieces of a few thousand UTF-16 units: an
// edit rewrites one piece (or the few it spans), and a snapshot shares the
// pieces until the mirror next changes.
class TextMirror {
public:
    using Snapshot = QList<QString>;

    void assign(const QString& text);
    // Replaces the `removed` units at `position` by `inserted`; both are
    // clamped to the text.
    void replace(qsizetype position, qsizetype removed, QStringView inserted);

    qsizetype size() const { return m_size; }
    Snapshot snapshot() const { return m_pieces; }
    QString text() const { return join(m_pieces); }

    static QString join(const Snapshot& pieces);

private:
    void splitLargePiece(qsizetype index);

    QList<QString> m_pieces;
    qsizetype m_size = 0;
};
