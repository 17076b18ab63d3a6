#pragma once

#include <QDate>
#include <QDialog>

class QCalendarWidget;

namespace yardmark {

class UserInterface;

/// The date picker of the game information, schedule and address list
/// dialogs: a month calendar opened on a date. "&OK" keeps the date chosen,
/// "&Cancel" (or closing) none.
class DatePickerDialog final : public QDialog {
public:
    DatePickerDialog(QDate initial, UserInterface &ui, QWidget *parent = nullptr);

    QDate date() const;
    void setDate(QDate date);

private:
    QCalendarWidget *m_calendar = nullptr;
};

} // namespace yardmark
