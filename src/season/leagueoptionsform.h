#pragma once

#include "records/settings.h"

#include <string>
#include <vector>

namespace yardmark {

/// What the League Options dialog's controls hold: the combo boxes' texts as
/// typed or chosen, the check box and the field type radio buttons.
struct LeagueOptionsForm {
    std::string timeOutsPerHalf;
    std::string minutesPerQuarter;
    std::string kickoffYardLine;
    std::string tryYardLine;
    std::string safetyKickYardLine;
    std::string touchdownPoints;
    std::string fieldGoalPoints;
    std::string safetyPoints;
    std::string extraPointPoints;
    std::string conversionPoints;
    bool sacksAreRushes = true;
    bool hundredYardField = true; ///< "&100 yard" chosen, else "&50 Yard (Indoor/Arena)"

    bool operator==(const LeagueOptionsForm &) const = default;
};

/// The lists the dialog's combo boxes offer.
struct LeagueOptionsChoices {
    std::vector<std::string> timeOuts;     ///< "1".."10"
    std::vector<std::string> minutes;      ///< "1".."20"
    std::vector<std::string> kickoffLines; ///< "0", "5", ... up to midfield
    std::vector<std::string> tryLines;     ///< "1".."20"
    std::vector<std::string> safetyLines;  ///< as the kickoff lines
    std::vector<std::string> points;       ///< "1".."9"
};

LeagueOptionsChoices leagueOptionsChoices(const LeagueOptions &options);

/// The dialog as it opens on the options in force.
LeagueOptionsForm leagueOptionsForm(const LeagueOptions &options);

/// "&OK": reads each text as a number and corrects it into range. The yard
/// lines are limited by the midfield in force before this dialog's field type
/// is applied.
void applyLeagueOptionsForm(const LeagueOptionsForm &form, LeagueOptions &options);

} // namespace yardmark
