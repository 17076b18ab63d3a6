#pragma once

#include "base/userinterface.h"
#include "records/settings.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>

#include <memory>

namespace yardmark {

class SoundPlayer;

/// The message box the program shows: exactly the text, title and buttons asked for.
std::unique_ptr<QMessageBox> makeMessageBox(std::string_view text, std::string_view caption, MessageButtons buttons,
                                            MessageIcon icon, QWidget *parent);

/// The answer for the button that closed a box; closing without a button
/// counts as the box's escape answer.
MessageAnswer messageAnswer(int standardButton, MessageButtons buttons);

/// The file dialog asked for: its title, the filter list with the asked-for
/// filter selected, and the chosen filter's extension added to a name typed
/// without one. Not shown yet.
std::unique_ptr<QFileDialog> makeFileDialog(const FileRequest &request, bool save, QWidget *parent);

/// What an accepted file dialog chose, its name completed with the chosen
/// filter's extension (or the default one) when it has none; nothing when no
/// file was chosen.
std::optional<FileChoice> fileChoiceOf(const QFileDialog &dialog, const FileRequest &request);

/// The colour chooser's sixteen custom colours start white the first time it
/// opens and then keep what the user puts there until the program ends.
void prepareCustomColors();

/// The desktop program's answers to the core's questions: Qt message boxes,
/// file dialogs and colour dialogs over the main window, and the sound
/// effects while "&Use Sound Effects" is on. The game window's interaction
/// derives from it and from `Interaction`, which share the virtual base.
class QtUserInterface : public virtual UserInterface {
public:
    QtUserInterface(const AppSettings &settings, SoundPlayer &sounds);

    /// The window the dialogs are centred over.
    void setParentWindow(QWidget *window) { m_parent = window; }
    QWidget *parentWindow() const { return m_parent; }

    MessageAnswer message(std::string_view text, std::string_view caption, MessageButtons buttons,
                          MessageIcon icon) override;
    void playSound(int sound) override;
    std::optional<FileChoice> chooseOpenFile(const FileRequest &request) override;
    std::optional<FileChoice> chooseSaveFile(const FileRequest &request) override;
    std::optional<ColorValue> chooseColor(ColorValue initial) override;

private:
    std::optional<FileChoice> chooseFile(const FileRequest &request, bool save);

    const AppSettings &m_settings;
    SoundPlayer &m_sounds;
    QPointer<QWidget> m_parent;
};

} // namespace yardmark
