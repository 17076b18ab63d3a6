#pragma once

#include "printout.h"

#include "records/team.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace yardmark {

/// The team choices of the choose-a-team dialog; any other value prints both teams.
inline constexpr int kFirstTeamOnly = 1002;
inline constexpr int kSecondTeamOnly = 1003;

/// The roster, or the starters of one starter status, of one team or of two
/// teams side by side.
class RosterStartersPrintout : public Printout {
public:
    /// `starterStatus` 0 prints the whole roster; otherwise only the players
    /// with that status (a player who starts both ways is also an offensive and
    /// a defensive starter).
    RosterStartersPrintout(std::string title, int teamChoice, const Team &first, const Team &second,
                           std::int32_t starterStatus);

private:
    struct Column {
        std::string teamName;
        std::vector<std::string> lines;
    };

    bool drawPage(PageSurface &surface, int page) override;
    void rewind() override { m_nextRow = 0; }

    std::int32_t m_status;
    std::vector<Column> m_columns;
    std::size_t m_rows = 0;
    std::size_t m_nextRow = 0;
};

/// The printed line of a player: "#%s, %s, %s" with the number ("%2d", "00"
/// without one), the name and the printed short position.
std::string rosterPrintLine(const PlayerRecord &player, std::int32_t position);

} // namespace yardmark
