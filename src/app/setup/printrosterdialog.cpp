#include "app/setup/printrosterdialog.h"

#include "base/userinterface.h"
#include "printouts/rosterstartersprintout.h"
#include "qtbase/qtext.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace yardmark {
namespace {

QGroupBox *radioGroup(const QString &title, QButtonGroup *group, const std::vector<std::pair<QString, int>> &choices,
                      const char *namePrefix)
{
    auto *box = new QGroupBox(title);
    auto *layout = new QVBoxLayout(box);
    int n = 0;
    for (const auto &[text, id] : choices) {
        auto *radio = new QRadioButton(text);
        radio->setObjectName(QString::fromLatin1(namePrefix) + QString::number(n++));
        group->addButton(radio, id);
        layout->addWidget(radio);
    }
    group->buttons().front()->setChecked(true);
    return box;
}

QString plain(const std::string &name)
{
    return toQString(name).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

PrintRosterDialog::PrintRosterDialog(bool starters, const std::string *homeName, const std::string *visitorName,
                                     UserInterface &ui, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(starters ? QStringLiteral("Print Starters") : QStringLiteral("Print Roster"));
    auto *layout = new QVBoxLayout(this);
    if (homeName && visitorName) {
        m_teams = new QButtonGroup(this);
        layout->addWidget(radioGroup(
            QStringLiteral("Team"), m_teams,
            {{plain(*homeName), kFirstTeamOnly}, {plain(*visitorName), kSecondTeamOnly}, {QStringLiteral("&Both"), 0}},
            "team"));
    }
    if (starters) {
        m_status = new QButtonGroup(this);
        layout->addWidget(radioGroup(QStringLiteral("Starters"), m_status,
                                     {{QStringLiteral("&Offensive Starters"), 1},
                                      {QStringLiteral("&Defensive Starters"), 2},
                                      {QStringLiteral("&Starts Both"), 3}},
                                     "status"));
    }
    auto *buttons = new QDialogButtonBox;
    QPushButton *print = buttons->addButton(QStringLiteral("&Print..."), QDialogButtonBox::AcceptRole);
    print->setObjectName(QStringLiteral("print"));
    print->setDefault(true);
    QPushButton *preview = buttons->addButton(QStringLiteral("Pre&view..."), QDialogButtonBox::ActionRole);
    preview->setObjectName(QStringLiteral("preview"));
    QPushButton *cancel = buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancel"));
    const auto end = [this, &ui](int result) {
        ui.playSound(kClickSound);
        done(result);
    };
    connect(print, &QPushButton::clicked, this, [end] { end(QDialog::Accepted); });
    connect(preview, &QPushButton::clicked, this, [end] { end(kPreview); });
    connect(cancel, &QPushButton::clicked, this, [end] { end(QDialog::Rejected); });
    layout->addWidget(buttons);
}

int PrintRosterDialog::teamChoice() const
{
    return m_teams ? m_teams->checkedId() : kFirstTeamOnly;
}

int PrintRosterDialog::starterStatus() const
{
    return m_status ? m_status->checkedId() : 0;
}

} // namespace yardmark
