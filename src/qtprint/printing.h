#pragma once

#include <QString>

#include <functional>
#include <memory>

class QDialog;
class QPrintDialog;
class QPrinter;
class QWidget;

namespace yardmark {

class Printout;
class UserInterface;

/// Draws the printout on the printer: every page, or the page range chosen in
/// the print dialog. The pages before the range are still laid out, so that
/// the chosen pages show what they show in a full printout. False when the
/// printer cannot be opened.
bool printOn(QPrinter &printer, Printout &printout);

/// Draws the printout on the printer's output as printOn does; when that
/// output is a file (the print dialog's "Print to File"), the file is written
/// beside its final name and renamed over it when complete, as every file the
/// program writes, so that a failure leaves any older file as it was. False
/// when the printout did not reach its output.
bool printToOutput(QPrinter &printer, Printout &printout);

/// Runs a modal dialog and gives its result: the program's one runner of
/// dialogs, which tests replace to answer them.
using DialogRunner = std::function<int(QDialog &)>;

enum class PrintResult { Printed, Cancelled, Failed };

/// The platform's print dialog over `printer` (which also offers printing to
/// a PDF file), run by `run`; prints when the user accepts. A print that
/// fails is said to `ui`.
PrintResult printWithDialog(QPrinter &printer, Printout &printout, QWidget *parent, const DialogRunner &run,
                            UserInterface &ui);

/// A print preview of the printout, run by `run`, from which it can also be
/// printed; a print from it that fails is said to `ui`.
void previewPrintout(QPrinter &printer, Printout &printout, QWidget *parent, const DialogRunner &run,
                     UserInterface &ui);

/// Writes the printout as a PDF file of letter-size pages. The file is written
/// beside its final name and renamed over it when complete, so that a failure
/// leaves any older file as it was. False when it cannot be written.
bool printToPdf(Printout &printout, const QString &path);

/// "Printer &Setup...": the platform's print dialog over the program's
/// printer, titled "Printer Setup", whose OK keeps the choice.
std::unique_ptr<QPrintDialog> makePrinterSetupDialog(QPrinter &printer, QWidget *parent);

} // namespace yardmark
