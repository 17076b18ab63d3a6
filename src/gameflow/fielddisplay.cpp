#include "fielddisplay.h"

#include "gameflow/gameflow.h"
#include "gameflow/gamerules.h"
#include "vocabulary/scoring.h"
#include "vocabulary/spots.h"
#include "vocabulary/vocabulary.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace yardmark {

namespace {

constexpr double kPixelsPerYard = 3;
constexpr double kChartTop = 4;
constexpr double kChartBottom = 107;
constexpr double kMaxRowHeight = 10;
constexpr double kLabelGapRight = 4;
constexpr double kLabelGapLeft = 19;
constexpr ColorValue kDefaultPenColor = colorValue(0, 0, 0);

bool isTimeOut(const PlayRecord &play)
{
    return play.playType == code(PlayType::HomeTimeOut) || play.playType == code(PlayType::VisitorTimeOut);
}

bool scored(const PlayRecord &play)
{
    return play.scoreType >= code(ScoreType::Touchdown) && play.scoreType <= code(ScoreType::RunbackSafety);
}

bool hasFumble(const PlayRecord &play)
{
    return play.fumbles[0] != 0;
}

bool isKick(const PlayRecord &play)
{
    return play.playType == code(PlayType::Punt) || play.playType == code(PlayType::KickOff);
}

/// A field goal that is not good and not blocked: the kick flew to the goal
/// line and the defense takes the ball where the rules put it.
bool isMissedFieldGoal(const PlayRecord &play)
{
    return play.playType == code(PlayType::FieldGoal) && (play.kickResult == code(KickResult::FieldGoalShort) ||
                                                          play.kickResult == code(KickResult::FieldGoalWideLeft) ||
                                                          play.kickResult == code(KickResult::FieldGoalWideRight));
}

bool isInterception(const PlayRecord &play)
{
    return play.playType == code(PlayType::Pass) && play.passResult == code(PassResult::Interception);
}

bool isPenalty(const PlayRecord &play)
{
    return play.playType == code(PlayType::OffensivePenalty) || play.playType == code(PlayType::DefensivePenalty);
}

bool isDrawn(const PlayRecord &play, int quarter)
{
    return play.quarter == quarter && !isTimeOut(play) && play.playType != code(PlayType::NoPlay);
}

/// A play that ends where a drive ends, or follows the end of one, starts a new row.
bool startsDrive(const PlayRecord &play, const PlayRecord &previous)
{
    return play.homeHasBall != previous.homeHasBall || play.turnover != 0 || hasFumble(play) || scored(previous) ||
           isTry(previous.playType);
}

/// The rows the chart height is shared by: one per drive and one per play
/// that lost ground, so that a run of short plays still fits.
int chartRows(const Game &game, int quarter, const LeagueOptions &league)
{
    int rows = quarter == 0 ? 1 : 0;
    for (std::size_t i = 1; i < game.plays.size(); ++i) {
        const PlayRecord &play = game.plays[i];
        if (!isDrawn(play, quarter))
            continue;
        if (startsDrive(play, game.plays[i - 1]) || netGain(play, league) < 1)
            ++rows;
    }
    return rows;
}

PenKind penOf(const PlayRecord &play)
{
    if (isPenalty(play))
        return PenKind::Default;
    if (play.playType == code(PlayType::Pass) && play.passResult == code(PassResult::Completion))
        return PenKind::Dotted;
    if (play.playType == code(PlayType::FieldGoal) || play.scoreType == code(ScoreType::ExtraPoint))
        return PenKind::DashDot;
    return PenKind::Solid;
}

/// The short mark of a score or a turnover; empty for any other play.
std::string labelOf(const PlayRecord &play, const LeagueOptions &league)
{
    switch (static_cast<ScoreType>(play.scoreType)) {
    case ScoreType::Touchdown:
    case ScoreType::RunbackTouchdown:
    case ScoreType::DefensiveTouchdown:
        return "TD";
    case ScoreType::FieldGoal:
        return "FG";
    case ScoreType::ExtraPoint:
        return "PA";
    case ScoreType::Conversion:
    case ScoreType::DefensiveConversion:
        return std::to_string(league.conversionPoints) + "P";
    case ScoreType::Safety:
    case ScoreType::RunbackSafety:
        return "SA";
    default:
        break;
    }
    switch (static_cast<TurnoverKind>(play.turnover)) {
    case TurnoverKind::Fumble:
        return "FM";
    case TurnoverKind::OnDowns:
        return "4D";
    case TurnoverKind::OnsideKickRecovered:
        return "OK";
    case TurnoverKind::BlockedKickLost:
        if (play.kickResult == code(KickResult::BlockedPunt))
            return "BP";
        if (play.kickResult == code(KickResult::BlockedFieldGoal))
            return "BF";
        return {};
    default:
        return {};
    }
}

/// Lays out the rows and draws the plays into them.
class ChartBuilder {
public:
    ChartBuilder(DriveChart &chart, bool homeOnLeft, const LeagueOptions &league, ChartColors colors)
        : m_chart(chart), m_homeOnLeft(homeOnLeft), m_league(league), m_colors(colors)
    {
    }

    void draw(const PlayRecord &play, const PlayRecord *previous)
    {
        if (previous && (play.homeHasBall != previous->homeHasBall || hasFumble(*previous) || scored(*previous) ||
                         isTry(previous->playType)))
            ++m_row;
        const ColorValue team = colorOf(play.homeHasBall);
        const ColorValue other = colorOf(!play.homeHasBall);
        dot(play.initialSpot, team);
        double legStart = x(play.initialSpot);
        if (isKick(play) || isInterception(play) || isMissedFieldGoal(play)) {
            const bool kick = !isInterception(play);
            const FieldSpot kickedTo = isMissedFieldGoal(play) ? FieldSpot{0, !play.homeHasBall} : play.receivedAt;
            leg(play.initialSpot, kickedTo, kick ? PenKind::DashDot : PenKind::Dotted, team);
            const bool runback = !kick || play.kickResult == code(KickResult::Runback);
            leg(kickedTo, play.finalSpot, runback ? PenKind::Solid : PenKind::DashDot, other);
            dot(kickedTo, other);
            dot(play.finalSpot, other);
            if (!kick) {
                // Beside the interception, away from its return.
                const double at = x(play.receivedAt);
                label(x(play.finalSpot) >= at ? at - kLabelGapLeft : at + kLabelGapRight, "INT");
            }
            legStart = x(kickedTo);
            m_lastWasKickOrInterception = true;
        } else {
            // A loss is drawn a row lower so that it does not run back over the play before.
            if (netGain(play, m_league) < 1 && !(previous && isTimeOut(*previous)) && !hasFumble(play))
                ++m_row;
            const PenKind pen = penOf(play);
            leg(play.initialSpot, play.finalSpot, pen, pen == PenKind::Default ? kDefaultPenColor : team);
            m_lastWasKickOrInterception = false;
        }
        if (isPenalty(play) && play.penaltySpot.yardLine > 0)
            dot(play.penaltySpot, team);
        for (int i = 0; i < kMaxFumbles && play.fumbles[static_cast<std::size_t>(i)] != 0; ++i) {
            const auto slot = static_cast<std::size_t>(i);
            dot(play.fumbleRecoveredAt[slot], colorOf(play.fumbleRecoveredByHome[slot]));
        }
        const std::string text = labelOf(play, m_league);
        if (!text.empty()) {
            const double end = x(play.finalSpot);
            label(end >= legStart ? end + kLabelGapRight : end - kLabelGapLeft, text);
        }
    }

    void placeMarker(FieldSpot ballSpot)
    {
        m_chart.rowsUsed = m_row + 1;
        m_chart.markerRow = m_row;
        m_chart.markerX = x(ballSpot);
        m_chart.markerY = y() + (m_lastWasKickOrInterception ? 0.3 * m_chart.rowHeight : 0);
    }

private:
    ColorValue colorOf(bool home) const { return home ? m_colors.home : m_colors.visitor; }
    double x(FieldSpot spot) const { return spotX(spot, m_homeOnLeft, m_league); }

    /// The middle of the current row; rows past the bottom of the picture
    /// (possible only on a damaged or odd game) stay in the last one that fits.
    double y() const
    {
        const double middle = m_chart.rowTop + (m_row + 0.5) * m_chart.rowHeight;
        return std::min(middle, m_chart.picture.height - m_chart.rowHeight / 2);
    }

    void dot(FieldSpot spot, ColorValue fill) { m_chart.dots.push_back({m_row, x(spot), y(), fill}); }
    void leg(FieldSpot from, FieldSpot to, PenKind pen, ColorValue color)
    {
        m_chart.legs.push_back({m_row, x(from), x(to), y(), pen, color});
    }
    void label(double at, std::string text) { m_chart.labels.push_back({m_row, at, y(), std::move(text)}); }

    DriveChart &m_chart;
    bool m_homeOnLeft;
    const LeagueOptions &m_league;
    ChartColors m_colors;
    int m_row = 0;
    bool m_lastWasKickOrInterception = false;
};

bool overlap(const ChartBox &a, const ChartBox &b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

/// Moves each label, in the order drawn, along its row to the nearest place
/// where it covers neither the ball nor a label placed before it; rows are
/// often shorter than the text, so labels of neighbouring rows count too.
void placeLabels(DriveChart &chart)
{
    std::vector<ChartBox> taken{chartMarkerBox(chart)};
    for (ChartLabel &label : chart.labels) {
        const double preferred = label.x;
        const ChartBox box = chartLabelBox(label);
        const double rightmost = chart.picture.width - (box.right - box.left);
        const auto isFree = [&](double x) {
            if (x < 0 || x > rightmost)
                return false;
            label.x = x;
            const ChartBox at = chartLabelBox(label);
            return std::none_of(taken.begin(), taken.end(), [&](const ChartBox &other) { return overlap(at, other); });
        };
        bool placed = false;
        for (double shift = 0; !placed && shift <= chart.picture.width; shift += 1)
            placed = isFree(preferred + shift) || isFree(preferred - shift);
        if (!placed) // no room left in the row: where the play put it
            label.x = preferred;
        taken.push_back(chartLabelBox(label));
    }
}

std::string digits(int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    return text;
}

} // namespace

FieldPicture fieldPicture(const LeagueOptions &league)
{
    if (league.indoorField)
        return {203, 169, 28, midfieldFor(true)};
    return {363, 169, 32, midfieldFor(false)};
}

double spotX(FieldSpot spot, bool homeOnLeft, const LeagueOptions &league)
{
    const FieldPicture picture = fieldPicture(league);
    const int half = picture.midfield;
    const int yardLine = std::clamp(spot.yardLine, 0, half);
    const int counted = yardLine == 0 ? -2 : yardLine;
    const bool onLeftHalf = spot.homeSide == homeOnLeft;
    const int yards = onLeftHalf ? counted : 2 * half - counted;
    return picture.leftGoalLine + kPixelsPerYard * yards;
}

DriveChart driveChart(const Game &game, int quarter, FieldSpot ballSpot, bool homeOnLeft, const LeagueOptions &league,
                      ChartColors colors)
{
    DriveChart chart;
    chart.picture = fieldPicture(league);
    chart.rowCount = chartRows(game, quarter, league);
    chart.rowTop = kChartTop;
    chart.rowHeight =
        chart.rowCount == 0 ? kMaxRowHeight : std::min((kChartBottom - kChartTop) / chart.rowCount, kMaxRowHeight);
    ChartBuilder builder(chart, homeOnLeft, league, colors);
    for (std::size_t i = 0; i < game.plays.size(); ++i) {
        if (isDrawn(game.plays[i], quarter))
            builder.draw(game.plays[i], i > 0 ? &game.plays[i - 1] : nullptr);
    }
    builder.placeMarker(ballSpot);
    placeLabels(chart);
    return chart;
}

ChartBox chartLabelBox(const ChartLabel &label)
{
    const double width = static_cast<double>(label.text.size()) * kChartLabelSize * kLabelLetterWidth;
    return {label.x, label.y - kChartLabelSize / 2, label.x + width, label.y + kChartLabelSize / 2};
}

ChartBox chartMarkerBox(const DriveChart &chart)
{
    return {chart.markerX - kMarkerWidth / 2, chart.markerY - kMarkerHeight / 2, chart.markerX + kMarkerWidth / 2,
            chart.markerY + kMarkerHeight / 2};
}

std::string doubleDigitText(int value)
{
    if (value < 0)
        return "00";
    const int shown = value % 100;
    return (shown < 10 ? "0" : "") + digits(shown);
}

std::string singleDigitText(int value)
{
    return value < 0 ? "0" : digits(value);
}

std::string quarterDigitText(int quarter)
{
    if (quarter < 0)
        return "0";
    const int shown = quarter + 1;
    return digits(shown > kRegularQuarters ? shown - kRegularQuarters : shown);
}

Scoreboard scoreboard(const GameFlow &flow, ChartColors colors)
{
    const Game &game = flow.game();
    const GameSituation &situation = flow.situation();
    const auto column = [&](Column side) {
        ScoreboardColumn c;
        c.home = flow.isHomeColumn(side);
        c.name = c.home ? game.info.homeTeamName : game.info.visitorTeamName;
        c.color = c.home ? colors.home : colors.visitor;
        c.score = doubleDigitText(c.home ? game.homeScore : game.visitorScore);
        c.timeOutsLeft = singleDigitText(flow.timeOutsLeft(c.home));
        c.teamButton = c.home ? "Home" : "Visitor";
        c.hasBall = situation.homeHasBall == c.home;
        c.logoFile = c.home ? game.homeTeam.logoFile : game.visitorTeam.logoFile;
        c.spokenScore = c.name + " score " + digits(c.home ? game.homeScore : game.visitorScore);
        c.spokenTimeOutsLeft = c.name + " time-outs left " + c.timeOutsLeft;
        return c;
    };
    Scoreboard board;
    board.caption = flow.caption();
    board.left = column(Column::Left);
    board.right = column(Column::Right);
    board.quarter = quarterDigitText(situation.quarter);
    board.quarterLabel = std::string(flow.quarterLabel());
    board.down = singleDigitText(situation.down + 1);
    board.ballOn = doubleDigitText(situation.ballSpot.yardLine);
    if (situation.ballSpot.yardLine != flow.league().midfieldYardLine) {
        const bool homeHalf = situation.ballSpot.homeSide;
        board.ballSide = teamShortName(teamName(game, homeHalf), homeHalf);
        board.ballSideColor = homeHalf ? colors.home : colors.visitor;
    }
    board.lastClock = lastClockText(game);
    board.toGo = doubleDigitText(situation.toGo);
    board.labels = flow.labels();
    // What a screen reader says: each figure's name and its value, whole.
    board.spokenQuarter = board.quarterLabel + " " + board.quarter;
    board.spokenDown = "Down " + board.down;
    board.spokenBallOn = "Ball on " + (board.ballSide.empty() ? "" : board.ballSide + " ") +
                         digits(std::max(situation.ballSpot.yardLine, 0));
    board.spokenToGo = "To go " + digits(std::max(situation.toGo, 0));
    return board;
}

std::string teamShortName(std::string_view name, bool home)
{
    std::string shown;
    for (const char c : name) {
        if (shown.size() < 3 && std::isalnum(static_cast<unsigned char>(c)))
            shown += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return shown.empty() ? std::string(home ? "H" : "V") : shown;
}

std::string lastClockText(const Game &game)
{
    for (auto play = game.plays.rbegin(); play != game.plays.rend(); ++play) {
        // 0:00 is no time recorded.
        if (play->clockMinutes == 0 && play->clockSeconds == 0)
            continue;
        const std::string period = (play->quarter >= kRegularQuarters ? "OT" : "Q") + quarterDigitText(play->quarter);
        char clock[32];
        std::snprintf(clock, sizeof clock, " %d:%02d", play->clockMinutes, play->clockSeconds);
        return period + clock;
    }
    return "\x96";
}

DriveChart currentDriveChart(const GameFlow &flow, ChartColors colors)
{
    const GameSituation &situation = flow.situation();
    return driveChart(flow.game(), situation.quarter, situation.ballSpot, situation.homeOnLeft, flow.league(), colors);
}

namespace {

/// Where the last play of `quarter` left the ball, `otherwise` without one.
FieldSpot endOfQuarter(const Game &game, int quarter, FieldSpot otherwise)
{
    for (const PlayRecord &play : game.plays) {
        if (play.quarter == quarter && play.playType != code(PlayType::NoPlay))
            otherwise = play.finalSpot;
    }
    return otherwise;
}

} // namespace

std::vector<std::string> chartQuarterTexts(const GameFlow &flow)
{
    const int last = std::max(flow.situation().quarter, lastRecordedQuarter(flow.game()));
    std::vector<std::string> texts;
    for (int quarter = 0; quarter <= last; ++quarter)
        texts.push_back((quarter >= kRegularQuarters ? "OT" : "") + quarterDigitText(quarter));
    return texts;
}

DriveChart quarterDriveChart(const GameFlow &flow, int quarter, ChartColors colors)
{
    const GameSituation &situation = flow.situation();
    if (quarter == situation.quarter)
        return currentDriveChart(flow, colors);
    return driveChart(flow.game(), quarter, endOfQuarter(flow.game(), quarter, situation.ballSpot),
                      situation.homeOnLeft, flow.league(), colors);
}

int lastRecordedQuarter(const Game &game)
{
    return std::max(highestPlayQuarter(game), 0);
}

DriveChart savedGameChart(const Game &game, int quarter, const LeagueOptions &league, ChartColors colors)
{
    const FieldSpot ball =
        quarter == game.savedQuarter ? game.savedBallSpot : endOfQuarter(game, quarter, game.savedBallSpot);
    return driveChart(game, quarter, ball, true, league, colors);
}

} // namespace yardmark
