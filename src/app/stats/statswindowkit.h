#pragma once

#include "app/common/appcontext.h"
#include "app/common/dialogbuttons.h"
#include "records/settings.h"
#include "reports/exportchoice.h"

#include <functional>
#include <initializer_list>
#include <vector>

class QBoxLayout;
class QDialog;
class QHBoxLayout;
class QPrinter;
class QPushButton;
class QString;
class QTreeWidget;
class QWidget;

namespace yardmark {

class Printout;
class UserInterface;

/// The row of a window's buttons, left to right in the order given.
QHBoxLayout *buttonRow(std::initializer_list<QPushButton *> buttons);

/// A long column title in two lines, broken at the space nearest its middle
/// ("Punt Returns\nfor Touchdown"), so that its column need not be wide.
QString twoLineTitle(const char *title);

/// Every shown column of `list` at least as wide as its title and its widest
/// value, and no narrower than `widths` asks (pixels; a missing one is 0).
void fitColumns(QTreeWidget &list, const std::vector<int> &widths = {});

/// The buttons along the foot of a statistics window, centred: "&OK" (the
/// default), "&Print", the printer setup (named `setupName`, which opens the
/// printer setup) and "&Export". The window connects the other three.
struct StatsButtons {
    QPushButton *ok;
    QPushButton *print;
    QPushButton *exportButton;
};
StatsButtons addStatsButtons(QBoxLayout &layout, const AppContext &context, QWidget *window,
                             const char *setupName = "setup", const char *setupCaption = "&Setup");

/// "&Print": a preview of the printout on the chosen printer, from which the
/// user prints it or saves it as a PDF file.
void previewPrint(const AppContext &context, Printout &printout, QWidget *parent);

/// "&Setup": the printer setup.
void printerSetup(const AppContext &context, QWidget *parent);

/// "&Export": the export driver with the report's writer.
void exportReportWith(const AppContext &context, const ExportWriter &writer);

} // namespace yardmark
