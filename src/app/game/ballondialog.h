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

/// "Ball On": the number field, its list and the two team radios.
class BallOnDialog final : public QDialog {
    Q_OBJECT

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

} // namespace yardmark
