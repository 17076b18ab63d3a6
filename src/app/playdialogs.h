#pragma once

#include "appcontext.h"
#include "gameflow/entry/runplayentry.h"
#include "playdialog.h"

#include <functional>

namespace yardmark {

class FieldGoalEntry;
class KickOffEntry;
class PassEntry;
class PenaltyEntry;
class PuntEntry;
class RushEntry;

/// The Rush dialog ("Rush", or the try by rush).
class RushClass : public PlayDialog {
public:
    RushClass(RushEntry &entry, const Game &game, QWidget *parent = nullptr);
};

/// The Pass dialog ("Pass", or the try by pass).
class PassClass : public PlayDialog {
public:
    PassClass(PassEntry &entry, const Game &game, QWidget *parent = nullptr);
};

/// The "Kick Off" dialog with the onside kick.
class KickOffClass : public PlayDialog {
public:
    KickOffClass(KickOffEntry &entry, const Game &game, QWidget *parent = nullptr);
};

/// The "Punt" dialog.
class PuntClass : public PlayDialog {
public:
    PuntClass(PuntEntry &entry, const Game &game, QWidget *parent = nullptr);
};

/// The "Field Goal Attempt" dialog, also the extra point attempt.
class FieldGoalClass : public PlayDialog {
public:
    FieldGoalClass(FieldGoalEntry &entry, const Game &game, QWidget *parent = nullptr);
};

/// The "Penalty" dialog; the offensive and the defensive one differ only in
/// their entry.
class PenaltyDialog : public PlayDialog {
public:
    PenaltyDialog(PenaltyEntry &entry, const Game &game, QWidget *parent = nullptr);
};
class OffensivePenaltyClass : public PenaltyDialog {
public:
    using PenaltyDialog::PenaltyDialog;
};
class DefensivePenaltyClass : public PenaltyDialog {
public:
    using PenaltyDialog::PenaltyDialog;
};

/// The scorer at a play button: the play's dialog, run modally over the game
/// window. Tests replace the runner to type into the dialog.
class QtPlayEntryWorker : public PlayEntryWorker {
public:
    QtPlayEntryWorker(const AppContext &context, const Game &game, QWidget *parent)
        : m_context(context), m_game(game), m_parent(parent)
    {
    }

    void work(RushEntry &entry) override;
    void work(PassEntry &entry) override;
    void work(PenaltyEntry &entry) override;
    void work(KickOffEntry &entry) override;
    void work(PuntEntry &entry) override;
    void work(FieldGoalEntry &entry) override;

private:
    /// Shows a `Dialog` over `entry` through the program's dialog runner.
    template <typename Dialog, typename Entry> void show(Entry &entry);

    const AppContext &m_context;
    const Game &m_game;
    QWidget *m_parent;
};

} // namespace yardmark
