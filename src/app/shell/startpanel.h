#pragma once

#include "records/recentfiles.h"
#include "session/latestworker.h"

#include <QFrame>

#include <filesystem>
#include <memory>

class QAction;
class QMenu;
class QPushButton;
class QTreeWidget;

namespace yardmark {

class MainWindow;
struct MainCommands;
class UserInterface;
struct RecentRow;

/// The way in while no game is open: over the main window's wallpaper, New
/// Game, Open Game, Open Season, the sample season when there is one, and the
/// games and schedules opened last. It keeps that list (in the per-user state
/// folder) and File > Game > "Open &Recent" and File > Schedule > "Open
/// Recent" with it.
class StartPanel final : public QFrame {
    Q_OBJECT

public:
    /// `stateDir` holds the list; `sampleSeason` is the sample season's
    /// schedule, empty when there is none.
    StartPanel(MainWindow &window, UserInterface &ui, std::filesystem::path stateDir,
               std::filesystem::path sampleSeason);
    ~StartPanel() override;

    /// A game or schedule was opened (or saved under a new name).
    void noteOpened(const std::filesystem::path &path);
    /// Opens a listed file, or says that it is gone and takes it off the list.
    void openRecent(const RecentFile &file);

private:
    /// Lists the files at once and has a worker read their teams and dates:
    /// a file on a slow or unreachable drive never holds the window.
    void refresh();
    void showRows(const std::vector<RecentRow> &rows, int current);
    void fillMenu(QMenu &menu, RecentKind kind);
    void trigger(QAction *MainCommands::*action);

    MainWindow &m_window;
    UserInterface &m_ui;
    std::filesystem::path m_listFile;
    std::filesystem::path m_sampleSeason;
    std::vector<RecentFile> m_files;
    QTreeWidget *m_list = nullptr;
    QMenu *m_recentGames = nullptr;
    QMenu *m_recentSchedules = nullptr;
    int m_listed = 0; ///< which listing the rows read last are for
    /// Reads the rows; hands them over only while the panel is there.
    LatestWorker m_reader;
};

/// The sample season's schedule installed beside the program (or built
/// beside it by `make run`), empty when there is none.
std::filesystem::path sampleSeasonSchedule();

} // namespace yardmark
