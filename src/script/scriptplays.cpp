// The play entry dialogs worked from a script line's "fields": each key fires
// the handler the dialog's control fires, in the order the keys appear.

#include "scriptrunner.h"

#include "base/text.h"
#include "gameflow/entry/fieldgoalentry.h"
#include "gameflow/entry/kickoffentry.h"
#include "gameflow/entry/passentry.h"
#include "gameflow/entry/penaltyentry.h"
#include "gameflow/entry/puntentry.h"
#include "gameflow/entry/runplayentry.h"
#include "gameflow/entry/rushentry.h"

#include <functional>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

namespace yardmark {

namespace {

/// What one field key does to a dialog.
template <typename Dialog> using Handler = std::function<void(Dialog &, const Json &, std::string_view)>;
template <typename Dialog> using Handlers = std::vector<std::pair<std::string_view, Handler<Dialog>>>;

/// A choice among named radio buttons.
template <typename Value>
Value choice(const Json &value, std::string_view key, std::initializer_list<std::pair<std::string_view, Value>> names)
{
    if (value.is_string()) {
        for (const auto &[name, result] : names) {
            if (value == name)
                return result;
        }
    }
    std::string known;
    for (const auto &[name, result] : names)
        known += (known.empty() ? "" : ", ") + std::string(name);
    throw ScriptError(quotedKey(key) + " must be one of: " + known);
}

template <typename Dialog> Handler<Dialog> playerRow(int row)
{
    return [row](Dialog &dialog, const Json &value, std::string_view key) { enterPlayer(dialog, row, value, key); };
}

} // namespace

void enterPlayer(PlayEntry &dialog, int row, const Json &value, std::string_view key)
{
    if (value.is_null()) {
        dialog.clearPlayer(row);
        return;
    }
    if (!value.is_object()) {
        dialog.typePlayerNumber(row, fieldText(value, key));
        return;
    }
    for (const auto &[name, part] : value.items()) {
        if (name == "number") {
            dialog.typePlayerNumber(row, fieldText(part, key));
        } else if (name == "pick") {
            if (!dialog.pickPlayer(row, fieldText(part, key)))
                throw ScriptError(quotedKey(key) + ": no player named " + part.dump() + " in the list");
        } else {
            throw ScriptError(quotedKey(key) + " has only \"number\" and \"pick\"");
        }
    }
}

bool enterFumbles(FumblePlayEntry &dialog, const Json &fumbles)
{
    if (!fumbles.is_array() || fumbles.size() > static_cast<std::size_t>(kMaxFumbles))
        throw ScriptError("\"fumbles\" must be an array of up to 3 entries");
    for (std::size_t slot = 0; slot < fumbles.size(); ++slot) {
        if (!dialog.selectFumble(static_cast<int>(slot)))
            return false;
        if (!fumbles[slot].is_object())
            throw ScriptError("each fumble must be an object");
        for (const auto &[key, value] : fumbles[slot].items()) {
            const FumbleForm &shown = dialog.fumbles().form;
            if (key == "recovered_by") {
                dialog.setRecoveredBy(fieldSide(value, key));
            } else if (key == "recoverer") {
                if (value.is_object()) {
                    if (value.contains("number"))
                        dialog.typeRecovererNumber(fieldText(value["number"], key));
                    if (value.contains("pick") && !dialog.pickRecoverer(fieldText(value["pick"], key)))
                        throw ScriptError("\"recoverer\": no player named " + value["pick"].dump() + " in the list");
                } else {
                    dialog.typeRecovererNumber(fieldText(value, key));
                }
            } else if (key == "recovered_at") {
                dialog.setRecoveredAt(fieldSpot(value, key, shown.recoveredAt));
            } else if (key == "returned_to") {
                dialog.setReturnedTo(fieldSpot(value, key, shown.returnedTo));
            } else {
                throw ScriptError("unknown fumble key " + quotedKey(key));
            }
        }
    }
    return true;
}

namespace {

/// Works a dialog's fields in order; false when the dialog must be cancelled
/// because a handler kept it from going on.
template <typename Dialog> bool enterFields(Dialog &dialog, const Json &fields, const Handlers<Dialog> &handlers)
{
    for (const auto &[key, value] : fields.items()) {
        if constexpr (std::is_base_of_v<FumblePlayEntry, Dialog>) {
            if (key == "fumbles") {
                if (!enterFumbles(dialog, value))
                    return false;
                continue;
            }
        }
        bool handled = false;
        for (const auto &[name, handler] : handlers) {
            if (key == name) {
                handler(dialog, value, key);
                handled = true;
                break;
            }
        }
        if (!handled)
            throw ScriptError("this dialog has no field " + quotedKey(key));
    }
    return true;
}

const Handlers<RushEntry> &handlersOf(const RushEntry &)
{
    using D = RushEntry;
    static const Handlers<D> handlers{
        {"quarterback", playerRow<D>(D::Quarterback)},
        {"rusher", playerRow<D>(D::Rusher)},
        {"tackler", playerRow<D>(D::Tackler)},
        {"assist", playerRow<D>(D::Assist)},
        {"rush_type",
         [](D &d, const Json &v, std::string_view k) {
             if (!d.setRushType(fieldCode(v, k)))
                 throw ScriptError("\"rush_type\" is not in the list");
         }},
        {"yards_made", [](D &d, const Json &v, std::string_view k) { d.setYardsMade(fieldText(v, k)); }},
        {"final_spot",
         [](D &d, const Json &v, std::string_view k) { d.setFinalSpot(fieldSpot(v, k, d.form().finalSpot)); }},
    };
    return handlers;
}

const Handlers<PassEntry> &handlersOf(const PassEntry &)
{
    using D = PassEntry;
    static const Handlers<D> handlers{
        {"quarterback", playerRow<D>(D::Quarterback)},
        {"receiver", playerRow<D>(D::Receiver)},
        {"tackler", playerRow<D>(D::Tackler)},
        {"assist", playerRow<D>(D::Assist)},
        {"interceptor", playerRow<D>(D::Interceptor)},
        {"result",
         [](D &d, const Json &v, std::string_view k) {
             d.setResult(code(choice<PassResult>(v, k,
                                                 {{"complete", PassResult::Completion},
                                                  {"incomplete", PassResult::Incompletion},
                                                  {"sack", PassResult::Sack},
                                                  {"interception", PassResult::Interception}})));
         }},
        {"reception_spot",
         [](D &d, const Json &v, std::string_view k) { d.setReceptionSpot(fieldSpot(v, k, d.form().receptionSpot)); }},
        {"yards_made", [](D &d, const Json &v, std::string_view k) { d.setYardsMade(fieldText(v, k)); }},
        {"final_spot",
         [](D &d, const Json &v, std::string_view k) { d.setFinalSpot(fieldSpot(v, k, d.form().finalSpot)); }},
    };
    return handlers;
}

const Handlers<PenaltyEntry> &handlersOf(const PenaltyEntry &)
{
    using D = PenaltyEntry;
    static const Handlers<D> handlers{
        {"penalty",
         [](D &d, const Json &v, std::string_view k) {
             if (!d.choosePenalty(fieldCode(v, k)))
                 throw ScriptError("\"penalty\" is not in the list");
         }},
        {"penalty_on", playerRow<D>(D::PenaltyOn)},
        {"yards", [](D &d, const Json &v, std::string_view k) { d.setYardsPenalized(fieldText(v, k)); }},
        {"resulting_down", [](D &d, const Json &v, std::string_view k) { d.setResultingDown(fieldText(v, k)); }},
        {"resulting_to_go", [](D &d, const Json &v, std::string_view k) { d.setResultingToGo(fieldText(v, k)); }},
        {"penalty_spot",
         [](D &d, const Json &v, std::string_view k) { d.setPenaltySpot(fieldSpot(v, k, d.form().penaltySpot)); }},
        {"final_spot",
         [](D &d, const Json &v, std::string_view k) { d.setFinalSpot(fieldSpot(v, k, d.form().finalSpot)); }},
    };
    return handlers;
}

const Handlers<KickOffEntry> &handlersOf(const KickOffEntry &)
{
    using D = KickOffEntry;
    static const Handlers<D> handlers{
        {"kicker", playerRow<D>(D::Kicker)},
        {"returner", playerRow<D>(D::Returner)},
        {"tackler", playerRow<D>(D::Tackler)},
        {"assist", playerRow<D>(D::Assist)},
        {"kicked_to",
         [](D &d, const Json &v, std::string_view k) { d.setKickedTo(fieldSpot(v, k, d.form().kickedTo)); }},
        {"final_spot",
         [](D &d, const Json &v, std::string_view k) { d.setFinalSpot(fieldSpot(v, k, d.form().finalSpot)); }},
        {"result",
         [](D &d, const Json &v, std::string_view k) {
             d.chooseResult(choice<KickOffResult>(v, k,
                                                  {{"returned", KickOffResult::Returned},
                                                   {"touchback", KickOffResult::TouchBack},
                                                   {"out_of_bounds", KickOffResult::OutOfBounds},
                                                   {"fair_catch", KickOffResult::FairCatch}}));
         }},
        {"keep",
         [](D &d, const Json &v, std::string_view k) {
             d.form().keep = choice<KickKeep>(v, k, {{"result", KickKeep::Result}, {"return", KickKeep::Return}});
         }},
        {"onside",
         [](D &d, const Json &v, std::string_view k) {
             if (choice<bool>(v, k, {{"successful", true}, {"unsuccessful", false}}))
                 d.setOnsideSuccessful(true);
             else
                 d.setOnsideUnsuccessful(true);
         }},
    };
    return handlers;
}

const Handlers<PuntEntry> &handlersOf(const PuntEntry &)
{
    using D = PuntEntry;
    static const Handlers<D> handlers{
        {"punter", playerRow<D>(D::Punter)},
        {"returner", playerRow<D>(D::Returner)},
        {"tackler", playerRow<D>(D::Tackler)},
        {"assist", playerRow<D>(D::Assist)},
        {"blocked_by", playerRow<D>(D::BlockedBy)},
        {"punted_to",
         [](D &d, const Json &v, std::string_view k) { d.setPuntedTo(fieldSpot(v, k, d.form().puntedTo)); }},
        {"final_spot",
         [](D &d, const Json &v, std::string_view k) { d.setFinalSpot(fieldSpot(v, k, d.form().finalSpot)); }},
        {"result",
         [](D &d, const Json &v, std::string_view k) {
             d.chooseResult(choice<PuntResult>(v, k,
                                               {{"returned", PuntResult::Returned},
                                                {"touchback", PuntResult::TouchBack},
                                                {"downed", PuntResult::Downed},
                                                {"out_of_bounds", PuntResult::OutOfBounds},
                                                {"fair_catch", PuntResult::FairCatch},
                                                {"blocked", PuntResult::Blocked}}));
         }},
        {"keep",
         [](D &d, const Json &v, std::string_view k) {
             d.form().keep = choice<KickKeep>(v, k, {{"result", KickKeep::Result}, {"return", KickKeep::Return}});
         }},
    };
    return handlers;
}

const Handlers<FieldGoalEntry> &handlersOf(const FieldGoalEntry &)
{
    using D = FieldGoalEntry;
    static const Handlers<D> handlers{
        {"kicker", playerRow<D>(D::Kicker)},
        {"blocked_by", playerRow<D>(D::BlockedBy)},
        {"final_spot",
         [](D &d, const Json &v, std::string_view k) { d.setFinalSpot(fieldSpot(v, k, d.form().finalSpot)); }},
        {"result",
         [](D &d, const Json &v, std::string_view k) {
             d.chooseResult(choice<FieldGoalResult>(v, k,
                                                    {{"good", FieldGoalResult::Good},
                                                     {"blocked", FieldGoalResult::Blocked},
                                                     {"no_kick", FieldGoalResult::NoKick},
                                                     {"wide_left", FieldGoalResult::WideLeft},
                                                     {"wide_right", FieldGoalResult::WideRight},
                                                     {"short", FieldGoalResult::Short}}));
         }},
    };
    return handlers;
}

/// A script says which side of a contradiction between a kick's result and
/// its return to keep: without its word the line is refused. A return with no
/// returner is recorded as typed, as scorers who do not know him write it.
template <typename Entry> void settleScriptedKick(Entry &entry)
{
    const KickContradiction contradiction = entry.contradiction();
    if (entry.form().keep || contradiction == KickContradiction::None)
        return;
    if (contradiction == KickContradiction::ReturnWithoutReturner) {
        entry.form().keep = KickKeep::AsTyped;
        return;
    }
    throw KickDoubtError(entry.contradictionText());
}

void settleScripted(PlayEntry &)
{
}
void settleScripted(KickOffEntry &entry)
{
    settleScriptedKick(entry);
}
void settleScripted(PuntEntry &entry)
{
    settleScriptedKick(entry);
}

/// The scorer of a script line at a play button's dialog: the line's fields
/// fill it, then OK (Cancel when the line says so or a field kept it open).
class ScriptPlayWorker : public PlayEntryWorker {
public:
    ScriptPlayWorker(const Json &fields, bool cancel) : m_fields(fields), m_cancel(cancel) {}

    void work(RushEntry &entry) override { fill(entry); }
    void work(PassEntry &entry) override { fill(entry); }
    void work(PenaltyEntry &entry) override { fill(entry); }
    void work(KickOffEntry &entry) override { fill(entry); }
    void work(PuntEntry &entry) override { fill(entry); }
    void work(FieldGoalEntry &entry) override { fill(entry); }

private:
    template <typename Entry> void fill(Entry &entry)
    {
        if (enterFields(entry, m_fields, handlersOf(entry)) && !m_cancel) {
            settleScripted(entry);
            if (entry.ok())
                return;
        }
        entry.cancel();
    }

    const Json &m_fields;
    bool m_cancel;
};

} // namespace

bool runScriptedPlayDialog(PlayKind kind, PlayEntryContext &context, const Json &fields, bool cancel)
{
    ScriptPlayWorker worker(fields, cancel);
    return runPlayEntry(kind, context, worker);
}

} // namespace yardmark
