// Quick-entry lines typed against a game in progress, one line of the input
// each: a line the notation refuses records nothing; a line it takes is
// recorded through the engine as the window would, and the game then saves
// and loads back to the same bytes.

#include "fuzzcheck.h"
#include "fuzzgame.h"

#include "script/quickentry.h"
#include "script/scriptrunner.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace yardmark;
    static const Settings settings = defaultSettings();
    Game game = rosteredGame();
    ScriptRunner runner(game, settings);
    runner.runLine(Json::parse(kOpeningLine));
    std::string_view text(reinterpret_cast<const char *>(data), size);
    for (int lines = 0; lines < 16 && !text.empty() && runner.windowOpen(); ++lines) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        std::variant<Json, QuickEntryError> read = readQuickEntry(line);
        if (const auto *error = std::get_if<QuickEntryError>(&read)) {
            FUZZ_CHECK(!error->message.empty());
            continue;
        }
        try {
            runner.runLine(std::get<Json>(read));
        } catch (const ScriptError &) {
            // A field the dialog refuses: the window says so and goes on.
        }
    }
    runner.flow().storeSituationInGame();
    FUZZ_CHECK(savesAndLoadsBack(game));
    return 0;
}
