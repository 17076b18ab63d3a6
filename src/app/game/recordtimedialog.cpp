#include "app/game/recordtimedialog.h"

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

RecordTimeDialog::RecordTimeDialog(RecordTimeForm &form, QWidget *parent) : QDialog(parent), m_form(form)
{
    setWindowTitle(QStringLiteral("Record Time"));
    auto *layout = new QVBoxLayout(this);
    // Which play the time stamps, and what to type.
    for (const auto &[name, text] : {std::pair{"stampedPlay", form.play}, std::pair{"explanation", form.explanation}}) {
        if (text.empty())
            continue;
        auto *line = new QLabel(toQString(text));
        line->setObjectName(QString::fromLatin1(name));
        line->setWordWrap(true);
        line->setTextFormat(Qt::PlainText);
        layout->addWidget(line);
    }
    auto *grid = new QGridLayout;
    m_minutes = numberField("minutes", form.minutes);
    m_seconds = numberField("seconds", form.seconds);
    grid->addWidget(buddyLabel("&Minutes", m_minutes), 0, 0);
    grid->addWidget(buddyLabel("&Seconds", m_seconds), 0, 2);
    grid->addWidget(m_minutes, 1, 0);
    grid->addWidget(new QLabel(QStringLiteral(":")), 1, 1);
    grid->addWidget(m_seconds, 1, 2);
    layout->addLayout(grid);
    layout->addWidget(correctionButtons(*this, false, [this] {
        m_form.minutes = fromQString(m_minutes->text());
        m_form.seconds = fromQString(m_seconds->text());
    }));
}

void RecordTimeDialog::reject()
{
    m_form.minutes = fromQString(m_minutes->text());
    m_form.seconds = fromQString(m_seconds->text());
    accept();
}

} // namespace yardmark
