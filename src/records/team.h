#pragma once

#include "playrecord.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace yardmark {

/// A player's address-book entry.
struct PersonalInfo {
    std::string phone;
    std::string address;
    std::string city;
    std::string state;
    std::string zip;
    std::int32_t birthYear = 0;
    std::uint8_t birthDay = 0;
    std::uint8_t birthMonth = 0;
    std::string email;
    std::string note;

    bool operator==(const PersonalInfo &) const = default;
};

/// A new entry: all texts empty, the birthday today.
PersonalInfo newPersonalInfo();

/// A team with its staff and roster. `personalInfo[i]` belongs to `players[i]`;
/// every roster operation keeps the two in step.
struct Team {
    std::vector<PlayerRecord> players;
    std::vector<PersonalInfo> personalInfo;
    std::int32_t fileSize = 0;
    bool rosterOnly = true; ///< teams inside a game carry no personal information
    std::string fileName;
    std::string name;
    std::string coach;
    std::string assistant;
    std::string logoFile = "default.bmp";
    std::array<std::int32_t, 3> reserved{};
    std::string currentQuarterback;
    std::string currentKicker;
    std::string currentFieldGoalKicker;
    std::string currentPunter;

    int playerCount() const { return static_cast<int>(players.size()); }
    bool operator==(const Team &) const = default;
};

} // namespace yardmark
