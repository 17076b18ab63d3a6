#include "seasontodate.h"

#include "schedulelist.h"

#include "base/safefile.h"
#include "stats/gameresult.h"
#include "stats/gameset.h"

#include <algorithm>
#include <tuple>

namespace yardmark {

namespace fs = std::filesystem;

struct SeasonToDate::EarlierGame {
    std::string stored; ///< the path the schedule names
    Stamp stamp;
    bool readable = false;
    std::string homeName;
    std::string visitorName;
    bool played = false;
    GameResult result;
    TeamFigures home;
    TeamFigures visitor;
};

namespace {

bool sameFile(const std::string &a, const std::string &b)
{
    std::error_code error;
    return fs::equivalent(a, b, error);
}

/// The first of the places an event's file is looked for that holds a file.
std::string foundFile(const std::string &stored, const std::string &scheduleFile)
{
    for (const std::string &candidate : eventFileCandidates(stored, scheduleFile)) {
        std::error_code error;
        if (fs::is_regular_file(candidate, error))
            return candidate;
    }
    return {};
}

auto when(const ScheduleEntry &entry)
{
    return std::tuple(entry.year, entry.month, entry.day, entry.hour, entry.minute);
}

} // namespace

std::string seasonScheduleOf(const std::string &gamePath, const std::string &openSchedule)
{
    const auto lists = [&gamePath](const std::string &scheduleFile) {
        Schedule schedule;
        if (loadSchedule(scheduleFile, schedule) != ScheduleLoadResult::Loaded)
            return false;
        return std::any_of(schedule.entries.begin(), schedule.entries.end(), [&](const ScheduleEntry &entry) {
            return entry.hasGameFile() && sameFile(foundFile(entry.gameFile, scheduleFile), gamePath);
        });
    };
    if (!openSchedule.empty() && lists(openSchedule))
        return openSchedule;
    std::vector<std::string> schedules;
    std::error_code error;
    for (fs::directory_iterator
             it(fs::path(gamePath).parent_path().empty() ? fs::path(".") : fs::path(gamePath).parent_path(), error),
         end;
         !error && it != end; it.increment(error)) {
        std::string extension = it->path().extension().string();
        std::transform(extension.begin(), extension.end(), extension.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (extension == ".sch")
            schedules.push_back(it->path().string());
    }
    std::sort(schedules.begin(), schedules.end());
    for (const std::string &schedule : schedules) {
        if (lists(schedule))
            return schedule;
    }
    return {};
}

SeasonToDate::SeasonToDate(std::string scheduleFile, std::string gamePath, const LeagueOptions &options)
    : m_scheduleFile(std::move(scheduleFile)), m_gamePath(std::move(gamePath)), m_options(options)
{
    // The earlier games are read by the first `figures`, which can be stopped.
    readSchedule();
}

SeasonToDate::~SeasonToDate() = default;

SeasonToDate::Stamp SeasonToDate::stampOf(const std::string &path)
{
    Stamp stamp;
    if (path.empty())
        return stamp;
    std::error_code error;
    const std::optional<std::int64_t> time = lastWriteTime(path);
    if (!time)
        return stamp;
    stamp.time = *time;
    stamp.size = fs::file_size(path, error);
    if (!error)
        stamp.path = path;
    return stamp;
}

void SeasonToDate::readSchedule()
{
    m_scheduleStamp = stampOf(m_scheduleFile);
    m_listed = false;
    m_earlier.clear();
    Schedule schedule;
    if (loadSchedule(m_scheduleFile, schedule) != ScheduleLoadResult::Loaded)
        return;
    const auto &entries = schedule.entries;
    const auto own = std::find_if(entries.begin(), entries.end(), [this](const ScheduleEntry &entry) {
        return entry.hasGameFile() && sameFile(foundFile(entry.gameFile, m_scheduleFile), m_gamePath);
    });
    if (own == entries.end())
        return;
    m_listed = true;
    for (auto it = entries.begin(); it != entries.end(); ++it) {
        const bool before = when(*it) < when(*own) || (when(*it) == when(*own) && it < own);
        if (before && it->hasGameFile())
            m_earlier.push_back(*it);
    }
}

std::optional<bool> SeasonToDate::refreshGames(const Progress &progress)
{
    // Keep what is still the same file; read the rest in one pass. Only the
    // two teams' sides are counted: the rest of the league is never shown.
    std::vector<EarlierGame> games(m_earlier.size());
    std::vector<std::string> toRead;
    std::vector<std::size_t> readInto;
    bool changed = games.size() != m_games.size();
    for (std::size_t i = 0; i < m_earlier.size(); ++i) {
        EarlierGame &game = games[i];
        game.stored = m_earlier[i].gameFile;
        game.stamp = stampOf(foundFile(game.stored, m_scheduleFile));
        const auto kept = std::find_if(m_games.begin(), m_games.end(), [&game](const EarlierGame &old) {
            return old.stored == game.stored && old.stamp == game.stamp;
        });
        if (kept != m_games.end() && !game.stamp.path.empty()) {
            game = *kept;
            changed = changed || kept - m_games.begin() != static_cast<std::ptrdiff_t>(i);
            continue;
        }
        changed = true;
        if (!game.stamp.path.empty()) {
            toRead.push_back(game.stamp.path);
            readInto.push_back(i);
        }
    }
    std::size_t current = 0; // the file being read: the reader tells after each one
    if (progress && !progress(0, toRead.size()))
        return std::nullopt;
    const GameFileReading reading = readGameFiles(
        toRead,
        [&](const Game &read) {
            EarlierGame &game = games[readInto[current]];
            game.readable = true;
            game.homeName = read.info.homeTeamName;
            game.visitorName = read.info.visitorTeamName;
            const auto ours = [this](const std::string &name) { return name == m_homeName || name == m_visitorName; };
            const bool home = ours(game.homeName);
            const bool visitor = ours(game.visitorName);
            game.played = (home || visitor) && hasResult(read);
            if (game.played)
                game.result = gameResult(read, m_options);
            if (home)
                game.home = gameFigures(read, true, m_options);
            if (visitor)
                game.visitor = gameFigures(read, false, m_options);
        },
        [&current, &progress, total = toRead.size()](std::size_t done) {
            current = done;
            return !progress || progress(done, total);
        });
    if (reading.cancelled)
        return std::nullopt;
    m_games = std::move(games);
    return changed;
}

std::shared_ptr<const SeasonFigures> SeasonToDate::sum(const std::string &homeName,
                                                       const std::string &visitorName) const
{
    auto figures = std::make_shared<SeasonFigures>();
    figures->schedule = m_scheduleFile;
    for (const EarlierGame &game : m_games) {
        if (!game.readable) {
            const auto candidates = eventFileCandidates(game.stored, m_scheduleFile);
            figures->leftOut.push_back(!game.stamp.path.empty() ? game.stamp.path
                                       : candidates.empty()     ? game.stored
                                                                : candidates.front());
            continue;
        }
        for (const bool home : {true, false}) {
            SeasonSide &side = home ? figures->home : figures->visitor;
            const std::string &name = home ? homeName : visitorName;
            // As the statistics find a team in a game: the visitor's name first.
            const bool asVisitor = game.visitorName == name;
            if (!asVisitor && game.homeName != name)
                continue;
            ++side.games;
            if (game.played)
                side.record.add(game.result, !asVisitor);
            side.players.add(asVisitor ? game.visitor : game.home);
        }
    }
    return figures;
}

std::shared_ptr<const SeasonFigures> SeasonToDate::figures(const Game &game, const Progress &progress)
{
    bool changed = false;
    if (stampOf(m_scheduleFile) != m_scheduleStamp) {
        readSchedule();
        changed = true;
    }
    if (!m_listed)
        return nullptr;
    const std::string &home = game.info.homeTeamName;
    const std::string &visitor = game.info.visitorTeamName;
    if (home != m_homeName || visitor != m_visitorName) {
        // Other teams: their sides of the earlier games were never counted.
        m_homeName = home;
        m_visitorName = visitor;
        m_games.clear();
        changed = true;
    }
    const std::optional<bool> refreshed = refreshGames(progress);
    if (!refreshed)
        return nullptr;
    changed = *refreshed || changed;
    if (changed || !m_figures)
        m_figures = sum(home, visitor);
    return m_figures;
}

} // namespace yardmark
