#include "ui/settings/changelog_page.h"

#include "ui/settings/page_parts.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {

struct ChangelogEntry {
    QString version;
    QString date;
    QStringList notes;
};

// Newest first.
const QList<ChangelogEntry>& changelog() {
    static const QList<ChangelogEntry> entries = {
        {QStringLiteral("v1.4.3"),
         QStringLiteral("2025.12.19"),
         {QStringLiteral("커스텀 테마 기능 추가"),
          QStringLiteral("데이터 내보내기/불러오기 기능 추가"),
          QStringLiteral("테마별 구문 강조 색상 지원")}},
        {QStringLiteral("v1.4.2"),
         QStringLiteral("2025.12.19"),
         {QStringLiteral("테스트케이스와 답의 줄바꿈 문자 다름에도 동일하게 평가되도록 수정"),
          QStringLiteral("코드 줄 번호 수정(THANKS GPT)")}},
        {QStringLiteral("v1.4.1"),
         QStringLiteral("2025.12.18"),
         {QStringLiteral("TXT 추가"), QStringLiteral("난이도별 문제 추천 추가"),
          QStringLiteral("폴더 추가")}},
        {QStringLiteral("v1.4.0"), QStringLiteral("2025.12.18"), {QStringLiteral("JAVA, C# 추가")}},
        {QStringLiteral("v1.3.2"),
         QStringLiteral("2025.12.16"),
         {QStringLiteral("반례 찾기 버튼 추가"),
          QStringLiteral("문제 난이도를 티어 서비스에서 가져오기")}},
        {QStringLiteral("v1.3.1"),
         QStringLiteral("2025.12.11"),
         {QStringLiteral("완전 완전 초기화 추가")}},
        {QStringLiteral("v1.3.0"),
         QStringLiteral("2025.12.11"),
         {QStringLiteral("백준 웹 크롤링으로 백준 문제 가져오는거 구현"),
          QStringLiteral("테스트케이스 가져오기 구현!!!!!!!!!!!"),
          QStringLiteral("문제 폰트 사이즈 조정 추가"),
          QStringLiteral("티어 서비스로 문제 난이도 표시"),
          QStringLiteral("크롤링 밴 방지로 10초 제한")}},
        {QStringLiteral("v1.2.2"),
         QStringLiteral("2025.12.10"),
         {QStringLiteral("테스트케이스 다수 적용시 겹치는 문제 해결"),
          QStringLiteral("테스트케이스 3개 이상 적용하면 터지는 문제 해결")}},
        {QStringLiteral("v1.2.1"),
         QStringLiteral("2025.12.10"),
         {QStringLiteral("릴리즈 이제 안쓸래 귀찮어"), QStringLiteral("콘솔 출력 다소 수정"),
          QStringLiteral("폰트 설정 추가"), QStringLiteral("옆에 줄 번호 알고리즘 다소 수정")}},
        {QStringLiteral("v1.2.0"),
         QStringLiteral("2025.12.08"),
         {QStringLiteral("세 번째 릴리즈!"), QStringLiteral("괄호 알고리즘 변경"),
          QStringLiteral("알고리즘 템플릿 추가"), QStringLiteral("런타임 제한 해제 가능"),
          QStringLiteral("설정 초기화 버튼"), QStringLiteral("IDE이름 변경")}},
        {QStringLiteral("v1.1.0"),
         QStringLiteral("2025.12.07"),
         {QStringLiteral("두 번째 릴리즈!"), QStringLiteral("괄호 자동 완성 기능"),
          QStringLiteral("기본 템플릿 커스터마이징"), QStringLiteral("코드 복사 버튼"),
          QStringLiteral("다른 Macos 버전도 배포")}},
        {QStringLiteral("v1.0.0"),
         QStringLiteral("2025.12.01"),
         {QStringLiteral("첫 번째 릴리즈!"), QStringLiteral("C, C++, Python 언어 지원"),
          QStringLiteral("알고리즘 템플릿 라이브러리 (정렬, 탐색, 그래프, DP 등등..)"),
          QStringLiteral("테스트 케이스 관리 및 자동 비교"),
          QStringLiteral("파일 로컬 저장 및 자동 저장"), QStringLiteral("버튼 클릭 영역 개선"),
          QStringLiteral("줄 번호 스크롤 동기화")}},
        {QStringLiteral("v0.1.0 (Beta)"),
         QStringLiteral("2025.06.25"),
         {QStringLiteral("베타"), QStringLiteral("기본 에디터 구현"),
          QStringLiteral("파일 관리 시스템"), QStringLiteral("탭 기반 멀티 파일 편집")}},
    };
    return entries;
}

QLabel* wrapped(const QString& text, const QString& objectName, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setWordWrap(true);
    return label;
}

QWidget* entryCard(const ChangelogEntry& entry, QWidget* parent) {
    auto* card = new QWidget(parent);
    card->setObjectName(QStringLiteral("changelogEntry"));
    card->setAttribute(Qt::WA_StyledBackground);
    auto* column = new QVBoxLayout(card);
    column->setContentsMargins(12, 8, 12, 10);
    column->setSpacing(4);
    auto* title = new QHBoxLayout;
    title->addWidget(wrapped(entry.version, QStringLiteral("changelogVersion"), card));
    title->addStretch();
    title->addWidget(wrapped(entry.date, QStringLiteral("caption"), card));
    column->addLayout(title);
    for (const QString& note : entry.notes)
        column->addWidget(
            wrapped(QStringLiteral("• ") + note, QStringLiteral("changelogNote"), card));
    return card;
}

} // namespace

ChangelogPage::ChangelogPage(QWidget* parent) : QWidget(parent) {
    QVBoxLayout* column =
        pageColumn(this, QStringLiteral("개발 로그"), QStringLiteral("Corvanta 개발 과정."));
    QLabel* word = wrapped(QStringLiteral("이 IDE는 알고리즘 문제 풀이에 최적화되어 있어요.<br>"
                                          "(하지만 최적화는 안되어이쓰)<br>"
                                          "백준 문제 풀 때 편하게 쓰세요!<br>"
                                          "문제가 생기면 프로젝트의 이슈 트래커에 알려주세요: "
                                          "<a href=\"https://corvanta.io/issues\">"
                                          "corvanta.io/issues</a>"),
                           QStringLiteral("makersWord"), this);
    word->setTextFormat(Qt::RichText);
    word->setOpenExternalLinks(true);
    column->addWidget(word);
    for (const ChangelogEntry& entry : changelog())
        column->addWidget(entryCard(entry, this));
    column->addStretch();
}
