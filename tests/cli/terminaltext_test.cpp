#include "cli/terminaltext.h"

#include <gtest/gtest.h>

#include <sstream>

namespace yardmark::cli {
namespace {

// What a planted name or lock line shows on a terminal: its control
// characters as text, everything else as it is.
TEST(TerminalTextTest, ControlCharactersAreShownNotObeyed)
{
    const std::pair<std::string, std::string> cases[] = {
        {"Tigers 14\n", "Tigers 14\n"},
        {"a\tb", "a\tb"},
        {"\x1b[2J\x1b]0;owned\x07", "\\x1B[2J\\x1B]0;owned\\x07"},
        {"cr\rdel\x7f", "cr\\x0Ddel\\x7F"},
        {"\xC2\x9B"
         "2J",
         "\\u009B2J"},
        {"caf\xC3\xA9 \xC2\xA9", "caf\xC3\xA9 \xC2\xA9"},
        {"end\xC2", "end\xC2"},
    };
    for (const auto &[text, shown] : cases) {
        std::ostringstream target;
        {
            TerminalTextBuffer buffer(target.rdbuf());
            std::ostream(&buffer) << text << std::flush;
        }
        EXPECT_EQ(target.str(), shown);
    }
}

} // namespace
} // namespace yardmark::cli
