#include "playerentry.h"

#include "base/text.h"
#include "vocabulary/vocabulary.h"

#include <cstdio>

namespace yardmark {
namespace {

std::string numberedText(const char *format, std::int32_t number, const std::string &name, std::string_view position)
{
    char text[128];
    std::snprintf(text, sizeof text, format, number, name.c_str(), std::string(position).c_str());
    return text;
}

} // namespace

bool isRosterIndex(const Team &team, int index)
{
    return index >= 0 && index < team.playerCount();
}

int rosterIndexOfName(const Team &team, const std::string &name)
{
    for (int i = 0; i < team.playerCount(); ++i)
        if (team.players[i].name == name)
            return i;
    return -1;
}

std::int32_t positionCodeOfRow(int listRow)
{
    return listRow >= 0 && listRow < kPositionCount ? listRow : 0;
}

int positionRowOfCode(std::int32_t code)
{
    return code >= 0 && code < kPositionCount ? code : -1;
}

std::int32_t listedPosition(const PlayerRecord &player)
{
    return player.offensivePosition != 0 ? player.offensivePosition : player.defensivePosition;
}

std::string teamListText(const PlayerRecord &player)
{
    const std::string_view position = positionShortName(listedPosition(player));
    if (player.number == -1)
        return "00 " + player.name + ", " + std::string(position);
    return numberedText("%2d, %s, %s", player.number, player.name, position);
}

std::string rosterListText(const PlayerRecord &player, std::int32_t position)
{
    const std::string_view shortName = positionShortName(position);
    if (player.number == -1)
        return "00, " + player.name + ", " + std::string(shortName);
    return numberedText("%2d, %s, %s", player.number, player.name, shortName);
}

std::vector<std::string> numberListTexts()
{
    std::vector<std::string> texts{"00"};
    for (int n = 0; n <= 99; ++n)
        texts.push_back(std::to_string(n));
    return texts;
}

std::int32_t readPlayerNumber(std::string_view typed, int listIndex)
{
    if (typed.empty())
        return std::clamp(listIndex - 1, -1, 99);
    if (typed == "00")
        return -1;
    return std::clamp(leadingInt(typed), -1, 99);
}

std::string playerNumberText(std::int32_t number)
{
    return number < 0 ? std::string("00") : std::to_string(number);
}

std::optional<std::string> numberWornQuestion(const Team &team, std::int32_t number, int except)
{
    if (number < 0)
        return std::nullopt;
    for (int i = 0; i < team.playerCount(); ++i) {
        const PlayerRecord &other = team.players[static_cast<std::size_t>(i)];
        if (i != except && other.number == number) {
            const std::string shown = std::to_string(number);
            return "Number " + shown + " is already worn by " + other.name + ".\n\nKeep both players with number " +
                   shown + "?";
        }
    }
    return std::nullopt;
}

} // namespace yardmark
