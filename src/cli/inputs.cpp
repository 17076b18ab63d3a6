#include "inputs.h"

#include "base/safefile.h"
#include "base/text.h"
#include "clicontext.h"
#include "records/gamefile.h"
#include "records/gamelock.h"
#include "records/recoverycopy.h"
#include "records/teamfile.h"
#include "season/teamexport.h"

#include <filesystem>
#include <map>

namespace yardmark::cli {
namespace {

bool isCsvName(const std::string &path)
{
    return path.size() >= 3 && equalsIgnoringCase(std::string_view(path).substr(path.size() - 3), "csv");
}

void requireReadable(const std::string &path, const char *what)
{
    std::error_code error;
    if (std::filesystem::is_regular_file(path, error))
        return;
    setFileRefusal(std::filesystem::exists(path, error) ? FileRefusal::NotRegularFile : FileRefusal::Missing);
    throw CliError(cannotReadText(what, path));
}

const std::map<std::string, SummaryPeriod> kPeriods = {
    {"game", SummaryPeriod::Game},           {"1st-half", SummaryPeriod::FirstHalf},
    {"2nd-half", SummaryPeriod::SecondHalf}, {"q1", SummaryPeriod::FirstQuarter},
    {"q2", SummaryPeriod::SecondQuarter},    {"q3", SummaryPeriod::ThirdQuarter},
    {"q4", SummaryPeriod::FourthQuarter},
};

std::vector<std::string> periodNames()
{
    std::vector<std::string> names;
    for (const auto &[name, period] : kPeriods)
        names.push_back(name);
    return names;
}

} // namespace

Team loadTeamOrFail(const std::string &path)
{
    Team team;
    team.rosterOnly = false;
    requireReadable(path, "team file");
    if (isCsvName(path)) {
        if (!importTeamCsv(team, path))
            throw CliError(cannotReadText("team list", path));
    } else if (!loadTeamFile(team, path)) {
        throw CliError("team file " + path + " is damaged");
    }
    return team;
}

Schedule loadScheduleOrFail(const std::string &path)
{
    Schedule loaded;
    switch (loadSchedule(path, loaded)) {
    case ScheduleLoadResult::Loaded:
        break;
    case ScheduleLoadResult::CannotOpen:
        throw CliError(cannotReadText("schedule file", path));
    case ScheduleLoadResult::Damaged:
        throw CliError("schedule file " + path + " is damaged");
    }
    return loaded;
}

Game loadGameOrFail(const std::string &path)
{
    Game game;
    if (!loadGame(game, path)) {
        if (const std::string refused = fileRefusalText(path); !refused.empty())
            throw CliError(refused);
        std::error_code error;
        if (!std::filesystem::is_regular_file(path, error))
            throw CliError("cannot read game file " + path);
        throw CliError("game file " + path + " is damaged");
    }
    return game;
}

std::unique_ptr<GameLock> lockGameForWriting(const std::string &path, const CliContext &context)
{
    auto lock = std::make_unique<GameLock>();
    const LockResult result = lock->take(path, defaultStateDir(), context.takeOverLock);
    if (result == LockResult::HeldHere)
        throw CliError("game file " + path + " is open " + whereGameIsOpen(*lock->holder()) + ": not written");
    if (result == LockResult::HeldElsewhere)
        throw CliError("game file " + path + " is open " + whereGameIsOpen(*lock->holder()) +
                       ": not written (--take-over-lock takes it when the program no longer runs there)");
    if (result == LockResult::Blocked)
        throw CliError(lock->blockedText() + " Game file " + path + " is not written.");
    return lock;
}

std::string cannotReadText(const std::string &what, const std::string &path)
{
    const std::string refused = fileRefusalText(path);
    return refused.empty() ? "cannot read " + what + " " + path : refused;
}

void addTakeOverLockOption(CLI::App &command, CliContext &context)
{
    command.add_flag("--take-over-lock", context.takeOverLock,
                     "take the game's lock from another computer, where the program no longer runs");
}

void addPeriodOption(CLI::App &command, CliContext &context)
{
    command.add_option("--period", context.period, "the period (default game)")->check(CLI::IsMember(periodNames()));
}

SummaryPeriod chosenPeriod(const CliContext &context)
{
    return kPeriods.at(context.period.empty() ? "game" : context.period);
}

void addFormatOption(CLI::App &command, CliContext &context, const std::vector<std::string> &formats)
{
    command.add_option("--format", context.format, "output format (default " + formats.front() + ")")
        ->check(CLI::IsMember(formats));
    addOutputOption(command, context);
}

ExportFormat chosenFormat(const CliContext &context)
{
    return context.format == "html" ? ExportFormat::Html : ExportFormat::Csv;
}

} // namespace yardmark::cli
