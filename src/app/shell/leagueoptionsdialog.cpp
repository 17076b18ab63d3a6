#include "app/shell/leagueoptionsdialog.h"

#include "app/common/dialogbuttons.h"
#include "base/userinterface.h"
#include "qtbase/qtext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace yardmark {
namespace {

void setText(QComboBox *combo, const std::string &text)
{
    const int index = combo->findText(toQString(text));
    if (index >= 0)
        combo->setCurrentIndex(index);
    else
        combo->setEditText(toQString(text));
}

std::string text(const QComboBox *combo)
{
    return fromQString(combo->currentText());
}

} // namespace

LeagueOptionsDialog::LeagueOptionsDialog(LeagueOptions &options, UserInterface &ui, QWidget *parent)
    : QDialog(parent), m_options(options), m_ui(ui)
{
    setWindowTitle(QStringLiteral("League Options"));
    m_grid = new QGridLayout;
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(m_grid);

    const LeagueOptionsChoices choices = leagueOptionsChoices(options);
    m_timeOuts = addChoice("timeOutsPerHalf", "Time Outs Per Half", "", choices.timeOuts);
    m_minutes = addChoice("minutesPerQuarter", "Minutes Per Quarter", "", choices.minutes);
    m_kickoff = addChoice("kickoffYardLine", "Kick Off From", "Yard Line", choices.kickoffLines);
    m_try = addChoice("tryYardLine", "PAT Attempt From", "Yard Line", choices.tryLines);
    m_safetyKick = addChoice("safetyKickYardLine", "After Safety, Kick From", "Yard Line", choices.safetyLines);
    m_touchdown = addChoice("touchdownPoints", "Touchdown Worth", "Points", choices.points);
    m_fieldGoal = addChoice("fieldGoalPoints", "Field Goal Worth", "Points", choices.points);
    m_safety = addChoice("safetyPoints", "Safety Worth", "Points", choices.points);
    m_extraPoint = addChoice("extraPointPoints", "PAT Kick Worth", "Points", choices.points);
    m_conversion = addChoice("conversionPoints", "PAT Rush/Pass Worth", "Points", choices.points);

    m_sacks = new QCheckBox(QStringLiteral("QB Sacks Count as Rushing Yards"));
    m_sacks->setObjectName(QStringLiteral("sacksAreRushes"));
    layout->addWidget(m_sacks);

    auto *fieldType = new QGroupBox(QStringLiteral("Field Type"));
    auto *fieldLayout = new QVBoxLayout(fieldType);
    m_hundredYards = new QRadioButton(QStringLiteral("&100 yard"));
    m_hundredYards->setObjectName(QStringLiteral("hundredYardField"));
    m_fiftyYards = new QRadioButton(QStringLiteral("&50 Yard (Indoor/Arena)"));
    m_fiftyYards->setObjectName(QStringLiteral("fiftyYardField"));
    fieldLayout->addWidget(m_hundredYards);
    fieldLayout->addWidget(m_fiftyYards);
    layout->addWidget(fieldType);

    layout->addWidget(okCancelButtons(*this, m_ui, [this] { ok(); }));

    setForm(leagueOptionsForm(options));
}

QComboBox *LeagueOptionsDialog::addChoice(const char *name, const char *caption, const char *unit,
                                          const std::vector<std::string> &choices)
{
    const int row = m_grid->rowCount();
    auto *combo = new QComboBox;
    combo->setObjectName(QString::fromLatin1(name));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    for (const std::string &choice : choices)
        combo->addItem(toQString(choice));
    auto *label = new QLabel(QString::fromLatin1(caption));
    label->setBuddy(combo);
    m_grid->addWidget(label, row, 0);
    m_grid->addWidget(combo, row, 1);
    m_grid->addWidget(new QLabel(QString::fromLatin1(unit)), row, 2);
    return combo;
}

LeagueOptionsForm LeagueOptionsDialog::form() const
{
    LeagueOptionsForm form;
    form.timeOutsPerHalf = text(m_timeOuts);
    form.minutesPerQuarter = text(m_minutes);
    form.kickoffYardLine = text(m_kickoff);
    form.tryYardLine = text(m_try);
    form.safetyKickYardLine = text(m_safetyKick);
    form.touchdownPoints = text(m_touchdown);
    form.fieldGoalPoints = text(m_fieldGoal);
    form.safetyPoints = text(m_safety);
    form.extraPointPoints = text(m_extraPoint);
    form.conversionPoints = text(m_conversion);
    form.sacksAreRushes = m_sacks->isChecked();
    form.hundredYardField = m_hundredYards->isChecked();
    return form;
}

void LeagueOptionsDialog::setForm(const LeagueOptionsForm &form)
{
    setText(m_timeOuts, form.timeOutsPerHalf);
    setText(m_minutes, form.minutesPerQuarter);
    setText(m_kickoff, form.kickoffYardLine);
    setText(m_try, form.tryYardLine);
    setText(m_safetyKick, form.safetyKickYardLine);
    setText(m_touchdown, form.touchdownPoints);
    setText(m_fieldGoal, form.fieldGoalPoints);
    setText(m_safety, form.safetyPoints);
    setText(m_extraPoint, form.extraPointPoints);
    setText(m_conversion, form.conversionPoints);
    m_sacks->setChecked(form.sacksAreRushes);
    m_hundredYards->setChecked(form.hundredYardField);
    m_fiftyYards->setChecked(!form.hundredYardField);
}

void LeagueOptionsDialog::ok()
{
    applyLeagueOptionsForm(form(), m_options);
    accept();
}

} // namespace yardmark
