#include "schedulelist.h"

#include "calendardate.h"

#include "records/gamefile.h"
#include "stats/gameresult.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace yardmark {

GameLoader gameFileLoader()
{
    return [](const std::string &path, Game &game) { return loadGame(game, path); };
}

std::string listTimeText(int hour, int minute)
{
    char text[32];
    std::snprintf(text, sizeof text, "%d:%02d", hour, minute);
    return text;
}

std::string exportTimeText(int hour, int minute)
{
    char text[32];
    std::snprintf(text, sizeof text, "%2d:%02d", hour, minute);
    return text;
}

std::string_view lastPathComponent(std::string_view path)
{
    const std::size_t separator = path.find_last_of("\\/");
    return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

namespace {

struct Candidate {
    std::string path;
    bool byName; ///< the stored file's name alone: the file moved
};

std::vector<Candidate> candidatesOf(const std::string &stored, const std::string &scheduleFile)
{
    namespace fs = std::filesystem;
    std::vector<Candidate> candidates;
    const auto add = [&candidates](std::string path, bool byName) {
        const auto same = [&path](const Candidate &c) { return c.path == path; };
        if (!path.empty() && std::none_of(candidates.begin(), candidates.end(), same))
            candidates.push_back({std::move(path), byName});
    };
    if (stored.empty())
        return candidates;
    const fs::path folder = fs::path(scheduleFile).parent_path();
    // A path stored on Windows ("C:\\...", "\\server\\...") is never one to put beside the schedule.
    const bool relative = fs::path(stored).is_relative() && stored.find(':') == std::string::npos &&
                          stored.front() != '\\' && stored.front() != '/';
    const std::string name(lastPathComponent(stored));
    if (relative && !folder.empty())
        add((folder / stored).string(), false);
    add(stored, false);
    if (!folder.empty())
        add((folder / name).string(), true);
    add(name, true);
    return candidates;
}

} // namespace

std::vector<std::string> eventFileCandidates(const std::string &stored, const std::string &scheduleFile)
{
    std::vector<std::string> paths;
    for (Candidate &candidate : candidatesOf(stored, scheduleFile))
        paths.push_back(std::move(candidate.path));
    return paths;
}

RecordedGame loadRecordedGame(const ScheduleEntry &entry, const GameLoader &load, Game &game,
                              const std::string &scheduleFile)
{
    if (!entry.hasGameFile())
        return RecordedGame::None;
    for (const Candidate &candidate : candidatesOf(entry.gameFile, scheduleFile)) {
        Game loaded;
        if (load(candidate.path, loaded)) {
            game = std::move(loaded);
            return candidate.byName ? RecordedGame::FoundByName : RecordedGame::Found;
        }
    }
    return RecordedGame::Missing;
}

ScheduleRow scheduleRow(ScheduleEntry &entry, const GameLoader &load, RecordedGame &found, const LeagueOptions &options,
                        const std::string &scheduleFile)
{
    ScheduleRow row;
    row.date = monthDayYearText(entry.month, entry.day, entry.year);
    row.time = listTimeText(entry.hour, entry.minute);
    row.event = eventTypeText(entry.eventType);
    Game game;
    found = loadRecordedGame(entry, load, game, scheduleFile);
    switch (found) {
    case RecordedGame::None:
        row.home = entry.homeTeamName;
        row.visitor = entry.visitorTeamName;
        break;
    case RecordedGame::Found:
    case RecordedGame::FoundByName:
        row.home = game.info.homeTeamName;
        row.visitor = game.info.visitorTeamName;
        row.gameFile = entry.gameFile;
        row.result = resultText(game, options);
        break;
    case RecordedGame::Missing:
        entry.gameFile.clear();
        entry.homeTeamFile.clear();
        entry.visitorTeamFile.clear();
        break;
    }
    row.field = entry.field;
    row.note = entry.note;
    return row;
}

ScheduleRow keptScheduleRow(const ScheduleEntry &entry, const GameLoader &load, RecordedGame &found,
                            const LeagueOptions &options, const std::string &scheduleFile)
{
    ScheduleEntry copy = entry;
    ScheduleRow row = scheduleRow(copy, load, found, options, scheduleFile);
    if (found == RecordedGame::Missing) {
        row.home = entry.homeTeamName;
        row.visitor = entry.visitorTeamName;
        row.gameFile = entry.gameFile;
    }
    return row;
}

std::string missingFilesText(std::string_view what, const std::vector<std::string> &paths)
{
    constexpr std::size_t kListed = 8;
    std::string text = "Can't load ";
    text += what;
    text += "!\n";
    for (std::size_t i = 0; i < paths.size() && i < kListed; ++i)
        text += "\n" + paths[i];
    if (paths.size() > kListed)
        text += "\n... and " + std::to_string(paths.size() - kListed) + " more";
    text += paths.size() == 1 ? "\n\nIt is not beside the schedule or in the working directory either. The event "
                                "keeps it: put the file back and it is found again."
                              : "\n\nThey are not beside the schedule or in the working directory either. The "
                                "events keep them: put the files back and they are found again.";
    return text;
}

std::string missingFileText(std::string_view what, const std::string &path)
{
    return missingFilesText(what, {path});
}

std::vector<ScheduleRow> scheduleRows(Schedule &schedule, const GameLoader &load, std::vector<int> &missing,
                                      const LeagueOptions &options)
{
    std::vector<ScheduleRow> rows;
    rows.reserve(schedule.entries.size());
    missing.clear();
    for (int i = 0; i < schedule.count(); ++i) {
        RecordedGame found = RecordedGame::None;
        rows.push_back(scheduleRow(schedule.entries[i], load, found, options, schedule.fileName));
        if (found == RecordedGame::Missing)
            missing.push_back(i);
    }
    return rows;
}

} // namespace yardmark
