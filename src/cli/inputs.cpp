#include "inputs.h"

#include "clicontext.h"
#include "records/gamefile.h"

#include <filesystem>

namespace yardmark::cli {

Game loadGameOrFail(const std::string &path)
{
    Game game;
    if (!loadGame(game, path)) {
        std::error_code error;
        if (!std::filesystem::is_regular_file(path, error))
            throw CliError("cannot read game file " + path);
        throw CliError("game file " + path + " is damaged");
    }
    return game;
}

} // namespace yardmark::cli
