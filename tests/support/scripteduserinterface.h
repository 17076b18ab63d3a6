#pragma once

#include "base/userinterface.h"

#include <deque>
#include <string>
#include <vector>

namespace yardmark {

/// Answers the program's questions from a script and records what it was
/// asked, the sounds it played and the files and colours it was offered.
class ScriptedUserInterface final : public UserInterface {
public:
    struct Message {
        std::string text, caption;
        MessageButtons buttons;
    };

    MessageAnswer message(std::string_view text, std::string_view caption, MessageButtons buttons, MessageIcon) override
    {
        messages.push_back({std::string(text), std::string(caption), buttons});
        return next(answers, MessageAnswer::Ok);
    }
    void playSound(int sound) override { sounds.push_back(sound); }
    std::optional<FileChoice> chooseOpenFile(const FileRequest &request) override
    {
        fileRequests.push_back(request);
        return next(files, std::optional<FileChoice>());
    }
    std::optional<FileChoice> chooseSaveFile(const FileRequest &request) override
    {
        fileRequests.push_back(request);
        return next(files, std::optional<FileChoice>());
    }
    std::optional<ColorValue> chooseColor(ColorValue initial) override
    {
        colorsOffered.push_back(initial);
        return next(colors, std::optional<ColorValue>());
    }

    std::deque<MessageAnswer> answers;
    std::deque<std::optional<FileChoice>> files;
    std::deque<std::optional<ColorValue>> colors;

    std::vector<Message> messages;
    std::vector<int> sounds;
    std::vector<FileRequest> fileRequests;
    std::vector<ColorValue> colorsOffered;

private:
    template <typename T> static T next(std::deque<T> &script, T otherwise)
    {
        if (script.empty())
            return otherwise;
        T value = script.front();
        script.pop_front();
        return value;
    }
};

} // namespace yardmark
