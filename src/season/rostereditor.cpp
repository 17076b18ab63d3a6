#include "rostereditor.h"

#include "base/text.h"
#include "records/recordcodec.h"
#include "records/roster.h"
#include "vocabulary/vocabulary.h"

#include <algorithm>
#include <initializer_list>
#include <tuple>

namespace yardmark {
namespace {

// Sorts the roster by name; the indexes in `follow` move with their players.
void sortByName(Team &team, std::initializer_list<int *> follow = {})
{
    keepPersonalInfoParallel(team);
    std::vector<int> order(team.players.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<int>(i);
    std::stable_sort(order.begin(), order.end(),
                     [&team](int a, int b) { return team.players[a].name < team.players[b].name; });
    std::vector<PlayerRecord> players;
    std::vector<PersonalInfo> infos;
    std::vector<int> newIndex(order.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        players.push_back(std::move(team.players[order[i]]));
        infos.push_back(std::move(team.personalInfo[order[i]]));
        newIndex[order[i]] = static_cast<int>(i);
    }
    team.players = std::move(players);
    team.personalInfo = std::move(infos);
    for (int *index : follow)
        if (*index >= 0 && *index < static_cast<int>(newIndex.size()))
            *index = newIndex[*index];
}

void storeFields(RosterEditor &editor)
{
    if (!isRosterIndex(editor.team, editor.selected))
        return;
    PlayerRecord &player = editor.team.players[editor.selected];
    const PlayerFields &fields = editor.fields;
    if (!fields.name.empty())
        player.name = fitText(fields.name, kNameWidth);
    player.offensivePosition = positionCodeOfRow(fields.offensivePosition);
    player.defensivePosition = positionCodeOfRow(fields.defensivePosition);
    player.number = readPlayerNumber(fields.number, fields.numberIndex);
    player.starterStatus = std::clamp(fields.starterStatus, 0, 3);
}

} // namespace

Team rosterWorkingCopy(const Team &team)
{
    Team copy;
    copy.rosterOnly = team.rosterOnly;
    copy.name = team.name; // the address list is headed with it
    appendRosterTo(copy, team);
    return copy;
}

RosterEditor rosterEditor(Team team)
{
    RosterEditor editor;
    editor.team = std::move(team);
    keepPersonalInfoParallel(editor.team);
    return editor;
}

std::string rosterEditorTitle(const RosterEditor &editor)
{
    if (!editor.touched)
        return "Edit Roster";
    if (!isRosterIndex(editor.team, editor.selected))
        return "No Player Selected";
    return "Player " + std::to_string(editor.selected + 1) + " out of " + std::to_string(editor.team.playerCount()) +
           " in Roster";
}

PlayerFields playerFields(const PlayerRecord &player)
{
    PlayerFields fields;
    fields.name = player.name;
    fields.offensivePosition = positionRowOfCode(player.offensivePosition);
    fields.defensivePosition = positionRowOfCode(player.defensivePosition);
    fields.number = playerNumberText(player.number);
    fields.numberIndex = std::clamp(player.number + 1, 0, 100);
    fields.starterStatus = std::clamp(player.starterStatus, 0, 3);
    return fields;
}

std::vector<RosterRow> rosterRows(const RosterEditor &editor)
{
    const Team &team = editor.team;
    std::vector<RosterRow> rows;
    for (int i = 0; i < team.playerCount(); ++i) {
        const PlayerRecord &player = team.players[i];
        rows.push_back(
            {i, playerNumberText(player.number), player.name, std::string(positionShortName(listedPosition(player)))});
    }
    const auto key = [&team, column = editor.sortColumn](const RosterRow &row) {
        const PlayerRecord &player = team.players[row.index];
        switch (column) {
        case RosterColumn::Number:
            return std::make_tuple(player.number, std::string(), player.name);
        case RosterColumn::Position:
            return std::make_tuple(0, row.position, player.name);
        case RosterColumn::Name:
            break;
        }
        return std::make_tuple(0, player.name, std::string());
    };
    std::stable_sort(rows.begin(), rows.end(), [&](const RosterRow &a, const RosterRow &b) {
        return editor.sortDescending ? key(b) < key(a) : key(a) < key(b);
    });
    return rows;
}

void sortRosterColumn(RosterEditor &editor, RosterColumn column)
{
    editor.sortDescending = editor.sortColumn == column && !editor.sortDescending;
    editor.sortColumn = column;
}

std::vector<std::pair<int, std::string>> starterList(const Team &team, bool offense)
{
    std::vector<std::pair<int, std::string>> lines;
    const std::int32_t own = offense ? 1 : 2;
    for (int i = 0; i < team.playerCount(); ++i) {
        const PlayerRecord &player = team.players[i];
        if (player.starterStatus == own || player.starterStatus == 3)
            lines.emplace_back(i,
                               rosterListText(player, offense ? player.offensivePosition : player.defensivePosition));
    }
    return lines;
}

void selectRosterPlayer(RosterEditor &editor, int index)
{
    editor.touched = true;
    if (!isRosterIndex(editor.team, index))
        index = -1;
    if (isRosterIndex(editor.team, editor.selected)) {
        storeFields(editor);
        sortByName(editor.team, {&index});
    }
    editor.selected = index;
    editor.fields = index >= 0 ? playerFields(editor.team.players[index]) : PlayerFields{};
}

bool updateRosterPlayer(RosterEditor &editor)
{
    if (!isRosterIndex(editor.team, editor.selected))
        return false;
    storeFields(editor);
    sortByName(editor.team, {&editor.selected});
    editor.fields = playerFields(editor.team.players[editor.selected]);
    return true;
}

AddOutcome addRosterPlayer(RosterEditor &editor)
{
    editor.touched = true;
    const std::string name = fitText(editor.fields.name, kNameWidth);
    if (name.size() < 2)
        return AddOutcome::Ignored;
    if (rosterIndexOfName(editor.team, name) >= 0)
        return AddOutcome::Duplicate;
    const PlayerFields &fields = editor.fields;
    const PlayerRecord player{name, readPlayerNumber(fields.number, fields.numberIndex),
                              positionCodeOfRow(fields.offensivePosition), positionCodeOfRow(fields.defensivePosition),
                              std::clamp(fields.starterStatus, 0, 3)};
    addPlayer(editor.team, player, newPersonalInfo());
    sortByName(editor.team);
    editor.selected = -1;
    editor.fields.name.clear();
    return AddOutcome::Added;
}

bool deleteRosterPlayer(RosterEditor &editor)
{
    editor.touched = true;
    if (!deletePlayer(editor.team, editor.selected))
        return false;
    editor.selected = -1;
    editor.fields = PlayerFields{};
    return true;
}

void clearRosterFields(RosterEditor &editor)
{
    editor.touched = true;
    editor.selected = -1;
    editor.fields = PlayerFields{};
}

void finishRosterEditor(RosterEditor &editor)
{
    storeFields(editor);
    sortByName(editor.team, {&editor.selected});
}

std::optional<std::string> rosterNumberQuestion(const RosterEditor &editor, bool adding)
{
    const PlayerFields &fields = editor.fields;
    const std::int32_t number = readPlayerNumber(fields.number, fields.numberIndex);
    if (!adding)
        return isRosterIndex(editor.team, editor.selected) ? numberWornQuestion(editor.team, number, editor.selected)
                                                           : std::nullopt;
    const std::string name = fitText(fields.name, kNameWidth);
    if (name.size() < 2 || rosterIndexOfName(editor.team, name) >= 0)
        return std::nullopt;
    return numberWornQuestion(editor.team, number, -1);
}

} // namespace yardmark
