#pragma once

#include "summaryprintout.h"

#include "records/game.h"
#include "records/settings.h"

#include <string>

namespace yardmark {

/// The drive summary. Unlike the window, a new overtime period does not
/// restart a drive.
class DriveSummaryPrintout : public SummaryPrintout {
public:
    DriveSummaryPrintout(std::string title, const Game &game, const LeagueOptions &league);
};

} // namespace yardmark
