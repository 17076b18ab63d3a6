#pragma once

#include "gameflow/continuity.h"
#include "gameflow/gamesituation.h"
#include "gameflow/interaction.h"
#include "gameflow/reflow.h"
#include "records/game.h"
#include "records/settings.h"

#include <array>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace yardmark {

/// The two columns of the scoreboard; which team stands in which follows `homeOnLeft`.
enum class Column { Left, Right };

/// The game window without its widgets: it owns the running situation and the
/// play being entered, records plays into the game it borrows, keeps the play
/// list and the score, and asks the user everything through `Interaction`.
/// Every command of the window is one method; the window only draws what the
/// accessors report after each call (or on the refresh listener).
class GameFlow {
public:
    GameFlow(Game &game, const Settings &settings, Interaction &ui);

    GameFlow(const GameFlow &) = delete;
    GameFlow &operator=(const GameFlow &) = delete;

    // What the window shows.
    const GameSituation &situation() const { return m_situation; }
    const PlayRecord &currentPlay() const { return m_currentPlay; }
    Game &game() { return m_game; }
    const Game &game() const { return m_game; }
    const LeagueOptions &league() const { return m_settings.league; }
    ButtonLabels labels() const { return buttonLabels(m_game.tryPending); }
    /// "<home> Versus <visitor>".
    std::string caption() const;
    /// "Quarter", or "Overtime" beside an overtime period.
    std::string_view quarterLabel() const;
    int timeOutsUsed(bool home) const;
    /// Time-outs per half less those used; may fall below 0.
    int timeOutsLeft(bool home) const;
    /// The team standing in a scoreboard column.
    bool isHomeColumn(Column column) const { return (column == Column::Left) == m_situation.homeOnLeft; }
    /// One narration line per play.
    const std::vector<std::string> &playList() const { return m_playList; }
    /// The selected line of the play list, -1 for none.
    int selectedPlay() const { return m_selectedPlay; }
    /// Where the game does not add up, as it stands (see `checkContinuity`).
    const std::vector<ContinuityBreak> &breaks() const { return m_breaks; }
    /// Why a play does not follow from the one before it; empty when it does.
    std::string breakReason(int index) const;
    /// False once the window has closed.
    bool isOpen() const { return m_open; }

    // The window's commands.
    void open();
    void recordPlay(PlayKind kind);
    void timeOut(Column column);
    void giveBall(Column column);
    void quarterUp();
    void quarterDown();
    void downUp();
    void downDown();
    void ballOn();
    void toGo();
    void editPlay(int index);
    void deletePlay(int index);
    void insertPlay(int index);
    /// Selects a line of the play list (a break chosen in "Check Game").
    void selectPlay(int index);
    /// Re-derives the situation after play `index` and every later play
    /// (`reflowPlays`) as one undo step. The corrected play's results that the
    /// last Edit Play of it changed stay as the scorer set them.
    ReflowResult reflow(int index);
    void swapSides();
    /// "&Quit Game": true when the window closes.
    bool quitGame();
    /// The window's owner closes it: the user may still save.
    void closeByOwner();
    /// Reads the game again from its file and starts over from it.
    bool reload();
    /// The play list as text or HTML, for "E&xport Play By Play ...".
    void exportPlayByPlay(std::ostream &out, bool html, bool appending) const;

    /// Stores what the game file keeps of the situation (the quarter reached,
    /// the pending flags of the last play), as saving from the window does.
    void storeSituationInGame();
    /// Whether the last save from the window failed (the game then lives on
    /// only in memory and in its recovery copy).
    bool lastSaveFailed() const { return m_lastSaveFailed; }
    /// The game as saving it now would write it, the window left as it is.
    Game gameAsSaved() const;
    /// True when saving now would write exactly what the game's file holds:
    /// there is nothing to ask about and nothing to write.
    bool savedAsItStands() const;

    /// Undo and redo of the play list: each recorded, edited, deleted or
    /// inserted play and each time-out is one step. A step puts back the
    /// play list, the pending try and kickoff and the situation exactly as
    /// they were, for the whole time the window is open.
    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }
    void undo();
    void redo();

    /// Listeners are told after every command that changes what the window
    /// shows (the statistics windows recompute, the recovery copy is written)
    /// and when the window closes (they close too). Any number may listen; the
    /// id a listener gets removes it again.
    using Listener = std::function<void()>;
    int addChangeListener(Listener listener);
    int addCloseListener(Listener listener);
    void removeListener(int id);

private:
    /// The players each team remembers for the next play (home, then
    /// visitor: quarterback, kicker, field goal kicker, punter).
    using RememberedPlayers = std::array<std::string, 8>;
    /// The play list, the pending try and kickoff, the situation and the
    /// remembered players.
    struct PlayListState {
        std::vector<PlayRecord> plays;
        bool tryPending = false;
        bool kickoffPending = false;
        GameSituation situation;
        RememberedPlayers remembered;
    };
    /// What one undo step changed: the plays from `first` on that it replaced
    /// (`before`) by others (`after`), and the rest of the state either side.
    /// Only the changed plays are kept, so a long game's history grows with
    /// its plays, not with their square.
    struct PlayListChange {
        std::size_t first = 0;
        std::vector<PlayRecord> before;
        std::vector<PlayRecord> after;
        bool tryPending[2] = {};
        bool kickoffPending[2] = {};
        GameSituation situation[2];
        RememberedPlayers remembered[2];
    };
    /// Notes the play list before a command; when the command changed it, the
    /// step is kept for undo at the refresh that shows the change (so that
    /// listeners see it). Later changes of the same command (a correction's
    /// re-flow) join that step, so one Undo takes back the whole command.
    class UndoStep {
    public:
        explicit UndoStep(GameFlow &flow);
        ~UndoStep();
        UndoStep(const UndoStep &) = delete;
        UndoStep &operator=(const UndoStep &) = delete;

    private:
        GameFlow &m_flow;
        PlayListState m_before;
        bool m_outermost;
    };
    PlayListState capture() const;
    RememberedPlayers remembered() const;
    /// Puts back one side of a change (false: before it, true: after it),
    /// noting the other side's state as it stands now.
    void apply(PlayListChange &change, bool after);
    void keepUndoStep();

    void refresh();
    void notifyChanged();
    void fillPlayList();
    void askWhoKicksOff(std::string_view title, bool homeChecked);
    bool pendingQuestionAllows(PlayKind kind);
    bool runEntryDialog(PlayKind kind);
    void rederive(bool takeQuarter);
    /// After a correction: when later plays no longer follow, re-flows them as
    /// the setting says or the scorer answers.
    void offerReflow(int from);
    bool saveReportingFailure();
    void close();
    MessageAnswer ask(std::string_view text, std::string_view caption, MessageButtons buttons);
    PlayRecord freshPlay() const;

    Game &m_game;
    const Settings &m_settings;
    Interaction &m_ui;
    GameSituation m_situation;
    PlayRecord m_currentPlay;
    std::vector<std::string> m_playList;
    int m_selectedPlay = -1;
    std::vector<ContinuityBreak> m_breaks;
    /// The play the last Edit Play changed, as it was before.
    struct EditedPlay {
        int index;
        PlayRecord before;
    };
    std::optional<EditedPlay> m_lastEdit;
    bool m_open = true;
    bool m_lastSaveFailed = false;
    struct Subscription {
        int id;
        bool onClose;
        Listener listener;
    };
    void notify(bool onClose);
    std::vector<Subscription> m_listeners;
    std::vector<PlayListChange> m_undo;
    std::vector<PlayListChange> m_redo;
    const PlayListState *m_openStep = nullptr; ///< the state before the command running
    bool m_openStepKept = false;               ///< the running command's step is on top of `m_undo`
    int m_nextListenerId = 1;
};

} // namespace yardmark
