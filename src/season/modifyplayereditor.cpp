#include "modifyplayereditor.h"

#include "base/text.h"
#include "records/recordcodec.h"
#include "records/roster.h"

#include <algorithm>

namespace yardmark {

namespace {

Team &shownTeam(ModifyPlayerEditor &editor)
{
    return editor.homeShown ? editor.home : editor.visitor;
}

void showModifyPlayer(ModifyPlayerEditor &editor, int index)
{
    Team &team = shownTeam(editor);
    editor.selected = isRosterIndex(team, index) ? index : -1;
    if (editor.selected < 0) {
        editor.name.clear();
        editor.position = -1;
        editor.number.clear();
        editor.numberIndex = -1;
        return;
    }
    const PlayerRecord &player = team.players[editor.selected];
    editor.name = player.name;
    editor.position = positionRowOfCode(player.offensivePosition);
    editor.number = playerNumberText(player.number);
    editor.numberIndex = std::clamp(player.number + 1, 0, 100);
}

} // namespace

ModifyPlayerEditor modifyPlayerEditor(const Game &game)
{
    ModifyPlayerEditor editor;
    editor.home = game.homeTeam;
    editor.visitor = game.visitorTeam;
    showModifyPlayer(editor, 0);
    return editor;
}

std::vector<std::string> modifyPlayerList(const ModifyPlayerEditor &editor)
{
    std::vector<std::string> names;
    for (const PlayerRecord &player : (editor.homeShown ? editor.home : editor.visitor).players)
        names.push_back(player.name);
    return names;
}

namespace {

void keepShownPlayer(ModifyPlayerEditor &editor)
{
    Team &team = shownTeam(editor);
    if (!isRosterIndex(team, editor.selected) || editor.name.empty())
        return;
    PlayerRecord &player = team.players[editor.selected];
    player.name = fitText(editor.name, kNameWidth);
    player.number = readPlayerNumber(editor.number, editor.numberIndex);
}

} // namespace

void showModifyTeam(ModifyPlayerEditor &editor, bool home)
{
    keepShownPlayer(editor);
    editor.homeShown = home;
    showModifyPlayer(editor, 0);
}

void selectModifyPlayer(ModifyPlayerEditor &editor, int index)
{
    keepShownPlayer(editor);
    showModifyPlayer(editor, index);
}

std::optional<Notice> finishModifyPlayer(ModifyPlayerEditor &editor, Game &game)
{
    if (editor.name.empty())
        return kNoPlayerName;
    Team &team = shownTeam(editor);
    if (isRosterIndex(team, editor.selected)) {
        PlayerRecord &player = team.players[editor.selected];
        player.name = fitText(editor.name, kNameWidth);
        player.number = readPlayerNumber(editor.number, editor.numberIndex);
        player.offensivePosition = positionCodeOfRow(editor.position);
    }
    for (const bool home : {true, false}) {
        const Team &copy = home ? editor.home : editor.visitor;
        const Team &original = home ? game.homeTeam : game.visitorTeam;
        // Old names first: a rename must not be mistaken for another player's old name.
        std::vector<std::string> oldNames;
        for (const PlayerRecord &player : original.players)
            oldNames.push_back(player.name);
        for (int i = 0; i < copy.playerCount() && i < static_cast<int>(oldNames.size()); ++i)
            game.renamePlayerInPlays(oldNames[i], copy.players[i], home);
    }
    sortRoster(game.homeTeam, RosterSortKey::Name);
    sortRoster(game.visitorTeam, RosterSortKey::Name);
    return std::nullopt;
}

} // namespace yardmark
