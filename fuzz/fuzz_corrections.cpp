// Any game the loader accepts, however its plays contradict each other or
// hold codes and spots out of range: the continuity check lists its breaks
// and never crashes, and a re-flow from any play keeps every play, leaves a
// game that saves and loads back to itself, and is checked again.

#include "fuzzcheck.h"

#include "gameflow/continuity.h"
#include "gameflow/reflow.h"
#include "records/gamefile.h"
#include "records/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace yardmark;
    Game game;
    if (size == 0 || !decodeGame(std::vector<std::uint8_t>(data + 1, data + size), game))
        return 0;
    Settings settings;
    setDefaults(settings);
    // The first byte picks the field and the play to re-flow from.
    settings.league.indoorField = (data[0] & 0x80) != 0;
    settings.league.midfieldYardLine = settings.league.indoorField ? 25 : 50;
    for (const ContinuityBreak &found : checkContinuity(game, settings.league))
        FUZZ_CHECK(found.index >= 0 && found.index < game.playCount());
    if (game.playCount() == 0)
        return 0;
    const int from = (data[0] & 0x7F) % game.playCount();
    const int plays = game.playCount();
    const ReflowResult result = reflowPlays(game, from, settings.league);
    FUZZ_CHECK(game.playCount() == plays);
    for (const ReflowNote &note : result.kept)
        FUZZ_CHECK(note.index >= 0 && note.index < plays);
    const std::vector<std::uint8_t> saved = encodeGame(game);
    Game again;
    FUZZ_CHECK(decodeGame(saved, again));
    FUZZ_CHECK(encodeGame(again) == saved);
    checkContinuity(again, settings.league);
    return 0;
}
