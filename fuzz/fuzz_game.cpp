// A game file of any version, damaged or hostile: the load succeeds or leaves
// the game as it was, and a loaded game saves and loads back to itself.

#include "fuzzcheck.h"

#include "records/gamefile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace yardmark;
    const std::vector<std::uint8_t> bytes(data, data + size);
    Game before;
    before.fileName = "before.gam";
    before.homeScore = 7;
    Game game = before;
    if (!decodeGame(bytes, game)) {
        FUZZ_CHECK(game == before);
        return 0;
    }
    FUZZ_CHECK(!game.isNewGame);
    FUZZ_CHECK(game.homeTeam.players.size() == game.homeTeam.personalInfo.size());
    const std::vector<std::uint8_t> saved = encodeGame(game);
    Game again = before;
    FUZZ_CHECK(decodeGame(saved, again));
    FUZZ_CHECK(again == game);
    FUZZ_CHECK(encodeGame(again) == saved);
    return 0;
}
