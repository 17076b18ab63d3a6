#pragma once

#include "pagesurface.h"

#include <string>
#include <string_view>

namespace yardmark {

/// A report printed page by page. The printing service asks whether page n
/// exists and has the printout draw it; page 1 always exists, a later page only
/// when the page before it left material over. Pages are drawn in order, and
/// drawing page 1 starts the job again from the beginning, so that a preview
/// can be drawn as often as it is asked for.
class Printout {
public:
    explicit Printout(std::string title);
    virtual ~Printout() = default;
    Printout(const Printout &) = delete;
    Printout &operator=(const Printout &) = delete;

    const std::string &title() const { return m_title; }
    bool hasPage(int page) const;
    void printPage(PageSurface &surface, int page);

    /// Whether the last page drawn left material for another page.
    bool morePages() const { return m_morePages; }

protected:
    /// Draws the next page from the resume position and moves it on; says
    /// whether material is left over.
    virtual bool drawPage(PageSurface &surface, int page) = 0;
    /// Goes back to the first line of the report.
    virtual void rewind() = 0;

private:
    std::string m_title;
    bool m_morePages = false;
    int m_lastPage = 0;
};

/// Draws every page of `printout` on `surface`, a new page between each two;
/// returns the number of pages.
int printAllPages(Printout &printout, PageSurface &surface);

/// Draws the page header every printout starts its pages with: "Page n" at the
/// left margin, the title centred and today's date ending one margin before
/// the right edge, in an "Arial" of a fiftieth of the page width. Returns the
/// y where the header line ends; the caller selects its body font after it.
int drawPageHeader(PageSurface &surface, int page, std::string_view title);

/// An "Arial" of the given character height.
FontRequest arialFont(int height);

/// The font of the roster, statistics and game summary printouts: fixed pitch,
/// so that their columns line up, a fiftieth of the page width high.
FontRequest fixedBodyFont(const PageSurface &surface);

/// The margin of the current font: three character widths.
int margin(const PageSurface &surface);

/// The x at which `text` is centred in the cell from `left` to `right`.
int centredX(const PageSurface &surface, std::string_view text, int left, int right);

} // namespace yardmark
