#pragma once

#include "gameflow/gamesituation.h"
#include "records/game.h"
#include "records/settings.h"
#include "stats/playerfigures.h"

#include <functional>
#include <memory>
#include <string>

class QObject;

namespace yardmark {

/// Keeps the live page and feed of the open game up to date without holding
/// up the window: the game and its situation are copied on the window's
/// thread (microseconds), the files are built and written on a worker thread.
/// Changes that come while a write runs are folded into one more write of the
/// newest state. A write that hangs on a lost network drive holds up only
/// that worker: neither the window nor its closing waits for it.
class LiveWriter {
public:
    /// `warn` is told on the window's thread, with the folder, when the files
    /// cannot be written; once, until a write succeeds again.
    explicit LiveWriter(std::function<void(const std::string &folder)> warn);
    ~LiveWriter();
    LiveWriter(const LiveWriter &) = delete;
    LiveWriter &operator=(const LiveWriter &) = delete;

    /// The game changed: with a live output folder set, its files will be written.
    void changed(const Game &game, const GameSituation &situation, const Settings &settings);
    /// Waits until every change so far has been written or has failed (tests).
    void wait();

    /// Reads, on a thread of its own, the season of the game at `gamePath`
    /// (a schedule in its folder that lists it): once, after which every
    /// write counts the season to date. `ready` is told on the window's
    /// thread when the season has been read.
    void openSeason(const std::string &gamePath, const LeagueOptions &league, std::function<void()> ready);
    /// The season before the game as last read; null while it is read and
    /// when the game belongs to no season.
    std::shared_ptr<const SeasonFigures> season() const;
    /// Whether the season is still being read.
    bool readingSeason() const;

private:
    struct Shared;
    static void writeLoop(const std::shared_ptr<Shared> &shared);

    std::shared_ptr<Shared> m_shared;
    std::unique_ptr<QObject> m_context; ///< where warnings are delivered; gone with the writer
};

} // namespace yardmark
