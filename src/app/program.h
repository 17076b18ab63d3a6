#pragma once

#include "app/common/qtuserinterface.h"
#include "app/common/soundplayer.h"
#include "app/shell/mainwindow.h"
#include "records/settings.h"

#include <filesystem>
#include <memory>

namespace yardmark {

/// The running program: its settings, sound, user interface and main
/// window. Start-up: every setting takes its default, the settings file of
/// the start directory is read (which sets the field size), the start sound
/// plays and the main window is created at the stored rectangle. The main
/// window writes the settings file back when it closes.
class Program {
public:
    Program(const std::filesystem::path &startDirectory, std::unique_ptr<SoundPlayer> sounds);

    Settings &settings() { return m_settings; }
    const std::filesystem::path &settingsFile() const { return m_settingsFile; }
    UserInterface &ui() { return m_ui; }
    SoundPlayer &sounds() { return *m_sounds; }
    MainWindow &mainWindow() { return *m_mainWindow; }

private:
    Settings m_settings;
    std::filesystem::path m_settingsFile;
    std::unique_ptr<SoundPlayer> m_sounds;
    QtUserInterface m_ui;
    std::unique_ptr<MainWindow> m_mainWindow;
};

/// The program's main(): starts in the current directory and runs until the
/// main window closes.
int runProgram(int argc, char **argv);

} // namespace yardmark
