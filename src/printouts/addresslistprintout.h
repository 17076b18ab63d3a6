#pragma once

#include "printout.h"

#include "records/team.h"

#include <cstddef>
#include <string>
#include <vector>

namespace yardmark {

/// A team's address and phone list: for every player in roster order a block
/// of lines, the number line and then only the contact details he has. A
/// block never breaks across pages.
class AddressListPrintout : public Printout {
public:
    AddressListPrintout(std::string title, const Team &team);

private:
    bool drawPage(PageSurface &surface, int page) override;
    void rewind() override { m_next = 0; }

    std::vector<std::vector<std::string>> m_blocks;
    std::size_t m_next = 0;
};

/// The lines of one player's block.
std::vector<std::string> phoneBlock(const PlayerRecord &player, const PersonalInfo &info);

} // namespace yardmark
