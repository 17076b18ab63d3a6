#include "drivesummary.h"

#include "drivecounter.h"
#include "reports/formattext.h"
#include "statsexport.h"

#include "reports/csv.h"
#include "reports/html.h"
#include "vocabulary/vocabulary.h"

#include <algorithm>
#include <ostream>

namespace yardmark {

namespace {

bool startsSecondHalf(const PlayRecord &play, const PlayRecord &before)
{
    return play.quarter == 2 && before.quarter == 1;
}

bool startsFirstOvertime(const PlayRecord &play, const PlayRecord &before)
{
    return play.quarter == 4 && before.quarter == 3;
}

bool startsLaterOvertime(const PlayRecord &play, const PlayRecord &before)
{
    return play.quarter > kLastRegularQuarter && play.quarter > before.quarter;
}

std::string drivePeriodText(std::int32_t quarter)
{
    if (quarter >= 0 && quarter <= kLastRegularQuarter)
        return std::string(periodName(quarter)) + " Quarter";
    if (quarter > kLastRegularQuarter && quarter <= 12)
        return std::string(periodName(quarter));
    return {};
}

/// The result of the drive that play `i` ends, or "" when it ends none.
std::string resultText(const std::vector<PlayRecord> &plays, std::size_t i, const std::string &when)
{
    const PlayRecord &play = plays[i];
    const auto score = fromCode<ScoreType>(play.scoreType);
    const auto kick = fromCode<KickResult>(play.kickResult);
    const auto turnover = fromCode<TurnoverKind>(play.turnover);
    if (score == ScoreType::Touchdown || score == ScoreType::RunbackTouchdown || score == ScoreType::DefensiveTouchdown)
        return "TD " + when;
    if (score == ScoreType::FieldGoal)
        return "Kicked FG " + when;
    if (score == ScoreType::Safety)
        return "Safety " + when;
    if (play.playType == code(PlayType::Punt))
        return "Punted " + when;
    // A miss is known by its kick result, whatever the play type: a missed extra point too.
    if (kick == KickResult::FieldGoalShort || kick == KickResult::FieldGoalWideLeft ||
        kick == KickResult::FieldGoalWideRight || kick == KickResult::BlockedFieldGoal)
        return "Missed FG " + when;
    if (turnover == TurnoverKind::Fumble && play.playType != code(PlayType::KickOff))
        return "Lost fumble " + when;
    if (turnover == TurnoverKind::Interception)
        return "Pass intercepted " + when;
    if (turnover == TurnoverKind::OnDowns)
        return "Turnover on downs " + when;
    if (i + 1 == plays.size())
        return "End of Game";
    if (startsSecondHalf(plays[i + 1], play))
        return "End of Half";
    if (startsFirstOvertime(plays[i + 1], play))
        return "End of Regulation";
    return {};
}

/// Regulation time left at the start or end of a drive. No time left at all
/// (a fourth-quarter play without a recorded clock) counts as the start of the
/// fourth quarter.
std::int64_t driveClock(const PlayRecord &play, std::int64_t minutesPerQuarter)
{
    const std::int64_t left = regulationSecondsLeft(play, minutesPerQuarter);
    return left == 0 ? (kLastRegularQuarter + 1 - static_cast<std::int64_t>(play.quarter)) * minutesPerQuarter * 60
                     : left;
}

} // namespace

std::vector<DriveLine> scanDrives(const Game &game, const LeagueOptions &options, DriveBreaks breaks)
{
    const std::vector<PlayRecord> &plays = game.plays;
    const std::vector<int> clocked = nextClockedPlays(plays);
    std::vector<DriveLine> lines;
    DriveCounter drive;
    int start = 0;
    int end = 0;
    for (std::size_t i = 0; i < plays.size(); ++i) {
        const PlayRecord &play = plays[i];
        const int index = static_cast<int>(i);
        if (i > 0) {
            const PlayRecord &before = plays[i - 1];
            if (startsSecondHalf(play, before) ||
                (breaks == DriveBreaks::Window && startsLaterOvertime(play, before))) {
                start = index;
                drive.restart();
            }
            // The drive that a change of possession or a try opens starts with the play before it.
            if (play.homeHasBall != before.homeHasBall || isTry(play.playType)) {
                start = index - 1;
                drive.restart();
            }
        }
        drive.count(play, options);

        const bool overtime = play.quarter > kLastRegularQuarter;
        std::string when = "in";
        if (!overtime) {
            ClockTime clock;
            if (clocked[i] >= 0) {
                end = clocked[i];
                clock = {plays[static_cast<std::size_t>(end)].clockMinutes,
                         plays[static_cast<std::size_t>(end)].clockSeconds};
            }
            clock.minutes = std::clamp(clock.minutes, 0, 30);
            clock.seconds = std::clamp(clock.seconds, 0, 59);
            when = "at " + clockText(clock) + " of";
        }
        if (i + 1 == plays.size()) {
            end = index;
        } else {
            const PlayRecord &next = plays[i + 1];
            if (startsSecondHalf(next, play) || startsFirstOvertime(next, play) || startsLaterOvertime(next, play))
                end = index;
        }

        const std::string result = resultText(plays, i, when + " " + drivePeriodText(play.quarter));
        if (result.empty())
            continue;
        DriveLine line;
        line.homeTeam = lineTeamIsHome(play);
        line.team = teamName(game, line.homeTeam);
        line.plays = drive.plays();
        line.yards = drive.yards();
        line.duration = overtime ? "N/A" : clockText(driveDuration(game, start, end, options));
        line.result = result;
        line.playIndex = index;
        lines.push_back(std::move(line));
    }
    return lines;
}

std::string driveLineText(const DriveLine &line)
{
    return formatText("%s: %d Plays, %d Yards, Duration: %s, Result: %s", line.team.c_str(), line.plays, line.yards,
                      line.duration.c_str(), line.result.c_str());
}

ClockTime driveDuration(const Game &game, int startIndex, int endIndex, const LeagueOptions &options)
{
    const int count = game.playCount();
    if (startIndex < 0 || endIndex < 0 || startIndex >= count || endIndex >= count)
        return {};
    const PlayRecord &startPlay = game.plays[static_cast<std::size_t>(startIndex)];
    const PlayRecord &endPlay = game.plays[static_cast<std::size_t>(endIndex)];
    if (endPlay.quarter > kLastRegularQuarter)
        return {};
    return clockTimeFromSeconds(driveClock(startPlay, options.minutesPerQuarter) -
                                driveClock(endPlay, options.minutesPerQuarter));
}

void writeDriveSummary(std::ostream &out, const Game &game, const LeagueOptions &options, bool html, bool appending,
                       const HtmlOptions &htmlOptions, const DateTime &now)
{
    const std::vector<DriveLine> lines = scanDrives(game, options, DriveBreaks::Export);
    if (!html) {
        out << "Team, Plays, Yards, Duration, Result\n";
        for (const DriveLine &line : lines) {
            out << playsAndYardsFields(line.team, line.plays, line.yards) << ','
                << csvField(" Duration:" + line.duration) << ',' << csvField(" " + line.result) << '\n';
        }
        return;
    }
    const FontTags fonts = makeFontTags(htmlOptions);
    beginStatsTable(out, "Drive Summary", appending);
    writeBoldTitleRow(out, {"Team", "Plays", "Yards", "Duration", "Result"}, htmlOptions, fonts);
    for (const DriveLine &line : lines) {
        const auto cell = [&](const std::string &text) { return centeredCell(text, fonts); };
        out << "\n\t<tr bgcolor=" << colorText(teamRowColor(game, line.team, htmlOptions)) << ">\n\t\t"
            << cell(htmlEscape(line.team)) << "\n\t\t" << cell(std::to_string(line.plays)) << "\n\t\t"
            << cell(std::to_string(line.yards)) << "\n\t\t\n\t\t" << cell(line.duration) << "\n\t\t"
            << cell(line.result) << "\n\t\t</tr>\n";
    }
    writeFooter(out, now);
}

} // namespace yardmark
