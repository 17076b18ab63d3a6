// The game lock on POSIX systems: the lock file held with flock(), which
// ends with the holding process however that ends.

#include "gamelockplatform.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace yardmark {

namespace fs = std::filesystem;

struct GameLock::HeldFile::Native {
    int fd = -1;

    // Whether `path` still names the file held open.
    bool named(const fs::path &path) const
    {
        struct stat held {};
        struct stat found {};
        return ::fstat(fd, &held) == 0 && ::lstat(path.c_str(), &found) == 0 && held.st_dev == found.st_dev &&
               held.st_ino == found.st_ino;
    }
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
    m_native->fd = openRegularFile(path, O_RDWR | O_CREAT | O_EXCL, Links::Refuse);
    if (m_native->fd < 0) {
        exists = errno == EEXIST;
        return false;
    }
    // Another program may lock the new, empty file first, as one a crash
    // left: then it is that program's, and this one finds it held.
    if (::flock(m_native->fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
        close();
        exists = true;
        return false;
    }
    return true;
}

GameLock::HeldFile::Open GameLock::HeldFile::openExisting(const fs::path &path)
{
    // Never through a link, never blocking on a pipe: a club member may
    // have put anything at this name.
    m_native->fd = openRegularFile(path, O_RDWR, Links::Refuse);
    if (m_native->fd < 0) {
        if (errno == ENOENT)
            return Open::Missing;
        return lastFileRefusal() == FileRefusal::NotRegularFile ? Open::NotAFile : Open::Unguardable;
    }
    if (::flock(m_native->fd, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK;
        close();
        return held ? Open::HeldByOther : Open::Unguardable;
    }
    // Locked only if it is still the file of that name: a holder that let
    // go removed it before its lock ended.
    if (!m_native->named(path)) {
        close();
        return Open::Missing;
    }
    m_path = path;
    return Open::Held;
}

bool GameLock::HeldFile::write(const std::string &text)
{
    return ::ftruncate(m_native->fd, 0) == 0 &&
           ::pwrite(m_native->fd, text.data(), text.size(), 0) == static_cast<ssize_t>(text.size()) &&
           ::fsync(m_native->fd) == 0;
}

void GameLock::HeldFile::remove(const LockHolder &self)
{
    (void)self;
    // Removed while still locked: whoever opened it meanwhile sees that
    // the name is no longer this file's.
    if (m_native->named(m_path))
        ::unlink(m_path.c_str());
    close();
    m_path.clear();
}

void GameLock::HeldFile::close()
{
    if (m_native->fd >= 0)
        ::close(m_native->fd);
    m_native->fd = -1;
}

std::string hostName()
{
    char name[256] = {};
    if (gethostname(name, sizeof name - 1) == 0)
        return name;
    return environmentText("HOSTNAME");
}

std::int64_t currentProcessId()
{
    return static_cast<std::int64_t>(::getpid());
}

std::string currentUser()
{
    return environmentText("USER");
}

bool processRunning(std::int64_t processId)
{
    if (processId <= 0)
        return false;
    if (processId > 0x7fffffff)
        return false;
    return ::kill(static_cast<pid_t>(processId), 0) == 0 || errno == EPERM;
}

} // namespace yardmark
