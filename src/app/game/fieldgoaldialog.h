#pragma once

#include "app/game/playdialog.h"

namespace yardmark {

class FieldGoalEntry;

/// The "Field Goal Attempt" dialog, also the extra point attempt.
class FieldGoalDialog : public PlayDialog {
    Q_OBJECT

public:
    FieldGoalDialog(FieldGoalEntry &entry, const Game &game, QWidget *parent = nullptr);
};

} // namespace yardmark
