#include "app/stats/summarylistwindow.h"

#include "base/datetime.h"
#include "base/userinterface.h"
#include "printouts/drivesummaryprintout.h"
#include "printouts/scoringsummaryprintout.h"
#include "qtbase/qtext.h"
#include "stats/drivesummary.h"
#include "stats/scoregrid.h"
#include "stats/scoringsummary.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace yardmark {

SummaryListWindow::SummaryListWindow(Kind kind, const Game &game, const AppContext &context, QWidget *parent)
    : QDialog(parent), m_kind(kind), m_game(game), m_context(context)
{
    const bool drives = kind == Kind::Drives;
    setObjectName(drives ? QStringLiteral("driveSummary") : QStringLiteral("scoringSummary"));
    setWindowTitle(drives ? QStringLiteral("Drive Summary") : QStringLiteral("Scoring Summary"));
    setModal(false);
    auto *layout = new QVBoxLayout(this);

    auto *gridFrame = new QFrame;
    gridFrame->setFrameShape(QFrame::StyledPanel);
    auto *grid = new QGridLayout(gridFrame);
    grid->addWidget(new QLabel(QStringLiteral("Score By Quarter:")), 0, 0);
    for (int c = 0; c < ScoreGrid::kCells; ++c) {
        auto *heading = new QLabel(QString::fromLatin1(kScoreGridHeadings[static_cast<std::size_t>(c)]));
        heading->setAlignment(Qt::AlignCenter);
        grid->addWidget(heading, 0, c + 1);
    }
    const char *const rowNames[2] = {"home", "visitor"};
    for (std::size_t row = 0; row < 2; ++row) {
        m_teamNames[row] = new QLabel;
        m_teamNames[row]->setTextFormat(Qt::PlainText); // a team's name from the game file, never markup
        m_teamNames[row]->setObjectName(QString::fromLatin1(rowNames[row]) + QStringLiteral("Name"));
        grid->addWidget(m_teamNames[row], static_cast<int>(row) + 1, 0);
        for (std::size_t c = 0; c < ScoreGrid::kCells; ++c) {
            auto *cell = new QLabel;
            cell->setTextFormat(Qt::PlainText);
            cell->setObjectName(QStringLiteral("%1Cell%2").arg(QString::fromLatin1(rowNames[row])).arg(c));
            cell->setAlignment(Qt::AlignCenter);
            cell->setMinimumWidth(cell->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
            grid->addWidget(cell, static_cast<int>(row) + 1, static_cast<int>(c) + 1);
            m_cells[row][c] = cell;
        }
    }
    grid->setColumnStretch(0, 1);
    layout->addWidget(gridFrame);

    m_list = new QListWidget;
    m_list->setObjectName(QStringLiteral("lines"));
    m_list->setAccessibleName(windowTitle());
    m_list->setMinimumWidth(m_list->fontMetrics().averageCharWidth() * 100);
    m_list->setMinimumHeight(m_list->fontMetrics().height() * 14);
    if (m_kind == Kind::Scoring) {
        // A scoring line reads whole, wrapped at the window's width.
        m_list->setWordWrap(true);
        m_list->setResizeMode(QListView::Adjust);
        m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    layout->addWidget(m_list, 1);

    const auto [ok, print, exportButton] = addStatsButtons(*layout, m_context, this);

    connect(ok, &QPushButton::clicked, this, [this] {
        m_context.ui.playSound(kClickSound);
        close();
    });
    connect(print, &QPushButton::clicked, this, [this] {
        const std::unique_ptr<Printout> printout = makePrintout(m_kind, m_game, m_context.settings.league);
        previewPrint(m_context, *printout, this);
    });
    connect(exportButton, &QPushButton::clicked, this, [this] {
        exportReportWith(m_context, [this](std::ostream &out, bool html, bool appending) {
            const Settings &s = m_context.settings;
            if (m_kind == Kind::Drives)
                writeDriveSummary(out, m_game, s.league, html, appending, s.app.html, currentDateTime());
            else
                writeScoringSummary(out, m_game, s.league, html, appending, s.app.html, currentDateTime());
        });
    });
    refresh();
}

void SummaryListWindow::refresh()
{
    const LeagueOptions &league = m_context.settings.league;
    const ScoreGrid scores = scoreByQuarter(m_game, league);
    m_teamNames[0]->setText(toQString(m_game.info.homeTeamName));
    m_teamNames[1]->setText(toQString(m_game.info.visitorTeamName));
    for (std::size_t c = 0; c < ScoreGrid::kCells; ++c) {
        m_cells[0][c]->setText(toQString(scores.home[c]));
        m_cells[1][c]->setText(toQString(scores.visitor[c]));
    }
    m_list->clear();
    if (m_kind == Kind::Drives) {
        for (const DriveLine &line : scanDrives(m_game, league))
            m_list->addItem(toQString(driveLineText(line)));
    } else {
        for (const ScoringLine &line : scoringLines(m_game, league))
            m_list->addItem(toQString(scoringLineText(line)));
    }
    if (m_list->count() > 0) {
        m_list->setCurrentRow(m_list->count() - 1);
        m_list->scrollToBottom();
    }
}

std::unique_ptr<Printout> SummaryListWindow::makePrintout(Kind kind, const Game &game, const LeagueOptions &league)
{
    if (kind == Kind::Drives)
        return std::make_unique<DriveSummaryPrintout>("Drive Summary", game, league);
    return std::make_unique<ScoringSummaryPrintout>("Scoring Summary", game, league);
}

} // namespace yardmark
