#include "personalinfoform.h"

#include "base/text.h"
#include "records/recordcodec.h"
#include "records/roster.h"

namespace yardmark {
namespace {

bool validIndex(const Team &team, int index)
{
    return index >= 0 && index < team.playerCount() && static_cast<std::size_t>(index) < team.personalInfo.size();
}

} // namespace

AddressRow addressRow(const Team &team, int index)
{
    if (index < 0 || index >= team.playerCount())
        return {};
    // A roster-only team has no details: its players show with empty ones.
    static const PersonalInfo kNoDetails;
    const PersonalInfo &info = validIndex(team, index) ? team.personalInfo[index] : kNoDetails;
    return {team.players[index].name,
            info.phone,
            monthDayYearText(info.birthMonth, info.birthDay, info.birthYear),
            info.address,
            info.city,
            info.state,
            info.zip,
            info.email,
            info.note};
}

CalendarDate shownBirthday(const PersonalInfo &info, const DateTime &today)
{
    if (info.birthMonth < 1 || info.birthMonth > 12 || info.birthDay < 1 || info.birthDay > 31 || info.birthYear < 0 ||
        info.birthYear > 9999)
        return dateOf(today);
    return CalendarDate{info.birthMonth, info.birthDay, info.birthYear};
}

void selectAddressRow(PersonalInfoForm &form, const Team &team, int index, const DateTime &today)
{
    clearPersonalInfoBoxes(form);
    form.selected = -1;
    if (!validIndex(team, index)) {
        form.birthday = monthDayYearText(dateOf(today));
        return;
    }
    const PersonalInfo &info = team.personalInfo[index];
    form.selected = index;
    form.name = team.players[index].name;
    form.birthday = monthDayYearText(shownBirthday(info, today));
    form.phone = info.phone;
    form.address = info.address;
    form.city = info.city;
    form.state = info.state;
    form.zip = info.zip;
    form.email = info.email;
    form.note = info.note;
}

bool finishPersonalInfo(PersonalInfoForm &form, Team &team, const DateTime &today)
{
    if (!validIndex(team, form.selected))
        return false;
    PersonalInfoForm shown = form;
    selectAddressRow(shown, team, form.selected, today);
    return shown != form && updatePersonalInfo(form, team, today);
}

bool updatePersonalInfo(PersonalInfoForm &form, Team &team, const DateTime &today)
{
    if (!validIndex(team, form.selected))
        return false;
    team.players[form.selected].name = fitText(form.name, kNameWidth);
    PersonalInfo &info = team.personalInfo[form.selected];
    const CalendarDate birthday = typedDateOrToday(form.birthday, today);
    info.birthYear = birthday.year;
    info.birthDay = static_cast<std::uint8_t>(birthday.day);
    info.birthMonth = static_cast<std::uint8_t>(birthday.month);
    info.phone = fitText(form.phone, kPhoneWidth);
    info.address = fitText(form.address, kAddressWidth);
    info.city = fitText(form.city, kCityWidth);
    info.state = fitText(form.state, kStateWidth);
    info.zip = fitText(form.zip, kZipWidth);
    info.email = fitText(form.email, kEmailWidth);
    info.note = fitText(form.note, kNoteWidth);

    // A renamed player takes his place in the roster's name order.
    const PlayerRecord player = team.players[form.selected];
    const PersonalInfo details = info;
    sortRoster(team, RosterSortKey::Name);
    for (int i = 0; i < team.playerCount(); ++i) {
        if (team.players[i] == player && team.personalInfo[i] == details) {
            form.selected = i;
            break;
        }
    }
    return true;
}

void sortAddressList(PersonalInfoForm &form, Team &team, int column)
{
    static constexpr RosterSortKey kKeys[kAddressColumnCount] = {
        RosterSortKey::Name,    RosterSortKey::Phone, RosterSortKey::Birthday,
        RosterSortKey::Address, RosterSortKey::City,  RosterSortKey::State,
        RosterSortKey::Zip,     RosterSortKey::Email, RosterSortKey::Note,
    };
    if (column < 0 || column >= kAddressColumnCount)
        return;
    bool &descending = form.sortDescending[column];
    sortRoster(team, kKeys[column], !descending);
    descending = !descending;
    form.selected = -1;
}

void clearPersonalInfoBoxes(PersonalInfoForm &form)
{
    for (std::string *box : {&form.name, &form.birthday, &form.phone, &form.address, &form.city, &form.state, &form.zip,
                             &form.email, &form.note})
        box->clear();
}

std::string mailToAddress(const PersonalInfoForm &form)
{
    return "MailTo:" + fitText(form.email, kEmailWidth);
}

} // namespace yardmark
