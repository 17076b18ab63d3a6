#include "offscreenqt.h"

#include "qtbase/headlessplatform.h"

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
        chooseHeadlessPlatform();
        m_app = std::make_unique<QGuiApplication>(g_argc, g_argv);
    }
}

OffscreenQt::~OffscreenQt()
{
    m_app.reset();
    qInstallMessageHandler(m_previousHandler);
}

} // namespace yardmark::cli
