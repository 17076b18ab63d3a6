#include "playdialogs.h"

#include "gameflow/entry/fieldgoalentry.h"
#include "gameflow/entry/kickoffentry.h"
#include "gameflow/entry/passentry.h"
#include "gameflow/entry/penaltyentry.h"
#include "gameflow/entry/puntentry.h"
#include "gameflow/entry/rushentry.h"
#include "qtbase/qtext.h"
#include "vocabulary/vocabulary.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <span>

namespace yardmark {

namespace {

/// A drop-down of a code list, whose index is the code.
QComboBox *codeList(const char *name, std::span<const std::string_view> texts)
{
    auto *combo = new QComboBox;
    combo->setObjectName(QString::fromLatin1(name));
    for (std::string_view text : texts)
        combo->addItem(toQString(text));
    return combo;
}

/// Tab order as the scorer reads the play: who, what, where, then the rest.
void chainTabs(std::initializer_list<QWidget *> widgets)
{
    QWidget *previous = nullptr;
    for (QWidget *widget : widgets) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

QWidget *labelled(const QString &text, QWidget *field)
{
    auto *box = new QWidget;
    auto *layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *label = new QLabel(text);
    label->setBuddy(field);
    layout->addWidget(label);
    layout->addWidget(field);
    layout->addStretch();
    return box;
}

} // namespace

RushClass::RushClass(RushEntry &entry, const Game &game, QWidget *parent)
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

PassClass::PassClass(PassEntry &entry, const Game &game, QWidget *parent)
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
        {QStringLiteral("C&omplete"), QStringLiteral("&Incomplete"), QStringLiteral("&Sack"),
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

KickOffClass::KickOffClass(KickOffEntry &entry, const Game &game, QWidget *parent)
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

PuntClass::PuntClass(PuntEntry &entry, const Game &game, QWidget *parent)
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

FieldGoalClass::FieldGoalClass(FieldGoalEntry &entry, const Game &game, QWidget *parent)
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

template <typename Dialog, typename Entry> void QtPlayEntryWorker::show(Entry &entry)
{
    Dialog dialog(entry, m_game, m_parent);
    if (m_runner)
        m_runner(dialog);
    else
        dialog.exec();
}

void QtPlayEntryWorker::work(RushEntry &entry)
{
    show<RushClass>(entry);
}
void QtPlayEntryWorker::work(PassEntry &entry)
{
    show<PassClass>(entry);
}
void QtPlayEntryWorker::work(KickOffEntry &entry)
{
    show<KickOffClass>(entry);
}
void QtPlayEntryWorker::work(PuntEntry &entry)
{
    show<PuntClass>(entry);
}
void QtPlayEntryWorker::work(FieldGoalEntry &entry)
{
    show<FieldGoalClass>(entry);
}

void QtPlayEntryWorker::work(PenaltyEntry &entry)
{
    if (entry.defensive())
        show<DefensivePenaltyClass>(entry);
    else
        show<OffensivePenaltyClass>(entry);
}

} // namespace yardmark
