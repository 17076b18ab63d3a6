#include "app/game/fieldgoaldialog.h"

#include "gameflow/entry/fieldgoalentry.h"
#include "vocabulary/vocabulary.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace yardmark {

FieldGoalDialog::FieldGoalDialog(FieldGoalEntry &entry, const Game &game, QWidget *parent)
    : PlayDialog(entry, game, entry.form().caption, parent)
{
    auto *layout = new QVBoxLayout(this);
    auto *players = new QGridLayout;
    QLineEdit *kicker = addPlayerRow(*players, "kicker", QStringLiteral("Placekicker"), FieldGoalEntry::Kicker);
    QLineEdit *blockedBy =
        addPlayerRow(*players, "blockedBy", QStringLiteral("Blocked By:"), FieldGoalEntry::BlockedBy);
    layout->addLayout(players);

    auto *middle = new QHBoxLayout;
    QGroupBox *result = resultGroup<FieldGoalResult>(entry, {QStringLiteral("&Good"), QStringLiteral("&Blocked"),
                                                             QStringLiteral("&No Kick"), QStringLiteral("Wide &Left"),
                                                             QStringLiteral("Wide &Right"), QStringLiteral("&Short")});
    middle->addWidget(result);
    QGroupBox *finalSpot = finalSpotGroup(entry);
    middle->addWidget(finalSpot);
    layout->addLayout(middle);
    QGroupBox *fumbles = addFumblesAndButtons(*layout, entry);

    chainTabs({kicker, result, finalSpot, blockedBy, fumbles});
    reload();
    kicker->setFocus();
}

} // namespace yardmark
