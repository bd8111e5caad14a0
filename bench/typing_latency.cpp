// Typing latency of the editor, offscreen, on C++ files of 10,000 and about
// 110,000 lines (the concatenated /usr/include/c++/12/bits/*.h: its first
// 10,000 lines, and all of it).
//
// 200 characters of code are typed in the middle of the file through real
// key events (QTest::keyClick), each due 25 ms after the previous one was on
// screen, the event loop running in between as it would. A key's time runs
// from the moment it is due to the end of the repaint it causes: when earlier
// work (a slice of applying colours) still holds the UI thread at that moment,
// the wait counts. After the key
// event the posted events are processed, and if that painted nothing the
// editor (text and gutter) is repainted at once, so the time always includes
// one paint. settle runs from the last key event to the moment the colours
// are settled; they are then checked against a fresh pass over the final
// text. naive is the same key measure over 20 keys for the naive way: after
// every change, the whole text taken from the document, highlighted (fast
// engine) and its colours set on every line, synchronously.
//
// Prints key_median_ms, key_p99_ms, settle_ms and naive_key_median_ms for
// each file (suffix _10k, _110k); details go to standard error.

#include "editor/code_text_editor.h"
#include "editor/color_conversion.h"
#include "editor/highlighter.h"
#include "editor/line_colours.h"
#include "editor/syntax_text_view.h"
#include "themes/theme_resolver.h"

#include "support/bench_stats.h"
#include "support/key_timing.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QTextStream>
#include <vector>

namespace {

constexpr int typedKeys = 200;
constexpr int naiveKeys = 20;
constexpr int keyIntervalMs = 25;
const QSize editorSize(1000, 700);

// Code as someone would type it; Return keeps the indentation, brackets and
// quotes pair and are typed over.
const QString typedScript = QStringLiteral("for (int i = 0; i < n; ++i) {\n"
                                           "sum += values[i] * 2;\n"
                                           "if (sum > limit) break;\n"
                                           "}\n"
                                           "std::string name = \"count\";\n"
                                           "auto result = compute(first, last);\n"
                                           "return result + offset; // done\n"
                                           "int spare = 42;\n");

QString headers(qsizetype maxLines) {
    QByteArray bytes;
    const QDir directory(QStringLiteral("/usr/include/c++/12/bits"));
    for (const QString& name :
         directory.entryList({QStringLiteral("*.h")}, QDir::Files, QDir::Name)) {
        QFile file(directory.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            bytes += file.readAll();
    }
    QString text = QString::fromUtf8(bytes);
    if (maxLines > 0) {
        qsizetype at = -1;
        for (qsizetype line = 0; line < maxLines && (at = text.indexOf(u'\n', at + 1)) >= 0;)
            ++line;
        if (at >= 0)
            text.truncate(at);
    }
    return text;
}

EditorConfig config() {
    EditorConfig c;
    c.editor.fontSize = 14;
    c.backgroundColor = toQColor(resolveColor(ThemeRole::background, EditorTheme::dark, nullptr));
    c.lineNumberColor = Qt::gray;
    c.lineNumberBgColor = QColor(40, 40, 40, 77);
    c.cursorColor = Qt::white;
    c.language = ProgrammingLanguage::cpp;
    c.theme = EditorTheme::dark;
    return c;
}

// Types `count` characters of the script into `view`; see typeKeys.
std::vector<double> typeScript(QPlainTextEdit* view, QWidget* paintRoot, int count,
                               double* lastKeyMs = nullptr) {
    return typeKeys(view, view->viewport(), paintRoot, keysOf(typedScript, count), keyIntervalMs,
                    lastKeyMs);
}

void waitUntilSettled(SyntaxTextView* view) {
    if (view->isHighlightSettled())
        return;
    QEventLoop loop;
    QObject::connect(view, &SyntaxTextView::highlightSettled, &loop, &QEventLoop::quit);
    loop.exec();
}

// Whether every line shows the colours a fresh pass gives the final text.
bool coloursAreCurrent(SyntaxTextView* view) {
    const QString text = view->text();
    const LineColours expected(text, highlight(text, view->currentLanguage));
    QTextBlock block = view->document()->firstBlock();
    for (qsizetype line = 0; line < expected.lineCount(); ++line, block = block.next()) {
        const QList<QTextLayout::FormatRange> formats = block.layout()->formats();
        const std::span<const LineColours::Run> runs = expected.runs(line);
        if (qsizetype(runs.size()) != formats.size())
            return false;
        for (size_t i = 0; i < runs.size(); ++i) {
            const QTextLayout::FormatRange& range = formats[qsizetype(i)];
            const QColor colour = toQColor(resolveColor(runs[i].role, view->currentTheme, nullptr));
            if (range.start != runs[i].start || range.length != runs[i].length ||
                range.format.foreground().color() != colour)
                return false;
        }
    }
    return !block.isValid();
}

// The naive way: the whole text recoloured on the UI thread after every change.
class NaiveHighlighter : public QObject {
public:
    explicit NaiveHighlighter(QPlainTextEdit* view) : m_view(view) {
        for (int role = 1; role <= int(ColorRole::preprocessor); ++role)
            m_formats[size_t(role)].setForeground(
                toQColor(resolveColor(ColorRole(role), EditorTheme::dark, nullptr)));
        connect(view, &QPlainTextEdit::textChanged, this, &NaiveHighlighter::recolour);
        recolour();
    }

private:
    void recolour() {
        QTextDocument* document = m_view->document();
        const QString text = document->toPlainText();
        const LineColours colours(text, highlight(text, ProgrammingLanguage::cpp));
        qsizetype line = 0;
        for (QTextBlock block = document->firstBlock(); block.isValid();
             block = block.next(), ++line) {
            QList<QTextLayout::FormatRange> formats;
            for (const LineColours::Run& run : colours.runs(line))
                formats.append({run.start, run.length, m_formats[size_t(run.role)]});
            block.layout()->setFormats(formats);
        }
        document->markContentsDirty(0, document->characterCount());
    }

    QPlainTextEdit* m_view;
    std::array<QTextCharFormat, int(ColorRole::preprocessor) + 1> m_formats;
};

struct Figures {
    double keyMedian = 0;
    double keyP99 = 0;
    double settle = 0;
    double naiveKeyMedian = 0;
};

Figures measure(const QString& text, const char* label) {
    QTextStream err(stderr);
    Figures figures;
    {
        CodeTextEditor editor(config(), text);
        editor.resize(editorSize);
        editor.show();
        if (!QTest::qWaitForWindowExposed(&editor))
            qFatal("the editor window was never shown");
        SyntaxTextView* view = editor.textView();
        view->setFocus();
        const double opened = nowMs();
        waitUntilSettled(view);
        err << label << ": " << view->blockCount() << " lines, first colours settled after "
            << nowMs() - opened << " ms\n";

        placeCaretMidway(view);
        double lastKey = 0;
        const std::vector<double> times = typeScript(view, &editor, typedKeys, &lastKey);
        waitUntilSettled(view);
        figures.settle = nowMs() - lastKey;
        figures.keyMedian = percentile(times, 0.5);
        figures.keyP99 = percentile(times, 0.99);
        err << label << ": slowest key " << percentile(times, 1.0) << " ms\n";
        if (!coloursAreCurrent(view))
            qFatal("the settled colours differ from a fresh pass over the final text");
    }
    {
        QPlainTextEdit naive;
        naive.setFont(
            CodeTextEditor::resolveFont(config().editor.fontName, config().editor.fontSize));
        naive.setPlainText(text);
        naive.resize(editorSize);
        naive.show();
        if (!QTest::qWaitForWindowExposed(&naive))
            qFatal("the naive editor window was never shown");
        naive.setFocus();
        NaiveHighlighter highlighter(&naive);
        placeCaretMidway(&naive);
        figures.naiveKeyMedian = percentile(typeScript(&naive, &naive, naiveKeys), 0.5);
    }
    return figures;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString large = headers(0);
    if (large.isEmpty()) {
        QTextStream(stderr) << "no headers in /usr/include/c++/12/bits\n";
        return 1;
    }
    QTextStream out(stdout);
    const struct {
        QString text;
        const char* suffix;
    } files[] = {{headers(10'000), "10k"}, {large, "110k"}};
    for (const auto& file : files) {
        const Figures figures = measure(file.text, file.suffix);
        out << "key_median_ms_" << file.suffix << ' ' << figures.keyMedian << '\n';
        out << "key_p99_ms_" << file.suffix << ' ' << figures.keyP99 << '\n';
        out << "settle_ms_" << file.suffix << ' ' << figures.settle << '\n';
        out << "naive_key_median_ms_" << file.suffix << ' ' << figures.naiveKeyMedian << '\n';
        out.flush();
    }
    return 0;
}
