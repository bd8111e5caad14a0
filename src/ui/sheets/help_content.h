#pragma once

#include <QList>
#include <QString>

class QWidget;

enum class HelpSection { shortcuts, files, testing, templates, tips };

const QList<HelpSection>& allHelpSections();
QString helpSectionTitle(HelpSection section);
// The design's symbol name (ui/icons.h).
QString helpSectionSymbol(HelpSection section);

// One section's fixed texts as a page: shortcut rows, cards or chips under a
// heading. Key texts come from the action table in this platform's notation.
QWidget* helpContent(HelpSection section, QWidget* parent);
