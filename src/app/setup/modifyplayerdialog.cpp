#include "app/setup/modifyplayerdialog.h"

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

ModifyPlayerDialog::ModifyPlayerDialog(Game &game, UserInterface &ui, QWidget *parent)
    : QDialog(parent), m_game(game), m_ui(ui), m_editor(modifyPlayerEditor(game))
{
    setWindowTitle(QStringLiteral("Edit Player"));
    auto *teams = new QGroupBox(QStringLiteral("Team"));
    auto *teamLayout = new QHBoxLayout(teams);
    m_home = teamRadio("homeTeam", teamName(game, true));
    m_visitor = teamRadio("visitorTeam", teamName(game, false));
    m_home->setChecked(true);
    teamLayout->addWidget(m_home);
    teamLayout->addWidget(m_visitor);
    connect(m_visitor, &QRadioButton::toggled, this, [this](bool visitor) {
        if (m_showing)
            return;
        readFields();
        showModifyTeam(m_editor, !visitor);
        showEditor();
    });

    m_roster = new QListWidget;
    m_roster->setObjectName(QStringLiteral("currentRoster"));
    connect(m_roster, &QListWidget::currentRowChanged, this, [this](int row) {
        if (m_showing)
            return;
        readFields();
        selectModifyPlayer(m_editor, row);
        showEditor();
    });
    auto *rosterLabel = new QLabel(QStringLiteral("Current &Roster"));
    rosterLabel->setBuddy(m_roster);
    nameAfterCaption(m_roster, rosterLabel->text());

    m_name = new QLineEdit;
    m_name->setObjectName(QStringLiteral("name"));
    limitText(m_name, static_cast<int>(kNameWidth) - 1);
    m_position = positionList("position");
    m_number = numberList("number");
    auto *fields = new QFormLayout;
    fields->addRow(QStringLiteral("&Name:"), m_name);
    fields->addRow(QStringLiteral("&Position:"), m_position);
    fields->addRow(QStringLiteral("&Uniform #:"), m_number);

    auto *rosterColumn = new QVBoxLayout;
    rosterColumn->addWidget(rosterLabel);
    rosterColumn->addWidget(m_roster);
    auto *columns = new QHBoxLayout;
    columns->addLayout(rosterColumn);
    columns->addLayout(fields);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(teams);
    layout->addLayout(columns);
    layout->addWidget(endingButtons(*this, ui, "&OK", [this] { ok(); }));
    showEditor();
}

void ModifyPlayerDialog::readFields()
{
    m_editor.name = fromQString(m_name->text());
    m_editor.position = m_position->currentIndex();
    m_editor.number = fromQString(m_number->currentText());
    m_editor.numberIndex = m_number->findText(m_number->currentText());
}

void ModifyPlayerDialog::showEditor()
{
    m_showing = true;
    m_roster->clear();
    for (const std::string &name : modifyPlayerList(m_editor))
        m_roster->addItem(toQString(name));
    m_roster->setCurrentRow(m_editor.selected);
    m_name->setText(toQString(m_editor.name));
    m_position->setCurrentIndex(m_editor.position);
    m_number->setCurrentIndex(m_editor.numberIndex);
    m_number->setEditText(toQString(m_editor.number));
    m_showing = false;
}

void ModifyPlayerDialog::ok()
{
    readFields();
    if (const std::optional<Notice> refusal = finishModifyPlayer(m_editor, m_game)) {
        warnOfNotice(m_ui, *refusal);
        return;
    }
    accept();
}

} // namespace yardmark
