#include "offscreenqt.h"

#include <QGuiApplication>

#include <cstdio>

namespace yardmark::cli {

namespace {
int g_argc = 1;
char g_name[] = "yardmark-cli";
char *g_argv[] = {g_name, nullptr};
} // namespace

OffscreenQt::OffscreenQt()
{
    m_previousHandler = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });
    if (QCoreApplication::instance() == nullptr) {
#ifndef Q_OS_WIN
        // Windows draws off the screen on its own platform, which needs no
        // display; elsewhere the platform would want an X or Wayland server.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
        m_app = std::make_unique<QGuiApplication>(g_argc, g_argv);
    }
}

OffscreenQt::~OffscreenQt()
{
    m_app.reset();
    qInstallMessageHandler(m_previousHandler);
}

} // namespace yardmark::cli
