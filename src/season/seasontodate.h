#pragma once

#include "schedule.h"

#include "records/game.h"
#include "records/settings.h"
#include "stats/playerfigures.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace yardmark {

/// The schedule that lists the game file at `gamePath`: `openSchedule` when
/// it does, otherwise the first schedule file (.sch, by name) in the game's
/// folder that does; empty when none lists it.
std::string seasonScheduleOf(const std::string &gamePath, const std::string &openSchedule = {});

/// A game's season before the game: each team's record and its players'
/// figures over the schedule's games dated before it (the schedule's order
/// for games of one date and time). The schedule's own list decides which
/// games count, so a team of the same name in another season never does.
/// The earlier games are read at the first `figures` (and again when the
/// game's team names change); after that only what changed on disk (by file
/// time and size) is read again. Not thread-safe: one owner.
class SeasonToDate {
public:
    /// The season of the game at `gamePath` as `scheduleFile` holds it.
    SeasonToDate(std::string scheduleFile, std::string gamePath, const LeagueOptions &options);
    ~SeasonToDate();
    SeasonToDate(const SeasonToDate &) = delete;
    SeasonToDate &operator=(const SeasonToDate &) = delete;

    /// Whether the schedule lists the game (as last read).
    bool listsGame() const { return m_listed; }

    /// The season of the game's two teams, by their names in `game`, after
    /// reading again whatever changed on disk. A game file that is missing
    /// or cannot be read is left out and named in `leftOut`. Null when the
    /// schedule does not list the game. `progress` is told how many of the
    /// files to read are done, of how many; false stops the reading, and the
    /// figures are null then (what was read before stays as it was).
    using Progress = std::function<bool(std::size_t done, std::size_t total)>;
    std::shared_ptr<const SeasonFigures> figures(const Game &game, const Progress &progress = {});

private:
    struct Stamp {
        std::string path;      ///< where the file was found; empty for none
        std::int64_t time = 0; ///< when it was last written (lastWriteTime)
        std::uintmax_t size = 0;
        bool operator==(const Stamp &) const = default;
    };
    struct EarlierGame;

    static Stamp stampOf(const std::string &path);
    void readSchedule();
    /// Whether anything changed; none when `progress` stopped the reading.
    std::optional<bool> refreshGames(const Progress &progress);
    std::shared_ptr<const SeasonFigures> sum(const std::string &homeName, const std::string &visitorName) const;

    std::string m_scheduleFile;
    std::string m_gamePath;
    LeagueOptions m_options;
    Stamp m_scheduleStamp;
    bool m_listed = false;
    std::vector<ScheduleEntry> m_earlier;
    std::vector<EarlierGame> m_games;
    std::shared_ptr<const SeasonFigures> m_figures;
    std::string m_homeName;
    std::string m_visitorName;
};

} // namespace yardmark
