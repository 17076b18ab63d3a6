#include "app/shell/startpanel.h"

#include "app/common/dialogbuttons.h"
#include "app/common/postedwork.h"
#include "app/common/textentry.h"
#include "app/shell/mainwindow.h"
#include "base/userinterface.h"
#include "qtbase/qtext.h"
#include "season/recentlist.h"

#include <QAction>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace yardmark {

namespace {

enum RecentColumn { FileColumn, TeamsColumn, DateColumn, OpenedColumn, ColumnCount };

std::optional<RecentKind> kindOf(const std::filesystem::path &path)
{
    const QString suffix = QFileInfo(pathToQString(path)).suffix().toLower();
    if (suffix == QLatin1String("gam"))
        return RecentKind::Game;
    if (suffix == QLatin1String("sch"))
        return RecentKind::Schedule;
    return std::nullopt;
}

QString openedText(std::int64_t seconds)
{
    return QDateTime::fromSecsSinceEpoch(seconds).toString(QStringLiteral("M/d/yyyy h:mm"));
}

/// A submenu put right after the command `after` in its menu (nowhere when
/// the program has not made that command).
QMenu *submenuAfter(MainWindow &window, QAction *after, const QString &title, const char *name)
{
    auto *menu = new QMenu(title, &window);
    menu->setObjectName(QString::fromLatin1(name));
    if (!after)
        return menu;
    for (QObject *shown : after->associatedObjects()) {
        auto *parent = qobject_cast<QMenu *>(shown);
        if (!parent)
            continue;
        const QList<QAction *> actions = parent->actions();
        const qsizetype at = actions.indexOf(after);
        parent->insertMenu(actions.value(at + 1), menu);
        break;
    }
    return menu;
}

} // namespace

std::filesystem::path sampleSeasonSchedule()
{
    const std::filesystem::path program = pathFromQString(QCoreApplication::applicationDirPath());
    // Installed under share/, or built by `make run` beside the build tree.
    for (const std::filesystem::path &candidate :
         {program / ".." / "share" / "yardmark" / "sample-season" / "season.sch",
          program / ".." / ".." / ".." / "sample-season" / "season.sch"}) {
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error))
            return std::filesystem::weakly_canonical(candidate, error);
    }
    return {};
}

StartPanel::StartPanel(MainWindow &window, UserInterface &ui, std::filesystem::path stateDir,
                       std::filesystem::path sampleSeason)
    : QFrame(window.centralWidget()), m_window(window), m_ui(ui), m_listFile(recentFilesPath(stateDir)),
      m_sampleSeason(std::move(sampleSeason)), m_reader((new PostedWork(this))->runLater())
{
    setObjectName(QStringLiteral("startPanel"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    setMaximumWidth(fontMetrics().averageCharWidth() * 140);

    auto *heading = new QLabel(QStringLiteral("<b>Start here</b>: score a new game, go on with one, or open a "
                                              "season's schedule."));
    heading->setWordWrap(true);
    auto *buttons = new QHBoxLayout;
    const struct {
        const char *name;
        const char *caption;
        QAction *MainCommands::*action;
    } starts[] = {{"startNewGame", "&New Game...", &MainCommands::newGame},
                  {"startOpenGame", "&Open Game...", &MainCommands::editGame},
                  {"startOpenSeason", "Open &Season (schedule)...", &MainCommands::editSchedule}};
    for (const auto &start : starts) {
        QPushButton *button = namedButton(start.name, start.caption);
        connect(button, &QPushButton::clicked, this, [this, action = start.action] { trigger(action); });
        buttons->addWidget(button);
    }
    if (!m_sampleSeason.empty()) {
        QPushButton *sample = namedButton("openSampleSeason", "Open the sample season");
        connect(sample, &QPushButton::clicked, this, [this] { m_window.openFile(pathToQString(m_sampleSeason)); });
        buttons->addWidget(sample);
    }
    buttons->addStretch();

    m_list = new QTreeWidget;
    m_list->setObjectName(QStringLiteral("recentFiles"));
    m_list->setRootIsDecorated(false);
    m_list->setAllColumnsShowFocus(true);
    m_list->setHeaderLabels(
        {QStringLiteral("File"), QStringLiteral("Teams"), QStringLiteral("Date"), QStringLiteral("Last Opened")});
    // The dates read whole; the file and the teams share the rest, a long
    // name giving way in its middle (the whole path is its tool tip).
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_list->header()->setSectionResizeMode(FileColumn, QHeaderView::Stretch);
    m_list->header()->setSectionResizeMode(TeamsColumn, QHeaderView::Stretch);
    m_list->setTextElideMode(Qt::ElideMiddle);
    auto *listLabel = new QLabel(QStringLiteral("&Recent games and schedules (Enter opens):"));
    listLabel->setBuddy(m_list);
    m_list->setAccessibleName(QStringLiteral("Recent games and schedules"));
    connect(m_list, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem *item) {
        const int row = m_list->indexOfTopLevelItem(item);
        if (row >= 0 && row < static_cast<int>(m_files.size()))
            openRecent(m_files[static_cast<std::size_t>(row)]);
    });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(buttons);
    layout->addWidget(listLabel);
    layout->addWidget(m_list);

    // Centred over the wallpaper, which stays visible around it.
    auto *area = new QVBoxLayout(window.centralWidget());
    const int margin = fontMetrics().averageCharWidth() * 3;
    area->setContentsMargins(margin, margin, margin, margin);
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(this, 12);
    row->addStretch(1);
    area->addStretch(1);
    area->addLayout(row);
    area->addStretch(1);

    m_recentGames = submenuAfter(window, window.commands().editGame, QStringLiteral("Open &Recent"), "recentGames");
    m_recentSchedules =
        submenuAfter(window, window.commands().editSchedule, QStringLiteral("Open Recent"), "recentSchedules");
    connect(m_recentGames, &QMenu::aboutToShow, this, [this] { fillMenu(*m_recentGames, RecentKind::Game); });
    connect(m_recentSchedules, &QMenu::aboutToShow, this,
            [this] { fillMenu(*m_recentSchedules, RecentKind::Schedule); });
    connect(&window, &MainWindow::gameInProgressChanged, this, [this](bool inProgress) {
        setVisible(!inProgress);
        m_recentGames->setEnabled(!inProgress);
        m_recentSchedules->setEnabled(!inProgress);
        if (!inProgress)
            refresh();
    });
    connect(&window, &MainWindow::fileOpened, this, [this](const QString &path) { noteOpened(pathFromQString(path)); });
    m_files = readRecentFiles(m_listFile);
    refresh();
}

// Rows read already are dropped with the panel's worker.
StartPanel::~StartPanel() = default;

void StartPanel::trigger(QAction *MainCommands::*action)
{
    if (QAction *command = m_window.commands().*action)
        command->trigger();
}

void StartPanel::noteOpened(const std::filesystem::path &path)
{
    const std::optional<RecentKind> kind = kindOf(path);
    if (!kind)
        return;
    std::error_code error;
    const std::filesystem::path whole = std::filesystem::absolute(path, error);
    // Another program's session may have noted files since.
    m_files = readRecentFiles(m_listFile);
    noteRecentFile(m_files, *kind, error ? path : whole.lexically_normal(), QDateTime::currentSecsSinceEpoch());
    writeRecentFiles(m_listFile, m_files);
    refresh();
}

void StartPanel::openRecent(const RecentFile &file)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(file.path, error)) {
        m_ui.playSound(kWarningSound);
        m_ui.message(fromQString(pathToQString(file.path)) + "\n\nThis file is not there any more (deleted or moved): "
                                                             "it is taken off the list.",
                     "Open Recent", MessageButtons::Ok, MessageIcon::Warning);
        forgetRecentFile(m_files, file.kind, file.path);
        writeRecentFiles(m_listFile, m_files);
        refresh();
        return;
    }
    m_window.openFile(pathToQString(file.path));
}

void StartPanel::refresh()
{
    std::vector<RecentRow> named;
    for (const RecentFile &file : m_files)
        named.push_back(RecentRow{file, {}, {}, false});
    showRows(named, 0);
    // Rows read for an older listing are never shown over this one.
    const int listing = ++m_listed;
    m_reader.post([this, listing, files = m_files]() -> std::function<void()> {
        return [this, listing, rows = recentRows(files)] {
            if (listing == m_listed) // the row the scorer has moved to meanwhile stays current
                showRows(rows, m_list->indexOfTopLevelItem(m_list->currentItem()));
        };
    });
}

void StartPanel::showRows(const std::vector<RecentRow> &rows, int current)
{
    m_list->clear();
    for (const RecentRow &row : rows) {
        auto *item = new QTreeWidgetItem(m_list);
        item->setText(FileColumn, QFileInfo(pathToQString(row.file.path)).fileName());
        item->setToolTip(FileColumn, plainToolTip(pathToQString(row.file.path)));
        item->setText(TeamsColumn, row.missing ? QStringLiteral("(missing or unreadable)") : toQString(row.teams));
        item->setText(DateColumn, toQString(row.date));
        item->setText(OpenedColumn, openedText(row.file.lastOpened));
        if (row.missing)
            item->setForeground(TeamsColumn, palette().brush(QPalette::Disabled, QPalette::Text));
    }
    if (m_list->topLevelItemCount() > 0)
        m_list->setCurrentItem(m_list->topLevelItem(std::clamp(current, 0, m_list->topLevelItemCount() - 1)));
    m_list->setVisible(m_list->topLevelItemCount() > 0);
}

void StartPanel::fillMenu(QMenu &menu, RecentKind kind)
{
    menu.clear();
    int number = 0;
    for (const RecentFile &file : recentFilesOf(m_files, kind)) {
        const QString name = QFileInfo(pathToQString(file.path)).fileName();
        QAction *open = menu.addAction(QStringLiteral("&%1 %2").arg(++number % 10).arg(name));
        open->setToolTip(plainToolTip(pathToQString(file.path)));
        connect(open, &QAction::triggered, this, [this, file] { openRecent(file); });
    }
    if (number == 0)
        menu.addAction(QStringLiteral("(none yet)"))->setEnabled(false);
}

} // namespace yardmark
