#include "ui/settings/custom_theme_placeholder.h"

#include "ui/settings/page_parts.h"

#include <QVBoxLayout>

CustomThemeSectionPlaceholder::CustomThemeSectionPlaceholder(AppState&, QWidget* parent)
    : QWidget(parent) {
    QVBoxLayout* column = pageColumn(this, QStringLiteral("커스텀 테마"),
                                     QStringLiteral("테마를 만들고 나누는 화면은 준비 중이에요."));
    column->addStretch();
}
