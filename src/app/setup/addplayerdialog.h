#pragma once

#include "season/addplayerform.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QRadioButton;

namespace yardmark {

class UserInterface;

/// "Add Player" (Players menu): a player joins one team of the current game.
class AddPlayerDialog final : public QDialog {
    Q_OBJECT

public:
    AddPlayerDialog(Game &game, UserInterface &ui, QWidget *parent = nullptr);

    AddPlayerForm form() const;

private:
    void add();

    Game &m_game;
    UserInterface &m_ui;
    QLineEdit *m_name = nullptr;
    QComboBox *m_position = nullptr;
    QComboBox *m_number = nullptr;
    QRadioButton *m_home = nullptr;
    QRadioButton *m_visitor = nullptr;
};

} // namespace yardmark
