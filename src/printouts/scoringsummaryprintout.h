#pragma once

#include "summaryprintout.h"

#include "records/game.h"
#include "records/settings.h"

#include <string>

namespace yardmark {

/// The scoring summary: every scoring play and every try.
class ScoringSummaryPrintout : public SummaryPrintout {
public:
    ScoringSummaryPrintout(std::string title, const Game &game, const LeagueOptions &league);
};

} // namespace yardmark
