#include "scoringsummaryprintout.h"

#include "stats/scoringsummary.h"

#include <utility>

namespace yardmark {

namespace {

std::vector<SummaryPrintout::Line> scoringPrintLines(const Game &game, const LeagueOptions &league)
{
    std::vector<SummaryPrintout::Line> lines;
    for (const ScoringLine &line : scoringLines(game, league))
        lines.push_back({line.playIndex, scoringLineText(line)});
    return lines;
}

} // namespace

ScoringSummaryPrintout::ScoringSummaryPrintout(std::string title, const Game &game, const LeagueOptions &league)
    : SummaryPrintout(std::move(title), game, league, scoringPrintLines(game, league))
{
}

} // namespace yardmark
