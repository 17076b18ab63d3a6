#include "app/stats/showstatsdialog.h"

#include "base/datetime.h"
#include "base/userinterface.h"
#include "qtbase/qtext.h"
#include "stats/gameresult.h"
#include "stats/individualstatsreport.h"
#include "vocabulary/vocabulary.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace yardmark {
namespace {

constexpr int kCategoryCount = 7;

} // namespace

ShowStatsDialog::ShowStatsDialog(const Stat &chosen, StatViews views, const AppContext &context,
                                 const ShowStatsPlace &place, QWidget *parent)
    : QDialog(parent), m_chosen(chosen), m_views(std::move(views)), m_context(context), m_sortColumn(place.sortColumn),
      m_descending(place.descending)
{
    setObjectName(QStringLiteral("showStats"));
    setWindowTitle(QStringLiteral("Statistics"));
    auto *layout = new QVBoxLayout(this);

    m_tabs = new QTabBar;
    m_tabs->setObjectName(QStringLiteral("categories"));
    m_tabs->setExpanding(false);
    for (int c = 0; c < kCategoryCount; ++c)
        m_tabs->addTab(toQString(statCategoryName(c)));
    layout->addWidget(m_tabs);

    m_list = new QTreeWidget;
    m_list->setObjectName(QStringLiteral("players"));
    m_list->setAccessibleName(QStringLiteral("Players"));
    m_list->setRootIsDecorated(false);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setAllColumnsShowFocus(true);
    m_list->setUniformRowHeights(true);
    m_list->setColumnCount(kShowStatsColumnCount);
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionsClickable(true);
    m_list->setMinimumHeight(m_list->fontMetrics().height() * 18);
    layout->addWidget(m_list, 1);

    auto *typeRow = new QHBoxLayout;
    m_statType = new QComboBox;
    m_statType->setObjectName(QStringLiteral("statType"));
    for (const std::string &choice : statTypeChoices(m_chosen))
        m_statType->addItem(toQString(choice));
    auto *typeLabel = new QLabel(QStringLiteral("Stat &Type:"));
    typeLabel->setBuddy(m_statType);
    typeRow->addWidget(typeLabel);
    typeRow->addWidget(m_statType);
    typeRow->addStretch(1);
    // The games the figures cover, tackles and sacks per game among them.
    m_games = new QLabel(toQString(gamesText(m_views.team.gameCount)));
    m_games->setObjectName(QStringLiteral("games"));
    typeRow->addWidget(m_games);
    layout->addLayout(typeRow);

    const auto [ok, print, exportButton] = addStatsButtons(*layout, m_context, this, "setupPrinter", "&Setup Printer");

    m_tabs->setCurrentIndex(std::clamp(place.category, 0, kCategoryCount - 1));
    m_statType->setCurrentIndex(std::clamp(static_cast<int>(place.view), 0, m_statType->count() - 1));
    connect(m_tabs, &QTabBar::currentChanged, this, [this] {
        // Each category has columns of its own: it opens in the order read.
        m_sortColumn = -1;
        fillList();
    });
    connect(m_list->header(), &QHeaderView::sectionClicked, this, [this](int column) { sortBy(column); });
    connect(m_statType, &QComboBox::currentIndexChanged, this, [this] { fillList(); });
    connect(ok, &QPushButton::clicked, this, [this] {
        m_context.ui.playSound(kClickSound);
        QDialog::accept();
    });
    connect(print, &QPushButton::clicked, this, [this] {
        m_context.ui.playSound(kClickSound);
        done(kPrintResult);
    });
    connect(exportButton, &QPushButton::clicked, this, [this] {
        exportReportWith(m_context, [this](std::ostream &out, bool html, bool appending) {
            writeIndividualStats(out, shown(), shownView(), html, appending, m_context.settings.app.html,
                                 currentDateTime());
        });
    });
    setTabOrder(m_tabs, m_list);
    setTabOrder(m_list, m_statType);
    fillList();
    // Wide enough for the widest category where the screen allows.
    int widest = 0;
    for (int c = 0; c < kCategoryCount; ++c) {
        int width = 0;
        for (const StatColumn &column : showStatsColumns(c))
            width += column.width;
        widest = std::max(widest, width);
    }
    const double scale = std::max(1.0, m_list->fontMetrics().averageCharWidth() / 6.0);
    const QScreen *screen = this->screen();
    const int room = screen ? screen->availableGeometry().width() * 9 / 10 : 1000;
    resize(std::min(static_cast<int>(widest * scale) + 60, room), sizeHint().height());
}

StatView ShowStatsDialog::shownView() const
{
    return static_cast<StatView>(std::max(0, m_statType->currentIndex()));
}

ShowStatsPlace ShowStatsDialog::place() const
{
    return {std::max(0, m_tabs->currentIndex()), shownView(), m_sortColumn, m_descending};
}

void ShowStatsDialog::sortBy(int column)
{
    // A second click on the same title turns the order round.
    m_descending = column == m_sortColumn ? !m_descending : false;
    m_sortColumn = column;
    fillList();
}

void ShowStatsDialog::fillList()
{
    const int category = std::max(0, m_tabs->currentIndex());
    // The list's widths are those of a window of the usual font, grown with the font in use.
    const double scale = m_list->fontMetrics().averageCharWidth() / 6.0;
    const std::vector<StatColumn> columns = showStatsColumns(category);
    QStringList titles;
    for (const StatColumn &column : columns)
        titles << twoLineTitle(column.title);
    m_list->clear();
    m_list->setHeaderLabels(titles);
    std::vector<int> widths;
    for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
        const StatColumn &column = columns[static_cast<std::size_t>(c)];
        m_list->headerItem()->setToolTip(c, column.tip ? QString::fromLatin1(column.tip) : QString());
        m_list->setColumnHidden(c, column.width == 0);
        widths.push_back(static_cast<int>(column.width * std::max(1.0, scale)));
    }
    std::vector<StatRow> rows = statRows(shown(), category);
    if (m_sortColumn >= 0 && m_sortColumn < static_cast<int>(columns.size()) &&
        columns[static_cast<std::size_t>(m_sortColumn)].width > 0) {
        sortStatRows(rows, m_sortColumn, m_descending);
        m_list->header()->setSortIndicatorShown(true);
        m_list->header()->setSortIndicator(m_sortColumn, m_descending ? Qt::DescendingOrder : Qt::AscendingOrder);
    } else {
        m_list->header()->setSortIndicatorShown(false);
    }
    for (const StatRow &row : rows) {
        QStringList texts;
        for (const std::string &text : showStatsRowTexts(row, category))
            texts << toQString(text);
        auto *item = new QTreeWidgetItem(texts);
        for (int c = 0; c < texts.size(); ++c)
            item->setTextAlignment(c, c == 1 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
        m_list->addTopLevelItem(item);
    }
    // Every title and every figure reads whole.
    fitColumns(*m_list, widths);
}

} // namespace yardmark
