#include "recoverykeeper.h"

#include "records/gamefile.h"
#include "records/recoverycopy.h"

#include <mutex>
#include <optional>
#include <utility>
#include <vector>

namespace yardmark {

namespace fs = std::filesystem;

namespace {

constexpr std::chrono::milliseconds kSavedCopyBound{2000};

} // namespace

/// One game file's copy, used on the worker only once made.
struct RecoveryKeeper::Copy {
    Copy(fs::path gameFile, fs::path stateDir) : copy(std::move(gameFile), std::move(stateDir)) {}
    RecoveryCopy copy;
    bool warned = false; ///< the scorer heard it cannot be written
};

/// What the disk is still to be told, folded as changes come.
struct RecoveryKeeper::Pending {
    std::mutex mutex;
    std::vector<std::shared_ptr<Copy>> removals;
    std::optional<fs::path> note; ///< the last game to remember; empty path: forget it
    std::shared_ptr<Copy> copy;
    std::vector<std::uint8_t> bytes; ///< the newest game for `copy`
};

RecoveryKeeper::RecoveryKeeper(UserInterface &ui, RunLater later, StateDir stateDir, DiskStep beforeDisk)
    : m_ui(ui), m_stateDir(std::move(stateDir)), m_beforeDisk(std::move(beforeDisk)),
      m_pending(std::make_shared<Pending>()), m_worker(std::move(later))
{
}

RecoveryKeeper::~RecoveryKeeper() = default;

void RecoveryKeeper::post()
{
    m_worker.post(
        [pending = m_pending, stateDir = m_stateDir(), before = m_beforeDisk, ui = &m_ui]() -> std::function<void()> {
            Pending now;
            {
                const std::lock_guard lock(pending->mutex);
                now.removals = std::exchange(pending->removals, {});
                now.note = std::exchange(pending->note, std::nullopt);
                now.copy = std::exchange(pending->copy, nullptr);
                now.bytes = std::exchange(pending->bytes, {});
            }
            if (before)
                before();
            for (const std::shared_ptr<Copy> &gone : now.removals)
                gone->copy.remove();
            if (now.note && now.note->empty())
                forgetLastGame(stateDir);
            else if (now.note)
                rememberLastGame(stateDir, *now.note);
            if (!now.copy || now.copy->copy.write(now.bytes) || now.copy->warned)
                return {};
            // Scoring goes on; the scorer hears of it once. The keeper (and with it
            // `ui`) outlives every delivery of its worker.
            now.copy->warned = true;
            return [ui] {
                ui->playSound(kWarningSound);
                ui->message(kNoRecoveryCopyText, "Recovery Copy", MessageButtons::Ok, MessageIcon::Warning);
            };
        });
}

void RecoveryKeeper::follow(const Game &game)
{
    if (game.readOnly)
        return;
    const fs::path gameFile = game.fileName.empty() || game.fileName == kUnsavedGameName
                                  ? m_stateDir() / "unsaved game.gam"
                                  : fs::path(game.fileName);
    if (m_copy && m_gameFile == gameFile)
        return;
    m_gameFile = gameFile;
    m_copy = std::make_shared<Copy>(gameFile, m_stateDir());
    {
        const std::lock_guard lock(m_pending->mutex);
        m_pending->note = gameFile;
    }
    post();
}

void RecoveryKeeper::changed(const Game &asSaved)
{
    if (!m_copy)
        return;
    std::vector<std::uint8_t> bytes = encodeGame(asSaved);
    {
        const std::lock_guard lock(m_pending->mutex);
        m_pending->copy = m_copy;
        m_pending->bytes = std::move(bytes);
    }
    post();
}

void RecoveryKeeper::discard()
{
    // A copy still waiting to be written is not written at all.
    const std::lock_guard lock(m_pending->mutex);
    m_pending->copy = nullptr;
    m_pending->bytes.clear();
    m_pending->removals.push_back(m_copy);
}

void RecoveryKeeper::saved(const Game &game)
{
    if (!m_copy)
        return;
    discard();
    post();
    follow(game);
    // The save itself went to the disk from the window's thread: its copy
    // goes with it, waited for no longer than a disk that answers takes.
    m_worker.waitFor(kSavedCopyBound);
}

bool RecoveryKeeper::close(bool keepCopy, std::chrono::milliseconds bound)
{
    if (!m_copy)
        return true;
    if (!keepCopy) {
        discard();
        const std::lock_guard lock(m_pending->mutex);
        m_pending->note = fs::path();
    }
    post();
    const fs::path gameFile = std::exchange(m_gameFile, {});
    m_copy.reset();
    if (m_worker.waitFor(bound))
        return true;
    // A disk that does not answer (a lost network share) never holds the
    // program: the scorer learns what the next start will find.
    m_ui.playSound(kWarningSound);
    m_ui.message("The disk of the recovery copy does not answer:\n" + recoveryPathFor(gameFile).string() +
                     (keepCopy ? "\n\nThe copy may not hold the last plays."
                               : "\n\nThe copy may still be there: the next start may offer it again."),
                 "Recovery Copy", MessageButtons::Ok, MessageIcon::Warning);
    return false;
}

} // namespace yardmark
