#pragma once

#include "individualstats.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace yardmark {

/// The two team names of a game file, as its game information header holds them.
struct GameTeamNames {
    std::string home;
    std::string visitor;
};

/// Reads only the game information header at the start of a game file; empty
/// when the file cannot be read or is shorter than the header.
std::optional<GameTeamNames> readGameTeamNames(const std::string &path);

/// The preview of a highlighted game file, "visitor\nvs\nhome"; empty when
/// its header cannot be read.
std::string gamePreviewText(const std::string &path);

/// A message the game chooser shows instead of closing.
struct StatFilesMessage {
    const char *text;
    const char *caption;

    bool operator==(const StatFilesMessage &) const = default;
};

inline constexpr StatFilesMessage kNoGameSelected{"Must Select at least one Game to Analyze", "No Game Selected"};
inline constexpr StatFilesMessage kNoTeamSelected{"You Must Choose a Team Name or \"All Teams\"", "No Team Selected"};
/// The same where "All Teams" is not offered.
inline constexpr StatFilesMessage kNoTeamNameSelected{"You Must Choose a Team Name", "No Team Selected"};

/// The folders the game chooser may open in; empty when not known.
struct ChooserFolders {
    std::string scheduleFile; ///< the schedule opened last
    std::string gameFile;     ///< the current game's file
    std::string lastFolder;   ///< where the chooser's last choice ended
    std::string startFolder;  ///< where the program started
};

/// Where the game chooser opens: the season's games lie beside its schedule,
/// else beside the current game; with neither, where the last choice ended,
/// else where the program started.
std::string gameChooserFolder(const ChooserFolders &folders);

/// Whether the team choice offers "All Teams" first: individual statistics
/// do, team statistics set one team against its opponents and do not.
enum class TeamChoices { WithAllTeams, TeamsOnly };

/// The choices of the game chooser: the games to analyse, each once, in the
/// order chosen, and the team names offered, "All Teams" first when asked
/// for and then every name of a listed game, kept in step as games come and
/// go. Any number of games may be chosen.
class StatFiles {
public:
    explicit StatFiles(TeamChoices choices = TeamChoices::WithAllTeams);

    /// Lists a game with its team names unless its path is listed already;
    /// false when it was.
    bool selectGame(const std::string &path, const GameTeamNames &names);

    /// The same with the names read from the file's header (none when it
    /// cannot be read: the analysis will skip it).
    bool selectGame(const std::string &path);

    /// Every game file of a listing, each as `selectGame` would; returns how many were added.
    int selectAll(const std::vector<std::string> &paths);

    /// Takes a listed game out, and with it each of its team names that no
    /// other listed game still has.
    void removeGame(std::size_t index);

    const std::vector<std::string> &paths() const { return m_paths; }
    const std::vector<std::string> &teamNames() const { return m_teamNames; }

    /// "&OK" with the team entry `chosenTeam` (negative for none): a message
    /// when no game or no team is chosen; otherwise the paths and the team go
    /// into `stat` and there is none.
    std::optional<StatFilesMessage> accept(int chosenTeam, Stat &stat) const;

private:
    bool listedGameHas(const std::string &name) const;

    std::vector<std::string> m_paths;
    std::vector<GameTeamNames> m_names; ///< of each listed path
    std::vector<std::string> m_teamNames;
    bool m_allTeamsFirst = true;
};

} // namespace yardmark
