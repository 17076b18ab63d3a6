#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

namespace yardmark {

/// The wallpaper used when no wallpaper file can be loaded.
inline constexpr const char *kDefaultWallpaperFile = "logo.bmp";
/// The team logo used when a team's own logo cannot be loaded.
inline constexpr const char *kDefaultLogoFile = "default.bmp";

/// A picture file (Windows bitmaps of every common depth, also RLE, and the
/// other formats Qt reads); a null image when it cannot be read.
QImage loadBitmap(const QString &path);

/// The main window's wallpaper: `file`, else "logo.bmp", else the picture the
/// program draws itself.
QImage loadWallpaper(const QString &file);

/// A team's logo: `file`, else "default.bmp", else the drawn default logo.
QImage loadTeamLogo(const QString &file);

/// The pictures the program draws itself, so that none has to ship with it.
QImage drawnWallpaper();
QImage drawnTeamLogo();
QIcon programIcon();

} // namespace yardmark
