#pragma once

#include "records/recoverycopy.h"

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace yardmark {

/// Keeps the recovery copy of the open game up to date without holding up
/// the window: the game is encoded on the window's thread (well under a
/// millisecond) and written, flushed to disk, on a worker. Changes that come
/// while a write runs are folded into one more write of the newest game.
class RecoveryWriter {
public:
    /// `warn` is told once, on the window's thread, when no copy can be written.
    RecoveryWriter(std::filesystem::path gameFile, std::filesystem::path stateDir, std::function<void()> warn);
    ~RecoveryWriter();
    RecoveryWriter(const RecoveryWriter &) = delete;
    RecoveryWriter &operator=(const RecoveryWriter &) = delete;

    /// The game changed: its copy will be written.
    void changed(const Game &game);
    /// The game was saved or deliberately left unsaved: no copy is kept.
    void discard();
    /// Waits for the write under way (tests, closing).
    void wait();

private:
    void writeLoop();

    RecoveryCopy m_copy;
    std::function<void()> m_warn;
    std::mutex m_mutex;
    std::optional<std::vector<std::uint8_t>> m_next; ///< the newest game not yet written
    std::condition_variable m_idle;
    bool m_running = false;
    bool m_warned = false;
    std::thread m_worker;
};

} // namespace yardmark
