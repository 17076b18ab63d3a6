// The season sub-commands: the schedule and a team's address list.

#include "base/datetime.h"
#include "clicontext.h"
#include "inputs.h"
#include "season/addresslistexport.h"
#include "season/schedule.h"
#include "season/scheduleexport.h"

#include <ostream>

namespace yardmark::cli {

void addScheduleCommand(CLI::App &app, CliContext &context)
{
    auto *schedule = app.add_subcommand("schedule", "the season schedule");
    schedule->require_subcommand(1);
    auto *exportCommand = schedule->add_subcommand("export", "write the schedule as comma-separated text or HTML");
    exportCommand->add_option("SCHEDULE", context.input, "schedule file (.sch)")->required();
    addFormatOption(*exportCommand, context);
    exportCommand->callback([&context] {
        context.run = [&context](std::ostream &out) {
            writeSchedule(out, loadScheduleOrFail(context.input), chosenFormat(context), false,
                          context.settings.app.html, currentDateTime());
        };
    });
}

void addTeamAddressesCommand(CLI::App &team, CliContext &context)
{
    auto *addresses = team.add_subcommand("addresses", "write a team's address and phone list");
    addresses->add_option("TEAM", context.input, "team file (.tem) or comma-separated team list (.csv)")->required();
    addFormatOption(*addresses, context);
    addresses->callback([&context] {
        context.run = [&context](std::ostream &out) {
            writeAddressList(out, loadTeamOrFail(context.input), chosenFormat(context), false,
                             context.settings.app.html, currentDateTime());
        };
    });
}

} // namespace yardmark::cli
