#pragma once

#include "app/game/playdialog.h"

namespace yardmark {

class PenaltyEntry;

/// The "Penalty" dialog; the offensive and the defensive one differ only in
/// their entry.
class PenaltyDialog : public PlayDialog {
    Q_OBJECT

public:
    PenaltyDialog(PenaltyEntry &entry, const Game &game, QWidget *parent = nullptr);
};

} // namespace yardmark
