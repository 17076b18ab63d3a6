#include "teamform.h"

#include "base/text.h"
#include "records/recordcodec.h"

namespace yardmark {

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
        form.current[i] = rosterIndexOfName(team, *names[i]);
    return form;
}

std::array<std::string, kCurrentPlayerCount> chosenCurrentPlayers(const TeamForm &form, const Team &team)
{
    std::array<std::string, kCurrentPlayerCount> chosen;
    const auto names = currentNames(team);
    for (int i = 0; i < kCurrentPlayerCount; ++i)
        chosen[i] = isRosterIndex(team, form.current[i]) ? team.players[form.current[i]].name : *names[i];
    return chosen;
}

void chooseCurrentPlayers(TeamForm &form, const Team &team, const std::array<std::string, kCurrentPlayerCount> &names)
{
    for (int i = 0; i < kCurrentPlayerCount; ++i)
        form.current[i] = rosterIndexOfName(team, names[i]);
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
        if (isRosterIndex(team, form.current[i]))
            *names[i] = team.players[form.current[i]].name;
}

} // namespace yardmark
