#pragma once

#include "records/game.h"
#include "records/gamelock.h"
#include "reports/exportchoice.h"
#include "season/schedule.h"
#include "stats/gamesummary.h"

#include <CLI/CLI.hpp>

#include <memory>
#include <string>
#include <vector>

namespace yardmark::cli {

struct CliContext;

/// The game in the file at `path`; a CliError naming the file when it cannot
/// be read or is damaged.
Game loadGameOrFail(const std::string &path);

/// The lock of the game file at `path`, held while a command writes it: a
/// game the program has open (here or on another computer sharing the
/// folder) is not written behind its back, but refused with a CliError that
/// says where it is open, as is one whose lock's name holds anything but a
/// lock. One held on another computer is taken when --take-over-lock says so.
std::unique_ptr<GameLock> lockGameForWriting(const std::string &path, const CliContext &context);

/// "cannot read WHAT PATH", or what the file is when it was refused as a
/// pipe, device, folder or a file larger than any of its kind.
std::string cannotReadText(const std::string &what, const std::string &path);

/// The --take-over-lock option of every command that writes a game.
void addTakeOverLockOption(CLI::App &command, CliContext &context);

/// A team file (.tem), or a comma-separated team list when the name ends in
/// "csv", as a full team with personal information; a CliError naming the
/// file when it cannot be read or is damaged.
Team loadTeamOrFail(const std::string &path);

/// The schedule in the file at `path`; a CliError naming the file when it
/// cannot be read or is damaged.
Schedule loadScheduleOrFail(const std::string &path);

/// The --period option of the game summary and team statistics:
/// game, 1st-half, 2nd-half, q1 .. q4.
void addPeriodOption(CLI::App &command, CliContext &context);
SummaryPeriod chosenPeriod(const CliContext &context);

/// The --format option with its choices, the first the default, and the
/// --output option every command that writes a report has beside it.
void addFormatOption(CLI::App &command, CliContext &context, const std::vector<std::string> &formats = {"csv", "html"});
/// HTML when --format chose it; otherwise the command's plain format.
ExportFormat chosenFormat(const CliContext &context);

} // namespace yardmark::cli
