#pragma once

#include "base/userinterface.h"

namespace yardmark {

/// The file questions of the program's own files, each titled by the command
/// that asks: games (.gam), teams (.tem) and schedules (.sch).
FileRequest gameFileRequest(const char *title);
FileRequest teamFileRequest(const char *title);
FileRequest scheduleFileRequest(const char *title);

} // namespace yardmark
