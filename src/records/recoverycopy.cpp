#include "recoverycopy.h"

#include "base/atomicfile.h"
#include "base/safefile.h"
#include "gamefile.h"

#include <cstdlib>
#include <system_error>
#include <utility>

namespace yardmark {

namespace fs = std::filesystem;

fs::path recoveryPathFor(const fs::path &gameFile)
{
    return gameFile.parent_path() / ("." + gameFile.filename().string() + ".recovery");
}

fs::path stateRecoveryPathFor(const fs::path &gameFile, const fs::path &stateDir)
{
    // Native text, so that a name outside the ANSI code page survives on Windows.
    auto flat = fs::absolute(gameFile).lexically_normal().native();
    for (auto &c : flat) {
        if (c == '/' || c == '\\' || c == ':')
            c = '%';
    }
    fs::path name(std::move(flat));
    name += ".recovery";
    return stateDir / name;
}

fs::path defaultStateDir()
{
#ifdef _WIN32
    // The user's local (not roaming) application data: a recovery copy
    // belongs to this machine.
    if (const wchar_t *local = _wgetenv(L"LOCALAPPDATA"); local && *local)
        return fs::path(local) / "yardmark";
    return {};
#else
    if (const char *state = std::getenv("XDG_STATE_HOME"); state && *state)
        return fs::path(state) / "yardmark";
    if (const char *home = std::getenv("HOME"); home && *home)
        return fs::path(home) / ".local" / "state" / "yardmark";
    return {};
#endif
}

RecoveryCopy::RecoveryCopy(fs::path gameFile, fs::path stateDir)
    : m_gameFile(std::move(gameFile)), m_stateDir(std::move(stateDir))
{
}

bool RecoveryCopy::write(const Game &game)
{
    return write(encodeGame(game));
}

bool RecoveryCopy::write(const std::vector<std::uint8_t> &bytes)
{
    const fs::path beside = recoveryPathFor(m_gameFile);
    if (writeOwnFileAtomically(beside, std::string_view(reinterpret_cast<const char *>(bytes.data()), bytes.size()))) {
        m_written = beside;
        return true;
    }
    if (m_stateDir.empty())
        return false;
    std::error_code error;
    fs::create_directories(m_stateDir, error);
    const fs::path kept = stateRecoveryPathFor(m_gameFile, m_stateDir);
    if (!writeOwnFileAtomically(kept, std::string_view(reinterpret_cast<const char *>(bytes.data()), bytes.size())))
        return false;
    m_written = kept;
    return true;
}

namespace {

// Removes the program's own file; whatever else has its name stays.
void removeOwnFile(const fs::path &path)
{
    std::error_code error;
    if (fs::is_regular_file(fs::symlink_status(path, error)))
        fs::remove(path, error);
}

} // namespace

void RecoveryCopy::remove()
{
    removeOwnFile(recoveryPathFor(m_gameFile));
    if (!m_stateDir.empty())
        removeOwnFile(stateRecoveryPathFor(m_gameFile, m_stateDir));
    m_written.clear();
}

namespace {

fs::path lastGameFile(const fs::path &stateDir)
{
    return stateDir / "last-game";
}

} // namespace

void rememberLastGame(const fs::path &stateDir, const fs::path &gameFile)
{
    if (stateDir.empty())
        return;
    std::error_code error;
    fs::create_directories(stateDir, error);
    writeOwnFileAtomically(lastGameFile(stateDir), fs::absolute(gameFile, error).string());
}

void forgetLastGame(const fs::path &stateDir)
{
    if (!stateDir.empty())
        removeOwnFile(lastGameFile(stateDir));
}

std::optional<fs::path> lastGame(const fs::path &stateDir)
{
    std::vector<std::uint8_t> bytes;
    if (stateDir.empty() || !readWholeFile(lastGameFile(stateDir), bytes, kMaxStateFileSize, Links::Refuse) ||
        bytes.empty())
        return std::nullopt;
    return fs::path(std::string(bytes.begin(), bytes.end()));
}

std::optional<RecoveryOffer> findRecovery(const fs::path &gameFile, const fs::path &stateDir, fs::path *damaged)
{
    std::error_code error;
    const std::optional<std::int64_t> savedTime = lastWriteTime(gameFile);
    const bool saved = savedTime.has_value();
    std::vector<fs::path> candidates{recoveryPathFor(gameFile)};
    if (!stateDir.empty())
        candidates.push_back(stateRecoveryPathFor(gameFile, stateDir));
    for (const fs::path &candidate : candidates) {
        // Only the program's own copy: a link or pipe planted at its name is no copy.
        if (!fs::is_regular_file(fs::symlink_status(candidate, error)))
            continue;
        const std::optional<std::int64_t> copyTime = lastWriteTime(candidate);
        if (!copyTime || (saved && *copyTime <= *savedTime))
            continue;
        RecoveryOffer offer;
        offer.path = candidate;
        if (!loadGame(offer.recovered, candidate.string())) {
            if (damaged)
                *damaged = candidate;
            continue;
        }
        offer.recovered.fileName = gameFile.string();
        Game savedGame;
        offer.savedPlays = saved && loadGame(savedGame, gameFile.string()) ? savedGame.playCount() : -1;
        return offer;
    }
    return std::nullopt;
}

} // namespace yardmark
