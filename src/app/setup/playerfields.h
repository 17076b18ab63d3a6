#pragma once

#include "season/playerentry.h"

#include <QDialog>

#include <functional>
#include <string>

class QDialogButtonBox;
class QRadioButton;

namespace yardmark {

class UserInterface;

// What Add Player and Modify Player share.

/// A radio button with a team's name, shown as it is: an "&" in it is no
/// accelerator.
QRadioButton *teamRadio(const char *name, const std::string &teamName);

/// The dialog's OK (captioned `okText`, running `ok`) and Cancel, both with
/// their click.
QDialogButtonBox *endingButtons(QDialog &dialog, UserInterface &ui, const char *okText, std::function<void()> ok);

/// A notice of the player rules as a warning.
void warnOfNotice(UserInterface &ui, const Notice &notice);

} // namespace yardmark
