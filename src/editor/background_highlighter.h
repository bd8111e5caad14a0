#pragma once

#include "editor/line_colours.h"
#include "editor/text_mirror.h"
#include "themes/color_role.h"

#include <QColor>
#include <QObject>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QThreadPool>
#include <QTimer>
#include <array>
#include <memory>

class SyntaxTextView;

// Colours a SyntaxTextView's document without making a keystroke wait for a
// pass. Edits are mirrored into a piece-wise copy of the text; a pass runs the
// fast engine on a snapshot of it on a worker thread, one pass at a time, and
// only the newest text is ever passed on. A result for a text or colours that
// have changed since is dropped. A current result is applied in short slices,
// visible lines first, and only to the blocks whose colours differ from the
// ones they show. When the last slice of a current result is done the
// colours are settled: equal to the rules on the text as it is.
//
// A keystroke costs the mirror update and, when it stays within one line, a
// shift of that line's colours so they keep following their characters until
// the next result arrives.
class BackgroundHighlighter : public QObject {
    Q_OBJECT

public:
    static constexpr int roleCount = int(ColorRole::preprocessor) + 1;
    using Colours = std::array<QColor, roleCount>;

    explicit BackgroundHighlighter(SyntaxTextView* view);
    ~BackgroundHighlighter() override;

    // Sets the colour of each role (plain is the view's text colour and
    // takes no format) and schedules a pass.
    void setColours(const Colours& colours);
    void rehighlight();

    bool isSettled() const { return m_settled; }
    // The text the next pass will colour: the document's text with line
    // feeds between its blocks.
    QString mirroredText() const;

signals:
    void settled();

private:
    struct Apply;

    void contentsChanged(int position, int removed, int added);
    void updateMirror(int position, int removed, int added);
    void rebuildMirror();
    void requestPass();
    void startPass();
    void passDone(std::shared_ptr<const LineColours> colours, quint64 revision);
    void applySlice();
    bool applyLine(const QTextBlock& block, qsizetype line);
    int stateFor(std::uint32_t digest) const;

    SyntaxTextView* m_view;
    TextMirror m_mirror;
    std::array<QTextCharFormat, roleCount> m_formats;
    quint64 m_revision = 0;
    quint32 m_generation = 0;
    int m_blockCount = 1;
    bool m_passRunning = false;
    bool m_settled = true;
    std::unique_ptr<Apply> m_apply;
    QTimer m_passTimer;
    QTimer m_sliceTimer;
    QThreadPool m_pool;
};
