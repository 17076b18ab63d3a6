#include "gamelock.h"

#include "base/atomicfile.h"
#include "base/datetime.h"
#include "recoverycopy.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <system_error>
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

// Creates `path` with `text` in it, failing when it exists already: the one
// step that decides which of two programs gets the game.
bool createExclusively(const fs::path &path, const std::string &text)
{
#ifdef _WIN32
    const HANDLE file =
        CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
                    written == text.size() && FlushFileBuffers(file);
    CloseHandle(file);
#else
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const bool ok = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size()) && ::fsync(fd) == 0;
    ::close(fd);
#endif
    if (!ok) {
        std::error_code error;
        fs::remove(path, error);
    }
    return ok;
}

std::optional<LockHolder> readLock(const fs::path &path)
{
    std::vector<std::uint8_t> bytes;
    if (!readWholeFile(path, bytes, 4096))
        return std::nullopt;
    return parseLock(std::string_view(reinterpret_cast<const char *>(bytes.data()), bytes.size()));
}

enum class Verdict { Ours, Stale, Running, OtherHost };

Verdict judge(const std::optional<LockHolder> &holder, const LockHolder &self,
              const std::function<bool(std::int64_t)> &running)
{
    // A lock that cannot be read is what a crash in the middle of taking it leaves.
    if (!holder)
        return Verdict::Stale;
    if (holder->host != self.host)
        return Verdict::OtherHost;
    if (holder->processId == self.processId)
        return Verdict::Ours;
    return running(holder->processId) ? Verdict::Running : Verdict::Stale;
}

} // namespace

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
           "\nuser " + holder.user + "\nsince " + holder.since + "\n";
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
    std::vector<fs::path> places{lockPathFor(gameFile)};
    if (!stateDir.empty())
        places.push_back(stateLockPathFor(gameFile, stateDir));
    const std::string text = lockText(m_self);
    for (const fs::path &place : places) {
        // Twice: once more after clearing a lock that a crashed session left.
        for (int attempt = 0; attempt < 2; ++attempt) {
            if (createExclusively(place, text)) {
                m_lockFile = place;
                return LockResult::Taken;
            }
            std::error_code error;
            if (!fs::exists(place, error))
                break; // this place cannot be written: the next one
            const std::optional<LockHolder> holder = readLock(place);
            switch (judge(holder, m_self, m_running)) {
            case Verdict::Ours:
                m_lockFile = place;
                return LockResult::Taken;
            case Verdict::Running:
                m_holder = holder;
                return LockResult::HeldHere;
            case Verdict::OtherHost:
                if (!takeOverFromOtherHost) {
                    m_holder = holder;
                    return LockResult::HeldElsewhere;
                }
                [[fallthrough]];
            case Verdict::Stale:
                fs::remove(place, error);
                break;
            }
        }
    }
    return LockResult::NotLockable;
}

void GameLock::release()
{
    if (m_lockFile.empty())
        return;
    // Only our own: a lock another program took over after a long pause of
    // this one stays.
    if (const std::optional<LockHolder> holder = readLock(m_lockFile);
        holder && holder->processId == m_self.processId && holder->host == m_self.host) {
        std::error_code error;
        fs::remove(m_lockFile, error);
    }
    m_lockFile.clear();
}

std::string whereGameIsOpen(const LockHolder &holder, const LockHolder &self)
{
    const std::string process = "(process " + std::to_string(holder.processId) + ", since " + holder.since + ")";
    if (holder.host != self.host)
        return "in Football Yardmark on the computer " + holder.host + " " + process;
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
