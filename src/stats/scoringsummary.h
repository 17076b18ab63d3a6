#pragma once

#include "base/datetime.h"
#include "records/game.h"
#include "records/settings.h"

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

namespace yardmark {

/// One line of the scoring summary: a scoring play, or a try whether it scored or not.
struct ScoringLine {
    bool homeTeam = true; ///< whose score the line reports
    std::string team;
    bool isTry = false;
    std::int32_t plays = 0; ///< of the possession that led to the score; not shown for a try
    std::int32_t yards = 0;
    std::string narration;      ///< the play's play-by-play line
    std::string description;    ///< "at 3:05 <narration>" or "in <narration>"; a try's is its narration
    std::int32_t playIndex = 0; ///< the play the line reports

    bool operator==(const ScoringLine &) const = default;
};

/// Every scoring play and every try in play order. The plays and yards count
/// from the last change of possession, through halves, scores and tries.
std::vector<ScoringLine> scoringLines(const Game &game, const LeagueOptions &options);

/// The window's line: "Team: 3 Plays, 62 Yards, at 3:05 ..." or "Team: <narration>" for a try.
std::string scoringLineText(const ScoringLine &line);

/// Writes the scoring summary as comma-separated text or as an HTML table. The
/// CSV header is written also when appending; the HTML page head only when not.
void writeScoringSummary(std::ostream &out, const Game &game, const LeagueOptions &options, bool html, bool appending,
                         const HtmlOptions &htmlOptions, const DateTime &now);

} // namespace yardmark
