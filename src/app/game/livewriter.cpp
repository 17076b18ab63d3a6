#include "app/game/livewriter.h"

#include "base/datetime.h"
#include "live/livefeed.h"
#include "season/seasontodate.h"

#include "records/gamefile.h"

#include <QMetaObject>
#include <QObject>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

namespace yardmark {

namespace {

/// What one write needs, copied from the window.
struct Snapshot {
    Game game;
    GameSituation situation;
    Settings settings;
    DateTime now;
};

} // namespace

struct LiveWriter::Shared {
    std::mutex mutex;
    std::condition_variable idle;
    std::optional<Snapshot> next; ///< the newest state not yet written
    bool running = false;
    bool warned = false;
    bool closed = false;
    QObject *context = nullptr;
    std::function<void(const std::string &)> warn;
    /// The season's reader, handed between the thread that opens it and the
    /// writer; null while either uses it or when there is no season.
    std::unique_ptr<SeasonToDate> toDate;
    std::shared_ptr<const SeasonFigures> season;
    bool readingSeason = false;
};

LiveWriter::LiveWriter(std::function<void(const std::string &folder)> warn)
    : m_shared(std::make_shared<Shared>()), m_context(std::make_unique<QObject>())
{
    m_shared->context = m_context.get();
    m_shared->warn = std::move(warn);
}

LiveWriter::~LiveWriter()
{
    // A worker still writing finishes on its own and tells nobody.
    const std::lock_guard lock(m_shared->mutex);
    m_shared->closed = true;
    m_shared->next.reset();
}

void LiveWriter::changed(const Game &game, const GameSituation &situation, const Settings &settings)
{
    if (settings.app.live.folder.empty())
        return;
    Snapshot snapshot{game, situation, settings, currentDateTime()};
    const std::lock_guard lock(m_shared->mutex);
    m_shared->next = std::move(snapshot);
    if (m_shared->running)
        return;
    m_shared->running = true;
    std::thread([shared = m_shared] { writeLoop(shared); }).detach();
}

void LiveWriter::writeLoop(const std::shared_ptr<Shared> &shared)
{
    for (;;) {
        Snapshot snapshot;
        {
            const std::lock_guard lock(shared->mutex);
            if (!shared->next || shared->closed) {
                shared->running = false;
                shared->idle.notify_all();
                return;
            }
            snapshot = std::move(*shared->next);
            shared->next.reset();
        }
        std::unique_ptr<SeasonToDate> toDate;
        {
            const std::lock_guard lock(shared->mutex);
            toDate = std::move(shared->toDate);
        }
        // Only this game is counted again; the season's files only when they changed.
        const std::shared_ptr<const SeasonFigures> season = toDate ? toDate->figures(snapshot.game) : nullptr;
        const LiveOutputSettings &live = snapshot.settings.app.live;
        const bool written = writeLiveFiles(live.folder, liveFiles(snapshot.game, snapshot.situation, snapshot.settings,
                                                                   live.title, snapshot.now, season.get()));
        const std::lock_guard lock(shared->mutex);
        if (toDate) {
            shared->toDate = std::move(toDate);
            shared->season = season;
        }
        if (written) {
            shared->warned = false;
        } else if (!shared->warned && !shared->closed) {
            // Scoring goes on; the scorer hears of it once.
            shared->warned = true;
            QMetaObject::invokeMethod(
                shared->context, [warn = shared->warn, folder = live.folder] { warn(folder); }, Qt::QueuedConnection);
        }
    }
}

void LiveWriter::openSeason(const std::string &gamePath, const LeagueOptions &league, std::function<void()> ready)
{
    {
        const std::lock_guard lock(m_shared->mutex);
        m_shared->readingSeason = true;
    }
    std::thread([shared = m_shared, gamePath, league, ready = std::move(ready)] {
        const std::string schedule = seasonScheduleOf(gamePath);
        auto toDate = schedule.empty() ? nullptr : std::make_unique<SeasonToDate>(schedule, gamePath, league);
        Game game;
        const bool loaded = toDate && loadGame(game, gamePath);
        const std::shared_ptr<const SeasonFigures> season = loaded ? toDate->figures(game) : nullptr;
        const std::lock_guard lock(shared->mutex);
        shared->readingSeason = false;
        if (shared->closed)
            return;
        shared->season = season;
        if (season)
            shared->toDate = std::move(toDate);
        QMetaObject::invokeMethod(shared->context, ready, Qt::QueuedConnection);
    }).detach();
}

std::shared_ptr<const SeasonFigures> LiveWriter::season() const
{
    const std::lock_guard lock(m_shared->mutex);
    return m_shared->season;
}

bool LiveWriter::readingSeason() const
{
    const std::lock_guard lock(m_shared->mutex);
    return m_shared->readingSeason;
}

void LiveWriter::wait()
{
    std::unique_lock lock(m_shared->mutex);
    m_shared->idle.wait(lock, [this] { return !m_shared->running; });
}

} // namespace yardmark
