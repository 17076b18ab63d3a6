#include "livekeeper.h"

#include "base/datetime.h"
#include "live/livefeed.h"
#include "records/gamefile.h"
#include "season/seasontodate.h"

#include <mutex>
#include <optional>

namespace yardmark {

struct LiveKeeper::Shared {
    /// What one write needs, copied from the window.
    struct Snapshot {
        Game game;
        GameSituation situation;
        Settings settings;
        DateTime now;
    };

    mutable std::mutex mutex;
    std::optional<Snapshot> next; ///< the newest state not yet written
    bool warned = false;
    /// The season's reader, handed from its reading to the writer; null
    /// while the writer uses it or when there is no season.
    std::unique_ptr<SeasonToDate> toDate;
    std::shared_ptr<const SeasonFigures> season;
    bool reading = false;
    std::atomic<bool> cancelled{false};
    std::atomic<std::size_t> done{0}, total{0};
};

LiveKeeper::LiveKeeper(RunLater later, Told told)
    : m_shared(std::make_shared<Shared>()), m_told(std::move(told)), m_writer(later), m_reader(later)
{
}

LiveKeeper::~LiveKeeper()
{
    // A read under way stops at its next file; a write finishes on its own.
    m_shared->cancelled = true;
}

void LiveKeeper::changed(const Game &game, const GameSituation &situation, const Settings &settings)
{
    if (settings.app.live.folder.empty() || game.readOnly)
        return;
    {
        const std::lock_guard lock(m_shared->mutex);
        m_shared->next = Shared::Snapshot{game, situation, settings, currentDateTime()};
    }
    m_writer.post([shared = m_shared, this]() -> std::function<void()> {
        std::optional<Shared::Snapshot> snapshot;
        std::unique_ptr<SeasonToDate> toDate;
        {
            const std::lock_guard lock(shared->mutex);
            snapshot = std::exchange(shared->next, std::nullopt);
            toDate = std::move(shared->toDate);
        }
        if (!snapshot)
            return {};
        // Only this game is counted again; the season's files only when they changed.
        const std::shared_ptr<const SeasonFigures> season = toDate ? toDate->figures(snapshot->game) : nullptr;
        const LiveOutputSettings &live = snapshot->settings.app.live;
        const bool written =
            writeLiveFiles(live.folder, liveFiles(snapshot->game, snapshot->situation, snapshot->settings, live.title,
                                                  snapshot->now, season.get()));
        const std::lock_guard lock(shared->mutex);
        if (toDate) {
            shared->toDate = std::move(toDate);
            shared->season = season;
        }
        if (written) {
            shared->warned = false;
            // Delivered only while the keeper is there (its worker bounds it).
            return season ? std::function<void()>([this, season] { leftOut(season); }) : nullptr;
        }
        if (shared->warned)
            return {};
        // Scoring goes on; the scorer hears of it once.
        shared->warned = true;
        return [this, folder = live.folder] {
            if (m_told.cannotWrite)
                m_told.cannotWrite(folder);
        };
    });
}

void LiveKeeper::leftOut(const std::shared_ptr<const SeasonFigures> &season)
{
    std::vector<std::string> unnamed;
    for (const std::string &file : season->leftOut) {
        if (m_named.insert(file).second)
            unnamed.push_back(file);
    }
    if (!unnamed.empty() && m_told.leftOut)
        m_told.leftOut(unnamed);
}

void LiveKeeper::openSeason(const std::string &gamePath, const LeagueOptions &league)
{
    {
        const std::lock_guard lock(m_shared->mutex);
        m_shared->reading = true;
    }
    m_reader.post([shared = m_shared, gamePath, league, this]() -> std::function<void()> {
        std::unique_ptr<SeasonToDate> toDate;
        std::shared_ptr<const SeasonFigures> season;
        try {
            const std::string schedule = seasonScheduleOf(gamePath);
            if (!schedule.empty())
                toDate = std::make_unique<SeasonToDate>(schedule, gamePath, league);
            Game game;
            if (toDate && loadGame(game, gamePath)) {
                season = toDate->figures(game, [&shared](std::size_t done, std::size_t total) {
                    shared->done = done;
                    shared->total = total;
                    return !shared->cancelled;
                });
            }
        } catch (...) {
            // A season that cannot be read leaves the page without it.
            season = nullptr;
        }
        {
            const std::lock_guard lock(shared->mutex);
            shared->reading = false;
            shared->season = season;
            if (season)
                shared->toDate = std::move(toDate);
        }
        return [this, season] {
            if (season)
                leftOut(season);
            if (m_told.seasonRead)
                m_told.seasonRead();
        };
    });
}

void LiveKeeper::cancelSeason()
{
    m_shared->cancelled = true;
}

bool LiveKeeper::seasonCancelled() const
{
    return m_shared->cancelled;
}

std::shared_ptr<const SeasonFigures> LiveKeeper::season() const
{
    const std::lock_guard lock(m_shared->mutex);
    return m_shared->season;
}

bool LiveKeeper::readingSeason() const
{
    const std::lock_guard lock(m_shared->mutex);
    return m_shared->reading;
}

LiveKeeper::Progress LiveKeeper::seasonProgress() const
{
    return {m_shared->done, m_shared->total};
}

void LiveKeeper::wait()
{
    m_reader.wait();
    m_writer.wait();
}

} // namespace yardmark
