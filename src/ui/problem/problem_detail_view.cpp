#include "ui/problem/problem_detail_view.h"

#include "problems/baekjoon_problem.h"
#include "ui/problem/sample_row.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {

QLabel* label(const QString& text, const QString& objectName, double points, bool bold,
              QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    QFont font = label->font();
    font.setPointSizeF(points);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

void addSection(QVBoxLayout* layout, const QString& title, const QString& content, double fontSize,
                QWidget* parent) {
    if (content.isEmpty())
        return;
    layout->addWidget(label(title, QStringLiteral("sectionTitle"), fontSize + 1, true, parent));
    QLabel* text = label(content, QStringLiteral("sectionContent"), fontSize, false, parent);
    text->setAccessibleName(title);
    text->setWordWrap(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(text);
    layout->addSpacing(8);
}

} // namespace

ProblemDetailView::ProblemDetailView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("problemDetail"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 16);
}

void ProblemDetailView::showProblem(const CachedBaekjoonProblem& problem, const ProblemLinks& links,
                                    double fontSize) {
    delete m_body;
    m_body = new QWidget(this);
    auto* layout = new QVBoxLayout(m_body);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);

    layout->addWidget(new ProblemHeader(problem, links, fontSize, m_body));
    layout->addSpacing(10);
    addSection(layout, QStringLiteral("문제"), problem.description, fontSize, m_body);
    addSection(layout, QStringLiteral("입력"), problem.inputDescription, fontSize, m_body);
    addSection(layout, QStringLiteral("출력"), problem.outputDescription, fontSize, m_body);
    if (!problem.testCases.isEmpty()) {
        layout->addWidget(label(QStringLiteral("예제"), QStringLiteral("samplesHeading"),
                                fontSize + 1, true, m_body));
        for (qsizetype i = 0; i < problem.testCases.size(); ++i)
            layout->addWidget(new SampleRow(int(i), problem.testCases[i], fontSize, m_body));
    }
    layout->addStretch();
    this->layout()->addWidget(m_body);
}
