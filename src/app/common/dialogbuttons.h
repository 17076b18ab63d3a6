#pragma once

#include <functional>

class QDialog;
class QPushButton;
class QWidget;

namespace yardmark {

class UserInterface;

/// The "&OK" (default) and "&Cancel" buttons every dialog of the program
/// ends with. Both play the click first; OK runs `ok`, which stores the
/// dialog's values and accepts it, Cancel rejects the dialog.
QWidget *okCancelButtons(QDialog &dialog, UserInterface &ui, std::function<void()> ok);

/// A push button named `name`, so that tests find it. Enter presses it only
/// when it is made the dialog's default.
QPushButton *namedButton(const char *name, const char *caption);

} // namespace yardmark
