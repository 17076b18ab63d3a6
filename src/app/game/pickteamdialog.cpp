#include "app/game/pickteamdialog.h"

#include "app/game/correctionfields.h"
#include "qtbase/qtext.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace yardmark {

PickTeamDialog::PickTeamDialog(std::string_view title, std::string_view homeName, std::string_view visitorName,
                               bool homeChecked, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(toQString(title));
    auto *layout = new QVBoxLayout(this);
    auto *question = new QLabel(toQString(title));
    layout->addWidget(question);
    m_home = new QRadioButton(toQString(homeName));
    m_home->setObjectName(QStringLiteral("home"));
    auto *visitor = new QRadioButton(toQString(visitorName));
    visitor->setObjectName(QStringLiteral("visitor"));
    (homeChecked ? m_home : visitor)->setChecked(true);
    layout->addWidget(m_home);
    layout->addWidget(visitor);
    layout->addWidget(correctionButtons(*this, true, [] {}));
}

TeamChoice PickTeamDialog::choice() const
{
    if (result() != QDialog::Accepted)
        return TeamChoice::Cancelled;
    return m_home->isChecked() ? TeamChoice::Home : TeamChoice::Visitor;
}

} // namespace yardmark
