#pragma once

#include "app/game/playdialog.h"

namespace yardmark {

class RushEntry;

/// The Rush dialog ("Rush", or the try by rush).
class RushDialog : public PlayDialog {
    Q_OBJECT

public:
    RushDialog(RushEntry &entry, const Game &game, QWidget *parent = nullptr);
};

} // namespace yardmark
