#pragma once

#include "gameflow/corrections.h"
#include "gameflow/insertplay.h"
#include "gameflow/interaction.h"

#include <QDialog>

#include <functional>
#include <string_view>

class QRadioButton;

namespace yardmark {

/// The choose-a-team dialog: "Who Kicks Off in First Half?" and the like.
class PickTeamDialog final : public QDialog {
    Q_OBJECT

public:
    PickTeamDialog(std::string_view title, std::string_view homeName, std::string_view visitorName, bool homeChecked,
                   QWidget *parent = nullptr);
    /// The team chosen; Cancelled unless the dialog was accepted.
    TeamChoice choice() const;

private:
    QRadioButton *m_home;
};

} // namespace yardmark
