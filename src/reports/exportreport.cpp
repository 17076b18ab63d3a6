#include "exportreport.h"

#include "records/userinterface.h"

#include <filesystem>

namespace yardmark {

ExportResult exportReport(UserInterface &ui, const ExportWriter &writer)
{
    ui.playSound(kClickSound);
    FileRequest request;
    request.title = "Select file name to save as";
    request.filters = "Comma Delimited Format (*.csv)|*.csv|HTML (Web Page) Format (*.htm)|*.htm|";
    request.defaultExtension = "csv";
    request.confirmOverwrite = false; // the questions below decide what happens to an existing file
    const std::optional<FileChoice> file = ui.chooseSaveFile(request);
    if (!file)
        return ExportResult::Cancelled;
    const ExportFormat chosen = file->filterIndex == 1 ? ExportFormat::Html : ExportFormat::Csv;
    const std::string path = withExportExtension(file->path, chosen);
    const ExportFormat format = exportFormatFor(path, chosen);
    bool appending = false;
    std::error_code error;
    if (std::filesystem::exists(path, error)) {
        ui.playSound(kClickSound);
        appending = ui.message("This file already exists.  Would you like to append to it?", path,
                               MessageButtons::YesNo, MessageIcon::Question) == MessageAnswer::Yes;
        if (!appending) {
            ui.playSound(kClickSound);
            if (ui.message("Overwrite Existing File?", path, MessageButtons::YesNo, MessageIcon::Question) !=
                MessageAnswer::Yes)
                return ExportResult::Cancelled;
        }
    }
    if (exportToFile(path, format, appending, writer))
        return ExportResult::Written;
    ui.playSound(kWarningSound);
    ui.message("Can't write " + path, "Export", MessageButtons::Ok, MessageIcon::Warning);
    return ExportResult::Failed;
}

} // namespace yardmark
