#include "recoveryoffer.h"

#include "gamewindow.h"
#include "mainwindow.h"
#include "opengamelock.h"
#include "records/recoverycopy.h"

#include <QScopeGuard>

namespace yardmark {

RecoveryChoice offerRecovery(UserInterface &ui, const std::filesystem::path &gameFile, Game &restored)
{
    std::filesystem::path damaged;
    std::optional<RecoveryOffer> offer = findRecovery(gameFile, defaultStateDir(), &damaged);
    if (!offer) {
        if (!damaged.empty()) {
            ui.playSound(kWarningSound);
            ui.message("The recovery copy of this game is damaged and cannot be restored:\n" + damaged.string() +
                           "\n\nThe game opens as it was last saved.",
                       "Recovery Copy Damaged", MessageButtons::Ok, MessageIcon::Warning);
        }
        return RecoveryChoice::NoCopy;
    }
    const std::string saved =
        offer->savedPlays < 0 ? "the game was never saved" : "the saved game " + std::to_string(offer->savedPlays);
    ui.playSound(kWarningSound);
    const MessageAnswer answer = ui.message(
        "This game has unsaved plays from a session that ended unexpectedly:\n" + gameFile.string() +
            "\n\nThe recovery copy holds " + std::to_string(offer->recovered.playCount()) + " plays, " + saved +
            ".\n\nYes restores the recovery copy, No opens the game as it was saved, Cancel opens neither.",
        "Restore Game?", MessageButtons::YesNoCancel, MessageIcon::Question);
    switch (answer) {
    case MessageAnswer::Yes:
        restored = std::move(offer->recovered);
        restored.isNewGame = false;
        return RecoveryChoice::Restore;
    case MessageAnswer::No:
        return RecoveryChoice::OpenSaved;
    default:
        return RecoveryChoice::Cancel;
    }
}

void offerLastGameRecovery(MainWindow &main, UserInterface &ui, const Settings &settings, SoundPlayer &sounds)
{
    const std::optional<std::filesystem::path> last = lastGame(defaultStateDir());
    if (!last || main.gameInProgress())
        return;
    // A game still open in another running program ended nothing: no offer.
    OpenGameLock &lock = OpenGameLock::of(main, ui);
    if (lock.claim(*last, false) != OpenGameLock::Access::Write)
        return;
    const auto opened = qScopeGuard([&lock] { lock.opened(); });
    Game restored;
    if (offerRecovery(ui, *last, restored) != RecoveryChoice::Restore)
        return;
    main.setCurrentGame(std::move(restored));
    openGameWindow(main, settings, sounds);
}

} // namespace yardmark
