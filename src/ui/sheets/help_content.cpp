#include "ui/sheets/help_content.h"

#include "ui/actions.h"
#include "ui/icons.h"
#include "ui/sheets/sheet_header.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

struct Card {
    const char* symbol;
    QString title;
    QString description;
};

QLabel* label(const QString& text, const char* objectName, QWidget* parent) {
    auto* item = new QLabel(text, parent);
    item->setObjectName(QString::fromLatin1(objectName));
    item->setWordWrap(true);
    item->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return item;
}

// "Ctrl+C/X/V": the keys that differ after the first full shortcut.
QString sharedModifierKeys(const QList<ActionId>& ids) {
    QString text = shortcutText(ids.first());
    for (qsizetype i = 1; i < ids.size(); ++i) {
        const QString keys = shortcutText(ids[i]);
        text += QLatin1Char('/') + keys.mid(keys.lastIndexOf(QLatin1Char('+')) + 1);
    }
    return text;
}

QWidget* shortcutRow(const QString& keys, const QString& description, QWidget* parent) {
    auto* row = new QWidget(parent);
    auto* key = label(keys, "helpKey", row);
    key->setWordWrap(false);
    key->setMinimumWidth(110);
    key->setAlignment(Qt::AlignCenter);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(16);
    layout->addWidget(key);
    layout->addWidget(label(description, "helpKeyDescription", row), 1);
    return row;
}

QWidget* helpCard(const Card& card, QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QStringLiteral("helpCard"));
    auto* icon = new QLabel(frame);
    icon->setObjectName(QStringLiteral("cardIcon"));
    icon->setPixmap(symbolIcon(QString::fromLatin1(card.symbol)).pixmap(22, 22));
    icon->setFixedWidth(28);
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(4);
    texts->addWidget(label(card.title, "cardTitle", frame));
    texts->addWidget(label(card.description, "cardDescription", frame));
    auto* layout = new QHBoxLayout(frame);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(12);
    layout->addWidget(icon);
    layout->addLayout(texts, 1);
    return frame;
}

QWidget* chips(const QStringList& names, QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(8);
    constexpr int columns = 3;
    for (qsizetype i = 0; i < names.size(); ++i)
        grid->addWidget(label(names[i], "templateChip", box), int(i / columns), int(i % columns));
    return box;
}

QList<Card> cards(HelpSection section) {
    switch (section) {
    case HelpSection::files:
        return {
            {"plus.circle.fill", QStringLiteral("파일 생성"),
             QStringLiteral("사이드바 하단의 언어 버튼을 클릭하거나 %1을 눌러 새 파일을 만드세요.")
                 .arg(shortcutText(ActionId::newFile))},
            {"doc.on.doc", QStringLiteral("파일 복제"),
             QStringLiteral("파일을 우클릭하거나 호버 시 나타나는 복제 버튼을 클릭하세요.")},
            {"trash", QStringLiteral("파일 삭제"),
             QStringLiteral(
                 "파일을 우클릭하여 삭제하거나 호버 시 나타나는 휴지통 버튼을 클릭하세요.")},
            {"magnifyingglass", QStringLiteral("파일 검색"),
             QStringLiteral("사이드바 상단의 검색창에서 파일 이름으로 검색할 수 있습니다.")},
        };
    case HelpSection::testing:
        return {
            {"plus.circle", QStringLiteral("테스트 추가"),
             QStringLiteral("하단 패널에서 '테스트 추가' 버튼을 클릭하여 새 테스트 케이스를 "
                            "추가하세요.")},
            {"text.alignleft", QStringLiteral("입력/출력 설정"),
             QStringLiteral("각 테스트 케이스에 입력값과 예상 출력값을 입력하세요.")},
            {"play.fill", QStringLiteral("실행"),
             QStringLiteral("%1을 누르거나 실행 버튼을 클릭하면 모든 테스트 케이스가 실행됩니다.")
                 .arg(shortcutText(ActionId::runCode))},
            {"checkmark.circle", QStringLiteral("결과 확인"),
             QStringLiteral("실제 출력이 예상 출력과 일치하면 ✅, 다르면 ❌가 표시됩니다.")},
        };
    case HelpSection::tips:
        return {
            {"arrow.right.to.line", QStringLiteral("탭으로 괄호 탈출!"),
             QStringLiteral("Tab 키를 누르면 자동으로 괄호를 탈출합니다. 학교 탈출은 창문으로")},
            {"text.alignleft", QStringLiteral("자동 들여쓰기"),
             QStringLiteral("Enter를 누르면 이전 줄의 들여쓰기가 자동으로 유지됩니다.")},
            // Fixed text: it does not follow the timeout setting.
            {"clock", QStringLiteral("타임아웃"),
             QStringLiteral("코드 실행 시간 제한은 설정에서 변경할 수 있습니다. (기본 5초)")},
            {"paintpalette", QStringLiteral("테마 변경"),
             QStringLiteral("상단 툴바에서 Dark, Light, Monokai 테마를 선택할 수 있습니다. "
                            "하지만 Light는 이상하게 작동함.")},
        };
    case HelpSection::shortcuts:
    case HelpSection::templates:
        break;
    }
    return {};
}

QString heading(HelpSection section) {
    switch (section) {
    case HelpSection::shortcuts:
        return QStringLiteral("키보드 단축키");
    case HelpSection::files:
        return QStringLiteral("파일 관리");
    case HelpSection::testing:
        return QStringLiteral("테스트 케이스");
    case HelpSection::templates:
        return QStringLiteral("알고리즘 템플릿");
    case HelpSection::tips:
        return QStringLiteral("유용한 팁");
    }
    return {};
}

} // namespace

const QList<HelpSection>& allHelpSections() {
    static const QList<HelpSection> sections = {HelpSection::shortcuts, HelpSection::files,
                                                HelpSection::testing, HelpSection::templates,
                                                HelpSection::tips};
    return sections;
}

QString helpSectionTitle(HelpSection section) {
    switch (section) {
    case HelpSection::shortcuts:
        return QStringLiteral("단축키");
    case HelpSection::files:
        return QStringLiteral("파일 관리");
    case HelpSection::testing:
        return QStringLiteral("테스트");
    case HelpSection::templates:
        return QStringLiteral("템플릿");
    case HelpSection::tips:
        return QStringLiteral("팁");
    }
    return {};
}

QString helpSectionSymbol(HelpSection section) {
    switch (section) {
    case HelpSection::shortcuts:
        return QStringLiteral("keyboard");
    case HelpSection::files:
        return QStringLiteral("folder");
    case HelpSection::testing:
        return QStringLiteral("checkmark.circle");
    case HelpSection::templates:
        return QStringLiteral("doc.text");
    case HelpSection::tips:
        return QStringLiteral("lightbulb");
    }
    return {};
}

QWidget* helpContent(HelpSection section, QWidget* parent) {
    auto* page = new QWidget(parent);
    page->setObjectName(QStringLiteral("helpContent"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(16);
    layout->addWidget(sectionHeading(heading(section), page));

    switch (section) {
    case HelpSection::shortcuts: {
        const std::pair<QString, const char*> rows[] = {
            {shortcutText(ActionId::newFile), "새 파일 만들기"},
            {shortcutText(ActionId::runCode), "코드 실행"},
            {shortcutText(ActionId::nextMessage) + QStringLiteral(" / ") +
                 shortcutText(ActionId::previousMessage),
             "다음/이전 오류로 이동"},
            {shortcutText(ActionId::togglePanel), "테스트 패널 크게 보기"},
            {shortcutText(ActionId::showTemplates), "알고리즘 템플릿 열기"},
            {shortcutText(ActionId::showHelp), "도움말 열기"},
            {sharedModifierKeys({ActionId::copy, ActionId::cut, ActionId::paste}),
             "복사/잘라내기/붙여넣기"},
            {shortcutText(ActionId::undo), "실행 취소"},
            {shortcutText(ActionId::redo), "다시 실행"},
        };
        for (const auto& [keys, description] : rows)
            layout->addWidget(shortcutRow(keys, QString::fromUtf8(description), page));
        break;
    }
    case HelpSection::templates:
        layout->addWidget(label(QStringLiteral("%1를 눌러 템플릿 라이브러리를 열 수 있습니다.")
                                    .arg(shortcutText(ActionId::showTemplates)),
                                "helpLine", page));
        layout->addWidget(label(QStringLiteral("제공되는 템플릿:"), "helpLabel", page));
        layout->addWidget(chips({QStringLiteral("이분 탐색"), QStringLiteral("BFS/DFS"),
                                 QStringLiteral("다익스트라"), QStringLiteral("Union-Find"),
                                 QStringLiteral("세그먼트 트리"), QStringLiteral("KMP"),
                                 QStringLiteral("퀵/병합 정렬"), QStringLiteral("DP (배낭, LIS)")},
                                page));
        break;
    case HelpSection::files:
    case HelpSection::testing:
    case HelpSection::tips:
        for (const Card& card : cards(section))
            layout->addWidget(helpCard(card, page));
        break;
    }
    layout->addStretch();
    return page;
}
