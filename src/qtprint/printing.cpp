#include "printing.h"

#include "qtbase/qtext.h"
#include "qtpagesurface.h"

#include "printouts/printout.h"

#include "base/atomicfile.h"

#include <QDialogButtonBox>
#include <QDir>
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

bool printWithDialog(QPrinter &printer, Printout &printout, QWidget *parent)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    return printOn(printer, printout);
}

void previewPrintout(QPrinter &printer, Printout &printout, QWidget *parent)
{
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(toQString(printout.title()));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&printout](QPrinter *target) { printOn(*target, printout); });
    preview.exec();
}

bool printToPdf(Printout &printout, const QString &path)
{
    QTemporaryFile partial(QDir::temp().filePath(QStringLiteral("yardmark-print-XXXXXX.pdf")));
    if (!partial.open())
        return false;
    partial.close();

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setCreator(QStringLiteral("Football Yardmark"));
    printer.setOutputFileName(partial.fileName());
    if (!printOn(printer, printout))
        return false;

    std::vector<std::uint8_t> bytes;
    return readWholeFile(pathFromQString(partial.fileName()), bytes) &&
           writeFileAtomically(pathFromQString(path), bytes);
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
