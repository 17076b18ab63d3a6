#pragma once

#include "settings.h"

#include <filesystem>
#include <iosfwd>

namespace yardmark {

/// The name of the settings file.
inline constexpr const char *kSettingsFileName = "yardmark.ini";

/// Reads the settings file's lines into `settings`. What cannot be read keeps
/// its current value; a damaged switch line takes the value of the switch
/// read before it (0 before the first). Accepts LF and CR LF line ends.
/// Afterwards the midfield yard line follows the field type.
void readSettings(std::istream &in, Settings &settings);

/// Reads the file at `path`; the HTML font face and sizes start from their
/// defaults, and a missing file leaves everything as it is.
void readSettings(const std::filesystem::path &path, Settings &settings);

/// Writes the 28 lines of the settings file.
void writeSettings(std::ostream &out, const Settings &settings);

/// Writes the file at `path` through a temporary file renamed over it;
/// false when it cannot be written (the old file is then untouched).
bool writeSettings(const std::filesystem::path &path, const Settings &settings);

/// Where the settings live: "yardmark.ini" in the start directory when one is
/// there, otherwise $XDG_CONFIG_HOME/yardmark/yardmark.ini (by default under
/// ~/.config); on Windows %APPDATA%\yardmark\yardmark.ini.
std::filesystem::path settingsFilePath(const std::filesystem::path &startDirectory);

} // namespace yardmark
