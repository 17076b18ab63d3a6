#pragma once

#include <chrono>
#include <functional>
#include <memory>

namespace yardmark {

/// Runs `work` once the program is back in its event loop, on the thread of
/// the windows (after the windows that are closing have gone).
using RunLater = std::function<void(std::function<void()> work)>;

/// Work kept off the window's thread, newest first: a job posted while one
/// runs replaces the one waiting (only the newest game, page or list is worth
/// writing or reading). What a job returns is handed back through `later` on
/// the receiver's thread, and only while the worker is there: its owner
/// bounds every delivery. Going, the worker never waits for a job that hangs
/// on a disk; that job ends on its own, delivering nothing.
class LatestWorker {
public:
    /// Runs on the worker; what it returns (may be empty) runs on the
    /// receiver's thread.
    using Job = std::function<std::function<void()>()>;

    explicit LatestWorker(RunLater later);
    ~LatestWorker();
    LatestWorker(const LatestWorker &) = delete;
    LatestWorker &operator=(const LatestWorker &) = delete;

    void post(Job job);
    /// Waits at most `bound` for every job posted so far; false when one is
    /// still running or waiting then.
    bool waitFor(std::chrono::milliseconds bound);
    /// Waits for every job posted so far (tests).
    void wait();

private:
    struct State;
    static void run(const std::shared_ptr<State> &state);

    std::shared_ptr<State> m_state;
};

} // namespace yardmark
