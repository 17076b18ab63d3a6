#pragma once

// What the game lock needs of the operating system, one file per system
// (gamelockposix.cpp, gamelockwindows.cpp); the rules of taking a lock are
// the same everywhere (gamelock.cpp).

#include "gamelock.h"

#include "base/safefile.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

namespace yardmark {

// The lock file held open, with the operating system's lock on it, while this
// program has the game: a session that crashes, is killed or loses power
// leaves a file nobody holds, whatever process now has its number.
class GameLock::HeldFile {
public:
    enum class Open { Held, HeldByOther, Missing, Unguardable, NotAFile };

    HeldFile();
    ~HeldFile();
    HeldFile(const HeldFile &) = delete;
    HeldFile &operator=(const HeldFile &) = delete;

    // A new lock file with `text`; false when one is there already or none
    // can be made (`exists` tells which). The same on every system
    // (gamelock.cpp), around createEmpty.
    bool create(const std::filesystem::path &path, const std::string &text, bool &exists);
    // Opens the lock file that is there and locks it when its holder is gone.
    Open openExisting(const std::filesystem::path &path);
    // Replaces what the held file says.
    bool write(const std::string &text);
    // Removes the file, when it is still the one this program holds (one from
    // another computer may have been put in its place), and lets go of it.
    void remove(const LockHolder &self);
    void close();

private:
    // A new, empty lock file, held open and locked; false as `create`.
    bool createEmpty(const std::filesystem::path &path, bool &exists);

    struct Native; ///< the system's handle of the open file
    std::unique_ptr<Native> m_native;
    std::filesystem::path m_path;
};

/// This computer's name, the program's process and the user who started it.
std::string hostName();
std::int64_t currentProcessId();
std::string currentUser();

/// An environment variable's text; empty when it is not set.
std::string environmentText(const char *name);
/// What a lock file says; empty when it cannot be read.
std::string readLockText(const std::filesystem::path &path);

} // namespace yardmark
