#include "app/common/printdialogs.h"

#include "app/common/appcontext.h"

#include <QDialog>

namespace yardmark {

namespace {

DialogRunner runnerOf(const AppContext &context)
{
    return [&context](QDialog &dialog) { return context.runDialog(dialog); };
}

} // namespace

PrintResult printWithDialog(const AppContext &context, Printout &printout, QWidget *parent)
{
    return printWithDialog(context.printer, printout, parent, runnerOf(context), context.ui);
}

void previewPrintout(const AppContext &context, Printout &printout, QWidget *parent)
{
    previewPrintout(context.printer, printout, parent, runnerOf(context), context.ui);
}

} // namespace yardmark
