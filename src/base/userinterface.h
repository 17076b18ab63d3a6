#pragma once

#include "base/color.h"

#include <optional>
#include <string>
#include <string_view>

namespace yardmark {

/// The buttons of a message box.
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };

/// The button the user pressed. Closing a box without a button gives Cancel
/// where the box has one, No for a Yes/No question and Ok for a plain message.
enum class MessageAnswer { Ok, Cancel, Yes, No };

/// The picture beside a message's text.
enum class MessageIcon { None, Information, Question, Warning, Error };

/// The ten sound effects built into the program.
enum SoundEffect : int {
    kClickSound = 601, ///< a button or command was accepted
    kChimeSound = 602,
    kTimeOutSound = 603,    ///< a time-out is recorded
    kWarningSound = 604,    ///< a warning or error message, the penalty buttons
    kLoadFailedSound = 605, ///< a file could not be loaded; game selection
    kGameStartSound = 606,  ///< a game is started from the game information
    kProgramStartSound = 607,
    kThudSound = 608,
    kCheerSound = 609,
    kBuzzerSound = 610,
};
inline constexpr int kFirstSound = 601;
inline constexpr int kLastSound = 610;

/// What a file open or save dialog is asked for. Title and filters are
/// Windows-1252 texts; `filters` is a list of "Name (*.ext)|*.ext|" pairs, the
/// last '|' optional.
struct FileRequest {
    std::string title;
    std::string filters;
    std::string defaultExtension; ///< without the dot, e.g. "tem"
    std::string initialPath;      ///< proposed name or folder; may be empty
    int filterIndex = 0;          ///< the filter selected first, 0-based
    bool confirmOverwrite = true; ///< save dialogs: ask before choosing an existing file
};

/// The file the user chose. A chosen name without an extension has already
/// been given the extension of the chosen filter (or the default extension).
/// The path is in the file system's own encoding, ready to open.
struct FileChoice {
    std::string path;
    int filterIndex = 0; ///< the filter chosen, 0-based

    bool operator==(const FileChoice &) const = default;
};

/// Everything the core asks of the person at the screen: questions and
/// messages, file choices, colours and sound effects. The desktop program
/// implements it with real windows; tests implement it with scripted answers.
class UserInterface {
public:
    virtual ~UserInterface() = default;

    /// A modal message box with `text` and the title `caption` (Windows-1252).
    virtual MessageAnswer message(std::string_view text, std::string_view caption, MessageButtons buttons,
                                  MessageIcon icon = MessageIcon::None) = 0;

    /// Plays one of the sound effects 601..610 when sound effects are on; a
    /// sound still playing stops first. Never waits for the sound to end.
    virtual void playSound(int sound) = 0;

    /// An existing file to open; nothing when the user cancels.
    virtual std::optional<FileChoice> chooseOpenFile(const FileRequest &request) = 0;

    /// A file name to save under; nothing when the user cancels.
    virtual std::optional<FileChoice> chooseSaveFile(const FileRequest &request) = 0;

    /// The colour chooser opened on `initial`, with sixteen custom colours
    /// that start white and are kept until the program ends; nothing on Cancel.
    virtual std::optional<ColorValue> chooseColor(ColorValue initial) = 0;
};

} // namespace yardmark
