#include "atomicfile.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <mutex>
#include <random>
#include <string>

#ifdef _WIN32
#include "windowsapi.h"
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace yardmark {

namespace {

// Reads an open file to its end into `buffer` (kept, and grown, across
// calls) with `read(data, size)`, which gives the bytes read, 0 at the end or
// -1 on failure. `knownSize` is the size of a regular file: one byte more is
// asked for, so that the end is seen at once. A device or a file without a
// size is read in chunks, and refused once it passes the limit instead of
// filling the memory.
template <typename Read>
std::optional<std::size_t> readToEnd(std::optional<std::uint64_t> knownSize, std::vector<std::uint8_t> &buffer,
                                     std::size_t maxSize, Read read)
{
    constexpr std::size_t kChunk = 65536;
    if (knownSize && *knownSize > maxSize) {
        setFileRefusal(FileRefusal::TooLarge);
        return std::nullopt;
    }
    const std::size_t expected = knownSize ? static_cast<std::size_t>(*knownSize) + 1 : kChunk;
    if (buffer.size() < expected)
        buffer.resize(expected);
    std::size_t got = 0;
    for (;;) {
        if (got == buffer.size()) {
            if (got > maxSize) {
                setFileRefusal(FileRefusal::TooLarge);
                return std::nullopt;
            }
            buffer.resize(got + std::min(std::max(got, kChunk), maxSize - got) + 1);
        }
        const long long n = read(buffer.data() + got, buffer.size() - got);
        if (n < 0) {
            setFileRefusal(FileRefusal::Unreadable);
            return std::nullopt;
        }
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    if (got > maxSize) {
        setFileRefusal(FileRefusal::TooLarge);
        return std::nullopt;
    }
    return got;
}

struct InjectedFault {
    WriteStep step = WriteStep::Write;
    int error = 0;
    int count = 0;
};

std::mutex g_faultMutex;
InjectedFault g_fault;

// True, with errno set, when a test has made this step of the write fail.
bool injectedFailure(WriteStep step)
{
    const std::lock_guard lock(g_faultMutex);
    if (g_fault.count == 0 || g_fault.step != step)
        return false;
    --g_fault.count;
    errno = g_fault.error;
    return true;
}

bool isDigits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool isAlphanumeric(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    });
}

// The name of a temporary file that a write of `name` makes:
// "NAME.tmp-XXXXXX" (six letters or digits) here, "NAME.PROCESS-COUNT.tmp" on
// Windows. Nothing else is taken for one: "NAME.backup" is the user's.
bool isTemporaryOf(std::string_view candidate, std::string_view name)
{
    if (candidate.size() <= name.size() + 1 || !candidate.starts_with(name) || candidate[name.size()] != '.')
        return false;
    std::string_view rest = candidate.substr(name.size() + 1);
    if (rest.size() == 10 && rest.starts_with("tmp-") && isAlphanumeric(rest.substr(4)))
        return true;
    if (!rest.ends_with(".tmp"))
        return false;
    rest.remove_suffix(4);
    const std::size_t dash = rest.find('-');
    return dash != std::string_view::npos && isDigits(rest.substr(0, dash)) && isDigits(rest.substr(dash + 1));
}

bool removeIfNobodyWrites(const std::filesystem::path &temp);

// Clears what killed writes of `path` left beside it.
void removeLeftoverTemporaries(const std::filesystem::path &path)
{
    const std::string name = path.filename().string();
    std::error_code error;
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        // A pipe, folder or link of the same name is not a temporary of ours.
        std::error_code kind;
        if (isTemporaryOf(it->path().filename().string(), name) && it->is_regular_file(kind) && !it->is_symlink(kind))
            removeIfNobodyWrites(it->path());
    }
}

} // namespace

void injectWriteFault(WriteStep step, int error, int count)
{
    const std::lock_guard lock(g_faultMutex);
    g_fault = {step, error, count};
}

#ifdef _WIN32

namespace {

// A temporary file beside `path` that did not exist before, open for writing.
HANDLE createTemporaryBeside(const std::filesystem::path &path, std::filesystem::path &temp)
{
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        // A leftover of a crashed run may hold a name; CREATE_NEW then fails and the next one is tried.
        temp = path;
        temp += L"." + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(counter.fetch_add(1)) + L".tmp";
        const HANDLE file =
            CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS)
            return file;
    }
    return INVALID_HANDLE_VALUE;
}

bool writeAll(HANDLE file, std::string_view bytes)
{
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1U << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0)
            return false;
        bytes.remove_prefix(written);
    }
    return true;
}

} // namespace

bool writeFileAtomically(const std::filesystem::path &path, std::string_view bytes)
{
    std::filesystem::path temp;
    const HANDLE file = createTemporaryBeside(path, temp);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const bool written = !injectedFailure(WriteStep::Write) && writeAll(file, bytes) &&
                         !injectedFailure(WriteStep::Flush) && FlushFileBuffers(file);
    const bool closed = CloseHandle(file);
    // Replaces the old file in one step; the rename reaches the disk before it returns.
    if (written && closed && !injectedFailure(WriteStep::Rename) &&
        MoveFileExW(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        removeLeftoverTemporaries(path);
        return true;
    }
    DeleteFileW(temp.c_str());
    return false;
}

namespace {

// A file still open for writing by another program cannot be deleted: its
// temporary is opened without sharing.
bool removeIfNobodyWrites(const std::filesystem::path &temp)
{
    return DeleteFileW(temp.c_str());
}

} // namespace

std::optional<std::size_t> readFileInto(const std::filesystem::path &path, std::vector<std::uint8_t> &buffer,
                                        std::size_t maxSize, Links links)
{
    const HANDLE file = openRegularFile(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        OPEN_EXISTING, links);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    std::optional<std::uint64_t> knownSize;
    LARGE_INTEGER size{};
    if (GetFileSizeEx(file, &size) && size.QuadPart > 0)
        knownSize = static_cast<std::uint64_t>(size.QuadPart);
    const auto got = readToEnd(knownSize, buffer, maxSize, [file](std::uint8_t *data, std::size_t wanted) {
        DWORD n = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(wanted, 1U << 30));
        return ReadFile(file, data, chunk, &n, nullptr) ? static_cast<long long>(n) : -1LL;
    });
    CloseHandle(file);
    return got;
}

std::optional<std::vector<std::uint8_t>> readFileStart(const std::filesystem::path &path, std::size_t count)
{
    const HANDLE file = openRegularFile(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        OPEN_EXISTING, Links::Follow);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    std::vector<std::uint8_t> bytes(count);
    std::size_t got = 0;
    DWORD n = 0;
    while (got < count &&
           ReadFile(file, bytes.data() + got, static_cast<DWORD>(std::min<std::size_t>(count - got, 1U << 30)), &n,
                    nullptr) &&
           n > 0)
        got += n;
    CloseHandle(file);
    bytes.resize(got);
    return bytes;
}

#else

namespace {

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// A temporary is locked while it is written, so that a leftover is told
// from the file of another program saving the same file at this moment.
bool removeIfNobodyWrites(const std::filesystem::path &temp)
{
    const int fd = openRegularFile(temp, O_RDONLY, Links::Refuse);
    if (fd < 0)
        return false;
    const bool leftover = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    std::error_code error;
    const bool removed = leftover && std::filesystem::remove(temp, error);
    ::close(fd);
    return removed;
}

// A temporary beside `path` that did not exist before, "NAME.tmp-XXXXXX",
// created with the usual mode (0666 less the umask), never through a link.
int createTemporaryBeside(const std::filesystem::path &path, std::string &temp)
{
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    static std::atomic<unsigned> counter{0};
    std::random_device seed;
    std::mt19937 random(seed() ^ counter.fetch_add(1));
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = path.string() + ".tmp-";
        for (int i = 0; i < 6; ++i)
            temp += kLetters[random() % (sizeof kLetters - 1)];
        const int fd = ::open(temp.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// A file replaced keeps who may read it: its mode, and its group where the
// user may give it (else the user's own group, never a wider one).
void keepModeOf(const std::filesystem::path &path, int fd)
{
    struct stat old {};
    if (::lstat(path.c_str(), &old) != 0 || !S_ISREG(old.st_mode))
        return;
    (void)::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    ::fchmod(fd, old.st_mode & 0777);
}

} // namespace

bool writeFileAtomically(const std::filesystem::path &path, std::string_view bytes)
{
    std::string temp;
    const int fd = createTemporaryBeside(path, temp);
    if (fd < 0)
        return false;
    ::flock(fd, LOCK_EX);
    keepModeOf(path, fd);
    const bool written = !injectedFailure(WriteStep::Write) && writeAll(fd, bytes) &&
                         !injectedFailure(WriteStep::Flush) && ::fsync(fd) == 0;
    std::error_code error;
    if (written && !injectedFailure(WriteStep::Rename)) {
        // Renamed while still locked: the name is never free of its lock before it is gone.
        std::filesystem::rename(temp, path, error);
        if (!error) {
            ::close(fd);
            removeLeftoverTemporaries(path);
            return true;
        }
    }
    const int failure = errno;
    std::filesystem::remove(temp, error);
    ::close(fd);
    errno = failure;
    return false;
}

std::optional<std::size_t> readFileInto(const std::filesystem::path &path, std::vector<std::uint8_t> &buffer,
                                        std::size_t maxSize, Links links)
{
    const int fd = openRegularFile(path, O_RDONLY, links);
    if (fd < 0)
        return std::nullopt;
    std::optional<std::uint64_t> knownSize;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && info.st_size > 0)
        knownSize = static_cast<std::uint64_t>(info.st_size);
    const auto got = readToEnd(knownSize, buffer, maxSize, [fd](std::uint8_t *data, std::size_t wanted) {
        for (;;) {
            const ssize_t n = ::read(fd, data, wanted);
            if (n >= 0 || errno != EINTR)
                return static_cast<long long>(n);
        }
    });
    ::close(fd);
    return got;
}

std::optional<std::vector<std::uint8_t>> readFileStart(const std::filesystem::path &path, std::size_t count)
{
    const int fd = openRegularFile(path, O_RDONLY, Links::Follow);
    if (fd < 0)
        return std::nullopt;
    std::vector<std::uint8_t> bytes(count);
    std::size_t got = 0;
    while (got < count) {
        const ssize_t n = ::read(fd, bytes.data() + got, count - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    bytes.resize(got);
    return bytes;
}

#endif

bool writeFileAtomically(const std::filesystem::path &path, const std::vector<std::uint8_t> &bytes)
{
    return writeFileAtomically(path, std::string_view(reinterpret_cast<const char *>(bytes.data()), bytes.size()));
}

bool writeOwnFileAtomically(const std::filesystem::path &path, std::string_view bytes)
{
    return mayReplaceOwnFile(path) && writeFileAtomically(path, bytes);
}

bool readWholeFile(const std::filesystem::path &path, std::vector<std::uint8_t> &bytes, std::size_t maxSize,
                   Links links)
{
    std::vector<std::uint8_t> data;
    const std::optional<std::size_t> size = readFileInto(path, data, maxSize, links);
    if (!size)
        return false;
    data.resize(*size);
    bytes = std::move(data);
    return true;
}

} // namespace yardmark
