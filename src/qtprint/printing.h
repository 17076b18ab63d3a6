#pragma once

#include <QString>

#include <memory>

class QPrintDialog;
class QPrinter;
class QWidget;

namespace yardmark {

class Printout;

/// Draws the printout on the printer: every page, or the page range chosen in
/// the print dialog. The pages before the range are still laid out, so that
/// the chosen pages show what they show in a full printout. False when the
/// printer cannot be opened.
bool printOn(QPrinter &printer, Printout &printout);

/// The platform's print dialog over `printer` (which also offers printing to
/// a PDF file); prints when the user accepts. False when cancelled or failed.
bool printWithDialog(QPrinter &printer, Printout &printout, QWidget *parent);

/// A print preview of the printout, from which it can also be printed.
void previewPrintout(QPrinter &printer, Printout &printout, QWidget *parent);

/// Writes the printout as a PDF file of letter-size pages. The file is written
/// beside its final name and renamed over it when complete, so that a failure
/// leaves any older file as it was. False when it cannot be written.
bool printToPdf(Printout &printout, const QString &path);

/// "Printer &Setup...": the platform's print dialog over the program's
/// printer, titled "Printer Setup", whose OK keeps the choice.
std::unique_ptr<QPrintDialog> makePrinterSetupDialog(QPrinter &printer, QWidget *parent);

} // namespace yardmark
