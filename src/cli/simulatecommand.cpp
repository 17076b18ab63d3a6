// `simulate --seed N --games K --out DIR`: a deterministic sample season.

#include "clicontext.h"
#include "simulate/simulator.h"

#include <filesystem>
#include <memory>
#include <ostream>

namespace yardmark::cli {

namespace {

struct SimulateOptions {
    std::uint64_t seed = 1;
    int games = 28;
    std::string outDir;
};

} // namespace

void addSimulateCommand(CLI::App &app, CliContext &context)
{
    auto *command = app.add_subcommand(
        "simulate",
        "record a deterministic season: team files of a league, its games played by scripts and their schedule");
    auto options = std::make_shared<SimulateOptions>();
    command->add_option("--seed", options->seed, "the seed every choice follows")->option_text("N");
    command->add_option("--games", options->games, "how many games to record")
        ->option_text("K")
        ->check(CLI::Range(0, 100000));
    command->add_option("--out", options->outDir, "the directory to write the team, game and schedule files to")
        ->option_text("DIR")
        ->required();
    command->callback([&context, options] {
        context.writesOwnOutput = true;
        context.run = [&context, options](std::ostream &out) {
            std::error_code error;
            std::filesystem::create_directories(options->outDir, error);
            if (!std::filesystem::is_directory(options->outDir, error))
                throw CliError("cannot create directory " + options->outDir);
            try {
                const simulate::SeasonFiles files =
                    simulate::simulateSeason(options->seed, options->games, options->outDir, context.settings);
                for (const std::string &name : files.teams)
                    out << name << '\n';
                for (const std::string &name : files.games)
                    out << name << '\n';
            } catch (const std::runtime_error &e) {
                throw CliError(e.what());
            }
        };
    });
}

} // namespace yardmark::cli
