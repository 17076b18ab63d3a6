#include "gameflow.h"

#include "base/atomicfile.h"
#include "base/datetime.h"
#include "gameflow/corrections.h"
#include "gameflow/gamerules.h"
#include "gameflow/playbyplay.h"
#include "gameflow/playentrycontext.h"
#include "records/gamefile.h"
#include "records/gamelock.h"
#include "records/teamfile.h"
#include "vocabulary/narration.h"
#include "vocabulary/vocabulary.h"

#include <algorithm>

namespace yardmark {

GameFlow::GameFlow(Game &game, const Settings &settings, Interaction &ui) : m_game(game), m_settings(settings), m_ui(ui)
{
}

std::string GameFlow::caption() const
{
    return m_game.info.homeTeamName + " Versus " + m_game.info.visitorTeamName +
           (m_game.readOnly ? kReadOnlyCaptionSuffix : "");
}

std::string_view GameFlow::quarterLabel() const
{
    return m_situation.quarter >= kRegularQuarters ? "Overtime" : "Quarter";
}

int GameFlow::timeOutsUsed(bool home) const
{
    return yardmark::timeOutsUsed(m_game, home, m_situation.quarter);
}

int GameFlow::timeOutsLeft(bool home) const
{
    return league().timeOutsPerHalf - timeOutsUsed(home);
}

MessageAnswer GameFlow::ask(std::string_view text, std::string_view caption, MessageButtons buttons)
{
    return m_ui.message(text, caption, buttons);
}

PlayRecord GameFlow::freshPlay() const
{
    return newPlayFromSituation(m_situation, m_currentPlay.penaltySpot);
}

void GameFlow::fillPlayList()
{
    m_playList.clear();
    m_playList.reserve(m_game.plays.size());
    for (const PlayRecord &play : m_game.plays)
        m_playList.push_back(narratePlay(play, m_game.info, league()));
    m_selectedPlay = static_cast<int>(m_playList.size()) - 1;
    m_breaks = checkContinuity(m_game, league());
}

std::string GameFlow::breakReason(int index) const
{
    std::string reason;
    for (const ContinuityBreak &found : m_breaks) {
        if (found.index == index)
            reason += (reason.empty() ? "" : "\n") + breakLine(found);
    }
    return reason;
}

void GameFlow::selectPlay(int index)
{
    if (index >= -1 && index < m_game.playCount())
        m_selectedPlay = index;
}

void GameFlow::refresh()
{
    fillPlayList();
    recomputeScore(m_game, league());
    m_game.savedBallSpot = m_situation.ballSpot;
    keepUndoStep();
    notifyChanged();
}

int GameFlow::addChangeListener(Listener listener)
{
    m_listeners.push_back({m_nextListenerId, false, std::move(listener)});
    return m_nextListenerId++;
}

int GameFlow::addCloseListener(Listener listener)
{
    m_listeners.push_back({m_nextListenerId, true, std::move(listener)});
    return m_nextListenerId++;
}

void GameFlow::removeListener(int id)
{
    std::erase_if(m_listeners, [id](const Subscription &s) { return s.id == id; });
}

void GameFlow::notify(bool onClose)
{
    // A listener may remove itself (a statistics window closing): walk a copy.
    const std::vector<Subscription> listeners = m_listeners;
    for (const Subscription &s : listeners) {
        if (s.onClose == onClose)
            s.listener();
    }
}

void GameFlow::notifyChanged()
{
    notify(false);
}

void GameFlow::open()
{
    m_open = true;
    bool kickoffNeeded = false;
    const bool homeOnLeft = m_situation.homeOnLeft;
    m_situation = situationOnOpening(m_game, league(), kickoffNeeded);
    m_situation.homeOnLeft = homeOnLeft;
    if (kickoffNeeded) {
        askWhoKicksOff(m_situation.quarter == 0 ? "Who Kicks Off in First Half?" : "Who Kicks Off in Second Half?",
                       m_situation.homeHasBall);
    }
    refresh();
}

void GameFlow::askWhoKicksOff(std::string_view title, bool homeChecked)
{
    const TeamChoice choice =
        m_ui.chooseTeam(title, m_game.info.homeTeamName, m_game.info.visitorTeamName, homeChecked);
    m_ui.playSound(kClickSound);
    m_game.tryPending = false;
    if (choice == TeamChoice::Cancelled) {
        m_game.kickoffPending = false;
        return;
    }
    chooseKickingTeam(m_situation, m_game, choice == TeamChoice::Home);
    recordPlay(PlayKind::KickOff);
}

bool GameFlow::pendingQuestionAllows(PlayKind kind)
{
    const PendingKick pending = pendingKickLeftUndone(kind, m_game);
    if (pending == PendingKick::Try &&
        ask("Select <OK> to Complete Point After Touchdown\n or <Cancel> Point After Touchdown",
            "Point After Touchdown Incomplete", MessageButtons::OkCancel) != MessageAnswer::Cancel)
        return false;
    if (pending == PendingKick::KickOff &&
        ask("Select <OK> to Complete Kick Off\n or <Cancel> Kick Off", "Kick Off Incomplete",
            MessageButtons::OkCancel) != MessageAnswer::Cancel)
        return false;
    giveUpPendingKick(pending, m_game);
    return true;
}

bool GameFlow::runEntryDialog(PlayKind kind)
{
    PlayEntryContext context(m_currentPlay, m_situation, m_game, league(), m_ui);
    return m_ui.runPlayDialog(kind, context);
}

void GameFlow::recordPlay(PlayKind kind)
{
    const UndoStep step(*this);
    const bool penalty = kind == PlayKind::OffensivePenalty || kind == PlayKind::DefensivePenalty;
    m_ui.playSound(penalty ? kWarningSound : kClickSound);
    if (!pendingQuestionAllows(kind))
        return;
    m_currentPlay = freshPlay();
    if (!runEntryDialog(kind))
        return;
    m_game.appendPlay(m_currentPlay);
    applyPlayOutcome(m_game.plays.back(), m_situation, m_game, league());
    refresh();
}

void GameFlow::timeOut(Column column)
{
    const UndoStep step(*this);
    m_ui.playSound(kTimeOutSound);
    m_currentPlay = freshPlay();
    m_currentPlay.playType = code(isHomeColumn(column) ? PlayType::HomeTimeOut : PlayType::VisitorTimeOut);
    // A time-out leaves the situation as the last play left it.
    if (!m_game.plays.empty()) {
        const PlayRecord &last = m_game.plays.back();
        m_currentPlay.downAfter = last.downAfter;
        m_currentPlay.toGoAfter = last.toGoAfter;
        m_currentPlay.finalSpot = last.finalSpot;
    }
    m_game.appendPlay(m_currentPlay);
    refresh();
}

void GameFlow::giveBall(Column column)
{
    m_ui.playSound(kClickSound);
    m_situation.homeHasBall = isHomeColumn(column);
    refresh();
}

void GameFlow::quarterUp()
{
    m_ui.playSound(kClickSound);
    ++m_situation.quarter;
    const int quarter = m_situation.quarter;
    const bool newPeriod = !m_game.plays.empty() && noPlayFromQuarter(m_game, quarter);
    if (newPeriod && enterPeriod(m_situation, m_game, league()) == PeriodStart::SecondHalf) {
        // The team that received the opening kickoff kicks off the second half.
        askWhoKicksOff("Who Kicks Off in Second Half?", !m_game.plays.front().homeHasBall);
    }
    if (m_settings.app.swapSidesEachQuarter)
        swapSides();
    else
        refresh();
}

void GameFlow::quarterDown()
{
    m_ui.playSound(kClickSound);
    if (m_situation.quarter > 0)
        --m_situation.quarter;
    refresh();
}

void GameFlow::downUp()
{
    m_ui.playSound(kClickSound);
    if (m_situation.down < 3)
        ++m_situation.down;
    notifyChanged();
}

void GameFlow::downDown()
{
    m_ui.playSound(kClickSound);
    if (m_situation.down > 0)
        --m_situation.down;
    notifyChanged();
}

void GameFlow::ballOn()
{
    BallOnForm form = openBallOn(m_situation, m_game.info);
    const bool accepted = m_ui.runBallOn(form);
    m_ui.playSound(kClickSound);
    if (accepted)
        m_situation.ballSpot = ballOnSpot(form, league());
    refresh();
}

void GameFlow::toGo()
{
    ToGoForm form = openToGo(m_situation, league());
    const bool accepted = m_ui.runToGo(form);
    m_ui.playSound(kClickSound);
    if (accepted)
        m_situation.toGo = toGoValue(form, league());
    refresh();
}

void GameFlow::swapSides()
{
    m_ui.playSound(kClickSound);
    m_situation.homeOnLeft = !m_situation.homeOnLeft;
    refresh();
}

namespace {

/// What the game file keeps of the situation: the quarter reached and the
/// pending flags the last play leaves.
void storeSituation(Game &game, GameSituation &situation, const LeagueOptions &league)
{
    game.savedQuarter = std::max(highestPlayQuarter(game), static_cast<int>(situation.quarter));
    if (!game.plays.empty())
        applyPlayOutcome(game.plays.back(), situation, game, league);
}

} // namespace

void GameFlow::storeSituationInGame()
{
    storeSituation(m_game, m_situation, league());
}

Game GameFlow::gameAsSaved() const
{
    Game game = m_game;
    GameSituation situation = m_situation;
    storeSituation(game, situation, league());
    return game;
}

bool GameFlow::savedAsItStands() const
{
    if (m_game.fileName.empty() || m_game.readOnly)
        return false;
    std::vector<std::uint8_t> onDisk;
    if (!readWholeFile(m_game.fileName, onDisk, kMaxRecordFileSize))
        return false;
    return onDisk == encodeGame(gameAsSaved());
}

bool GameFlow::saveReportingFailure()
{
    storeSituationInGame();
    if (m_game.readOnly) {
        // The program that has the game open saves it; this window only looks on.
        m_ui.playSound(kWarningSound);
        ask(kReadOnlySaveText, kReadOnlySaveCaption, MessageButtons::Ok);
        return false;
    }
    m_lastSaveFailed = !saveGame(m_game, m_game.fileName);
    if (!m_lastSaveFailed)
        return true;
    m_ui.playSound(kWarningSound);
    ask(kCannotSaveGameText, kCannotSaveGameCaption, MessageButtons::Ok);
    return false;
}

void GameFlow::close()
{
    m_open = false;
    notify(true);
}

bool GameFlow::quitGame()
{
    m_ui.playSound(kClickSound);
    // Nothing changed since the file was written: no question, and the file
    // keeps its time.
    if (savedAsItStands()) {
        close();
        return true;
    }
    switch (ask("Save changes to game?", "Save Game?", MessageButtons::YesNoCancel)) {
    case MessageAnswer::Yes:
        // A failed save keeps the window open so that nothing is lost.
        if (!saveReportingFailure())
            return false;
        break;
    case MessageAnswer::No:
        break;
    default:
        return false;
    }
    close();
    return true;
}

void GameFlow::closeByOwner()
{
    if (!m_open)
        return;
    if (!savedAsItStands() && ask("Save changes to game?", "Save Game?", MessageButtons::YesNo) == MessageAnswer::Yes)
        saveReportingFailure();
    close();
}

bool GameFlow::reload()
{
    m_lastEdit.reset();
    m_undo.clear();
    m_redo.clear();
    if (!reloadGame(m_game)) {
        // The game in memory is kept whole; the scorer learns the file failed.
        m_ui.playSound(kWarningSound);
        ask("Can't load game !", "File corrupt ?", MessageButtons::Ok);
        return false;
    }
    open();
    return true;
}

void GameFlow::exportPlayByPlay(std::ostream &out, bool html, bool appending) const
{
    writePlayByPlay(out, m_game.info, m_playList, html, appending, m_settings.app.html, currentDateTime());
}

} // namespace yardmark
