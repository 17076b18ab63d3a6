#pragma once

#include "gameflow/corrections.h"
#include "gameflow/insertplay.h"
#include "gameflow/interaction.h"

#include <QDialog>

#include <functional>
#include <string_view>

namespace yardmark {

/// "Insert Play": ten radio buttons, none checked at first. A kind whose
/// entry dialog the program does not offer is left out.
class InsertPlayDialog final : public QDialog {
    Q_OBJECT

public:
    InsertPlayDialog(InsertPlayForm &form, const std::function<bool(InsertKind)> &offered, QWidget *parent = nullptr);
};

} // namespace yardmark
