#include "app/game/playdialog.h"

#include "gameflow/entry/playentry.h"
#include "qtbase/qtext.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace yardmark {

namespace {

QString named(const char *name, const char *part)
{
    return QString::fromLatin1(name) + QString::fromLatin1(part);
}

/// A drop-down showing `roster`, refilled only when the roster shown changes.
void showRoster(QComboBox &combo, const std::vector<PlayerRecord> &roster, int index)
{
    bool same = combo.count() == static_cast<int>(roster.size());
    for (int i = 0; same && i < combo.count(); ++i)
        same = combo.itemText(i) == toQString(rosterEntryText(roster[static_cast<std::size_t>(i)]));
    if (!same) {
        combo.clear();
        for (const PlayerRecord &player : roster)
            combo.addItem(toQString(rosterEntryText(player)));
    }
    combo.setCurrentIndex(index);
}

void setText(QLineEdit &edit, const std::string &text)
{
    const QString shown = toQString(text);
    if (edit.text() != shown)
        edit.setText(shown);
}

} // namespace

PlayDialog::PlayDialog(PlayEntry &entry, const Game &game, const std::string &caption, QWidget *parent)
    : QDialog(parent), m_entry(entry), m_game(game)
{
    setWindowTitle(toQString(caption));
}

QString PlayDialog::teamName(bool home) const
{
    return toQString(yardmark::teamName(m_game, home));
}

void PlayDialog::reload()
{
    m_reloading = true;
    for (const auto &loader : m_loaders)
        loader();
    m_reloading = false;
}

PlayDialog::~PlayDialog()
{
    for (const TextField &field : m_textFields)
        disconnect(field.edit, nullptr, this, nullptr);
}

void PlayDialog::fire(const std::function<void()> &handler)
{
    if (m_reloading)
        return;
    handler();
    reload();
}

void PlayDialog::commitText(QLineEdit *edit, std::function<std::string()> shown,
                            std::function<void(std::string)> commit)
{
    connect(edit, &QLineEdit::editingFinished, this,
            [this, edit, commit] { fire([&] { commit(fromQString(edit->text())); }); });
    m_textFields.push_back({edit, std::move(shown), std::move(commit)});
}

void PlayDialog::commitChangedFields()
{
    // Each commit shows the form again, which rewrites every field: take all
    // the texts first.
    std::vector<std::pair<const TextField *, std::string>> changed;
    for (const TextField &field : m_textFields) {
        if (field.edit->text() != toQString(field.shown()))
            changed.emplace_back(&field, fromQString(field.edit->text()));
    }
    for (const auto &[field, text] : changed)
        fire([&] { field->commit(text); });
}

void PlayDialog::reject()
{
    if (!m_entry.closed())
        m_entry.cancel();
    QDialog::reject();
}

QLineEdit *PlayDialog::addPlayerRow(QGridLayout &grid, const char *name, const QString &label, int row)
{
    const int line = grid.rowCount();
    auto *caption = new QLabel(label);
    auto *number = new QLineEdit;
    number->setObjectName(named(name, "Number"));
    number->setMaxLength(24);
    number->setMaximumWidth(number->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 16);
    caption->setBuddy(number);
    auto *list = new QComboBox;
    list->setObjectName(named(name, "List"));
    list->setMinimumContentsLength(22);
    list->setAccessibleName(label + QStringLiteral(" list"));
    auto *clear = new QCheckBox(QStringLiteral("Clear"));
    clear->setObjectName(named(name, "Clear"));
    grid.addWidget(caption, line, 0);
    grid.addWidget(number, line, 1);
    grid.addWidget(list, line, 2);
    grid.addWidget(clear, line, 3);

    commitText(
        number, [this, row] { return m_entry.playerRow(row).numberText; },
        [this, row](const std::string &text) { m_entry.typePlayerNumber(row, text); });
    connect(list, &QComboBox::activated, this,
            [this, row](int index) { fire([&] { m_entry.choosePlayer(row, index); }); });
    connect(clear, &QCheckBox::toggled, this, [this, row](bool on) {
        if (on)
            fire([&] { m_entry.clearPlayer(row); });
    });
    onReload([this, number, list, clear, row] {
        const QSignalBlocker blockList(list);
        const QSignalBlocker blockClear(clear);
        const PlayerEntry &shown = m_entry.playerRow(row);
        setText(*number, shown.numberText);
        showRoster(*list, m_entry.rowRoster(row), shown.listIndex);
        clear->setChecked(false);
    });
    return number;
}

QGroupBox *PlayDialog::spotGroup(const char *name, const QString &title, std::function<SpotEntry()> get,
                                 std::function<void(const SpotEntry &)> set)
{
    auto *group = new QGroupBox(title);
    group->setObjectName(QString::fromLatin1(name));
    auto *home = new QRadioButton(teamName(true));
    home->setObjectName(named(name, "Home"));
    auto *visitor = new QRadioButton(teamName(false));
    visitor->setObjectName(named(name, "Visitor"));
    auto *yard = new QLineEdit;
    yard->setObjectName(named(name, "Yard"));
    yard->setMaxLength(8);
    yard->setMaximumWidth(yard->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16);
    auto *yardLabel = new QLabel(QStringLiteral("Yard Line"));
    yardLabel->setBuddy(yard);
    auto *layout = new QGridLayout(group);
    layout->addWidget(home, 0, 0);
    layout->addWidget(visitor, 1, 0);
    layout->addWidget(yardLabel, 0, 1);
    layout->addWidget(yard, 1, 1);

    const auto store = [home, visitor, get, set](const std::string &yardText) {
        SpotEntry spot = get();
        if (home->isChecked() || visitor->isChecked())
            spot.homeSide = home->isChecked();
        spot.yardText = yardText;
        set(spot);
    };
    const auto pickSide = [this, yard, store] { fire([&] { store(fromQString(yard->text())); }); };
    connect(home, &QRadioButton::clicked, this, pickSide);
    connect(visitor, &QRadioButton::clicked, this, pickSide);
    commitText(
        yard, [get] { return get().yardText; }, store);
    onReload([home, visitor, yard, get] {
        const SpotEntry spot = get();
        // Neither radio may be checked: the group is not exclusive while both clear.
        home->setAutoExclusive(false);
        visitor->setAutoExclusive(false);
        home->setChecked(spot.homeSide == std::optional<bool>{true});
        visitor->setChecked(spot.homeSide == std::optional<bool>{false});
        home->setAutoExclusive(true);
        visitor->setAutoExclusive(true);
        setText(*yard, spot.yardText);
    });
    return group;
}

QLineEdit *PlayDialog::textField(const char *name, std::function<std::string()> get,
                                 std::function<void(std::string_view)> set)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(24);
    commitText(edit, get, [set](const std::string &text) { set(text); });
    onReload([edit, get] { setText(*edit, get()); });
    return edit;
}

QGroupBox *PlayDialog::radioGroup(const char *name, const QString &title, const std::vector<QString> &captions,
                                  std::function<int()> get, std::function<void(int)> choose)
{
    auto *group = new QGroupBox(title);
    group->setObjectName(QString::fromLatin1(name));
    auto *layout = new QVBoxLayout(group);
    auto *buttons = new QButtonGroup(group);
    for (std::size_t i = 0; i < captions.size(); ++i) {
        auto *radio = new QRadioButton(captions[i]);
        radio->setObjectName(named(name, "") + QString::number(i));
        buttons->addButton(radio, static_cast<int>(i));
        layout->addWidget(radio);
    }
    connect(buttons, &QButtonGroup::idClicked, this, [this, choose](int id) { fire([&] { choose(id); }); });
    onReload([buttons, get] {
        if (QAbstractButton *button = buttons->button(get()))
            button->setChecked(true);
    });
    return group;
}

QGroupBox *PlayDialog::fumbleGroup(FumblePlayEntry &entry)
{
    auto *group = new QGroupBox(QStringLiteral("Fumbles"));
    group->setObjectName(QStringLiteral("fumbles"));
    auto *layout = new QGridLayout(group);
    auto *selector = new QComboBox;
    selector->setObjectName(QStringLiteral("fumbleSelector"));
    selector->setAccessibleName(QStringLiteral("Fumble"));
    auto *sectionClear = new QCheckBox(QStringLiteral("Clear"));
    sectionClear->setObjectName(QStringLiteral("fumbleClear"));
    layout->addWidget(selector, 0, 0, 1, 2);
    layout->addWidget(sectionClear, 0, 3);

    auto *recoveredBy = new QLabel(QStringLiteral("Recovered By:"));
    auto *home = new QCheckBox(teamName(true));
    home->setObjectName(QStringLiteral("recoveredByHome"));
    auto *visitor = new QCheckBox(teamName(false));
    visitor->setObjectName(QStringLiteral("recoveredByVisitor"));
    recoveredBy->setBuddy(home);
    layout->addWidget(recoveredBy, 1, 0);
    layout->addWidget(home, 1, 1);
    layout->addWidget(visitor, 1, 2);

    auto *recoverer = new QLineEdit;
    recoverer->setObjectName(QStringLiteral("recovererNumber"));
    recoverer->setMaxLength(24);
    recoverer->setMaximumWidth(recoverer->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 16);
    auto *recovererLabel = new QLabel(QStringLiteral("Player"));
    recovererLabel->setBuddy(recoverer);
    auto *recovererList = new QComboBox;
    recovererList->setObjectName(QStringLiteral("recovererList"));
    recovererList->setMinimumContentsLength(22);
    layout->addWidget(recovererLabel, 2, 0);
    layout->addWidget(recoverer, 2, 1);
    layout->addWidget(recovererList, 2, 2, 1, 2);

    const auto section = [&entry] { return entry.fumbles(); };
    auto *spots = new QHBoxLayout;
    spots->addWidget(spotGroup(
        "recoveredAt", QStringLiteral("Recovered At:"), [section] { return section().form.recoveredAt; },
        [&entry](const SpotEntry &spot) { entry.setRecoveredAt(spot); }));
    spots->addWidget(spotGroup(
        "returnedTo", QStringLiteral("Returned To:"), [section] { return section().form.returnedTo; },
        [&entry](const SpotEntry &spot) { entry.setReturnedTo(spot); }));
    layout->addLayout(spots, 3, 0, 1, 4);

    connect(selector, &QComboBox::activated, this,
            [this, &entry](int slot) { fire([&] { entry.selectFumble(slot); }); });
    connect(sectionClear, &QCheckBox::toggled, this, [this, &entry](bool on) {
        if (on)
            fire([&] { entry.clearFumble(); });
    });
    connect(home, &QCheckBox::clicked, this, [this, &entry](bool on) {
        fire([&] { entry.setRecoveredBy(on ? std::optional<bool>{true} : std::nullopt); });
    });
    connect(visitor, &QCheckBox::clicked, this, [this, &entry](bool on) {
        fire([&] { entry.setRecoveredBy(on ? std::optional<bool>{false} : std::nullopt); });
    });
    commitText(
        recoverer, [&entry] { return entry.fumbles().form.recoverer.numberText; },
        [&entry](const std::string &text) { entry.typeRecovererNumber(text); });
    connect(recovererList, &QComboBox::activated, this,
            [this, &entry](int index) { fire([&] { entry.chooseRecoverer(index); }); });
    onReload([&entry, selector, sectionClear, home, visitor, recoverer, recovererList] {
        const QSignalBlocker blockSelector(selector);
        const QSignalBlocker blockClear(sectionClear);
        const FumbleSection &shown = entry.fumbles();
        selector->clear();
        for (const std::string &text : shown.selectorEntries)
            selector->addItem(toQString(text));
        selector->setCurrentIndex(shown.shown);
        sectionClear->setChecked(false);
        home->setChecked(shown.form.recoveredByHome == std::optional<bool>{true});
        visitor->setChecked(shown.form.recoveredByHome == std::optional<bool>{false});
        setText(*recoverer, shown.form.recoverer.numberText);
        showRoster(*recovererList, entry.recovererRoster(), shown.form.recoverer.listIndex);
    });
    return group;
}

QWidget *PlayDialog::buttons(std::function<bool()> ok, const QString &cancelCaption)
{
    auto *box = new QDialogButtonBox;
    QPushButton *okButton = box->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    okButton->setObjectName(QStringLiteral("ok"));
    okButton->setDefault(true);
    QPushButton *cancelButton = box->addButton(cancelCaption, QDialogButtonBox::RejectRole);
    cancelButton->setObjectName(QStringLiteral("cancel"));
    connect(okButton, &QPushButton::clicked, this, [this, ok = std::move(ok)] {
        commitChangedFields();
        if (ok() && m_entry.closed())
            QDialog::accept();
        else
            reload();
    });
    connect(cancelButton, &QPushButton::clicked, this, &PlayDialog::reject);
    return box;
}

QComboBox *codeList(const char *name, std::span<const std::string_view> texts)
{
    auto *combo = new QComboBox;
    combo->setObjectName(QString::fromLatin1(name));
    for (std::string_view text : texts)
        combo->addItem(toQString(text));
    return combo;
}

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

} // namespace yardmark
