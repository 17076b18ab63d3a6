#pragma once

#include "gameflow/spotentry.h"

#include <QBoxLayout>
#include <QDialog>
#include <QGroupBox>

#include <functional>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class QButtonGroup;
class QComboBox;
class QGridLayout;
class QLineEdit;

namespace yardmark {

class FumblePlayEntry;
class PlayEntry;
struct Game;

/// What the play dialogs share: a thin mapping of controls to a play entry of
/// the core. Every control fires the entry's handler and then every control
/// is shown again from the entry's form, so linked fields follow at once and
/// no rule lives here. OK asks the entry (which may keep the dialog open),
/// Cancel and Esc cancel it.
///
/// A text field reaches its entry when the scorer leaves it; a dialog can
/// also be accepted without leaving the field (the OK accelerator, a screen
/// reader's press, a text set through the accessibility interface), so OK
/// first hands the entry every field that no longer shows what the form
/// holds: what the dialog shows when it is accepted is what is recorded.
class PlayDialog : public QDialog {
    Q_OBJECT

public:
    PlayDialog(PlayEntry &entry, const Game &game, const std::string &caption, QWidget *parent);
    /// A field losing its focus while the dialog goes away commits nothing:
    /// the play was taken or dropped already.
    ~PlayDialog() override;

    /// Shows every control from the entry's form.
    void reload();

protected:
    void reject() override;

    /// A player row: label, number field, roster drop-down and "Clear" box,
    /// added to `grid`. `name` names the controls ("rusherNumber", ...).
    QLineEdit *addPlayerRow(QGridLayout &grid, const char *name, const QString &label, int row);
    /// A spot group: Home and Visitor radios with the team names and a "Yard
    /// Line" field; `set` runs when the scorer leaves the field or picks a side.
    QGroupBox *spotGroup(const char *name, const QString &title, std::function<SpotEntry()> get,
                         std::function<void(const SpotEntry &)> set);
    /// A text field whose `set` runs when the scorer leaves it.
    QLineEdit *textField(const char *name, std::function<std::string()> get, std::function<void(std::string_view)> set);
    /// Radio buttons, one per caption; `choose` gets the index clicked.
    QGroupBox *radioGroup(const char *name, const QString &title, const std::vector<QString> &captions,
                          std::function<int()> get, std::function<void(int)> choose);
    /// The fumble section: selector, "Recovered By:" boxes, recoverer, spots.
    QGroupBox *fumbleGroup(FumblePlayEntry &entry);
    /// OK and Cancel; `ok` runs the entry's OK and says whether it closed.
    QWidget *buttons(std::function<bool()> ok, const QString &cancelCaption = QStringLiteral("Cancel"));

    /// The "Final Spot" group of every play that ends with the ball somewhere.
    template <typename Entry> QGroupBox *finalSpotGroup(Entry &entry)
    {
        return spotGroup(
            "finalSpot", QStringLiteral("Final Spot"), [&entry] { return entry.form().finalSpot; },
            [&entry](const SpotEntry &spot) { entry.setFinalSpot(spot); });
    }
    /// The "Result" radios of a kick, one per value of its result enumeration.
    template <typename Result, typename Entry>
    QGroupBox *resultGroup(Entry &entry, const std::vector<QString> &captions)
    {
        return radioGroup(
            "result", QStringLiteral("Result"), captions, [&entry] { return static_cast<int>(entry.form().result); },
            [&entry](int index) { entry.chooseResult(static_cast<Result>(index)); });
    }
    /// The last rows of a play that can be fumbled: the fumble section, then
    /// OK and Cancel. Gives the fumble section for the tab order.
    template <typename Entry> QGroupBox *addFumblesAndButtons(QBoxLayout &layout, Entry &entry)
    {
        QGroupBox *fumbles = fumbleGroup(entry);
        layout.addWidget(fumbles);
        layout.addWidget(buttons([&entry] { return entry.ok(); }));
        return fumbles;
    }

    /// Runs a handler, then shows the form again.
    void fire(const std::function<void()> &handler);
    /// Hands `commit` the text of `edit` when the scorer leaves it, and at OK
    /// when it differs from `shown` (what the form last gave the field).
    void commitText(QLineEdit *edit, std::function<std::string()> shown, std::function<void(std::string)> commit);
    /// Commits every field whose text differs from the form's, each with the
    /// text it showed before any of them changed the form.
    void commitChangedFields();
    void onReload(std::function<void()> loader) { m_loaders.push_back(std::move(loader)); }

    QString teamName(bool home) const;

private:
    PlayEntry &m_entry;
    const Game &m_game;
    struct TextField {
        QLineEdit *edit;
        std::function<std::string()> shown;
        std::function<void(std::string)> commit;
    };

    std::vector<std::function<void()>> m_loaders;
    std::vector<TextField> m_textFields;
    bool m_reloading = false;
};

/// A drop-down of a code list, whose index is the code.
QComboBox *codeList(const char *name, std::span<const std::string_view> texts);

/// Tab order as the scorer reads the play: who, what, where, then the rest.
void chainTabs(std::initializer_list<QWidget *> widgets);

/// `field` with its label before it, the label its buddy.
QWidget *labelled(const QString &text, QWidget *field);

} // namespace yardmark
