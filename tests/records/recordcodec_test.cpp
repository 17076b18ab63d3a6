#include "records/recordcodec.h"

#include "support/bytes.h"

#include <gtest/gtest.h>

#include <cstring>

namespace yardmark {
namespace {

using testing::int32At;
using testing::textAt;

PlayerRecord player(const std::string &name, int base)
{
    return PlayerRecord{name, base, base + 1, base + 2, base + 3};
}

// A play in which every field holds a different value, so that a field
// written at the wrong offset shows.
PlayRecord distinctPlay()
{
    PlayRecord p;
    p.homeHasBall = false;
    p.playType = 101;
    p.quarter = 102;
    p.clockMinutes = 103;
    p.clockSeconds = 104;
    p.downBefore = 105;
    p.downAfter = 106;
    p.toGoBefore = 107;
    p.toGoAfter = 108;
    p.rushType = 109;
    p.passResult = 110;
    p.scoreType = 111;
    p.turnover = 112;
    p.fumbles = {113, 114, 115};
    p.fumbleRecoveredByHome = {false, true, false};
    p.fumbleRecoveredAt = {FieldSpot{116, true}, FieldSpot{117, false}, FieldSpot{118, true}};
    p.fumbleReturnedTo = {FieldSpot{119, false}, FieldSpot{120, true}, FieldSpot{121, false}};
    p.kickResult = 122;
    p.firstDown = 123;
    p.initialSpot = {124, false};
    p.finalSpot = {125, true};
    p.receivedAt = {126, false};
    p.penaltySpot = {127, true};
    p.offensivePenalty = 128;
    p.offensivePenaltyYards = -129;
    p.defensivePenalty = 130;
    p.defensivePenaltyYards = 131;
    for (int i = 0; i < kPlayerSlots; ++i)
        p.players[i] = player("Player " + std::to_string(i), 200 + 10 * i);
    return p;
}

TEST(RecordCodecTest, PlayRecordFieldsStandAtTheirOffsets)
{
    ByteWriter out;
    encode(out, distinctPlay());
    const std::vector<std::uint8_t> &b = out.data();
    ASSERT_EQ(b.size(), kPlayRecordSize);

    EXPECT_EQ(b[0], 0);
    const std::pair<std::size_t, std::int32_t> ints[] = {
        {1, 101},   {5, 102},   {9, 103},   {13, 104},  {17, 105},   {21, 106},  {25, 107}, {29, 108},
        {33, 109},  {37, 110},  {41, 111},  {45, 112},  {49, 113},   {53, 114},  {57, 115}, {64, 116},
        {69, 117},  {74, 118},  {79, 119},  {84, 120},  {89, 121},   {94, 122},  {98, 123}, {102, 124},
        {107, 125}, {112, 126}, {117, 127}, {122, 128}, {126, -129}, {130, 130}, {134, 131}};
    for (const auto &[offset, value] : ints)
        EXPECT_EQ(int32At(b, offset), value) << "offset " << offset;
    const std::pair<std::size_t, std::uint8_t> flags[] = {{61, 0},  {62, 1},  {63, 0}, {68, 1}, {73, 0},
                                                          {78, 1},  {83, 0},  {88, 1}, {93, 0}, {106, 0},
                                                          {111, 1}, {116, 0}, {121, 1}};
    for (const auto &[offset, value] : flags)
        EXPECT_EQ(b[offset], value) << "offset " << offset;
    const std::size_t slotOffsets[] = {138, 179, 220, 261, 302, 343, 384, 425};
    for (int i = 0; i < kPlayerSlots; ++i) {
        const std::size_t at = slotOffsets[i];
        EXPECT_EQ(textAt(b, at), "Player " + std::to_string(i));
        EXPECT_EQ(int32At(b, at + 25), 200 + 10 * i);
        EXPECT_EQ(int32At(b, at + 29), 201 + 10 * i);
        EXPECT_EQ(int32At(b, at + 33), 202 + 10 * i);
        EXPECT_EQ(int32At(b, at + 37), 203 + 10 * i);
    }
}

TEST(RecordCodecTest, GameInfoFieldsStandAtTheirOffsets)
{
    GameInfo info;
    std::string *texts[] = {&info.fieldName,    &info.referee,        &info.umpire,    &info.headLinesman,
                            &info.lineJudge,    &info.fieldJudge,     &info.sideJudge, &info.backJudge,
                            &info.homeTeamName, &info.visitorTeamName};
    for (int i = 0; i < 10; ++i)
        *texts[i] = "Text " + std::to_string(i);
    info.reserved1 = -7;
    info.reserved2 = 8;
    info.gameYear = 2025;
    info.gameDay = 31;
    info.gameMonth = 12;
    info.startMinute = 45;
    info.startHour = 19;
    info.reserved3 = 3;
    info.reserved4 = 4;
    info.season = 2024;

    ByteWriter out;
    encode(out, info);
    const auto &b = out.data();
    ASSERT_EQ(b.size(), kGameInfoSize);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(textAt(b, 25 * i), "Text " + std::to_string(i));
    EXPECT_EQ(int32At(b, 250), -7);
    EXPECT_EQ(int32At(b, 254), 8);
    EXPECT_EQ(int32At(b, 258), 2025);
    EXPECT_EQ(b[262], 31);
    EXPECT_EQ(b[263], 12);
    EXPECT_EQ(int32At(b, 264), 45);
    EXPECT_EQ(int32At(b, 268), 19);
    EXPECT_EQ(int32At(b, 272), 3);
    EXPECT_EQ(int32At(b, 276), 4);
    EXPECT_EQ(int32At(b, 280), 2024);

    ByteReader in(b);
    EXPECT_EQ(decodeGameInfo(in), info);
    EXPECT_TRUE(in.ok());
    EXPECT_EQ(in.remaining(), 0u);
}

TEST(RecordCodecTest, PersonalInfoFieldsStandAtTheirOffsets)
{
    PersonalInfo info{"555-0101", "12 Main St", "Springfield", "OH", "45501", 1990, 30, 2, "a@b.c", "note"};
    ByteWriter out;
    encode(out, info);
    const auto &b = out.data();
    ASSERT_EQ(b.size(), kPersonalInfoSize);
    EXPECT_EQ(textAt(b, 0), "555-0101");
    EXPECT_EQ(textAt(b, 25), "12 Main St");
    EXPECT_EQ(textAt(b, 125), "Springfield");
    EXPECT_EQ(textAt(b, 165), "OH");
    EXPECT_EQ(textAt(b, 205), "45501");
    EXPECT_EQ(int32At(b, 225), 1990);
    EXPECT_EQ(b[229], 30);
    EXPECT_EQ(b[230], 2);
    EXPECT_EQ(textAt(b, 231), "a@b.c");
    EXPECT_EQ(textAt(b, 281), "note");
    ByteReader in(b);
    EXPECT_EQ(decodePersonalInfo(in), info);
}

TEST(RecordCodecTest, SmallRecordsHaveTheirSizes)
{
    ByteWriter spot, player;
    encode(spot, FieldSpot{50, false});
    encode(player, PlayerRecord{});
    EXPECT_EQ(spot.size(), kFieldSpotSize);
    EXPECT_EQ(player.size(), kPlayerRecordSize);
    EXPECT_EQ(int32At(player.data(), 25), -1);
}

TEST(RecordCodecTest, PlayRecordRoundTripsByteForByte)
{
    ByteWriter first;
    encode(first, distinctPlay());
    ByteReader in(first.data());
    const PlayRecord decoded = decodePlayRecord(in);
    EXPECT_TRUE(in.ok());
    EXPECT_EQ(decoded, distinctPlay());
    ByteWriter second;
    encode(second, decoded);
    EXPECT_EQ(second.data(), first.data());
}

TEST(RecordCodecTest, LongTextIsCutToWidthMinusOne)
{
    ByteWriter out;
    encode(out, PlayerRecord{std::string(40, 'x'), 5, 0, 0, 0});
    ASSERT_EQ(out.size(), kPlayerRecordSize);
    EXPECT_EQ(out.data()[24], 0);
    ByteReader in(out.data());
    EXPECT_EQ(decodePlayerRecord(in).name, std::string(24, 'x'));
}

TEST(RecordCodecTest, TextWithoutTerminatorIsReadToWidthMinusOne)
{
    std::vector<std::uint8_t> bytes(kPlayerRecordSize, 'y');
    ByteReader in(bytes);
    const PlayerRecord p = decodePlayerRecord(in);
    EXPECT_EQ(p.name, std::string(24, 'y'));
    EXPECT_TRUE(in.ok());
}

TEST(RecordCodecTest, TruncatedRecordFailsInsteadOfReadingPastTheEnd)
{
    ByteWriter out;
    encode(out, distinctPlay());
    const std::vector<std::uint8_t> cut(out.data().begin(), out.data().end() - 1);
    ByteReader in(cut);
    decodePlayRecord(in);
    EXPECT_FALSE(in.ok());
}

} // namespace
} // namespace yardmark
