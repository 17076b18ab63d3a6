#include "safefile.h"

#include <chrono>
#include <system_error>

#ifdef _WIN32
#include "windowsapi.h"
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace yardmark {

namespace fs = std::filesystem;

namespace {

thread_local FileRefusal t_refusal = FileRefusal::None;

// Whether something that is not a regular file stands at `path` (a link
// counts, whatever it points to).
bool somethingElseAt(const fs::path &path)
{
    std::error_code error;
    const fs::file_status status = fs::symlink_status(path, error);
    return !error && fs::exists(status) && !fs::is_regular_file(status);
}

} // namespace

FileRefusal lastFileRefusal()
{
    return t_refusal;
}

void setFileRefusal(FileRefusal refusal)
{
    t_refusal = refusal;
}

std::string notRegularFileKind(const fs::path &path)
{
    std::error_code error;
    fs::file_type type = fs::symlink_status(path, error).type();
    // A link to a pipe or folder is told by what it leads to.
    if (type == fs::file_type::symlink) {
        const fs::file_type target = fs::status(path, error).type();
        if (!error && target != fs::file_type::regular)
            type = target;
    }
    switch (type) {
    case fs::file_type::symlink:
        return "a symbolic link";
    case fs::file_type::directory:
        return "a folder";
    case fs::file_type::fifo:
        return "a named pipe";
    case fs::file_type::block:
    case fs::file_type::character:
        return "a device";
    default:
        return "not a regular file";
    }
}

std::string fileRefusalText(const fs::path &path)
{
    switch (t_refusal) {
    case FileRefusal::NotRegularFile: {
        const std::string kind = notRegularFileKind(path);
        return path.string() + " is " + (kind.starts_with("not ") ? kind : kind + ", not a file") + ": it is not used.";
    }
    case FileRefusal::TooLarge:
        return path.string() + " is larger than any file of its kind: it is not read.";
    default:
        return {};
    }
}

bool mayReplaceOwnFile(const fs::path &path)
{
    if (!somethingElseAt(path))
        return true;
    t_refusal = FileRefusal::NotRegularFile;
    return false;
}

#ifdef _WIN32

void *openRegularFile(const fs::path &path, unsigned long access, unsigned long share, unsigned long disposition,
                      Links links)
{
    const DWORD flags = FILE_ATTRIBUTE_NORMAL | (links == Links::Refuse ? FILE_FLAG_OPEN_REPARSE_POINT : 0);
    const HANDLE file = CreateFileW(path.c_str(), access, share, nullptr, disposition, flags, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        const DWORD attributes = GetFileAttributesW(path.c_str());
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
            t_refusal = FileRefusal::Missing;
        else if (attributes != INVALID_FILE_ATTRIBUTES &&
                 (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DEVICE)))
            t_refusal = FileRefusal::NotRegularFile;
        else
            t_refusal = FileRefusal::Unreadable;
        SetLastError(error);
        return INVALID_HANDLE_VALUE;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    const bool regular = GetFileType(file) == FILE_TYPE_DISK && GetFileInformationByHandle(file, &info) &&
                         !(info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE |
                                                    (links == Links::Refuse ? FILE_ATTRIBUTE_REPARSE_POINT : 0)));
    if (!regular) {
        CloseHandle(file);
        t_refusal = FileRefusal::NotRegularFile;
        SetLastError(ERROR_INVALID_FUNCTION);
        return INVALID_HANDLE_VALUE;
    }
    t_refusal = FileRefusal::None;
    return file;
}

#else

int openRegularFile(const fs::path &path, int flags, Links links)
{
    const int nofollow = links == Links::Refuse ? O_NOFOLLOW : 0;
    const int fd = ::open(path.c_str(), flags | nofollow | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT)
            t_refusal = FileRefusal::Missing;
        else if (somethingElseAt(path) && (links == Links::Refuse || error != EACCES))
            t_refusal = FileRefusal::NotRegularFile;
        else
            t_refusal = FileRefusal::Unreadable;
        errno = error;
        return -1;
    }
    struct stat held {};
    struct stat named {};
    bool regular = ::fstat(fd, &held) == 0 && S_ISREG(held.st_mode);
    if (regular && links == Links::Refuse)
        regular = ::lstat(path.c_str(), &named) == 0 && named.st_dev == held.st_dev && named.st_ino == held.st_ino;
    if (!regular) {
        ::close(fd);
        t_refusal = FileRefusal::NotRegularFile;
        errno = EINVAL;
        return -1;
    }
    // A regular file never blocks; later reads and writes are plain ones.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    t_refusal = FileRefusal::None;
    return fd;
}

#endif

std::optional<std::int64_t> lastWriteTime(const fs::path &path)
{
#ifdef _WIN32
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data))
        return std::nullopt;
    const auto ticks =
        (static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
    return static_cast<std::int64_t>(ticks) * 100;
#else
    std::error_code error;
    const fs::file_time_type time = fs::last_write_time(path, error);
    if (error)
        return std::nullopt;
    return std::chrono::duration_cast<std::chrono::nanoseconds>(time.time_since_epoch()).count();
#endif
}

} // namespace yardmark
