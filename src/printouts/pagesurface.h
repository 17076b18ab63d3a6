#pragma once

#include <string>
#include <string_view>

namespace yardmark {

/// A font as a printout asks for it; the surface picks the closest it has.
struct FontRequest {
    std::string family;
    int height = 0;   ///< character height in device pixels
    int weight = 400; ///< 400 normal, 700 bold
    bool fixedPitch = false;

    bool operator==(const FontRequest &) const = default;
};

/// One printed page as a printout draws on it. Positions are device pixels
/// from the top left corner of the printable page; a text is placed by the top
/// of its line. Texts are Windows-1252 like every text of the records.
class PageSurface {
public:
    virtual ~PageSurface() = default;

    virtual int pageWidth() const = 0;
    virtual int pageHeight() const = 0;

    /// Makes `font` the current font of the page.
    virtual void setFont(const FontRequest &font) = 0;
    /// The average width of a character of the current font.
    virtual int charWidth() const = 0;
    /// The width of `text` in the current font.
    virtual int textWidth(std::string_view text) const = 0;
    /// The height of a line of the current font.
    virtual int lineHeight() const = 0;

    virtual void drawText(int x, int y, std::string_view text) = 0;
    virtual void drawLine(int x1, int y1, int x2, int y2) = 0;

    /// Ends the page drawn so far and starts a fresh one.
    virtual void newPage() = 0;
};

} // namespace yardmark
