#include "ui/testpanel/run_button.h"

#include "runner/run_session.h"
#include "ui/style/style.h"
#include "workspace/workspace.h"

#include <QPainter>

namespace {

constexpr int spinnerSize = 12;
constexpr int spokes = 8;

} // namespace

RunButton::RunButton(Workspace& workspace, RunSession& runs, QWidget* parent)
    : QPushButton(parent), m_workspace(workspace), m_runs(runs) {
    setObjectName(QStringLiteral("runButton"));
    setFocusPolicy(Qt::NoFocus);
    setIconSize(QSize(spinnerSize, spinnerSize));
    m_spin.setInterval(80);
    connect(&m_spin, &QTimer::timeout, this, &RunButton::drawSpinner);
    connect(&m_runs, &RunSession::runningChanged, this, &RunButton::refresh);
    connect(&m_workspace, &Workspace::selectedFileChanged, this, &RunButton::refresh);
    refresh();
}

void RunButton::refresh() {
    const bool running = m_runs.isRunning();
    setEnabled(!running && m_workspace.selectedFile());
    // The sheet colours a running button orange.
    setSheetProperty(this, "running", running);
    setText(running ? QStringLiteral("실행 중...") : QStringLiteral("▶ 실행"));
    if (running) {
        m_spin.start();
        drawSpinner();
    } else {
        m_spin.stop();
        setIcon(QIcon());
    }
}

// Spokes fading behind the leading one, turned one step per frame.
void RunButton::drawSpinner() {
    const qreal ratio = devicePixelRatioF();
    QPixmap frame(QSize(spinnerSize, spinnerSize) * ratio);
    frame.setDevicePixelRatio(ratio);
    frame.fill(Qt::transparent);
    QPainter painter(&frame);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(spinnerSize / 2.0, spinnerSize / 2.0);
    // The theme palette's bright text is white, as the button's text is.
    QColor colour = palette().color(QPalette::BrightText);
    for (int spoke = 0; spoke < spokes; ++spoke) {
        colour.setAlphaF(float(1.0 - ((spoke + spokes - m_step) % spokes) / double(spokes)));
        painter.setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(0, -2.5), QPointF(0, -5.5));
        painter.rotate(360.0 / spokes);
    }
    painter.end();
    // Disabled while running; the icon keeps its drawn colours.
    QIcon icon;
    icon.addPixmap(frame, QIcon::Disabled);
    icon.addPixmap(frame, QIcon::Normal);
    setIcon(icon);
    m_step = (m_step + 1) % spokes;
}
