// The game lock on Windows: the lock file held open without sharing the
// right to write, which ends with the holding process however that ends.

#include "gamelockplatform.h"

#include "base/windowsapi.h"

namespace yardmark {

namespace fs = std::filesystem;

struct GameLock::HeldFile::Native {
    HANDLE file = nullptr;
};

GameLock::HeldFile::HeldFile() : m_native(std::make_unique<Native>())
{
}

GameLock::HeldFile::~HeldFile()
{
    close();
}

bool GameLock::HeldFile::createEmpty(const fs::path &path, bool &exists)
{
    exists = false;
    // Held without sharing the right to write: another program's open
    // for writing fails for as long as this one runs.
    m_native->file = openRegularFile(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, CREATE_NEW, Links::Refuse);
    if (m_native->file == INVALID_HANDLE_VALUE) {
        exists = GetLastError() == ERROR_FILE_EXISTS || GetLastError() == ERROR_ALREADY_EXISTS;
        m_native->file = nullptr;
        return false;
    }
    return true;
}

GameLock::HeldFile::Open GameLock::HeldFile::openExisting(const fs::path &path)
{
    m_native->file = openRegularFile(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, OPEN_EXISTING, Links::Refuse);
    if (m_native->file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        m_native->file = nullptr;
        if (error == ERROR_SHARING_VIOLATION)
            return Open::HeldByOther;
        if (lastFileRefusal() == FileRefusal::NotRegularFile)
            return Open::NotAFile;
        return error == ERROR_FILE_NOT_FOUND ? Open::Missing : Open::Unguardable;
    }
    m_path = path;
    return Open::Held;
}

bool GameLock::HeldFile::write(const std::string &text)
{
    LARGE_INTEGER start{};
    DWORD written = 0;
    return SetFilePointerEx(m_native->file, start, nullptr, FILE_BEGIN) && SetEndOfFile(m_native->file) &&
           WriteFile(m_native->file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
           written == text.size() && FlushFileBuffers(m_native->file);
}

void GameLock::HeldFile::remove(const LockHolder &self)
{
    // Closed first: the file cannot be removed while it is held. A
    // program that opens it in between keeps it from being removed.
    close();
    if (const std::optional<LockHolder> holder = parseLock(readLockText(m_path));
        holder && holder->processId == self.processId && holder->host == self.host)
        DeleteFileW(m_path.c_str());
    m_path.clear();
}

void GameLock::HeldFile::close()
{
    if (m_native->file)
        CloseHandle(m_native->file);
    m_native->file = nullptr;
}

std::string hostName()
{
    char name[MAX_COMPUTERNAME_LENGTH + 1];
    DWORD size = sizeof name;
    if (GetComputerNameA(name, &size))
        return std::string(name, size);
    return environmentText("COMPUTERNAME");
}

std::int64_t currentProcessId()
{
    return static_cast<std::int64_t>(GetCurrentProcessId());
}

std::string currentUser()
{
    return environmentText("USERNAME");
}

bool processRunning(std::int64_t processId)
{
    if (processId <= 0)
        return false;
    const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(processId));
    if (!process)
        return GetLastError() == ERROR_ACCESS_DENIED; // it runs, for someone else
    DWORD code = 0;
    const bool running = GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
    CloseHandle(process);
    return running;
}

} // namespace yardmark
