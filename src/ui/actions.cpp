#include "ui/actions.h"

#include "ui/commands.h"
#include "ui/icons.h"

#include <QAction>

namespace {

// A key the text editor handles itself: listed, never in a menu.
ActionInfo editingKey(ActionId id, const QString& text, const QKeySequence& keys) {
    return {id, {}, text, text, keys, {}, nullptr};
}

} // namespace

const QList<ActionInfo>& actionTable() {
    static const QList<ActionInfo> table = {
        {ActionId::newFile, QStringLiteral("파일"), QStringLiteral("새 파일"),
         QStringLiteral("새 파일"), QKeySequence(Qt::CTRL | Qt::Key_N),
         QStringLiteral("plus.square"), &Commands::newFile},
        {ActionId::runCode, QStringLiteral("실행"), QStringLiteral("코드 실행"),
         QStringLiteral("실행"), QKeySequence(Qt::CTRL | Qt::Key_R), QStringLiteral("play.fill"),
         &Commands::runCode},
        {ActionId::nextMessage,
         QStringLiteral("실행"),
         QStringLiteral("다음 오류로 이동"),
         QStringLiteral("다음 오류"),
         QKeySequence(Qt::Key_F8),
         {},
         &Commands::nextMessage},
        {ActionId::previousMessage,
         QStringLiteral("실행"),
         QStringLiteral("이전 오류로 이동"),
         QStringLiteral("이전 오류"),
         QKeySequence(Qt::SHIFT | Qt::Key_F8),
         {},
         &Commands::previousMessage},
        {ActionId::togglePanel,
         QStringLiteral("보기"),
         QStringLiteral("테스트 패널 크게 보기"),
         QStringLiteral("테스트 패널 크게 보기"),
         QKeySequence(Qt::CTRL | Qt::Key_J),
         {},
         &Commands::togglePanel},
        {ActionId::showTemplates, QStringLiteral("알고리즘"), QStringLiteral("템플릿 라이브러리"),
         QStringLiteral("알고리즘 템플릿"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T),
         QStringLiteral("doc.text.magnifyingglass"), &Commands::showTemplates},
        {ActionId::showHelp, QStringLiteral("도움말"), QStringLiteral("도움! 도움!"),
         QStringLiteral("도움말"), QKeySequence(Qt::CTRL | Qt::Key_Slash),
         QStringLiteral("questionmark.circle"), &Commands::showHelp},
        editingKey(ActionId::copy, QStringLiteral("복사"), QKeySequence::Copy),
        editingKey(ActionId::cut, QStringLiteral("잘라내기"), QKeySequence::Cut),
        editingKey(ActionId::paste, QStringLiteral("붙여넣기"), QKeySequence::Paste),
        editingKey(ActionId::undo, QStringLiteral("실행 취소"), QKeySequence::Undo),
        editingKey(ActionId::redo, QStringLiteral("다시 실행"), QKeySequence::Redo),
        editingKey(ActionId::selectAll, QStringLiteral("전체 선택"), QKeySequence::SelectAll),
        editingKey(ActionId::indent, QStringLiteral("들여쓰기"), Qt::Key_Tab),
        // Listed by the name on the key; the editor takes Return and Enter alike.
        editingKey(ActionId::newLine, QStringLiteral("줄바꿈"), Qt::Key_Enter),
    };
    return table;
}

const ActionInfo& actionInfo(ActionId id) {
    for (const ActionInfo& info : actionTable()) {
        if (info.id == id)
            return info;
    }
    Q_UNREACHABLE();
}

QString shortcutText(ActionId id) {
    return actionInfo(id).shortcut.toString(QKeySequence::NativeText);
}

QString tooltipText(const QString& label, const QKeySequence& shortcut) {
    if (shortcut.isEmpty())
        return label;
    return label + QStringLiteral(" (") + shortcut.toString(QKeySequence::NativeText) +
           QLatin1Char(')');
}

QString tooltipText(ActionId id) {
    const ActionInfo& info = actionInfo(id);
    return tooltipText(info.label, info.shortcut);
}

QAction* makeAction(ActionId id, Commands& commands, QObject* parent) {
    const ActionInfo& info = actionInfo(id);
    Q_ASSERT(info.command);
    auto* action = new QAction(info.text, parent);
    action->setIconText(info.label);
    action->setToolTip(tooltipText(id));
    action->setShortcut(info.shortcut);
    action->setShortcutContext(Qt::ApplicationShortcut);
    action->setIcon(symbolIcon(info.symbol));
    // The menus list commands by name; the icons are for tool buttons.
    action->setIconVisibleInMenu(false);
    QObject::connect(action, &QAction::triggered, &commands, info.command);
    return action;
}
