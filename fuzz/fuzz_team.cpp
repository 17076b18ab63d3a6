// A team file, damaged or hostile, read as a full team and as a game's
// roster-only team: the load succeeds or leaves the team as it was, and a
// loaded team saves and loads back to itself.

#include "fuzzcheck.h"

#include "records/teamfile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace yardmark;
    const std::vector<std::uint8_t> bytes(data, data + size);
    for (bool rosterOnly : {false, true}) {
        Team before;
        before.rosterOnly = rosterOnly;
        before.name = "Before";
        Team team = before;
        if (!decodeTeamFile(bytes, team)) {
            FUZZ_CHECK(team == before);
            continue;
        }
        FUZZ_CHECK(team.players.size() == team.personalInfo.size());
        FUZZ_CHECK(team.fileSize == static_cast<std::int32_t>(size));
        Team again = before;
        const std::vector<std::uint8_t> saved = encodeTeamFile(team);
        FUZZ_CHECK(decodeTeamFile(saved, again));
        again.fileSize = team.fileSize;
        FUZZ_CHECK(again == team);
    }
    return 0;
}
