#pragma once

#include "records/team.h"

#include <string>

namespace yardmark {

inline PersonalInfo contact(const std::string &phone, int month, int day, int year, const std::string &email,
                            const std::string &note)
{
    PersonalInfo info;
    info.phone = phone;
    info.address = "12 Main St";
    info.city = "Springfield";
    info.state = "IL";
    info.zip = "62701";
    info.birthMonth = static_cast<std::uint8_t>(month);
    info.birthDay = static_cast<std::uint8_t>(day);
    info.birthYear = year;
    info.email = email;
    info.note = note;
    return info;
}

/// Three players: one with a number, one without ("00", and no valid
/// birthday), one born on a date the calendar does not have.
inline Team threePlayers()
{
    Team team;
    team.rosterOnly = false;
    team.name = "Eagles & Co";
    team.players = {PlayerRecord{"Adams", 12, 0, 0, 0}, PlayerRecord{"Baker", -1, 0, 0, 0},
                    PlayerRecord{"Cole", 7, 0, 0, 0}};
    team.personalInfo = {contact("555-0101", 4, 15, 2008, "adams@example.com", "left-handed"),
                         contact("555-0102", 0, 0, 0, "", ""),
                         contact("555-0103", 2, 30, 1990, "c@x.org", "Apt 4, rear")};
    return team;
}

} // namespace yardmark
