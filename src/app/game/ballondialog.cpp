#include "app/game/ballondialog.h"

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

BallOnDialog::BallOnDialog(BallOnForm &form, QWidget *parent) : QDialog(parent), m_form(form)
{
    setWindowTitle(QStringLiteral("Ball On"));
    auto *layout = new QVBoxLayout(this);
    auto *grid = new QGridLayout;
    m_number = numberField("yardLine", form.spot.yardText);
    m_list = entryList("yardLineList", form.entries, form.listIndex, m_number, [this](int i) {
        chooseBallOnEntry(m_form, i);
        return m_form.spot.yardText;
    });
    grid->addWidget(buddyLabel("&Yard Line", m_number), 0, 0);
    grid->addWidget(m_number, 0, 1);
    grid->addWidget(buddyLabel("&From List", m_list), 1, 0);
    grid->addWidget(m_list, 1, 1);
    layout->addLayout(grid);

    auto *side = new QGroupBox(QStringLiteral("Side of the Field"));
    auto *sideLayout = new QVBoxLayout(side);
    m_home = new QRadioButton(toQString(form.homeName));
    m_home->setObjectName(QStringLiteral("home"));
    m_visitor = new QRadioButton(toQString(form.visitorName));
    m_visitor->setObjectName(QStringLiteral("visitor"));
    if (form.spot.homeSide)
        (*form.spot.homeSide ? m_home : m_visitor)->setChecked(true);
    sideLayout->addWidget(m_home);
    sideLayout->addWidget(m_visitor);
    layout->addWidget(side);
    layout->addWidget(correctionButtons(*this, true, [this] { store(); }));
}

void BallOnDialog::store()
{
    m_form.spot.yardText = fromQString(m_number->text());
    m_form.listIndex = m_list->currentIndex();
    if (m_home->isChecked())
        m_form.spot.homeSide = true;
    else if (m_visitor->isChecked())
        m_form.spot.homeSide = false;
    else
        m_form.spot.homeSide.reset();
}

} // namespace yardmark
