#include "app/season/schedulewindow.h"

#include "app/common/datepickerdialog.h"
#include "app/common/dialogbuttons.h"
#include "app/common/textentry.h"
#include "app/setup/teamdialog.h"
#include "qtbase/qtext.h"

#include "base/datetime.h"
#include "base/userinterface.h"
#include "printouts/scheduleprintout.h"
#include "season/gameinfoform.h"
#include "season/scheduleexport.h"
#include "session/scheduleevents.h"
#include "session/schedulesession.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <optional>

namespace yardmark {
namespace {

// The list's columns: title, width in dialog units, centred or left, the
// row's text, and the column of the schedule a click on the title sorts by.
// The result is the recorded game's and sorts nothing.
struct ListColumn {
    const char *title;
    int width;
    bool centred;
    std::string ScheduleRow::*text;
    std::optional<ScheduleColumn> sorts;
};
constexpr int kListColumnCount = kScheduleColumnCount + 1;
const ListColumn kColumns[kListColumnCount] = {
    {"Date", 75, true, &ScheduleRow::date, ScheduleColumn::Date},
    {"Time", 60, true, &ScheduleRow::time, ScheduleColumn::Time},
    {"Event", 90, true, &ScheduleRow::event, ScheduleColumn::Event},
    {"Home", 90, false, &ScheduleRow::home, ScheduleColumn::Home},
    {"Visitor", 90, false, &ScheduleRow::visitor, ScheduleColumn::Visitor},
    {"Result", 60, true, &ScheduleRow::result, std::nullopt},
    {"Game File", 90, false, &ScheduleRow::gameFile, ScheduleColumn::GameFile},
    {"Field", 50, true, &ScheduleRow::field, ScheduleColumn::Field},
    {"Note", 200, false, &ScheduleRow::note, ScheduleColumn::Note},
};
constexpr int kGameFileListColumn = 6;
constexpr int kNoteListColumn = 8;

QLabel *labelFor(const char *caption, QWidget *buddy)
{
    auto *label = new QLabel(QString::fromLatin1(caption));
    label->setBuddy(buddy);
    return label;
}

} // namespace

ScheduleWindow::ScheduleWindow(ScheduleEditor &editor, const AppContext &context, std::set<std::string> &warnedMissing,
                               QWidget *parent)
    : QDialog(parent), m_editor(editor), m_context(context), m_ui(context.ui), m_warnedMissing(warnedMissing)
{
    setObjectName(QStringLiteral("scheduleWindow"));
    setSizeGripEnabled(true);

    // The event's form, in the order a scorer reads it.
    auto *form = new QGridLayout;
    QPushButton *dateButton = button("chooseDate", "&Date:", &ScheduleWindow::chooseDate);
    m_date = box("date", 15);
    m_time = box("time", 11);
    form->addWidget(dateButton, 0, 0);
    form->addWidget(m_date, 0, 1);
    form->addWidget(labelFor("T&ime:", m_time), 0, 3);
    form->addWidget(m_time, 0, 4);

    m_field = box("field", static_cast<int>(kScheduleNameWidth) - 1);
    m_event = new QComboBox;
    m_event->setObjectName(QStringLiteral("eventType"));
    for (const std::string &text : eventListTexts())
        m_event->addItem(toQString(text));
    form->addWidget(labelFor("&Field:", m_field), 1, 0);
    form->addWidget(m_field, 1, 1);
    form->addWidget(labelFor("Even&t:", m_event), 1, 3);
    form->addWidget(m_event, 1, 4);

    m_note = box("note", static_cast<int>(kScheduleNoteWidth) - 1);
    form->addWidget(labelFor("&Note:", m_note), 2, 0);
    form->addWidget(m_note, 2, 1, 1, 5);

    QPushButton *homeButton = button("chooseHomeTeam", "&Home Team:", &ScheduleWindow::chooseHomeTeam);
    m_homeTeam = box("homeTeam", static_cast<int>(kScheduleNameWidth) - 1);
    m_homeTeamEditor = button("homeTeamEditor", "Create", &ScheduleWindow::homeTeamEditor);
    QPushButton *visitorButton = button("chooseVisitorTeam", "&Visiting Team:", &ScheduleWindow::chooseVisitorTeam);
    m_visitorTeam = box("visitorTeam", static_cast<int>(kScheduleNameWidth) - 1);
    m_visitorTeamEditor = button("visitorTeamEditor", "Create", &ScheduleWindow::visitorTeamEditor);
    form->addWidget(homeButton, 3, 0);
    form->addWidget(m_homeTeam, 3, 1);
    form->addWidget(m_homeTeamEditor, 3, 2);
    form->addWidget(visitorButton, 3, 3);
    form->addWidget(m_visitorTeam, 3, 4);
    form->addWidget(m_visitorTeamEditor, 3, 5);

    QPushButton *gameChooser = button("selectGame", "&Select Game:", &ScheduleWindow::selectGame);
    m_game = new QLineEdit;
    m_game->setObjectName(QStringLiteral("game"));
    m_game->setReadOnly(true);
    m_gameButton = button("gameButton", "Start", &ScheduleWindow::launchGame);
    form->addWidget(gameChooser, 4, 0);
    form->addWidget(m_game, 4, 1, 1, 4);
    form->addWidget(m_gameButton, 4, 5);
    form->setColumnStretch(1, 2);
    form->setColumnStretch(4, 2);
    // These fields sit beside the button that fills them, not a label.
    m_date->setAccessibleName(QStringLiteral("Date"));
    m_homeTeam->setAccessibleName(QStringLiteral("Home Team"));
    m_visitorTeam->setAccessibleName(QStringLiteral("Visiting Team"));
    m_game->setAccessibleName(QStringLiteral("Game"));

    auto *eventButtons = new QVBoxLayout;
    eventButtons->addWidget(button("addEvent", "&Add Event", &ScheduleWindow::addEvent));
    eventButtons->addWidget(button("updateEvent", "&Update Event", &ScheduleWindow::updateEvent));
    eventButtons->addWidget(button("deleteEvent", "D&elete Event", &ScheduleWindow::deleteEvent));
    eventButtons->addWidget(button("clearAll", "C&lear All", &ScheduleWindow::clearAll));
    eventButtons->addStretch(1);

    auto *top = new QHBoxLayout;
    top->addLayout(form, 1);
    top->addSpacing(fontMetrics().averageCharWidth() * 2);
    top->addLayout(eventButtons);

    m_list = new QTreeWidget;
    m_list->setObjectName(QStringLiteral("scheduleList"));
    m_list->setAccessibleName(QStringLiteral("Events"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    QStringList titles;
    for (const auto &column : kColumns)
        titles << QString::fromLatin1(column.title);
    m_list->setHeaderLabels(titles);
    // A dialog unit across is a quarter of the font's average character.
    const int unit = fontMetrics().averageCharWidth();
    for (int i = 0; i < kListColumnCount; ++i) {
        m_list->setColumnWidth(i, kColumns[i].width * unit / 4);
        m_list->headerItem()->setTextAlignment(i, kColumns[i].centred ? Qt::AlignCenter : Qt::AlignLeft);
    }
    m_list->header()->setSectionsClickable(true);
    m_list->header()->setStretchLastSection(true);
    m_list->setMinimumHeight(fontMetrics().height() * 12);
    connect(m_list->header(), &QHeaderView::sectionClicked, this, [this](int column) { sortBy(column); });
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, [this] { rowChosen(); });

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(button("saveSchedule", "Save S&chedule", &ScheduleWindow::save));
    bottom->addWidget(button("saveScheduleAs", "Save Under Ne&w Name...", &ScheduleWindow::saveAs));
    bottom->addStretch(1);
    bottom->addWidget(button("exportSchedule", "E&xport...", &ScheduleWindow::exportSchedule));
    bottom->addWidget(button("printSchedule", "&Print...", &ScheduleWindow::print));
    bottom->addWidget(button("printerSetup", "P&rinter Setup...", &ScheduleWindow::setupPrinter));
    bottom->addStretch(1);
    bottom->addWidget(button("close", "Cl&ose", &ScheduleWindow::closeEditor));

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_list, 1);
    layout->addLayout(bottom);

    int listWidth = 0;
    for (const auto &column : kColumns)
        listWidth += column.width * unit / 4;
    QSize wanted(listWidth + unit * 6, sizeHint().height() + fontMetrics().height() * 16);
    // Not yet shown, the window may not know its screen: its parent's, or the first.
    const QScreen *shown = parent ? parent->screen() : nullptr;
    if (!shown)
        shown = QGuiApplication::primaryScreen();
    if (shown)
        wanted = wanted.boundedTo(shown->availableGeometry().size() * 9 / 10);
    resize(wanted);

    showTitle();
    showList();
    showForm();
}

QPushButton *ScheduleWindow::button(const char *name, const char *caption, void (ScheduleWindow::*command)())
{
    QPushButton *b = namedButton(name, caption);
    connect(b, &QPushButton::clicked, this, [this, command] { (this->*command)(); });
    return b;
}

QLineEdit *ScheduleWindow::box(const char *name, int maxLength)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(name));
    limitText(edit, maxLength);
    return edit;
}

ScheduleForm ScheduleWindow::form() const
{
    ScheduleForm form = m_editor.form;
    form.date = fromQString(m_date->text());
    form.time = fromQString(m_time->text());
    form.field = fromQString(m_field->text());
    form.eventIndex = m_event->currentIndex();
    form.note = fromQString(m_note->text());
    form.homeTeam = fromQString(m_homeTeam->text());
    form.visitorTeam = fromQString(m_visitorTeam->text());
    return form;
}

void ScheduleWindow::readForm()
{
    m_editor.form = form();
}

void ScheduleWindow::showForm()
{
    const ScheduleForm &form = m_editor.form;
    m_date->setText(toQString(form.date));
    m_time->setText(toQString(form.time));
    m_field->setText(toQString(form.field));
    m_event->setCurrentIndex(form.eventIndex);
    m_note->setText(toQString(form.note));
    m_homeTeam->setText(toQString(form.homeTeam));
    m_visitorTeam->setText(toQString(form.visitorTeam));
    m_game->setText(toQString(form.game));
    m_homeTeamEditor->setText(toQString(teamButtonText(m_editor, ScheduleSide::Home)));
    m_visitorTeamEditor->setText(toQString(teamButtonText(m_editor, ScheduleSide::Visitor)));
    m_gameButton->setText(toQString(gameButtonText(m_editor)));
}

void ScheduleWindow::showTitle()
{
    const QString name = QFileInfo(toQString(m_editor.schedule.fileName)).fileName();
    setWindowTitle(name.isEmpty() ? QStringLiteral("Schedule") : QStringLiteral("Schedule - ") + name);
}

void ScheduleWindow::showList()
{
    const GameLoader load = gameFileLoader();
    std::vector<std::string> missing;
    {
        const QSignalBlocker quiet(m_list);
        m_list->clear();
        for (const ScheduleEntry &entry : m_editor.schedule.entries) {
            RecordedGame found = RecordedGame::None;
            const ScheduleRow row =
                keptScheduleRow(entry, load, found, m_context.settings.league, m_editor.schedule.fileName);
            auto *item = new QTreeWidgetItem(m_list);
            for (int i = 0; i < kListColumnCount; ++i) {
                item->setText(i, toQString(row.*kColumns[i].text));
                item->setTextAlignment(i, (kColumns[i].centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
            }
            item->setToolTip(kGameFileListColumn, plainToolTip(toQString(row.gameFile)));
            item->setToolTip(kNoteListColumn, plainToolTip(toQString(row.note)));
            if (found == RecordedGame::Missing && m_warnedMissing.insert(entry.gameFile).second)
                missing.push_back(entry.gameFile);
        }
        if (QTreeWidgetItem *selected = m_list->topLevelItem(m_editor.selected))
            m_list->setCurrentItem(selected);
        // A game file's name reads whole.
        m_list->resizeColumnToContents(kGameFileListColumn);
        m_list->setColumnWidth(kGameFileListColumn,
                               std::max(kColumns[kGameFileListColumn].width * fontMetrics().averageCharWidth() / 4,
                                        m_list->columnWidth(kGameFileListColumn)));
    }
    // Each game file that cannot be found is named once, all in one message.
    if (!missing.empty()) {
        m_ui.playSound(kLoadFailedSound);
        m_ui.message(missingFilesText("game", missing), kMissingGameCaption, MessageButtons::Ok, MessageIcon::Warning);
    }
}

void ScheduleWindow::rowChosen()
{
    const QList<QTreeWidgetItem *> chosen = m_list->selectedItems();
    const int index = chosen.isEmpty() ? -1 : m_list->indexOfTopLevelItem(chosen.front());
    selectScheduleEntry(m_editor, index);
    showForm();
}

void ScheduleWindow::sortBy(int column)
{
    if (column < 0 || column >= kListColumnCount || !kColumns[column].sorts)
        return;
    m_ui.playSound(kClickSound);
    const ScheduleColumn sorted = *kColumns[column].sorts;
    const bool descending = m_editor.sortOrder.nextIsDescending(sorted);
    sortScheduleByColumn(m_editor, sorted);
    m_list->header()->setSortIndicatorShown(true);
    m_list->header()->setSortIndicator(column, descending ? Qt::DescendingOrder : Qt::AscendingOrder);
    showList();
}

void ScheduleWindow::warn(const Notice &notice, int sound)
{
    m_ui.playSound(sound);
    m_ui.message(notice.text, notice.caption, MessageButtons::Ok, MessageIcon::Warning);
}

void ScheduleWindow::chooseDate()
{
    chooseDateInto(*m_date, m_context, this);
}

void ScheduleWindow::chooseTeam(ScheduleSide side)
{
    readForm();
    if (chooseEventTeam(m_ui, m_editor, side))
        showForm();
}

void ScheduleWindow::teamEditor(ScheduleSide side)
{
    readForm();
    const bool changed = editEventTeam(m_ui, m_editor, side, [this](Team &team) {
        TeamDialog dialog(team, m_context, this);
        return m_context.runDialog(dialog) == QDialog::Accepted;
    });
    if (changed)
        showForm();
}

void ScheduleWindow::selectGame()
{
    readForm();
    if (selectEventGame(m_ui, m_editor))
        showForm();
}

void ScheduleWindow::launchGame()
{
    m_ui.playSound(kClickSound);
    readForm();
    ScheduleGameAction action = scheduleGameAction(m_editor);
    if (action == ScheduleGameAction::AskToAddEvent) {
        m_ui.playSound(kLoadFailedSound);
        if (m_ui.message(kAddBeforeStarting.text, kAddBeforeStarting.caption, MessageButtons::YesNo,
                         MessageIcon::Question) != MessageAnswer::Yes)
            return;
        action = addEventBeforeStarting(m_editor, currentDateTime());
        showStoredEvent(m_editor);
        showList();
        showForm();
    }
    switch (action) {
    case ScheduleGameAction::StartRecordedGame:
        done(kStartRecordedGame);
        return;
    case ScheduleGameAction::CreateGame:
        // A team file that is gone is named before the editor closes.
        if (const std::string missing =
                missingEventTeamFile(m_editor, movedTeamLoader(teamFileLoader(), m_editor.schedule.fileName));
            !missing.empty()) {
            m_ui.playSound(kLoadFailedSound);
            m_ui.message(missingFileText("team", missing), kMissingGameCaption, MessageButtons::Ok,
                         MessageIcon::Warning);
            return;
        }
        done(kCreateGame);
        return;
    case ScheduleGameAction::TeamsNotSelected:
        warn(kTeamsNotSelected);
        return;
    case ScheduleGameAction::AskToAddEvent:
        return;
    }
}

void ScheduleWindow::addEvent()
{
    m_ui.playSound(kClickSound);
    readForm();
    addScheduleEvent(m_editor, currentDateTime());
    showStoredEvent(m_editor);
    showList();
    showForm();
}

void ScheduleWindow::deleteEvent()
{
    m_ui.playSound(kClickSound);
    if (deleteScheduleEvent(m_editor))
        showList();
}

void ScheduleWindow::updateEvent()
{
    m_ui.playSound(kClickSound);
    readForm();
    if (!updateScheduleEvent(m_editor, currentDateTime()))
        return;
    showStoredEvent(m_editor);
    showList();
    showForm();
}

void ScheduleWindow::clearAll()
{
    m_ui.playSound(kClickSound);
    clearScheduleForm(m_editor);
    showForm();
}

void ScheduleWindow::save()
{
    m_ui.playSound(kClickSound);
    saveScheduleReporting(m_editor.schedule, m_ui);
}

void ScheduleWindow::saveAs()
{
    if (saveScheduleAs(m_ui, m_editor))
        showTitle();
}

void ScheduleWindow::exportSchedule()
{
    m_ui.playSound(kClickSound);
    const Schedule &schedule = m_editor.schedule;
    const HtmlOptions &options = m_context.settings.app.html;
    exportReportWith(m_context, [&schedule, &options](std::ostream &out, bool html, bool appending) {
        writeSchedule(out, schedule, html ? ExportFormat::Html : ExportFormat::Csv, appending, options,
                      currentDateTime());
    });
}

void ScheduleWindow::print()
{
    SchedulePrintout printout("Schedule", m_editor.schedule);
    previewPrint(m_context, printout, this);
}

void ScheduleWindow::setupPrinter()
{
    printerSetup(m_context, this);
}

void ScheduleWindow::closeEditor()
{
    m_ui.playSound(kClickSound);
    accept();
}

} // namespace yardmark
