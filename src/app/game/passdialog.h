#pragma once

#include "app/game/playdialog.h"

namespace yardmark {

class PassEntry;

/// The Pass dialog ("Pass", or the try by pass).
class PassDialog : public PlayDialog {
    Q_OBJECT

public:
    PassDialog(PassEntry &entry, const Game &game, QWidget *parent = nullptr);
};

} // namespace yardmark
