#include "printouts/printout.h"

#include "fakesurface.h"

#include "base/datetime.h"

#include <gtest/gtest.h>

namespace yardmark {
namespace {

using test::FakeSurface;

/// A report of numbered lines, `perPage` to a page.
class CountingOut : public Printout {
public:
    CountingOut(int total, int perPage) : Printout("Count"), m_total(total), m_perPage(perPage) {}

private:
    bool drawPage(PageSurface &surface, int page) override
    {
        drawPageHeader(surface, page, title());
        for (int i = 0; i < m_perPage && m_next < m_total; ++i, ++m_next)
            surface.drawText(0, 100 + i, std::to_string(m_next));
        return m_next < m_total;
    }
    void rewind() override { m_next = 0; }

    int m_total;
    int m_perPage;
    int m_next = 0;
};

class PrintoutTest : public ::testing::Test {
protected:
    void SetUp() override { setFixedNow(DateTime{2026, 11, 21, 16, 30, 0}); }
    void TearDown() override { setFixedNow(std::nullopt); }
};

TEST_F(PrintoutTest, HeaderShowsPageTitleAndDate)
{
    FakeSurface surface(1000, 1300);
    const int bottom = drawPageHeader(surface, 7, "Play By Play");
    // Arial of a fiftieth of the width: 20 high, 10 wide, so the margin is 30.
    const FontRequest header{"Arial", 20, 400, false};
    const std::vector<FakeSurface::Text> expected{
        {1, 30, 26, "Page 7", header},
        {1, 440, 26, "Play By Play", header},
        {1, 870, 26, "11/21/2026", header},
    };
    EXPECT_EQ(surface.texts, expected);
    EXPECT_EQ(bottom, 46);
}

TEST_F(PrintoutTest, LaterPagesExistOnlyWhileMaterialIsLeft)
{
    struct Case {
        int total;
        int perPage;
        int pages;
    };
    for (const Case c : {Case{0, 5, 1}, Case{5, 5, 1}, Case{6, 5, 2}, Case{15, 5, 3}}) {
        SCOPED_TRACE(c.total);
        CountingOut out(c.total, c.perPage);
        EXPECT_TRUE(out.hasPage(1));
        EXPECT_FALSE(out.hasPage(2));
        FakeSurface surface(1000, 1300);
        EXPECT_EQ(printAllPages(out, surface), c.pages);
        EXPECT_EQ(surface.pages(), c.pages);
        EXPECT_FALSE(out.hasPage(c.pages + 1));
        EXPECT_FALSE(out.hasPage(0));
    }
}

TEST_F(PrintoutTest, DrawingPageOneAgainStartsOver)
{
    CountingOut out(7, 5);
    FakeSurface first(1000, 1300);
    printAllPages(out, first);
    FakeSurface again(1000, 1300);
    EXPECT_EQ(printAllPages(out, again), 2);
    EXPECT_EQ(again.texts, first.texts);
}

} // namespace
} // namespace yardmark
