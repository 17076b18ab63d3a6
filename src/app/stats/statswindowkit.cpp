#include "app/stats/statswindowkit.h"

#include "app/common/printdialogs.h"
#include "qtbase/qtext.h"
#include "qtprint/printing.h"

#include "base/userinterface.h"
#include "printouts/printout.h"
#include "reports/exportreport.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTreeWidget>

namespace yardmark {

QString twoLineTitle(const char *title)
{
    QString text = QString::fromLatin1(title);
    constexpr int kOneLine = 10;
    if (text.size() <= kOneLine)
        return text;
    const int middle = static_cast<int>(text.size() / 2);
    const int before = text.lastIndexOf(QLatin1Char(' '), middle);
    const int after = text.indexOf(QLatin1Char(' '), middle);
    const int at = before < 0 ? after : after < 0 ? before : (middle - before <= after - middle ? before : after);
    if (at > 0)
        text[at] = QLatin1Char('\n');
    return text;
}

void fitColumns(QTreeWidget &list, const std::vector<int> &widths)
{
    for (int c = 0; c < list.columnCount(); ++c) {
        if (list.isColumnHidden(c))
            continue;
        // Sized to the title and the widest value first.
        list.resizeColumnToContents(c);
        const int asked = c < static_cast<int>(widths.size()) ? widths[static_cast<std::size_t>(c)] : 0;
        list.setColumnWidth(c, std::max(asked, list.columnWidth(c)));
    }
}

QHBoxLayout *buttonRow(std::initializer_list<QPushButton *> buttons)
{
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    for (QPushButton *button : buttons)
        row->addWidget(button);
    row->addStretch(1);
    return row;
}

StatsButtons addStatsButtons(QBoxLayout &layout, const AppContext &context, QWidget *window, const char *setupName,
                             const char *setupCaption)
{
    const StatsButtons buttons{namedButton("ok", "&OK"), namedButton("print", "&Print"),
                               namedButton("export", "&Export")};
    buttons.ok->setDefault(true);
    QPushButton *setup = namedButton(setupName, setupCaption);
    QObject::connect(setup, &QPushButton::clicked, window, [&context, window] { printerSetup(context, window); });
    layout.addLayout(buttonRow({buttons.ok, buttons.print, setup, buttons.exportButton}));
    return buttons;
}

void previewPrint(const AppContext &context, Printout &printout, QWidget *parent)
{
    context.ui.playSound(kClickSound);
    previewPrintout(context, printout, parent);
}

void printerSetup(const AppContext &context, QWidget *parent)
{
    context.ui.playSound(kClickSound);
    const std::unique_ptr<QPrintDialog> dialog = makePrinterSetupDialog(context.printer, parent);
    context.runDialog(*dialog);
}

void exportReportWith(const AppContext &context, const ExportWriter &writer)
{
    exportReport(context.ui, writer);
}

} // namespace yardmark
