#pragma once

#include "app/stats/statswindowkit.h"

#include "stats/individualstats.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QTabBar;
class QTreeWidget;

namespace yardmark {

/// Where the statistics window stands: the category tab, the set shown
/// ("Stat Type:") and the column the list is sorted by (-1: as read).
struct ShowStatsPlace {
    int category = 0;
    StatView view = StatView::Team;
    int sortColumn = -1;
    bool descending = false;
};

/// "Statistics": the players of one category at a time, one tab per
/// category, for the team, its opponents or both ("Stat Type:"), over the
/// games the line under the list names. A click on a column title sorts the
/// list by it. Print ends the window with `kPrintResult`; the caller prints
/// the set shown and opens the window again where it stood.
class ShowStatsDialog final : public QDialog {
    Q_OBJECT

public:
    static constexpr int kPrintResult = 301;

    ShowStatsDialog(const Stat &chosen, StatViews views, const AppContext &context, const ShowStatsPlace &place,
                    QWidget *parent = nullptr);

    StatView shownView() const;
    ShowStatsPlace place() const;
    const Stat &shown() const { return m_views.view(shownView()); }
    const Stat &chosen() const { return m_chosen; }

private:
    void fillList();
    void sortBy(int column);

    Stat m_chosen;
    StatViews m_views;
    const AppContext &m_context;
    QTabBar *m_tabs = nullptr;
    QTreeWidget *m_list = nullptr;
    QComboBox *m_statType = nullptr;
    QLabel *m_games = nullptr;
    int m_sortColumn = -1;
    bool m_descending = false;
};

} // namespace yardmark
