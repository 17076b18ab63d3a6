#include "gameset.h"

#include "records/gamefile.h"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>

namespace yardmark {

namespace {

/// Reads game files ahead on worker threads while the calling thread looks at
/// them, one at a time and in the order given, so that whatever it adds up is
/// exactly what one thread reading the files in turn would add up. Each file
/// is read into a slot of its own; there are a few slots, each reused from
/// file to file, so memory stays flat however many files there are.
class GameFilePipeline {
public:
    GameFilePipeline(const std::vector<std::string> &paths, unsigned workerCount)
        : m_paths(paths), m_slots(std::max(workerCount, 1U) * kSlotsPerWorker)
    {
        m_workers.reserve(workerCount);
        for (unsigned i = 0; i < workerCount; ++i)
            m_workers.emplace_back([this] { work(); });
    }

    ~GameFilePipeline()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_stopping = true;
        }
        m_slotFreed.notify_all();
        for (std::thread &worker : m_workers)
            worker.join();
    }

    GameFilePipeline(const GameFilePipeline &) = delete;
    GameFilePipeline &operator=(const GameFilePipeline &) = delete;

    /// The game of file `index`, which must be the one after the last asked
    /// for, once read; null when it cannot be read. Valid until `release`.
    const Game *take(std::size_t index)
    {
        Slot &slot = slotOf(index);
        std::unique_lock lock(m_mutex);
        m_slotReady.wait(lock, [&] { return slot.state == SlotState::Ready && slot.index == index; });
        if (slot.failure)
            std::rethrow_exception(slot.failure);
        return slot.game;
    }

    /// Gives the slot of file `index` back for a file further on.
    void release(std::size_t index)
    {
        {
            const std::lock_guard lock(m_mutex);
            slotOf(index).state = SlotState::Free;
        }
        // Every reader waits for the same thing, the next file's slot.
        m_slotFreed.notify_one();
    }

private:
    static constexpr unsigned kSlotsPerWorker = 2;

    enum class SlotState { Free, Reading, Ready };

    struct Slot {
        GameFileReader reader;
        SlotState state = SlotState::Free;
        std::size_t index = 0;
        const Game *game = nullptr;
        std::exception_ptr failure;
    };

    Slot &slotOf(std::size_t index) { return m_slots[index % m_slots.size()]; }

    void work()
    {
        for (;;) {
            std::size_t index = 0;
            {
                std::unique_lock lock(m_mutex);
                // The slot of the next file is free once the file before it
                // in that slot has been looked at.
                m_slotFreed.wait(lock, [&] {
                    return m_stopping || m_nextToRead >= m_paths.size() ||
                           slotOf(m_nextToRead).state == SlotState::Free;
                });
                if (m_stopping || m_nextToRead >= m_paths.size())
                    return;
                index = m_nextToRead++;
                slotOf(index).state = SlotState::Reading;
            }
            Slot &slot = slotOf(index);
            const Game *game = nullptr;
            std::exception_ptr failure;
            try {
                game = slot.reader.read(m_paths[index]);
            } catch (...) {
                failure = std::current_exception();
            }
            {
                const std::lock_guard lock(m_mutex);
                slot.game = game;
                slot.failure = failure;
                slot.index = index;
                slot.state = SlotState::Ready;
            }
            m_slotReady.notify_one(); // only the thread looking at the games waits for it
        }
    }

    const std::vector<std::string> &m_paths;
    std::vector<Slot> m_slots;
    std::mutex m_mutex;
    std::condition_variable m_slotFreed;
    std::condition_variable m_slotReady;
    std::size_t m_nextToRead = 0;
    bool m_stopping = false;
    std::vector<std::thread> m_workers;
};

/// Readers besides the thread that looks at the games: on two cores one
/// reads and decodes while the other adds up.
unsigned readerThreads()
{
    const unsigned cores = std::thread::hardware_concurrency();
    return std::clamp(cores > 1 ? cores - 1 : 1U, 1U, 3U);
}

} // namespace

std::optional<bool> teamIsHome(const Game &game, std::string_view teamName)
{
    if (game.info.visitorTeamName == teamName)
        return false;
    if (game.info.homeTeamName == teamName)
        return true;
    return std::nullopt;
}

GameFileReading readGameFiles(const std::vector<std::string> &paths, const std::function<void(const Game &)> &visit,
                              const GameFileProgress &progress)
{
    GameFileReading reading;
    // After each file: false when the reading is to stop there.
    const auto look = [&](std::size_t i, const Game *game) {
        if (game != nullptr)
            visit(*game);
        else
            reading.unreadable.push_back(paths[i]);
        if (progress && !progress(i + 1)) {
            reading.cancelled = i + 1 < paths.size();
            return false;
        }
        return true;
    };
    if (paths.size() < 2) {
        GameFileReader reader;
        for (std::size_t i = 0; i < paths.size(); ++i) {
            if (!look(i, reader.read(paths[i])))
                break;
        }
        return reading;
    }
    GameFilePipeline pipeline(paths, readerThreads());
    for (std::size_t i = 0; i < paths.size(); ++i) {
        const bool goOn = look(i, pipeline.take(i));
        pipeline.release(i);
        if (!goOn)
            break;
    }
    return reading;
}

std::string unreadableFilesMessage(const std::vector<std::string> &unreadable)
{
    if (unreadable.empty())
        return {};
    std::string text =
        std::to_string(unreadable.size()) + (unreadable.size() == 1 ? " file" : " files") + " could not be read:";
    for (const std::string &path : unreadable)
        text += "\n" + path;
    return text;
}

int forEachGameFile(const std::vector<std::string> &paths, const std::function<void(const Game &)> &visit)
{
    return static_cast<int>(readGameFiles(paths, visit, {}).unreadable.size());
}

} // namespace yardmark
