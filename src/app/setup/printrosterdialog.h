#pragma once

#include <QDialog>

#include <string>

class QButtonGroup;

namespace yardmark {

class UserInterface;

/// "Print Roster" / "Print Starters": which team of the current game to
/// print (when there is one) and, for the starters, which starters; it ends
/// with "&Print..." (Accepted) or "Pre&view..." (kPreview).
class PrintRosterDialog final : public QDialog {
    Q_OBJECT

public:
    static constexpr int kPreview = 2;

    /// Without team names only the starters (if asked) are chosen.
    PrintRosterDialog(bool starters, const std::string *homeName, const std::string *visitorName, UserInterface &ui,
                      QWidget *parent = nullptr);

    /// 1002 first team only, 1003 second team only, 0 both.
    int teamChoice() const;
    /// 0 the whole roster, else the starter status printed.
    int starterStatus() const;

private:
    QButtonGroup *m_teams = nullptr;
    QButtonGroup *m_status = nullptr;
};

} // namespace yardmark
