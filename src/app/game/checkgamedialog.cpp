#include "app/game/checkgamedialog.h"

#include "app/common/dialogbuttons.h"
#include "qtbase/qtext.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

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
    m_list->setMinimumWidth(fontMetrics().averageCharWidth() * 80);
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
