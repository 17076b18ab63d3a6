#pragma once

#include "calendardate.h"
#include "scheduleform.h"

#include "base/datetime.h"
#include "records/game.h"

#include <optional>
#include <string>
#include <string_view>

namespace yardmark {

inline constexpr Notice kSelectTeamFirst{"You must first select a team.", "Team Not Selected"};
inline constexpr Notice kCannotSaveWithoutTeams{"Teams Not Selected.", "Cannot Save"};
inline constexpr Notice kCannotLoadTeam{"Can't load team !", "File corrupt ?"};

/// What the "Edit Game Information" dialog's boxes hold, as typed, with the
/// team names chosen so far and whether each side has a team.
struct GameInfoForm {
    std::string date;
    std::string time;
    std::string field;
    std::string referee;
    std::string umpire;
    std::string headLinesman;
    std::string lineJudge;
    std::string fieldJudge;
    std::string sideJudge;
    std::string backJudge;
    std::string season;
    std::string homeTeamName;
    std::string visitorTeamName;
    bool homeSelected = false;
    bool visitorSelected = false;

    bool operator==(const GameInfoForm &) const = default;
};

/// How the dialog is ended.
enum class GameInfoEnding { Ok, StartGame };

/// The dialog opened on `game`: a new game shows today's date, this year's
/// season, 12:00 and blank officials, with no team selected; a game read from
/// its file shows its own information with both teams selected.
GameInfoForm gameInfoForm(const Game &game, const DateTime &today);

/// The start time as the box shows it: hour and minute with a leading zero
/// below 10 ("09:05").
std::string startTimeText(int hour, int minute);

/// "&Up": one season later, at most 9999; a negative or unreadable season
/// counts as 0 and one above 9999 stays 9999. Shown as "%5d".
std::string seasonUp(std::string_view shown);

/// "D&own": one season earlier; a result of 0 or below, or above 9999, wraps
/// to 9999. Shown as "%5d".
std::string seasonDown(std::string_view shown);

/// The text of a team panel: "Name: %s\nCoach: %s\nAssistant: %s\n".
std::string teamPanelText(const Team &team);

/// "&Select Team": the team read from `path` (roster only) becomes the game's
/// home or visiting team and its name the side's team name.
void selectGameTeam(Game &game, GameInfoForm &form, bool home, Team team, const std::string &path);

/// Why "&Edit Team" of a side cannot open the team dialog, if it cannot.
std::optional<Notice> editTeamRefusal(const GameInfoForm &form, bool home);

/// Why the dialog cannot end this way, if it cannot: both teams must be chosen.
std::optional<Notice> endingRefusal(const GameInfoForm &form, GameInfoEnding ending);

/// Stores the boxes into the game's information. The season, date and time
/// are read as numbers; a box that does not hold a readable value in range
/// (month 1-12, day 1-31, a year not negative, hour 0-23, minute 0-59) keeps
/// the game's value, so a mistyped date never becomes the game's date. Texts
/// are cut to 24 characters, an empty one stored as the blank a new game
/// holds. The game then counts as new again.
void storeGameInfoForm(const GameInfoForm &form, Game &game);

} // namespace yardmark
