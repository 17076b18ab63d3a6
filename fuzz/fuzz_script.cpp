// A scorer's script (.jsonl) of any bytes run by `yardmark-cli record`:
// either it fails with an error that names the script's line, or the game
// it saved loads and saves back to the same bytes.

#include "fuzzcheck.h"
#include "fuzzgame.h"

#include "base/atomicfile.h"
#include "cli/cli.h"

#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace yardmark;
    static const std::filesystem::path folder = scratchFolder("fuzz_script");
    static const std::string gameFile = [] {
        Game game = rosteredGame();
        const std::string path = (folder / "game.gam").string();
        FUZZ_CHECK(saveGame(game, path));
        return path;
    }();
    const std::string script = (folder / "script.jsonl").string();
    const std::string out = (folder / "out.gam").string();
    std::filesystem::remove(out);
    FUZZ_CHECK(writeFileAtomically(script, std::string_view(reinterpret_cast<const char *>(data), size)));

    const char *argv[] = {"yardmark-cli", "record", gameFile.c_str(), script.c_str(), "-o", out.c_str()};
    std::ostringstream said;
    std::ostringstream err;
    if (cli::runCli(6, argv, said, err) != 0) {
        FUZZ_CHECK(err.str().starts_with("yardmark-cli: " + script + " line "));
        return 0;
    }
    Game game = newGame();
    FUZZ_CHECK(loadGame(game, out));
    FUZZ_CHECK(savesAndLoadsBack(game));
    return 0;
}
