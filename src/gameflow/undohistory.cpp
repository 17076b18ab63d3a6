// Undo and redo of the game window's play list.
#include "gameflow.h"

#include <algorithm>
#include <array>

namespace yardmark {

GameFlow::UndoStep::UndoStep(GameFlow &flow)
    : m_flow(flow), m_before(flow.capture()), m_outermost(flow.m_openStep == nullptr)
{
    if (m_outermost) {
        m_flow.m_openStep = &m_before;
        m_flow.m_openStepKept = false;
    }
}

GameFlow::UndoStep::~UndoStep()
{
    if (!m_outermost)
        return;
    m_flow.keepUndoStep();
    m_flow.m_openStep = nullptr;
    m_flow.m_openStepKept = false;
}

void GameFlow::keepUndoStep()
{
    if (!m_openStep)
        return;
    // Whatever the command has changed so far is one step, made again from
    // the state before the command each time the command changes more.
    if (m_openStepKept) {
        m_undo.pop_back();
        m_openStepKept = false;
    }
    const std::vector<PlayRecord> &before = m_openStep->plays;
    const std::vector<PlayRecord> &now = m_game.plays;
    if (now == before)
        return;
    const auto [firstBefore, firstNow] = std::mismatch(before.begin(), before.end(), now.begin(), now.end());
    const auto common = static_cast<std::size_t>(firstBefore - before.begin());
    const std::size_t tails = std::min(before.size(), now.size()) - common;
    const auto [lastBefore, lastNow] = std::mismatch(before.rbegin(), before.rbegin() + static_cast<long>(tails),
                                                     now.rbegin(), now.rbegin() + static_cast<long>(tails));
    PlayListChange change;
    change.first = common;
    change.before.assign(firstBefore, lastBefore.base());
    change.after.assign(firstNow, lastNow.base());
    change.tryPending[0] = m_openStep->tryPending;
    change.kickoffPending[0] = m_openStep->kickoffPending;
    change.situation[0] = m_openStep->situation;
    change.tryPending[1] = m_game.tryPending;
    change.kickoffPending[1] = m_game.kickoffPending;
    change.situation[1] = m_situation;
    change.remembered[0] = m_openStep->remembered;
    change.remembered[1] = remembered();
    m_undo.push_back(std::move(change));
    m_redo.clear();
    m_openStepKept = true;
}

namespace {

// The players each team remembers for its next play: a play entered sets
// them and the game file keeps them, so undo and redo put them back too.
std::array<std::string *, 8> rememberedPlayers(Game &game)
{
    std::array<std::string *, 8> names{};
    std::size_t i = 0;
    for (Team *team : {&game.homeTeam, &game.visitorTeam})
        for (std::string *name :
             {&team->currentQuarterback, &team->currentKicker, &team->currentFieldGoalKicker, &team->currentPunter})
            names[i++] = name;
    return names;
}

} // namespace

GameFlow::RememberedPlayers GameFlow::remembered() const
{
    RememberedPlayers names;
    std::size_t i = 0;
    for (const Team *team : {&m_game.homeTeam, &m_game.visitorTeam})
        for (const std::string *name :
             {&team->currentQuarterback, &team->currentKicker, &team->currentFieldGoalKicker, &team->currentPunter})
            names[i++] = *name;
    return names;
}

GameFlow::PlayListState GameFlow::capture() const
{
    return {m_game.plays, m_game.tryPending, m_game.kickoffPending, m_situation, remembered()};
}

void GameFlow::apply(PlayListChange &change, bool after)
{
    const int leaving = after ? 0 : 1;
    const int coming = after ? 1 : 0;
    const std::vector<PlayRecord> &out = after ? change.before : change.after;
    const std::vector<PlayRecord> &in = after ? change.after : change.before;
    std::vector<PlayRecord> &plays = m_game.plays;
    // What the window shows now is what the other way back returns to.
    change.tryPending[leaving] = m_game.tryPending;
    change.kickoffPending[leaving] = m_game.kickoffPending;
    change.situation[leaving] = m_situation;
    change.remembered[leaving] = remembered();
    const auto first = plays.begin() + static_cast<long>(change.first);
    plays.insert(plays.erase(first, first + static_cast<long>(out.size())), in.begin(), in.end());
    m_lastEdit.reset();
    m_game.tryPending = change.tryPending[coming];
    m_game.kickoffPending = change.kickoffPending[coming];
    m_situation = change.situation[coming];
    const auto names = rememberedPlayers(m_game);
    for (std::size_t i = 0; i < names.size(); ++i)
        *names[i] = change.remembered[coming][i];
    refresh();
}

void GameFlow::undo()
{
    if (m_undo.empty())
        return;
    m_ui.playSound(kClickSound);
    m_redo.push_back(std::move(m_undo.back()));
    m_undo.pop_back();
    apply(m_redo.back(), false);
}

void GameFlow::redo()
{
    if (m_redo.empty())
        return;
    m_ui.playSound(kClickSound);
    m_undo.push_back(std::move(m_redo.back()));
    m_redo.pop_back();
    apply(m_undo.back(), true);
}

} // namespace yardmark
