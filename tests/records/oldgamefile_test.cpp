// Game files of versions 11 and 12, built byte by byte from their layouts.

#include "base/bytecodec.h"
#include "records/gamefile.h"
#include "records/teamfile.h"

#include <gtest/gtest.h>

namespace yardmark {
namespace {

struct OldPlayer {
    std::string name;
    std::int32_t number, position, starterStatus;
};

void writeOldPlayer(ByteWriter &out, const OldPlayer &p)
{
    out.text(p.name, 25);
    out.int32(p.number);
    out.int32(p.position);
    out.int32(p.starterStatus);
}

void writeSpot(ByteWriter &out, std::int32_t yardLine, std::uint8_t homeSide)
{
    out.int32(yardLine);
    out.uint8(homeSide);
}

struct OldPlay {
    std::uint8_t homeHasBall = 1;
    std::int32_t playType = 12;
    std::int32_t fumble = 0;
};

// One old play: the twelve integers count up from 100, the spots and penalty
// fields from 30, and slot s holds a player named "S<s>".
void writeOldPlay(ByteWriter &out, int version, const OldPlay &play)
{
    out.uint8(play.homeHasBall);
    out.int32(play.playType);
    for (int i = 1; i < 12; ++i)
        out.int32(100 + i);
    out.int32(play.fumble);
    out.uint8(0x7F); // not carried over
    out.int32(7);    // kick result
    out.int32(2);    // first down
    writeSpot(out, 30, 0);
    writeSpot(out, 31, 1);
    writeSpot(out, 32, 0);
    out.int32(4);
    out.int32(-10);
    out.int32(5);
    out.int32(15);
    for (int s = 0; s < 6; ++s) {
        const std::string name = "S" + std::to_string(s);
        if (version == 11) {
            writeOldPlayer(out, {name, 10 + s, 6 + s, s % 4});
        } else {
            out.text(name, 25);
            for (std::int32_t value : {10 + s, 6 + s, 13 + s, s % 4})
                out.int32(value);
        }
    }
    out.zeros(version == 11 ? 16 : 4);
}

void writeTeamHead(ByteWriter &out, const std::string &name)
{
    out.text("C:\\TEAMS\\" + name + ".TEM", 260);
    out.text(name, 25);
    out.text("Coach " + name, 25);
    out.text("", 25);
    out.text("default.bmp", 260);
    out.int32(0);
    out.int32(0);
    for (const char *current : {"QB", "K", "FGK", "P"})
        out.text(current, 25);
}

// A whole old game: rosters of the oldest layout (or with a marker), then the
// play block of `version`, then the trailer.
std::vector<std::uint8_t> oldGameFile(int version, const std::vector<OldPlay> &plays, bool rosterMarkers = false)
{
    ByteWriter out;
    out.text("Old Field", 25);
    out.zeros(284 - 25);
    for (const char *team : {"Home", "Away"}) {
        writeTeamHead(out, team);
        if (rosterMarkers) {
            out.int32(-1);
            out.int32(11);
        }
        out.int32(2);
        writeOldPlayer(out, {"Offense Guy", 7, 6, 1});
        writeOldPlayer(out, {"Defense Guy", -1, 13, 2});
    }
    if (version == 11) {
        out.int32(static_cast<std::int32_t>(plays.size()));
    } else {
        out.int32(-1);
        out.int32(version);
        out.int32(static_cast<std::int32_t>(plays.size()));
    }
    for (const OldPlay &play : plays)
        writeOldPlay(out, version, play);
    for (std::int32_t value : {14, 7, 2})
        out.int32(value);
    for (std::uint8_t flag : {1, 0, 1, 1})
        out.uint8(flag);
    writeSpot(out, 40, 1);
    return out.take();
}

TEST(OldGameFileTest, OldRostersTakeTheirPositionByStarterStatus)
{
    Game game;
    ASSERT_TRUE(decodeGame(oldGameFile(11, {}), game));
    for (const Team *team : {&game.homeTeam, &game.visitorTeam}) {
        ASSERT_EQ(team->playerCount(), 2);
        EXPECT_EQ(team->players[0], (PlayerRecord{"Offense Guy", 7, 6, 0, 1}));
        EXPECT_EQ(team->players[1], (PlayerRecord{"Defense Guy", -1, 0, 13, 2}));
        EXPECT_EQ(team->personalInfo.size(), 2u);
    }
    EXPECT_EQ(game.homeTeam.name, "Home");
    EXPECT_EQ(game.visitorTeam.coach, "Coach Away");
    EXPECT_EQ(game.visitorTeam.currentPunter, "P");
    EXPECT_EQ(game.info.fieldName, "Old Field");
    EXPECT_EQ(game.playCount(), 0);
    EXPECT_EQ(game.homeScore, 14);
    EXPECT_EQ(game.visitorScore, 7);
    EXPECT_EQ(game.savedQuarter, 2);
    EXPECT_FALSE(game.isNewGame);
    EXPECT_TRUE(game.tryPending);
    EXPECT_TRUE(game.kickoffPending);
    EXPECT_EQ(game.savedBallSpot, (FieldSpot{40, true}));
}

TEST(OldGameFileTest, OldPlaysAreConvertedFieldByField)
{
    for (int version : {11, 12}) {
        Game game;
        ASSERT_TRUE(decodeGame(oldGameFile(version, {OldPlay{1, 12, 2}}), game)) << version;
        ASSERT_EQ(game.playCount(), 1);
        const PlayRecord &p = game.plays[0];
        EXPECT_TRUE(p.homeHasBall);
        EXPECT_EQ(p.playType, 12);
        const std::int32_t counted[] = {p.quarter,    p.clockMinutes, p.clockSeconds, p.downBefore,
                                        p.downAfter,  p.toGoBefore,   p.toGoAfter,    p.rushType,
                                        p.passResult, p.scoreType,    p.turnover};
        for (int i = 0; i < 11; ++i)
            EXPECT_EQ(counted[i], 101 + i) << version << " field " << i;
        EXPECT_EQ(p.fumbles, (std::array<std::int32_t, 3>{2, 0, 0}));
        EXPECT_EQ(p.kickResult, 7);
        EXPECT_EQ(p.firstDown, 2);
        EXPECT_EQ(p.initialSpot, (FieldSpot{30, false}));
        EXPECT_EQ(p.finalSpot, (FieldSpot{31, true}));
        EXPECT_EQ(p.receivedAt, (FieldSpot{32, false}));
        EXPECT_EQ(p.offensivePenalty, 4);
        EXPECT_EQ(p.offensivePenaltyYards, -10);
        EXPECT_EQ(p.defensivePenalty, 5);
        EXPECT_EQ(p.defensivePenaltyYards, 15);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(p.fumbleRecoveredAt[i], (FieldSpot{0, true}));
            EXPECT_EQ(p.fumbleReturnedTo[i], (FieldSpot{0, true}));
        }
        for (int s = 0; s < 6; ++s) {
            EXPECT_EQ(p.players[s].name, "S" + std::to_string(s));
            EXPECT_EQ(p.players[s].number, 10 + s);
            EXPECT_EQ(p.players[s].starterStatus, s % 4);
        }
        EXPECT_TRUE(p.players[6].isEmpty());
        EXPECT_TRUE(p.players[7].isEmpty());
        EXPECT_EQ(p.players[6], PlayerRecord{});
    }
}

TEST(OldGameFileTest, PlayerSlotsFollowTheirVersion)
{
    Game v11, v12;
    ASSERT_TRUE(decodeGame(oldGameFile(11, {OldPlay{}}), v11));
    ASSERT_TRUE(decodeGame(oldGameFile(12, {OldPlay{}}), v12));
    // Version 11: slot 1 is an offensive starter, the others take the old
    // position as their defensive one.
    EXPECT_EQ(v11.plays[0].players[1], (PlayerRecord{"S1", 11, 7, 0, 1}));
    EXPECT_EQ(v11.plays[0].players[2], (PlayerRecord{"S2", 12, 0, 8, 2}));
    EXPECT_EQ(v11.plays[0].players[0], (PlayerRecord{"S0", 10, 0, 6, 0}));
    // Version 12 slots are current records, copied whole.
    EXPECT_EQ(v12.plays[0].players[2], (PlayerRecord{"S2", 12, 8, 15, 2}));
}

TEST(OldGameFileTest, PenaltySpotDependsOnTheVersion)
{
    Game v11, v12;
    ASSERT_TRUE(decodeGame(oldGameFile(11, {OldPlay{}}), v11));
    ASSERT_TRUE(decodeGame(oldGameFile(12, {OldPlay{}}), v12));
    EXPECT_EQ(v11.plays[0].penaltySpot, v11.plays[0].initialSpot);
    EXPECT_EQ(v11.plays[0].penaltySpot, (FieldSpot{30, false}));
    EXPECT_EQ(v12.plays[0].penaltySpot, (FieldSpot{0, false}));
}

TEST(OldGameFileTest, TheOldFumbleCodeTellsWhichTeamRecovered)
{
    const struct {
        std::uint8_t homeHasBall;
        std::int32_t fumble;
        bool recoveredByHome;
    } cases[] = {
        {1, 2, true},  // home had the ball, the offense recovered
        {0, 2, false}, // visitor had it and kept it
        {1, 1, false}, // home lost it to the defense
        {0, 1, true},  // visitor lost it to the home team
        {0, 0, true},  // no fumble: the unused default
        {0, 9, true},  // an unknown code keeps the default
    };
    for (int version : {11, 12}) {
        for (const auto &c : cases) {
            Game game;
            ASSERT_TRUE(decodeGame(oldGameFile(version, {OldPlay{c.homeHasBall, 1, c.fumble}}), game));
            const PlayRecord &p = game.plays[0];
            EXPECT_EQ(p.fumbleRecoveredByHome[0], c.recoveredByHome)
                << "version " << version << " ball " << int(c.homeHasBall) << " code " << c.fumble;
            EXPECT_TRUE(p.fumbleRecoveredByHome[1]);
            EXPECT_TRUE(p.fumbleRecoveredByHome[2]);
        }
    }
}

TEST(OldGameFileTest, ManyOldPlaysKeepTheirOrder)
{
    std::vector<OldPlay> plays;
    for (int i = 0; i < 25; ++i)
        plays.push_back(OldPlay{static_cast<std::uint8_t>(i % 2), 1 + i % 13, 0});
    for (int version : {11, 12}) {
        Game game;
        ASSERT_TRUE(decodeGame(oldGameFile(version, plays), game));
        ASSERT_EQ(game.playCount(), 25);
        for (int i = 0; i < 25; ++i)
            EXPECT_EQ(game.plays[i].playType, 1 + i % 13) << version << " play " << i;
        EXPECT_EQ(game.homeScore, 14) << "the trailer follows the last play";
    }
}

TEST(OldGameFileTest, MarkedRostersWithAnUnmarkedPlayBlockReadPlaysAsVersion11)
{
    Game game;
    ASSERT_TRUE(decodeGame(oldGameFile(11, {OldPlay{}, OldPlay{}}, true), game));
    EXPECT_EQ(game.playCount(), 2);
    EXPECT_EQ(game.homeTeam.players[1], (PlayerRecord{"Defense Guy", -1, 0, 13, 2}));
    EXPECT_EQ(game.plays[1].penaltySpot, (FieldSpot{30, false}));
}

TEST(OldGameFileTest, AnOldFileIsSavedInTheCurrentLayout)
{
    Game game;
    ASSERT_TRUE(decodeGame(oldGameFile(12, {OldPlay{}, OldPlay{}, OldPlay{}}), game));
    const auto saved = encodeGame(game);
    EXPECT_EQ(saved.size(), 284u + 2 * (715 + 2 * 41) + 12 + 3 * 466 + 21);
    Game again;
    ASSERT_TRUE(decodeGame(saved, again));
    again.fileName = game.fileName;
    EXPECT_EQ(again, game);
}

} // namespace
} // namespace yardmark
