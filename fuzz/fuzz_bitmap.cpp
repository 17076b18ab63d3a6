// Any bytes as a logo or wallpaper file: the loader refuses them (a null
// picture, so the drawn default is shown) or gives a picture that draws.

#include "fuzzcheck.h"
#include "fuzzgame.h"

#include "app/common/bitmaps.h"
#include "base/atomicfile.h"

#include <QPainter>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace yardmark;
    static const std::filesystem::path folder = scratchFolder("fuzz_bitmap");
    const std::filesystem::path file = folder / "logo.bmp";
    FUZZ_CHECK(writeFileAtomically(file, std::string_view(reinterpret_cast<const char *>(data), size)));
    const QImage image = loadBitmap(QString::fromStdString(file.string()));
    if (image.isNull())
        return 0;
    FUZZ_CHECK(image.width() > 0 && image.height() > 0);
    // Drawn as the wallpaper view and the field's logos draw it: scaled into place.
    QImage canvas(64, 48, QImage::Format_RGB32);
    QPainter painter(&canvas);
    painter.drawImage(QRect(0, 0, 64, 48), image);
    return 0;
}
