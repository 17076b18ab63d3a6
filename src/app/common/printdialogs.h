#pragma once

#include "qtprint/printing.h"

class QWidget;

namespace yardmark {

class AppContext;
class Printout;

/// The print dialog over the program's printer, run as every dialog of the
/// program is; a print that fails is said to the scorer.
PrintResult printWithDialog(const AppContext &context, Printout &printout, QWidget *parent);

/// A print preview on the program's printer, run as every dialog is, from
/// which the printout is printed or saved as a PDF file.
void previewPrintout(const AppContext &context, Printout &printout, QWidget *parent);

} // namespace yardmark
