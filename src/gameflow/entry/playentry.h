#pragma once

#include "gameflow/entry/fumbleentry.h"
#include "gameflow/playentrycontext.h"
#include "gameflow/playerentry.h"

#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace yardmark {

/// What every play entry does the same way, the play buttons' dialogs and Edit
/// Play alike: it closes accepted or cancelled, and has rows of player entry
/// (number field, drop-down and "Clear" box) numbered by its own row
/// enumeration. The window and a script work it with the same verbs.
class PlayEntry {
public:
    virtual ~PlayEntry() = default;
    PlayEntry(const PlayEntry &) = delete;
    PlayEntry &operator=(const PlayEntry &) = delete;

    bool closed() const { return m_closed; }
    bool accepted() const { return m_accepted; }

    /// Cancel: the click sound; the dialog closes and nothing is recorded.
    void cancel();

    /// The roster a row's drop-down offers (none for a row the entry lacks).
    virtual const std::vector<PlayerRecord> &rowRoster(int row) const = 0;
    /// A row's number field and drop-down as they stand.
    const PlayerEntry &playerRow(int row) const;

    /// A number typed into a row and left: the drop-down shows the first
    /// player wearing it, or nothing.
    void typePlayerNumber(int row, std::string_view text);
    /// A drop-down entry chosen: the number field takes its number. False for
    /// an index the list does not have.
    bool choosePlayer(int row, int index);
    /// The first roster entry named `name` chosen in a row's drop-down, as a
    /// scorer going down the list reaches it.
    bool pickPlayer(int row, std::string_view name);
    /// A row's "Clear" box: no player chosen, the number field empty.
    void clearPlayer(int row);

protected:
    PlayEntry(Interaction &ui, const Game &game) : m_ui(ui), m_game(game) {}

    Interaction &ui() const { return m_ui; }
    const Game &game() const { return m_game; }

    /// OK succeeded: the dialog closes with the play recorded.
    void accept();
    /// The player a row stands for (`role` names it in messages).
    PlayerRecord resolveRow(int row, std::string_view role) const;

    /// The entry of a row, null for a row the dialog does not have.
    virtual const PlayerEntry *rowEntry(int row) const = 0;
    PlayerEntry *rowEntry(int row) { return const_cast<PlayerEntry *>(std::as_const(*this).rowEntry(row)); }
    /// A player was chosen in a row's drop-down (by index or by name).
    virtual void rowPlayerChosen(int /*row*/) {}

private:
    Interaction &m_ui;
    const Game &m_game;
    bool m_closed = false;
    bool m_accepted = false;
};

/// A play entry with a fumble section: the selector over the play's three
/// fumble slots and the controls of the one shown.
class FumblePlayEntry : public PlayEntry {
public:
    const FumbleSection &fumbles() const { return fumbleSection(); }

    /// The selector chose another fumble: the shown one is stored first and,
    /// when that fails, the selector stays where it was (false).
    bool selectFumble(int slot);
    /// A "Recovered By:" box checked for a team, or unchecked (no value).
    void setRecoveredBy(std::optional<bool> home);
    void typeRecovererNumber(std::string_view text);
    bool chooseRecoverer(int index);
    /// The first entry named `name` in the recoverer's drop-down.
    bool pickRecoverer(std::string_view name);
    /// The section's "Clear" box.
    void clearFumble();
    void setRecoveredAt(const SpotEntry &spot) { fumbleSection().form.recoveredAt = spot; }
    void setReturnedTo(const SpotEntry &spot) { fumbleSection().form.returnedTo = spot; }

    /// The roster the recoverer's drop-down offers: the checked team's, else none.
    virtual const std::vector<PlayerRecord> &recovererRoster() const;

protected:
    using PlayEntry::PlayEntry;

    virtual const FumbleSection &fumbleSection() const = 0;
    FumbleSection &fumbleSection() { return const_cast<FumbleSection &>(std::as_const(*this).fumbleSection()); }
    /// The play whose fumble slots the section shows.
    virtual const PlayRecord &fumblePlay() const = 0;
    /// Writes the shown fumble into its slot; false (the scorer told) when a
    /// recovery lacks its spot.
    virtual bool storeShownFumble() = 0;
    /// Where both spots are placed when a team is checked; none leaves them.
    virtual std::optional<FieldSpot> recoveryPreset() const { return std::nullopt; }
    /// A "Recovered By:" box was checked, after the section has been preset.
    virtual void recoveredByChecked() {}
};

/// The entry of a play button, working on the play being entered through its
/// context; its rows list the offense (the kicking team on kicks) or the
/// defense.
template <typename Base> class CurrentPlayEntry : public Base {
public:
    const PlayEntryContext &context() const { return m_context; }

    const std::vector<PlayerRecord> &rowRoster(int row) const override
    {
        static const std::vector<PlayerRecord> none;
        if (!this->rowEntry(row))
            return none;
        return rowListsOffense(row) ? m_context.offense().players : m_context.defense().players;
    }

protected:
    explicit CurrentPlayEntry(const PlayEntryContext &context) : Base(context.ui(), context.game()), m_context(context)
    {
    }

    /// Whether a row lists the offense (the kicking team on kicks).
    virtual bool rowListsOffense(int row) const = 0;

    PlayEntryContext m_context;
};

/// A play button's entry with a fumble section and a Final Spot group: a
/// stored fumble ends the play where its return ended.
class CurrentPlayFumbleEntry : public CurrentPlayEntry<FumblePlayEntry> {
protected:
    using CurrentPlayEntry::CurrentPlayEntry;

    /// Saves the shown fumble at OK; false keeps the dialog open.
    bool saveFumbleAtOk() { return storeShownFumble(); }

    virtual const SpotEntry &finalSpotEntry() const = 0;
    SpotEntry &finalSpotEntry() { return const_cast<SpotEntry &>(std::as_const(*this).finalSpotEntry()); }

    const PlayRecord &fumblePlay() const override { return m_context.currentPlay(); }
    bool storeShownFumble() override { return saveShownFumble(fumbleSection(), finalSpotEntry(), m_context); }
    std::optional<FieldSpot> recoveryPreset() const override { return m_context.currentPlay().initialSpot; }
};

} // namespace yardmark
