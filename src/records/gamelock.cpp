#include "gamelock.h"
#include "gamelockplatform.h"

#include "base/atomicfile.h"
#include "base/datetime.h"
#include "recoverycopy.h"

#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

namespace yardmark {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kFirstLine = "Football Yardmark lock";

// The lock file says it is guarded: its holder keeps it open with an
// operating-system lock, which ends with the holder's process however that
// ends. A lock without this line is from a program that only wrote it.
constexpr std::string_view kGuardLine = "guard open-file lock";

} // namespace

std::string readLockText(const fs::path &path)
{
    std::vector<std::uint8_t> bytes;
    if (!readWholeFile(path, bytes, kMaxLockFileSize, Links::Refuse))
        return {};
    return std::string(bytes.begin(), bytes.end());
}

std::string environmentText(const char *name)
{
    const char *value = std::getenv(name);
    return value ? value : "";
}

LockHolder thisProgram()
{
    LockHolder self;
    self.processId = currentProcessId();
    self.user = currentUser();
    self.host = hostName();
    const DateTime now = currentDateTime();
    char since[32];
    std::snprintf(since, sizeof since, "%04d-%02d-%02d %02d:%02d:%02d", now.year, now.month, now.day, now.hour,
                  now.minute, now.second);
    self.since = since;
    return self;
}

fs::path realGamePath(const fs::path &gameFile)
{
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(gameFile, error)))
        return gameFile;
    const fs::path real = fs::canonical(gameFile, error);
    return error ? gameFile : real;
}

fs::path lockPathFor(const fs::path &gameFile)
{
    return gameFile.parent_path() / ("." + gameFile.filename().string() + ".lock");
}

fs::path stateLockPathFor(const fs::path &gameFile, const fs::path &stateDir)
{
    fs::path path = stateRecoveryPathFor(gameFile, stateDir);
    path.replace_extension(".lock");
    return path;
}

std::string lockText(const LockHolder &holder)
{
    return std::string(kFirstLine) + "\nprocess " + std::to_string(holder.processId) + "\nhost " + holder.host +
           "\nuser " + holder.user + "\nsince " + holder.since + "\n" + std::string(kGuardLine) + "\n";
}

std::optional<LockHolder> parseLock(std::string_view text)
{
    LockHolder holder;
    bool first = true;
    bool hasProcess = false;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (first) {
            if (line != kFirstLine)
                return std::nullopt;
            first = false;
            continue;
        }
        const std::size_t blank = line.find(' ');
        const std::string_view key = line.substr(0, blank);
        const std::string_view value = blank == std::string_view::npos ? std::string_view() : line.substr(blank + 1);
        if (key == "process") {
            const auto [ptr, error] = std::from_chars(value.data(), value.data() + value.size(), holder.processId);
            hasProcess = error == std::errc() && ptr == value.data() + value.size() && holder.processId > 0;
        } else if (key == "host") {
            holder.host = value;
        } else if (key == "user") {
            holder.user = value;
        } else if (key == "since") {
            holder.since = value;
        }
    }
    if (!hasProcess)
        return std::nullopt;
    return holder;
}

GameLock::GameLock(LockHolder self, std::function<bool(std::int64_t)> running)
    : m_self(std::move(self)), m_running(std::move(running))
{
}

GameLock::~GameLock()
{
    release();
}

LockResult GameLock::take(const fs::path &gameFile, const fs::path &stateDir, bool takeOverFromOtherHost)
{
    release();
    m_holder.reset();
    m_blocked.clear();
    m_blockedText.clear();
    std::vector<fs::path> places{lockPathFor(gameFile)};
    if (!stateDir.empty())
        places.push_back(stateLockPathFor(gameFile, stateDir));
    for (const fs::path &place : places) {
        const std::optional<LockResult> result = takeAt(place, takeOverFromOtherHost);
        if (result)
            return *result;
    }
    return LockResult::NotLockable;
}

bool GameLock::HeldFile::create(const fs::path &path, const std::string &text, bool &exists)
{
    if (!createEmpty(path, exists))
        return false;
    if (!write(text)) {
        // A lock that says nothing would look damaged to every program after.
        close();
        std::error_code error;
        fs::remove(path, error);
        return false;
    }
    m_path = path;
    return true;
}

std::optional<LockResult> GameLock::takeAt(const fs::path &place, bool takeOverFromOtherHost)
{
    const std::string text = lockText(m_self);
    // A few rounds: a holder may let go, or a crashed session's lock be
    // cleared, between one look and the next.
    for (int attempt = 0; attempt < 4; ++attempt) {
        auto file = std::make_unique<HeldFile>();
        bool exists = false;
        if (file->create(place, text, exists)) {
            m_held = std::move(file);
            m_lockFile = place;
            return LockResult::Taken;
        }
        if (!exists)
            return std::nullopt; // this place cannot be written: the next one

        const HeldFile::Open open = file->openExisting(place);
        if (open == HeldFile::Open::Missing)
            continue;
        if (open == HeldFile::Open::NotAFile)
            return blockedBy(place, notRegularFileKind(place));
        const std::string found = readLockText(place);
        if (lastFileRefusal() == FileRefusal::NotRegularFile)
            return blockedBy(place, notRegularFileKind(place));
        const std::optional<LockHolder> holder = parseLock(found);
        // Whatever else a club member left at the lock's name stays as it is.
        if (!holder && !found.empty() && !found.starts_with(kFirstLine) && open != HeldFile::Open::HeldByOther)
            return blockedBy(place, "a file that is not a lock");
        if (holder && holder->host != m_self.host) {
            // Whether it still runs there is unknown: the scorer decides.
            if (!takeOverFromOtherHost) {
                m_holder = holder;
                return LockResult::HeldElsewhere;
            }
        } else if (open == HeldFile::Open::HeldByOther) {
            // This program's own lock, held for a game it has open already.
            if (holder && holder->processId == m_self.processId) {
                m_lockFile = place;
                return LockResult::Taken;
            }
            // Just taken, not written yet: the holder is named once it has.
            if (!holder && attempt + 1 < 4) {
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
                continue;
            }
            m_holder = holder ? *holder : LockHolder{0, m_self.host, "", ""};
            return LockResult::HeldHere;
        } else if (holder && holder->processId != m_self.processId && m_running(holder->processId) &&
                   (open == HeldFile::Open::Unguardable || found.find(kGuardLine) == std::string::npos)) {
            // Nothing tells whether a program that only wrote its lock still
            // has the game: its process running says it does.
            m_holder = holder;
            return LockResult::HeldHere;
        }
        // A lock nobody holds: a crashed session's, or one being taken over.
        if (open == HeldFile::Open::Held && file->write(text)) {
            m_held = std::move(file);
            m_lockFile = place;
            return LockResult::Taken;
        }
        file.reset();
        std::error_code error;
        fs::remove(place, error);
    }
    return std::nullopt;
}

LockResult GameLock::blockedBy(const fs::path &place, const std::string &what)
{
    m_blocked = place;
    m_blockedText = "The game cannot be locked: " + place.string() + " is " + what +
                    ", not a lock of Football Yardmark. It is left as it is.";
    return LockResult::Blocked;
}

void GameLock::release()
{
    if (m_held)
        m_held->remove(m_self);
    m_held.reset();
    m_lockFile.clear();
}

std::string whereGameIsOpen(const LockHolder &holder, const LockHolder &self)
{
    const std::string process = "(process " + std::to_string(holder.processId) + ", since " + holder.since + ")";
    if (holder.host != self.host)
        return "in Football Yardmark of the user " + holder.user + " on the computer " + holder.host + " " + process;
    if (holder.user != self.user)
        return "in Football Yardmark of the user " + holder.user + " on this computer " + process;
    return "in another Football Yardmark window on this computer " + process;
}

} // namespace yardmark
