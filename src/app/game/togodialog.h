#pragma once

#include "gameflow/corrections.h"
#include "gameflow/insertplay.h"
#include "gameflow/interaction.h"

#include <QDialog>

#include <functional>
#include <string_view>

class QComboBox;
class QLineEdit;

namespace yardmark {

/// "To Go": the number field and its list.
class ToGoDialog final : public QDialog {
    Q_OBJECT

public:
    ToGoDialog(ToGoForm &form, QWidget *parent = nullptr);

private:
    ToGoForm &m_form;
    QLineEdit *m_number;
    QComboBox *m_list;
};

} // namespace yardmark
