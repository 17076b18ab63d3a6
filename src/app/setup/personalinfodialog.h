#pragma once

#include "app/common/appcontext.h"
#include "app/common/textentry.h"
#include "season/personalinfoform.h"

#include <QDialog>

class QGridLayout;
class QLineEdit;
class QTreeWidget;

namespace yardmark {

/// "Players Personal Info": a team's address and phone list. The boxes edit
/// the selected player's contact details; the list can be sorted by any
/// column, exported, printed and mailed from. It edits the team it is opened
/// on, whether "&OK" or "&Cancel" ends it: the roster editor that opens it
/// works on a copy of its own.
class PersonalInfoDialog final : public QDialog {
    Q_OBJECT

public:
    PersonalInfoDialog(Team &team, const AppContext &context, QWidget *parent = nullptr);

    PersonalInfoForm form() const;
    void setForm(const PersonalInfoForm &form);

private:
    QLineEdit *addBox(QGridLayout *grid, int row, int column, const char *name, const char *caption, int maxLength);
    void fillList();
    void selectRow(int index);
    void update();
    void chooseBirthday();
    void mail();
    void exportList();
    void print();
    void printerSetup();

    Team &m_team;
    const AppContext &m_context;
    PersonalInfoForm m_form;
    bool m_filling = false;
    QTreeWidget *m_list = nullptr;
    QLineEdit *m_name = nullptr;
    QLineEdit *m_birthday = nullptr;
    QLineEdit *m_phone = nullptr;
    QLineEdit *m_address = nullptr;
    QLineEdit *m_city = nullptr;
    QLineEdit *m_state = nullptr;
    QLineEdit *m_zip = nullptr;
    QLineEdit *m_email = nullptr;
    QLineEdit *m_note = nullptr;
};

} // namespace yardmark
