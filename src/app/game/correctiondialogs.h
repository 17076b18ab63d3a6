#pragma once

#include "gameflow/corrections.h"
#include "gameflow/insertplay.h"
#include "gameflow/interaction.h"

#include <QDialog>

#include <functional>
#include <string_view>

class QComboBox;
class QLineEdit;
class QRadioButton;

namespace yardmark {

// The small dialogs the game window opens. Each copies its form into its
// controls when it opens and back when it closes; the engine plays the
// sounds and applies the values.

/// The choose-a-team dialog: "Who Kicks Off in First Half?" and the like.
class PickTeamDialog final : public QDialog {
public:
    PickTeamDialog(std::string_view title, std::string_view homeName, std::string_view visitorName, bool homeChecked,
                   QWidget *parent = nullptr);
    /// The team chosen; Cancelled unless the dialog was accepted.
    TeamChoice choice() const;

private:
    QRadioButton *m_home;
};

/// "Ball On": the number field, its list and the two team radios.
class BallOnDialog final : public QDialog {
public:
    BallOnDialog(BallOnForm &form, QWidget *parent = nullptr);

private:
    void store();

    BallOnForm &m_form;
    QLineEdit *m_number;
    QComboBox *m_list;
    QRadioButton *m_home;
    QRadioButton *m_visitor;
};

/// "To Go": the number field and its list.
class ToGoDialog final : public QDialog {
public:
    ToGoDialog(ToGoForm &form, QWidget *parent = nullptr);

private:
    ToGoForm &m_form;
    QLineEdit *m_number;
    QComboBox *m_list;
};

/// "Record Time": "Minutes" and "Seconds", OK only.
class RecordTimeDialog final : public QDialog {
public:
    RecordTimeDialog(RecordTimeForm &form, QWidget *parent = nullptr);

protected:
    void reject() override; ///< Esc and the close box answer like OK: the dialog has nothing to cancel

private:
    RecordTimeForm &m_form;
    QLineEdit *m_minutes;
    QLineEdit *m_seconds;
};

/// "Insert Play": ten radio buttons, none checked at first. A kind whose
/// entry dialog the program does not offer is left out.
class InsertPlayDialog final : public QDialog {
public:
    InsertPlayDialog(InsertPlayForm &form, const std::function<bool(InsertKind)> &offered, QWidget *parent = nullptr);
};

} // namespace yardmark
