#include "latestworker.h"

#include <condition_variable>
#include <mutex>
#include <thread>

namespace yardmark {

struct LatestWorker::State {
    std::mutex mutex;
    std::condition_variable idle;
    Job next; ///< the newest job not yet started
    bool running = false;
    bool closed = false;
    RunLater later;
};

LatestWorker::LatestWorker(RunLater later) : m_state(std::make_shared<State>())
{
    m_state->later = std::move(later);
}

LatestWorker::~LatestWorker()
{
    const std::lock_guard lock(m_state->mutex);
    m_state->closed = true;
    m_state->next = nullptr;
}

void LatestWorker::post(Job job)
{
    const std::lock_guard lock(m_state->mutex);
    m_state->next = std::move(job);
    if (m_state->running)
        return;
    m_state->running = true;
    // Detached: nothing waits for a thread held up by a disk that does not answer.
    std::thread([state = m_state] { run(state); }).detach();
}

void LatestWorker::run(const std::shared_ptr<State> &state)
{
    for (;;) {
        Job job;
        {
            const std::lock_guard lock(state->mutex);
            if (!state->next || state->closed) {
                state->running = false;
                state->idle.notify_all();
                return;
            }
            job = std::move(state->next);
            state->next = nullptr;
        }
        std::function<void()> result;
        try {
            result = job();
        } catch (...) {
            // A job that fails (out of memory on a huge season) ends with
            // nothing to hand over: it never takes the program down.
        }
        const std::lock_guard lock(state->mutex);
        // Handed over only while the worker is there, and run only if it
        // still is then (it goes on the receiver's thread, as this runs).
        if (result && !state->closed && state->later) {
            state->later([state, result = std::move(result)] {
                {
                    const std::lock_guard gone(state->mutex);
                    if (state->closed)
                        return;
                }
                result();
            });
        }
    }
}

bool LatestWorker::waitFor(std::chrono::milliseconds bound)
{
    std::unique_lock lock(m_state->mutex);
    return m_state->idle.wait_for(lock, bound, [this] { return !m_state->running; });
}

void LatestWorker::wait()
{
    std::unique_lock lock(m_state->mutex);
    m_state->idle.wait(lock, [this] { return !m_state->running; });
}

} // namespace yardmark
