#pragma once

#include "gameflow/continuity.h"

#include <QDialog>

#include <vector>

class QListWidget;

namespace yardmark {

/// "Check Game": the plays that do not follow from the play before them, one
/// line each. "&Go To Play" (Enter, or a double click) closes it with the
/// chosen play; "&Close" (Esc) with none.
class CheckGameDialog final : public QDialog {
    Q_OBJECT

public:
    CheckGameDialog(const std::vector<ContinuityBreak> &breaks, QWidget *parent);

    /// The play chosen (counted from 0), -1 for none.
    int chosenPlay() const { return m_chosen; }

private:
    void goToPlay();

    const std::vector<ContinuityBreak> &m_breaks;
    QListWidget *m_list = nullptr;
    int m_chosen = -1;
};

} // namespace yardmark
