#pragma once

#include "app/game/gameinteraction.h"
#include "app/game/livewriter.h"
#include "app/game/recoverywriter.h"
#include "gameflow/gameflow.h"
#include "script/quickentry.h"

#include <QDialog>

#include <array>
#include <memory>

class QComboBox;
class QListWidget;
class QLabel;
class QLCDNumber;
class QPushButton;
class QToolButton;

namespace yardmark {

class SeasonToDateDialog;

class FieldView;
class QuickEntryBar;
class LogoView;
class MainWindow;
class PossessionBall;
class SoundPlayer;

/// The game window ("%s Versus %s"), where a game is scored play by play:
/// the scoreboard, the drawn field with the drive chart of the quarter, the
/// play list and every command of the game. It paints what the engine
/// (`GameFlow`) and the display model report and calls the engine's commands.
/// While it is open the main window knows it as the game in progress.
class GameWindow final : public QDialog {
public:
    /// A window on the main window's current game (which must exist). It is
    /// deleted when it closes.
    GameWindow(MainWindow &main, const Settings &settings, SoundPlayer &sounds, PlayDialogs playDialogs);
    ~GameWindow() override;

    /// Shows the window and runs the opening: who kicks off, the kickoff.
    void start();

    GameFlow &flow() { return *m_flow; }
    QuickEntryBar &quickEntry() { return *m_quickEntryBar; }
    GameInteraction &interaction() { return *m_ui; }
    /// The writer of the live page and feed (Options > Live Output).
    LiveWriter &liveOutput() { return *m_live; }
    /// Whether the compact layout for small screens is used.
    bool compact() const { return m_compact; }

    /// The pop-up menu of the right mouse button, built for the commands the
    /// program has.
    QMenu *makePopupMenu();

    /// "Check Game": lists the plays that do not follow and selects the one chosen.
    void checkGame();
    /// "Season to Date": shows (and from then on follows the game in) its window.
    SeasonToDateDialog &showSeasonToDate();

protected:
    void reject() override; ///< Esc does not close the window
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildScoreboard();
    QWidget *buildPlayList();
    QWidget *buildPlayButtons();
    QPushButton *button(const char *name, const QString &text, std::function<void()> command);
    /// Runs a command of the engine, then shows what it left.
    void run(const std::function<void()> &command);
    void refresh();
    /// Shows the drive chart of `quarter` (0-based), the game's quarter unchanged.
    void showChart(int quarter);
    /// Keeps the recovery copy beside the game's file (again after Save As).
    void keepRecoveryCopy();
    void refreshPlayList();
    /// The play list's selected line: the one Edit, Delete and Insert act on.
    int selectedLine() const;
    void finish();
    void exportPlayByPlay();

    MainWindow &m_main;
    const Settings &m_settings;
    std::unique_ptr<GameInteraction> m_ui;
    std::unique_ptr<GameFlow> m_flow;
    QuickEntryRunner m_quickEntry;
    std::unique_ptr<RecoveryWriter> m_recovery;
    std::filesystem::path m_recoveryFile;
    std::unique_ptr<LiveWriter> m_live;
    SeasonToDateDialog *m_seasonView = nullptr;
    QuickEntryBar *m_quickEntryBar = nullptr;
    QPushButton *m_undo = nullptr;
    QPushButton *m_redo = nullptr;
    bool m_compact = false;
    bool m_finished = false;
    bool m_closing = false;

    struct ColumnWidgets {
        QLabel *name = nullptr;
        QPushButton *teamButton = nullptr;
        PossessionBall *ball = nullptr;
        QLCDNumber *score = nullptr;
        QPushButton *timeOut = nullptr;
        QLCDNumber *timeOutsLeft = nullptr;
        LogoView *logo = nullptr;
        QString logoFile;
    };
    std::array<ColumnWidgets, 2> m_columns;
    QLabel *m_quarterLabel = nullptr;
    QLCDNumber *m_quarter = nullptr;
    QLCDNumber *m_down = nullptr;
    QLCDNumber *m_ballOn = nullptr;
    QLabel *m_ballSide = nullptr;
    QLabel *m_lastClock = nullptr;
    QComboBox *m_chartQuarter = nullptr;
    QLCDNumber *m_toGo = nullptr;
    FieldView *m_field = nullptr;
    QComboBox *m_playList = nullptr;       ///< the compact layout's one-line list
    QListWidget *m_playListView = nullptr; ///< the full layout's list of the last plays
    QPushButton *m_fieldGoal = nullptr;
    QPushButton *m_rush = nullptr;
    QPushButton *m_pass = nullptr;
};

/// Opens the game window on the main window's current game and starts it.
GameWindow *openGameWindow(MainWindow &main, const Settings &settings, SoundPlayer &sounds,
                           PlayDialogs playDialogs = programPlayDialogs());

/// The main window's commands of the game in progress: "St&art Game" opens
/// the game window, File > Print > "&Play By Play" prints its play list.
void addGameCommands(MainWindow &main, const Settings &settings, SoundPlayer &sounds);

} // namespace yardmark
