#pragma once

#include "base/bytecodec.h"
#include "playrecord.h"

#include <cstddef>
#include <cstdint>

namespace yardmark {

/// The version every file is written in now.
inline constexpr std::int32_t kCurrentFileVersion = 20;
/// The oldest layout, whose blocks start with their count and no marker.
inline constexpr std::int32_t kOldestFileVersion = 11;
/// The first layout whose plays hold eight players of the current record.
inline constexpr std::int32_t kVersion12 = 12;

inline constexpr std::size_t kOldPlayerRecordSize = 37;
inline constexpr std::size_t kVersion11PlayRecordSize = 331;
inline constexpr std::size_t kVersion12PlayRecordSize = 343;

/// The start of a roster or play block: its layout version and record count.
struct BlockHeader {
    std::int32_t version = kCurrentFileVersion;
    std::int32_t count = 0;
};

/// Reads a block start: a negative first integer is the marker and is followed
/// by the version and the count; a non-negative one is the count of a block in
/// the oldest layout. False, with `header` unchanged, when the file ends
/// inside it or the count is negative.
bool readBlockHeader(ByteReader &in, BlockHeader &header);

/// Writes the marker, the current version and `count`.
void writeBlockHeader(ByteWriter &out, std::int32_t count);

/// Bytes of one roster entry and of one play in a block of `version`.
std::size_t playerRecordSize(std::int32_t version);
std::size_t playRecordSize(std::int32_t version);

/// A roster entry or play slot of the oldest layout: one position, which is
/// the offensive one for an offensive starter and the defensive one otherwise.
PlayerRecord decodeOldPlayerRecord(ByteReader &in);

/// A roster entry in the layout of `version`.
PlayerRecord decodePlayerRecord(ByteReader &in, std::int32_t version);

/// A play in the layout of `version`, converted to the current record.
PlayRecord decodePlayRecord(ByteReader &in, std::int32_t version);

} // namespace yardmark
