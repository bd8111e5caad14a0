#pragma once

#include <QLabel>
#include <QTimer>

class ProblemReceiving;
struct ReceiverStatus;

// The toolbar's word on problems from the browser: whether they can arrive
// (the full sentence in the tooltip), and for a few seconds what just did.
class ReceivingLabel : public QLabel {
    Q_OBJECT

public:
    explicit ReceivingLabel(ProblemReceiving& receiving, QWidget* parent = nullptr);

private:
    void showStatus();
    void showArrival(const QString& message);

    ProblemReceiving& m_receiving;
    QTimer m_arrivalTimer;
};
