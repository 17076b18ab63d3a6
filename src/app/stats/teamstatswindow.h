#pragma once

#include "app/stats/statswindowkit.h"

#include "stats/teamstats.h"

#include <QDialog>

namespace yardmark {

class TeamColumnsPanel;

/// "<team> Versus Opponents": the team's record over the chosen games, and its
/// statistics and its opponents' added up over them, for the period of the
/// radio buttons. Every period's totals come with the window, read once.
/// Print ends the window with `kPrintResult`; the caller prints the totals
/// shown and opens the window again on the same period.
class TeamStatsWindow final : public QDialog {
    Q_OBJECT

public:
    static constexpr int kPrintResult = 301;

    TeamStatsWindow(TeamStatsByPeriod totals, const AppContext &context, SummaryPeriod period,
                    QWidget *parent = nullptr);

    const TeamStatsTotals &shown() const { return m_totals.totals(m_period); }
    SummaryPeriod period() const { return m_period; }

private:
    void showPeriod(SummaryPeriod period);

    TeamStatsByPeriod m_totals;
    const AppContext &m_context;
    TeamColumnsPanel *m_panel = nullptr;
    SummaryPeriod m_period = SummaryPeriod::Game;
};

} // namespace yardmark
