#include "addresslistprintout.h"

#include "vocabulary/vocabulary.h"

namespace yardmark {

std::vector<std::string> phoneBlock(const PlayerRecord &player, const PersonalInfo &info)
{
    const std::string number = player.number < 0 ? "00" : std::to_string(player.number);
    std::vector<std::string> lines{"#" + number + ", " + player.name + ", " +
                                   std::string(positionName(player.offensivePosition))};
    auto add = [&lines](const std::string &line) {
        if (!line.empty())
            lines.push_back(line);
    };
    add(info.address);
    if (!info.city.empty() || !info.state.empty() || !info.zip.empty())
        lines.push_back(info.city + ", " + info.state + " " + info.zip);
    add(info.phone);
    // A zero-filled entry (a player added from a game's roster) has no birthday.
    if (info.birthYear != 0 || info.birthMonth != 0 || info.birthDay != 0)
        lines.push_back(std::to_string(info.birthMonth) + "/" + std::to_string(info.birthDay) + "/" +
                        std::to_string(info.birthYear));
    add(info.email);
    add(info.note);
    return lines;
}

AddressListPrintout::AddressListPrintout(std::string title, const Team &team) : Printout(std::move(title))
{
    for (std::size_t i = 0; i < team.players.size(); ++i)
        m_blocks.push_back(
            phoneBlock(team.players[i], i < team.personalInfo.size() ? team.personalInfo[i] : PersonalInfo{}));
}

bool AddressListPrintout::drawPage(PageSurface &surface, int page)
{
    const int headerBottom = drawPageHeader(surface, page, title());
    surface.setFont(arialFont(surface.pageWidth() / 50));
    const int line = surface.lineHeight();
    const int left = margin(surface);
    int y = headerBottom + 2 * line;
    const std::size_t first = m_next;
    while (m_next < m_blocks.size()) {
        const std::vector<std::string> &block = m_blocks[m_next];
        // A block needs its own lines and six more above the bottom edge; one
        // that cannot have them even on a fresh page is printed all the same.
        const int needed = (static_cast<int>(block.size()) + 6) * line;
        if (y + needed > surface.pageHeight() && m_next != first)
            break;
        for (const std::string &text : block) {
            surface.drawText(left, y, text);
            y += line;
        }
        y += 2 * line;
        ++m_next;
    }
    return m_next < m_blocks.size();
}

} // namespace yardmark
