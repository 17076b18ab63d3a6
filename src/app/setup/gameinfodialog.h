#pragma once

#include "app/common/appcontext.h"
#include "app/common/textentry.h"
#include "season/gameinfoform.h"

#include <QDialog>

class QGridLayout;
class QLabel;
class QLineEdit;

namespace yardmark {

struct HtmlOptions;
class UserInterface;

/// "Edit Game Information": the date, start time, field, officials and
/// season of a game and its two teams. It works on the game it is opened on:
/// the teams chosen or edited change it at once, the boxes only when the
/// dialog ends with "&OK" or "St&art Game".
class GameInfoDialog final : public QDialog {
    Q_OBJECT

public:
    /// The result of "St&art Game" (OK is QDialog::Accepted).
    static constexpr int kStartGame = 2;

    GameInfoDialog(Game &game, const AppContext &context, QWidget *parent = nullptr);

    GameInfoForm form() const;
    void setForm(const GameInfoForm &form);

private:
    QLineEdit *addBox(const char *name, const char *caption, int maxLength);
    void chooseDate();
    void season(bool up);
    void selectTeam(bool home);
    void editTeam(bool home);
    void finish(GameInfoEnding ending);
    void showPanels();
    void warn(const Notice &notice);

    Game &m_game;
    const AppContext &m_context;
    UserInterface &m_ui;
    const HtmlOptions &m_html;
    GameInfoForm m_form;
    QGridLayout *m_grid = nullptr;
    QLineEdit *m_date = nullptr;
    QLineEdit *m_time = nullptr;
    QLineEdit *m_field = nullptr;
    QLineEdit *m_officials[7] = {};
    QLineEdit *m_season = nullptr;
    QLabel *m_homePanel = nullptr;
    QLabel *m_visitorPanel = nullptr;
};

} // namespace yardmark
