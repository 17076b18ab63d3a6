#include "team.h"

#include "base/datetime.h"

namespace yardmark {

PersonalInfo newPersonalInfo()
{
    const DateTime today = currentDateTime();
    PersonalInfo info;
    info.birthYear = today.year;
    info.birthDay = static_cast<std::uint8_t>(today.day);
    info.birthMonth = static_cast<std::uint8_t>(today.month);
    return info;
}

} // namespace yardmark
