#pragma once

#include "season/modifyplayereditor.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QListWidget;
class QRadioButton;

namespace yardmark {

class UserInterface;

/// "Edit Player" (Players menu "&Modify Player..."): names, numbers and
/// positions of both teams of the current game; "&OK" carries them into the
/// game and into every play.
class ModifyPlayerDialog final : public QDialog {
    Q_OBJECT

public:
    ModifyPlayerDialog(Game &game, UserInterface &ui, QWidget *parent = nullptr);

private:
    void readFields();
    void showEditor();
    void ok();

    Game &m_game;
    UserInterface &m_ui;
    ModifyPlayerEditor m_editor;
    bool m_showing = false;
    QRadioButton *m_home = nullptr;
    QRadioButton *m_visitor = nullptr;
    QListWidget *m_roster = nullptr;
    QLineEdit *m_name = nullptr;
    QComboBox *m_position = nullptr;
    QComboBox *m_number = nullptr;
};

} // namespace yardmark
