#pragma once

#include "records/gamelock.h"

#include <QObject>

#include <filesystem>
#include <memory>

namespace yardmark {

class MainWindow;
class UserInterface;

/// The lock of the game this program has open, kept beside the main window:
/// taken when a game file opens, moved along by Save As, released when the
/// game closes and when the program ends.
class OpenGameLock final : public QObject {
    Q_OBJECT

public:
    OpenGameLock(MainWindow &main, UserInterface &ui);
    ~OpenGameLock() override;

    /// The main window's lock keeper (made on first use).
    static OpenGameLock &of(MainWindow &main, UserInterface &ui);

    /// How a game file may open.
    enum class Access { Write, ReadOnly, None };
    /// Before `gameFile` opens: takes its lock, or, when another program has
    /// the game open, says where and asks (`ask` false: opens nothing then).
    /// None when the scorer cancels or switched to the other program.
    Access claim(const std::filesystem::path &gameFile, bool ask = true);
    /// After an open: the lock stays only while the game is the current one.
    void opened();
    /// Before a game is saved to `gameFile`: false, said to the scorer, when
    /// another program has that game open.
    bool maySaveTo(const std::filesystem::path &gameFile);

private:
    void followCurrentGame();

    MainWindow &m_main;
    UserInterface &m_ui;
    std::unique_ptr<GameLock> m_lock;
    std::filesystem::path m_gameFile;
    bool m_opening = false;
};

} // namespace yardmark
