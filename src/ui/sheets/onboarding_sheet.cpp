#include "ui/sheets/onboarding_sheet.h"

#include "ui/icons.h"
#include "ui/sheets/step_dots.h"
#include "ui/style/colors.h"
#include "workspace/workspace.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

struct OnboardingStep {
    QString icon;
    bool isEmoji;
    QString title;
    QString description;
    QString color;
};

QString nativeShortcut(QKeyCombination keys) {
    return QKeySequence(keys).toString(QKeySequence::NativeText);
}

const QList<OnboardingStep>& steps() {
    static const QList<OnboardingStep> table = {
        {QStringLiteral("🦦"), true, QStringLiteral("Corvanta"),
         QStringLiteral(
             "알고리즘 문제 풀이에 최적화 되고 싶은 IDE입니다.\nC, C++, Python을 지원합니당."),
         QStringLiteral("blue")},
        {QStringLiteral("doc.badge.plus"), false, QStringLiteral("빠른 파일 생성"),
         QStringLiteral("%1을 누르거나 사이드바에서\n원하는 언어를 클릭하여 바로 시작하세요.")
             .arg(nativeShortcut(Qt::CTRL | Qt::Key_N)),
         QStringLiteral("green")},
        {QStringLiteral("play.circle.fill"), false, QStringLiteral("테스트 & 실행"),
         QStringLiteral(
             "테스트 케이스를 추가하고 %1로 실행하세요.\n결과를 자동으로 비교해드립니다.")
             .arg(nativeShortcut(Qt::CTRL | Qt::Key_R)),
         QStringLiteral("orange")},
        {QStringLiteral("book.closed.fill"), false, QStringLiteral("백준 문제 지원"),
         QStringLiteral(
             "백준 문제 번호를 입력해서 IDE 안에서 테스트케이스, 문제 제목과 내용을 확인할 수 "
             "있습니다."),
         QStringLiteral("purple")},
    };
    return table;
}

// The step's symbol or emoji on a faint disc of the step's colour.
QPixmap stepPicture(const OnboardingStep& step, const QFont& font, const QPalette& palette,
                    qreal ratio) {
    constexpr int side = 96;
    QPixmap pixmap(QSize(side, side) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor disc = standardColor(step.color);
    disc.setAlphaF(0.18f);
    painter.setPen(Qt::NoPen);
    painter.setBrush(disc);
    painter.drawEllipse(QRectF(0, 0, side, side));
    const QIcon icon = step.isEmoji ? QIcon() : symbolIcon(step.icon);
    if (!icon.isNull()) {
        painter.drawPixmap(QRect(24, 24, 48, 48), icon.pixmap(QSize(48, 48), ratio));
    } else {
        QFont large = font;
        large.setPixelSize(48);
        painter.setFont(large);
        painter.setPen(palette.color(QPalette::WindowText));
        painter.drawText(QRectF(0, 0, side, side), Qt::AlignCenter,
                         step.isEmoji ? step.icon : step.title.left(1));
    }
    return pixmap;
}

} // namespace

int OnboardingSheet::stepCount() {
    return int(steps().size());
}

OnboardingSheet::OnboardingSheet(Workspace& workspace, QWidget* parent)
    : QDialog(parent), m_workspace(workspace) {
    setObjectName(QStringLiteral("onboardingSheet"));
    setWindowTitle(QStringLiteral("Corvanta"));
    setAccessibleName(QStringLiteral("시작하기"));
    setWindowModality(Qt::WindowModal);
    setFixedSize(480, 400);

    m_dots = new StepDots(stepCount(), this);
    m_icon = new QLabel(this);
    m_icon->setObjectName(QStringLiteral("stepIcon"));
    m_icon->setAlignment(Qt::AlignCenter);
    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("stepTitle"));
    m_title->setAlignment(Qt::AlignCenter);
    QFont titleFont = m_title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    m_title->setFont(titleFont);
    m_description = new QLabel(this);
    m_description->setObjectName(QStringLiteral("stepDescription"));
    m_description->setAlignment(Qt::AlignCenter);
    m_description->setWordWrap(true);
    m_description->setForegroundRole(QPalette::PlaceholderText);

    m_back = new QPushButton(QStringLiteral("이전"), this);
    m_back->setObjectName(QStringLiteral("backButton"));
    m_back->setAutoDefault(false);
    // The first step has no "이전"; the row keeps its height without it.
    QSizePolicy keepSpace = m_back->sizePolicy();
    keepSpace.setRetainSizeWhenHidden(true);
    m_back->setSizePolicy(keepSpace);
    m_next = new QPushButton(QStringLiteral("다음"), this);
    m_next->setObjectName(QStringLiteral("nextButton"));
    m_next->setProperty("primary", true);
    m_start = new QPushButton(QStringLiteral("시작하기"), this);
    m_start->setObjectName(QStringLiteral("startButton"));
    m_start->setProperty("primary", true);
    connect(m_back, &QPushButton::clicked, this, [this] { showStep(m_step - 1); });
    connect(m_next, &QPushButton::clicked, this, [this] { showStep(m_step + 1); });
    connect(m_start, &QPushButton::clicked, this, &OnboardingSheet::finish);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_back);
    buttons->addStretch();
    buttons->addWidget(m_next);
    buttons->addWidget(m_start);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 24, 32, 24);
    layout->addWidget(m_dots, 0, Qt::AlignHCenter);
    layout->addStretch();
    layout->addWidget(m_icon);
    layout->addSpacing(12);
    layout->addWidget(m_title);
    layout->addSpacing(4);
    layout->addWidget(m_description);
    layout->addStretch();
    layout->addLayout(buttons);

    showStep(0);
}

void OnboardingSheet::showStep(int index) {
    m_step = std::clamp(index, 0, stepCount() - 1);
    const OnboardingStep& step = steps()[m_step];
    m_dots->setCurrent(m_step);
    m_icon->setPixmap(stepPicture(step, font(), palette(), devicePixelRatioF()));
    m_icon->setAccessibleName(step.title);
    m_title->setText(step.title);
    m_description->setText(step.description);

    const bool last = m_step == stepCount() - 1;
    m_back->setVisible(m_step > 0);
    m_next->setVisible(!last);
    m_start->setVisible(last);
    QPushButton* forward = last ? m_start : m_next;
    forward->setDefault(true);
    forward->setFocus();
}

void OnboardingSheet::finish() {
    if (m_workspace.files().isEmpty())
        m_workspace.createFile(QStringLiteral("solution.cpp"), ProgrammingLanguage::cpp);
    accept();
}

void OnboardingSheet::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    (m_step == stepCount() - 1 ? m_start : m_next)->setFocus();
}
