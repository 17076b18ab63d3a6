#pragma once

#include "printouts/pagesurface.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace yardmark::test {

/// A page of fixed character metrics that records what is drawn on it: every
/// character is half as wide as the font is high, a line is as high as the font.
class FakeSurface : public PageSurface {
public:
    struct Text {
        int page = 1;
        int x = 0;
        int y = 0;
        std::string text;
        FontRequest font;

        bool operator==(const Text &) const = default;
    };
    struct Line {
        int page = 1;
        int x1 = 0;
        int y1 = 0;
        int x2 = 0;
        int y2 = 0;

        bool operator==(const Line &) const = default;
    };

    FakeSurface(int width, int height) : m_width(width), m_height(height) {}

    int pageWidth() const override { return m_width; }
    int pageHeight() const override { return m_height; }
    void setFont(const FontRequest &font) override { m_font = font; }
    int charWidth() const override { return m_font.height / 2; }
    int textWidth(std::string_view text) const override { return static_cast<int>(text.size()) * charWidth(); }
    int lineHeight() const override { return m_font.height; }
    void drawText(int x, int y, std::string_view text) override
    {
        texts.push_back({m_page, x, y, std::string(text), m_font});
    }
    void drawLine(int x1, int y1, int x2, int y2) override { lines.push_back({m_page, x1, y1, x2, y2}); }
    void newPage() override { ++m_page; }

    int pages() const { return m_page; }

    /// The texts of one page, top to bottom and left to right as drawn.
    std::vector<Text> textsOn(int page) const
    {
        std::vector<Text> found;
        for (const Text &text : texts) {
            if (text.page == page)
                found.push_back(text);
        }
        return found;
    }

    /// The texts of one page drawn below the page header.
    std::vector<Text> bodyOn(int page) const
    {
        std::vector<Text> found = textsOn(page);
        found.erase(found.begin(), found.begin() + std::min<std::size_t>(3, found.size()));
        return found;
    }

    std::vector<Line> linesOn(int page) const
    {
        std::vector<Line> found;
        for (const Line &line : lines) {
            if (line.page == page)
                found.push_back(line);
        }
        return found;
    }

    std::vector<Text> texts;
    std::vector<Line> lines;

private:
    int m_width;
    int m_height;
    int m_page = 1;
    FontRequest m_font{"Default", 20, 400, false};
};

} // namespace yardmark::test
