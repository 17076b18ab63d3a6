#include "app/game/rushdialog.h"

#include "gameflow/entry/rushentry.h"
#include "vocabulary/vocabulary.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace yardmark {

RushDialog::RushDialog(RushEntry &entry, const Game &game, QWidget *parent)
    : PlayDialog(entry, game, entry.form().caption, parent)
{
    auto *layout = new QVBoxLayout(this);
    auto *players = new QGridLayout;
    QLineEdit *quarterback =
        addPlayerRow(*players, "quarterback", QStringLiteral("QuarterBack"), RushEntry::Quarterback);
    QLineEdit *rusher = addPlayerRow(*players, "rusher", QStringLiteral("Rusher"), RushEntry::Rusher);
    QLineEdit *tackler = addPlayerRow(*players, "tackler", QStringLiteral("Tackler"), RushEntry::Tackler);
    QLineEdit *assist = addPlayerRow(*players, "assist", QStringLiteral("Assist"), RushEntry::Assist);
    layout->addLayout(players);

    QComboBox *rushType = codeList("rushType", rushTypeNames());
    connect(rushType, &QComboBox::activated, this,
            [this, &entry](int index) { fire([&] { entry.setRushType(index); }); });
    onReload([rushType, &entry] {
        const QSignalBlocker block(rushType);
        rushType->setCurrentIndex(entry.form().rushType);
    });
    QLineEdit *yards = textField(
        "yardsMade", [&entry] { return entry.form().yardsMade; },
        [&entry](std::string_view text) { entry.setYardsMade(text); });
    auto *details = new QHBoxLayout;
    details->addWidget(labelled(QStringLiteral("Rush Description"), rushType));
    details->addWidget(labelled(QStringLiteral("Yards Made"), yards));
    layout->addLayout(details);
    QGroupBox *finalSpot = finalSpotGroup(entry);
    layout->addWidget(finalSpot);
    QGroupBox *fumbles = addFumblesAndButtons(*layout, entry);

    chainTabs({rusher, yards, finalSpot, tackler, assist, quarterback, rushType, fumbles});
    reload();
    rusher->setFocus();
}

} // namespace yardmark
