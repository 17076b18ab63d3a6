// Undo and redo of the game window's play list.
#include "gameflow.h"

namespace yardmark {

GameFlow::UndoStep::UndoStep(GameFlow &flow)
    : m_flow(flow), m_before(flow.capture()), m_outermost(flow.m_openStep == nullptr)
{
    if (m_outermost)
        m_flow.m_openStep = &m_before;
}

GameFlow::UndoStep::~UndoStep()
{
    if (!m_outermost)
        return;
    m_flow.keepUndoStep();
    m_flow.m_openStep = nullptr;
}

void GameFlow::keepUndoStep()
{
    if (!m_openStep || m_game.plays == m_openStep->plays)
        return;
    m_undo.push_back(*m_openStep);
    m_redo.clear();
    m_openStep = nullptr;
}

namespace {

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

GameFlow::PlayListState GameFlow::capture() const
{
    PlayListState state{m_game.plays, m_game.tryPending, m_game.kickoffPending, m_situation, {}};
    const auto names = rememberedPlayers(m_game);
    for (std::size_t i = 0; i < names.size(); ++i)
        state.remembered[i] = *names[i];
    return state;
}

void GameFlow::putBack(const PlayListState &state)
{
    m_lastEdit.reset();
    m_game.plays = state.plays;
    m_game.tryPending = state.tryPending;
    m_game.kickoffPending = state.kickoffPending;
    m_situation = state.situation;
    const auto names = rememberedPlayers(m_game);
    for (std::size_t i = 0; i < names.size(); ++i)
        *names[i] = state.remembered[i];
    refresh();
}

void GameFlow::undo()
{
    if (m_undo.empty())
        return;
    m_ui.playSound(kClickSound);
    m_redo.push_back(capture());
    const PlayListState before = std::move(m_undo.back());
    m_undo.pop_back();
    putBack(before);
}

void GameFlow::redo()
{
    if (m_redo.empty())
        return;
    m_ui.playSound(kClickSound);
    m_undo.push_back(capture());
    const PlayListState after = std::move(m_redo.back());
    m_redo.pop_back();
    putBack(after);
}

} // namespace yardmark
