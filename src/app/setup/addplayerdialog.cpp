#include "app/setup/addplayerdialog.h"

#include "app/common/textentry.h"
#include "app/setup/playerfields.h"
#include "app/setup/rosterdialog.h"
#include "base/userinterface.h"
#include "qtbase/qtext.h"
#include "records/recordcodec.h"
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace yardmark {

AddPlayerDialog::AddPlayerDialog(Game &game, UserInterface &ui, QWidget *parent)
    : QDialog(parent), m_game(game), m_ui(ui)
{
    setWindowTitle(QStringLiteral("Add Player"));
    m_name = new QLineEdit;
    m_name->setObjectName(QStringLiteral("name"));
    limitText(m_name, kTypedPlayerNameLength);
    m_position = positionList("position");
    m_number = numberList("number");
    const AddPlayerForm defaults;
    m_position->setCurrentIndex(defaults.position);
    m_number->setCurrentIndex(defaults.numberIndex);

    auto *fields = new QFormLayout;
    fields->addRow(QStringLiteral("&Name:"), m_name);
    fields->addRow(QStringLiteral("&Position:"), m_position);
    fields->addRow(QStringLiteral("&Uniform #:"), m_number);

    auto *teams = new QGroupBox(QStringLiteral("Add Player To:"));
    auto *teamLayout = new QVBoxLayout(teams);
    m_home = teamRadio("homeTeam", teamName(game, true));
    m_visitor = teamRadio("visitorTeam", teamName(game, false));
    m_home->setChecked(true);
    teamLayout->addWidget(m_home);
    teamLayout->addWidget(m_visitor);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(teams);
    layout->addWidget(endingButtons(*this, ui, "&Add Player", [this] { add(); }));
}

AddPlayerForm AddPlayerDialog::form() const
{
    AddPlayerForm form;
    form.name = fromQString(m_name->text());
    form.position = m_position->currentIndex();
    form.number = fromQString(m_number->currentText());
    form.numberIndex = m_number->findText(m_number->currentText());
    form.home = m_home->isChecked();
    return form;
}

void AddPlayerDialog::add()
{
    const AddPlayerForm typed = form();
    if (const std::optional<std::string> question = addPlayerNumberQuestion(typed, m_game);
        question &&
        m_ui.message(*question, kNumberWornCaption, MessageButtons::YesNo, MessageIcon::Question) != MessageAnswer::Yes)
        return;
    if (const std::optional<Notice> refusal = addGamePlayer(typed, m_game)) {
        warnOfNotice(m_ui, *refusal);
        return;
    }
    accept();
}

} // namespace yardmark
