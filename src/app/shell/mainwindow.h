#pragma once

#include "app/common/appcontext.h"
#include "records/settings.h"
#include "session/gamesession.h"
#include "session/schedulesession.h"

#include <QMainWindow>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>

class QActionGroup;
class QDialog;
class QPrintDialog;

namespace yardmark {

class GameFlow;
class UserInterface;
class WallpaperView;

/// Keeps a stored window rectangle usable on the screen: too small a window
/// takes the default size, and one that lies (almost) wholly off `screen`
/// moves to the screen's top-left corner.
WindowRect usableWindowRect(const WindowRect &stored, const QRect &screen);

/// The main window, "Football Yardmark": the wallpaper and the menus that
/// reach every function. It edits the program's settings and writes them to
/// the settings file when it closes. It shows the program's game session:
/// the session's dialogs open over it and its news comes as its signals.
class MainWindow final : public QMainWindow {
    Q_OBJECT

public:
    MainWindow(Settings &settings, UserInterface &ui, std::filesystem::path settingsFile, QWidget *parent = nullptr);
    ~MainWindow() override;

    /// The game open in the program (the one being set up or recorded), the
    /// engine of its game window and what is done with them. Every window
    /// borrows the game from here.
    GameSession &session() { return m_session; }
    /// The season's launcher (File > Schedule), once its commands are made:
    /// the statistics' game chooser opens beside the schedule it had last.
    const ScheduleSession *scheduleSession() const { return m_scheduleSession; }
    void setScheduleSession(const ScheduleSession *schedules) { m_scheduleSession = schedules; }
    /// The session's dialogs and news, shown by this window (for the other
    /// use cases that share them).
    SessionWindows &sessionWindows();

    /// Runs Edit Game Information for the session until `ended` takes how
    /// the scorer left it; the set-up commands give it.
    using GameInfoEditor = std::function<void(Game &game, const std::function<bool(GameInfoAnswer)> &ended)>;
    void setGameInfoEditor(GameInfoEditor editor) { m_gameInfoEditor = std::move(editor); }

    /// Whether a game window is open; the commands that need a current game
    /// follow it through gameInProgressChanged.
    bool gameInProgress() const { return m_session.gameInProgress(); }
    void setGameInProgress(bool inProgress) { m_session.setGameInProgress(inProgress); }

    /// The top-level menus. Later windows add their commands here; menus of
    /// their own go before "&Options" (addMenuBeforeOptions), items of the
    /// File menu before its printer commands (fileMenuEnd).
    QMenu *fileMenu() const { return m_fileMenu; }
    QMenu *optionsMenu() const { return m_optionsMenu; }
    QMenu *helpMenu() const { return m_helpMenu; }
    QAction *fileMenuEnd() const { return m_fileMenuEnd; }
    /// File > "&Print": made on first use, before the printer commands.
    QMenu *printMenu();
    QMenu *addMenuBeforeOptions(const QString &title);
    /// The submenu of the File menu named `objectName` ("teamMenu",
    /// "gameMenu"), created before the printer commands when missing.
    QMenu *fileSubmenu(const QString &title, const char *objectName);

    /// The program's settings, which the Options menu edits.
    Settings &settings() { return m_settings; }

    /// What every window borrows: settings, answers, the printer chosen in
    /// "Printer &Setup..." and the runner of modal dialogs.
    AppContext &context() { return m_context; }

    /// Opens a file given to the program (a game, team or schedule chosen in
    /// the file manager) with the command registered for its extension.
    void setFileOpener(const QString &extension, std::function<void(const QString &)> opener);
    void openFile(const QString &path);

    /// Loads `wallpaperFile` again (or the default wallpaper) and redraws.
    void reloadWallpaper();
    const WallpaperView &wallpaper() const { return *m_wallpaper; }

    /// Writes the settings file now: the last normal rectangle of the window
    /// and everything else. Done once when the window closes.
    bool saveSettings();

signals:
    void gameInProgressChanged(bool inProgress);
    /// Another game became current, or none.
    void currentGameChanged();
    /// A game window opened (its engine) or closed (null).
    void gameFlowChanged(GameFlow *flow);
    /// The league options or a team colour changed while a game is open.
    void gameWindowRefreshRequested();
    /// The current game was saved to its file (File > Game > Save, Save As).
    void currentGameSaved();
    /// A game or schedule was opened, or saved under a name of its own.
    void fileOpened(const QString &path);

protected:
    void closeEvent(QCloseEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    class SessionView;

    void createFileMenu();
    void createOptionsMenu();
    void createHelpMenu();
    QAction *addAction(QMenu *menu, const char *name, const char *text, std::function<void()> command);
    void toggleSound(bool on);
    void setWallpaperMode(int mode);
    void chooseWallpaper();
    void chooseTeamColor(bool home);
    void showLeagueOptions();
    void showHtmlOptions();
    void showLiveOutput();
    void showPrinterSetup();
    void showAbout();
    void showHelp();
    void placeWindow();
    void noteNormalRect();

    Settings &m_settings;
    UserInterface &m_ui;
    AppContext m_context;
    std::filesystem::path m_settingsFile;
    std::map<QString, std::function<void(const QString &)>> m_fileOpeners;
    WallpaperView *m_wallpaper = nullptr;
    QMenu *m_fileMenu = nullptr;
    QMenu *m_optionsMenu = nullptr;
    QMenu *m_helpMenu = nullptr;
    QAction *m_fileMenuEnd = nullptr;
    QMenu *m_printMenu = nullptr;
    QActionGroup *m_wallpaperModes = nullptr;
    WindowRect m_normalRect;
    GameInfoEditor m_gameInfoEditor;
    std::unique_ptr<SessionView> m_sessionView;
    GameSession m_session;
    const ScheduleSession *m_scheduleSession = nullptr;
    bool m_settingsSaved = false;
};

} // namespace yardmark
