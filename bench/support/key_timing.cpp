#include "key_timing.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

namespace {

class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// Runs the event loop until the given time: waiting on a timer while the
// time is far, then processing events until it is reached, so a key is sent
// when it is due, or as soon as the UI thread is free after that.
void runUntil(double dueMs) {
    constexpr double spinMs = 2;
    if (const double far = dueMs - spinMs - nowMs(); far >= 1) {
        QEventLoop loop;
        QTimer::singleShot(int(far), Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec();
    }
    while (nowMs() < dueMs)
        QCoreApplication::processEvents();
}

} // namespace

double nowMs() {
    static QElapsedTimer clock = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    return double(clock.nsecsElapsed()) / 1e6;
}

QList<int> keysOf(const QString& script, int count) {
    QList<int> keys;
    for (int i = 0; i < count; ++i) {
        const QChar c = script.at(i % script.size());
        keys.append(c == u'\n' ? int(Qt::Key_Return) : int(c.toLatin1()));
    }
    return keys;
}

std::vector<double> typeKeys(QWidget* target, QWidget* watched, QWidget* repainted,
                             const QList<int>& keys, int intervalMs, double* lastKeyMs) {
    PaintCounter counter;
    watched->installEventFilter(&counter);
    std::vector<double> times;
    for (int key : keys) {
        const double due = nowMs() + intervalMs;
        runUntil(due);
        const int paints = counter.paints;
        if (lastKeyMs)
            *lastKeyMs = nowMs();
        if (key == Qt::Key_Backspace || key == Qt::Key_Return)
            QTest::keyClick(target, Qt::Key(key));
        else
            QTest::keyClick(target, char(key));
        QCoreApplication::processEvents();
        if (counter.paints == paints)
            repainted->repaint();
        times.push_back(nowMs() - due);
    }
    watched->removeEventFilter(&counter);
    return times;
}

void placeCaretMidway(QPlainTextEdit* view) {
    QTextCursor cursor = view->textCursor();
    cursor.setPosition(view->document()->findBlockByNumber(view->blockCount() / 2).position());
    view->setTextCursor(cursor);
    view->centerCursor();
    QCoreApplication::processEvents();
}
