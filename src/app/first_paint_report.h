#pragma once

class QWidget;

// For bench/startup only: when CORVANTA_REPORT_FIRST_PAINT is set, prints
// "first_paint_ns N" (N on the monotonic clock, which the bench shares) once
// the window's first frame is painted.
void reportFirstPaintIfAsked(QWidget& window);
