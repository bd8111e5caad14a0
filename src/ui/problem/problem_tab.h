#pragma once

#include "base/records.h"
#include "problems/baekjoon_crawler.h"
#include "workspace/case_list.h"

#include <QDateTime>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>

class CaseBook;
class ProblemSession;
class SettingsStore;
class ProblemDetailView;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QStackedWidget;
class TierPicker;

// The judge problem tab: a number field with its search button, the random
// pick by tier, the cached problem's "#N" chip and "테스트케이스 적용" (which
// offers "되돌리기" for a few seconds when it replaced cases), and below them the problem, the last
// failure or the empty state. A page fetch starts only when the ten-second cooldown after the
// previous one is over; a one-second timer counts it down on the search button. A page fetch and a
// random query may run at the same time.
class ProblemTab : public QWidget {
    Q_OBJECT

public:
    ProblemTab(CaseBook& cases, const SettingsStore& settings, ProblemSession& session,
               QWidget* parent = nullptr);

    // The clock the cooldown is measured by; the system clock unless replaced.
    void setClock(std::function<QDateTime()> now);

    // Fetches the typed number; nothing while the field is empty, a fetch
    // runs or the cooldown lasts.
    void searchProblem();
    // Asks for a random problem of `tier` and fetches it when it arrives
    // after the cooldown; during the cooldown only the field is filled.
    void selectRandomTier(SolvedTier tier);
    // Recounts the cooldown: on every tick and when the tab is shown.
    void updateCooldown();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void finishFetch(const ProblemResult& result);
    void finishRandom(const RandomProblemResult& result);
    void toggleTierPicker();
    void showProblem();
    void refresh();
    void applySamples();

    CaseBook& m_cases;
    const SettingsStore& m_settings;
    ProblemSession& m_session;
    std::function<QDateTime()> m_now = [] { return QDateTime::currentDateTime(); };
    QTimer m_cooldownTimer;
    QTimer m_undoTimer;
    // What the samples replaced, while it can be brought back: the file's
    // own list (none: it used the shared one) or, with no file, the shared list.
    struct Replaced {
        std::optional<QUuid> file;
        std::optional<CaseList> own;
        CaseList shared;
    };
    Replaced m_replaced;

    bool m_isLoading = false;
    bool m_isLoadingRandom = false;
    std::optional<QString> m_errorMessage;
    int m_remainingCooldown = 0;

    QLineEdit* m_number;
    QPushButton* m_search;
    QPushButton* m_random;
    QLabel* m_chip;
    QPushButton* m_apply;
    QPushButton* m_undo;
    QStackedWidget* m_content;
    QWidget* m_empty;
    QLabel* m_errorText;
    QWidget* m_error;
    QScrollArea* m_problem;
    QString m_shownNumber;
    ProblemDetailView* m_detail;
    TierPicker* m_picker;
};
