#include "leagueoptionsform.h"

#include "base/text.h"

#include <algorithm>

namespace yardmark {
namespace {

std::vector<std::string> numbers(int first, int last, int step = 1)
{
    std::vector<std::string> list;
    for (int n = first; n <= last; n += step)
        list.push_back(std::to_string(n));
    return list;
}

} // namespace

LeagueOptionsChoices leagueOptionsChoices(const LeagueOptions &options)
{
    LeagueOptionsChoices choices;
    choices.timeOuts = numbers(1, 10);
    choices.minutes = numbers(1, 20);
    choices.kickoffLines = numbers(0, options.midfieldYardLine, 5);
    choices.tryLines = numbers(1, 20);
    choices.safetyLines = choices.kickoffLines;
    choices.points = numbers(1, 9);
    return choices;
}

LeagueOptionsForm leagueOptionsForm(const LeagueOptions &options)
{
    LeagueOptionsForm form;
    form.timeOutsPerHalf = std::to_string(options.timeOutsPerHalf);
    form.minutesPerQuarter = std::to_string(options.minutesPerQuarter);
    form.kickoffYardLine = std::to_string(options.kickoffYardLine);
    form.tryYardLine = std::to_string(options.tryYardLine);
    form.safetyKickYardLine = std::to_string(options.safetyKickYardLine);
    form.touchdownPoints = std::to_string(options.touchdownPoints);
    form.fieldGoalPoints = std::to_string(options.fieldGoalPoints);
    form.safetyPoints = std::to_string(options.safetyPoints);
    form.extraPointPoints = std::to_string(options.extraPointPoints);
    form.conversionPoints = std::to_string(options.conversionPoints);
    form.sacksAreRushes = options.sacksAreRushes;
    form.hundredYardField = !options.indoorField;
    return form;
}

void applyLeagueOptionsForm(const LeagueOptionsForm &form, LeagueOptions &options)
{
    const std::int32_t midfield = options.midfieldYardLine;
    options.timeOutsPerHalf = leadingInt(form.timeOutsPerHalf);
    options.minutesPerQuarter = leadingInt(form.minutesPerQuarter);
    options.kickoffYardLine = leadingInt(form.kickoffYardLine);
    options.tryYardLine = leadingInt(form.tryYardLine);
    options.safetyKickYardLine = leadingInt(form.safetyKickYardLine);
    options.touchdownPoints = leadingInt(form.touchdownPoints);
    options.fieldGoalPoints = leadingInt(form.fieldGoalPoints);
    options.safetyPoints = leadingInt(form.safetyPoints);
    options.extraPointPoints = leadingInt(form.extraPointPoints);
    options.conversionPoints = leadingInt(form.conversionPoints);
    boundLeagueOptions(options, midfield);
    options.indoorField = !form.hundredYardField;
    options.midfieldYardLine = midfieldFor(options.indoorField);
    options.sacksAreRushes = form.sacksAreRushes;
}

} // namespace yardmark
