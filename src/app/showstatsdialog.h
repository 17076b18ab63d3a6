#pragma once

#include "statswindowkit.h"

#include "stats/individualstats.h"

#include <QDialog>

class QComboBox;
class QTabBar;
class QTreeWidget;

namespace yardmark {

/// "Statistics": the players of one category at a time, one tab per
/// category, for the team, its opponents or both ("Stat Type:"). Print ends
/// the window with `kPrintResult`, and the caller prints the set shown.
class ShowStatsDialog final : public QDialog {
public:
    static constexpr int kPrintResult = 301;

    ShowStatsDialog(const Stat &chosen, StatViews views, const StatsContext &context, QWidget *parent = nullptr);

    StatView shownView() const;
    const Stat &shown() const { return m_views.view(shownView()); }
    const Stat &chosen() const { return m_chosen; }

private:
    void fillList();

    Stat m_chosen;
    StatViews m_views;
    StatsContext m_context;
    QTabBar *m_tabs = nullptr;
    QTreeWidget *m_list = nullptr;
    QComboBox *m_statType = nullptr;
};

} // namespace yardmark
