#include "printing.h"

#include "qtbase/qtext.h"
#include "qtpagesurface.h"

#include "printouts/printout.h"

#include "base/atomicfile.h"
#include "base/userinterface.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QPaintEngine>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryFile>

#include <cstdint>
#include <vector>

namespace yardmark {

bool printOn(QPrinter &printer, Printout &printout)
{
    if (printer.docName().isEmpty())
        printer.setDocName(toQString(printout.title()));
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    QtPageSurface surface(painter, printer);
    const bool ranged = printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0;
    const int first = ranged ? printer.fromPage() : 1;
    const int last = ranged ? printer.toPage() : 0;
    bool printedOne = false;
    for (int page = 1; last == 0 || page <= last; ++page) {
        const bool wanted = page >= first;
        if (wanted && printedOne)
            surface.newPage();
        surface.setDrawing(wanted);
        printout.printPage(surface, page);
        printedOne = printedOne || wanted;
        if (!printout.hasPage(page + 1))
            break;
    }
    return painter.end();
}

namespace {

/// Prints into a temporary PDF file and then writes its bytes to `path`
/// atomically.
bool printPdfTo(QPrinter &printer, Printout &printout, const QString &path)
{
    QTemporaryFile partial(QDir::temp().filePath(QStringLiteral("yardmark-print-XXXXXX.pdf")));
    if (!partial.open())
        return false;
    partial.close();
    printer.setOutputFileName(partial.fileName());
    const bool printed = printOn(printer, printout);
    // The printer keeps the name the scorer chose for the next print.
    printer.setOutputFileName(path);
    std::vector<std::uint8_t> bytes;
    return printed && readWholeFile(pathFromQString(partial.fileName()), bytes) &&
           writeFileAtomically(pathFromQString(path), bytes);
}

PrintResult printAndSay(QPrinter &printer, Printout &printout, UserInterface &ui)
{
    if (printToOutput(printer, printout))
        return PrintResult::Printed;
    const QString file = printer.outputFileName();
    ui.playSound(kWarningSound);
    ui.message(file.isEmpty() ? "Cannot print on " + fromQString(printer.printerName())
                              : "Cannot write " + fromQString(file),
               "Print", MessageButtons::Ok, MessageIcon::Warning);
    return PrintResult::Failed;
}

} // namespace

bool printToOutput(QPrinter &printer, Printout &printout)
{
    const QString file = printer.outputFileName();
    if (printer.outputFormat() == QPrinter::PdfFormat && !file.isEmpty())
        return printPdfTo(printer, printout, file);
    return printOn(printer, printout);
}

PrintResult printWithDialog(QPrinter &printer, Printout &printout, QWidget *parent, const DialogRunner &run,
                            UserInterface &ui)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("printDialog"));
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    if (run(dialog) != QDialog::Accepted)
        return PrintResult::Cancelled;
    return printAndSay(printer, printout, ui);
}

void previewPrintout(QPrinter &printer, Printout &printout, QWidget *parent, const DialogRunner &run, UserInterface &ui)
{
    QPrintPreviewDialog preview(&printer, parent);
    preview.setObjectName(QStringLiteral("printPreview"));
    preview.setWindowTitle(toQString(printout.title()));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&printout, &ui](QPrinter *target) {
        // The pages drawn for the preview itself go to its picture engine;
        // anything else is the print the scorer asked for from the preview.
        if (target->paintEngine() && target->paintEngine()->type() == QPaintEngine::Picture)
            printOn(*target, printout);
        else
            printAndSay(*target, printout, ui);
    });
    run(preview);
}

bool printToPdf(Printout &printout, const QString &path)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setCreator(QStringLiteral("Football Yardmark"));
    return printPdfTo(printer, printout, path);
}

std::unique_ptr<QPrintDialog> makePrinterSetupDialog(QPrinter &printer, QWidget *parent)
{
    auto dialog = std::make_unique<QPrintDialog>(&printer, parent);
    dialog->setWindowTitle(QStringLiteral("Printer Setup"));
    // Setting up prints nothing yet: the dialog only chooses the printer.
    if (auto *buttons = dialog->findChild<QDialogButtonBox *>()) {
        if (QPushButton *print = buttons->button(QDialogButtonBox::Ok))
            print->setText(QStringLiteral("&OK"));
    }
    return dialog;
}

} // namespace yardmark
