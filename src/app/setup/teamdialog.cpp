#include "app/setup/teamdialog.h"

#include "app/common/bitmaps.h"
#include "app/common/dialogbuttons.h"
#include "app/common/textentry.h"
#include "app/setup/rosterdialog.h"
#include "base/userinterface.h"
#include "qtbase/qtext.h"
#include "records/roster.h"
#include "session/teamsaving.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace yardmark {
namespace {

constexpr int kLogoSize = 96;

constexpr struct {
    const char *name;
    const char *caption;
} kCurrentLists[kCurrentPlayerCount] = {{"startingQuarterback", "Starting &Quarterback:"},
                                        {"startingKicker", "Starting &Kicker:"},
                                        {"startingFieldGoalKicker", "Starting &Field Goal Kicker:"},
                                        {"startingPunter", "Starting &Punter:"}};

QLineEdit *textBox(const char *name)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(name));
    limitText(edit, 24);
    return edit;
}

} // namespace

TeamDialog::TeamDialog(Team &team, const AppContext &context, QWidget *parent)
    : QDialog(parent), m_team(team), m_working(team), m_context(context), m_ui(context.ui),
      m_html(context.settings.app.html)
{
    setWindowTitle(QStringLiteral("Edit Team"));
    auto *staff = new QFormLayout;
    m_name = textBox("teamName");
    m_coach = textBox("coach");
    m_assistant = textBox("assistant");
    staff->addRow(QStringLiteral("Tea&m Name:"), m_name);
    staff->addRow(QStringLiteral("Coac&h:"), m_coach);
    staff->addRow(QStringLiteral("Assis&tant:"), m_assistant);

    m_logo = new QLabel;
    m_logo->setObjectName(QStringLiteral("logo"));
    m_logo->setFixedSize(kLogoSize, kLogoSize);
    m_logo->setAlignment(Qt::AlignCenter);
    m_logo->setFrameShape(QFrame::StyledPanel);
    QPushButton *newLogo = namedButton("newLogo", "&New Logo...");
    connect(newLogo, &QPushButton::clicked, this, [this] { chooseLogo(); });
    auto *logoColumn = new QVBoxLayout;
    logoColumn->addWidget(m_logo, 0, Qt::AlignHCenter);
    logoColumn->addWidget(newLogo);
    logoColumn->addStretch();

    auto *top = new QHBoxLayout;
    top->addLayout(staff, 1);
    top->addLayout(logoColumn);

    auto *current = new QFormLayout;
    for (int i = 0; i < kCurrentPlayerCount; ++i) {
        m_current[i] = new QComboBox;
        m_current[i]->setObjectName(QString::fromLatin1(kCurrentLists[i].name));
        m_current[i]->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        current->addRow(QString::fromLatin1(kCurrentLists[i].caption), m_current[i]);
    }

    QPushButton *roster = namedButton("editRoster", "&Edit Roster");
    QPushButton *saveAs = namedButton("saveAs", "S&ave As");
    connect(roster, &QPushButton::clicked, this, [this] { editRoster(); });
    connect(saveAs, &QPushButton::clicked, this, [this] { this->saveAs(); });
    auto *actions = new QHBoxLayout;
    actions->addWidget(roster);
    actions->addWidget(saveAs);
    actions->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(current);
    layout->addLayout(actions);
    layout->addWidget(okCancelButtons(*this, m_ui, [this] { ok(); }));

    fillLists();
    setForm(teamForm(m_working));
}

void TeamDialog::fillLists()
{
    const std::vector<std::string> lines = teamPlayerList(m_working);
    for (QComboBox *list : m_current) {
        list->clear();
        for (const std::string &line : lines)
            list->addItem(toQString(line));
        list->setCurrentIndex(-1);
    }
}

TeamForm TeamDialog::form() const
{
    TeamForm form;
    form.name = fromQString(m_name->text());
    form.coach = fromQString(m_coach->text());
    form.assistant = fromQString(m_assistant->text());
    form.logoFile = pathFromQString(m_logoFile);
    for (int i = 0; i < kCurrentPlayerCount; ++i)
        form.current[i] = m_current[i]->currentIndex();
    return form;
}

void TeamDialog::setForm(const TeamForm &form)
{
    m_name->setText(toQString(form.name));
    m_coach->setText(toQString(form.coach));
    m_assistant->setText(toQString(form.assistant));
    m_logoFile = pathToQString(form.logoFile);
    for (int i = 0; i < kCurrentPlayerCount; ++i)
        m_current[i]->setCurrentIndex(form.current[i]);
    showLogo();
}

void TeamDialog::showLogo()
{
    const QImage logo = loadTeamLogo(m_logoFile);
    m_logo->setPixmap(
        QPixmap::fromImage(logo.scaled(kLogoSize - 4, kLogoSize - 4, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    m_logo->setToolTip(plainToolTip(m_logoFile));
}

void TeamDialog::chooseLogo()
{
    m_ui.playSound(kClickSound);
    FileRequest request;
    request.title = "Select Team Logo";
    request.filters = "Bitmap (*.bmp)|*.bmp|";
    request.defaultExtension = "bmp";
    const std::optional<FileChoice> file = m_ui.chooseOpenFile(request);
    if (!file)
        return;
    if (loadBitmap(pathToQString(file->path)).isNull()) {
        m_ui.playSound(kWarningSound);
        m_ui.message("Cannot open bitmap file, " + fromQString(pathToQString(file->path)), "New Logo",
                     MessageButtons::Ok, MessageIcon::Warning);
        return;
    }
    m_logoFile = pathToQString(file->path);
    showLogo();
}

void TeamDialog::editRoster()
{
    m_ui.playSound(kClickSound);
    TeamForm current = form();
    const auto chosen = chosenCurrentPlayers(current, m_working);
    Team working = rosterWorkingCopy(m_working);
    RosterDialog dialog(working, m_context, this);
    if (m_context.runDialog(dialog) == QDialog::Accepted)
        copyRosterInto(m_working, working);
    fillLists();
    chooseCurrentPlayers(current, m_working, chosen);
    setForm(current);
}

void TeamDialog::saveAs()
{
    const TeamForm current = form();
    applyTeamForm(current, m_working);
    saveTeamAsAsked(m_ui, m_working, m_html);
}

void TeamDialog::ok()
{
    applyTeamForm(form(), m_working);
    m_team = m_working;
    accept();
}

} // namespace yardmark
