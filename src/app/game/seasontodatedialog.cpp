#include "app/game/seasontodatedialog.h"

#include "app/common/dialogbuttons.h"
#include "live/livefeed.h"
#include "qtbase/qtext.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <filesystem>

namespace yardmark {

namespace {

constexpr LeaderCategory kCategories[] = {LeaderCategory::Passing, LeaderCategory::Rushing, LeaderCategory::Receiving,
                                          LeaderCategory::Tackles};
constexpr const char *kCategoryNames[] = {"Passing", "Rushing", "Receiving", "Tackles"};

bool hasFigure(LeaderCategory category, const PlayerFigures &f)
{
    switch (category) {
    case LeaderCategory::Passing:
        return f.passAttempts > 0;
    case LeaderCategory::Rushing:
        return f.carries > 0;
    case LeaderCategory::Receiving:
        return f.catches > 0;
    case LeaderCategory::Tackles:
        break;
    }
    return f.tackles + f.assists + f.sacks > 0;
}

/// The categories a player has figures in, one after another.
QString summary(const PlayerFigures &f)
{
    QStringList parts;
    for (std::size_t i = 0; i < std::size(kCategories); ++i) {
        if (hasFigure(kCategories[i], f))
            parts << QString::fromLatin1(kCategoryNames[i]) + QStringLiteral(" ") +
                         QString::fromStdString(leaderText(kCategories[i], f));
    }
    return parts.isEmpty() ? QStringLiteral("-") : parts.join(QStringLiteral("; "));
}

QTableWidget *table(const char *name, const QStringList &headings)
{
    auto *t = new QTableWidget(0, static_cast<int>(headings.size()));
    t->setObjectName(QString::fromLatin1(name));
    t->setHorizontalHeaderLabels(headings);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The first column fits its names; today and the season share the rest
    // and wrap, so that every figure reads without scrolling sideways.
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    t->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    t->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    t->verticalHeader()->setVisible(false);
    t->setWordWrap(true);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return t;
}

void setRow(QTableWidget *t, int row, const QStringList &cells)
{
    for (int column = 0; column < cells.size(); ++column)
        t->setItem(row, column, new QTableWidgetItem(cells[column]));
}

} // namespace

SeasonToDateDialog::SeasonToDateDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("seasonToDateDialog"));
    setWindowTitle(QStringLiteral("Season to Date"));
    setModal(false);
    auto *layout = new QVBoxLayout(this);
    m_status = new QLabel;
    m_status->setObjectName(QStringLiteral("seasonStatus"));
    m_status->setTextFormat(Qt::PlainText);
    m_status->setWordWrap(true);
    layout->addWidget(m_status);

    auto *playerRow = new QHBoxLayout;
    auto *playerLabel = new QLabel(QStringLiteral("&Player:"));
    m_player = new QComboBox;
    m_player->setObjectName(QStringLiteral("player"));
    m_player->setMinimumContentsLength(30);
    playerLabel->setBuddy(m_player);
    playerRow->addWidget(playerLabel);
    playerRow->addWidget(m_player, 1);
    layout->addLayout(playerRow);
    m_chosen = table("playerFigures", {QStringLiteral("Category"), QStringLiteral("Today"), QStringLiteral("Season")});
    m_chosen->setAccessibleName(QStringLiteral("The player's figures"));
    // Its four categories always show whole.
    m_chosen->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(m_chosen);

    auto *lastLabel = new QLabel(QStringLiteral("Players of the &last play:"));
    m_lastPlay =
        table("lastPlayFigures", {QStringLiteral("Player"), QStringLiteral("Today"), QStringLiteral("Season")});
    lastLabel->setBuddy(m_lastPlay);
    layout->addWidget(lastLabel);
    layout->addWidget(m_lastPlay, 1);
    connect(m_player, &QComboBox::currentIndexChanged, this, [this] { showChosen(); });

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton *close = namedButton("close", "&Close");
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    resize(fontMetrics().averageCharWidth() * 110, fontMetrics().height() * 30);
}

void SeasonToDateDialog::refresh(const Game &game, const std::shared_ptr<const SeasonFigures> &season, bool reading)
{
    m_season = season;
    m_today[0] = gameFigures(game, true, LeagueOptions{});
    m_today[1] = gameFigures(game, false, LeagueOptions{});
    if (reading) {
        m_status->setText(QStringLiteral("Reading the season ..."));
    } else if (!season) {
        m_status->setText(QStringLiteral("No schedule in the game's folder lists this game: the figures are this "
                                         "game's alone."));
    } else {
        QString text = QStringLiteral("Season of %1. Going into the game: %2 %3, %4 %5.")
                           .arg(toQString(std::filesystem::path(season->schedule).filename().string()),
                                toQString(teamName(game, false)), toQString(recordText(season->visitor.record)),
                                toQString(teamName(game, true)), toQString(recordText(season->home.record)));
        if (!season->leftOut.empty()) {
            QStringList files;
            for (const std::string &path : season->leftOut)
                files << toQString(path);
            text += QStringLiteral("\nLeft out, as they cannot be read: ") + files.join(QStringLiteral(", "));
        }
        m_status->setText(text);
    }

    // Everyone with a figure today or this season, the chosen player kept.
    const Choice kept =
        m_player->currentIndex() >= 0 ? m_choices[static_cast<std::size_t>(m_player->currentIndex())] : Choice{};
    const QSignalBlocker blocker(m_player);
    m_player->clear();
    m_choices.clear();
    int keptIndex = 0;
    for (const bool home : {false, true}) {
        TeamFigures all = m_today[home ? 0 : 1];
        if (season)
            all.add(season->side(home).players);
        for (const TeamFigures::Player &player : all.players()) {
            if (home == kept.home && player.name == kept.name)
                keptIndex = static_cast<int>(m_choices.size());
            m_choices.push_back({home, player.name});
            m_player->addItem(toQString(teamName(game, home)) + QStringLiteral(": ") +
                              (player.number >= 0 ? QStringLiteral("#%1 ").arg(player.number) : QString()) +
                              toQString(player.name));
        }
    }
    m_player->setCurrentIndex(m_choices.empty() ? -1 : keptIndex);
    showChosen();

    // Who took part in the last play, each looked for first on the side his slot belongs to.
    m_lastPlay->setRowCount(0);
    if (game.plays.empty())
        return;
    const PlayRecord &play = game.plays.back();
    for (int slot = QuarterbackSlot; slot <= AssistSlot; ++slot) {
        const PlayerRecord &who = play.players[static_cast<std::size_t>(slot)];
        if (who.name.empty())
            continue;
        const bool offense = slot <= CarrierSlot;
        bool home = offense == play.homeHasBall;
        if (m_today[home ? 0 : 1].find(who.name) == nullptr)
            home = !home;
        const TeamFigures::Player *today = m_today[home ? 0 : 1].find(who.name);
        if (today == nullptr)
            continue;
        PlayerFigures total = today->figures;
        if (season)
            if (const TeamFigures::Player *before = season->side(home).players.find(who.name))
                total += before->figures;
        const int row = m_lastPlay->rowCount();
        m_lastPlay->insertRow(row);
        setRow(m_lastPlay, row,
               {toQString(who.name), summary(today->figures), season ? summary(total) : QStringLiteral("-")});
    }
}

void SeasonToDateDialog::showChosen()
{
    m_chosen->setRowCount(0);
    const int index = m_player->currentIndex();
    if (index < 0)
        return;
    const Choice &choice = m_choices[static_cast<std::size_t>(index)];
    const TeamFigures::Player *today = m_today[choice.home ? 0 : 1].find(choice.name);
    const TeamFigures::Player *before = m_season ? m_season->side(choice.home).players.find(choice.name) : nullptr;
    PlayerFigures todayFigures = today ? today->figures : PlayerFigures{};
    PlayerFigures total = todayFigures;
    if (before)
        total += before->figures;
    m_chosen->setRowCount(static_cast<int>(std::size(kCategories)));
    for (std::size_t i = 0; i < std::size(kCategories); ++i)
        setRow(m_chosen, static_cast<int>(i),
               {QString::fromLatin1(kCategoryNames[i]),
                QString::fromStdString(leaderText(kCategories[i], todayFigures)),
                m_season ? QString::fromStdString(leaderText(kCategories[i], total)) : QStringLiteral("-")});
    m_chosen->setFixedHeight(m_chosen->horizontalHeader()->height() + m_chosen->verticalHeader()->length() +
                             2 * m_chosen->frameWidth());
}

} // namespace yardmark
