#include "app/setup/gameinfodialog.h"

#include "app/common/datepickerdialog.h"
#include "app/common/dialogbuttons.h"
#include "app/setup/teamdialog.h"
#include "base/userinterface.h"
#include "qtbase/qtext.h"
#include "records/roster.h"
#include "records/teamfile.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace yardmark {
namespace {

constexpr struct {
    const char *name;
    const char *caption;
} kOfficials[] = {{"referee", "&Referee:"},      {"umpire", "Um&pire:"},          {"headLinesman", "&Head Linesman:"},
                  {"lineJudge", "&Line Judge:"}, {"fieldJudge", "Field &Judge:"}, {"sideJudge", "Side Jud&ge:"},
                  {"backJudge", "&Back Judge:"}};

std::string GameInfoForm::*const kOfficialBoxes[] = {
    &GameInfoForm::referee,    &GameInfoForm::umpire,    &GameInfoForm::headLinesman, &GameInfoForm::lineJudge,
    &GameInfoForm::fieldJudge, &GameInfoForm::sideJudge, &GameInfoForm::backJudge};

} // namespace

GameInfoDialog::GameInfoDialog(Game &game, const AppContext &context, QWidget *parent)
    : QDialog(parent), m_game(game), m_context(context), m_ui(context.ui), m_html(context.settings.app.html)
{
    setWindowTitle(QStringLiteral("Edit Game Information"));
    m_grid = new QGridLayout;

    QPushButton *dateButton = namedButton("chooseDate", "Date:");
    m_date = new QLineEdit;
    m_date->setObjectName(QStringLiteral("date"));
    nameAfterCaption(m_date, dateButton->text());
    limitText(m_date, 15);
    m_grid->addWidget(dateButton, 0, 0);
    m_grid->addWidget(m_date, 0, 1, 1, 3);
    connect(dateButton, &QPushButton::clicked, this, [this] { chooseDate(); });

    m_time = addBox("time", "T&ime:", 11);
    m_field = addBox("field", "&Field:", 24);
    for (int i = 0; i < 7; ++i)
        m_officials[i] = addBox(kOfficials[i].name, kOfficials[i].caption, 24);

    const int row = m_grid->rowCount();
    m_season = new QLineEdit;
    m_season->setObjectName(QStringLiteral("season"));
    limitText(m_season, 7);
    auto *seasonLabel = new QLabel(QStringLiteral("Seaso&n:"));
    seasonLabel->setBuddy(m_season);
    QPushButton *up = namedButton("seasonUp", "&Up");
    QPushButton *down = namedButton("seasonDown", "Do&wn");
    m_grid->addWidget(seasonLabel, row, 0);
    m_grid->addWidget(m_season, row, 1);
    m_grid->addWidget(up, row, 2);
    m_grid->addWidget(down, row, 3);
    connect(up, &QPushButton::clicked, this, [this] { season(true); });
    connect(down, &QPushButton::clicked, this, [this] { season(false); });

    auto *teams = new QVBoxLayout;
    for (const bool home : {true, false}) {
        auto *box = new QGroupBox(home ? QStringLiteral("Home Team") : QStringLiteral("Visiting Team"));
        auto *panel = new QLabel;
        panel->setObjectName(home ? QStringLiteral("homePanel") : QStringLiteral("visitorPanel"));
        panel->setTextFormat(Qt::PlainText);
        panel->setMinimumWidth(panel->fontMetrics().horizontalAdvance(QString(34, QLatin1Char('M'))) / 2);
        QPushButton *select =
            namedButton(home ? "selectHomeTeam" : "selectVisitorTeam", home ? "&Select Team" : "Select &Team");
        QPushButton *edit = namedButton(home ? "editHomeTeam" : "editVisitorTeam", home ? "&Edit Team" : "E&dit Team");
        connect(select, &QPushButton::clicked, this, [this, home] { selectTeam(home); });
        connect(edit, &QPushButton::clicked, this, [this, home] { editTeam(home); });
        auto *buttons = new QHBoxLayout;
        buttons->addWidget(select);
        buttons->addWidget(edit);
        auto *layout = new QVBoxLayout(box);
        layout->addWidget(panel);
        layout->addLayout(buttons);
        teams->addWidget(box);
        (home ? m_homePanel : m_visitorPanel) = panel;
    }
    teams->addStretch();

    auto *ending = new QDialogButtonBox;
    QPushButton *ok = namedButton("ok", "&OK");
    ok->setDefault(true);
    QPushButton *start = namedButton("startGame", "St&art Game");
    QPushButton *cancel = namedButton("cancel", "&Cancel");
    ending->addButton(ok, QDialogButtonBox::AcceptRole);
    ending->addButton(start, QDialogButtonBox::ActionRole);
    ending->addButton(cancel, QDialogButtonBox::RejectRole);
    connect(ok, &QPushButton::clicked, this, [this] { finish(GameInfoEnding::Ok); });
    connect(start, &QPushButton::clicked, this, [this] { finish(GameInfoEnding::StartGame); });
    connect(cancel, &QPushButton::clicked, this, [this] {
        m_ui.playSound(kClickSound);
        reject();
    });

    auto *columns = new QHBoxLayout;
    columns->addLayout(m_grid, 3);
    columns->addLayout(teams, 2);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(ending);

    setForm(gameInfoForm(game, currentDateTime()));
}

QLineEdit *GameInfoDialog::addBox(const char *name, const char *caption, int maxLength)
{
    const int row = m_grid->rowCount();
    auto *edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(name));
    limitText(edit, maxLength);
    auto *label = new QLabel(QString::fromLatin1(caption));
    label->setBuddy(edit);
    m_grid->addWidget(label, row, 0);
    m_grid->addWidget(edit, row, 1, 1, 3);
    return edit;
}

GameInfoForm GameInfoDialog::form() const
{
    GameInfoForm form = m_form;
    form.date = fromQString(m_date->text());
    form.time = fromQString(m_time->text());
    form.field = fromQString(m_field->text());
    for (int i = 0; i < 7; ++i)
        form.*kOfficialBoxes[i] = fromQString(m_officials[i]->text());
    form.season = fromQString(m_season->text());
    return form;
}

void GameInfoDialog::setForm(const GameInfoForm &form)
{
    m_form = form;
    m_date->setText(toQString(form.date));
    m_time->setText(toQString(form.time));
    m_field->setText(toQString(form.field));
    for (int i = 0; i < 7; ++i)
        m_officials[i]->setText(toQString(form.*kOfficialBoxes[i]));
    m_season->setText(toQString(form.season));
    showPanels();
}

void GameInfoDialog::showPanels()
{
    m_homePanel->setText(toQString(teamPanelText(m_game.homeTeam)));
    m_visitorPanel->setText(toQString(teamPanelText(m_game.visitorTeam)));
}

void GameInfoDialog::warn(const Notice &notice)
{
    m_ui.message(notice.text, notice.caption, MessageButtons::Ok, MessageIcon::Warning);
}

void GameInfoDialog::chooseDate()
{
    chooseDateInto(*m_date, m_context, this);
}

void GameInfoDialog::season(bool up)
{
    m_ui.playSound(kClickSound);
    const std::string shown = fromQString(m_season->text());
    m_season->setText(toQString(up ? seasonUp(shown) : seasonDown(shown)));
}

void GameInfoDialog::selectTeam(bool home)
{
    m_ui.playSound(kClickSound);
    FileRequest request;
    request.title = home ? "Select Home Team" : "Select Visiting Team";
    request.filters = "Team Files (*.tem)|*.tem|";
    request.defaultExtension = "tem";
    const std::optional<FileChoice> file = m_ui.chooseOpenFile(request);
    if (!file)
        return;
    Team team; // roster only: a game keeps no personal information
    if (!loadTeamFile(team, file->path)) {
        m_ui.playSound(kLoadFailedSound);
        warn(kCannotLoadTeam);
        return;
    }
    GameInfoForm current = form();
    selectGameTeam(m_game, current, home, std::move(team), file->path);
    m_form = current;
    showPanels();
}

void GameInfoDialog::editTeam(bool home)
{
    m_ui.playSound(kClickSound);
    if (const std::optional<Notice> refusal = editTeamRefusal(m_form, home)) {
        warn(*refusal);
        return;
    }
    Team &team = home ? m_game.homeTeam : m_game.visitorTeam;
    Team copy;
    copyTeamForGame(team, copy);
    TeamDialog dialog(copy, m_context, this);
    if (m_context.runDialog(dialog) != QDialog::Accepted)
        return;
    team = std::move(copy);
    // A team renamed in its dialog plays under its new name.
    (home ? m_form.homeTeamName : m_form.visitorTeamName) = team.name;
    showPanels();
}

void GameInfoDialog::finish(GameInfoEnding ending)
{
    const GameInfoForm current = form();
    if (const std::optional<Notice> refusal = endingRefusal(current, ending)) {
        m_ui.playSound(kClickSound);
        warn(*refusal);
        return;
    }
    m_ui.playSound(ending == GameInfoEnding::StartGame ? kGameStartSound : kClickSound);
    storeGameInfoForm(current, m_game);
    done(ending == GameInfoEnding::StartGame ? kStartGame : QDialog::Accepted);
}

} // namespace yardmark
