#include "recordcodec.h"

namespace yardmark {
namespace {

void encodeFlag(ByteWriter &out, bool flag)
{
    out.uint8(flag ? 1 : 0);
}

} // namespace

void encode(ByteWriter &out, const FieldSpot &spot)
{
    out.int32(spot.yardLine);
    encodeFlag(out, spot.homeSide);
}

void encode(ByteWriter &out, const PlayerRecord &player)
{
    out.text(player.name, kNameWidth);
    out.int32(player.number);
    out.int32(player.offensivePosition);
    out.int32(player.defensivePosition);
    out.int32(player.starterStatus);
}

void encode(ByteWriter &out, const PlayRecord &play)
{
    encodeFlag(out, play.homeHasBall);
    for (std::int32_t value :
         {play.playType, play.quarter, play.clockMinutes, play.clockSeconds, play.downBefore, play.downAfter,
          play.toGoBefore, play.toGoAfter, play.rushType, play.passResult, play.scoreType, play.turnover})
        out.int32(value);
    for (std::int32_t fumble : play.fumbles)
        out.int32(fumble);
    for (bool byHome : play.fumbleRecoveredByHome)
        encodeFlag(out, byHome);
    for (const FieldSpot &spot : play.fumbleRecoveredAt)
        encode(out, spot);
    for (const FieldSpot &spot : play.fumbleReturnedTo)
        encode(out, spot);
    out.int32(play.kickResult);
    out.int32(play.firstDown);
    encode(out, play.initialSpot);
    encode(out, play.finalSpot);
    encode(out, play.receivedAt);
    encode(out, play.penaltySpot);
    out.int32(play.offensivePenalty);
    out.int32(play.offensivePenaltyYards);
    out.int32(play.defensivePenalty);
    out.int32(play.defensivePenaltyYards);
    for (const PlayerRecord &player : play.players)
        encode(out, player);
}

void encode(ByteWriter &out, const GameInfo &info)
{
    for (const std::string *text :
         {&info.fieldName, &info.referee, &info.umpire, &info.headLinesman, &info.lineJudge, &info.fieldJudge,
          &info.sideJudge, &info.backJudge, &info.homeTeamName, &info.visitorTeamName})
        out.text(*text, kNameWidth);
    out.int32(info.reserved1);
    out.int32(info.reserved2);
    out.int32(info.gameYear);
    out.uint8(info.gameDay);
    out.uint8(info.gameMonth);
    out.int32(info.startMinute);
    out.int32(info.startHour);
    out.int32(info.reserved3);
    out.int32(info.reserved4);
    out.int32(info.season);
}

void encode(ByteWriter &out, const PersonalInfo &info)
{
    out.text(info.phone, kPhoneWidth);
    out.text(info.address, kAddressWidth);
    out.text(info.city, kCityWidth);
    out.text(info.state, kStateWidth);
    out.text(info.zip, kZipWidth);
    out.int32(info.birthYear);
    out.uint8(info.birthDay);
    out.uint8(info.birthMonth);
    out.text(info.email, kEmailWidth);
    out.text(info.note, kNoteWidth);
}

FieldSpot decodeFieldSpot(ByteReader &in)
{
    FieldSpot spot;
    spot.yardLine = in.int32();
    spot.homeSide = in.uint8() != 0;
    return spot;
}

namespace {

FieldSpot fieldSpotAt(const std::uint8_t *bytes)
{
    return FieldSpot{loadInt32(bytes), bytes[4] != 0};
}

} // namespace

void decodePlayerRecord(const std::uint8_t *bytes, PlayerRecord &player)
{
    player.name.assign(textField(bytes, kNameWidth));
    player.number = loadInt32(bytes + 25);
    player.offensivePosition = loadInt32(bytes + 29);
    player.defensivePosition = loadInt32(bytes + 33);
    player.starterStatus = loadInt32(bytes + 37);
}

void decodePlayRecord(const std::uint8_t *bytes, PlayRecord &play)
{
    play.homeHasBall = bytes[0] != 0;
    std::size_t at = 1;
    for (std::int32_t *value :
         {&play.playType, &play.quarter, &play.clockMinutes, &play.clockSeconds, &play.downBefore, &play.downAfter,
          &play.toGoBefore, &play.toGoAfter, &play.rushType, &play.passResult, &play.scoreType, &play.turnover}) {
        *value = loadInt32(bytes + at);
        at += 4;
    }
    for (std::int32_t &fumble : play.fumbles) {
        fumble = loadInt32(bytes + at);
        at += 4;
    }
    for (bool &byHome : play.fumbleRecoveredByHome)
        byHome = bytes[at++] != 0;
    for (FieldSpot &spot : play.fumbleRecoveredAt) {
        spot = fieldSpotAt(bytes + at);
        at += kFieldSpotSize;
    }
    for (FieldSpot &spot : play.fumbleReturnedTo) {
        spot = fieldSpotAt(bytes + at);
        at += kFieldSpotSize;
    }
    play.kickResult = loadInt32(bytes + 94);
    play.firstDown = loadInt32(bytes + 98);
    play.initialSpot = fieldSpotAt(bytes + 102);
    play.finalSpot = fieldSpotAt(bytes + 107);
    play.receivedAt = fieldSpotAt(bytes + 112);
    play.penaltySpot = fieldSpotAt(bytes + 117);
    play.offensivePenalty = loadInt32(bytes + 122);
    play.offensivePenaltyYards = loadInt32(bytes + 126);
    play.defensivePenalty = loadInt32(bytes + 130);
    play.defensivePenaltyYards = loadInt32(bytes + 134);
    at = 138;
    for (PlayerRecord &player : play.players) {
        decodePlayerRecord(bytes + at, player);
        at += kPlayerRecordSize;
    }
}

PlayerRecord decodePlayerRecord(ByteReader &in)
{
    PlayerRecord player;
    if (const std::uint8_t *bytes = in.bytes(kPlayerRecordSize))
        decodePlayerRecord(bytes, player);
    return player;
}

PlayRecord decodePlayRecord(ByteReader &in)
{
    PlayRecord play;
    if (const std::uint8_t *bytes = in.bytes(kPlayRecordSize))
        decodePlayRecord(bytes, play);
    return play;
}

GameInfo decodeGameInfo(ByteReader &in)
{
    GameInfo info;
    decodeGameInfo(in, info);
    return info;
}

void decodeGameInfo(ByteReader &in, GameInfo &info)
{
    for (std::string *text :
         {&info.fieldName, &info.referee, &info.umpire, &info.headLinesman, &info.lineJudge, &info.fieldJudge,
          &info.sideJudge, &info.backJudge, &info.homeTeamName, &info.visitorTeamName})
        in.text(kNameWidth, *text);
    info.reserved1 = in.int32();
    info.reserved2 = in.int32();
    info.gameYear = in.int32();
    info.gameDay = in.uint8();
    info.gameMonth = in.uint8();
    info.startMinute = in.int32();
    info.startHour = in.int32();
    info.reserved3 = in.int32();
    info.reserved4 = in.int32();
    info.season = in.int32();
}

PersonalInfo decodePersonalInfo(ByteReader &in)
{
    PersonalInfo info;
    info.phone = in.text(kPhoneWidth);
    info.address = in.text(kAddressWidth);
    info.city = in.text(kCityWidth);
    info.state = in.text(kStateWidth);
    info.zip = in.text(kZipWidth);
    info.birthYear = in.int32();
    info.birthDay = in.uint8();
    info.birthMonth = in.uint8();
    info.email = in.text(kEmailWidth);
    info.note = in.text(kNoteWidth);
    return info;
}

} // namespace yardmark
