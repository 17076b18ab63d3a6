#include "entrydialog.h"

#include "gameflow/interaction.h"

#include <algorithm>

namespace yardmark {

namespace {

const std::vector<PlayerRecord> kNoRoster;

bool pickByName(PlayerEntry &entry, const std::vector<PlayerRecord> &roster, std::string_view name)
{
    const auto found =
        std::find_if(roster.begin(), roster.end(), [&](const PlayerRecord &player) { return player.name == name; });
    if (found == roster.end())
        return false;
    playerChosen(entry, roster, static_cast<int>(found - roster.begin()));
    return true;
}

} // namespace

void PlayEntryDialog::cancel()
{
    m_context.ui().playSound(kClickSound);
    m_closed = true;
    m_accepted = false;
}

void PlayEntryDialog::accept()
{
    m_closed = true;
    m_accepted = true;
}

const std::vector<PlayerRecord> &PlayEntryDialog::rowRoster(int row) const
{
    if (!rowEntry(row))
        return kNoRoster;
    return rowListsOffense(row) ? m_context.offense().players : m_context.defense().players;
}

const PlayerEntry &PlayEntryDialog::playerRow(int row) const
{
    static const PlayerEntry none;
    const PlayerEntry *entry = rowEntry(row);
    return entry ? *entry : none;
}

void PlayEntryDialog::typePlayerNumber(int row, std::string_view text)
{
    if (PlayerEntry *entry = rowEntry(row)) {
        entry->numberText = std::string(text);
        numberFieldLeft(*entry, rowRoster(row));
    }
}

bool PlayEntryDialog::choosePlayer(int row, int index)
{
    PlayerEntry *entry = rowEntry(row);
    const auto &roster = rowRoster(row);
    if (!entry || index < 0 || index >= static_cast<int>(roster.size()))
        return false;
    playerChosen(*entry, roster, index);
    rowPlayerChosen(row);
    return true;
}

bool PlayEntryDialog::pickPlayer(int row, std::string_view name)
{
    PlayerEntry *entry = rowEntry(row);
    if (!entry || !pickByName(*entry, rowRoster(row), name))
        return false;
    rowPlayerChosen(row);
    return true;
}

void PlayEntryDialog::clearPlayer(int row)
{
    if (PlayerEntry *entry = rowEntry(row))
        *entry = PlayerEntry{};
}

PlayerRecord PlayEntryDialog::resolveRow(int row, std::string_view role) const
{
    const PlayerEntry *entry = rowEntry(row);
    return entry ? resolvePlayerEntry(*entry, rowRoster(row), role, m_context.ui()) : PlayerRecord{};
}

bool FumbleEntryDialog::selectFumble(int slot)
{
    return yardmark::selectFumble(fumbleSection(), finalSpotEntry(), m_context, slot);
}

void FumbleEntryDialog::setRecoveredBy(std::optional<bool> home)
{
    yardmark::setRecoveredBy(fumbleSection(), home, recoveryPreset());
    if (home)
        recoveredByChecked();
}

void FumbleEntryDialog::typeRecovererNumber(std::string_view text)
{
    PlayerEntry &entry = fumbleSection().form.recoverer;
    entry.numberText = std::string(text);
    numberFieldLeft(entry, recovererRoster(fumbles(), m_context.game()));
}

bool FumbleEntryDialog::chooseRecoverer(int index)
{
    const auto &roster = recovererRoster(fumbles(), m_context.game());
    if (index < 0 || index >= static_cast<int>(roster.size()))
        return false;
    playerChosen(fumbleSection().form.recoverer, roster, index);
    return true;
}

bool FumbleEntryDialog::pickRecoverer(std::string_view name)
{
    return pickByName(fumbleSection().form.recoverer, recovererRoster(fumbles(), m_context.game()), name);
}

void FumbleEntryDialog::clearFumble()
{
    clearFumbleSection(fumbleSection());
}

} // namespace yardmark
