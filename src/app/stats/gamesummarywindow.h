#pragma once

#include "app/stats/statswindowkit.h"

#include "records/game.h"
#include "stats/gamesummary.h"
#include "stats/gameteamstats.h"

#include <QDialog>

namespace yardmark {

class SummaryChartView;
class TeamColumnsPanel;

/// "Game Summary": both teams' statistics side by side for the period chosen
/// by the radio buttons, beside the game window. It only shows what the
/// statistics compute; Print, Setup and Export work on the records shown.
class GameSummaryWindow final : public QDialog {
    Q_OBJECT

public:
    GameSummaryWindow(const Game &game, const AppContext &context, QWidget *parent = nullptr);

    /// The game changed: back to "&Game" with both records of the whole game.
    void refresh();

    const GameTeamStats &homeStats() const { return m_home; }
    const GameTeamStats &visitorStats() const { return m_visitor; }

private:
    void showPeriod(SummaryPeriod period);
    void print();

    const Game &m_game;
    const AppContext &m_context;
    TeamColumnsPanel *m_panel = nullptr;
    SummaryChartView *m_chart = nullptr;
    GameTeamStats m_home;
    GameTeamStats m_visitor;
};

} // namespace yardmark
