#pragma once

#include <QList>
#include <vector>

class QPlainTextEdit;
class QWidget;

// Milliseconds on one monotonic clock, started by the first call.
double nowMs();

// Key codes for the characters of `script`, repeated up to `count` keys;
// a line break is Return.
QList<int> keysOf(const QString& script, int count);

// Types `keys` into `target`, each due `intervalMs` after the previous one
// was painted (so a slow way is not also charged for a queue of keys), and
// returns each key's time: from the moment it is due to the end of the paint
// of `watched` it causes; when the key's events painted nothing, `repainted`
// is repainted at once, so the time always includes one paint. `lastKeyMs`,
// when given, is when the last key was sent.
std::vector<double> typeKeys(QWidget* target, QWidget* watched, QWidget* repainted,
                             const QList<int>& keys, int intervalMs, double* lastKeyMs = nullptr);

// Puts the caret at the start of the middle line, in view.
void placeCaretMidway(QPlainTextEdit* view);
