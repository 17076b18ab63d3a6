#pragma once

#include "printout.h"

#include "stats/gamesummary.h"
#include "stats/gameteamstats.h"

#include <array>
#include <string>

namespace yardmark {

/// The game summary's team statistics, both teams side by side on one page,
/// under `heading` when one is given (the team's record over its games).
class GameSummaryPrintout : public Printout {
public:
    GameSummaryPrintout(std::string title, std::string firstTeamName, std::string secondTeamName,
                        const GameTeamStats &first, const GameTeamStats &second, std::string heading = {});

private:
    bool drawPage(PageSurface &surface, int page) override;
    void rewind() override {}

    std::string m_heading;
    std::array<std::string, 2> m_names;
    std::array<std::array<std::string, kGameSummaryValueCount>, 2> m_values;
};

/// The labels of the printed game summary, in the order of its values.
inline constexpr std::array<const char *, kGameSummaryValueCount> kGameSummaryPrintLabels{"Points Scored",
                                                                                          "First Downs",
                                                                                          "By Rush/Pass/Penalty",
                                                                                          "3rd Downs Made/Att/Eff",
                                                                                          "4th Downs Made/Att/Eff",
                                                                                          "Total Yards/Avg Per Play",
                                                                                          "Total Yards Rushing",
                                                                                          "Rushing Att/Avg",
                                                                                          "Total Yards Passing",
                                                                                          "Pass Att/Comp/Int",
                                                                                          "Average Yards Per Pass",
                                                                                          "Punts/Avg",
                                                                                          "Punt Returns/Yds/Avg",
                                                                                          "Punts Blocked",
                                                                                          "Kickoff Returns/Yds/Avg",
                                                                                          "Fumbles/Lost",
                                                                                          "Total Turnovers",
                                                                                          "Penalties/Yards",
                                                                                          "Sacks/Yards",
                                                                                          "Touchdowns",
                                                                                          "TDs Rush/Pass",
                                                                                          "Field Goal Att/Made",
                                                                                          "Time Of Possession"};

} // namespace yardmark
