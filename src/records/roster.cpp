#include "roster.h"

#include <algorithm>
#include <numeric>
#include <tuple>
#include <utility>

namespace yardmark {
namespace {

// Negative, zero or positive as player a sorts before, with or after player b.
int compareBy(RosterSortKey key, const Team &team, std::size_t a, std::size_t b)
{
    const auto compareText = [](const std::string &x, const std::string &y) { return x.compare(y); };
    const PersonalInfo &pa = team.personalInfo[a];
    const PersonalInfo &pb = team.personalInfo[b];
    switch (key) {
    case RosterSortKey::Name:
        return compareText(team.players[a].name, team.players[b].name);
    case RosterSortKey::Phone:
        return compareText(pa.phone, pb.phone);
    case RosterSortKey::Address:
        return compareText(pa.address, pb.address);
    case RosterSortKey::City:
        return compareText(pa.city, pb.city);
    case RosterSortKey::State:
        return compareText(pa.state, pb.state);
    case RosterSortKey::Zip:
        return compareText(pa.zip, pb.zip);
    case RosterSortKey::Email:
        return compareText(pa.email, pb.email);
    case RosterSortKey::Note:
        return compareText(pa.note, pb.note);
    case RosterSortKey::Birthday: {
        const auto da = std::make_tuple(pa.birthYear, pa.birthMonth, pa.birthDay);
        const auto db = std::make_tuple(pb.birthYear, pb.birthMonth, pb.birthDay);
        return da < db ? -1 : (db < da ? 1 : 0);
    }
    case RosterSortKey::Number: {
        const std::int32_t na = team.players[a].number;
        const std::int32_t nb = team.players[b].number;
        return na < nb ? -1 : (nb < na ? 1 : 0);
    }
    }
    return 0;
}

// Rosters beyond this size only come from damaged or hostile files; they are
// sorted stably in n log n instead of by the quadratic selection sort.
constexpr std::size_t kLargestSelectionSort = 2000;

void sortLargeRoster(Team &team, RosterSortKey key, bool ascending)
{
    std::vector<std::size_t> order(team.players.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const int c = compareBy(key, team, a, b);
        return ascending ? c < 0 : c > 0;
    });
    std::vector<PlayerRecord> players;
    std::vector<PersonalInfo> infos;
    players.reserve(order.size());
    infos.reserve(order.size());
    for (std::size_t i : order) {
        players.push_back(std::move(team.players[i]));
        infos.push_back(std::move(team.personalInfo[i]));
    }
    team.players = std::move(players);
    team.personalInfo = std::move(infos);
}

} // namespace

void keepPersonalInfoParallel(Team &team)
{
    team.personalInfo.resize(team.players.size());
}

void addPlayer(Team &team, const PlayerRecord &player, const PersonalInfo &info)
{
    keepPersonalInfoParallel(team);
    team.players.push_back(player);
    team.personalInfo.push_back(info);
}

bool deletePlayer(Team &team, int index)
{
    if (index < 0 || index >= team.playerCount())
        return false;
    keepPersonalInfoParallel(team);
    team.players.erase(team.players.begin() + index);
    team.personalInfo.erase(team.personalInfo.begin() + index);
    return true;
}

void sortRoster(Team &team, RosterSortKey key, bool ascending)
{
    keepPersonalInfoParallel(team);
    const std::size_t count = team.players.size();
    if (count > kLargestSelectionSort) {
        sortLargeRoster(team, key, ascending);
        return;
    }
    // A selection sort: equal players end up in the same order as the editing
    // dialogs have always shown them.
    for (std::size_t i = 0; i + 1 < count; ++i) {
        std::size_t pick = i;
        for (std::size_t j = i + 1; j < count; ++j) {
            const int order = compareBy(key, team, j, pick);
            if (ascending ? order < 0 : order > 0)
                pick = j;
        }
        if (pick != i) {
            std::swap(team.players[i], team.players[pick]);
            std::swap(team.personalInfo[i], team.personalInfo[pick]);
        }
    }
}

void copyRosterInto(Team &target, const Team &source)
{
    target.players = source.players;
    target.personalInfo = source.personalInfo;
    keepPersonalInfoParallel(target);
}

void appendRosterTo(Team &target, const Team &source)
{
    keepPersonalInfoParallel(target);
    // Copies first: `source` may be `target` itself.
    const std::vector<PlayerRecord> players = source.players;
    const std::vector<PersonalInfo> infos = source.personalInfo;
    const bool hasInfo = !source.rosterOnly;
    for (std::size_t i = 0; i < players.size(); ++i)
        addPlayer(target, players[i], hasInfo && i < infos.size() ? infos[i] : newPersonalInfo());
}

void copyTeamForGame(const Team &source, Team &target)
{
    target.fileName = source.fileName;
    target.name = source.name;
    target.coach = source.coach;
    target.assistant = source.assistant;
    target.logoFile = source.logoFile;
    target.reserved = source.reserved;
    target.currentQuarterback = source.currentQuarterback;
    target.currentKicker = source.currentKicker;
    target.currentFieldGoalKicker = source.currentFieldGoalKicker;
    target.currentPunter = source.currentPunter;
    target.players = source.players;
    target.personalInfo.assign(source.players.size(), PersonalInfo{});
    target.rosterOnly = true;
}

} // namespace yardmark
