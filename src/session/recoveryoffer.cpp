#include "recoveryoffer.h"

#include "records/recoverycopy.h"

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

} // namespace yardmark
