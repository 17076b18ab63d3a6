#include "gamelock.h"

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

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#else
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace yardmark {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kFirstLine = "Football Yardmark lock";

std::string environment(const char *name)
{
    const char *value = std::getenv(name);
    return value ? value : "";
}

std::string hostName()
{
#ifdef _WIN32
    char name[MAX_COMPUTERNAME_LENGTH + 1];
    DWORD size = sizeof name;
    if (GetComputerNameA(name, &size))
        return std::string(name, size);
    return environment("COMPUTERNAME");
#else
    char name[256] = {};
    if (gethostname(name, sizeof name - 1) == 0)
        return name;
    return environment("HOSTNAME");
#endif
}

// The lock file says it is guarded: its holder keeps it open with an
// operating-system lock, which ends with the holder's process however that
// ends. A lock without this line is from a program that only wrote it.
constexpr std::string_view kGuardLine = "guard open-file lock";

std::string readLockText(const fs::path &path)
{
    std::vector<std::uint8_t> bytes;
    if (!readWholeFile(path, bytes, kMaxLockFileSize, Links::Refuse))
        return {};
    return std::string(bytes.begin(), bytes.end());
}

} // namespace

// The lock file held open, with the operating system's lock on it, while this
// program has the game: a session that crashes, is killed or loses power
// leaves a file nobody holds, whatever process now has its number.
class GameLock::HeldFile {
public:
    enum class Open { Held, HeldByOther, Missing, Unguardable, NotAFile };

    ~HeldFile() { close(); }

    // A new lock file with `text`; false when one is there already or none
    // can be made (`exists` tells which).
    bool create(const fs::path &path, const std::string &text, bool &exists)
    {
        exists = false;
#ifdef _WIN32
        // Held without sharing the right to write: another program's open
        // for writing fails for as long as this one runs.
        m_file = openRegularFile(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, CREATE_NEW, Links::Refuse);
        if (m_file == INVALID_HANDLE_VALUE) {
            exists = GetLastError() == ERROR_FILE_EXISTS || GetLastError() == ERROR_ALREADY_EXISTS;
            m_file = nullptr;
            return false;
        }
#else
        m_fd = openRegularFile(path, O_RDWR | O_CREAT | O_EXCL, Links::Refuse);
        if (m_fd < 0) {
            exists = errno == EEXIST;
            return false;
        }
        // Another program may lock the new, empty file first, as one a crash
        // left: then it is that program's, and this one finds it held.
        if (::flock(m_fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
            close();
            exists = true;
            return false;
        }
#endif
        m_path = path;
        if (!write(text)) {
            close();
            std::error_code error;
            fs::remove(path, error);
            m_path.clear();
            return false;
        }
        return true;
    }

    // Opens the lock file that is there and locks it when its holder is gone.
    Open openExisting(const fs::path &path)
    {
#ifdef _WIN32
        m_file = openRegularFile(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, OPEN_EXISTING, Links::Refuse);
        if (m_file == INVALID_HANDLE_VALUE) {
            const DWORD error = GetLastError();
            m_file = nullptr;
            if (error == ERROR_SHARING_VIOLATION)
                return Open::HeldByOther;
            if (lastFileRefusal() == FileRefusal::NotRegularFile)
                return Open::NotAFile;
            return error == ERROR_FILE_NOT_FOUND ? Open::Missing : Open::Unguardable;
        }
#else
        // Never through a link, never blocking on a pipe: a club member may
        // have put anything at this name.
        m_fd = openRegularFile(path, O_RDWR, Links::Refuse);
        if (m_fd < 0) {
            if (errno == ENOENT)
                return Open::Missing;
            return lastFileRefusal() == FileRefusal::NotRegularFile ? Open::NotAFile : Open::Unguardable;
        }
        if (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
            const bool held = errno == EWOULDBLOCK;
            close();
            return held ? Open::HeldByOther : Open::Unguardable;
        }
        // Locked only if it is still the file of that name: a holder that let
        // go removed it before its lock ended.
        if (!named(path)) {
            close();
            return Open::Missing;
        }
#endif
        m_path = path;
        return Open::Held;
    }

    // Replaces what the held file says.
    bool write(const std::string &text)
    {
#ifdef _WIN32
        LARGE_INTEGER start{};
        DWORD written = 0;
        return SetFilePointerEx(m_file, start, nullptr, FILE_BEGIN) && SetEndOfFile(m_file) &&
               WriteFile(m_file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
               written == text.size() && FlushFileBuffers(m_file);
#else
        return ::ftruncate(m_fd, 0) == 0 &&
               ::pwrite(m_fd, text.data(), text.size(), 0) == static_cast<ssize_t>(text.size()) && ::fsync(m_fd) == 0;
#endif
    }

    // Removes the file, when it is still the one this program holds (one from
    // another computer may have been put in its place), and lets go of it.
    void remove(const LockHolder &self)
    {
#ifdef _WIN32
        // Closed first: the file cannot be removed while it is held. A
        // program that opens it in between keeps it from being removed.
        close();
        if (const std::optional<LockHolder> holder = parseLock(readLockText(m_path));
            holder && holder->processId == self.processId && holder->host == self.host)
            DeleteFileW(m_path.c_str());
#else
        (void)self;
        // Removed while still locked: whoever opened it meanwhile sees that
        // the name is no longer this file's.
        if (named(m_path))
            ::unlink(m_path.c_str());
        close();
#endif
        m_path.clear();
    }

    void close()
    {
#ifdef _WIN32
        if (m_file)
            CloseHandle(m_file);
        m_file = nullptr;
#else
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
#endif
    }

private:
#ifndef _WIN32
    // Whether `path` still names the file held open.
    bool named(const fs::path &path) const
    {
        struct stat held {};
        struct stat found {};
        return ::fstat(m_fd, &held) == 0 && ::lstat(path.c_str(), &found) == 0 && held.st_dev == found.st_dev &&
               held.st_ino == found.st_ino;
    }
#endif

    fs::path m_path;
#ifdef _WIN32
    HANDLE m_file = nullptr;
#else
    int m_fd = -1;
#endif
};

LockHolder thisProgram()
{
    LockHolder self;
#ifdef _WIN32
    self.processId = static_cast<std::int64_t>(GetCurrentProcessId());
    self.user = environment("USERNAME");
#else
    self.processId = static_cast<std::int64_t>(::getpid());
    self.user = environment("USER");
#endif
    self.host = hostName();
    const DateTime now = currentDateTime();
    char since[32];
    std::snprintf(since, sizeof since, "%04d-%02d-%02d %02d:%02d:%02d", now.year, now.month, now.day, now.hour,
                  now.minute, now.second);
    self.since = since;
    return self;
}

bool processRunning(std::int64_t processId)
{
    if (processId <= 0)
        return false;
#ifdef _WIN32
    const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(processId));
    if (!process)
        return GetLastError() == ERROR_ACCESS_DENIED; // it runs, for someone else
    DWORD code = 0;
    const bool running = GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
    CloseHandle(process);
    return running;
#else
    if (processId > 0x7fffffff)
        return false;
    return ::kill(static_cast<pid_t>(processId), 0) == 0 || errno == EPERM;
#endif
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

LockedGameChoice askAboutLockedGame(UserInterface &ui, const fs::path &gameFile, const LockHolder &holder,
                                    const LockHolder &self)
{
    const std::string where = "This game is open " + whereGameIsOpen(holder, self) + ":\n" + gameFile.string();
    ui.playSound(kWarningSound);
    if (holder.host != self.host) {
        const MessageAnswer answer =
            ui.message(where +
                           "\n\nYes opens it here read-only: nothing is saved from here. No opens it here to "
                           "record and save, only right when Football Yardmark no longer runs on " +
                           holder.host + ", else the last save wins and plays are lost. Cancel opens neither.",
                       "Game Open Elsewhere", MessageButtons::YesNoCancel, MessageIcon::Warning);
        return answer == MessageAnswer::Yes  ? LockedGameChoice::ReadOnly
               : answer == MessageAnswer::No ? LockedGameChoice::TakeOver
                                             : LockedGameChoice::Cancel;
    }
    if (holder.user != self.user) {
        const MessageAnswer answer =
            ui.message(where + "\n\nOK opens it here read-only: nothing is saved from here. Cancel opens neither.",
                       "Game Open Elsewhere", MessageButtons::OkCancel, MessageIcon::Warning);
        return answer == MessageAnswer::Ok ? LockedGameChoice::ReadOnly : LockedGameChoice::Cancel;
    }
    const MessageAnswer answer = ui.message(where + "\n\nYes switches to that window. No opens it here read-only: "
                                                    "nothing is saved from here. Cancel opens neither.",
                                            "Game Open Elsewhere", MessageButtons::YesNoCancel, MessageIcon::Question);
    return answer == MessageAnswer::Yes  ? LockedGameChoice::SwitchToIt
           : answer == MessageAnswer::No ? LockedGameChoice::ReadOnly
                                         : LockedGameChoice::Cancel;
}

void refuseSavingOverOpenGame(UserInterface &ui, const fs::path &gameFile, const LockHolder &holder,
                              const LockHolder &self)
{
    ui.playSound(kWarningSound);
    ui.message("This game is open " + whereGameIsOpen(holder, self) + ":\n" + gameFile.string() +
                   "\n\nIt is not saved over. Choose another name.",
               "Game Open Elsewhere", MessageButtons::Ok, MessageIcon::Warning);
}

} // namespace yardmark
