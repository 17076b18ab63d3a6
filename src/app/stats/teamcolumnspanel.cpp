#include "app/stats/teamcolumnspanel.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace yardmark {
namespace {

constexpr const char *kPeriodNames[kSummaryPeriodCount] = {
    "game", "firstHalf", "secondHalf", "firstQuarter", "secondQuarter", "thirdQuarter", "fourthQuarter"};

QLabel *columnLabel(const char *name, Qt::Alignment alignment)
{
    auto *label = new QLabel;
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText); // team names from the games, never markup
    label->setAlignment(alignment | Qt::AlignTop);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

TeamColumnsPanel::TeamColumnsPanel(const char *labels, std::function<void(SummaryPeriod)> periodChosen, QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    auto *frame = new QFrame;
    frame->setFrameShape(QFrame::StyledPanel);
    auto *grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(24);
    // The labels keep their trailing line feed off the screen: it would add an empty line.
    QLabel *labelColumn = columnLabel("labels", Qt::AlignLeft);
    labelColumn->setText(QString::fromLatin1(labels).chopped(1));
    m_captions[0] = columnLabel("firstCaption", Qt::AlignHCenter);
    m_captions[1] = columnLabel("secondCaption", Qt::AlignHCenter);
    m_values[0] = columnLabel("firstValues", Qt::AlignHCenter);
    m_values[1] = columnLabel("secondValues", Qt::AlignHCenter);
    for (QLabel *caption : m_captions) {
        QFont bold = caption->font();
        bold.setBold(true);
        caption->setFont(bold);
    }
    grid->addWidget(m_captions[0], 0, 1);
    grid->addWidget(m_captions[1], 0, 2);
    grid->addWidget(labelColumn, 1, 0);
    grid->addWidget(m_values[0], 1, 1);
    grid->addWidget(m_values[1], 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    layout->addWidget(frame, 1);

    auto *periods = new QGridLayout;
    auto *group = new QButtonGroup(this);
    for (int p = 0; p < kSummaryPeriodCount; ++p) {
        const auto period = static_cast<SummaryPeriod>(p);
        auto *radio = new QRadioButton(QString::fromLatin1(summaryPeriodCaption(period)));
        radio->setObjectName(QString::fromLatin1(kPeriodNames[p]));
        group->addButton(radio, p);
        // "&Game" and the halves on the first line, the quarters on the second.
        periods->addWidget(radio, p < 3 ? 0 : 1, p < 3 ? p : p - 3);
        m_periods[static_cast<std::size_t>(p)] = radio;
    }
    m_periods[0]->setChecked(true);
    connect(group, &QButtonGroup::idClicked, this, [this, periodChosen = std::move(periodChosen)](int id) {
        m_period = static_cast<SummaryPeriod>(id);
        periodChosen(m_period);
    });
    layout->addLayout(periods);
}

void TeamColumnsPanel::setCaptions(const QString &first, const QString &second)
{
    m_captions[0]->setText(first);
    m_captions[1]->setText(second);
}

void TeamColumnsPanel::setValues(const QString &first, const QString &second)
{
    m_values[0]->setText(first.chopped(first.endsWith(QLatin1Char('\n')) ? 1 : 0));
    m_values[1]->setText(second.chopped(second.endsWith(QLatin1Char('\n')) ? 1 : 0));
}

void TeamColumnsPanel::checkPeriod(SummaryPeriod period)
{
    m_period = period;
    m_periods[static_cast<std::size_t>(period)]->setChecked(true);
}

} // namespace yardmark
