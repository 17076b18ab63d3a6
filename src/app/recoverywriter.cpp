#include "recoverywriter.h"

#include "records/gamefile.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QtConcurrent/QtConcurrentRun>

namespace yardmark {

RecoveryWriter::RecoveryWriter(std::filesystem::path gameFile, std::filesystem::path stateDir,
                               std::function<void()> warn)
    : m_copy(std::move(gameFile), std::move(stateDir)), m_warn(std::move(warn))
{
}

RecoveryWriter::~RecoveryWriter()
{
    wait();
}

void RecoveryWriter::changed(const Game &game)
{
    std::vector<std::uint8_t> bytes = encodeGame(game);
    const std::lock_guard lock(m_mutex);
    m_next = std::move(bytes);
    if (m_running)
        return;
    m_running = true;
    m_worker = QtConcurrent::run([this] { writeLoop(); });
}

void RecoveryWriter::writeLoop()
{
    for (;;) {
        std::vector<std::uint8_t> bytes;
        {
            const std::lock_guard lock(m_mutex);
            if (!m_next) {
                m_running = false;
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
    m_worker.waitForFinished();
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
