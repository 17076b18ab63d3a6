#include "app/game/togodialog.h"

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

ToGoDialog::ToGoDialog(ToGoForm &form, QWidget *parent) : QDialog(parent), m_form(form)
{
    setWindowTitle(QStringLiteral("To Go"));
    auto *layout = new QVBoxLayout(this);
    auto *grid = new QGridLayout;
    m_number = numberField("toGo", form.text);
    m_list = entryList("toGoList", form.entries, form.listIndex, m_number, [this](int i) {
        chooseToGoEntry(m_form, i);
        return m_form.text;
    });
    grid->addWidget(buddyLabel("&Yards To Go", m_number), 0, 0);
    grid->addWidget(m_number, 0, 1);
    grid->addWidget(buddyLabel("&From List", m_list), 1, 0);
    grid->addWidget(m_list, 1, 1);
    layout->addLayout(grid);
    layout->addWidget(correctionButtons(*this, true, [this] {
        m_form.text = fromQString(m_number->text());
        m_form.listIndex = m_list->currentIndex();
    }));
}

} // namespace yardmark
