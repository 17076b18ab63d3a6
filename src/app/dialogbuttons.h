#pragma once

#include <functional>

class QDialog;
class QWidget;

namespace yardmark {

class UserInterface;

/// The "&OK" (default) and "&Cancel" buttons every dialog of the program
/// ends with. Both play the click first; OK runs `ok`, which stores the
/// dialog's values and accepts it, Cancel rejects the dialog.
QWidget *okCancelButtons(QDialog &dialog, UserInterface &ui, std::function<void()> ok);

} // namespace yardmark
