#include "editor/background_highlighter.h"

#include "editor/syntax_text_view.h"

#include <QElapsedTimer>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

namespace {

// One slice of applying colours stays well inside a frame, so a keystroke
// that arrives meanwhile waits no longer than that.
constexpr qint64 sliceBudgetNs = 4'000'000;
constexpr int blocksBetweenClockReads = 32;
// The user state of a block whose formats match no result yet.
constexpr int unknownState = -1;

// The document's units [from, to) with a line feed for each block separator;
// `to` may take in the separator after the last block.
QString documentText(QTextDocument* document, int from, int to) {
    const int lastSeparator = document->characterCount() - 1;
    QTextCursor cursor(document);
    cursor.setPosition(from);
    cursor.setPosition(std::min(to, lastSeparator), QTextCursor::KeepAnchor);
    QString text = cursor.selectedText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    if (to > lastSeparator)
        text += u'\n';
    return text;
}

// Moves a line's formats with an edit inside it: a format after the edit
// moves by its length, one around it grows or shrinks, one that touches the
// caret from the left grows with what is typed there.
void shiftFormats(const QTextBlock& block, int at, int removed, int added) {
    QTextLayout* layout = block.layout();
    const QList<QTextLayout::FormatRange> formats = layout->formats();
    if (formats.isEmpty())
        return;
    const auto map = [&](int x, bool start) {
        if (x < at)
            return x;
        if (x >= at + removed)
            return x - removed + added;
        return start ? at + added : at;
    };
    QList<QTextLayout::FormatRange> shifted;
    shifted.reserve(formats.size());
    for (const QTextLayout::FormatRange& range : formats) {
        const int start = map(range.start, true);
        const int end = map(range.start + range.length, false);
        if (end > start)
            shifted.append({start, end - start, range.format});
    }
    // Setting formats makes the layout redo the line and repaint the whole
    // view, so it is worth skipping when the edit moved nothing.
    if (shifted != formats)
        layout->setFormats(shifted);
}

} // namespace

// Applying one result: the visible blocks first, then every block from the
// top, skipping those whose state already matches.
struct BackgroundHighlighter::Apply {
    std::shared_ptr<const LineColours> colours;
    QTextBlock next;
    qsizetype line = 0;
    bool visiblePhase = true;
    QTextBlock visibleEnd;
    // Consecutive blocks given new formats and not yet reported to the
    // document's layout.
    int dirtyFrom = -1;
    int dirtyTo = -1;
};

BackgroundHighlighter::BackgroundHighlighter(SyntaxTextView* view) : m_view(view) {
    m_pool.setMaxThreadCount(1);
    m_passTimer.setSingleShot(true);
    m_passTimer.setInterval(0);
    m_sliceTimer.setSingleShot(true);
    m_sliceTimer.setInterval(0);
    connect(&m_passTimer, &QTimer::timeout, this, &BackgroundHighlighter::startPass);
    connect(&m_sliceTimer, &QTimer::timeout, this, &BackgroundHighlighter::applySlice);

    QTextDocument* document = view->document();
    m_blockCount = document->blockCount();
    rebuildMirror();
    connect(document, &QTextDocument::contentsChange, this,
            &BackgroundHighlighter::contentsChanged);
}

BackgroundHighlighter::~BackgroundHighlighter() {
    // A pass still running delivers to this object; it must not outlive it.
    m_pool.waitForDone();
}

void BackgroundHighlighter::setColours(const Colours& colours) {
    bool changed = false;
    for (int role = 0; role < roleCount; ++role) {
        if (role == int(ColorRole::plain))
            continue;
        if (m_formats[role].foreground() != QBrush(colours[role])) {
            m_formats[role].setForeground(colours[role]);
            changed = true;
        }
    }
    // Every coloured block's state then differs from what a result asks for,
    // so the next result recolours them all.
    if (changed)
        ++m_generation;
    rehighlight();
}

void BackgroundHighlighter::rehighlight() {
    ++m_revision;
    m_apply.reset();
    requestPass();
}

QString BackgroundHighlighter::mirroredText() const {
    QString text = m_mirror.text();
    text.chop(1);
    return text;
}

void BackgroundHighlighter::contentsChanged(int position, int removed, int added) {
    ++m_revision;
    m_apply.reset();
    updateMirror(position, removed, added);

    QTextDocument* document = m_view->document();
    const QTextBlock first = document->findBlock(position);
    QTextBlock last = document->findBlock(position + added);
    if (!last.isValid())
        last = document->lastBlock();
    // Inside this signal the document has not laid out the line yet, so the
    // shifted formats are part of the layout that follows.
    if (first == last && document->blockCount() == m_blockCount)
        shiftFormats(first, position - first.position(), removed, added);
    m_blockCount = document->blockCount();
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        block.setUserState(unknownState);
        if (block == last)
            break;
    }
    requestPass();
}

void BackgroundHighlighter::updateMirror(int position, int removed, int added) {
    const int count = m_view->document()->characterCount();
    // A change of most of the text is read afresh, and so is a report that
    // does not add up: clearing a document reports its last separator as
    // removed, though a document always keeps one.
    if (added > count / 2 || m_mirror.size() - removed + added != count) {
        rebuildMirror();
        return;
    }
    m_mirror.replace(position, removed,
                     added > 0 ? documentText(m_view->document(), position, position + added)
                               : QString());
}

void BackgroundHighlighter::rebuildMirror() {
    m_mirror.assign(m_view->text() + u'\n');
}

void BackgroundHighlighter::requestPass() {
    m_settled = false;
    // A running pass is followed by the next one when it reports.
    if (!m_passRunning)
        m_passTimer.start();
}

void BackgroundHighlighter::startPass() {
    m_passRunning = true;
    const quint64 revision = m_revision;
    m_pool.start([this, snapshot = m_mirror.snapshot(), language = m_view->currentLanguage,
                  revision] {
        QString text = TextMirror::join(snapshot);
        text.chop(1);
        auto colours = std::make_shared<const LineColours>(text, highlight(text, language));
        QMetaObject::invokeMethod(
            this, [this, colours, revision] { passDone(colours, revision); }, Qt::QueuedConnection);
    });
}

void BackgroundHighlighter::passDone(std::shared_ptr<const LineColours> colours, quint64 revision) {
    m_passRunning = false;
    if (revision != m_revision) {
        m_passTimer.start();
        return;
    }
    m_apply = std::make_unique<Apply>();
    m_apply->colours = std::move(colours);
    m_apply->next = m_view->firstVisibleBlock();
    m_apply->line = m_apply->next.blockNumber();
    const qreal bottom = m_view->viewport()->height();
    QTextBlock end = m_apply->next;
    while (end.isValid() &&
           m_view->blockBoundingGeometry(end).translated(m_view->contentOffset()).top() <= bottom)
        end = end.next();
    m_apply->visibleEnd = end;
    applySlice();
}

void BackgroundHighlighter::applySlice() {
    if (!m_apply)
        return;
    Apply& apply = *m_apply;
    QTextDocument* document = m_view->document();
    const auto flush = [&] {
        if (apply.dirtyFrom < 0)
            return;
        const int to = std::min(apply.dirtyTo, document->characterCount());
        document->markContentsDirty(apply.dirtyFrom, to - apply.dirtyFrom);
        apply.dirtyFrom = apply.dirtyTo = -1;
    };

    QElapsedTimer clock;
    clock.start();
    for (int visited = 1;; ++visited) {
        if (apply.visiblePhase && (!apply.next.isValid() || apply.next == apply.visibleEnd)) {
            apply.visiblePhase = false;
            apply.next = document->firstBlock();
            apply.line = 0;
        }
        if (!apply.next.isValid() || apply.line >= apply.colours->lineCount())
            break;
        if (applyLine(apply.next, apply.line)) {
            const int position = apply.next.position();
            if (apply.dirtyTo != position) {
                flush();
                apply.dirtyFrom = position;
            }
            apply.dirtyTo = position + apply.next.length();
        }
        apply.next = apply.next.next();
        ++apply.line;
        if (visited % blocksBetweenClockReads == 0 && clock.nsecsElapsed() > sliceBudgetNs) {
            // Formats must reach the layout before control returns: a
            // pending change would merge with the next edit's.
            flush();
            m_sliceTimer.start();
            return;
        }
    }
    flush();
    m_apply.reset();
    m_settled = true;
    emit settled();
}

bool BackgroundHighlighter::applyLine(const QTextBlock& block, qsizetype line) {
    const int state = stateFor(m_apply->colours->digest(line));
    if (block.userState() == state)
        return false;
    QTextBlock target = block;
    QTextLayout* layout = target.layout();
    if (state == 0 && layout->formats().isEmpty()) {
        target.setUserState(state);
        return false;
    }
    QList<QTextLayout::FormatRange> formats;
    const std::span<const LineColours::Run> runs = m_apply->colours->runs(line);
    formats.reserve(qsizetype(runs.size()));
    for (const LineColours::Run& run : runs)
        formats.append({run.start, run.length, m_formats[size_t(run.role)]});
    layout->setFormats(formats);
    target.setUserState(state);
    return true;
}

int BackgroundHighlighter::stateFor(std::uint32_t digest) const {
    if (digest == 0)
        return 0;
    const std::uint32_t state = (digest ^ (m_generation * 0x9e3779b9u)) & 0x7fffffffu;
    return state != 0 ? int(state) : 1;
}
