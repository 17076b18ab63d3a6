#pragma once

#include "calendardate.h"

#include "base/datetime.h"
#include "records/team.h"

#include <array>
#include <string>

namespace yardmark {

inline constexpr int kAddressColumnCount = 9;

/// What the "Players Personal Info" dialog's boxes hold, as typed, and the
/// list row selected (-1 for none).
struct PersonalInfoForm {
    std::string name;
    std::string birthday;
    std::string phone;
    std::string address;
    std::string city;
    std::string state;
    std::string zip;
    std::string email;
    std::string note;
    int selected = -1;
    /// The direction of each column's next sort: ascending at first.
    std::array<bool, kAddressColumnCount> sortDescending{};

    bool operator==(const PersonalInfoForm &) const = default;
};

/// One list row: name, phone, birthday, address, city, state, zip, e-mail, note.
using AddressRow = std::array<std::string, kAddressColumnCount>;

/// The row of player `index`, the birthday as stored ("%d/%d/%d").
AddressRow addressRow(const Team &team, int index);

/// A stored birthday as the boxes show it: today's date when the month is
/// outside 1-12, the day outside 1-31 or the year outside 0-9999.
CalendarDate shownBirthday(const PersonalInfo &info, const DateTime &today);

/// A click on a list row (or -1): the player's name and details fill the boxes;
/// with no player selected the boxes are cleared and the birthday shows today.
void selectAddressRow(PersonalInfoForm &form, const Team &team, int index, const DateTime &today);

/// "&Update Info": the boxes become the selected player's name and personal
/// information; a typed birthday out of range stores today's date. The roster
/// is sorted by name again and the selection follows the player. False when
/// no player is selected.
bool updatePersonalInfo(PersonalInfoForm &form, Team &team, const DateTime &today);

/// "&OK": boxes typed for the selected player and not yet stored with
/// "&Update Info" are stored now (as Update Info stores them), so that what
/// the dialog shows when it closes is what the team keeps. Boxes that still
/// show what selecting the player showed change nothing (a birthday shown as
/// today for a date out of range stays as stored). True when it stored.
bool finishPersonalInfo(PersonalInfoForm &form, Team &team, const DateTime &today);

/// A click on the header of list column `column`: the roster is sorted by
/// that column, each player keeping his details, and the column's direction
/// flips for the next click. The rows move, so the selection is lost.
void sortAddressList(PersonalInfoForm &form, Team &team, int column);

/// "C&lear Boxes".
void clearPersonalInfoBoxes(PersonalInfoForm &form);

/// The address the "e&mail" button asks the system to open: "MailTo:" and the
/// e-mail box (up to 49 characters).
std::string mailToAddress(const PersonalInfoForm &form);

} // namespace yardmark
