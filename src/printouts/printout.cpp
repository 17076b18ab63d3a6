#include "printout.h"

#include "base/datetime.h"

#include <string>

namespace yardmark {

Printout::Printout(std::string title) : m_title(std::move(title))
{
}

bool Printout::hasPage(int page) const
{
    if (page < 1)
        return false;
    if (page == 1 || page <= m_lastPage)
        return true;
    return page == m_lastPage + 1 && m_morePages;
}

void Printout::printPage(PageSurface &surface, int page)
{
    if (page <= 1) {
        rewind();
        m_lastPage = 0;
    }
    ++m_lastPage;
    m_morePages = drawPage(surface, m_lastPage);
}

int printAllPages(Printout &printout, PageSurface &surface)
{
    int page = 1;
    printout.printPage(surface, page);
    while (printout.hasPage(page + 1)) {
        ++page;
        surface.newPage();
        printout.printPage(surface, page);
    }
    return page;
}

FontRequest arialFont(int height)
{
    return FontRequest{"Arial", height, 400, false};
}

FontRequest fixedBodyFont(const PageSurface &surface)
{
    return FontRequest{"Courier New", surface.pageWidth() / 50, 400, true};
}

int margin(const PageSurface &surface)
{
    return 3 * surface.charWidth();
}

int centredX(const PageSurface &surface, std::string_view text, int left, int right)
{
    return left + (right - left - surface.textWidth(text)) / 2;
}

int drawPageHeader(PageSurface &surface, int page, std::string_view title)
{
    const int width = surface.pageWidth();
    surface.setFont(arialFont(width / 50));
    const int left = margin(surface);
    const int y = surface.pageHeight() * 2 / 100;
    surface.drawText(left, y, "Page " + std::to_string(page));
    surface.drawText(centredX(surface, title, 0, width), y, title);
    const DateTime today = currentDateTime();
    const std::string date =
        std::to_string(today.month) + "/" + std::to_string(today.day) + "/" + std::to_string(today.year);
    surface.drawText(width - left - surface.textWidth(date), y, date);
    return y + surface.lineHeight();
}

} // namespace yardmark
