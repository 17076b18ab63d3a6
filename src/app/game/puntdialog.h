#pragma once

#include "app/game/playdialog.h"

namespace yardmark {

class PuntEntry;

/// The "Punt" dialog.
class PuntDialog : public PlayDialog {
    Q_OBJECT

public:
    PuntDialog(PuntEntry &entry, const Game &game, QWidget *parent = nullptr);
};

} // namespace yardmark
