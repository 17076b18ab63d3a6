#include "quickentry.h"

#include "base/text.h"
#include "gameflow/gameflow.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <sstream>
#include <vector>

namespace yardmark {

namespace {

enum class Play { Rush, Pass, KickOff, Punt, FieldGoal, OffensivePenalty, DefensivePenalty, TimeOut };

struct PlayWord {
    std::string_view word;
    Play play;
    const char *op;
};

constexpr std::array<PlayWord, 13> kPlayWords{{
    {"r", Play::Rush, "rush"},
    {"rush", Play::Rush, "rush"},
    {"p", Play::Pass, "pass"},
    {"pass", Play::Pass, "pass"},
    {"ko", Play::KickOff, "kickoff"},
    {"kickoff", Play::KickOff, "kickoff"},
    {"pu", Play::Punt, "punt"},
    {"punt", Play::Punt, "punt"},
    {"fg", Play::FieldGoal, "fieldgoal"},
    {"pat", Play::FieldGoal, "fieldgoal"},
    {"op", Play::OffensivePenalty, "offensive_penalty"},
    {"dp", Play::DefensivePenalty, "defensive_penalty"},
    {"timeout", Play::TimeOut, "timeout"},
}};

/// The result words of each play and the script's value for them.
struct ResultWord {
    Play play;
    std::string_view word;
    const char *result;
};

constexpr std::array<ResultWord, 22> kResultWords{{
    {Play::Pass, "comp", "complete"},
    {Play::Pass, "inc", "incomplete"},
    {Play::Pass, "sack", "sack"},
    {Play::Pass, "int", "interception"},
    {Play::KickOff, "ret", "returned"},
    {Play::KickOff, "tb", "touchback"},
    {Play::KickOff, "oob", "out_of_bounds"},
    {Play::KickOff, "fc", "fair_catch"},
    {Play::Punt, "ret", "returned"},
    {Play::Punt, "tb", "touchback"},
    {Play::Punt, "downed", "downed"},
    {Play::Punt, "oob", "out_of_bounds"},
    {Play::Punt, "fc", "fair_catch"},
    {Play::Punt, "blocked", "blocked"},
    {Play::FieldGoal, "good", "good"},
    {Play::FieldGoal, "blocked", "blocked"},
    {Play::FieldGoal, "nokick", "no_kick"},
    {Play::FieldGoal, "wl", "wide_left"},
    {Play::FieldGoal, "wr", "wide_right"},
    {Play::FieldGoal, "short", "short"},
    {Play::FieldGoal, "wide-left", "wide_left"},
    {Play::FieldGoal, "wide-right", "wide_right"},
}};

/// The letters that name a player before his number.
constexpr std::array<std::string_view, 8> kPrefixes{"on", "q", "t", "a", "i", "k", "r", "b"};

std::string lower(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
    return out;
}

bool isNumber(std::string_view text)
{
    return !text.empty() && text.size() <= 9 &&
           std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

bool isSignedNumber(std::string_view text)
{
    return text.size() > 1 && (text.front() == '+' || text.front() == '-') && isNumber(text.substr(1));
}

/// h30, v30, hg, vg: a spot in the home or the visitor half.
std::optional<Json> spotOf(std::string_view token)
{
    if (token.size() < 2 || (token.front() != 'h' && token.front() != 'v'))
        return std::nullopt;
    const std::string_view yard = token.substr(1);
    if (yard != "g" && !isNumber(yard))
        return std::nullopt;
    return Json{{"side", token.front() == 'h' ? "home" : "visitor"}, {"yard", yard == "g" ? "G" : std::string(yard)}};
}

/// What a line says, gathered before it is written in the order a scorer
/// works the dialog.
struct Parsed {
    Play play = Play::Rush;
    std::optional<std::string> result;
    std::vector<std::pair<std::string, std::string>> players; ///< role key, number
    std::optional<std::string> yards;
    std::optional<Json> spotTo;
    std::optional<Json> spotAt;
    std::optional<std::string> penalty;
    std::optional<std::string> onside;
    std::optional<std::string> side;
    std::optional<std::string> keep;
    int bareNumbers = 0;
};

/// The keys the bare numbers fill, in order, for a play and its result.
std::vector<std::string_view> bareOrder(const Parsed &p)
{
    switch (p.play) {
    case Play::Rush:
        return {"rusher", "yards"};
    case Play::Pass:
        if (p.result == "interception")
            return {"interceptor"};
        if (p.result == "sack")
            return {"tackler", "yards"};
        if (p.result == "incomplete")
            return {"receiver"};
        return {"receiver", "yards"};
    case Play::KickOff:
        return {"kicker", "returner"};
    case Play::Punt:
        return {"punter", "returner"};
    case Play::FieldGoal:
        return {"kicker"};
    case Play::OffensivePenalty:
    case Play::DefensivePenalty:
        return {"penalty", "penalty_on"};
    case Play::TimeOut:
        return {};
    }
    return {};
}

/// The script key of a player letter for a play; empty when the play has no
/// such player.
std::string_view roleKey(Play play, std::string_view prefix)
{
    const bool kick = play == Play::KickOff || play == Play::Punt;
    if (prefix == "q" && (play == Play::Rush || play == Play::Pass))
        return "quarterback";
    if (prefix == "t" && play != Play::FieldGoal && play != Play::OffensivePenalty && play != Play::DefensivePenalty)
        return "tackler";
    if (prefix == "a" && play != Play::FieldGoal && play != Play::OffensivePenalty && play != Play::DefensivePenalty)
        return "assist";
    if (prefix == "i" && play == Play::Pass)
        return "interceptor";
    if (prefix == "k" && (play == Play::KickOff || play == Play::FieldGoal))
        return "kicker";
    if (prefix == "k" && play == Play::Punt)
        return "punter";
    if (prefix == "r" && kick)
        return "returner";
    if (prefix == "b" && (play == Play::Punt || play == Play::FieldGoal))
        return "blocked_by";
    if (prefix == "on" && (play == Play::OffensivePenalty || play == Play::DefensivePenalty))
        return "penalty_on";
    return {};
}

void addPlayer(Parsed &p, std::string_view key, std::string_view number)
{
    p.players.emplace_back(std::string(key), std::string(number));
}

std::optional<QuickEntryError> readToken(Parsed &p, const std::vector<std::string> &tokens, std::size_t &i)
{
    const std::string &token = tokens[i];
    if (p.play == Play::TimeOut) {
        if (token == "h" || token == "home" || token == "v" || token == "visitor") {
            p.side = token.front() == 'h' ? "home" : "visitor";
            return std::nullopt;
        }
        return QuickEntryError{"a time-out is \"timeout h\" or \"timeout v\""};
    }
    for (const ResultWord &word : kResultWords) {
        if (word.play == p.play && word.word == token) {
            p.result = word.result;
            return std::nullopt;
        }
    }
    if (p.play == Play::KickOff && (token == "onside+" || token == "onside-")) {
        p.onside = token.back() == '+' ? "successful" : "unsuccessful";
        return std::nullopt;
    }
    if (token == "keep=result" || token == "keep=return") {
        if (p.play != Play::KickOff && p.play != Play::Punt)
            return QuickEntryError{"\"" + token + "\" is for kickoffs and punts"};
        p.keep = token.substr(5);
        return std::nullopt;
    }
    if (token == "to" || token == "at") {
        if (i + 1 >= tokens.size())
            return QuickEntryError{"\"" + token + "\" needs a spot, e.g. h30, v25 or vg"};
        const std::optional<Json> spot = spotOf(tokens[++i]);
        if (!spot)
            return QuickEntryError{"\"" + tokens[i] + "\" is not a spot; write h30, v25, hg or vg"};
        (token == "to" ? p.spotTo : p.spotAt) = *spot;
        return std::nullopt;
    }
    if (const std::optional<Json> spot = spotOf(token)) {
        p.spotAt = *spot;
        return std::nullopt;
    }
    if (p.play == Play::Pass) {
        if (const auto arrow = token.find('>'); arrow != std::string::npos) {
            const std::string passer = token.substr(0, arrow);
            const std::string receiver = token.substr(arrow + 1);
            if (!isNumber(passer) || !isNumber(receiver))
                return QuickEntryError{"\"" + token + "\" should be passer>receiver, e.g. 12>88"};
            addPlayer(p, "quarterback", passer);
            addPlayer(p, "receiver", receiver);
            p.bareNumbers = std::max(p.bareNumbers, 1);
            return std::nullopt;
        }
    }
    if (isSignedNumber(token)) {
        if (p.play != Play::Rush && p.play != Play::Pass)
            return QuickEntryError{"yards are given for rushes and passes; use \"at\" with a spot for the others"};
        p.yards = token.front() == '+' ? token.substr(1) : token;
        return std::nullopt;
    }
    if (isNumber(token)) {
        const std::vector<std::string_view> order = bareOrder(p);
        while (p.bareNumbers < static_cast<int>(order.size())) {
            const std::string_view key = order[static_cast<std::size_t>(p.bareNumbers++)];
            if (key == "yards") {
                p.yards = token;
                return std::nullopt;
            }
            if (key == "penalty") {
                p.penalty = token;
                return std::nullopt;
            }
            const bool given = std::any_of(p.players.begin(), p.players.end(),
                                           [&](const auto &player) { return player.first == key; });
            if (!given) {
                addPlayer(p, key, token);
                return std::nullopt;
            }
        }
        return QuickEntryError{"too many numbers: \"" + token + "\" is not needed"};
    }
    for (std::string_view prefix : kPrefixes) {
        if (token.size() > prefix.size() && token.compare(0, prefix.size(), prefix) == 0 &&
            isNumber(std::string_view(token).substr(prefix.size()))) {
            const std::string_view key = roleKey(p.play, prefix);
            if (key.empty())
                return QuickEntryError{"\"" + token + "\": this play has no such player"};
            addPlayer(p, key, token.substr(prefix.size()));
            return std::nullopt;
        }
    }
    return QuickEntryError{"\"" + token + "\" is not understood"};
}

/// The fields in the order the scorer works the dialog, so that linked
/// fields fill each other as they would there.
Json fieldsOf(const Parsed &p)
{
    Json fields = Json::object();
    const auto player = [&](std::string_view key) {
        for (const auto &[role, number] : p.players) {
            if (role == key)
                fields[std::string(key)] = number;
        }
    };
    switch (p.play) {
    case Play::Rush:
        player("quarterback");
        player("rusher");
        if (p.yards)
            fields["yards_made"] = *p.yards;
        if (p.spotAt)
            fields["final_spot"] = *p.spotAt;
        break;
    case Play::Pass:
        player("quarterback");
        player("receiver");
        if (p.result)
            fields["result"] = *p.result;
        player("interceptor");
        if (p.spotTo)
            fields["reception_spot"] = *p.spotTo;
        if (p.yards)
            fields["yards_made"] = *p.yards;
        if (p.spotAt)
            fields["final_spot"] = *p.spotAt;
        break;
    case Play::KickOff:
    case Play::Punt: {
        // A return needs the "Returned" radio: the kickoff opens on "Touch Back".
        const bool returned = !p.result && !p.onside &&
                              (p.spotAt || std::any_of(p.players.begin(), p.players.end(),
                                                       [](const auto &x) { return x.first == "returner"; }));
        if (p.result)
            fields["result"] = *p.result;
        else if (returned)
            fields["result"] = "returned";
        if (p.onside)
            fields["onside"] = *p.onside;
        player(p.play == Play::Punt ? "punter" : "kicker");
        player("returner");
        player("blocked_by");
        if (p.spotTo)
            fields[p.play == Play::Punt ? "punted_to" : "kicked_to"] = *p.spotTo;
        if (p.spotAt)
            fields["final_spot"] = *p.spotAt;
        if (p.keep)
            fields["keep"] = *p.keep;
        break;
    }
    case Play::FieldGoal:
        if (p.result)
            fields["result"] = *p.result;
        player("kicker");
        player("blocked_by");
        if (p.spotAt)
            fields["final_spot"] = *p.spotAt;
        break;
    case Play::OffensivePenalty:
    case Play::DefensivePenalty:
        if (p.penalty)
            fields["penalty"] = std::stoi(*p.penalty);
        player("penalty_on");
        if (p.spotAt)
            fields["final_spot"] = *p.spotAt;
        break;
    case Play::TimeOut:
        break;
    }
    player("tackler");
    player("assist");
    return fields;
}

} // namespace

std::variant<Json, QuickEntryError> readQuickEntry(std::string_view line)
{
    std::istringstream in{lower(line)};
    std::vector<std::string> tokens;
    for (std::string token; in >> token;)
        tokens.push_back(token);
    if (tokens.empty())
        return QuickEntryError{"type a play, e.g. \"r 22 7\" for a rush by 22 for 7 yards"};
    const auto word =
        std::find_if(kPlayWords.begin(), kPlayWords.end(), [&](const PlayWord &w) { return w.word == tokens.front(); });
    if (word == kPlayWords.end())
        return QuickEntryError{"\"" + tokens.front() + "\" is not a play: r, p, ko, pu, fg, op, dp or timeout"};
    Parsed parsed;
    parsed.play = word->play;
    for (std::size_t i = 1; i < tokens.size(); ++i) {
        if (std::optional<QuickEntryError> error = readToken(parsed, tokens, i))
            return *error;
    }
    if (parsed.play == Play::TimeOut) {
        if (!parsed.side)
            return QuickEntryError{"whose time-out? \"timeout h\" or \"timeout v\""};
        return Json{{"op", word->op}, {"side", *parsed.side}};
    }
    if ((parsed.play == Play::OffensivePenalty || parsed.play == Play::DefensivePenalty) && !parsed.penalty)
        return QuickEntryError{"which penalty? give its code from the list, e.g. \"op 13\" for Clipping"};
    return Json{{"op", word->op}, {"fields", fieldsOf(parsed)}};
}

namespace {

/// The other players of the team whose roster holds `player` that wear his
/// number, "Smith" or "Smith and Jones"; empty when he wears it alone.
std::string othersWearing(const Game &game, const PlayerRecord &player)
{
    if (player.number < 0 || player.name.empty())
        return {};
    for (const Team *team : {&game.homeTeam, &game.visitorTeam}) {
        const auto &players = team->players;
        const bool his = std::any_of(players.begin(), players.end(), [&player](const PlayerRecord &p) {
            return p.name == player.name && p.number == player.number;
        });
        if (!his)
            continue;
        std::string others;
        for (const PlayerRecord &other : players) {
            if (other.number == player.number && other.name != player.name)
                others += (others.empty() ? "" : " and ") + other.name;
        }
        return others;
    }
    return {};
}

} // namespace

QuickEntryOutcome QuickEntryRunner::run(GameFlow &flow, std::string_view line)
{
    QuickEntryOutcome outcome;
    std::variant<Json, QuickEntryError> read = readQuickEntry(line);
    if (const auto *error = std::get_if<QuickEntryError>(&read)) {
        outcome.error = error->message;
        return outcome;
    }
    const Json &command = std::get<Json>(read);
    const std::size_t before = flow.game().plays.size();
    const std::string op = command["op"].get<std::string>();
    if (op == "timeout") {
        const bool home = command["side"] == "home";
        flow.timeOut(flow.isHomeColumn(Column::Left) == home ? Column::Left : Column::Right);
    } else {
        m_pending = &command["fields"];
        try {
            flow.recordPlay(*playKindOfOp(op));
        } catch (const KickDoubtError &e) {
            m_pending = nullptr;
            outcome.error = e.contradiction + ": add keep=result or keep=return";
            return outcome;
        } catch (const ScriptError &e) {
            // A field the dialog refuses (a penalty code beyond the list, say).
            m_pending = nullptr;
            outcome.error = e.what();
            return outcome;
        }
        m_pending = nullptr;
    }
    outcome.recorded = flow.game().plays.size() > before;
    if (outcome.recorded && op != "timeout") {
        for (const PlayerRecord &player : flow.game().plays.back().players) {
            if (player.name.empty() && player.number >= 0)
                outcome.notes.push_back("#" + std::to_string(player.number) +
                                        " is not on the roster: recorded with the number only");
            else if (const std::string others = othersWearing(flow.game(), player); !others.empty())
                outcome.notes.push_back("#" + std::to_string(player.number) + " is also worn by " + others + ": " +
                                        player.name + " recorded");
        }
    }
    return outcome;
}

std::string quickEntryPlayerHint(const Game &game, std::string_view digits)
{
    constexpr std::size_t kShown = 8;
    std::vector<std::string> found;
    std::string shared;
    for (const Team *team : {&game.homeTeam, &game.visitorTeam}) {
        int exact = 0;
        for (const PlayerRecord &player : team->players) {
            const std::string number = std::to_string(player.number);
            if (player.number < 0 || !std::string_view(number).starts_with(digits))
                continue;
            found.push_back("#" + number + " " + player.name);
            exact += number == digits ? 1 : 0;
        }
        if (exact > 1)
            shared += " \x97 " + std::to_string(exact) + " " + teamName(game, team == &game.homeTeam) +
                      " players wear #" + std::string(digits) + ": the line records the first";
    }
    std::string hint;
    for (std::size_t i = 0; i < found.size() && i < kShown; ++i)
        hint += (i ? ", " : "") + found[i];
    if (found.size() > kShown)
        hint += ", ...";
    return hint + shared;
}

} // namespace yardmark
