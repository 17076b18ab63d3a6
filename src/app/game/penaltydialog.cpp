#include "app/game/penaltydialog.h"

#include "gameflow/entry/penaltyentry.h"
#include "vocabulary/vocabulary.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace yardmark {

PenaltyDialog::PenaltyDialog(PenaltyEntry &entry, const Game &game, QWidget *parent)
    : PlayDialog(entry, game, entry.form().caption, parent)
{
    auto *layout = new QVBoxLayout(this);
    QComboBox *penalty = codeList("penalty", entry.defensive() ? defensivePenaltyNames() : offensivePenaltyNames());
    connect(penalty, &QComboBox::activated, this,
            [this, &entry](int index) { fire([&] { entry.choosePenalty(index); }); });
    onReload([penalty, &entry] {
        const QSignalBlocker block(penalty);
        penalty->setCurrentIndex(entry.form().penalty);
    });
    layout->addWidget(labelled(QStringLiteral("Penalty"), penalty));
    auto *players = new QGridLayout;
    QLineEdit *penaltyOn = addPlayerRow(*players, "penaltyOn", QStringLiteral("Penalty On"), PenaltyEntry::PenaltyOn);
    layout->addLayout(players);

    auto *numbers = new QHBoxLayout;
    QLineEdit *yards = textField(
        "yardsPenalized", [&entry] { return entry.form().yardsPenalized; },
        [&entry](std::string_view text) { entry.setYardsPenalized(text); });
    QLineEdit *down = textField(
        "resultingDown", [&entry] { return entry.form().resultingDown; },
        [&entry](std::string_view text) { entry.setResultingDown(text); });
    QLineEdit *toGo = textField(
        "resultingToGo", [&entry] { return entry.form().resultingToGo; },
        [&entry](std::string_view text) { entry.setResultingToGo(text); });
    numbers->addWidget(labelled(QStringLiteral("Yards\nPenalized"), yards));
    numbers->addWidget(labelled(QStringLiteral("Resulting\nDown"), down));
    numbers->addWidget(labelled(QStringLiteral("Resulting\nTo Go"), toGo));
    layout->addLayout(numbers);
    auto *spots = new QHBoxLayout;
    QGroupBox *penaltySpot = spotGroup(
        "penaltySpot", QStringLiteral("Spot of Penalty"), [&entry] { return entry.form().penaltySpot; },
        [&entry](const SpotEntry &spot) { entry.setPenaltySpot(spot); });
    QGroupBox *finalSpot = finalSpotGroup(entry);
    spots->addWidget(penaltySpot);
    spots->addWidget(finalSpot);
    layout->addLayout(spots);
    layout->addWidget(buttons([&entry] { return entry.ok(); }, QStringLiteral("&Cancel")));

    chainTabs({penalty, penaltyOn, yards, down, toGo, penaltySpot, finalSpot});
    reload();
    penalty->setFocus();
}

} // namespace yardmark
