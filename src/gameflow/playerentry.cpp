#include "playerentry.h"

#include "base/text.h"
#include "gameflow/interaction.h"
#include "gameflow/spotentry.h"

#include <algorithm>
#include <cstdio>

namespace yardmark {

namespace {

constexpr std::size_t kNumberFieldWidth = 24;
constexpr int kNoNumber = -2;

int typedNumber(std::string_view text)
{
    text = text.substr(0, kNumberFieldWidth);
    if (text.empty())
        return kNoNumber;
    if (text == "00")
        return -1;
    return leadingInt(text);
}

bool validIndex(const std::vector<PlayerRecord> &roster, int index)
{
    return index >= 0 && index < static_cast<int>(roster.size());
}

} // namespace

std::string rosterEntryText(const PlayerRecord &player)
{
    if (player.number < 0)
        return "00 - " + player.name;
    char number[16];
    std::snprintf(number, sizeof number, "%2d", static_cast<int>(player.number));
    return std::string(number) + " - " + player.name;
}

int preselectedRosterIndex(const std::vector<PlayerRecord> &roster, std::string_view name)
{
    for (int i = static_cast<int>(roster.size()) - 1; i >= 0; --i)
        if (roster[static_cast<std::size_t>(i)].name == name)
            return i;
    return -2;
}

void numberFieldLeft(PlayerEntry &entry, const std::vector<PlayerRecord> &roster)
{
    const int number = typedNumber(entry.numberText);
    entry.listIndex = -1;
    if (number == kNoNumber)
        return;
    const auto found =
        std::find_if(roster.begin(), roster.end(), [&](const PlayerRecord &player) { return player.number == number; });
    if (found != roster.end())
        entry.listIndex = static_cast<int>(found - roster.begin());
}

void playerChosen(PlayerEntry &entry, const std::vector<PlayerRecord> &roster, int index)
{
    if (!validIndex(roster, index)) {
        entry.listIndex = -1;
        return;
    }
    entry.listIndex = index;
    entry.numberText = listEntryPrefix(rosterEntryText(roster[static_cast<std::size_t>(index)]));
}

PlayerEntry showPlayerEntry(const PlayerRecord &player, const std::vector<PlayerRecord> &roster)
{
    PlayerEntry entry;
    const int index = player.name.empty() ? -2 : preselectedRosterIndex(roster, player.name);
    if (index >= 0)
        playerChosen(entry, roster, index);
    else if (player.number >= 0)
        entry.numberText = std::to_string(player.number);
    return entry;
}

PlayerRecord resolvePlayerEntry(const PlayerEntry &entry, const std::vector<PlayerRecord> &roster,
                                std::string_view role, Interaction &ui)
{
    const int number = typedNumber(entry.numberText);
    const bool chosen = validIndex(roster, entry.listIndex);
    if (number < 0 || number > 100)
        return chosen ? roster[static_cast<std::size_t>(entry.listIndex)] : PlayerRecord{};

    const auto wears = [&](const PlayerRecord &player) { return player.number == number; };
    const auto wearers = std::count_if(roster.begin(), roster.end(), wears);
    if (wearers > 1) {
        if (chosen)
            return roster[static_cast<std::size_t>(entry.listIndex)];
        ui.playSound(kWarningSound);
        ui.message("Select " + std::string(role) + " from Drop Down List",
                   "Number " + std::to_string(number) + " is Duplicated in Roster", MessageButtons::Ok,
                   MessageIcon::Warning);
        return PlayerRecord{};
    }
    if (wearers == 1)
        return *std::find_if(roster.begin(), roster.end(), wears);
    if (roster.empty())
        return PlayerRecord{};
    PlayerRecord nameless;
    nameless.number = number;
    return nameless;
}

} // namespace yardmark
