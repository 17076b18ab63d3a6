#include "exportreport.h"

#include <filesystem>

namespace yardmark {

ExportResult exportReport(UserInterface &ui, const ExportWriter &writer, const std::string &proposedName)
{
    ui.playSound(kClickSound);
    FileRequest request;
    request.title = kExportDialogTitle;
    request.filters = kExportFileTypes;
    request.defaultExtension = "csv";
    request.initialPath = proposedName;
    // The driver asks its own append and overwrite questions.
    request.confirmOverwrite = false;
    const std::optional<FileChoice> choice = ui.chooseSaveFile(request);
    if (!choice)
        return ExportResult::Cancelled;

    const ExportFormat chosenType = choice->filterIndex == 1 ? ExportFormat::Html : ExportFormat::Csv;
    const std::string path = withExportExtension(choice->path, chosenType);
    const ExportFormat format = exportFormatFor(path, chosenType);

    bool appending = false;
    std::error_code error;
    if (std::filesystem::exists(path, error)) {
        ui.playSound(kClickSound);
        appending =
            ui.message(kAppendQuestion, path, MessageButtons::YesNo, MessageIcon::Question) == MessageAnswer::Yes;
        if (!appending) {
            ui.playSound(kClickSound);
            if (ui.message(kOverwriteQuestion, path, MessageButtons::YesNo, MessageIcon::Question) !=
                MessageAnswer::Yes)
                return ExportResult::Cancelled;
        }
    }
    if (exportToFile(path, format, appending, writer))
        return ExportResult::Written;
    ui.playSound(kWarningSound);
    ui.message("The report could not be written to\n" + path +
                   "\n\nThe folder may be read-only or the disk full. No file was changed.",
               "Export Failed", MessageButtons::Ok, MessageIcon::Warning);
    return ExportResult::Failed;
}

} // namespace yardmark
