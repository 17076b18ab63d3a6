#include "drivesummaryprintout.h"

#include "stats/drivesummary.h"

#include <utility>

namespace yardmark {

namespace {

std::vector<SummaryPrintout::Line> drivePrintLines(const Game &game, const LeagueOptions &league)
{
    std::vector<SummaryPrintout::Line> lines;
    for (const DriveLine &line : scanDrives(game, league, DriveBreaks::Export))
        lines.push_back({line.playIndex, driveLineText(line)});
    return lines;
}

} // namespace

DriveSummaryPrintout::DriveSummaryPrintout(std::string title, const Game &game, const LeagueOptions &league)
    : SummaryPrintout(std::move(title), game, league, drivePrintLines(game, league))
{
}

} // namespace yardmark
