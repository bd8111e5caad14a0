#pragma once

class QPlainTextEdit;

// The height at which `view` shows `lines` lines without scrolling: its
// frame (the style's border) and the document's margins included.
int heightForLines(const QPlainTextEdit* view, int lines);
