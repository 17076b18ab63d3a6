#include "app/game/kickoffdialog.h"

#include "gameflow/entry/kickoffentry.h"
#include "vocabulary/vocabulary.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace yardmark {

KickOffDialog::KickOffDialog(KickOffEntry &entry, const Game &game, QWidget *parent)
    : PlayDialog(entry, game, entry.form().caption, parent)
{
    auto *layout = new QVBoxLayout(this);
    auto *players = new QGridLayout;
    QLineEdit *kicker = addPlayerRow(*players, "kicker", QStringLiteral("Kicker"), KickOffEntry::Kicker);
    QLineEdit *returner = addPlayerRow(*players, "returner", QStringLiteral("Returner"), KickOffEntry::Returner);
    QLineEdit *tackler = addPlayerRow(*players, "tackler", QStringLiteral("Tackler"), KickOffEntry::Tackler);
    QLineEdit *assist = addPlayerRow(*players, "assist", QStringLiteral("Assist"), KickOffEntry::Assist);
    layout->addLayout(players);

    auto *middle = new QHBoxLayout;
    QGroupBox *result =
        resultGroup<KickOffResult>(entry, {QStringLiteral("&Returned"), QStringLiteral("&Touch Back"),
                                           QStringLiteral("&Kicked Out Of Bounds"), QStringLiteral("&Fair Catch")});
    middle->addWidget(result);
    auto *onside = new QGroupBox(QStringLiteral("Onside Kick"));
    auto *onsideLayout = new QVBoxLayout(onside);
    auto *successful = new QCheckBox(QStringLiteral("&Successful"));
    successful->setObjectName(QStringLiteral("onsideSuccessful"));
    auto *unsuccessful = new QCheckBox(QStringLiteral("&Unsuccessful"));
    unsuccessful->setObjectName(QStringLiteral("onsideUnsuccessful"));
    onsideLayout->addWidget(successful);
    onsideLayout->addWidget(unsuccessful);
    connect(successful, &QCheckBox::clicked, this,
            [this, &entry](bool on) { fire([&] { entry.setOnsideSuccessful(on); }); });
    connect(unsuccessful, &QCheckBox::clicked, this,
            [this, &entry](bool on) { fire([&] { entry.setOnsideUnsuccessful(on); }); });
    onReload([&entry, successful, unsuccessful] {
        successful->setChecked(entry.form().onsideSuccessful);
        unsuccessful->setChecked(entry.form().onsideUnsuccessful);
    });
    middle->addWidget(onside);
    layout->addLayout(middle);
    auto *spots = new QHBoxLayout;
    QGroupBox *kickedTo = spotGroup(
        "kickedTo", QStringLiteral("Kicked To"), [&entry] { return entry.form().kickedTo; },
        [&entry](const SpotEntry &spot) { entry.setKickedTo(spot); });
    QGroupBox *finalSpot = finalSpotGroup(entry);
    spots->addWidget(kickedTo);
    spots->addWidget(finalSpot);
    layout->addLayout(spots);
    QGroupBox *fumbles = addFumblesAndButtons(*layout, entry);

    chainTabs({kicker, result, kickedTo, returner, finalSpot, tackler, assist, onside, fumbles});
    reload();
    kicker->setFocus();
}

} // namespace yardmark
