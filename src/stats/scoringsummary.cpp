#include "scoringsummary.h"

#include "drivecounter.h"
#include "reports/formattext.h"
#include "statsexport.h"

#include "reports/csv.h"
#include "reports/html.h"
#include "vocabulary/narration.h"
#include "vocabulary/vocabulary.h"

#include <ostream>

namespace yardmark {

namespace {

/// When a score came: the clock of the first play from it on that has one.
std::string scoreTime(const PlayRecord &play, const PlayRecord *clocked, const std::string &narration)
{
    if (play.quarter > 3)
        return "in " + narration;
    const int minutes = clocked ? clocked->clockMinutes : 0;
    const int seconds = clocked ? clocked->clockSeconds : 0;
    return seconds >= 10 ? formatText("at %d:%d %s", minutes, seconds, narration.c_str())
                         : formatText("at %d:0%d %s", minutes, seconds, narration.c_str());
}

} // namespace

std::vector<ScoringLine> scoringLines(const Game &game, const LeagueOptions &options)
{
    const std::vector<PlayRecord> &plays = game.plays;
    const std::vector<int> clocked = nextClockedPlays(plays);
    std::vector<ScoringLine> lines;
    DriveCounter possession;
    for (std::size_t i = 0; i < plays.size(); ++i) {
        const PlayRecord &play = plays[i];
        // Only a change of possession restarts the count.
        if (i > 0 && play.homeHasBall != plays[i - 1].homeHasBall)
            possession.restart();
        possession.count(play, options);

        const bool attempt = isTry(play.playType);
        if (!attempt && play.scoreType == code(ScoreType::NoScore))
            continue;
        ScoringLine line;
        line.homeTeam = lineTeamIsHome(play);
        line.team = teamName(game, line.homeTeam);
        line.isTry = attempt;
        line.plays = possession.plays();
        line.yards = possession.yards();
        line.narration = narratePlay(play, game.info, options);
        line.description =
            attempt ? line.narration
                    : scoreTime(play, clocked[i] < 0 ? nullptr : &plays[static_cast<std::size_t>(clocked[i])],
                                line.narration);
        line.playIndex = static_cast<std::int32_t>(i);
        lines.push_back(std::move(line));
    }
    return lines;
}

std::string scoringLineText(const ScoringLine &line)
{
    if (line.isTry)
        return line.team + ": " + line.narration;
    return formatText("%s: %d Plays, %d Yards, %s", line.team.c_str(), line.plays, line.yards,
                      line.description.c_str());
}

void writeScoringSummary(std::ostream &out, const Game &game, const LeagueOptions &options, bool html, bool appending,
                         const HtmlOptions &htmlOptions, const DateTime &now)
{
    const std::vector<ScoringLine> lines = scoringLines(game, options);
    if (!html) {
        // A narration line always holds commas: the description is quoted as a whole.
        out << "Team, Plays, Yards, Description\n";
        for (const ScoringLine &line : lines) {
            if (line.isTry)
                out << csvField(line.team + ": n/a") << ", n/a," << csvField(" " + line.narration) << '\n';
            else
                out << playsAndYardsFields(line.team, line.plays, line.yards) << ',' << csvField(line.description)
                    << '\n';
        }
        return;
    }
    const FontTags fonts = makeFontTags(htmlOptions);
    beginStatsTable(out, "Scoring Summary", appending);
    writeBoldTitleRow(out, {"Team", "Plays", "Yards", "Description"}, htmlOptions, fonts);
    for (const ScoringLine &line : lines) {
        const auto cell = [&](const std::string &text) { return "\n\t\t" + centeredCell(text, fonts); };
        out << "\n\t<tr bgcolor=" << colorText(teamRowColor(game, line.team, htmlOptions)) << '>'
            << cell(htmlEscape(line.team)) << cell(line.isTry ? " n/a " : std::to_string(line.plays))
            << cell(line.isTry ? " n/a " : std::to_string(line.yards)) << cell(htmlEscape(line.description))
            << "\n\t\t</tr>\n";
    }
    writeFooter(out, now);
}

} // namespace yardmark
