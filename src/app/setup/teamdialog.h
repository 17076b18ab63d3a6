#pragma once

#include "app/common/appcontext.h"
#include "app/common/textentry.h"
#include "season/teamform.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;

namespace yardmark {

struct HtmlOptions;
class UserInterface;

/// "Edit Team": a team's name, staff, logo and current players, with its
/// roster editor and "S&ave As". "&OK" applies the dialog to the team it was
/// opened on; "&Cancel" leaves the team as it was, roster included.
class TeamDialog final : public QDialog {
    Q_OBJECT

public:
    TeamDialog(Team &team, const AppContext &context, QWidget *parent = nullptr);

    TeamForm form() const;
    void setForm(const TeamForm &form);

private:
    void fillLists();
    void showLogo();
    void chooseLogo();
    void editRoster();
    void saveAs();
    void ok();

    Team &m_team;
    Team m_working; ///< the team as edited so far
    const AppContext &m_context;
    UserInterface &m_ui;
    const HtmlOptions &m_html;
    QLineEdit *m_name = nullptr;
    QLineEdit *m_coach = nullptr;
    QLineEdit *m_assistant = nullptr;
    QLabel *m_logo = nullptr;
    QString m_logoFile;
    QComboBox *m_current[kCurrentPlayerCount] = {};
};

} // namespace yardmark
