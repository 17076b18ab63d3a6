#pragma once

#include "base/bytecodec.h"
#include "base/safefile.h"
#include "team.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace yardmark {

/// Bytes of a team block before its players: path, names, staff, logo,
/// reserved integers, current players and the roster block's start.
inline constexpr std::size_t kTeamBlockSize = 715;

/// Writes the team block that opens a team file and stands for each team in a
/// game file: the team's `fileName`, its fields and its roster in the current
/// layout. Personal information is not part of it.
void encodeTeamBlock(ByteWriter &out, const Team &team);

/// Reads a team block of any version into `team`: its names, staff, logo, the
/// two stored reserved integers, current players and players (converted from
/// the oldest layout when needed, each with a zero-filled personal entry). The
/// stored path is skipped; `fileName`, `fileSize` and `rosterOnly` stay. False,
/// with `team` unchanged, when the block is damaged: it ends early, or its
/// player count is negative or larger than the rest of the file can hold.
bool decodeTeamBlock(ByteReader &in, Team &team);

/// The same straight into `team`, reusing its storage; when the block is
/// damaged `team` is left partly read, so it suits a scratch team only.
bool decodeTeamBlockInPlace(ByteReader &in, Team &team);

/// The whole team file: the team block, then each player's personal
/// information unless the team is roster-only.
std::vector<std::uint8_t> encodeTeamFile(const Team &team);

/// Reads a whole team file into `team` (see `decodeTeamBlock`). A team that is
/// not roster-only takes the personal information when exactly one entry per
/// player follows the roster; otherwise every player keeps a zero-filled one.
/// `fileSize` becomes the file's length. False, with `team` unchanged, when
/// the file is damaged.
bool decodeTeamFile(const std::vector<std::uint8_t> &bytes, Team &team);

/// Loads the team file at `path`; on success `fileName` is `path`. False, with
/// `team` unchanged, when the file cannot be read or is damaged.
bool loadTeamFile(Team &team, const std::string &path);

/// Stores `path` as the team's `fileName` and writes the team file there
/// through a temporary file, so that the old file survives a failure. False
/// when it cannot be written.
bool writeTeamFile(Team &team, const std::string &path);

/// Asks for a team file name: gets the name to propose (empty for none) and
/// gives the chosen one, or nothing when the user cancels.
using TeamFileChooser = std::function<std::optional<std::string>(const std::string &proposed)>;

/// Saves the team to its own file, or first asks `choose` for a name when it
/// has none or was imported from a comma-separated list; ".tem" is added to a
/// chosen name without a ".". False when the user cancels or the file cannot
/// be written.
bool saveTeam(Team &team, const TeamFileChooser &choose);

/// Whether saving the team must first ask for a file name: it has none yet,
/// or it was imported from a comma-separated file that must not be overwritten.
bool teamFileNameNeeded(const Team &team);

/// The name to propose when saving the team: its own file, or for a team
/// imported from "x.csv" the name "x.tem"; empty when it has none.
std::string proposedTeamFileName(const Team &team);

/// A chosen team file name with ".tem" added when the file name has no ".".
std::string withTeamExtension(std::string_view path);

} // namespace yardmark
