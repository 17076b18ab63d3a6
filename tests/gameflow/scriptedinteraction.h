#pragma once

#include "gameflow/corrections.h"
#include "gameflow/entry/editplayentry.h"
#include "gameflow/insertplay.h"
#include "gameflow/interaction.h"
#include "gameflow/playentrycontext.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace yardmark {

/// Answers the game window's questions from a script and logs, in order,
/// every message ("Caption: text"), team choice ("choose: title"), dialog
/// ("dialog N") and sound ("sound N").
class ScriptedInteraction : public Interaction {
public:
    /// A message box as it was shown.
    struct Message {
        std::string text;
        std::string caption;
        MessageButtons buttons;
        MessageIcon icon;
    };

    std::deque<MessageAnswer> replies;
    std::deque<TeamChoice> teams;
    std::vector<std::string> log;
    std::vector<int> sounds;
    std::vector<Message> messages;
    std::vector<bool> teamPreselectedHome;
    /// The entry dialogs; without one every entry dialog is cancelled.
    std::function<bool(PlayKind, PlayEntryContext &)> playDialog;
    std::function<void(EditPlayEntry &)> editPlay;
    std::function<bool(InsertPlayForm &)> insertPlay;
    std::function<bool(BallOnForm &)> ballOn;
    std::function<bool(ToGoForm &)> toGo;
    RecordTimeForm time;

    MessageAnswer message(std::string_view text, std::string_view caption, MessageButtons buttons,
                          MessageIcon icon) override
    {
        const Message shown{std::string(text), std::string(caption), buttons, icon};
        messages.push_back(shown);
        log.push_back(shown.caption + ": " + shown.text);
        if (buttons == MessageButtons::Ok)
            return MessageAnswer::Ok;
        if (replies.empty()) {
            ADD_FAILURE() << "unscripted question " << caption;
            return MessageAnswer::Cancel;
        }
        const MessageAnswer reply = replies.front();
        replies.pop_front();
        return reply;
    }

    TeamChoice chooseTeam(std::string_view title, std::string_view, std::string_view, bool homeChecked) override
    {
        log.push_back("choose: " + std::string(title));
        teamPreselectedHome.push_back(homeChecked);
        if (teams.empty()) {
            ADD_FAILURE() << "unscripted team choice " << title;
            return TeamChoice::Cancelled;
        }
        const TeamChoice choice = teams.front();
        teams.pop_front();
        return choice;
    }

    bool runPlayDialog(PlayKind kind, PlayEntryContext &context) override
    {
        log.push_back("dialog " + std::to_string(static_cast<int>(kind)));
        return playDialog ? playDialog(kind, context) : false;
    }

    void runEditPlay(EditPlayEntry &dialog) override
    {
        log.push_back("dialog Edit Play");
        if (editPlay)
            editPlay(dialog);
        else
            dialog.cancel();
    }

    bool runInsertPlay(InsertPlayForm &form) override
    {
        log.push_back("dialog Insert Play");
        return insertPlay && insertPlay(form);
    }

    bool runBallOn(BallOnForm &form) override { return ballOn && ballOn(form); }
    bool runToGo(ToGoForm &form) override { return toGo && toGo(form); }

    void runRecordTime(RecordTimeForm &form) override
    {
        log.push_back("Record Time");
        timeAsked = form;
        form.minutes = time.minutes;
        form.seconds = time.seconds;
    }

    RecordTimeForm timeAsked; ///< what Record Time showed

    void playSound(int soundNumber) override
    {
        sounds.push_back(soundNumber);
        log.push_back("sound " + std::to_string(soundNumber));
    }

    std::optional<FileChoice> chooseOpenFile(const FileRequest &) override { return std::nullopt; }
    std::optional<FileChoice> chooseSaveFile(const FileRequest &) override { return std::nullopt; }
    std::optional<ColorValue> chooseColor(ColorValue) override { return std::nullopt; }

    void clear()
    {
        log.clear();
        sounds.clear();
        messages.clear();
    }
};

} // namespace yardmark
