#include "addplayerform.h"

#include "base/text.h"
#include "records/recordcodec.h"
#include "records/roster.h"

namespace yardmark {

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
                              positionCodeOfRow(form.position), 0, 0};
    Team &team = form.home ? game.homeTeam : game.visitorTeam;
    addPlayer(team, player, newPersonalInfo());
    sortRoster(team, RosterSortKey::Name);
    return std::nullopt;
}

} // namespace yardmark
