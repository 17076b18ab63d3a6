#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;

namespace yardmark {

class GameFlow;
class QuickEntryRunner;

/// The quick-entry line of the game window: a play typed in the short
/// notation ("r 22 7") is recorded through the same entries as the dialogs.
/// A line that cannot be read stays for correction with the reason shown;
/// a recorded play shows its narration at once. While typing, the players
/// wearing the number being typed are listed.
class QuickEntryBar : public QWidget {
    Q_OBJECT

public:
    QuickEntryBar(GameFlow &flow, QuickEntryRunner &runner, QWidget *parent = nullptr);

    QLineEdit *line() const { return m_line; }
    /// What the bar last said: the narration, the reason or the hint.
    QString message() const;

    /// Runs the line as Enter does.
    void enter();

protected:
    void changeEvent(QEvent *event) override;

private:
    void showHint(const QString &text);
    /// The reason a line was not taken, or the message after it in the text colour.
    void showMessage(const QString &text, bool error);

    GameFlow &m_flow;
    QuickEntryRunner &m_runner;
    QLineEdit *m_line = nullptr;
    QLabel *m_message = nullptr;
    bool m_showsError = false;
};

} // namespace yardmark
