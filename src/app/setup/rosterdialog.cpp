#include "app/setup/rosterdialog.h"

#include "app/common/dialogbuttons.h"
#include "app/common/helpwindow.h"
#include "app/setup/personalinfodialog.h"
#include "base/userinterface.h"
#include "qtbase/qtext.h"
#include "records/roster.h"
#include "vocabulary/vocabulary.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace yardmark {
namespace {

QListWidget *starterBox(const char *name)
{
    auto *list = new QListWidget;
    list->setObjectName(QString::fromLatin1(name));
    return list;
}

QWidget *labelled(const QString &caption, QWidget *list)
{
    auto *box = new QWidget;
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *label = new QLabel(caption);
    label->setBuddy(list);
    nameAfterCaption(list, caption);
    layout->addWidget(label);
    layout->addWidget(list);
    return box;
}

} // namespace

QComboBox *positionList(const char *name)
{
    auto *list = new QComboBox;
    list->setObjectName(QString::fromLatin1(name));
    for (const std::string_view position : positionNames())
        list->addItem(toQString(position));
    list->setCurrentIndex(-1);
    return list;
}

QComboBox *numberList(const char *name)
{
    auto *list = new QComboBox;
    list->setObjectName(QString::fromLatin1(name));
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    for (const std::string &number : numberListTexts())
        list->addItem(toQString(number));
    limitText(list, 3);
    return list;
}

RosterDialog::RosterDialog(Team &team, const AppContext &context, QWidget *parent)
    : QDialog(parent), m_team(team), m_editor(rosterEditor(team)), m_context(context), m_ui(context.ui),
      m_html(context.settings.app.html)
{
    m_roster = new QTreeWidget;
    m_roster->setObjectName(QStringLiteral("currentRoster"));
    m_roster->setHeaderLabels({QStringLiteral("#"), QStringLiteral("Name"), QStringLiteral("Pos")});
    m_roster->setRootIsDecorated(false);
    m_roster->setUniformRowHeights(true);
    m_roster->header()->setSectionsClickable(true);
    m_roster->header()->setSortIndicatorShown(true);
    m_roster->header()->setStretchLastSection(false);
    m_roster->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_roster->setMinimumWidth(m_roster->fontMetrics().horizontalAdvance(QString(34, QLatin1Char('x'))));
    connect(m_roster->header(), &QHeaderView::sectionClicked, this, [this](int column) {
        m_ui.playSound(kClickSound);
        static constexpr RosterColumn kColumns[] = {RosterColumn::Number, RosterColumn::Name, RosterColumn::Position};
        sortRosterColumn(m_editor, kColumns[std::clamp(column, 0, 2)]);
        refresh();
    });
    connect(m_roster, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *item) {
        if (!m_refreshing && item)
            select(item->data(0, Qt::UserRole).toInt());
    });

    m_offense = starterBox("offensiveStarters");
    m_defense = starterBox("defensiveStarters");
    connect(m_offense, &QListWidget::currentTextChanged, this, [this](const QString &t) { selectByName(t, true); });
    connect(m_defense, &QListWidget::currentTextChanged, this, [this](const QString &t) { selectByName(t, false); });

    auto *lists = new QGridLayout;
    lists->addWidget(labelled(QStringLiteral("Current &Roster"), m_roster), 0, 0, 2, 1);
    lists->addWidget(labelled(QStringLiteral("Offensive Starters"), m_offense), 0, 1);
    lists->addWidget(labelled(QStringLiteral("Defensive S&tarters"), m_defense), 1, 1);

    m_name = new QLineEdit;
    m_name->setObjectName(QStringLiteral("playerName"));
    limitText(m_name, kTypedPlayerNameLength);
    m_offensivePosition = positionList("offensivePosition");
    m_defensivePosition = positionList("defensivePosition");
    m_number = numberList("number");
    auto *fieldsForm = new QFormLayout;
    fieldsForm->addRow(QStringLiteral("Player Na&me:"), m_name);
    fieldsForm->addRow(QStringLiteral("Offensive Pos&ition:"), m_offensivePosition);
    fieldsForm->addRow(QStringLiteral("De&fensive Position:"), m_defensivePosition);
    fieldsForm->addRow(QStringLiteral("Num&ber:"), m_number);

    auto *starter = new QGroupBox(QStringLiteral("Starter Status"));
    auto *starterLayout = new QVBoxLayout(starter);
    m_starter = new QButtonGroup(this);
    const char *const starterTexts[] = {"&Not A Starter", "Offensi&ve Starter", "D&efensive Starter", "&Starts Both"};
    const char *const starterNames[] = {"notAStarter", "offensiveStarter", "defensiveStarter", "startsBoth"};
    for (int i = 0; i < 4; ++i) {
        auto *radio = new QRadioButton(QString::fromLatin1(starterTexts[i]));
        radio->setObjectName(QString::fromLatin1(starterNames[i]));
        m_starter->addButton(radio, i);
        starterLayout->addWidget(radio);
    }

    QPushButton *addButton = namedButton("addPlayer", "&Add Player");
    QPushButton *updateButton = namedButton("updatePlayer", "&Update Player");
    QPushButton *deleteButton = namedButton("deletePlayer", "&Delete");
    m_personalInfo = namedButton("personalInfo", "&Personal Info ...");
    QPushButton *clearButton = namedButton("clearData", "C&lear Data");
    m_personalInfo->setEnabled(!team.rosterOnly);
    connect(addButton, &QPushButton::clicked, this, [this] { add(); });
    connect(updateButton, &QPushButton::clicked, this, [this] { update(); });
    connect(deleteButton, &QPushButton::clicked, this, [this] { remove(); });
    connect(m_personalInfo, &QPushButton::clicked, this, [this] { personalInfo(); });
    connect(clearButton, &QPushButton::clicked, this, [this] { clear(); });
    auto *actions = new QVBoxLayout;
    for (QPushButton *b : {addButton, updateButton, deleteButton, m_personalInfo, clearButton})
        actions->addWidget(b);
    actions->addStretch();

    auto *editing = new QHBoxLayout;
    editing->addLayout(fieldsForm, 2);
    editing->addWidget(starter, 1);
    editing->addLayout(actions);

    auto *ending = new QDialogButtonBox;
    QPushButton *ok = ending->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    QPushButton *cancel = ending->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancel"));
    QPushButton *help = ending->addButton(QStringLiteral("&Help"), QDialogButtonBox::HelpRole);
    help->setObjectName(QStringLiteral("help"));
    connect(ok, &QPushButton::clicked, this, [this] { this->ok(); });
    connect(cancel, &QPushButton::clicked, this, [this] {
        m_ui.playSound(kClickSound);
        reject();
    });
    connect(help, &QPushButton::clicked, this, [this] {
        m_ui.playSound(kClickSound);
        HelpWindow::showContents(this);
    });

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addLayout(editing);
    layout->addWidget(ending);
    setTabOrder(m_name, m_offensivePosition);
    setTabOrder(m_offensivePosition, m_defensivePosition);
    setTabOrder(m_defensivePosition, m_number);
    refresh();
}

PlayerFields RosterDialog::fields() const
{
    PlayerFields fields;
    fields.name = fromQString(m_name->text());
    fields.offensivePosition = m_offensivePosition->currentIndex();
    fields.defensivePosition = m_defensivePosition->currentIndex();
    fields.number = fromQString(m_number->currentText());
    fields.numberIndex = m_number->findText(m_number->currentText());
    fields.starterStatus = std::max(m_starter->checkedId(), 0);
    return fields;
}

void RosterDialog::setFields(const PlayerFields &fields)
{
    m_name->setText(toQString(fields.name));
    m_offensivePosition->setCurrentIndex(fields.offensivePosition);
    m_defensivePosition->setCurrentIndex(fields.defensivePosition);
    m_number->setCurrentIndex(fields.numberIndex);
    m_number->setEditText(toQString(fields.number));
    if (QAbstractButton *status = m_starter->button(fields.starterStatus))
        status->setChecked(true);
}

void RosterDialog::refresh()
{
    m_refreshing = true;
    setWindowTitle(toQString(rosterEditorTitle(m_editor)));
    m_roster->clear();
    for (const RosterRow &row : rosterRows(m_editor)) {
        auto *item = new QTreeWidgetItem(
            m_roster, QStringList{toQString(row.number), toQString(row.name), toQString(row.position)});
        item->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
        item->setData(0, Qt::UserRole, row.index);
        if (row.index == m_editor.selected)
            m_roster->setCurrentItem(item);
    }
    if (m_editor.selected < 0)
        m_roster->setCurrentItem(nullptr);
    m_roster->header()->setSortIndicator(static_cast<int>(m_editor.sortColumn == RosterColumn::Number ? 0
                                                          : m_editor.sortColumn == RosterColumn::Name ? 1
                                                                                                      : 2),
                                         m_editor.sortDescending ? Qt::DescendingOrder : Qt::AscendingOrder);
    m_roster->resizeColumnToContents(0);
    m_roster->resizeColumnToContents(2);
    for (const bool offense : {true, false}) {
        QListWidget *list = offense ? m_offense : m_defense;
        list->clear();
        for (const auto &[index, line] : starterList(m_editor.team, offense)) {
            auto *item = new QListWidgetItem(toQString(line), list);
            item->setData(Qt::UserRole, index);
        }
    }
    setFields(m_editor.fields);
    m_refreshing = false;
}

void RosterDialog::select(int index)
{
    m_editor.fields = fields();
    selectRosterPlayer(m_editor, index);
    refresh();
}

void RosterDialog::selectByName(const QString &text, bool offense)
{
    if (m_refreshing || text.isEmpty())
        return;
    const QListWidget *list = offense ? m_offense : m_defense;
    if (const QListWidgetItem *item = list->currentItem())
        select(item->data(Qt::UserRole).toInt());
}

bool RosterDialog::numberMayBeShared(bool adding)
{
    const std::optional<std::string> question = rosterNumberQuestion(m_editor, adding);
    return !question || m_ui.message(*question, kNumberWornCaption, MessageButtons::YesNo, MessageIcon::Question) ==
                            MessageAnswer::Yes;
}

void RosterDialog::add()
{
    m_ui.playSound(kClickSound);
    m_editor.fields = fields();
    if (!numberMayBeShared(true))
        return;
    if (addRosterPlayer(m_editor) == AddOutcome::Duplicate)
        m_ui.message(kDuplicatePlayer.text, kDuplicatePlayer.caption, MessageButtons::Ok, MessageIcon::Warning);
    refresh();
    m_name->setFocus();
}

void RosterDialog::update()
{
    m_ui.playSound(kClickSound);
    m_editor.fields = fields();
    if (!numberMayBeShared(false))
        return;
    updateRosterPlayer(m_editor);
    refresh();
}

void RosterDialog::remove()
{
    m_ui.playSound(kClickSound);
    deleteRosterPlayer(m_editor);
    refresh();
}

void RosterDialog::clear()
{
    m_ui.playSound(kClickSound);
    clearRosterFields(m_editor);
    refresh();
}

void RosterDialog::personalInfo()
{
    m_ui.playSound(kClickSound);
    m_editor.fields = fields();
    finishRosterEditor(m_editor);
    clearRosterFields(m_editor);
    Team working = rosterWorkingCopy(m_editor.team);
    PersonalInfoDialog dialog(working, m_context, this);
    if (m_context.runDialog(dialog) == QDialog::Accepted) {
        copyRosterInto(m_editor.team, working);
        sortRoster(m_editor.team, RosterSortKey::Name);
    }
    refresh();
}

void RosterDialog::ok()
{
    m_ui.playSound(kClickSound);
    m_editor.fields = fields();
    finishRosterEditor(m_editor);
    m_team = m_editor.team;
    accept();
}

} // namespace yardmark
