#include "app/game/passdialog.h"

#include "gameflow/entry/passentry.h"
#include "vocabulary/vocabulary.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace yardmark {

PassDialog::PassDialog(PassEntry &entry, const Game &game, QWidget *parent)
    : PlayDialog(entry, game, entry.form().caption, parent)
{
    auto *layout = new QVBoxLayout(this);
    auto *players = new QGridLayout;
    QLineEdit *quarterback =
        addPlayerRow(*players, "quarterback", QStringLiteral("QuarterBack"), PassEntry::Quarterback);
    QLineEdit *receiver = addPlayerRow(*players, "receiver", QStringLiteral("Receiver"), PassEntry::Receiver);
    QLineEdit *tackler = addPlayerRow(*players, "tackler", QStringLiteral("Tackler"), PassEntry::Tackler);
    QLineEdit *assist = addPlayerRow(*players, "assist", QStringLiteral("Assist"), PassEntry::Assist);
    QLineEdit *interceptor =
        addPlayerRow(*players, "interceptor", QStringLiteral("Intercepted By:"), PassEntry::Interceptor);
    layout->addLayout(players);

    auto *middle = new QHBoxLayout;
    QGroupBox *result = radioGroup(
        "result", QStringLiteral("Result"),
        {QStringLiteral("Co&mplete"), QStringLiteral("&Incomplete"), QStringLiteral("&Sack"),
         QStringLiteral("I&nterception")},
        [&entry] { return entry.form().result - 1; }, [&entry](int index) { entry.setResult(index + 1); });
    middle->addWidget(result);
    QGroupBox *reception = spotGroup(
        "receptionSpot", QStringLiteral("Reception / Interception At"), [&entry] { return entry.form().receptionSpot; },
        [&entry](const SpotEntry &spot) { entry.setReceptionSpot(spot); });
    middle->addWidget(reception);
    layout->addLayout(middle);
    QLineEdit *yards = textField(
        "yardsMade", [&entry] { return entry.form().yardsMade; },
        [&entry](std::string_view text) { entry.setYardsMade(text); });
    layout->addWidget(labelled(QStringLiteral("Yards Made"), yards));
    QGroupBox *finalSpot = finalSpotGroup(entry);
    layout->addWidget(finalSpot);
    QGroupBox *fumbles = addFumblesAndButtons(*layout, entry);

    chainTabs({receiver, yards, result, reception, finalSpot, tackler, assist, interceptor, quarterback, fumbles});
    reload();
    receiver->setFocus();
}

} // namespace yardmark
