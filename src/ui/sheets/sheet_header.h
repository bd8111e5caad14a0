#pragma once

#include <QString>

class QDialog;
class QHBoxLayout;
class QPushButton;
class QWidget;

// The top of the help panel and the template browser: the title on the left
// and an icon close button on the right that rejects the sheet.
QWidget* sheetHeader(QDialog* sheet, const QString& title);

// A bold heading inside a sheet or a settings page.
QWidget* sectionHeading(const QString& text, QWidget* parent);

// The row at the foot of a sheet: "취소", which rejects it, and `primary`,
// the default button (Return presses it), on the right.
QHBoxLayout* sheetButtons(QDialog* sheet, QPushButton* primary);
