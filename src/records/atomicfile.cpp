#include "atomicfile.h"

#include <cerrno>
#include <fcntl.h>
#include <fstream>
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

bool readWholeFile(const std::filesystem::path &path, std::vector<std::uint8_t> &bytes, std::size_t maxSize)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    // Read in chunks, so that a file without end (a device) or a huge one is
    // refused once it passes the limit instead of filling the memory.
    std::vector<std::uint8_t> data;
    char chunk[65536];
    while (in) {
        in.read(chunk, sizeof chunk);
        const auto got = static_cast<std::size_t>(in.gcount());
        if (got > maxSize - data.size())
            return false;
        data.insert(data.end(), chunk, chunk + got);
    }
    if (in.bad())
        return false;
    bytes = std::move(data);
    return true;
}

} // namespace yardmark
