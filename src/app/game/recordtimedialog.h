#pragma once

#include "gameflow/corrections.h"
#include "gameflow/insertplay.h"
#include "gameflow/interaction.h"

#include <QDialog>

#include <functional>
#include <string_view>

class QLineEdit;

namespace yardmark {

/// "Record Time": "Minutes" and "Seconds", OK only.
class RecordTimeDialog final : public QDialog {
    Q_OBJECT

public:
    RecordTimeDialog(RecordTimeForm &form, QWidget *parent = nullptr);

protected:
    void reject() override; ///< Esc and the close box answer like OK: the dialog has nothing to cancel

private:
    RecordTimeForm &m_form;
    QLineEdit *m_minutes;
    QLineEdit *m_seconds;
};

} // namespace yardmark
