#include "ui/toolbar/receiving_label.h"

#include "ui/problem_receiving.h"

using namespace Qt::StringLiterals;

namespace {

// Long enough to read a contest's folder name.
constexpr int arrivalShownMs = 6000;

QString shortText(const ReceiverStatus& status) {
    switch (status.state) {
    case ReceiverStatus::State::off:
        return u"문제 수신 꺼짐"_s;
    case ReceiverStatus::State::listening:
        return u"문제 수신 중 · %1"_s.arg(status.port);
    case ReceiverStatus::State::portInUse:
        return u"포트 %1 사용 중"_s.arg(status.port);
    case ReceiverStatus::State::failed:
        return u"문제 수신 실패"_s;
    }
    return {};
}

} // namespace

ReceivingLabel::ReceivingLabel(ProblemReceiving& receiving, QWidget* parent)
    : QLabel(parent), m_receiving(receiving) {
    setObjectName(u"receivingStatus"_s);
    m_arrivalTimer.setSingleShot(true);
    m_arrivalTimer.setInterval(arrivalShownMs);
    connect(&m_arrivalTimer, &QTimer::timeout, this, &ReceivingLabel::showStatus);
    // Hidden until the receiver starts: a window that never receives (the
    // gallery's) has nothing to say about it.
    hide();
    connect(&m_receiving, &ProblemReceiving::statusChanged, this, [this] {
        show();
        if (!m_arrivalTimer.isActive())
            showStatus();
    });
    connect(&m_receiving, &ProblemReceiving::arrived, this, &ReceivingLabel::showArrival);
}

void ReceivingLabel::showStatus() {
    setText(shortText(m_receiving.status()));
    setToolTip(receiverStatusText(m_receiving.status()));
    setAccessibleName(text());
}

void ReceivingLabel::showArrival(const QString& message) {
    setText(message);
    setAccessibleName(message);
    m_arrivalTimer.start();
}
