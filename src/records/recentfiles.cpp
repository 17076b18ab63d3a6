#include "recentfiles.h"

#include "base/atomicfile.h"

#include <algorithm>
#include <charconv>

namespace yardmark {
namespace {

constexpr std::string_view kGameWord = "game";
constexpr std::string_view kScheduleWord = "schedule";

std::string pathText(const std::filesystem::path &path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::filesystem::path pathOfText(std::string_view text)
{
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

} // namespace

std::filesystem::path recentFilesPath(const std::filesystem::path &stateDir)
{
    return stateDir / "recent-files";
}

std::string encodeRecentFiles(const std::vector<RecentFile> &files)
{
    std::string text;
    for (const RecentFile &file : files) {
        text += file.kind == RecentKind::Game ? kGameWord : kScheduleWord;
        text += '\t' + std::to_string(file.lastOpened) + '\t' + pathText(file.path) + '\n';
    }
    return text;
}

std::vector<RecentFile> decodeRecentFiles(std::string_view text)
{
    std::vector<RecentFile> files;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        if (end == std::string_view::npos)
            break; // a line cut short by a crash
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end + 1);
        const std::size_t kindEnd = line.find('\t');
        const std::size_t timeEnd = kindEnd == std::string_view::npos ? kindEnd : line.find('\t', kindEnd + 1);
        if (timeEnd == std::string_view::npos)
            break;
        RecentFile file;
        const std::string_view kind = line.substr(0, kindEnd);
        if (kind != kGameWord && kind != kScheduleWord)
            break;
        file.kind = kind == kGameWord ? RecentKind::Game : RecentKind::Schedule;
        const char *timeBegin = line.data() + kindEnd + 1;
        const char *timeStop = line.data() + timeEnd;
        if (std::from_chars(timeBegin, timeStop, file.lastOpened).ptr != timeStop)
            break;
        const std::string_view path = line.substr(timeEnd + 1);
        if (path.empty() || path.find('\r') != std::string_view::npos || path.find('\0') != std::string_view::npos)
            break;
        file.path = pathOfText(path);
        files.push_back(std::move(file));
    }
    return files;
}

std::vector<RecentFile> readRecentFiles(const std::filesystem::path &file)
{
    std::vector<std::uint8_t> bytes;
    if (!readWholeFile(file, bytes, kMaxStateFileSize, Links::Refuse))
        return {};
    return decodeRecentFiles(std::string_view(reinterpret_cast<const char *>(bytes.data()), bytes.size()));
}

bool writeRecentFiles(const std::filesystem::path &file, const std::vector<RecentFile> &files)
{
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    return writeOwnFileAtomically(file, encodeRecentFiles(files));
}

void noteRecentFile(std::vector<RecentFile> &files, RecentKind kind, const std::filesystem::path &path,
                    std::int64_t now)
{
    forgetRecentFile(files, kind, path);
    files.insert(files.begin(), RecentFile{kind, path, now});
    std::size_t kept = 0;
    std::erase_if(files,
                  [&kept, kind](const RecentFile &file) { return file.kind == kind && ++kept > kRecentFilesKept; });
}

void forgetRecentFile(std::vector<RecentFile> &files, RecentKind kind, const std::filesystem::path &path)
{
    std::erase_if(files, [&](const RecentFile &file) { return file.kind == kind && file.path == path; });
}

std::vector<RecentFile> recentFilesOf(const std::vector<RecentFile> &files, RecentKind kind)
{
    std::vector<RecentFile> ofKind;
    std::copy_if(files.begin(), files.end(), std::back_inserter(ofKind),
                 [kind](const RecentFile &file) { return file.kind == kind; });
    return ofKind;
}

} // namespace yardmark
