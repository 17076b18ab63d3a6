#include "app/game/puntdialog.h"

#include "gameflow/entry/puntentry.h"
#include "vocabulary/vocabulary.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace yardmark {

PuntDialog::PuntDialog(PuntEntry &entry, const Game &game, QWidget *parent)
    : PlayDialog(entry, game, entry.form().caption, parent)
{
    auto *layout = new QVBoxLayout(this);
    auto *players = new QGridLayout;
    QLineEdit *punter = addPlayerRow(*players, "punter", QStringLiteral("Punter"), PuntEntry::Punter);
    QLineEdit *returner = addPlayerRow(*players, "returner", QStringLiteral("Returner"), PuntEntry::Returner);
    QLineEdit *tackler = addPlayerRow(*players, "tackler", QStringLiteral("Tackler"), PuntEntry::Tackler);
    QLineEdit *assist = addPlayerRow(*players, "assist", QStringLiteral("Assist"), PuntEntry::Assist);
    QLineEdit *blockedBy = addPlayerRow(*players, "blockedBy", QStringLiteral("Blocked By:"), PuntEntry::BlockedBy);
    layout->addLayout(players);

    auto *middle = new QHBoxLayout;
    QGroupBox *result = resultGroup<PuntResult>(entry, {QStringLiteral("&Returned"), QStringLiteral("&Touch Back"),
                                                        QStringLiteral("&Downed By Kicking Team"),
                                                        QStringLiteral("&Kicked Out Of Bounds"),
                                                        QStringLiteral("&Fair Catch"), QStringLiteral("&Blocked By:")});
    middle->addWidget(result);
    auto *spots = new QVBoxLayout;
    QGroupBox *puntedTo = spotGroup(
        "puntedTo", QStringLiteral("Punted To"), [&entry] { return entry.form().puntedTo; },
        [&entry](const SpotEntry &spot) { entry.setPuntedTo(spot); });
    QGroupBox *finalSpot = finalSpotGroup(entry);
    spots->addWidget(puntedTo);
    spots->addWidget(finalSpot);
    middle->addLayout(spots);
    layout->addLayout(middle);
    QGroupBox *fumbles = addFumblesAndButtons(*layout, entry);

    chainTabs({punter, puntedTo, result, returner, finalSpot, tackler, assist, blockedBy, fumbles});
    reload();
    punter->setFocus();
}

} // namespace yardmark
