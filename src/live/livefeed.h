#pragma once

#include "base/datetime.h"
#include "gameflow/gamesituation.h"
#include "records/game.h"
#include "records/settings.h"
#include "stats/playerfigures.h"

#include <nlohmann/json.hpp>

#include <filesystem>
#include <string>
#include <string_view>

// The live output of a game: `live.json`, a feed with everything a web site
// or a scoreboard needs, and `live.htm`, a page for phones that shows the
// feed and reads it again every few seconds. Both are rewritten after every
// change to the game. The user guide (docs/help/live.html) describes the feed
// field by field; docs/live-output.schema.json is its JSON Schema.

namespace yardmark {

/// The feed's layout version, raised whenever a field changes meaning or goes away.
inline constexpr int kLiveFeedVersion = 2;
inline constexpr const char *kLiveFeedFormat = "yardmark-live";
inline constexpr const char *kLiveFeedFile = "live.json";
inline constexpr const char *kLivePageFile = "live.htm";
/// How many of the latest plays the feed and the page carry.
inline constexpr int kLivePlaysShown = 10;
/// Seconds between two looks of the page at the feed.
inline constexpr int kLiveReloadSeconds = 5;

/// The situation of a saved game as the game window shows it when the game
/// is opened (without asking who kicks off); the game's pending try and
/// kickoff are brought up to date the same way.
GameSituation openedSituation(Game &game, const LeagueOptions &league);

/// The feed of `game` in `situation`. `title` (Windows-1252) heads the page;
/// empty, the game's caption "<home> Versus <visitor>" does. Every text is UTF-8.
/// With `season`, each player's figures and each team's record over the
/// season so far come beside the game's.
nlohmann::ordered_json liveFeed(const Game &game, const GameSituation &situation, const Settings &settings,
                                std::string_view title, const DateTime &now, const SeasonFigures *season = nullptr);

/// The figures as the feed carries them, by name.
nlohmann::ordered_json playerFiguresJson(const PlayerFigures &figures);

/// A leader's line in one category: "14-22, 187 yds, 2 TD, 1 INT" (passing),
/// "18 car, 96 yds, 1 TD", "5 rec, 73 yds, 0 TD", "7 tkl, 3 ast, 1 sack".
enum class LeaderCategory { Passing, Rushing, Receiving, Tackles };
std::string leaderText(LeaderCategory category, const PlayerFigures &figures);

/// The page that shows `feed` and updates itself in place from `live.json`.
std::string livePage(const nlohmann::ordered_json &feed);

/// The two files' contents.
struct LiveFiles {
    std::string feed;
    std::string page;
};

LiveFiles liveFiles(const Game &game, const GameSituation &situation, const Settings &settings, std::string_view title,
                    const DateTime &now, const SeasonFigures *season = nullptr);

/// Writes both files into `folder` (which must exist), each through a
/// temporary file renamed over the old one, so that a reader never sees half
/// a file. False when either could not be written.
bool writeLiveFiles(const std::filesystem::path &folder, const LiveFiles &files);

} // namespace yardmark
