#pragma once

class QAction;

namespace yardmark {

/// The main window's commands that other windows press or offer: the start
/// panel's buttons, the game window's Save and pop-up menu, the hand-over of
/// a file. Each command set puts here the actions it makes, so that a window
/// reaches them by name in the code, never by a text it looks up. One a
/// program has not made (a test that builds only some command sets) is null
/// and not offered.
struct MainCommands {
    QAction *newGame = nullptr;      ///< File > Game > "&New..."
    QAction *editGame = nullptr;     ///< File > Game > "&Edit..."
    QAction *saveGame = nullptr;     ///< File > Game > "&Save"
    QAction *editSchedule = nullptr; ///< File > Schedule > "&Edit..."
    QAction *printGameSummary = nullptr;
    QAction *printScoringSummary = nullptr;
    QAction *printDriveSummary = nullptr;
    QAction *printPlayByPlay = nullptr;
    QAction *printerSetup = nullptr; ///< File > "Printer &Setup..."
};

} // namespace yardmark
