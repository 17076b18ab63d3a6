#pragma once

#include "base/userinterface.h"
#include "records/settings.h"

namespace yardmark {

/// OK of "Live Output": blanks around the folder and the title go; an empty
/// folder turns live output off. A folder that is not an existing folder is
/// refused with a message naming it, and the dialog stays open (false).
bool acceptLiveOutputForm(LiveOutputSettings &form, UserInterface &ui);

} // namespace yardmark
