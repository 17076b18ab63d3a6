#pragma once

#include "printout.h"

#include "stats/individualstatsreport.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace yardmark {

/// The category choice that prints every category, one after the other.
inline constexpr int kAllStatCategories = -1;

/// The individual statistics: per category a star box with its title, the
/// column header, a rule and the players' rows, the TEAM TOTALS row below a
/// rule. With all categories a section starts when the one before it is done,
/// unless its box and header would end the page with no row under them: then
/// it starts on the next page. A section that runs on over a page repeats its
/// column header there. `coverage` ("7 games"), when given, heads the first page.
class IndividualStatsPrintout : public Printout {
public:
    IndividualStatsPrintout(std::string title, const Stat &stat, int category, std::string coverage = {});

private:
    struct Section {
        int category = 0;
        std::vector<std::string> rows;
        bool totals = false; ///< the last row is the TEAM TOTALS line
    };

    bool drawPage(PageSurface &surface, int page) override;
    void rewind() override;

    std::string m_coverage;
    std::vector<Section> m_sections;
    std::size_t m_section = 0; ///< the section in progress
    std::size_t m_nextRow = 0; ///< its next row
    bool m_started = false;    ///< whether its box and header are printed
};

/// A row of category `category` as printed: number, name and values in the
/// column header's order.
std::string statPrintRow(int category, const StatRow &row);

} // namespace yardmark
