#include "fileversions.h"

#include "recordcodec.h"

namespace yardmark {
namespace {

constexpr int kOldPlayerSlots = 6;
constexpr std::size_t kVersion11Tail = 16;
constexpr std::size_t kVersion12Tail = 4;
constexpr std::int32_t kOffensiveStarter = 1;

// Old fumble codes: 2 = recovered by the team with the ball, 1 = by the other.
constexpr std::int32_t kRecoveredByOffense = 2;
constexpr std::int32_t kRecoveredByDefense = 1;

// Old plays, versions 11 and 12 alike.
PlayRecord decodeOldPlayRecord(ByteReader &in, std::int32_t version)
{
    PlayRecord play; // starts with the unused fumble entries and empty slots
    play.homeHasBall = in.uint8() != 0;
    for (std::int32_t *value :
         {&play.playType, &play.quarter, &play.clockMinutes, &play.clockSeconds, &play.downBefore, &play.downAfter,
          &play.toGoBefore, &play.toGoAfter, &play.rushType, &play.passResult, &play.scoreType, &play.turnover})
        *value = in.int32();
    play.fumbles[0] = in.int32();
    in.skip(1);
    play.kickResult = in.int32();
    play.firstDown = in.int32();
    play.initialSpot = decodeFieldSpot(in);
    play.finalSpot = decodeFieldSpot(in);
    play.receivedAt = decodeFieldSpot(in);
    play.offensivePenalty = in.int32();
    play.offensivePenaltyYards = in.int32();
    play.defensivePenalty = in.int32();
    play.defensivePenaltyYards = in.int32();
    for (int slot = 0; slot < kOldPlayerSlots; ++slot)
        play.players[slot] = decodePlayerRecord(in, version);
    in.skip(version == kOldestFileVersion ? kVersion11Tail : kVersion12Tail);

    // The old single fumble code says which side recovered; keep it, so that
    // the recovery is credited to the right team.
    if (play.fumbles[0] == kRecoveredByOffense)
        play.fumbleRecoveredByHome[0] = play.homeHasBall;
    else if (play.fumbles[0] == kRecoveredByDefense)
        play.fumbleRecoveredByHome[0] = !play.homeHasBall;
    // The oldest plays were penalized where they started.
    if (version == kOldestFileVersion)
        play.penaltySpot = play.initialSpot;
    return play;
}

} // namespace

bool readBlockHeader(ByteReader &in, BlockHeader &header)
{
    const std::int32_t first = in.int32();
    BlockHeader read;
    if (first < 0) {
        read.version = in.int32();
        read.count = in.int32();
    } else {
        read.version = kOldestFileVersion;
        read.count = first;
    }
    if (!in.ok() || read.count < 0)
        return false;
    header = read;
    return true;
}

void writeBlockHeader(ByteWriter &out, std::int32_t count)
{
    out.int32(-1);
    out.int32(kCurrentFileVersion);
    out.int32(count);
}

std::size_t playerRecordSize(std::int32_t version)
{
    return version == kOldestFileVersion ? kOldPlayerRecordSize : kPlayerRecordSize;
}

std::size_t playRecordSize(std::int32_t version)
{
    if (version == kOldestFileVersion)
        return kVersion11PlayRecordSize;
    if (version == kVersion12)
        return kVersion12PlayRecordSize;
    return kPlayRecordSize;
}

PlayerRecord decodeOldPlayerRecord(ByteReader &in)
{
    PlayerRecord player;
    player.name = in.text(kNameWidth);
    player.number = in.int32();
    const std::int32_t position = in.int32();
    player.starterStatus = in.int32();
    player.offensivePosition = player.starterStatus == kOffensiveStarter ? position : 0;
    player.defensivePosition = player.starterStatus == kOffensiveStarter ? 0 : position;
    return player;
}

PlayerRecord decodePlayerRecord(ByteReader &in, std::int32_t version)
{
    return version == kOldestFileVersion ? decodeOldPlayerRecord(in) : decodePlayerRecord(in);
}

PlayRecord decodePlayRecord(ByteReader &in, std::int32_t version)
{
    if (version == kOldestFileVersion || version == kVersion12)
        return decodeOldPlayRecord(in, version);
    return decodePlayRecord(in);
}

} // namespace yardmark
