#pragma once

#include "base/compiler_message.h"

#include <QColor>
#include <QList>
#include <QObject>
#include <QTextCursor>

class QTextDocument;

// The compiler's messages shown in one document. Each marks a range that
// moves with the text around it; a marker goes when its own line is edited,
// since the message may no longer be true.
class DiagnosticMarkers : public QObject {
    Q_OBJECT

public:
    struct Marker {
        CompilerMessage message;
        // Selects the marked range.
        QTextCursor range;
    };

    explicit DiagnosticMarkers(QTextDocument* document, QObject* parent = nullptr);

    // Messages about lines the document does not have are left out.
    void set(const QList<CompilerMessage>& messages);
    void clear();
    const QList<Marker>& markers() const { return m_markers; }

    // The markers on a line (a block), and the one whose range holds a position.
    QList<const Marker*> onBlock(int blockNumber) const;
    const Marker* at(int position) const;
    // The marker after (or before) a position, going round the document; null when none.
    const Marker* next(int position) const;
    const Marker* previous(int position) const;
    // The marker made for a message, if it is still there.
    const Marker* find(const CompilerMessage& message) const;

    // A message as the editor tells it: its severity in words, then its text.
    static QString describe(const CompilerMessage& message);

    void setColours(const QColor& error, const QColor& warning, const QColor& note);
    QColor colour(MessageSeverity severity) const;

signals:
    void changed();

private:
    void contentsChanged(int position, int removed, int added);

    QTextDocument* m_document;
    QList<Marker> m_markers;
    QColor m_error;
    QColor m_warning;
    QColor m_note;
};
