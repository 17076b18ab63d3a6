#pragma once

#include <QtGlobal>

namespace yardmark::testing {

/// The platform window tests run on unless the environment names one: Qt's
/// offscreen platform, which needs no display; on Windows the system's own
/// (the Qt made for Windows has no other), whose windows show.
inline void chooseTestPlatform()
{
#ifndef Q_OS_WIN
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
}

} // namespace yardmark::testing
