#pragma once

// Where the program finds the user's per-user state folder (recovery copies,
// recent files, the game last open) and the user's name, on each system; a
// test points them at its own folder and its own user.

namespace yardmark::testing {

#ifdef _WIN32
inline constexpr const char *kStateHomeVariable = "LOCALAPPDATA";
inline constexpr const char *kUserVariable = "USERNAME";
#else
inline constexpr const char *kStateHomeVariable = "XDG_STATE_HOME";
inline constexpr const char *kUserVariable = "USER";
#endif

} // namespace yardmark::testing
