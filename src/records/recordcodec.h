#pragma once

#include "base/bytecodec.h"
#include "game.h"
#include "playrecord.h"
#include "team.h"

#include <cstddef>

namespace yardmark {

// Sizes of the records as they stand in files, packed, little-endian.
inline constexpr std::size_t kFieldSpotSize = 5;
inline constexpr std::size_t kPlayerRecordSize = 41;
inline constexpr std::size_t kPlayRecordSize = 466;
inline constexpr std::size_t kGameInfoSize = 284;
inline constexpr std::size_t kPersonalInfoSize = 331;

// Widths of the text fields, terminator included.
inline constexpr std::size_t kNameWidth = 25;
inline constexpr std::size_t kPathWidth = 260;
inline constexpr std::size_t kPhoneWidth = 25;
inline constexpr std::size_t kAddressWidth = 100;
inline constexpr std::size_t kCityWidth = 40;
inline constexpr std::size_t kStateWidth = 40;
inline constexpr std::size_t kZipWidth = 20;
inline constexpr std::size_t kEmailWidth = 50;
inline constexpr std::size_t kNoteWidth = 50;

void encode(ByteWriter &out, const FieldSpot &spot);
void encode(ByteWriter &out, const PlayerRecord &player);
void encode(ByteWriter &out, const PlayRecord &play);
void encode(ByteWriter &out, const GameInfo &info);
void encode(ByteWriter &out, const PersonalInfo &info);

FieldSpot decodeFieldSpot(ByteReader &in);
PlayerRecord decodePlayerRecord(ByteReader &in);
PlayRecord decodePlayRecord(ByteReader &in);

// The same from a record's bytes in place (`kPlayerRecordSize` or
// `kPlayRecordSize` of them), into a record whose storage is reused: reading a
// season of files one into the other allocates nothing once the texts fit.
void decodePlayerRecord(const std::uint8_t *bytes, PlayerRecord &player);
void decodePlayRecord(const std::uint8_t *bytes, PlayRecord &play);
GameInfo decodeGameInfo(ByteReader &in);
/// The same into `info`, whose text fields keep their storage.
void decodeGameInfo(ByteReader &in, GameInfo &info);
PersonalInfo decodePersonalInfo(ByteReader &in);

} // namespace yardmark
