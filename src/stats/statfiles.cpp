#include "statfiles.h"

#include "base/atomicfile.h"
#include "records/recordcodec.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace yardmark {

std::optional<GameTeamNames> readGameTeamNames(const std::string &path)
{
    const std::optional<std::vector<std::uint8_t>> header = readFileStart(path, kGameInfoSize);
    if (!header || header->size() < kGameInfoSize)
        return std::nullopt;
    ByteReader in(*header);
    const GameInfo info = decodeGameInfo(in);
    if (!in.ok())
        return std::nullopt;
    return GameTeamNames{info.homeTeamName, info.visitorTeamName};
}

std::string gamePreviewText(const std::string &path)
{
    const std::optional<GameTeamNames> names = readGameTeamNames(path);
    return names ? names->visitor + "\nvs\n" + names->home : std::string();
}

StatFiles::StatFiles(TeamChoices choices) : m_allTeamsFirst(choices == TeamChoices::WithAllTeams)
{
    if (m_allTeamsFirst)
        m_teamNames.emplace_back(kAllTeamsName);
}

bool StatFiles::selectGame(const std::string &path, const GameTeamNames &names)
{
    if (std::find(m_paths.begin(), m_paths.end(), path) != m_paths.end())
        return false;
    m_paths.push_back(path);
    m_names.push_back(names);
    for (const std::string *name : {&names.home, &names.visitor}) {
        if (!name->empty() && std::find(m_teamNames.begin(), m_teamNames.end(), *name) == m_teamNames.end())
            m_teamNames.push_back(*name);
    }
    return true;
}

bool StatFiles::selectGame(const std::string &path)
{
    return selectGame(path, readGameTeamNames(path).value_or(GameTeamNames{}));
}

int StatFiles::selectAll(const std::vector<std::string> &paths)
{
    return static_cast<int>(
        std::count_if(paths.begin(), paths.end(), [&](const std::string &path) { return selectGame(path); }));
}

bool StatFiles::listedGameHas(const std::string &name) const
{
    return std::any_of(m_names.begin(), m_names.end(),
                       [&](const GameTeamNames &names) { return names.home == name || names.visitor == name; });
}

void StatFiles::removeGame(std::size_t index)
{
    if (index >= m_paths.size())
        return;
    const GameTeamNames removed = m_names[index];
    m_paths.erase(m_paths.begin() + static_cast<std::ptrdiff_t>(index));
    m_names.erase(m_names.begin() + static_cast<std::ptrdiff_t>(index));
    for (const std::string *name : {&removed.home, &removed.visitor}) {
        if (listedGameHas(*name))
            continue;
        // The "All Teams" choice stays, whatever a team is called.
        const auto found = std::find(m_teamNames.begin() + (m_allTeamsFirst ? 1 : 0), m_teamNames.end(), *name);
        if (found != m_teamNames.end())
            m_teamNames.erase(found);
    }
}

std::optional<StatFilesMessage> StatFiles::accept(int chosenTeam, Stat &stat) const
{
    if (m_paths.empty())
        return kNoGameSelected;
    if (chosenTeam < 0 || static_cast<std::size_t>(chosenTeam) >= m_teamNames.size())
        return m_allTeamsFirst ? kNoTeamSelected : kNoTeamNameSelected;
    const std::string &team = m_teamNames[static_cast<std::size_t>(chosenTeam)];
    stat.gamePaths = m_paths;
    stat.teamName = team;
    stat.allTeams = m_allTeamsFirst && chosenTeam == 0 && isAllTeams(team);
    return std::nullopt;
}

std::string gameChooserFolder(const ChooserFolders &folders)
{
    for (const std::string *file : {&folders.scheduleFile, &folders.gameFile}) {
        const std::filesystem::path folder = std::filesystem::path(*file).parent_path();
        if (!folder.empty())
            return folder.string();
    }
    return folders.lastFolder.empty() ? folders.startFolder : folders.lastFolder;
}

} // namespace yardmark
