#pragma once

#include "app/common/appcontext.h"
#include "gameflow/entry/runplayentry.h"
#include "records/game.h"

class QWidget;

namespace yardmark {

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
