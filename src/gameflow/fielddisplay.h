#pragma once

#include "gameflow/gamesituation.h"
#include "records/game.h"
#include "records/settings.h"

#include <string>
#include <vector>

namespace yardmark {

class GameFlow;

// What the game window shows, computed without drawing anything: the
// scoreboard as texts and the field as a list of primitives in picture units
// (3 per yard). The window, `yardmark-cli chart` and the tests all read this
// one model, so a drawing fault is a failing table test.

/// The field picture of a field type, in picture units.
struct FieldPicture {
    double width = 363;
    double height = 169;
    double leftGoalLine = 32; ///< the right one lies 3 units per yard of the field further
    int midfield = 50;

    bool operator==(const FieldPicture &) const = default;
};

FieldPicture fieldPicture(const LeagueOptions &league);

/// How the field is painted, in picture units: the sidelines, the yard
/// numbers and the hash marks; and its colours. Every drawing of the field
/// (the game window, the printed and exported charts, the live page) uses them.
inline constexpr double kSidelineTop = 1.5;
inline constexpr double kSidelineBottom = 167.5;
inline constexpr double kNumberTop = 124;
inline constexpr double kNumberHeight = 22;
inline constexpr double kHashTop = 110;
inline constexpr double kHashLength = 3;
inline constexpr ColorValue kGrassColor = colorValue(46, 125, 50);
inline constexpr ColorValue kGrassStripeColor = colorValue(56, 137, 60);
inline constexpr ColorValue kEndZoneColor = colorValue(27, 94, 32);
inline constexpr ColorValue kChalkColor = colorValue(255, 255, 255);
inline constexpr ColorValue kLeatherColor = colorValue(121, 72, 38);

/// Picture x of a spot. A spot on a goal line is drawn 2 yards inside the end
/// zone so that its dot stays clear of the line; a damaged yard line is held
/// to the field.
double spotX(FieldSpot spot, bool homeOnLeft, const LeagueOptions &league);

/// The pens of the chart: the team's solid line for runs, dotted for
/// completions and interceptions, dash-dot for kicks, and the plain black
/// line of a penalty.
enum class PenKind { Solid, Dotted, DashDot, Default };

/// The team colours of the chart.
struct ChartColors {
    ColorValue home = colorValue(0, 0, 255);
    ColorValue visitor = colorValue(255, 0, 0);
};

struct ChartDot {
    int row = 0;
    double x = 0;
    double y = 0; ///< the middle of the row
    ColorValue fill = 0;

    bool operator==(const ChartDot &) const = default;
};

/// A horizontal line within a row.
struct ChartLeg {
    int row = 0;
    double x1 = 0;
    double x2 = 0;
    double y = 0;
    PenKind pen = PenKind::Solid;
    ColorValue color = 0;

    bool operator==(const ChartLeg &) const = default;
};

/// A short text beside a spot; x is where the text begins, y the middle of the row.
struct ChartLabel {
    int row = 0;
    double x = 0;
    double y = 0;
    std::string text;

    bool operator==(const ChartLabel &) const = default;
};

/// The drive chart of one quarter and the ball marker.
struct DriveChart {
    FieldPicture picture;
    int rowCount = 0; ///< the rows the height is divided for
    double rowTop = 4;
    double rowHeight = 10;
    int rowsUsed = 1;
    std::vector<ChartLeg> legs;
    std::vector<ChartDot> dots;
    std::vector<ChartLabel> labels;
    double markerX = 0;
    double markerY = 0;
    int markerRow = 0;
};

/// Text height of the chart labels, dot radius and marker size in picture units.
inline constexpr double kChartLabelSize = 9;
inline constexpr double kChartDotRadius = 2.5;
inline constexpr double kMarkerWidth = 14;
inline constexpr double kMarkerHeight = 10;

/// A rectangle of the chart in picture units.
struct ChartBox {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

/// The width of a label's capital or digit, in label text heights; wide
/// enough for the widest of the font's.
inline constexpr double kLabelLetterWidth = 0.85;

/// Where a label's text is painted; no two of a chart overlap, nor the ball.
ChartBox chartLabelBox(const ChartLabel &label);
/// Where the ball marker is painted.
ChartBox chartMarkerBox(const DriveChart &chart);

/// The chart of `quarter`: every play of that quarter but time-outs, one row
/// per drive and a new row after a loss, the ball marker at `ballSpot`, and
/// each label moved along its row to the nearest place free of the ball and
/// of the labels before it.
DriveChart driveChart(const Game &game, int quarter, FieldSpot ballSpot, bool homeOnLeft, const LeagueOptions &league,
                      ChartColors colors);

/// The two-digit display: "07" for 7, "05" for 105, "00" below 0.
std::string doubleDigitText(int value);
/// The one-digit display of the down and the time-outs left: "0" below 0.
std::string singleDigitText(int value);
/// The quarter digit: 1 to 4, then the overtime period counted from 1 again.
std::string quarterDigitText(int quarter);

/// One column of the scoreboard; which team stands in it follows the sides.
struct ScoreboardColumn {
    bool home = true;
    std::string name;
    ColorValue color = 0;
    std::string score;
    std::string timeOutsLeft;
    std::string teamButton; ///< "Home" or "Visitor"
    bool hasBall = false;
    std::string logoFile;
    std::string spokenScore;        ///< "Tigers score 14"
    std::string spokenTimeOutsLeft; ///< "Tigers time-outs left 3"
};

/// Every text and state of the window's top panel.
struct Scoreboard {
    std::string caption;
    ScoreboardColumn left;
    ScoreboardColumn right;
    std::string quarter;
    std::string quarterLabel;
    std::string down;
    std::string ballOn;
    std::string ballSide;         ///< whose half the ball is in (teamShortName); empty at midfield
    ColorValue ballSideColor = 0; ///< that team's colour
    std::string lastClock;        ///< lastClockText of the game
    std::string toGo;
    ButtonLabels labels;
    std::string spokenQuarter; ///< "Quarter 2", "Overtime 1"
    std::string spokenDown;    ///< "Down 3"
    std::string spokenBallOn;  ///< "Ball on RIV 28", "Ball on 50"
    std::string spokenToGo;    ///< "To go 8"
};

/// A team's name as the scoreboard shows it beside the yard line: its first
/// three letters or digits in capitals ("TIG"), or "H" / "V" when it has none.
std::string teamShortName(std::string_view name, bool home);

/// The last clock time recorded in the game and its quarter, "Q2 6:30"
/// ("OT1 4:10" in overtime), or "\x96" when no play has a time.
std::string lastClockText(const Game &game);

Scoreboard scoreboard(const GameFlow &flow, ChartColors colors);

/// The chart the window shows now: the current quarter and the ball.
DriveChart currentDriveChart(const GameFlow &flow, ChartColors colors);

/// The quarters whose chart the window offers: every one up to the later of
/// the current quarter and the last one played, as "1" to "4", then "OT1", ...
std::vector<std::string> chartQuarterTexts(const GameFlow &flow);

/// The chart of any quarter, the game's own quarter left as it is: the
/// current one as currentDriveChart, another with the ball where that
/// quarter's last play left it, both on the field as the window has it now.
DriveChart quarterDriveChart(const GameFlow &flow, int quarter, ChartColors colors);

/// The last quarter a play was recorded in (0 without plays).
int lastRecordedQuarter(const Game &game);

/// The chart of a saved game's quarter as the window would show it on
/// opening: home on the left, the ball where the window left it in the
/// quarter it was left in, and at the end of the quarter's last play in an
/// earlier one.
DriveChart savedGameChart(const Game &game, int quarter, const LeagueOptions &league, ChartColors colors);

} // namespace yardmark
