#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace yardmark {

/// Chooses, unless the environment names one, the Qt platform that draws
/// without a display, before the application object is made: the offscreen
/// platform; on Windows the system's own, which needs no display there (the
/// Qt made for Windows has no other).
inline void chooseHeadlessPlatform()
{
#ifndef Q_OS_WIN
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
}

} // namespace yardmark
