#include "filerequests.h"

namespace yardmark {
namespace {

FileRequest fileRequest(const char *title, const char *filters, const char *extension)
{
    FileRequest request;
    request.title = title;
    request.filters = filters;
    request.defaultExtension = extension;
    return request;
}

} // namespace

FileRequest gameFileRequest(const char *title)
{
    return fileRequest(title, "Game Files (*.gam)|*.gam|", "gam");
}

FileRequest teamFileRequest(const char *title)
{
    return fileRequest(title, "Team Files (*.tem)|*.tem|", "tem");
}

FileRequest scheduleFileRequest(const char *title)
{
    return fileRequest(title, "Schedule Files (*.sch)|*.sch|", "sch");
}

} // namespace yardmark
