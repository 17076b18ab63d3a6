#include "app/game/recoverywriter.h"

#include "records/gamefile.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace yardmark {

RecoveryWriter::RecoveryWriter(std::filesystem::path gameFile, std::filesystem::path stateDir,
                               std::function<void()> warn)
    : m_copy(std::move(gameFile), std::move(stateDir)), m_warn(std::move(warn))
{
}

RecoveryWriter::~RecoveryWriter()
{
    wait();
    if (m_worker.joinable())
        m_worker.join();
}

void RecoveryWriter::changed(const Game &game)
{
    std::vector<std::uint8_t> bytes = encodeGame(game);
    const std::lock_guard lock(m_mutex);
    m_next = std::move(bytes);
    if (m_running)
        return;
    m_running = true;
    // The worker of the last burst of changes has said it is done; it ends at once.
    if (m_worker.joinable())
        m_worker.join();
    m_worker = std::thread([this] { writeLoop(); });
}

void RecoveryWriter::writeLoop()
{
    for (;;) {
        std::vector<std::uint8_t> bytes;
        {
            const std::lock_guard lock(m_mutex);
            if (!m_next) {
                m_running = false;
                m_idle.notify_all();
                return;
            }
            bytes = std::move(*m_next);
            m_next.reset();
        }
        if (!m_copy.write(bytes) && !m_warned) {
            m_warned = true;
            // Scoring goes on; the scorer hears of it once.
            QMetaObject::invokeMethod(QCoreApplication::instance(), [warn = m_warn] {
                if (warn)
                    warn();
            });
        }
    }
}

void RecoveryWriter::wait()
{
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return !m_running; });
}

void RecoveryWriter::discard()
{
    {
        const std::lock_guard lock(m_mutex);
        m_next.reset();
    }
    wait();
    m_copy.remove();
}

} // namespace yardmark
