#include "app/game/editplaywindow.h"

#include "gameflow/entry/editplayentry.h"
#include "qtbase/qtext.h"
#include "vocabulary/vocabulary.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <span>

namespace yardmark {

namespace {

void addLabelled(QGridLayout *grid, int row, const QString &text, QWidget *field, QLabel **label = nullptr)
{
    auto *caption = new QLabel(text);
    caption->setBuddy(field);
    grid->addWidget(caption, row, 0);
    grid->addWidget(field, row, 1);
    if (label)
        *label = caption;
}

void showIndex(QComboBox *combo, int index)
{
    const QSignalBlocker block(combo);
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

} // namespace

EditPlayWindow::EditPlayWindow(EditPlayEntry &entry, const Game &game, QWidget *parent)
    : PlayDialog(entry, game, "Edit Play", parent)
{
    auto *layout = new QVBoxLayout(this);
    auto *columns = new QHBoxLayout;
    columns->addWidget(buildPlayColumn(entry));
    columns->addWidget(buildSituationColumn(entry));
    columns->addWidget(buildPlayersColumn(entry));
    layout->addLayout(columns);
    layout->addWidget(buttons([&entry] { return entry.ok(); }));
    reload();
}

QWidget *EditPlayWindow::buildPlayColumn(EditPlayEntry &entry)
{
    auto *column = new QWidget;
    auto *layout = new QVBoxLayout(column);
    auto *possession = new QGroupBox(QStringLiteral("Ball Possession"));
    auto *possessionLayout = new QHBoxLayout(possession);
    auto *home = new QRadioButton(QStringLiteral("Home"));
    home->setObjectName(QStringLiteral("possessionHome"));
    auto *visitor = new QRadioButton(QStringLiteral("Visitor"));
    visitor->setObjectName(QStringLiteral("possessionVisitor"));
    possessionLayout->addWidget(home);
    possessionLayout->addWidget(visitor);
    layout->addWidget(possession);
    connect(home, &QRadioButton::clicked, this, [this, &entry] { fire([&] { entry.setPossession(true); }); });
    connect(visitor, &QRadioButton::clicked, this, [this, &entry] { fire([&] { entry.setPossession(false); }); });
    onReload([&entry, home, visitor] {
        home->setChecked(entry.form().homeHasBall);
        visitor->setChecked(!entry.form().homeHasBall);
    });

    auto *grid = new QGridLayout;
    QComboBox *playType = codeList("playType", playTypeNames());
    auto *secondList = new QComboBox;
    secondList->setObjectName(QStringLiteral("secondList"));
    QComboBox *scoreType = codeList("scoreType", scoreTypeNames());
    QComboBox *turnover = codeList("turnover", turnoverNames());
    QComboBox *firstDown = codeList("firstDown", firstDownNames());
    QLabel *secondLabel = nullptr;
    addLabelled(grid, 0, QStringLiteral("Play Type"), playType);
    addLabelled(grid, 1, QStringLiteral("Rush Type"), secondList, &secondLabel);
    addLabelled(grid, 2, QStringLiteral("Score Type"), scoreType);
    addLabelled(grid, 3, QStringLiteral("Turnover"), turnover);
    addLabelled(grid, 4, QStringLiteral("First Down"), firstDown);
    layout->addLayout(grid);
    connect(playType, &QComboBox::activated, this,
            [this, &entry](int type) { fire([&] { entry.setPlayType(type); }); });
    connect(secondList, &QComboBox::activated, this,
            [this, &entry](int index) { fire([&] { entry.form().secondList = index; }); });
    connect(scoreType, &QComboBox::activated, this,
            [this, &entry](int index) { fire([&] { entry.form().scoreType = index; }); });
    connect(turnover, &QComboBox::activated, this,
            [this, &entry](int index) { fire([&] { entry.form().turnover = index; }); });
    connect(firstDown, &QComboBox::activated, this,
            [this, &entry](int index) { fire([&] { entry.form().firstDown = index; }); });

    QGroupBox *initialSpot = spotGroup(
        "initialSpot", QStringLiteral("Initial Spot"), [&entry] { return entry.form().initialSpot; },
        [&entry](const SpotEntry &spot) { entry.form().initialSpot = spot; });
    QGroupBox *middleSpot = spotGroup(
        "middleSpot", QStringLiteral("Kicked To"), [&entry] { return entry.form().middleSpot; },
        [&entry](const SpotEntry &spot) { entry.form().middleSpot = spot; });
    QGroupBox *finalSpot = spotGroup(
        "finalSpot", QStringLiteral("Final Spot"), [&entry] { return entry.form().finalSpot; },
        [&entry](const SpotEntry &spot) { entry.form().finalSpot = spot; });
    layout->addWidget(initialSpot);
    layout->addWidget(middleSpot);
    layout->addWidget(finalSpot);
    layout->addStretch();

    onReload([&entry, playType, secondList, secondLabel, scoreType, turnover, firstDown, middleSpot] {
        const EditPlayForm &f = entry.form();
        showIndex(playType, f.playType);
        const EditPlayLabels labels = editPlayLabels(f.playType);
        if (labels.secondList)
            secondLabel->setText(toQString(*labels.secondList));
        if (labels.middleSpot)
            middleSpot->setTitle(toQString(*labels.middleSpot));
        {
            const QSignalBlocker block(secondList);
            secondList->clear();
            for (std::string_view text : secondListEntries(f.playType))
                secondList->addItem(toQString(text));
        }
        showIndex(secondList, f.secondList);
        showIndex(scoreType, f.scoreType);
        showIndex(turnover, f.turnover);
        showIndex(firstDown, f.firstDown);
    });
    return column;
}

QWidget *EditPlayWindow::buildSituationColumn(EditPlayEntry &entry)
{
    auto *column = new QWidget;
    auto *layout = new QVBoxLayout(column);
    auto *grid = new QGridLayout;
    const auto field = [this, &entry](const char *name, std::string EditPlayForm::*member) {
        QLineEdit *edit = textField(
            name, [&entry, member] { return entry.form().*member; },
            [&entry, member](std::string_view text) { entry.form().*member = std::string(text); });
        edit->setMaxLength(5);
        edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("00000")) * 2);
        return edit;
    };
    QLineEdit *quarter = field("quarter", &EditPlayForm::quarter);
    auto *quarterLabel = new QLabel(QStringLiteral("Quarter"));
    quarterLabel->setBuddy(quarter);
    grid->addWidget(quarterLabel, 0, 0);
    grid->addWidget(quarter, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Initial")), 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Resulting")), 1, 2);
    QLineEdit *initialDown = field("initialDown", &EditPlayForm::initialDown);
    QLineEdit *initialToGo = field("initialToGo", &EditPlayForm::initialToGo);
    auto *down = new QLabel(QStringLiteral("Down"));
    down->setBuddy(initialDown);
    auto *toGo = new QLabel(QStringLiteral("To Go"));
    toGo->setBuddy(initialToGo);
    grid->addWidget(down, 2, 0);
    grid->addWidget(initialDown, 2, 1);
    // A label is the buddy of one field: the others of its row say their column.
    const auto named = [](QLineEdit *edit, const char *name) {
        edit->setAccessibleName(QString::fromLatin1(name));
        return edit;
    };
    named(initialDown, "Initial Down");
    named(initialToGo, "Initial To Go");
    grid->addWidget(toGo, 3, 0);
    grid->addWidget(initialToGo, 3, 1);
    grid->addWidget(named(field("resultingDown", &EditPlayForm::resultingDown), "Resulting Down"), 2, 2);
    grid->addWidget(named(field("resultingToGo", &EditPlayForm::resultingToGo), "Resulting To Go"), 3, 2);
    QLineEdit *penaltyYards = field("penaltyYards", &EditPlayForm::penaltyYards);
    auto *penalty = new QLabel(QStringLiteral("Penalty Yards"));
    penalty->setBuddy(penaltyYards);
    grid->addWidget(penalty, 4, 0);
    grid->addWidget(penaltyYards, 4, 1);
    QLineEdit *minutes = field("minutes", &EditPlayForm::minutes);
    auto *time = new QLabel(QStringLiteral("Time"));
    time->setBuddy(minutes);
    auto *clock = new QHBoxLayout;
    clock->addWidget(named(minutes, "Time minutes"));
    clock->addWidget(new QLabel(QStringLiteral(":")));
    clock->addWidget(named(field("seconds", &EditPlayForm::seconds), "Time seconds"));
    grid->addWidget(time, 5, 0);
    grid->addLayout(clock, 5, 1, 1, 2);
    layout->addLayout(grid);
    layout->addStretch();
    return column;
}

QWidget *EditPlayWindow::buildPlayersColumn(EditPlayEntry &entry)
{
    auto *column = new QWidget;
    auto *layout = new QVBoxLayout(column);
    auto *players = new QGridLayout;
    const char *names[kEditPlayerRows] = {"player0", "player1", "player2", "player3", "player4"};
    const char *captions[kEditPlayerRows] = {"Quarterback", "Rusher", "Tackler", "Assist", "Interceptor"};
    QLineEdit *numbers[kEditPlayerRows] = {};
    for (int row = 0; row < kEditPlayerRows; ++row)
        numbers[row] = addPlayerRow(*players, names[row], QString::fromLatin1(captions[row]), row);
    layout->addLayout(players);
    // The first two rows are named after the play type.
    const auto captionOf = [players](QLineEdit *number) -> QLabel * {
        for (int i = 0; i < players->count(); ++i) {
            auto *label = qobject_cast<QLabel *>(players->itemAt(i)->widget());
            if (label && label->buddy() == number)
                return label;
        }
        return nullptr;
    };
    QLabel *first = captionOf(numbers[0]);
    QLabel *second = captionOf(numbers[1]);
    onReload([&entry, first, second] {
        const EditPlayLabels labels = editPlayLabels(entry.form().playType);
        if (labels.firstPlayer)
            first->setText(toQString(*labels.firstPlayer));
        if (labels.secondPlayer)
            second->setText(toQString(*labels.secondPlayer));
    });
    layout->addWidget(fumbleGroup(entry));
    layout->addStretch();
    return column;
}

} // namespace yardmark
