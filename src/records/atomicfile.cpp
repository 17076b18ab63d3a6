#include "atomicfile.h"

#include <algorithm>
#include <string>

#ifdef _WIN32
#include <atomic>
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
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
    if (knownSize && *knownSize > maxSize)
        return std::nullopt;
    const std::size_t expected = knownSize ? static_cast<std::size_t>(*knownSize) + 1 : kChunk;
    if (buffer.size() < expected)
        buffer.resize(expected);
    std::size_t got = 0;
    for (;;) {
        if (got == buffer.size()) {
            if (got > maxSize)
                return std::nullopt;
            buffer.resize(got + std::min(std::max(got, kChunk), maxSize - got) + 1);
        }
        const long long n = read(buffer.data() + got, buffer.size() - got);
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    if (got > maxSize)
        return std::nullopt;
    return got;
}

} // namespace

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
        const HANDLE file = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                                        nullptr);
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
    const bool written = writeAll(file, bytes) && FlushFileBuffers(file);
    const bool closed = CloseHandle(file);
    // Replaces the old file in one step; the rename reaches the disk before it returns.
    if (written && closed &&
        MoveFileExW(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileW(temp.c_str());
    return false;
}

std::optional<std::size_t> readFileInto(const std::filesystem::path &path, std::vector<std::uint8_t> &buffer,
                                        std::size_t maxSize)
{
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    std::optional<std::uint64_t> knownSize;
    LARGE_INTEGER size{};
    if (GetFileType(file) == FILE_TYPE_DISK && GetFileSizeEx(file, &size) && size.QuadPart > 0)
        knownSize = static_cast<std::uint64_t>(size.QuadPart);
    const auto got = readToEnd(knownSize, buffer, maxSize, [file](std::uint8_t *data, std::size_t wanted) {
        DWORD n = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(wanted, 1U << 30));
        return ReadFile(file, data, chunk, &n, nullptr) ? static_cast<long long>(n) : -1LL;
    });
    CloseHandle(file);
    return got;
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

} // namespace

bool writeFileAtomically(const std::filesystem::path &path, std::string_view bytes)
{
    std::string temp = path.string() + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return false;
    // mkstemp creates the file private to its owner; give it the usual mode.
    ::fchmod(fd, 0644);
    const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    std::error_code error;
    if (written && closed) {
        std::filesystem::rename(temp, path, error);
        if (!error)
            return true;
    }
    std::filesystem::remove(temp, error);
    return false;
}

std::optional<std::size_t> readFileInto(const std::filesystem::path &path, std::vector<std::uint8_t> &buffer,
                                        std::size_t maxSize)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    std::optional<std::uint64_t> knownSize;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0)
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

#endif

bool writeFileAtomically(const std::filesystem::path &path, const std::vector<std::uint8_t> &bytes)
{
    return writeFileAtomically(path, std::string_view(reinterpret_cast<const char *>(bytes.data()), bytes.size()));
}

bool readWholeFile(const std::filesystem::path &path, std::vector<std::uint8_t> &bytes, std::size_t maxSize)
{
    std::vector<std::uint8_t> data;
    const std::optional<std::size_t> size = readFileInto(path, data, maxSize);
    if (!size)
        return false;
    data.resize(*size);
    bytes = std::move(data);
    return true;
}

} // namespace yardmark
