// A game file of any version, damaged or hostile: the load succeeds or leaves
// the game as it was, and a loaded game saves and loads back to itself.
// Reading into a reused game takes the same files and gives the same game.

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
    const bool loaded = decodeGame(bytes, game);
    // The statistics' reader, one scratch game for every input: it takes the
    // same files and reads them the same, whatever it read before.
    static Game scratch = before;
    FUZZ_CHECK(decodeGameInPlace(data, size, scratch) == loaded);
    if (!loaded) {
        FUZZ_CHECK(game == before);
        return 0;
    }
    FUZZ_CHECK(scratch == game);
    FUZZ_CHECK(!game.isNewGame);
    FUZZ_CHECK(game.homeTeam.players.size() == game.homeTeam.personalInfo.size());
    const std::vector<std::uint8_t> saved = encodeGame(game);
    Game again = before;
    FUZZ_CHECK(decodeGame(saved, again));
    FUZZ_CHECK(again == game);
    FUZZ_CHECK(encodeGame(again) == saved);
    return 0;
}
