#pragma once

#include "records/game.h"
#include "stats/playerfigures.h"

#include <QDialog>

#include <memory>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QTableWidget;

namespace yardmark {

/// "Season to Date": a chosen player's figures today and over the season so
/// far, and those of the players of the last play. Modeless: it follows the
/// game after every play while the scorer goes on.
class SeasonToDateDialog final : public QDialog {
public:
    explicit SeasonToDateDialog(QWidget *parent);

    /// Shows the game as it stands, with the season before it (null when the
    /// game belongs to no season, or while `reading` it).
    void refresh(const Game &game, const std::shared_ptr<const SeasonFigures> &season, bool reading);

private:
    struct Choice {
        bool home = true;
        std::string name;
    };
    void showChosen();

    QLabel *m_status = nullptr;
    QComboBox *m_player = nullptr;
    QTableWidget *m_chosen = nullptr;
    QTableWidget *m_lastPlay = nullptr;
    std::vector<Choice> m_choices;
    TeamFigures m_today[2]; ///< home, visitor
    std::shared_ptr<const SeasonFigures> m_season;
};

} // namespace yardmark
