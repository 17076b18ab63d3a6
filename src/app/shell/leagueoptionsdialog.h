#pragma once

#include "season/leagueoptionsform.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QRadioButton;

namespace yardmark {

class UserInterface;

/// "League Options": the league's rules, each in an editable list. "&OK"
/// corrects the typed values into range and stores them into the options it
/// was opened on; "&Cancel" changes nothing.
class LeagueOptionsDialog final : public QDialog {
    Q_OBJECT

public:
    LeagueOptionsDialog(LeagueOptions &options, UserInterface &ui, QWidget *parent = nullptr);

    LeagueOptionsForm form() const;
    void setForm(const LeagueOptionsForm &form);

private:
    QComboBox *addChoice(const char *name, const char *caption, const char *unit,
                         const std::vector<std::string> &choices);
    void ok();

    LeagueOptions &m_options;
    UserInterface &m_ui;
    QGridLayout *m_grid = nullptr;
    QComboBox *m_timeOuts = nullptr;
    QComboBox *m_minutes = nullptr;
    QComboBox *m_kickoff = nullptr;
    QComboBox *m_try = nullptr;
    QComboBox *m_safetyKick = nullptr;
    QComboBox *m_touchdown = nullptr;
    QComboBox *m_fieldGoal = nullptr;
    QComboBox *m_safety = nullptr;
    QComboBox *m_extraPoint = nullptr;
    QComboBox *m_conversion = nullptr;
    QCheckBox *m_sacks = nullptr;
    QRadioButton *m_hundredYards = nullptr;
    QRadioButton *m_fiftyYards = nullptr;
};

} // namespace yardmark
