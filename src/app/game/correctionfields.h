#pragma once

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;

namespace yardmark {

// The fields and buttons of the small dialogs the game window opens. Each
// dialog copies its form into its controls when it opens and back when it
// closes; the engine plays the sounds and applies the values.

/// "&OK" (the default) and, where the dialog has one, "&Cancel". The engine
/// plays the click when the dialog has closed, so the buttons play nothing.
QDialogButtonBox *correctionButtons(QDialog &dialog, bool withCancel, std::function<void()> ok);

/// A field for a yard line or a distance, five characters wide.
QLineEdit *numberField(const char *name, const std::string &text);

/// The drop-down beside a number field: choosing an entry writes its first
/// two characters into the field.
QComboBox *entryList(const char *name, const std::vector<std::string> &entries, int index, QLineEdit *number,
                     std::function<std::string(int)> choose);

/// A label whose buddy is `buddy`.
QLabel *buddyLabel(const char *text, QWidget *buddy);

} // namespace yardmark
