#include "gameflow/entry/kickoffentry.h"
#include "gameflow/entry/puntentry.h"

#include "kickfixture.h"

#include <optional>

namespace yardmark {
namespace {

constexpr const char *kDropReturn = ".\nRecord it as checked, with no return?";

struct ReturnCase {
    const char *name;
    bool punt; ///< the Tigers punt from their 40 instead of kicking off
    const char *returnerNumber, *tacklerNumber, *receivedAt, *finalSpotYard; ///< as typed
    int result; ///< the radio, as a KickOffResult or PuntResult
    std::optional<KickKeep> keep;
    std::optional<MessageAnswer> reply; ///< none: nothing is asked
    std::string question;
    std::optional<KickResult> recorded; ///< none: the dialog stays open
    std::string returner, tackler;
    FieldSpot finalSpot;
};

class KickReturnTest : public KickTest, public ::testing::WithParamInterface<ReturnCase> {};

// A result the typed return contradicts is asked about at OK, unless the
// form already says which to keep; Yes records the result as checked.
TEST_P(KickReturnTest, AContradictedResultIsAskedAboutAndRecordedAsChecked)
{
    const ReturnCase &c = GetParam();
    if (c.reply)
        ui.replies.push_back(*c.reply);
    bool ok = false;
    const auto fill = [&](auto &dialog, auto result, SpotEntry &receivedAt) {
        dialog.chooseResult(result);
        dialog.form().returner.numberText = c.returnerNumber;
        dialog.form().tackler.numberText = c.tacklerNumber;
        if (*c.receivedAt)
            receivedAt.yardText = c.receivedAt;
        if (*c.finalSpotYard)
            dialog.form().finalSpot.yardText = c.finalSpotYard;
        dialog.form().keep = c.keep;
        ok = dialog.ok();
    };
    if (c.punt) {
        game.kickoffPending = false;
        situation.ballSpot = {40, true};
        newPlay();
        PuntEntry dialog(context);
        fill(dialog, static_cast<PuntResult>(c.result), dialog.form().puntedTo);
    } else {
        KickOffEntry dialog(context);
        fill(dialog, static_cast<KickOffResult>(c.result), dialog.form().kickedTo);
    }
    ASSERT_EQ(ui.messages.size(), c.reply ? 1u : 0u) << c.name;
    if (c.reply) {
        EXPECT_EQ(ui.messages[0].text, c.question) << c.name;
    }
    ASSERT_EQ(ok, c.recorded.has_value()) << c.name;
    if (!ok)
        return;
    EXPECT_EQ(play.kickResult, code(*c.recorded)) << c.name;
    EXPECT_EQ(play.players[CarrierSlot].name, c.returner) << c.name;
    EXPECT_EQ(play.players[TacklerSlot].name, c.tackler) << c.name;
    EXPECT_EQ(play.finalSpot, c.finalSpot) << c.name;
}

const auto kTouchBack = static_cast<int>(KickOffResult::TouchBack);
const auto kKickReturned = static_cast<int>(KickOffResult::Returned);
const auto kFairCatch = static_cast<int>(PuntResult::FairCatch);
const auto kPuntReturned = static_cast<int>(PuntResult::Returned);

// clang-format off
const ReturnCase kCases[] = {
    {"touchback with a return", false, "5", "3", "", "35",
     kTouchBack, {}, MessageAnswer::Yes, std::string("Touch Back is checked, but a returner, a tackler and a return spot are typed") + kDropReturn,
     KickResult::Touchback, "", "", {20, false}},
    {"touchback with a return spot, No", false, "", "", "", "35",
     kTouchBack, {}, MessageAnswer::No, std::string("Touch Back is checked, but a return spot is typed") + kDropReturn,
     {}, "", "", {}},
    {"touchback keeping the return", false, "5", "", "", "35",
     kTouchBack, KickKeep::Return, {}, "", KickResult::Runback, "Evans", "", {35, false}},
    {"fair catch naming the catcher", true, "11", "", "30", "",
     kFairCatch, {}, {}, "", KickResult::FairCatch, "Ford", "", {30, false}},
    {"fair catch with a tackler and yards", true, "", "3", "30", "38",
     kFairCatch, {}, MessageAnswer::Yes, std::string("Fair Catch is checked, but a tackler and return yards are typed") + kDropReturn,
     KickResult::FairCatch, "", "", {30, false}},
    {"return without a returner", true, "", "", "30", "38",
     kPuntReturned, {}, MessageAnswer::Yes, "The kick is returned, but no returner is typed.\nRecord the return without a returner?",
     KickResult::Runback, "", "", {38, false}},
    {"no yards without a returner", false, "", "", "5", "5",
     kKickReturned, {}, {}, "", KickResult::Runback, "", "", {5, false}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Kicks, KickReturnTest, ::testing::ValuesIn(kCases));

} // namespace
} // namespace yardmark
