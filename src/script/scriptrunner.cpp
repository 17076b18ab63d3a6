#include "scriptrunner.h"

#include "base/text.h"
#include "gameflow/entry/editplayentry.h"
#include "gameflow/insertplay.h"

#include <array>
#include <charconv>
#include <string_view>
#include <utility>

namespace yardmark {

namespace {

using namespace std::string_literals;

const Json &emptyObject()
{
    static const Json empty = Json::object();
    return empty;
}

// The keys a script line may carry besides "op".
constexpr std::array kLineKeys{"op", "answers", "time", "cancel", "fields", "kickoff", "side", "index", "kind", "from"};

void checkLineKeys(const Json &line)
{
    for (const auto &[key, value] : line.items()) {
        bool known = false;
        for (const char *name : kLineKeys)
            known = known || key == name;
        if (!known)
            throw ScriptError("unknown key " + quotedKey(key));
    }
}

std::string requiredText(const Json &line, const char *key)
{
    const auto it = line.find(key);
    if (it == line.end() || !it->is_string())
        throw ScriptError(quotedKey(key) + " must be given as text");
    return it->get<std::string>();
}

/// A scoreboard column, named by its place or by the team standing in it.
Column columnOf(const Json &line, const GameFlow &flow)
{
    const std::string side = requiredText(line, "side");
    if (side == "left")
        return Column::Left;
    if (side == "right")
        return Column::Right;
    if (side == "home" || side == "visitor")
        return flow.isHomeColumn(Column::Left) == (side == "home") ? Column::Left : Column::Right;
    throw ScriptError("\"side\" must be \"left\", \"right\", \"home\" or \"visitor\"");
}

int playIndex(const Json &line)
{
    const auto it = line.find("index");
    if (it == line.end() || !it->is_number_integer())
        throw ScriptError("\"index\" must be a whole number (-1 for no play selected)");
    const auto index = it->get<std::int64_t>();
    if (index < -1 || index > 1'000'000'000)
        return -1;
    return static_cast<int>(index);
}

std::optional<InsertKind> insertKindOf(const Json &line)
{
    static constexpr std::array<std::pair<std::string_view, InsertKind>, 10> kinds{{
        {"kickoff", InsertKind::KickOff},
        {"punt", InsertKind::Punt},
        {"fieldgoal", InsertKind::FieldGoal},
        {"extra_point", InsertKind::ExtraPoint},
        {"rush", InsertKind::Rush},
        {"pass", InsertKind::Pass},
        {"offensive_penalty", InsertKind::OffensivePenalty},
        {"defensive_penalty", InsertKind::DefensivePenalty},
        {"home_timeout", InsertKind::HomeTimeOut},
        {"visitor_timeout", InsertKind::VisitorTimeOut},
    }};
    const std::string kind = requiredText(line, "kind");
    if (kind == "none")
        return std::nullopt;
    for (const auto &[name, value] : kinds) {
        if (name == kind)
            return value;
    }
    throw ScriptError("unknown insert kind \"" + kind + "\"");
}

// Works the Edit Play dialog's fields in order; false when it stays open.
bool applyEditFields(EditPlayEntry &dialog, const Json &fields)
{
    EditPlayForm &f = dialog.form();
    const std::array<std::pair<std::string_view, std::string *>, 8> texts{{
        {"quarter", &f.quarter},
        {"initial_down", &f.initialDown},
        {"resulting_down", &f.resultingDown},
        {"initial_to_go", &f.initialToGo},
        {"resulting_to_go", &f.resultingToGo},
        {"penalty_yards", &f.penaltyYards},
        {"minutes", &f.minutes},
        {"seconds", &f.seconds},
    }};
    const std::array<std::pair<std::string_view, SpotEntry *>, 3> spots{{
        {"initial_spot", &f.initialSpot},
        {"middle_spot", &f.middleSpot},
        {"final_spot", &f.finalSpot},
    }};
    const std::array<std::pair<std::string_view, int *>, 4> codes{{
        {"second_list", &f.secondList},
        {"score_type", &f.scoreType},
        {"turnover", &f.turnover},
        {"first_down", &f.firstDown},
    }};
    for (const auto &[key, value] : fields.items()) {
        bool done = false;
        for (const auto &[name, text] : texts) {
            if (key == name) {
                *text = fieldText(value, key);
                done = true;
            }
        }
        for (const auto &[name, spot] : spots) {
            if (key == name) {
                *spot = fieldSpot(value, key, *spot);
                done = true;
            }
        }
        for (const auto &[name, number] : codes) {
            if (key == name) {
                *number = fieldCode(value, key);
                done = true;
            }
        }
        if (done)
            continue;
        if (key == "possession") {
            // Given as the home team's flag (1 home, 0 visitor) or by name.
            const bool home = value.is_string() ? fieldSide(value, key).value_or(true) : fieldCode(value, key) != 0;
            dialog.setPossession(home);
        } else if (key == "play_type") {
            dialog.setPlayType(fieldCode(value, key));
        } else if (key == "players") {
            if (!value.is_array() || value.size() > static_cast<std::size_t>(kEditPlayerRows))
                throw ScriptError("\"players\" must be an array of up to 5 player values");
            for (std::size_t row = 0; row < value.size(); ++row)
                enterPlayer(dialog, static_cast<int>(row), value[row], key);
        } else if (key == "fumbles") {
            if (!enterFumbles(dialog, value))
                return false;
        } else {
            throw ScriptError("unknown Edit Play field " + quotedKey(key));
        }
    }
    return true;
}

int flag(bool value)
{
    return value ? 1 : 0;
}

} // namespace

std::optional<PlayKind> playKindOfOp(std::string_view op)
{
    static constexpr std::array<std::pair<std::string_view, PlayKind>, 7> plays{{
        {"kickoff", PlayKind::KickOff},
        {"punt", PlayKind::Punt},
        {"fieldgoal", PlayKind::FieldGoal},
        {"rush", PlayKind::Rush},
        {"pass", PlayKind::Pass},
        {"offensive_penalty", PlayKind::OffensivePenalty},
        {"defensive_penalty", PlayKind::DefensivePenalty},
    }};
    for (const auto &[name, kind] : plays) {
        if (op == name)
            return kind;
    }
    return std::nullopt;
}

std::string fieldText(const Json &value, std::string_view key)
{
    if (value.is_string())
        return utf8ToCp1252(value.get<std::string>());
    if (value.is_number_integer())
        return std::to_string(value.get<std::int64_t>());
    throw ScriptError(quotedKey(key) + " must be text");
}

int fieldCode(const Json &value, std::string_view key)
{
    if (value.is_number_integer()) {
        const auto number = value.get<std::int64_t>();
        if (number >= 0 && number <= 1000)
            return static_cast<int>(number);
    } else if (value.is_string()) {
        const std::string text = value.get<std::string>();
        int number = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
        if (error == std::errc() && end == text.data() + text.size() && number >= 0 && number <= 1000)
            return number;
    }
    throw ScriptError(quotedKey(key) + " must be a code (a whole number from 0)");
}

std::optional<bool> fieldSide(const Json &value, std::string_view key)
{
    if (value.is_null())
        return std::nullopt;
    if (value.is_string()) {
        if (value == "home")
            return true;
        if (value == "visitor")
            return false;
    }
    throw ScriptError(quotedKey(key) + " must be \"home\", \"visitor\" or null");
}

SpotEntry fieldSpot(const Json &value, std::string_view key, const SpotEntry &shown)
{
    if (!value.is_object())
        throw ScriptError(quotedKey(key) + " must be a spot {\"side\", \"yard\"}");
    SpotEntry spot = shown;
    for (const auto &[name, part] : value.items()) {
        if (name == "side")
            spot.homeSide = fieldSide(part, std::string(key) + ".side");
        else if (name == "yard")
            spot.yardText = fieldText(part, std::string(key) + ".yard");
        else
            throw ScriptError(quotedKey(key) + ": a spot has only \"side\" and \"yard\"");
    }
    return spot;
}

// The script's user -----------------------------------------------------------

void ScriptInteraction::beginLine(const Json &line, const Json *dialogFields)
{
    m_answers = Json::array();
    if (const auto answers = line.find("answers"); answers != line.end()) {
        if (!answers->is_array())
            throw ScriptError("\"answers\" must be an array");
        for (const Json &answer : *answers) {
            if (!answer.is_string())
                throw ScriptError("every answer must be text");
        }
        m_answers = *answers;
    }
    m_nextAnswer = 0;
    m_time = RecordTimeForm{};
    if (const auto time = line.find("time"); time != line.end()) {
        if (!time->is_object())
            throw ScriptError("\"time\" must be {\"minutes\", \"seconds\"}");
        for (const auto &[key, value] : time->items()) {
            if (key == "minutes")
                m_time.minutes = fieldText(value, "time.minutes");
            else if (key == "seconds")
                m_time.seconds = fieldText(value, "time.seconds");
            else
                throw ScriptError("\"time\" has only \"minutes\" and \"seconds\"");
        }
    }
    m_cancel = false;
    if (const auto cancel = line.find("cancel"); cancel != line.end()) {
        if (!cancel->is_boolean())
            throw ScriptError("\"cancel\" must be true or false");
        m_cancel = cancel->get<bool>();
    }
    if (dialogFields && !dialogFields->is_object())
        throw ScriptError("a dialog's fields must be an object");
    m_fields = dialogFields;
    m_insertKind.reset();
    m_insertsEntry = false;
    if (line.value("op", "") == "insert") {
        m_insertKind = insertKindOf(line);
        m_insertsEntry =
            m_insertKind && *m_insertKind != InsertKind::HomeTimeOut && *m_insertKind != InsertKind::VisitorTimeOut;
    }
    m_asked = Json::array();
    m_sounds = Json::array();
}

const Json &ScriptInteraction::fields() const
{
    return m_fields ? *m_fields : emptyObject();
}

std::optional<std::string> ScriptInteraction::nextAnswer()
{
    if (m_nextAnswer >= m_answers.size())
        return std::nullopt;
    return m_answers[m_nextAnswer++].get<std::string>();
}

MessageAnswer ScriptInteraction::message(std::string_view text, std::string_view caption, MessageButtons buttons,
                                         MessageIcon)
{
    m_asked.push_back(Json{{"caption", cp1252ToUtf8(std::string(caption))}, {"text", cp1252ToUtf8(std::string(text))}});
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    const bool hasCancel = buttons != MessageButtons::YesNo;
    const bool yesNo = buttons != MessageButtons::OkCancel;
    const std::optional<std::string> answer = nextAnswer();
    // A box closed without a button: Cancel where it has one, else No.
    if (!answer)
        return hasCancel ? MessageAnswer::Cancel : MessageAnswer::No;
    if (*answer == "cancel" && hasCancel)
        return MessageAnswer::Cancel;
    if (*answer == "ok" && !yesNo)
        return MessageAnswer::Ok;
    if (*answer == "yes" && yesNo)
        return MessageAnswer::Yes;
    if (*answer == "no" && yesNo)
        return MessageAnswer::No;
    throw ScriptError("the answer \"" + *answer + "\" does not fit the question \"" +
                      cp1252ToUtf8(std::string(caption)) + "\"");
}

TeamChoice ScriptInteraction::chooseTeam(std::string_view title, std::string_view, std::string_view, bool)
{
    m_asked.push_back(Json{{"caption", cp1252ToUtf8(std::string(title))}, {"text", ""}});
    const std::optional<std::string> answer = nextAnswer();
    if (!answer || *answer == "cancel")
        return TeamChoice::Cancelled;
    if (*answer == "home")
        return TeamChoice::Home;
    if (*answer == "visitor")
        return TeamChoice::Visitor;
    throw ScriptError("the answer \"" + *answer + "\" does not fit the question \"" + cp1252ToUtf8(std::string(title)) +
                      "\" (home, visitor or cancel)");
}

bool ScriptInteraction::runPlayDialog(PlayKind kind, PlayEntryContext &context)
{
    return runScriptedPlayDialog(kind, context, fields(), m_cancel);
}

void ScriptInteraction::runEditPlay(EditPlayEntry &dialog)
{
    if (!applyEditFields(dialog, fields()) || m_cancel || !dialog.ok())
        dialog.cancel();
}

bool ScriptInteraction::runInsertPlay(InsertPlayForm &form)
{
    form.kind = m_insertKind;
    // "cancel" cancels the entry dialog the chooser leads to, else the chooser.
    return m_insertsEntry || !m_cancel;
}

bool ScriptInteraction::runBallOn(BallOnForm &form)
{
    form.spot = fieldSpot(fields(), "fields", form.spot);
    return !m_cancel;
}

bool ScriptInteraction::runToGo(ToGoForm &form)
{
    for (const auto &[key, value] : fields().items()) {
        if (key != "value")
            throw ScriptError("To Go has only the field \"value\"");
        form.text = fieldText(value, key);
    }
    return !m_cancel;
}

void ScriptInteraction::runRecordTime(RecordTimeForm &form)
{
    m_asked.push_back(Json{{"caption", "Record Time"}, {"text", ""}});
    form = m_time;
}

void ScriptInteraction::playSound(int soundNumber)
{
    m_sounds.push_back(soundNumber);
}

// The runner ------------------------------------------------------------------

namespace {

Settings withoutReflowAfterCorrections(Settings settings)
{
    settings.app.reflowAfterCorrection = static_cast<int>(ReflowChoice::Keep);
    return settings;
}

} // namespace

ScriptRunner::ScriptRunner(Game &game, const Settings &settings)
    : m_game(game), m_settings(withoutReflowAfterCorrections(settings)), m_flow(game, m_settings, m_ui)
{
}

Json ScriptRunner::runLine(const Json &line)
{
    if (!line.is_object())
        throw ScriptError("a script line must be a JSON object");
    checkLineKeys(line);
    const std::string op = requiredText(line, "op");
    if (!m_opened) {
        m_opened = true;
        if (op == "open") {
            m_ui.beginLine(line, line.contains("kickoff") ? &line["kickoff"] : nullptr);
            m_flow.open();
            m_lastWasQuit = false;
            return situation();
        }
        // Without an opening line the scorer cancels the opening question.
        m_ui.beginLine(emptyObject(), nullptr);
        m_flow.open();
    } else if (op == "open") {
        throw ScriptError("\"open\" can only be the first line");
    }
    if (!m_flow.isOpen())
        throw ScriptError("the game window has been closed by \"quit\"");

    const bool opensKickoff = op == "quarter_up" || op == "reload";
    const char *fieldsKey = opensKickoff ? "kickoff" : "fields";
    m_ui.beginLine(line, line.contains(fieldsKey) ? &line[fieldsKey] : nullptr);
    m_reflowed = nullptr;
    runOp(op, line);
    m_lastWasQuit = op == "quit";
    Json result = situation();
    if (!m_reflowed.is_null())
        result["reflow"] = m_reflowed;
    return result;
}

void ScriptRunner::runOp(const std::string &op, const Json &line)
{
    if (const std::optional<PlayKind> kind = playKindOfOp(op)) {
        m_flow.recordPlay(*kind);
        return;
    }
    if (op == "timeout")
        m_flow.timeOut(columnOf(line, m_flow));
    else if (op == "team")
        m_flow.giveBall(columnOf(line, m_flow));
    else if (op == "quarter_up")
        m_flow.quarterUp();
    else if (op == "quarter_down")
        m_flow.quarterDown();
    else if (op == "down_up")
        m_flow.downUp();
    else if (op == "down_down")
        m_flow.downDown();
    else if (op == "swap_sides")
        m_flow.swapSides();
    else if (op == "ball_on")
        m_flow.ballOn();
    else if (op == "to_go")
        m_flow.toGo();
    else if (op == "edit")
        m_flow.editPlay(playIndex(line));
    else if (op == "delete")
        m_flow.deletePlay(playIndex(line));
    else if (op == "insert")
        m_flow.insertPlay(playIndex(line));
    else if (op == "reflow")
        runReflow(line);
    else if (op == "reload")
        m_flow.reload();
    else if (op == "quit")
        m_flow.quitGame();
    else
        throw ScriptError("unknown op \"" + op + "\"");
}

void ScriptRunner::runReflow(const Json &line)
{
    const auto it = line.find("from");
    if (it == line.end() || !it->is_number_integer())
        throw ScriptError("\"from\" must be a whole number (the play counted from 0)");
    const auto from = it->get<std::int64_t>();
    if (from < 0 || from >= m_game.playCount())
        throw ScriptError("\"from\" names no play of the game");
    const ReflowResult result = m_flow.reflow(static_cast<int>(from));
    Json kept = Json::array();
    for (const ReflowNote &note : result.kept)
        kept.push_back(cp1252ToUtf8(reflowNoteLine(note)));
    m_reflowed = Json{{"changed", result.changed}, {"kept", kept}};
}

Json ScriptRunner::situation() const
{
    const GameSituation &s = m_flow.situation();
    const ButtonLabels labels = m_flow.labels();
    Json labelList = Json::array();
    for (std::string_view label : {labels.fieldGoal, labels.rush, labels.pass})
        labelList.push_back(std::string(label));
    return Json{{"quarter", s.quarter},
                {"down", s.down},
                {"toGo", s.toGo},
                {"homeHasBall", flag(s.homeHasBall)},
                {"ballSpot", Json{{"yardLine", s.ballSpot.yardLine}, {"homeSide", flag(s.ballSpot.homeSide)}}},
                {"homeOnLeft", flag(s.homeOnLeft)},
                {"tryPending", flag(m_game.tryPending)},
                {"kickoffPending", flag(m_game.kickoffPending)},
                {"homeScore", m_game.homeScore},
                {"visitorScore", m_game.visitorScore},
                {"labels", labelList},
                {"plays", m_game.playCount()},
                {"asked", m_ui.asked()},
                {"sounds", m_ui.sounds()}};
}

} // namespace yardmark
