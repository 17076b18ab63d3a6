#pragma once

#include "app/game/playdialog.h"

class QLabel;

namespace yardmark {

class EditPlayEntry;

/// "Edit Play": every field of one recorded play. The controls copy the
/// entry's form both ways; the play type, the possession, the player rows and
/// the fumble section call the entry's verbs, and OK is the entry's own.
class EditPlayWindow final : public PlayDialog {
    Q_OBJECT

public:
    EditPlayWindow(EditPlayEntry &entry, const Game &game, QWidget *parent = nullptr);

private:
    QWidget *buildPlayColumn(EditPlayEntry &entry);
    QWidget *buildSituationColumn(EditPlayEntry &entry);
    QWidget *buildPlayersColumn(EditPlayEntry &entry);
};

} // namespace yardmark
