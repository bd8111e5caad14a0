#include "ui/settings/about_page.h"

#include "ui/settings/page_parts.h"
#include "workspace/workspace_store.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* centred(const QString& text, const QString& objectName, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

AboutPage::AboutPage(WorkspaceStore& store, QWidget* parent) : QWidget(parent), m_store(store) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(20, 16, 20, 20);
    column->setSpacing(10);
    column->addWidget(buildProduct());
    column->addWidget(divider(this));
    column->addWidget(resetRow(QStringLiteral("데이터 초기화"),
                               QStringLiteral("저장된 파일, 테스트 케이스가 삭제됩니다."),
                               QStringLiteral("초기화"), QStringLiteral("resetDataButton"), [this] {
                                   confirm(QStringLiteral("데이터 초기화"),
                                           QStringLiteral("정말로 모든 데이터를 삭제하시겠습니까?"
                                                          "\n이 작업은 되돌릴 수 없습니다."),
                                           QStringLiteral("초기화"), &WorkspaceStore::resetData);
                               }));
    column->addWidget(resetRow(
        QStringLiteral("완전 초기화 (공장 초기화)"),
        QStringLiteral("모든 설정, 템플릿, 데이터가 삭제되고 앱이 처음 상태로 돌아갑니다."),
        QStringLiteral("완전 완전 초기화"), QStringLiteral("resetAllButton"), [this] {
            confirm(QStringLiteral("완전 초기화"),
                    QStringLiteral("정말로 앱을 처음 상태로 되돌리시겠습니까?\n모든 설정과 "
                                   "데이터가 삭제됩니다."),
                    QStringLiteral("완전 초기화"), &WorkspaceStore::resetAll);
        }));
    column->addStretch();
}

QWidget* AboutPage::buildProduct() {
    auto* box = new QWidget(this);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 8, 0, 8);
    column->setSpacing(6);
    column->addWidget(centred(QStringLiteral("🦦"), QStringLiteral("logo"), box));
    column->addWidget(centred(QStringLiteral("Corvanta"), QStringLiteral("aboutName"), box));
    column->addWidget(centred(QStringLiteral("Rivazirez Uzoduvi"), QStringLiteral("caption"), box));
    column->addWidget(centred(QStringLiteral("버전 1.4.3"), QStringLiteral("caption"), box));
    column->addSpacing(8);

    auto* features = new QVBoxLayout;
    features->addWidget(heading(QStringLiteral("알고리즘 IDE"), box));
    for (const QString& feature :
         {QStringLiteral("C, C++, Python, Java, C# 지원"), QStringLiteral("알고리즘 템플릿"),
          QStringLiteral("백준 문제 크롤링"), QStringLiteral("테스트케이스 자동 비교")}) {
        QWidget* line =
            symbolLine(QStringLiteral("checkmark.circle.fill"), feature, LineKind::info, box);
        // Centred lines take their natural width; wrapping would break them early.
        line->findChild<QLabel*>(QStringLiteral("infoText"))->setWordWrap(false);
        features->addWidget(line);
    }
    auto* centre = new QHBoxLayout;
    centre->addStretch();
    centre->addLayout(features);
    centre->addStretch();
    column->addLayout(centre);
    return box;
}

QWidget* AboutPage::resetRow(const QString& title, const QString& captionText,
                             const QString& buttonText, const QString& objectName,
                             const std::function<void()>& onClick) {
    auto* row = new QWidget(this);
    auto* text = new QVBoxLayout;
    text->addWidget(heading(title, row));
    text->addWidget(caption(captionText, row));
    auto* button = new QPushButton(buttonText, row);
    button->setObjectName(objectName);
    button->setProperty("destructive", true);
    button->setAutoDefault(false);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 4, 0, 4);
    layout->addLayout(text, 1);
    layout->addWidget(button, 0, Qt::AlignVCenter);

    connect(button, &QPushButton::clicked, this, onClick);
    return row;
}

void AboutPage::confirm(const QString& title, const QString& question, const QString& confirmText,
                        void (WorkspaceStore::*reset)()) {
    auto* box = new QMessageBox(QMessageBox::Warning, title, question, QMessageBox::NoButton, this);
    box->setObjectName(QStringLiteral("resetConfirmation"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->addButton(QStringLiteral("취소"), QMessageBox::RejectRole);
    QPushButton* confirmButton = box->addButton(confirmText, QMessageBox::DestructiveRole);
    confirmButton->setProperty("destructive", true);
    connect(box, &QMessageBox::buttonClicked, this,
            [this, confirmButton, reset](QAbstractButton* clicked) {
                if (clicked != confirmButton)
                    return;
                (m_store.*reset)();
                emit resetDone();
            });
    box->open();
}
