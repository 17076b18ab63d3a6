#pragma once

#include <QDate>
#include <QDialog>

class QCalendarWidget;
class QLineEdit;

namespace yardmark {

class AppContext;
class UserInterface;

/// The day a typed month/day/year stands for in the calendar: a day the
/// month has not (2/30) runs on into the next month, as the program has
/// always taken the ranges only.
QDate calendarDay(int year, int month, int day);

/// The date picker of the game information, schedule and address list
/// dialogs: a month calendar opened on a date. "&OK" keeps the date chosen,
/// "&Cancel" (or closing) none.
class DatePickerDialog final : public QDialog {
    Q_OBJECT

public:
    DatePickerDialog(QDate initial, UserInterface &ui, QWidget *parent = nullptr);

    QDate date() const;
    void setDate(QDate date);

private:
    QCalendarWidget *m_calendar = nullptr;
};

/// A dialog's date button: the picker opened on the date typed in `field`
/// (today when it holds none); the date chosen is written back into it as
/// month/day/year, and a cancelled picker leaves it as it was.
void chooseDateInto(QLineEdit &field, const AppContext &context, QWidget *parent);

} // namespace yardmark
