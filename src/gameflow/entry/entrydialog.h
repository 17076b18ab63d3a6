#pragma once

#include "gameflow/entry/fumbleentry.h"
#include "gameflow/playentrycontext.h"
#include "gameflow/playerentry.h"

#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace yardmark {

/// What every play entry dialog does the same way: it works on the play being
/// entered through its context, closes accepted or cancelled, and has rows of
/// player entry (number field, drop-down and "Clear" box) numbered by the
/// dialog's own row enumeration.
class PlayEntryDialog {
public:
    virtual ~PlayEntryDialog() = default;
    PlayEntryDialog(const PlayEntryDialog &) = delete;
    PlayEntryDialog &operator=(const PlayEntryDialog &) = delete;

    const PlayEntryContext &context() const { return m_context; }
    bool closed() const { return m_closed; }
    bool accepted() const { return m_accepted; }

    /// Cancel: the click sound; the dialog closes and nothing is recorded.
    void cancel();

    /// The roster a row's drop-down offers.
    const std::vector<PlayerRecord> &rowRoster(int row) const;
    /// A row's number field and drop-down as they stand.
    const PlayerEntry &playerRow(int row) const;

    /// A number typed into a row and left: the drop-down shows the first
    /// player wearing it, or nothing.
    void typePlayerNumber(int row, std::string_view text);
    /// A drop-down entry chosen: the number field takes its number. False for
    /// an index the list does not have.
    bool choosePlayer(int row, int index);
    /// The first roster entry named `name` chosen in a row's drop-down.
    bool pickPlayer(int row, std::string_view name);
    /// A row's "Clear" box: no player chosen, the number field empty.
    void clearPlayer(int row);

protected:
    explicit PlayEntryDialog(const PlayEntryContext &context) : m_context(context) {}

    /// OK succeeded: the dialog closes with the play recorded.
    void accept();
    /// The player a row stands for (`role` names it in messages).
    PlayerRecord resolveRow(int row, std::string_view role) const;

    /// The entry of a row, null for a row the dialog does not have.
    virtual const PlayerEntry *rowEntry(int row) const = 0;
    PlayerEntry *rowEntry(int row) { return const_cast<PlayerEntry *>(std::as_const(*this).rowEntry(row)); }
    /// Whether a row lists the offense (the kicking team on kicks).
    virtual bool rowListsOffense(int row) const = 0;
    /// A player was chosen in a row's drop-down (by index or by name).
    virtual void rowPlayerChosen(int /*row*/) {}

    PlayEntryContext m_context;

private:
    bool m_closed = false;
    bool m_accepted = false;
};

/// A play entry dialog with a fumble section and a Final Spot group.
class FumbleEntryDialog : public PlayEntryDialog {
public:
    const FumbleSection &fumbles() const { return fumbleSection(); }

    /// The selector chose another fumble; false, with the shown one kept, when
    /// it could not be saved.
    bool selectFumble(int slot);
    /// A "Recovered By:" box checked for a team, or unchecked (no value).
    void setRecoveredBy(std::optional<bool> home);
    void typeRecovererNumber(std::string_view text);
    bool chooseRecoverer(int index);
    bool pickRecoverer(std::string_view name);
    /// The section's "Clear" box.
    void clearFumble();
    void setRecoveredAt(const SpotEntry &spot) { fumbleSection().form.recoveredAt = spot; }
    void setReturnedTo(const SpotEntry &spot) { fumbleSection().form.returnedTo = spot; }

protected:
    using PlayEntryDialog::PlayEntryDialog;

    /// Saves the shown fumble at OK; false keeps the dialog open.
    bool saveFumbleAtOk() { return saveShownFumble(fumbleSection(), finalSpotEntry(), m_context); }

    virtual const FumbleSection &fumbleSection() const = 0;
    FumbleSection &fumbleSection() { return const_cast<FumbleSection &>(std::as_const(*this).fumbleSection()); }
    virtual const SpotEntry &finalSpotEntry() const = 0;
    SpotEntry &finalSpotEntry() { return const_cast<SpotEntry &>(std::as_const(*this).finalSpotEntry()); }
    /// Where a recovery is first placed when its team is checked.
    virtual FieldSpot recoveryPreset() const { return m_context.currentPlay().initialSpot; }
    /// A "Recovered By:" box was checked, after the section has been preset.
    virtual void recoveredByChecked() {}
};

} // namespace yardmark
