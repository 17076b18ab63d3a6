#pragma once

#include <functional>

class QDialog;
class QPrinter;
class QLineEdit;
class QComboBox;
class QString;
class QWidget;

namespace yardmark {

/// Lets a text box take at most `maxLength` characters, and only characters
/// the program's files can store (Windows-1252): anything else is refused
/// with a note beside the box saying why, so that nothing is silently
/// stored as "?".
void limitText(QLineEdit *edit, int maxLength);

/// The same for the typed part of an editable list.
void limitText(QComboBox *combo, int maxLength);

/// Names `input` for screen readers after its caption ("&Birthday:" is read
/// "Birthday"): lists, whose accessible name is always their own and never
/// their label's, and fields captioned by a button, which no label can name.
void nameAfterCaption(QWidget *input, const QString &caption);

/// The characters of `text` the files cannot store, each once.
QString unstorableCharacters(const QString &text);

/// A tool tip showing text from a file (a note, a path) as it is: a tool tip
/// renders what looks like markup, so such text is escaped.
QString plainToolTip(const QString &text);

} // namespace yardmark
