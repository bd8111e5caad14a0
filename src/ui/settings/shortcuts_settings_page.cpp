#include "ui/settings/shortcuts_settings_page.h"

#include "ui/actions.h"
#include "ui/settings/page_parts.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

struct ShortcutRow {
    ActionId action;
    QString description;
    QString category;
};

// Groups are separated by a divider.
const QList<QList<ShortcutRow>>& shortcutGroups() {
    static const QList<QList<ShortcutRow>> groups = {
        {{ActionId::newFile, QStringLiteral("새 파일 만들기"), QStringLiteral("파일")}},
        {{ActionId::copy, QStringLiteral("복사"), QStringLiteral("편집")},
         {ActionId::cut, QStringLiteral("잘라내기"), QStringLiteral("편집")},
         {ActionId::paste, QStringLiteral("붙여넣기"), QStringLiteral("편집")},
         {ActionId::undo, QStringLiteral("실행 취소"), QStringLiteral("편집")},
         {ActionId::redo, QStringLiteral("다시 실행"), QStringLiteral("편집")},
         {ActionId::selectAll, QStringLiteral("전체 선택"), QStringLiteral("편집")}},
        {{ActionId::runCode, QStringLiteral("코드 실행"), QStringLiteral("실행")},
         {ActionId::nextMessage, QStringLiteral("다음 오류로 이동"), QStringLiteral("실행")},
         {ActionId::previousMessage, QStringLiteral("이전 오류로 이동"), QStringLiteral("실행")},
         {ActionId::togglePanel, QStringLiteral("테스트 패널 크게 보기"), QStringLiteral("보기")},
         {ActionId::showTemplates, QStringLiteral("알고리즘 템플릿"), QStringLiteral("도구")},
         {ActionId::showHelp, QStringLiteral("도움말"), QStringLiteral("도구")}},
        {{ActionId::indent, QStringLiteral("들여쓰기 (공백 변환)"), QStringLiteral("편집")},
         {ActionId::newLine, QStringLiteral("줄바꿈 (들여쓰기 유지)"), QStringLiteral("편집")}},
    };
    return groups;
}

QLabel* cell(const QString& text, const QString& objectName, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    return label;
}

} // namespace

ShortcutsSettingsPage::ShortcutsSettingsPage(QWidget* parent) : QWidget(parent) {
    QVBoxLayout* column = pageColumn(this, QStringLiteral("키보드 단축키"),
                                     QStringLiteral("기본 단축키 목록입니다. (변경 불가)"));
    auto* list = new QWidget(this);
    list->setObjectName(QStringLiteral("shortcutList"));
    auto* grid = new QGridLayout(list);
    grid->setContentsMargins(12, 8, 12, 8);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(8);
    int row = 0;
    for (const QList<ShortcutRow>& group : shortcutGroups()) {
        if (row > 0)
            grid->addWidget(divider(list), row++, 0, 1, 3);
        for (const ShortcutRow& shortcut : group) {
            grid->addWidget(cell(shortcutText(shortcut.action), QStringLiteral("keyCap"), list),
                            row, 0, Qt::AlignLeft);
            grid->addWidget(cell(shortcut.description, QStringLiteral("shortcutAction"), list), row,
                            1);
            grid->addWidget(cell(shortcut.category, QStringLiteral("shortcutCategory"), list), row,
                            2, Qt::AlignRight);
            ++row;
        }
    }
    grid->setColumnStretch(1, 1);
    column->addWidget(list);
    column->addStretch();
}
