// The live page in a real browser: headless Chromium loads it from a small
// web server after a scripted game, and again after the feed has changed.

#include "clirunner.h"
#include "records/gamefile.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <arpa/inet.h>
#include <csignal>
#include <fstream>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

namespace yardmark::testing {
namespace {

using Json = nlohmann::json;

const char *const kChromium = "/usr/bin/chromium";
const char *const kPython = "/usr/bin/python3";

/// Runs a shell command line with a clean environment (the tests run under
/// sanitizer variables meant for our binaries only); its exit code.
int runClean(const std::filesystem::path &dir, const std::string &command, const std::string &after = "")
{
    const std::string line = "cd '" + dir.string() + "' && { env -i PATH=/usr/bin:/bin HOME='" + dir.string() +
                             "' LANG=C.UTF-8 " + command + after + "; }";
    const int status = std::system(line.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int freePort()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    ::bind(fd, reinterpret_cast<sockaddr *>(&address), size);
    ::getsockname(fd, reinterpret_cast<sockaddr *>(&address), &size);
    ::close(fd);
    return ntohs(address.sin_port);
}

bool accepts(int port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    const bool ok = ::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
    ::close(fd);
    return ok;
}

/// `python3 -m http.server` on a free port of the loopback, for one test.
class WebServer {
public:
    explicit WebServer(const std::filesystem::path &root) : m_port(freePort())
    {
        runClean(root,
                 std::string(kPython) + " -m http.server " + std::to_string(m_port) +
                     " --bind 127.0.0.1 >server.log 2>&1",
                 " & echo $! >server.pid");
        m_pid = std::stoi(readText(root / "server.pid"));
        for (int i = 0; i < 400 && !accepts(m_port); ++i)
            ::usleep(25'000); // until it listens
    }
    ~WebServer() { ::kill(m_pid, SIGTERM); }
    std::string url(const std::string &path) const { return "http://127.0.0.1:" + std::to_string(m_port) + "/" + path; }

private:
    int m_port;
    int m_pid = 0;
};

/// The document as the browser holds it once the page's scripts have run
/// for `seconds` of the page's own clock.
std::string browserDom(const std::filesystem::path &dir, const std::string &url, int seconds)
{
    const int code =
        runClean(dir, std::string("timeout 120 ") + kChromium +
                          " --headless --no-sandbox --disable-gpu --disable-dev-shm-usage --no-first-run"
                          " --user-data-dir=profile"
                          " --virtual-time-budget=" +
                          std::to_string(seconds * 1000) + " --dump-dom '" + url + "' >dom.html 2>chromium.log");
    EXPECT_EQ(code, 0) << readText(dir / "chromium.log");
    return readText(dir / "dom.html");
}

/// The text of the element with `id` (the first item for a list), its
/// character references read back.
std::string shown(const std::string &dom, const std::string &id)
{
    std::size_t at = dom.find("id=\"" + id + "\"");
    if (at == std::string::npos)
        return "<no " + id + ">";
    if (id == "plays" || id == "scoring")
        at = dom.find("<li", at);
    const std::size_t begin = dom.find('>', at) + 1;
    std::string text = dom.substr(begin, dom.find('<', begin) - begin);
    for (const auto &[entity, c] : {std::pair{"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&amp;", "&"}}) {
        for (std::size_t p; (p = text.find(entity)) != std::string::npos;)
            text.replace(p, std::string(entity).size(), c);
    }
    return text;
}

std::string lastLine(const std::string &text)
{
    const std::size_t end = text.find_last_not_of('\n');
    return text.substr(text.rfind('\n', end) + 1, end - text.rfind('\n', end));
}

class LivePageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = freshDirectory("live");
        Game game = newGame();
        game.info.homeTeamName = game.homeTeam.name = "Tigers & Co";
        game.info.visitorTeamName = game.visitorTeam.name = "Bears";
        game.homeTeam.players = {PlayerRecord{"Al <Runner>", 22, 6, 0, 1}, PlayerRecord{"Bo Passer", 7, 1, 0, 1}};
        game.visitorTeam.players = {PlayerRecord{"Fox Kicker", 9, 2, 0, 1}};
        ASSERT_TRUE(saveGame(game, (dir / "game.gam").string()));
    }

    /// Records the lines into GAME and writes its live files into `out`.
    void play(const std::vector<std::string> &lines, const std::string &out)
    {
        std::ofstream script(dir / "script.jsonl");
        for (const std::string &line : lines)
            script << line << '\n';
        script.close();
        ASSERT_EQ(runCliBinary({"record", "game.gam", "script.jsonl"}, dir).exitCode, 0);
        const CliRun live = runCliBinary({"live", "game.gam", "--out", out, "--title", "Friday Night"}, dir);
        ASSERT_EQ(live.exitCode, 0) << live.err;
    }

    std::filesystem::path dir;
};

TEST_F(LivePageTest, TheBrowserShowsTheGameAndFollowsTheFeed)
{
    if (!std::filesystem::exists(kChromium))
        GTEST_SKIP() << "chromium is not installed (scripts/bootstrap installs it)";
    play({R"({"op":"open","answers":["visitor"],"kickoff":{"kicker":"9","result":"touchback"},)"
          R"("time":{"minutes":"15","seconds":"0"}})",
          "r 22 7"},
         "web");
    const Json game = Json::parse(runCliBinary({"show", "game.gam"}, dir).out);
    const std::string narration = runCliBinary({"narrate", "game.gam"}, dir).out;
    const Json &last = game["plays"].back();

    const WebServer server(dir);
    std::string dom = browserDom(dir, server.url("web/live.htm"), 1);
    EXPECT_EQ(shown(dom, "title"), "Friday Night");
    EXPECT_EQ(shown(dom, "homeName"), "Tigers & Co");
    EXPECT_EQ(shown(dom, "homeScore"), std::to_string(game["homeScore"].get<int>()));
    EXPECT_EQ(shown(dom, "visitorScore"), std::to_string(game["visitorScore"].get<int>()));
    EXPECT_EQ(shown(dom, "period"), "1st Q");
    EXPECT_EQ(game["savedQuarter"], 0);
    const std::string down = shown(dom, "down");
    EXPECT_EQ(down.substr(0, 1), std::to_string(last["downAfter"].get<int>() + 1)) << down;
    EXPECT_TRUE(down.ends_with(" & " + std::to_string(last["toGoAfter"].get<int>()))) << down;
    const Json &ball = game["savedBallSpot"];
    EXPECT_EQ(shown(dom, "ballOn"), std::string("Ball on ") + (ball["homeSide"] == 1 ? "Tigers & Co " : "Bears ") +
                                        std::to_string(ball["yardLine"].get<int>()));
    EXPECT_EQ(shown(dom, "plays"), lastLine(narration));
    EXPECT_NE(dom.find("<svg"), std::string::npos);

    // The feed alone changes (a touchdown run): the page loaded before it
    // shows the new score and play without being loaded again.
    const std::string page = readText(dir / "web" / "live.htm");
    play({"r 22 at vg"}, "next");
    std::filesystem::copy_file(dir / "next" / "live.json", dir / "web" / "live.json",
                               std::filesystem::copy_options::overwrite_existing);
    ASSERT_EQ(readText(dir / "web" / "live.htm"), page);
    const Json after = Json::parse(runCliBinary({"show", "game.gam"}, dir).out);
    dom = browserDom(dir, server.url("web/live.htm"), 12);
    EXPECT_EQ(shown(dom, "homeScore"), std::to_string(after["homeScore"].get<int>()));
    EXPECT_NE(after["homeScore"], game["homeScore"]);
    EXPECT_EQ(shown(dom, "plays"), lastLine(runCliBinary({"narrate", "game.gam"}, dir).out));
    EXPECT_EQ(shown(dom, "down"), "Try");
    EXPECT_NE(shown(dom, "scoring").find("Tigers & Co"), std::string::npos);

    // The feed cannot be reached: the page says its time is not current.
    std::filesystem::remove(dir / "web" / "live.json");
    EXPECT_NE(browserDom(dir, server.url("web/live.htm"), 6).find("class=\"updated stale\""), std::string::npos);
}

TEST_F(LivePageTest, TheFeedFollowsItsPublishedSchema)
{
    if (runClean(dir, std::string(kPython) + " -c 'import jsonschema'") != 0)
        GTEST_SKIP() << "python3-jsonschema is not installed (scripts/bootstrap installs it)";
    play({R"({"op":"open","answers":["home"],"kickoff":{"kicker":"22","result":"touchback"}})", "r 22 at hg"}, "web");
    const std::filesystem::path schema = std::filesystem::path(YARDMARK_SOURCE_DIR) / "docs/live-output.schema.json";
    EXPECT_EQ(runClean(dir, std::string(kPython) +
                                " -c 'import json, sys, jsonschema; jsonschema.validate(json.load(open(sys.argv[1])), "
                                "json.load(open(sys.argv[2])), cls=jsonschema.Draft202012Validator)' web/live.json '" +
                                schema.string() + "' 2>schema.log"),
              0)
        << readText(dir / "schema.log");
}

} // namespace
} // namespace yardmark::testing
