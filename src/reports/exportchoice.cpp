#include "exportchoice.h"

#include <fstream>

namespace yardmark {

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
    // Binary, so that an export holds the same bytes on every system.
    const auto mode = std::ios::out | std::ios::binary | (appending ? std::ios::app : std::ios::trunc);
    std::ofstream out(path, mode);
    if (!out)
        return false;
    if (appending)
        out << '\n';
    writer(out, format == ExportFormat::Html, appending);
    out.close();
    return !out.fail();
}

} // namespace yardmark
