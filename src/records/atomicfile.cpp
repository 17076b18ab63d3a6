#include "atomicfile.h"

#include <cerrno>
#include <fcntl.h>
#include <algorithm>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace yardmark {
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

bool writeFileAtomically(const std::filesystem::path &path, const std::vector<std::uint8_t> &bytes)
{
    return writeFileAtomically(path, std::string_view(reinterpret_cast<const char *>(bytes.data()), bytes.size()));
}

std::optional<std::size_t> readFileInto(const std::filesystem::path &path, std::vector<std::uint8_t> &buffer,
                                        std::size_t maxSize)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    // One byte more than the file's size, so that its end is seen at once. A
    // device or a file without a size is read in chunks, and refused once it
    // passes the limit instead of filling the memory.
    constexpr std::size_t kChunk = 65536;
    struct stat info {};
    std::size_t expected = kChunk;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
        const auto fileSize = static_cast<std::uint64_t>(info.st_size);
        if (fileSize > maxSize) {
            ::close(fd);
            return std::nullopt;
        }
        expected = static_cast<std::size_t>(fileSize) + 1;
    }
    if (buffer.size() < expected)
        buffer.resize(expected);
    std::size_t got = 0;
    bool failed = false;
    for (;;) {
        if (got == buffer.size()) {
            if (got > maxSize) {
                failed = true;
                break;
            }
            buffer.resize(got + std::min(std::max(got, kChunk), maxSize - got) + 1);
        }
        const ssize_t n = ::read(fd, buffer.data() + got, buffer.size() - got);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            failed = true;
            break;
        }
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (failed || got > maxSize)
        return std::nullopt;
    return got;
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
