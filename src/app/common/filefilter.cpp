#include "app/common/filefilter.h"

namespace yardmark {

std::vector<FileFilter> parseFilterList(std::string_view filters)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start < filters.size()) {
        const std::size_t bar = filters.find('|', start);
        const std::size_t end = bar == std::string_view::npos ? filters.size() : bar;
        parts.emplace_back(filters.substr(start, end - start));
        start = end + 1;
    }
    std::vector<FileFilter> list;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        if (!parts[i + 1].empty())
            list.push_back({parts[i], parts[i + 1]});
    }
    return list;
}

std::string qtNameFilter(const FileFilter &filter)
{
    std::string patterns = filter.pattern;
    for (char &c : patterns) {
        if (c == ';')
            c = ' ';
    }
    if (filter.name.find('(' + patterns + ')') != std::string::npos)
        return filter.name;
    return filter.name + " (" + patterns + ")";
}

std::string patternExtension(std::string_view pattern)
{
    const std::size_t end = pattern.find(';');
    const std::string_view first = pattern.substr(0, end);
    if (first.size() < 3 || first.substr(0, 2) != "*.")
        return {};
    const std::string_view extension = first.substr(2);
    if (extension.find_first_of("*?.") != std::string_view::npos)
        return {};
    return std::string(extension);
}

std::string completeFileName(std::string_view path, const std::vector<FileFilter> &filters, int filterIndex,
                             std::string_view defaultExtension)
{
    std::string completed(path);
    const std::size_t slash = path.rfind('/');
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    if (name.empty() || name.find('.') != std::string_view::npos)
        return completed;
    std::string extension;
    if (filterIndex >= 0 && static_cast<std::size_t>(filterIndex) < filters.size())
        extension = patternExtension(filters[static_cast<std::size_t>(filterIndex)].pattern);
    if (extension.empty())
        extension = defaultExtension;
    if (!extension.empty())
        completed += '.' + extension;
    return completed;
}

} // namespace yardmark
