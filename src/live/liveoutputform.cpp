#include "liveoutputform.h"

#include "base/text.h"

#include <filesystem>

namespace yardmark {

namespace {

void trim(std::string &text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    text.erase(0, first == std::string::npos ? text.size() : first);
    text.erase(text.find_last_not_of(" \t") + 1);
}

} // namespace

bool acceptLiveOutputForm(LiveOutputSettings &form, UserInterface &ui)
{
    trim(form.folder);
    trim(form.title);
    std::error_code error;
    if (form.folder.empty() || std::filesystem::is_directory(form.folder, error))
        return true;
    ui.playSound(kWarningSound);
    ui.message("The folder " + utf8ToCp1252(form.folder) +
                   " does not exist.\n\nChoose an existing folder, or leave the folder empty to turn live output off.",
               "Live Output", MessageButtons::Ok, MessageIcon::Warning);
    return false;
}

} // namespace yardmark
