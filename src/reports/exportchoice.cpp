#include "exportchoice.h"

#include "base/atomicfile.h"

#include <cstdint>
#include <filesystem>
#include <sstream>
#include <vector>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace yardmark {

namespace {

bool mayWrite(const std::string &path)
{
#ifdef _WIN32
    return ::_access(path.c_str(), 2) == 0;
#else
    return ::access(path.c_str(), W_OK) == 0;
#endif
}

} // namespace

std::string withExportExtension(std::string_view path, ExportFormat chosenType)
{
    const std::size_t slash = path.find_last_of("/\\");
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    std::string result(path);
    if (name.find('.') == std::string_view::npos)
        result += chosenType == ExportFormat::Html ? ".htm" : ".csv";
    return result;
}

ExportFormat exportFormatFor(std::string_view path, ExportFormat chosenType)
{
    if (chosenType == ExportFormat::Html)
        return ExportFormat::Html;
    if (path.size() > 4 && path.substr(path.size() - 5).find("htm") != std::string_view::npos)
        return ExportFormat::Html;
    return ExportFormat::Csv;
}

bool exportToFile(const std::string &path, ExportFormat format, bool appending, const ExportWriter &writer)
{
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (!std::filesystem::is_directory(folder.empty() ? "." : folder, error))
        return false;
    const bool exists = std::filesystem::exists(path, error);
    // Renaming would replace even a file the user may not write: refuse it as
    // opening it for writing would.
    if (exists && !mayWrite(path))
        return false;
    std::ostringstream out;
    if (appending && exists) {
        std::vector<std::uint8_t> old;
        if (!readWholeFile(path, old))
            return false;
        out.write(reinterpret_cast<const char *>(old.data()), static_cast<std::streamsize>(old.size()));
    }
    if (appending)
        out << '\n';
    writer(out, format == ExportFormat::Html, appending);
    return out && writeFileAtomically(path, out.view());
}

} // namespace yardmark
