// A settings file with any content: it is read without harm, the field size
// stays consistent, and the settings read are written and read back the same.
// (Texts are compared apart: the reader takes only a line's first word of the
// wallpaper path and drops a carriage return ending the font face.)

#include "fuzzcheck.h"

#include "records/settingsfile.h"

#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace yardmark;
    Settings settings;
    setDefaults(settings);
    std::istringstream in(std::string(reinterpret_cast<const char *>(data), size));
    readSettings(in, settings);
    FUZZ_CHECK(settings.league.midfieldYardLine == midfieldFor(settings.league.indoorField));

    std::ostringstream out;
    writeSettings(out, settings);
    Settings again;
    setDefaults(again);
    std::istringstream back(out.str());
    readSettings(back, again);
    again.app.wallpaperFile = settings.app.wallpaperFile;
    again.app.html.htmlFontFace = settings.app.html.htmlFontFace;
    FUZZ_CHECK(again == settings);
    return 0;
}
