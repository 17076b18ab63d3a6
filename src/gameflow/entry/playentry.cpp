#include "playentry.h"

#include "gameflow/interaction.h"

#include <algorithm>

namespace yardmark {

namespace {

bool pickByName(PlayerEntry &entry, const std::vector<PlayerRecord> &roster, std::string_view name)
{
    const auto found =
        std::find_if(roster.begin(), roster.end(), [&](const PlayerRecord &player) { return player.name == name; });
    if (found == roster.end())
        return false;
    playerChosen(entry, roster, static_cast<int>(found - roster.begin()));
    return true;
}

bool inRoster(const std::vector<PlayerRecord> &roster, int index)
{
    return index >= 0 && index < static_cast<int>(roster.size());
}

} // namespace

void PlayEntry::cancel()
{
    m_ui.playSound(kClickSound);
    m_closed = true;
    m_accepted = false;
}

void PlayEntry::accept()
{
    m_closed = true;
    m_accepted = true;
}

const PlayerEntry &PlayEntry::playerRow(int row) const
{
    static const PlayerEntry none;
    const PlayerEntry *entry = rowEntry(row);
    return entry ? *entry : none;
}

void PlayEntry::typePlayerNumber(int row, std::string_view text)
{
    if (PlayerEntry *entry = rowEntry(row)) {
        entry->numberText = std::string(text);
        numberFieldLeft(*entry, rowRoster(row));
    }
}

bool PlayEntry::choosePlayer(int row, int index)
{
    PlayerEntry *entry = rowEntry(row);
    const auto &roster = rowRoster(row);
    if (!entry || !inRoster(roster, index))
        return false;
    playerChosen(*entry, roster, index);
    rowPlayerChosen(row);
    return true;
}

bool PlayEntry::pickPlayer(int row, std::string_view name)
{
    PlayerEntry *entry = rowEntry(row);
    if (!entry || !pickByName(*entry, rowRoster(row), name))
        return false;
    rowPlayerChosen(row);
    return true;
}

void PlayEntry::clearPlayer(int row)
{
    if (PlayerEntry *entry = rowEntry(row))
        *entry = PlayerEntry{};
}

PlayerRecord PlayEntry::resolveRow(int row, std::string_view role) const
{
    const PlayerEntry *entry = rowEntry(row);
    return entry ? resolvePlayerEntry(*entry, rowRoster(row), role, m_ui) : PlayerRecord{};
}

bool FumblePlayEntry::selectFumble(int slot)
{
    if (slot < 0 || slot >= kMaxFumbles || !storeShownFumble())
        return false;
    FumbleSection &section = fumbleSection();
    section.shown = slot;
    section.form = showFumble(fumblePlay(), slot, game());
    return true;
}

void FumblePlayEntry::setRecoveredBy(std::optional<bool> home)
{
    const std::optional<FieldSpot> preset = recoveryPreset();
    if (preset)
        yardmark::setRecoveredBy(fumbleSection(), home, *preset);
    else
        checkRecoveredBy(fumbleSection().form, home);
    if (home)
        recoveredByChecked();
}

void FumblePlayEntry::typeRecovererNumber(std::string_view text)
{
    PlayerEntry &entry = fumbleSection().form.recoverer;
    entry.numberText = std::string(text);
    numberFieldLeft(entry, recovererRoster());
}

bool FumblePlayEntry::chooseRecoverer(int index)
{
    const auto &roster = recovererRoster();
    if (!inRoster(roster, index))
        return false;
    playerChosen(fumbleSection().form.recoverer, roster, index);
    return true;
}

bool FumblePlayEntry::pickRecoverer(std::string_view name)
{
    return pickByName(fumbleSection().form.recoverer, recovererRoster(), name);
}

void FumblePlayEntry::clearFumble()
{
    clearFumbleSection(fumbleSection());
}

const std::vector<PlayerRecord> &FumblePlayEntry::recovererRoster() const
{
    return yardmark::recovererRoster(fumbleSection(), game());
}

} // namespace yardmark
