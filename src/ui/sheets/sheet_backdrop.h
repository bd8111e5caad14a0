#pragma once

class QDialog;

// Opens `sheet` inside the window of its parent, as the quick-create overlay
// is: centred over a backdrop that dims the whole window and takes its
// clicks, never as a window of its own. Escape or the sheet's own buttons
// close it; the backdrop goes with it and the keyboard returns to the
// control that had it. The sheet is deleted once closed.
void presentSheet(QDialog* sheet);
