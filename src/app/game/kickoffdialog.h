#pragma once

#include "app/game/playdialog.h"

namespace yardmark {

class KickOffEntry;

/// The "Kick Off" dialog with the onside kick.
class KickOffDialog : public PlayDialog {
    Q_OBJECT

public:
    KickOffDialog(KickOffEntry &entry, const Game &game, QWidget *parent = nullptr);
};

} // namespace yardmark
