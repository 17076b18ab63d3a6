#pragma once

#include "app/stats/statswindowkit.h"

#include "records/game.h"

#include <QDialog>

#include <array>
#include <memory>

class QLabel;
class QListWidget;

namespace yardmark {

class Printout;

/// The "Drive Summary" and the "Scoring Summary": the score-by-quarter grid
/// above a list of one line per drive or per score, beside the game window.
class SummaryListWindow final : public QDialog {
    Q_OBJECT

public:
    enum class Kind { Drives, Scoring };

    SummaryListWindow(Kind kind, const Game &game, const AppContext &context, QWidget *parent = nullptr);

    /// The game changed: the grid and the list again, the last line selected.
    void refresh();

    /// The printout the window's Print and the main menu's print command show.
    static std::unique_ptr<Printout> makePrintout(Kind kind, const Game &game, const LeagueOptions &league);

private:
    Kind m_kind;
    const Game &m_game;
    const AppContext &m_context;
    std::array<QLabel *, 2> m_teamNames{};
    std::array<std::array<QLabel *, 6>, 2> m_cells{};
    QListWidget *m_list = nullptr;
};

} // namespace yardmark
