#pragma once

#include "gameresult.h"
#include "gamesummary.h"
#include "gameteamstats.h"

#include "base/datetime.h"
#include "records/game.h"
#include "records/settings.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace yardmark {

/// The label column of the team statistics window.
inline constexpr const char *kTeamStatsLabels =
    "Points Scored\nFirst Downs\nBy Rush/Pass/Penalty\n3rd Downs Made/Att/Eff\n4th Downs Made/Att/Eff\n"
    "Total Yards/Avg Per Play\nTotal Yards Rushing\nRushing Att/Avg\nTotal Yards Passing\nPass Att/Comp/Int\n"
    "Average Yards Per Pass\nPunts/Avg\nPunt Returns/Yds/Avg\nPunts Blocked\nKickoff Returns/Yds/Avg\nFumbles/Lost\n"
    "Total Turnovers\nPenalties/Yards\nSacks/Yards\nTouchdowns\nTDs Rush/Pass\nField Goal Att/Made\n"
    "Time Of Possession\n";

/// What `yardmark-cli teamstats` answers to "All Teams": the figures set
/// one team against its opponents, and "All Teams" is both sides of every game.
inline constexpr const char *kTeamStatsNeedTeam = "team statistics compare one team with its opponents: name a team";

/// Whether a team choice names a team of the games: anything but "All Teams"
/// does, and "All Teams" only when a game file has a team of that very name.
bool namesTeamOfGames(const std::string &teamName, const std::vector<std::string> &paths);

/// A team's statistics and its opponents' added up over games.
struct TeamStatsTotals {
    std::string teamName;
    std::string opponentsCaption = "Opponents"; ///< the open game's opponent when one game is analysed
    GameTeamStats team = initGameTeamStats();
    GameTeamStats opponents = initGameTeamStats();
    std::int32_t gameCount = 0;   ///< games read, each once
    std::int32_t gamesPlayed = 0; ///< of them, the games the team played in
    TeamRecord record;            ///< won, lost and tied over the games played that hold plays
    int skipped = 0;              ///< game files that could not be loaded
};

/// The window's caption: "%s Versus Opponents".
std::string teamStatsCaption(const std::string &teamName);

/// The line over the figures: the team's record and the games it covers,
/// "Record 4\x963\x960 in 7 games".
std::string teamRecordHeading(const TeamStatsTotals &totals);

/// Adds one game: the named team's record to the team total and the other
/// side's to the opponents', each for the periods chosen in this game; the
/// whole game reaches its last overtime period, as the game's own summary
/// does. A game without the team adds nothing.
void addTeamGame(TeamStatsTotals &totals, const Game &game, SummaryPeriod period, const LeagueOptions &options);

/// The totals over game files read one at a time, averages derived from the sums.
TeamStatsTotals teamStatsOverFiles(const std::vector<std::string> &paths, const std::string &teamName,
                                   SummaryPeriod period, const LeagueOptions &options);

/// The totals of every period at once, in the order of the period buttons,
/// so that choosing a period needs no second reading of the files.
struct TeamStatsByPeriod {
    std::array<TeamStatsTotals, kSummaryPeriodCount> periods;
    std::vector<std::string> unreadable; ///< game files that could not be loaded
    bool cancelled = false;              ///< the reading was stopped: the totals are incomplete

    const TeamStatsTotals &totals(SummaryPeriod period) const { return periods[static_cast<std::size_t>(period)]; }
};

/// Every period's totals over game files read once, one at a time; after each
/// file `progress` may stop the reading.
TeamStatsByPeriod teamStatsByPeriodOverFiles(const std::vector<std::string> &paths, const std::string &teamName,
                                             const LeagueOptions &options,
                                             const std::function<bool(std::size_t)> &progress = {});

/// Every period's totals of the open game.
TeamStatsByPeriod teamStatsByPeriodOfOpenGame(const Game &game, const std::string &teamName,
                                              const LeagueOptions &options);

/// The totals of the open game, with the other team's name as the opponents' caption.
TeamStatsTotals teamStatsOfOpenGame(const Game &game, const std::string &teamName, SummaryPeriod period,
                                    const LeagueOptions &options);

/// Writes the team's and the opponents' line as comma-separated text (the
/// header also when appending) or as an HTML table (the page head only when
/// not appending).
void writeTeamStats(std::ostream &out, const TeamStatsTotals &totals, bool html, bool appending,
                    const HtmlOptions &htmlOptions, const DateTime &now);

/// The whole export over game files; returns how many could not be loaded.
int writeTeamStatsForFiles(std::ostream &out, const std::vector<std::string> &paths, const std::string &teamName,
                           SummaryPeriod period, const LeagueOptions &options, bool html, bool appending,
                           const HtmlOptions &htmlOptions, const DateTime &now);

} // namespace yardmark
