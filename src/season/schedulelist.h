#pragma once

#include "schedule.h"

#include "records/game.h"
#include "records/settings.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace yardmark {

/// Tries to load the game file at `path` into `game`; true when it loaded.
using GameLoader = std::function<bool(const std::string &path, Game &game)>;

/// Loads real game files.
GameLoader gameFileLoader();

// What the list shows when an entry's game file cannot be found anywhere.
inline constexpr const char *kMissingGameText = "Can't load game!";
inline constexpr const char *kMissingGameCaption = "File corrupt or missing?";

/// The texts of one row of the schedule list, in column order.
struct ScheduleRow {
    std::string date;
    std::string time;
    std::string event;
    std::string home;
    std::string visitor;
    std::string gameFile;
    std::string field;
    std::string note;
    std::string result; ///< the recorded game's final score, "19\x9616 OT"; empty before a play is recorded

    bool operator==(const ScheduleRow &) const = default;
};

/// "%d:%02d" as the list shows a time.
std::string listTimeText(int hour, int minute);
/// "%2d:%02d" as the exports and printouts write a time (" 9:05").
std::string exportTimeText(int hour, int minute);

/// The file name at the end of a stored path; both "\" (files made on
/// Windows) and "/" separate folders.
std::string_view lastPathComponent(std::string_view path);

/// Where the file an event names (its game or a team file) is looked for, in
/// order: a relative name beside the schedule file, the stored path as it
/// is, and then, for a file moved along with its schedule, the file's name
/// beside the schedule and in the working directory. The schedule's folder
/// comes first, so a season folder opened from anywhere (or moved whole)
/// finds its own files even when the working directory holds others of the
/// same names. `scheduleFile` empty: the stored path, then the name.
std::vector<std::string> eventFileCandidates(const std::string &stored, const std::string &scheduleFile);

enum class RecordedGame {
    None,        ///< the entry has no game file
    Found,       ///< loaded from its stored path (a relative one beside the schedule first)
    FoundByName, ///< the file moved: loaded by its name beside the schedule or in the working directory
    Missing,     ///< found nowhere
};

/// Loads the entry's recorded game from the first of its candidates that
/// loads (see eventFileCandidates); the game keeps the path it was read from.
RecordedGame loadRecordedGame(const ScheduleEntry &entry, const GameLoader &load, Game &game,
                              const std::string &scheduleFile = {});

/// The row of one entry. An entry whose game file is missing loses its game
/// file and both team files and shows them empty; the caller then warns with
/// sound 605 and kMissingGameText.
ScheduleRow scheduleRow(ScheduleEntry &entry, const GameLoader &load, RecordedGame &found, const LeagueOptions &options,
                        const std::string &scheduleFile = {});

/// The row of one entry, the entry left whole: when its game file is found
/// at none of its candidates, the row shows the
/// entry's own teams and the stored path, so that nothing is lost and a file
/// put back is found again.
ScheduleRow keptScheduleRow(const ScheduleEntry &entry, const GameLoader &load, RecordedGame &found,
                            const LeagueOptions &options, const std::string &scheduleFile = {});

/// The message about files events name that cannot be loaded, found neither
/// anywhere they are looked for: "Can't load game!" (or
/// team), the paths (the first eight and how many more) and that the events
/// keep them.
std::string missingFilesText(std::string_view what, const std::vector<std::string> &paths);
std::string missingFileText(std::string_view what, const std::string &path);

/// Every row of the list; `missing` receives the indexes whose game file was
/// cleared, one warning each.
std::vector<ScheduleRow> scheduleRows(Schedule &schedule, const GameLoader &load, std::vector<int> &missing,
                                      const LeagueOptions &options);

} // namespace yardmark
