#pragma once

#include "gameflow/gamesituation.h"
#include "gameflow/interaction.h"
#include "records/game.h"
#include "records/settings.h"

#include <functional>
#include <iosfwd>
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

    /// Listeners are told after every command that changes what the window
    /// shows (the statistics windows recompute, the recovery copy is written)
    /// and when the window closes (they close too). Any number may listen; the
    /// id a listener gets removes it again.
    using Listener = std::function<void()>;
    int addChangeListener(Listener listener);
    int addCloseListener(Listener listener);
    void removeListener(int id);

private:
    void refresh();
    void notifyChanged();
    void fillPlayList();
    void askWhoKicksOff(std::string_view title, bool homeChecked);
    bool pendingQuestionAllows(PlayKind kind);
    bool runEntryDialog(PlayKind kind);
    void rederive(bool takeQuarter);
    void startOvertimePeriod();
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
    bool m_open = true;
    struct Subscription {
        int id;
        bool onClose;
        Listener listener;
    };
    void notify(bool onClose);
    std::vector<Subscription> m_listeners;
    int m_nextListenerId = 1;
};

} // namespace yardmark
