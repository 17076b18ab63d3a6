// The play list commands of the game window: edit, delete and insert a play.
#include "gameflow.h"

#include "gameflow/entry/editplayentry.h"
#include "gameflow/gamerules.h"
#include "gameflow/insertplay.h"
#include "vocabulary/narration.h"
#include "vocabulary/vocabulary.h"

#include <algorithm>

namespace yardmark {

namespace {

bool isScoreOrTry(const PlayRecord &play)
{
    const bool scored =
        play.scoreType >= code(ScoreType::Touchdown) && play.scoreType <= code(ScoreType::RunbackSafety);
    return scored || isTry(play.playType);
}

PlayKind entryKindOf(InsertKind kind)
{
    switch (kind) {
    case InsertKind::KickOff:
        return PlayKind::KickOff;
    case InsertKind::Punt:
        return PlayKind::Punt;
    case InsertKind::Rush:
        return PlayKind::Rush;
    case InsertKind::Pass:
        return PlayKind::Pass;
    case InsertKind::OffensivePenalty:
        return PlayKind::OffensivePenalty;
    case InsertKind::DefensivePenalty:
        return PlayKind::DefensivePenalty;
    default:
        return PlayKind::FieldGoal;
    }
}

} // namespace

void GameFlow::rederive(bool takeQuarter)
{
    if (m_game.plays.empty())
        return;
    const std::int32_t quarter = m_situation.quarter;
    const bool homeOnLeft = m_situation.homeOnLeft;
    m_situation = situationAfterPlay(m_game.plays.back(), m_game, league());
    m_situation.homeOnLeft = homeOnLeft;
    if (!takeQuarter)
        m_situation.quarter = quarter;
}

void GameFlow::editPlay(int index)
{
    const UndoStep step(*this);
    if (index < 0 || index >= m_game.playCount()) {
        ask("Select Play to Edit", "No Play Selected", MessageButtons::Ok);
        return;
    }
    m_currentPlay = m_game.plays[static_cast<std::size_t>(index)];
    EditPlayEntry dialog(m_currentPlay, m_game, league(), m_ui);
    m_ui.runEditPlay(dialog);
    if (dialog.accepted()) {
        PlayRecord &play = m_game.plays[static_cast<std::size_t>(index)];
        m_lastEdit = EditedPlay{index, play};
        play = m_currentPlay;
        rederive(false);
        refresh();
        offerReflow(index);
    }
    m_selectedPlay = index;
}

void GameFlow::deletePlay(int index)
{
    const UndoStep step(*this);
    if (index < 0 || index >= m_game.playCount()) {
        ask("Select Play to Delete", "No Play Selected", MessageButtons::Ok);
        return;
    }
    m_ui.playSound(kClickSound);
    // The question names the play, as the play list shows it.
    const std::string question = "Are you sure you want to delete play?\n" +
                                 narratePlay(m_game.plays[static_cast<std::size_t>(index)], m_game.info, league());
    if (ask(question, "Delete Play?", MessageButtons::YesNo) != MessageAnswer::Yes)
        return;
    PlayRecord &play = m_game.plays[static_cast<std::size_t>(index)];
    // Taking back the last score or try takes back what it made due.
    if (index == m_game.playCount() - 1 && isScoreOrTry(play)) {
        m_game.kickoffPending = false;
        m_game.tryPending = false;
    }
    play.playType = code(PlayType::NoPlay);
    m_game.removeNoPlays();
    m_lastEdit.reset();
    rederive(false);
    refresh();
    // The play before the one taken out now leads straight to the one after it.
    offerReflow(std::max(index - 1, 0));
}

void GameFlow::insertPlay(int index)
{
    const UndoStep step(*this);
    if (index < 0 || index >= m_game.playCount()) {
        ask("Select play that new play will be inserted after", "No Play Selected", MessageButtons::Ok);
        return;
    }
    if (index == m_game.playCount() - 1) {
        ask("No need to insert after last play", "Last Play Selected", MessageButtons::Ok);
        return;
    }
    const bool before = ask("Insert before the play selected?\n\n Yes for Before, No for After", "Insert before play?",
                            MessageButtons::YesNo) == MessageAnswer::Yes;
    const int after = before ? index - 1 : index; // the new play goes right after this one

    // The play is entered in the situation of its place in the game. What is
    // due at the end of the game does not depend on it: that situation comes
    // back before it is taken again from the last play.
    const GameSituation endSituation = m_situation;
    const bool endTryPending = m_game.tryPending;
    const bool endKickoffPending = m_game.kickoffPending;
    if (after >= 0) {
        m_situation = situationAfterPlay(m_game.plays[static_cast<std::size_t>(after)], m_game, league());
        m_situation.homeOnLeft = endSituation.homeOnLeft;
    } else {
        // Before the first play: the game's opening situation.
        m_situation.quarter = 0;
        m_situation.down = 0;
        m_situation.toGo = 10;
        m_situation.homeHasBall = true;
        m_situation.ballSpot = FieldSpot{league().kickoffYardLine, true};
        m_game.tryPending = false;
        m_game.kickoffPending = false;
    }
    m_currentPlay = freshPlay();

    InsertPlayForm form;
    bool accepted = m_ui.runInsertPlay(form);
    m_ui.playSound(kClickSound);
    if (accepted && form.kind) {
        switch (*form.kind) {
        case InsertKind::HomeTimeOut:
        case InsertKind::VisitorTimeOut:
            m_currentPlay.playType =
                code(*form.kind == InsertKind::HomeTimeOut ? PlayType::HomeTimeOut : PlayType::VisitorTimeOut);
            // The time-out leaves the situation as the play before it left
            // it; before the first play, as the game opened.
            if (after >= 0) {
                const PlayRecord &previous = m_game.plays[static_cast<std::size_t>(after)];
                m_currentPlay.downAfter = previous.downAfter;
                m_currentPlay.toGoAfter = previous.toGoAfter;
                m_currentPlay.finalSpot = previous.finalSpot;
            } else {
                m_currentPlay.downAfter = m_situation.down;
                m_currentPlay.toGoAfter = m_situation.toGo;
                m_currentPlay.finalSpot = m_situation.ballSpot;
            }
            break;
        case InsertKind::ExtraPoint: {
            const bool tryPending = m_game.tryPending;
            m_game.tryPending = true;
            accepted = runEntryDialog(PlayKind::FieldGoal);
            m_game.tryPending = tryPending;
            break;
        }
        default:
            accepted = runEntryDialog(entryKindOf(*form.kind));
            break;
        }
    }
    if (accepted) {
        m_game.plays.insert(m_game.plays.begin() + (after + 1), m_currentPlay);
        m_lastEdit.reset();
    }

    m_situation = endSituation;
    m_game.tryPending = endTryPending;
    m_game.kickoffPending = endKickoffPending;
    rederive(true);
    refresh();
    if (accepted)
        offerReflow(after + 1);
    m_selectedPlay = after + 1;
}

void GameFlow::offerReflow(int from)
{
    auto choice = static_cast<ReflowChoice>(m_settings.app.reflowAfterCorrection);
    if (choice == ReflowChoice::Keep)
        return;
    Game trial = m_game;
    const PlayRecord *before = m_lastEdit && m_lastEdit->index == from ? &m_lastEdit->before : nullptr;
    const int changed = reflowPlays(trial, from, league(), before).changed;
    if (changed == 0)
        return;
    if (choice != ReflowChoice::Reflow)
        choice =
            m_ui.askReflow(std::to_string(changed) + " later plays no longer follow from this change. Re-flow them?");
    if (choice != ReflowChoice::Reflow)
        return;
    const ReflowResult result = reflow(from);
    // What could not be worked out again is listed, never guessed.
    if (!result.kept.empty()) {
        std::string text = "Left as recorded:";
        for (const ReflowNote &note : result.kept)
            text += "\n" + reflowNoteLine(note);
        ask(text, "Re-flow", MessageButtons::Ok);
    }
}

ReflowResult GameFlow::reflow(int index)
{
    const UndoStep step(*this);
    const PlayRecord *before = m_lastEdit && m_lastEdit->index == index ? &m_lastEdit->before : nullptr;
    const std::optional<PlayRecord> last =
        m_game.plays.empty() ? std::nullopt : std::optional<PlayRecord>(m_game.plays.back());
    ReflowResult result = reflowPlays(m_game, index, league(), before);
    // The situation the window holds moves only when the last play changed:
    // what the scorer set by hand after it stays.
    if (last && m_game.plays.back() != *last)
        rederive(true);
    refresh();
    m_selectedPlay = std::clamp(index, -1, m_game.playCount() - 1);
    return result;
}

} // namespace yardmark
