#pragma once

#include "library/algorithm_templates.h"

#include <QDialog>

class Workspace;
class QButtonGroup;
class QScrollArea;

// The template library sheet, 700 x 500: the seven categories on the left,
// the chosen category's cards on the right. "삽입" appends the template to
// the selected file and closes the sheet; without a selected file it does
// nothing and the sheet stays open.
class TemplateBrowser : public QDialog {
    Q_OBJECT

public:
    TemplateBrowser(Workspace& workspace, QWidget* parent,
                    AlgorithmCategory category = AlgorithmCategory::sorting);

    AlgorithmCategory category() const { return m_category; }
    void showCategory(AlgorithmCategory category);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildCard(const AlgorithmTemplate& algorithm, QWidget* parent);
    void insert(const AlgorithmTemplate& algorithm);

    Workspace& m_workspace;
    AlgorithmCategory m_category;
    QButtonGroup* m_categories = nullptr;
    QScrollArea* m_cards = nullptr;
};
