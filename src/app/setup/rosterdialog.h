#pragma once

#include "app/common/appcontext.h"
#include "app/common/textentry.h"
#include "season/rostereditor.h"

#include <QDialog>

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTreeWidget;

namespace yardmark {

struct HtmlOptions;
class UserInterface;

/// "Edit Roster": every player of a team with his positions, number and
/// starter status, and the offensive and defensive starters. "&OK" gives the
/// team the roster as edited; "&Cancel" leaves it.
class RosterDialog final : public QDialog {
    Q_OBJECT

public:
    RosterDialog(Team &team, const AppContext &context, QWidget *parent = nullptr);

    PlayerFields fields() const;
    void setFields(const PlayerFields &fields);

private:
    void refresh();
    void select(int index);
    void selectByName(const QString &text, bool offense);
    void add();
    void update();
    /// Asks before the fields give a second player of the team one number.
    bool numberMayBeShared(bool adding);
    void remove();
    void clear();
    void personalInfo();
    void ok();

    Team &m_team;
    RosterEditor m_editor;
    const AppContext &m_context;
    UserInterface &m_ui;
    const HtmlOptions &m_html;
    bool m_refreshing = false;
    QTreeWidget *m_roster = nullptr;
    QListWidget *m_offense = nullptr;
    QListWidget *m_defense = nullptr;
    QLineEdit *m_name = nullptr;
    QComboBox *m_offensivePosition = nullptr;
    QComboBox *m_defensivePosition = nullptr;
    QComboBox *m_number = nullptr;
    QButtonGroup *m_starter = nullptr;
    QPushButton *m_personalInfo = nullptr;
};

/// A list of the 26 positions by their full names, in code order.
QComboBox *positionList(const char *name);

/// The number box with its list: "00", then "0" to "99".
QComboBox *numberList(const char *name);

} // namespace yardmark
