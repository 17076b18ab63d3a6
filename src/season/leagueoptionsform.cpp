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

// Values below `low` become `lowValue`, values above `high` become `high`.
std::int32_t corrected(const std::string &text, std::int32_t low, std::int32_t lowValue, std::int32_t high)
{
    const std::int32_t value = leadingInt(text);
    if (value < low)
        return lowValue;
    return std::min(value, high);
}

// Points: 0 or less takes the league's default.
std::int32_t points(const std::string &text, std::int32_t fallback)
{
    const std::int32_t value = leadingInt(text);
    return value <= 0 ? fallback : value;
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
    const LeagueOptions defaults;
    const std::int32_t midfield = options.midfieldYardLine;
    options.timeOutsPerHalf = corrected(form.timeOutsPerHalf, 1, 1, 10);
    options.minutesPerQuarter = corrected(form.minutesPerQuarter, 1, 1, 20);
    options.kickoffYardLine = corrected(form.kickoffYardLine, 0, 0, midfield);
    options.tryYardLine = corrected(form.tryYardLine, 1, 3, 20);
    options.safetyKickYardLine = corrected(form.safetyKickYardLine, 0, 0, midfield);
    options.touchdownPoints = points(form.touchdownPoints, defaults.touchdownPoints);
    options.fieldGoalPoints = points(form.fieldGoalPoints, defaults.fieldGoalPoints);
    options.safetyPoints = points(form.safetyPoints, defaults.safetyPoints);
    options.extraPointPoints = points(form.extraPointPoints, defaults.extraPointPoints);
    options.conversionPoints = points(form.conversionPoints, defaults.conversionPoints);
    options.indoorField = !form.hundredYardField;
    options.midfieldYardLine = midfieldFor(options.indoorField);
    options.sacksAreRushes = form.sacksAreRushes;
}

} // namespace yardmark
