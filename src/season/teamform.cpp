#include "teamform.h"

#include "base/text.h"
#include "records/recordcodec.h"
#include "records/roster.h"
#include "vocabulary/vocabulary.h"

#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <tuple>

namespace yardmark {
namespace {

std::string numberedText(const char *format, std::int32_t number, const std::string &name, std::string_view position)
{
    char text[128];
    std::snprintf(text, sizeof text, format, number, name.c_str(), std::string(position).c_str());
    return text;
}

bool validIndex(const Team &team, int index)
{
    return index >= 0 && index < team.playerCount();
}

int indexOfName(const Team &team, const std::string &name)
{
    for (int i = 0; i < team.playerCount(); ++i)
        if (team.players[i].name == name)
            return i;
    return -1;
}

std::int32_t positionCode(int listRow)
{
    return listRow >= 0 && listRow < kPositionCount ? listRow : 0;
}

int positionRow(std::int32_t code)
{
    return code >= 0 && code < kPositionCount ? code : -1;
}

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
    if (!validIndex(editor.team, editor.selected))
        return;
    PlayerRecord &player = editor.team.players[editor.selected];
    const PlayerFields &fields = editor.fields;
    if (!fields.name.empty())
        player.name = fitText(fields.name, kNameWidth);
    player.offensivePosition = positionCode(fields.offensivePosition);
    player.defensivePosition = positionCode(fields.defensivePosition);
    player.number = readPlayerNumber(fields.number, fields.numberIndex);
    player.starterStatus = std::clamp(fields.starterStatus, 0, 3);
}

} // namespace

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

// ---- The team dialog ----

std::vector<std::string> teamPlayerList(const Team &team)
{
    std::vector<std::string> lines;
    for (const PlayerRecord &player : team.players)
        lines.push_back(teamListText(player));
    return lines;
}

namespace {

std::array<const std::string *, kCurrentPlayerCount> currentNames(const Team &team)
{
    return {&team.currentQuarterback, &team.currentKicker, &team.currentFieldGoalKicker, &team.currentPunter};
}

} // namespace

TeamForm teamForm(const Team &team)
{
    TeamForm form;
    form.name = team.name;
    form.coach = team.coach;
    form.assistant = team.assistant;
    form.logoFile = team.logoFile;
    const auto names = currentNames(team);
    for (int i = 0; i < kCurrentPlayerCount; ++i)
        form.current[i] = indexOfName(team, *names[i]);
    return form;
}

std::array<std::string, kCurrentPlayerCount> chosenCurrentPlayers(const TeamForm &form, const Team &team)
{
    std::array<std::string, kCurrentPlayerCount> chosen;
    const auto names = currentNames(team);
    for (int i = 0; i < kCurrentPlayerCount; ++i)
        chosen[i] = validIndex(team, form.current[i]) ? team.players[form.current[i]].name : *names[i];
    return chosen;
}

void chooseCurrentPlayers(TeamForm &form, const Team &team, const std::array<std::string, kCurrentPlayerCount> &names)
{
    for (int i = 0; i < kCurrentPlayerCount; ++i)
        form.current[i] = indexOfName(team, names[i]);
}

void applyTeamForm(const TeamForm &form, Team &team)
{
    team.name = fitText(form.name, kNameWidth);
    team.coach = fitText(form.coach, kNameWidth);
    team.assistant = fitText(form.assistant, kNameWidth);
    team.logoFile = fitText(form.logoFile, kPathWidth);
    std::string *const names[kCurrentPlayerCount] = {&team.currentQuarterback, &team.currentKicker,
                                                     &team.currentFieldGoalKicker, &team.currentPunter};
    for (int i = 0; i < kCurrentPlayerCount; ++i)
        if (validIndex(team, form.current[i]))
            *names[i] = team.players[form.current[i]].name;
}

Team rosterWorkingCopy(const Team &team)
{
    Team copy;
    copy.rosterOnly = team.rosterOnly;
    copy.name = team.name; // the address list is headed with it
    appendRosterTo(copy, team);
    return copy;
}

// ---- The roster editor ----

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
    if (!validIndex(editor.team, editor.selected))
        return "No Player Selected";
    return "Player " + std::to_string(editor.selected + 1) + " out of " + std::to_string(editor.team.playerCount()) +
           " in Roster";
}

PlayerFields playerFields(const PlayerRecord &player)
{
    PlayerFields fields;
    fields.name = player.name;
    fields.offensivePosition = positionRow(player.offensivePosition);
    fields.defensivePosition = positionRow(player.defensivePosition);
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
    if (!validIndex(editor.team, index))
        index = -1;
    if (validIndex(editor.team, editor.selected)) {
        storeFields(editor);
        sortByName(editor.team, {&index});
    }
    editor.selected = index;
    editor.fields = index >= 0 ? playerFields(editor.team.players[index]) : PlayerFields{};
}

bool updateRosterPlayer(RosterEditor &editor)
{
    if (!validIndex(editor.team, editor.selected))
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
    if (indexOfName(editor.team, name) >= 0)
        return AddOutcome::Duplicate;
    const PlayerFields &fields = editor.fields;
    const PlayerRecord player{name, readPlayerNumber(fields.number, fields.numberIndex),
                              positionCode(fields.offensivePosition), positionCode(fields.defensivePosition),
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

// ---- Add Player and Modify Player ----

namespace {

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

} // namespace

std::optional<std::string> rosterNumberQuestion(const RosterEditor &editor, bool adding)
{
    const PlayerFields &fields = editor.fields;
    const std::int32_t number = readPlayerNumber(fields.number, fields.numberIndex);
    if (!adding)
        return validIndex(editor.team, editor.selected) ? numberWornQuestion(editor.team, number, editor.selected)
                                                        : std::nullopt;
    const std::string name = fitText(fields.name, kNameWidth);
    if (name.size() < 2 || indexOfName(editor.team, name) >= 0)
        return std::nullopt;
    return numberWornQuestion(editor.team, number, -1);
}

std::optional<std::string> addPlayerNumberQuestion(const AddPlayerForm &form, const Game &game)
{
    if (form.name.empty())
        return std::nullopt;
    return numberWornQuestion(form.home ? game.homeTeam : game.visitorTeam,
                              readPlayerNumber(form.number, form.numberIndex), -1);
}

std::optional<Notice> addGamePlayer(const AddPlayerForm &form, Game &game)
{
    if (form.name.empty())
        return kNoPlayerName;
    const PlayerRecord player{fitText(form.name, kNameWidth), readPlayerNumber(form.number, form.numberIndex),
                              positionCode(form.position), 0, 0};
    Team &team = form.home ? game.homeTeam : game.visitorTeam;
    addPlayer(team, player, newPersonalInfo());
    sortRoster(team, RosterSortKey::Name);
    return std::nullopt;
}

namespace {

Team &shownTeam(ModifyPlayerEditor &editor)
{
    return editor.homeShown ? editor.home : editor.visitor;
}

void showModifyPlayer(ModifyPlayerEditor &editor, int index)
{
    Team &team = shownTeam(editor);
    editor.selected = validIndex(team, index) ? index : -1;
    if (editor.selected < 0) {
        editor.name.clear();
        editor.position = -1;
        editor.number.clear();
        editor.numberIndex = -1;
        return;
    }
    const PlayerRecord &player = team.players[editor.selected];
    editor.name = player.name;
    editor.position = positionRow(player.offensivePosition);
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
    if (!validIndex(team, editor.selected) || editor.name.empty())
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
    if (validIndex(team, editor.selected)) {
        PlayerRecord &player = team.players[editor.selected];
        player.name = fitText(editor.name, kNameWidth);
        player.number = readPlayerNumber(editor.number, editor.numberIndex);
        player.offensivePosition = positionCode(editor.position);
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
