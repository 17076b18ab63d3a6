#include "app/game/gamewindow.h"

#include "app/common/bitmaps.h"
#include "app/common/nightcolors.h"
#include "app/common/textentry.h"
#include "app/game/checkgamedialog.h"
#include "app/game/fieldview.h"
#include "app/game/quickentrybar.h"
#include "app/game/seasontodatedialog.h"
#include "app/shell/mainwindow.h"
#include "gameflow/fielddisplay.h"
#include "printouts/playbyplayprintout.h"
#include "qtbase/qtext.h"
#include "qtprint/printing.h"
#include "reports/exportreport.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLCDNumber>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace yardmark {

namespace {

/// Screens lower than this get the compact layout.
constexpr int kFullLayoutScreenHeight = 600;
/// The full layout's play list shows at least this many of the last plays.
constexpr int kVisiblePlays = 8;

QLCDNumber *digits(const char *name, int count, const QString &accessibleName)
{
    auto *display = new QLCDNumber(count);
    display->setObjectName(QString::fromLatin1(name));
    display->setAccessibleName(accessibleName);
    display->setSegmentStyle(QLCDNumber::Flat);
    display->setFrameShape(QFrame::Box);
    display->setAutoFillBackground(true);
    QPalette palette = display->palette();
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, QColor(255, 196, 0));
    display->setPalette(palette);
    // Sized by the text height, so the digits keep their shape at any scale.
    const int height = display->fontMetrics().height() * 2;
    display->setFixedSize(height * count * 2 / 3 + height / 2, height);
    return display;
}

QToolButton *arrow(const char *name, Qt::ArrowType type, const QString &accessibleName)
{
    auto *button = new QToolButton;
    button->setObjectName(QString::fromLatin1(name));
    button->setArrowType(type);
    button->setAccessibleName(accessibleName);
    button->setToolTip(accessibleName);
    return button;
}

ChartColors chartColors(const Settings &settings)
{
    return {settings.app.homeColor, settings.app.visitorColor};
}

} // namespace

GameWindow::GameWindow(MainWindow &main, const Settings &settings, SoundPlayer &sounds, PlayDialogs playDialogs)
    : QDialog(&main), m_main(main), m_settings(settings)
{
    setObjectName(QStringLiteral("gameWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlag(Qt::WindowMinMaxButtonsHint);
    setSizeGripEnabled(true);
    m_ui = std::make_unique<GameInteraction>(*main.session().currentGame(), main.context(), sounds,
                                             std::move(playDialogs));
    m_ui->setParentWindow(this);
    m_flow = std::make_unique<GameFlow>(*main.session().currentGame(), settings, *m_ui);
    m_ui->setReflowRemembered(
        [&main](ReflowChoice choice) { main.settings().app.reflowAfterCorrection = static_cast<int>(choice); });
    const QScreen *screen = main.screen();
    m_compact = screen && screen->availableGeometry().height() < kFullLayoutScreenHeight;

    auto *layout = new QVBoxLayout(this);
    if (m_compact) {
        layout->setSpacing(2);
        layout->setContentsMargins(4, 4, 4, 4);
    }
    layout->addWidget(buildScoreboard());
    auto *middle = new QHBoxLayout;
    m_columns[0].logo = new LogoView;
    m_columns[0].logo->setObjectName(QStringLiteral("leftLogo"));
    m_columns[1].logo = new LogoView;
    m_columns[1].logo->setObjectName(QStringLiteral("rightLogo"));
    m_field = new FieldView;
    middle->addWidget(m_columns[0].logo, 1);
    middle->addWidget(m_field, 8);
    middle->addWidget(m_columns[1].logo, 1);
    layout->addLayout(middle, 1);
    // Any quarter's chart can be looked at without changing the game's quarter.
    auto *chartRow = new QHBoxLayout;
    auto *chartLabel = new QLabel(QStringLiteral("Drive chart of quarter:"));
    m_chartQuarter = new QComboBox;
    m_chartQuarter->setObjectName(QStringLiteral("chartQuarter"));
    m_chartQuarter->setFocusPolicy(Qt::StrongFocus);
    chartLabel->setBuddy(m_chartQuarter);
    chartRow->addStretch();
    chartRow->addWidget(chartLabel);
    chartRow->addWidget(m_chartQuarter);
    layout->addLayout(chartRow);
    connect(m_chartQuarter, &QComboBox::activated, this, [this](int quarter) { showChart(quarter); });
    layout->addWidget(buildPlayList());
    m_ui->setQuickEntry(&m_quickEntry);
    m_quickEntryBar = new QuickEntryBar(*m_flow, m_quickEntry);
    layout->addWidget(m_quickEntryBar);
    layout->addWidget(buildPlayButtons());

    // The main window's Save works here too (Ctrl+S).
    if (auto *save = main.findChild<QAction *>(QStringLiteral("saveGame")))
        addAction(save);

    keepRecoveryCopy();
    // A save leaves nothing to recover until the next change; after Save As
    // the copy follows the game to its new file.
    connect(&main, &MainWindow::currentGameSaved, this, [this] {
        if (m_recovery)
            m_recovery->discard();
        keepRecoveryCopy();
    });
    // With a live output folder set, every change is published there too.
    m_live = std::make_unique<LiveWriter>([this](const std::string &folder) {
        m_ui->playSound(kWarningSound);
        m_ui->message("The live page cannot be written to " + utf8ToCp1252(folder) +
                          ".\n\nScoring goes on; the page is brought up to date once the folder can be written "
                          "again (Options > Live Output).",
                      "Live Output", MessageButtons::Ok, MessageIcon::Warning);
    });
    // The season before this game is read once, in the background.
    m_live->openSeason(m_flow->game().fileName, m_settings.league, [this] {
        // A game closed meanwhile is no longer there to publish.
        if (m_finished)
            return;
        if (!m_flow->game().readOnly)
            m_live->changed(m_flow->game(), m_flow->situation(), m_settings);
        if (m_seasonView)
            m_seasonView->refresh(m_flow->game(), m_live->season(), false);
    });
    m_flow->addChangeListener([this] {
        // A read-only game writes nothing: the program that has it open does.
        if (m_recovery)
            m_recovery->changed(m_flow->gameAsSaved());
        if (!m_flow->game().readOnly)
            m_live->changed(m_flow->game(), m_flow->situation(), m_settings);
        refresh();
    });
    m_flow->addCloseListener([this] { finish(); });
    connect(&main, &MainWindow::gameWindowRefreshRequested, this, [this] {
        if (!m_flow->game().readOnly)
            m_live->changed(m_flow->game(), m_flow->situation(), m_settings);
        refresh();
    });
    main.installEventFilter(this);
    main.session().setEngine(m_flow.get());
    main.setGameInProgress(true);
    refresh();
}

GameWindow::~GameWindow()
{
    // The main window may be going itself (it owns this window): it is not
    // touched here. Closing the game told it everything already.
    m_flow.reset();
}

QPushButton *GameWindow::button(const char *name, const QString &text, std::function<void()> command)
{
    auto *b = new QPushButton(text);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false); // Enter never presses a button of the game window
    connect(b, &QPushButton::clicked, this, [this, command = std::move(command)] { run(command); });
    return b;
}

QWidget *GameWindow::buildScoreboard()
{
    auto *panel = new QWidget;
    auto *grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    const Column sides[2] = {Column::Left, Column::Right};
    const char *names[2][5] = {{"leftTeamName", "leftTeamButton", "leftScore", "leftTimeOut", "leftTimeOutsLeft"},
                               {"rightTeamName", "rightTeamButton", "rightScore", "rightTimeOut", "rightTimeOutsLeft"}};
    QFont nameFont(QStringLiteral("Arial"));
    nameFont.setBold(true);
    nameFont.setPointSizeF(font().pointSizeF() * 1.3);
    for (int i = 0; i < 2; ++i) {
        ColumnWidgets &c = m_columns[static_cast<std::size_t>(i)];
        const Column side = sides[i];
        c.name = new QLabel;
        c.name->setTextFormat(Qt::PlainText); // a team's name from its file, never markup
        c.name->setObjectName(QString::fromLatin1(names[i][0]));
        c.name->setAlignment(Qt::AlignCenter);
        c.name->setFont(nameFont);
        c.teamButton = button(names[i][1], QString(), [this, side] { m_flow->giveBall(side); });
        c.ball = new PossessionBall;
        c.ball->setObjectName(QString::fromLatin1(i == 0 ? "leftBall" : "rightBall"));
        c.score = digits(names[i][2], 2, i == 0 ? QStringLiteral("Left score") : QStringLiteral("Right score"));
        c.timeOut = button(names[i][3], QStringLiteral("Time Out"), [this, side] { m_flow->timeOut(side); });
        c.timeOutsLeft = digits(names[i][4], 1, QStringLiteral("Time-outs left"));
        const int at = i == 0 ? 0 : 4;
        auto *teamRow = new QHBoxLayout;
        if (i == 0) {
            teamRow->addWidget(c.teamButton);
            teamRow->addWidget(c.ball);
        } else {
            teamRow->addWidget(c.ball);
            teamRow->addWidget(c.teamButton);
        }
        auto *timeOutRow = new QHBoxLayout;
        timeOutRow->addWidget(i == 0 ? static_cast<QWidget *>(c.timeOut) : c.timeOutsLeft);
        timeOutRow->addWidget(i == 0 ? static_cast<QWidget *>(c.timeOutsLeft) : c.timeOut);
        grid->addWidget(c.name, 0, at);
        grid->addLayout(teamRow, 1, at);
        grid->addWidget(c.score, 2, at, Qt::AlignCenter);
        grid->addLayout(timeOutRow, 3, at);
    }

    // The quarter and the down with their arrows, the ball spot and the distance.
    m_quarterLabel = new QLabel(QStringLiteral("Quarter"));
    m_quarterLabel->setObjectName(QStringLiteral("quarterLabel"));
    m_quarterLabel->setAlignment(Qt::AlignCenter);
    m_quarter = digits("quarter", 1, QStringLiteral("Quarter"));
    auto *downLabel = new QLabel(QStringLiteral("Down"));
    downLabel->setAlignment(Qt::AlignCenter);
    m_down = digits("down", 1, QStringLiteral("Down"));
    const auto arrows = [this](const char *up, const char *down, const QString &what, std::function<void()> upCommand,
                               std::function<void()> downCommand) {
        auto *column = new QVBoxLayout;
        column->setSpacing(0);
        QToolButton *upButton = arrow(up, Qt::UpArrow, what + QStringLiteral(" Up"));
        QToolButton *downButton = arrow(down, Qt::DownArrow, what + QStringLiteral(" Down"));
        connect(upButton, &QToolButton::clicked, this, [this, upCommand] { run(upCommand); });
        connect(downButton, &QToolButton::clicked, this, [this, downCommand] { run(downCommand); });
        column->addWidget(upButton);
        column->addWidget(downButton);
        return column;
    };
    auto *quarterRow = new QHBoxLayout;
    quarterRow->addWidget(m_quarter);
    quarterRow->addLayout(arrows(
        "quarterUp", "quarterDown", QStringLiteral("Quarter"), [this] { m_flow->quarterUp(); },
        [this] { m_flow->quarterDown(); }));
    auto *downRow = new QHBoxLayout;
    downRow->addWidget(m_down);
    downRow->addLayout(arrows(
        "downUp", "downDown", QStringLiteral("Down"), [this] { m_flow->downUp(); }, [this] { m_flow->downDown(); }));
    grid->addWidget(m_quarterLabel, 0, 1);
    grid->addLayout(quarterRow, 1, 1, 2, 1);
    grid->addWidget(downLabel, 0, 3);
    grid->addLayout(downRow, 1, 3, 2, 1);

    m_ballOn = digits("ballOnDigits", 2, QStringLiteral("Ball on"));
    m_toGo = digits("toGoDigits", 2, QStringLiteral("To go"));
    QPushButton *ballOn = button("ballOn", QStringLiteral("&Ball On"), [this] { m_flow->ballOn(); });
    QPushButton *toGo = button("toGo", QStringLiteral("To &Go"), [this] { m_flow->toGo(); });
    // Whose half the ball is in, in that team's colour, beside the yard line.
    m_ballSide = new QLabel;
    m_ballSide->setTextFormat(Qt::PlainText);
    m_ballSide->setObjectName(QStringLiteral("ballSide"));
    m_ballSide->setAccessibleName(QStringLiteral("Ball in the half of"));
    QFont sideFont = m_ballSide->font();
    sideFont.setBold(true);
    sideFont.setPointSizeF(sideFont.pointSizeF() * 1.3);
    m_ballSide->setFont(sideFont);
    m_ballSide->setMinimumWidth(QFontMetrics(sideFont).horizontalAdvance(QStringLiteral("WWW")));
    auto *ballOnRow = new QHBoxLayout;
    ballOnRow->addWidget(ballOn);
    ballOnRow->addWidget(m_ballSide);
    ballOnRow->addWidget(m_ballOn);
    auto *toGoRow = new QHBoxLayout;
    toGoRow->addWidget(toGo);
    toGoRow->addWidget(m_toGo);
    grid->addLayout(ballOnRow, 3, 1);
    // The clock last recorded (at a change of possession) and its quarter.
    m_lastClock = new QLabel;
    m_lastClock->setTextFormat(Qt::PlainText);
    m_lastClock->setObjectName(QStringLiteral("lastClock"));
    m_lastClock->setAlignment(Qt::AlignCenter);
    m_lastClock->setToolTip(QStringLiteral("The clock last recorded, and its quarter"));
    m_lastClock->setAccessibleName(QStringLiteral("Clock last recorded"));
    m_lastClock->setFont(sideFont);
    grid->addWidget(m_lastClock, 3, 2);
    grid->addLayout(toGoRow, 3, 3);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(2, 1);
    grid->setColumnStretch(4, 3);
    return panel;
}

QWidget *GameWindow::buildPlayList()
{
    auto *group = new QGroupBox(QStringLiteral("Play By Play"));
    // The compact layout puts the buttons beside the one-line list, the full
    // one beside the list of the last plays, one above the other.
    auto *row = new QHBoxLayout(group);
    QBoxLayout *layout = m_compact ? static_cast<QBoxLayout *>(row) : new QVBoxLayout;
    if (m_compact) {
        // Small screens keep the one-line list beside the buttons.
        m_playList = new QComboBox;
        m_playList->setObjectName(QStringLiteral("playList"));
        m_playList->setAccessibleName(QStringLiteral("Play By Play"));
        m_playList->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        m_playList->setMinimumContentsLength(40);
        m_playList->setMaxVisibleItems(20);
        const int lineHeight = m_playList->fontMetrics().height();
        m_playList->setIconSize(QSize(lineHeight, lineHeight));
        layout->addWidget(m_playList, 1);
    } else {
        // The last plays in view, newest at the bottom; the selected line is
        // the play Edit, Delete and Insert act on.
        m_playListView = new QListWidget;
        m_playListView->setObjectName(QStringLiteral("playList"));
        m_playListView->setAccessibleName(QStringLiteral("Play By Play"));
        m_playListView->setUniformItemSizes(true);
        m_playListView->setSelectionMode(QAbstractItemView::SingleSelection);
        // The warning mark fits the line, so a marked play leaves every row as tall as before.
        const int rowHeight = m_playListView->fontMetrics().height();
        m_playListView->setIconSize(QSize(rowHeight, rowHeight));
        m_playListView->setMinimumHeight(rowHeight * kVisiblePlays + 2 * m_playListView->frameWidth());
        // Eight lines to start with; more as the window is made taller.
        m_playListView->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
        connect(m_playListView, &QListWidget::currentRowChanged, this, [this](int line) { m_flow->selectPlay(line); });
        row->addWidget(m_playListView, 1);
        row->addLayout(layout);
    }
    layout->addWidget(button("editPlay", QStringLiteral("&Edit Play"), [this] { m_flow->editPlay(selectedLine()); }));
    layout->addWidget(
        button("deletePlay", QStringLiteral("De&lete Play"), [this] { m_flow->deletePlay(selectedLine()); }));
    layout->addWidget(
        button("insertPlay", QStringLiteral("&Insert Play"), [this] { m_flow->insertPlay(selectedLine()); }));
    // Taking back the last change of the play list, and doing it again.
    m_undo = button("undo", QStringLiteral("Undo"), [this] { m_flow->undo(); });
    m_undo->setShortcut(QKeySequence::Undo);
    m_undo->setToolTip(QStringLiteral("Undo the last change of the play list (%1)")
                           .arg(QKeySequence(QKeySequence::Undo).toString(QKeySequence::NativeText)));
    m_redo = button("redo", QStringLiteral("Redo"), [this] { m_flow->redo(); });
    m_redo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
    m_redo->setToolTip(QStringLiteral("Redo what was undone (Ctrl+Y)"));
    layout->addWidget(m_undo);
    layout->addWidget(m_redo);
    if (!m_compact)
        layout->addStretch(1);
    return group;
}

QWidget *GameWindow::buildPlayButtons()
{
    auto *panel = new QWidget;
    auto *grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    const auto play = [this](const char *name, const char *text, PlayKind kind) {
        QPushButton *b = button(name, QString::fromLatin1(text), [this, kind] { m_flow->recordPlay(kind); });
        // A play whose entry dialog the program lacks has no button.
        b->setVisible(m_ui->offers(kind));
        return b;
    };
    QPushButton *kickOff = play("kickOff", "&Kick Off", PlayKind::KickOff);
    QPushButton *punt = play("punt", "P&unt", PlayKind::Punt);
    m_fieldGoal = play("fieldGoal", "&Field Goal", PlayKind::FieldGoal);
    m_rush = play("rush", "&Rush", PlayKind::Rush);
    m_pass = play("pass", "&Pass", PlayKind::Pass);
    QPushButton *offensive = play("offensivePenalty", "&Offensive Penalty", PlayKind::OffensivePenalty);
    QPushButton *defensive = play("defensivePenalty", "&Defensive Penalty", PlayKind::DefensivePenalty);
    QPushButton *swap = button("swapSides", QStringLiteral("&Swap Sides"), [this] { m_flow->swapSides(); });
    QPushButton *quit = button("quitGame", QStringLiteral("&Quit Game"), [this] { m_flow->quitGame(); });
    QWidget *order[] = {kickOff, punt, m_fieldGoal, m_rush, m_pass, offensive, defensive, swap, quit};
    // The kicks and the scrimmage plays on one row, penalties and the window's
    // own commands on the next; the compact layout keeps them all on one.
    for (int i = 0; i < 9; ++i) {
        const int row = m_compact || i < 5 ? 0 : 1;
        const int column = m_compact || i < 5 ? i : i - 5;
        grid->addWidget(order[i], row, column);
    }
    return panel;
}

void GameWindow::start()
{
    show();
    run([this] { m_flow->open(); });
}

void GameWindow::run(const std::function<void()> &command)
{
    if (m_finished)
        return;
    command();
    if (!m_finished)
        refresh();
}

void GameWindow::refresh()
{
    if (m_finished)
        return;
    m_undo->setEnabled(m_flow->canUndo());
    m_redo->setEnabled(m_flow->canRedo());
    if (m_seasonView)
        m_seasonView->refresh(m_flow->game(), m_live->season(), m_live->readingSeason());
    const ChartColors colors = chartColors(m_settings);
    const Scoreboard board = scoreboard(*m_flow, colors);
    setWindowTitle(toQString(board.caption));
    const ScoreboardColumn *columns[2] = {&board.left, &board.right};
    for (std::size_t i = 0; i < 2; ++i) {
        const ScoreboardColumn &from = *columns[i];
        ColumnWidgets &c = m_columns[i];
        c.name->setText(toQString(from.name));
        QPalette palette = c.name->palette();
        palette.setColor(QPalette::WindowText, readableTextColor(from.color, this->palette()));
        c.name->setPalette(palette);
        c.teamButton->setText(toQString(from.teamButton));
        c.ball->setVisible(from.hasBall);
        c.score->display(toQString(from.score));
        c.score->setAccessibleName(toQString(from.spokenScore));
        c.timeOutsLeft->setAccessibleName(toQString(from.spokenTimeOutsLeft));
        c.timeOutsLeft->setDigitCount(std::max<int>(1, static_cast<int>(from.timeOutsLeft.size())));
        c.timeOutsLeft->display(toQString(from.timeOutsLeft));
        const QString logoFile = toQString(from.logoFile);
        if (logoFile != c.logoFile || logoFile.isEmpty()) {
            c.logoFile = logoFile;
            c.logo->setLogo(loadTeamLogo(logoFile));
        }
    }
    m_quarterLabel->setText(toQString(board.quarterLabel));
    m_quarter->setDigitCount(std::max<int>(1, static_cast<int>(board.quarter.size())));
    m_quarter->display(toQString(board.quarter));
    m_down->display(toQString(board.down));
    m_ballOn->display(toQString(board.ballOn));
    m_ballSide->setText(toQString(board.ballSide));
    QPalette sidePalette = m_ballSide->palette();
    sidePalette.setColor(QPalette::WindowText, readableTextColor(board.ballSideColor, palette()));
    m_ballSide->setPalette(sidePalette);
    m_lastClock->setText(QStringLiteral("Clock ") + toQString(board.lastClock));
    m_toGo->display(toQString(board.toGo));
    m_quarter->setAccessibleName(toQString(board.spokenQuarter));
    m_down->setAccessibleName(toQString(board.spokenDown));
    m_ballOn->setAccessibleName(toQString(board.spokenBallOn));
    m_toGo->setAccessibleName(toQString(board.spokenToGo));
    m_fieldGoal->setText(toQString(board.labels.fieldGoal));
    m_rush->setText(toQString(board.labels.rush));
    m_pass->setText(toQString(board.labels.pass));
    m_field->setChart(currentDriveChart(*m_flow, colors));
    // A change brings the chart back to the game's own quarter.
    m_chartQuarter->clear();
    for (const std::string &quarter : chartQuarterTexts(*m_flow))
        m_chartQuarter->addItem(toQString(quarter));
    m_chartQuarter->setCurrentIndex(m_flow->situation().quarter);

    refreshPlayList();
}

void GameWindow::refreshPlayList()
{
    const std::vector<std::string> &plays = m_flow->playList();
    const int count = static_cast<int>(plays.size());
    const QIcon warning = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    // A play that does not follow from the one before it is marked, its
    // reason in the tool tip (and read by a screen reader with the line).
    // Numbered as the re-flow question and Check Game name the plays.
    const auto line = [&](int i) {
        return QStringLiteral("%1: %2").arg(i + 1).arg(toQString(plays[static_cast<std::size_t>(i)]));
    };
    const auto reason = [&](int i) { return toQString(m_flow->breakReason(i)); };
    if (m_playList) {
        const QSignalBlocker quiet(m_playList);
        while (m_playList->count() > count)
            m_playList->removeItem(m_playList->count() - 1);
        for (int i = 0; i < count; ++i) {
            if (i == m_playList->count())
                m_playList->addItem(QString());
            const QString why = reason(i);
            m_playList->setItemText(i, line(i));
            m_playList->setItemIcon(i, why.isEmpty() ? QIcon() : warning);
            m_playList->setItemData(i, why.isEmpty() ? QVariant() : QVariant(why), Qt::ToolTipRole);
        }
        m_playList->setCurrentIndex(m_flow->selectedPlay());
        return;
    }
    const QSignalBlocker quiet(m_playListView);
    while (m_playListView->count() > count)
        delete m_playListView->takeItem(m_playListView->count() - 1);
    for (int i = 0; i < count; ++i) {
        if (i == m_playListView->count())
            m_playListView->addItem(QString());
        QListWidgetItem *item = m_playListView->item(i);
        const QString text = line(i);
        const QString why = reason(i);
        item->setText(text);
        item->setIcon(why.isEmpty() ? QIcon() : warning);
        item->setToolTip(plainToolTip(why));
        item->setData(Qt::AccessibleTextRole, why.isEmpty() ? text : text + QStringLiteral(" - ") + why);
    }
    m_playListView->setCurrentRow(m_flow->selectedPlay());
    if (QListWidgetItem *current = m_playListView->currentItem())
        m_playListView->scrollToItem(current);
    else
        m_playListView->scrollToBottom();
}

int GameWindow::selectedLine() const
{
    return m_playList ? m_playList->currentIndex() : m_playListView->currentRow();
}

void GameWindow::checkGame()
{
    m_ui->playSound(kClickSound);
    const std::vector<ContinuityBreak> breaks = m_flow->breaks();
    CheckGameDialog dialog(breaks, this);
    if (m_main.context().runDialog(dialog) == QDialog::Accepted && dialog.chosenPlay() >= 0) {
        m_flow->selectPlay(dialog.chosenPlay());
        refreshPlayList();
    }
}

SeasonToDateDialog &GameWindow::showSeasonToDate()
{
    if (!m_seasonView)
        m_seasonView = new SeasonToDateDialog(this);
    m_seasonView->refresh(m_flow->game(), m_live->season(), m_live->readingSeason());
    m_seasonView->show();
    m_seasonView->raise();
    return *m_seasonView;
}

void GameWindow::showChart(int quarter)
{
    m_field->setChart(quarterDriveChart(*m_flow, quarter, chartColors(m_settings)));
}

void GameWindow::keepRecoveryCopy()
{
    // Every change is copied to the recovery file at once, so that a crash
    // or a power cut loses nothing; quitting (saved or not) removes it.
    const Game &game = m_flow->game();
    if (game.readOnly)
        return;
    const std::filesystem::path gameFile =
        game.fileName.empty() ? defaultStateDir() / "unsaved game.gam" : std::filesystem::path(game.fileName);
    if (m_recovery && m_recoveryFile == gameFile)
        return;
    m_recovery.reset();
    m_recoveryFile = gameFile;
    m_recovery = std::make_unique<RecoveryWriter>(gameFile, defaultStateDir(), [this] {
        m_ui->playSound(kWarningSound);
        m_ui->message("No recovery copy of this game can be written: save it often.", "Recovery Copy",
                      MessageButtons::Ok, MessageIcon::Warning);
    });
    rememberLastGame(defaultStateDir(), gameFile);
}

void GameWindow::finish()
{
    // The engine has closed the game: the window goes, and the main window
    // no longer has a game in progress.
    if (m_finished)
        return;
    m_finished = true;
    // Saved or deliberately left unsaved: no copy to recover. A save that
    // failed as the program closed keeps it for the next start.
    if (!m_flow->lastSaveFailed() && m_recovery) {
        m_recovery->discard();
        forgetLastGame(defaultStateDir());
    }
    m_main.session().setEngine(nullptr);
    m_main.setGameInProgress(false);
    // The game stays current until the engine's other listeners are through with it.
    QTimer::singleShot(0, &m_main, [main = &m_main] { main->session().setCurrentGame(std::nullopt); });
    if (!m_closing)
        close();
}

void GameWindow::reject()
{
    // Esc: the game window closes only through "&Quit Game".
}

void GameWindow::closeEvent(QCloseEvent *event)
{
    if (!m_finished) {
        // The close box works as "&Quit Game": the scorer may still save or stay.
        m_closing = true;
        const bool closed = m_flow->quitGame();
        m_closing = false;
        if (!closed) {
            event->ignore();
            return;
        }
    }
    // Not QDialog's close, which would go through reject(), ignored here.
    event->accept();
}

bool GameWindow::eventFilter(QObject *watched, QEvent *event)
{
    // The main window closing takes the game window with it, after the scorer
    // was asked whether to save.
    if (watched == &m_main && event->type() == QEvent::Close && !m_finished) {
        m_flow->closeByOwner();
        finish();
    }
    return QDialog::eventFilter(watched, event);
}

QMenu *GameWindow::makePopupMenu()
{
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("gamePopupMenu"));
    const struct {
        const char *action;
        const char *text;
    } prints[] = {{"printGameSummary", "Print &Game Summary"},
                  {"printScoringSummary", "Print &Scoring Summary"},
                  {"printDriveSummary", "Print &Drive Summary"},
                  {"printPlayByPlay", "Print &Play By Play"},
                  {"printerSetup", "Printer &Setup ..."}};
    for (const auto &p : prints) {
        // The main window's own commands; one it does not have is not offered.
        if (QAction *command = m_main.findChild<QAction *>(QString::fromLatin1(p.action))) {
            QAction *item = menu->addAction(QString::fromLatin1(p.text), command, &QAction::trigger);
            item->setObjectName(QString::fromLatin1(p.action));
        }
    }
    menu->addSeparator();
    QAction *check = menu->addAction(QStringLiteral("&Check Game ..."), this, [this] { checkGame(); });
    check->setObjectName(QStringLiteral("checkGame"));
    menu->addAction(QStringLiteral("Season &to Date ..."), this, [this] { showSeasonToDate(); })
        ->setObjectName(QStringLiteral("seasonToDate"));
    QAction *exportItem =
        menu->addAction(QStringLiteral("E&xport Play By Play ..."), this, [this] { exportPlayByPlay(); });
    exportItem->setObjectName(QStringLiteral("exportPlayByPlay"));
    return menu;
}

void GameWindow::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    // Night colours on or off: the team names keep reading on the new window colour.
    if (event->type() == QEvent::PaletteChange && m_undo)
        refresh();
}

void GameWindow::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = makePopupMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void GameWindow::exportPlayByPlay()
{
    exportReport(*m_ui, [this](std::ostream &out, bool html, bool appending) {
        m_flow->exportPlayByPlay(out, html, appending);
    });
}

GameWindow *openGameWindow(MainWindow &main, const Settings &settings, SoundPlayer &sounds, PlayDialogs playDialogs)
{
    auto *window = new GameWindow(main, settings, sounds, std::move(playDialogs));
    window->start();
    return window;
}

void addGameCommands(MainWindow &main, const Settings &settings, SoundPlayer &sounds)
{
    main.session().setRecorder([&main, &settings, &sounds] { openGameWindow(main, settings, sounds); });

    // File > Game > Check Game: the same command as in the game window's pop-up menu.
    QAction *check =
        main.fileSubmenu(QStringLiteral("&Game"), "gameMenu")->addAction(QStringLiteral("&Check Game ..."));
    check->setObjectName(QStringLiteral("checkGame"));
    check->setEnabled(main.gameInProgress());
    QObject::connect(&main, &MainWindow::gameInProgressChanged, check, &QAction::setEnabled);
    QObject::connect(check, &QAction::triggered, &main, [&main] {
        if (auto *window = main.findChild<QDialog *>(QStringLiteral("gameWindow")))
            static_cast<GameWindow *>(window)->checkGame();
    });

    QAction *print = main.printMenu()->addAction(QStringLiteral("&Play By Play"));
    print->setObjectName(QStringLiteral("printPlayByPlay"));
    print->setEnabled(main.gameInProgress());
    QObject::connect(&main, &MainWindow::gameInProgressChanged, print, &QAction::setEnabled);
    QObject::connect(print, &QAction::triggered, &main, [&main, &settings] {
        const Game *game = main.session().currentGame();
        if (!game)
            return;
        PlayByPlayPrintout printout("Play By Play", *game, settings.league);
        printWithDialog(main.context().printer, printout, &main);
    });
}

} // namespace yardmark
