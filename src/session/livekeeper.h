#pragma once

#include "latestworker.h"

#include "gameflow/gamesituation.h"
#include "records/game.h"
#include "records/settings.h"
#include "stats/playerfigures.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace yardmark {

class SeasonToDate;

/// Keeps the live page and feed of the open game up to date without holding
/// up the window: the game and its situation are copied on the window's
/// thread (microseconds), the files are built and written on a worker.
/// Changes that come while a write runs are folded into one more write of the
/// newest state. A write that hangs on a lost network drive holds up only
/// that worker: neither the window nor its closing waits for it.
///
/// The season before the game is read once, on a worker of its own, and
/// every write after counts the season to date; a cancelled or failed read
/// leaves the page without the season.
class LiveKeeper {
public:
    struct Told {
        /// The files cannot be written to `folder`: once, until a write succeeds again.
        std::function<void(const std::string &folder)> cannotWrite;
        /// The season has been read (or its reading ended without it).
        std::function<void()> seasonRead;
        /// Game files of the season that cannot be read: each named once.
        std::function<void(const std::vector<std::string> &files)> leftOut;
    };

    /// What the keeper finds is told through `later`, on the window's thread.
    LiveKeeper(RunLater later, Told told);
    ~LiveKeeper();
    LiveKeeper(const LiveKeeper &) = delete;
    LiveKeeper &operator=(const LiveKeeper &) = delete;

    /// The game changed: with a live output folder set, its files will be written.
    void changed(const Game &game, const GameSituation &situation, const Settings &settings);
    /// Waits until the season has been read and every change so far has been
    /// written or has failed (tests).
    void wait();

    /// Reads the season of the game at `gamePath` (a schedule in its folder
    /// that lists it), once.
    void openSeason(const std::string &gamePath, const LeagueOptions &league);
    /// Stops reading the season: the page goes on without it.
    void cancelSeason();
    bool seasonCancelled() const;
    /// The season before the game as last read; null while it is read and
    /// when the game belongs to no season.
    std::shared_ptr<const SeasonFigures> season() const;
    /// Whether the season is still being read, and how far it is.
    bool readingSeason() const;
    struct Progress {
        std::size_t done = 0, total = 0;
    };
    Progress seasonProgress() const;

private:
    struct Shared;
    std::shared_ptr<Shared> m_shared;
    std::set<std::string> m_named; ///< the season's files already named as left out
    Told m_told;
    LatestWorker m_writer;
    LatestWorker m_reader;
    void leftOut(const std::shared_ptr<const SeasonFigures> &season);
};

} // namespace yardmark
