#pragma once

#include "playrecord.h"
#include "team.h"

#include <cstdint>
#include <string>
#include <vector>

namespace yardmark {

/// The game information header: site, officials, team names, date and start.
struct GameInfo {
    std::string fieldName;
    std::string referee;
    std::string umpire;
    std::string headLinesman;
    std::string lineJudge;
    std::string fieldJudge;
    std::string sideJudge;
    std::string backJudge;
    std::string homeTeamName;
    std::string visitorTeamName;
    std::int32_t reserved1 = 0; ///< carried through unchanged
    std::int32_t reserved2 = 0; ///< carried through unchanged
    std::int32_t gameYear = 0;
    std::uint8_t gameDay = 1;
    std::uint8_t gameMonth = 1;
    std::int32_t startMinute = 0;
    std::int32_t startHour = 12;
    std::int32_t reserved3 = 0;
    std::int32_t reserved4 = 0;
    std::int32_t season = 0;

    bool operator==(const GameInfo &) const = default;
};

/// The file name of a game that has not been saved yet.
inline constexpr const char *kUnsavedGameName = "*.gam";

/// A recorded game: its header, both teams and the play list in game order.
struct Game {
    GameInfo info;
    Team homeTeam;
    Team visitorTeam;
    std::string fileName = kUnsavedGameName;
    std::vector<PlayRecord> plays;
    std::int32_t homeScore = 0;
    std::int32_t visitorScore = 0;
    std::int32_t savedQuarter = 0;
    bool isNewGame = true;
    /// Opened while another program has the game open: never saved from here,
    /// and no recovery copy or live page is written for it.
    bool readOnly = false;
    std::uint8_t reserved = 0; ///< stored in the file, not used
    bool tryPending = false;
    bool kickoffPending = false;
    FieldSpot savedBallSpot;

    int playCount() const { return static_cast<int>(plays.size()); }

    /// Adds a play at the end of the list.
    bool appendPlay(const PlayRecord &play);

    /// Purges every "No Play" record, keeping the others in order. False, with
    /// nothing changed, when there is no play or none to purge.
    bool removeNoPlays();

    /// Gives the players named `oldName` the new record: roster entries of the
    /// chosen team take its name, number and offensive position; every play
    /// slot of either team with that name takes the whole record.
    void renamePlayerInPlays(const std::string &oldName, const PlayerRecord &newPlayer, bool homeTeamRoster);

    bool operator==(const Game &) const = default;
};

/// A game as the New Game flow creates it: blank officials, today's date, the
/// current season, kickoff at 12:00, two empty teams.
Game newGame();

/// The home or visitor team's name from the game information, as captions,
/// Home/Visitor controls and reports show it.
const std::string &teamName(const Game &game, bool home);

} // namespace yardmark
