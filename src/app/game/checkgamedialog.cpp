#include "app/game/checkgamedialog.h"

#include "app/common/dialogbuttons.h"
#include "qtbase/qtext.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace yardmark {

CheckGameDialog::CheckGameDialog(const std::vector<ContinuityBreak> &breaks, QWidget *parent)
    : QDialog(parent), m_breaks(breaks)
{
    setObjectName(QStringLiteral("checkGameDialog"));
    setWindowTitle(QStringLiteral("Check Game"));
    auto *layout = new QVBoxLayout(this);
    auto *label = new QLabel(breaks.empty() ? QStringLiteral("Every play follows from the play before it.")
                                            : QStringLiteral("&Plays that do not follow from the play before them:"));
    label->setObjectName(QStringLiteral("checkGameSummary"));
    layout->addWidget(label);
    m_list = new QListWidget;
    m_list->setObjectName(QStringLiteral("breakList"));
    m_list->setAccessibleName(QStringLiteral("Plays that do not follow"));
    for (const ContinuityBreak &found : breaks)
        m_list->addItem(toQString(breakLine(found)));
    m_list->setCurrentRow(breaks.empty() ? -1 : 0);
    // As wide as its longest line, within the screen; a longer line wraps.
    m_list->setWordWrap(true);
    const int lines = m_list->sizeHintForColumn(0) + 2 * m_list->frameWidth() +
                      m_list->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int screenWidth =
        screen() ? screen()->availableGeometry().width() - 4 * style()->pixelMetric(QStyle::PM_LayoutLeftMargin)
                 : lines;
    m_list->setMinimumWidth(std::min(std::max(lines, fontMetrics().averageCharWidth() * 80), screenWidth));
    label->setBuddy(m_list);
    layout->addWidget(m_list);
    connect(m_list, &QListWidget::itemActivated, this, [this] { goToPlay(); });

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton *go = namedButton("goToPlay", "&Go To Play");
    go->setEnabled(!breaks.empty());
    go->setDefault(true);
    connect(go, &QPushButton::clicked, this, [this] { goToPlay(); });
    QPushButton *close = namedButton("close", "&Close");
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(go);
    buttons->addWidget(close);
    layout->addLayout(buttons);
}

void CheckGameDialog::goToPlay()
{
    const int row = m_list->currentRow();
    if (row < 0 || row >= static_cast<int>(m_breaks.size()))
        return;
    m_chosen = m_breaks[static_cast<std::size_t>(row)].index;
    accept();
}

} // namespace yardmark
