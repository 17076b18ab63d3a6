#pragma once

#include "base/userinterface.h"
#include "records/game.h"
#include "records/settings.h"

#include <filesystem>

namespace yardmark {

/// What the scorer chose when a game had unsaved plays from a session that
/// ended unexpectedly.
enum class RecoveryChoice { NoCopy, Restore, OpenSaved, Cancel };

/// Offers the recovery copy of `gameFile` when one is newer than the game:
/// Yes restores it into `restored` (a changed game, named after the game
/// file), No keeps to the saved game, Cancel opens neither. A damaged copy is
/// reported and the saved game opens.
RecoveryChoice offerRecovery(UserInterface &ui, const std::filesystem::path &gameFile, Game &restored);

} // namespace yardmark
