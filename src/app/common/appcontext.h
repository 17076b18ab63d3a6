#pragma once

#include "qtprint/printing.h"

#include <QPrinter>

#include <functional>

class QDialog;

namespace yardmark {

struct Settings;
class UserInterface;

/// What every window borrows from the running program: the settings (league
/// rules, HTML options), the user's answers and sounds, the printer chosen in
/// "Printer Setup" (shared, so a choice made anywhere holds everywhere), and
/// the one place modal dialogs are run, which tests replace to answer them.
class AppContext {
public:
    AppContext(Settings &settings, UserInterface &ui) : settings(settings), ui(ui) {}
    AppContext(const AppContext &) = delete;
    AppContext &operator=(const AppContext &) = delete;

    Settings &settings;
    UserInterface &ui;
    mutable QPrinter printer;

    int runDialog(QDialog &dialog) const;
    void setDialogRunner(DialogRunner runner) { m_runner = std::move(runner); }

private:
    DialogRunner m_runner;
};

} // namespace yardmark
