#pragma once

// Games and teams for the file tests, with a different value in every field so
// that a field lost or written at the wrong place shows.

#include "records/game.h"
#include "records/team.h"
#include "support/tempfolder.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace yardmark::testing {

inline PersonalInfo samplePersonalInfo(int i)
{
    const std::string n = std::to_string(i);
    return PersonalInfo{"555-01" + n,
                        n + " Main Street",
                        "City " + n,
                        "State " + n,
                        "4550" + n,
                        1980 + i,
                        static_cast<std::uint8_t>(1 + i),
                        static_cast<std::uint8_t>(1 + i % 12),
                        "p" + n + "@team.org",
                        "note " + n};
}

inline Team sampleTeam(const std::string &name, int players, bool rosterOnly)
{
    Team team;
    team.rosterOnly = rosterOnly;
    team.fileName = "/teams/" + name + ".tem";
    team.name = name;
    team.coach = name + " Coach";
    team.assistant = name + " Assistant";
    team.logoFile = "/logos/" + name + ".bmp";
    team.reserved = {0, 11, -12};
    team.currentQuarterback = name + " QB";
    team.currentKicker = name + " K";
    team.currentFieldGoalKicker = name + " FGK";
    team.currentPunter = name + " P";
    for (int i = 0; i < players; ++i) {
        team.players.push_back(
            PlayerRecord{name + " Player " + std::to_string(i), i == 0 ? -1 : 10 + i, i % 26, (i + 5) % 26, i % 4});
        team.personalInfo.push_back(rosterOnly ? PersonalInfo{} : samplePersonalInfo(i));
    }
    return team;
}

inline PlayRecord samplePlay(int i)
{
    PlayRecord p;
    p.homeHasBall = i % 2 == 0;
    p.playType = 1 + i % 13;
    p.quarter = i % 5;
    p.clockMinutes = 14 - i % 15;
    p.clockSeconds = (7 * i) % 60;
    p.downBefore = i % 4;
    p.downAfter = (i + 1) % 4;
    p.toGoBefore = 10 + i;
    p.toGoAfter = 3 + i;
    p.rushType = i % 15;
    p.passResult = i % 5;
    p.scoreType = i % 10;
    p.turnover = i % 6;
    p.fumbles = {1, 2, i % 3};
    p.fumbleRecoveredByHome = {false, true, i % 2 == 1};
    p.fumbleRecoveredAt = {FieldSpot{i, false}, FieldSpot{20, true}, FieldSpot{30, false}};
    p.fumbleReturnedTo = {FieldSpot{40, false}, FieldSpot{i % 50, true}, FieldSpot{45, true}};
    p.kickResult = i % 14;
    p.firstDown = i % 3;
    p.initialSpot = {i % 50, i % 3 == 0};
    p.finalSpot = {(i + 7) % 50, false};
    p.receivedAt = {(i + 3) % 50, true};
    p.penaltySpot = {(i + 9) % 50, true};
    p.offensivePenalty = i % 31;
    p.offensivePenaltyYards = -5 - i;
    p.defensivePenalty = i % 22;
    p.defensivePenaltyYards = 15;
    for (int s = 0; s < kPlayerSlots; ++s)
        p.players[s] =
            PlayerRecord{"Slot " + std::to_string(s) + " of " + std::to_string(i), s * 10 + i % 10, s, i % 26, s % 4};
    return p;
}

inline Game sampleGame(int homePlayers, int visitorPlayers, int plays)
{
    Game game;
    game.info.fieldName = "Memorial Field";
    game.info.referee = "Ref";
    game.info.umpire = "Ump";
    game.info.headLinesman = "HL";
    game.info.lineJudge = "LJ";
    game.info.fieldJudge = "FJ";
    game.info.sideJudge = "SJ";
    game.info.backJudge = "BJ";
    game.info.homeTeamName = "Eagles";
    game.info.visitorTeamName = "Hawks";
    game.info.reserved1 = 5;
    game.info.reserved2 = -6;
    game.info.gameYear = 2026;
    game.info.gameDay = 17;
    game.info.gameMonth = 10;
    game.info.startMinute = 30;
    game.info.startHour = 19;
    game.info.season = 2026;
    game.homeTeam = sampleTeam("Eagles", homePlayers, true);
    game.visitorTeam = sampleTeam("Hawks", visitorPlayers, true);
    for (int i = 0; i < plays; ++i)
        game.plays.push_back(samplePlay(i));
    game.homeScore = 21;
    game.visitorScore = 17;
    game.savedQuarter = 3;
    game.isNewGame = true;
    game.reserved = 9;
    game.tryPending = true;
    game.kickoffPending = false;
    game.savedBallSpot = {35, false};
    return game;
}

/// The bytes of a file, empty when it cannot be read.
inline std::vector<std::uint8_t> fileBytes(const std::string &path)
{
    std::vector<std::uint8_t> bytes;
    std::ifstream in(path, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return bytes;
}

} // namespace yardmark::testing
