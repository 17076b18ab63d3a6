// A comma-separated team list with any content: the import keeps every
// player with his own personal entry and every text within its field, and an
// imported roster exports and imports back the same.

#include "fuzzcheck.h"

#include "records/recordcodec.h"
#include "season/teamexport.h"

#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace yardmark;
    static const bool fixed = (setFixedNow(DateTime{2026, 1, 2, 3, 4, 5}), true);
    (void)fixed;
    std::istringstream in(std::string(reinterpret_cast<const char *>(data), size));
    Team team;
    team.rosterOnly = false;
    importTeamCsv(in, team, "fuzz.csv");
    FUZZ_CHECK(team.players.size() == team.personalInfo.size());
    FUZZ_CHECK(team.name.size() < kNameWidth && team.logoFile.size() < kPathWidth);
    for (std::size_t i = 0; i < team.players.size(); ++i) {
        FUZZ_CHECK(team.players[i].name.size() < kNameWidth);
        FUZZ_CHECK(team.personalInfo[i].address.size() < kAddressWidth);
        FUZZ_CHECK(team.personalInfo[i].note.size() < kNoteWidth);
    }

    std::ostringstream out;
    writeTeamCsv(out, team, true);
    std::istringstream back(out.str());
    Team again;
    again.rosterOnly = false;
    importTeamCsv(back, again, "fuzz.csv");
    FUZZ_CHECK(again.players.size() == team.players.size());
    FUZZ_CHECK(again.name == team.name && again.coach == team.coach && again.assistant == team.assistant);
    return 0;
}
