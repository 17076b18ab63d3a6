#include "app/common/datepickerdialog.h"

#include "app/common/appcontext.h"
#include "app/common/dialogbuttons.h"
#include "base/datetime.h"
#include "base/userinterface.h"
#include "qtbase/qtext.h"
#include "season/calendardate.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QLineEdit>
#include <QVBoxLayout>

namespace yardmark {

QDate calendarDay(int year, int month, int day)
{
    return QDate(year, month, 1).addDays(day - 1);
}

DatePickerDialog::DatePickerDialog(QDate initial, UserInterface &ui, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Select Date"));
    m_calendar = new QCalendarWidget;
    m_calendar->setObjectName(QStringLiteral("calendar"));
    m_calendar->setGridVisible(true);
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    // The calendar's own parts, as a screen reader names them.
    if (auto *days = m_calendar->findChild<QAbstractItemView *>(QStringLiteral("qt_calendar_calendarview")))
        days->setAccessibleName(QStringLiteral("Days"));
    if (auto *year = m_calendar->findChild<QWidget *>(QStringLiteral("qt_calendar_yearedit")))
        year->setAccessibleName(QStringLiteral("Year"));
    setDate(initial.isValid() ? initial : QDate::currentDate());
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_calendar);
    layout->addWidget(okCancelButtons(*this, ui, [this] { accept(); }));
    // A double click on a day chooses it.
    connect(m_calendar, &QCalendarWidget::activated, this, [this] { accept(); });
}

QDate DatePickerDialog::date() const
{
    return m_calendar->selectedDate();
}

void DatePickerDialog::setDate(QDate date)
{
    m_calendar->setSelectedDate(date);
    m_calendar->setCurrentPage(date.year(), date.month());
}

void chooseDateInto(QLineEdit &field, const AppContext &context, QWidget *parent)
{
    context.ui.playSound(kClickSound);
    const CalendarDate shown = typedDateOrToday(fromQString(field.text()), currentDateTime());
    DatePickerDialog picker(calendarDay(shown.year, shown.month, shown.day), context.ui, parent);
    if (context.runDialog(picker) != QDialog::Accepted)
        return;
    const QDate chosen = picker.date();
    field.setText(toQString(monthDayYearText(chosen.month(), chosen.day(), chosen.year())));
}

} // namespace yardmark
