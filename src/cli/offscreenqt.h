#pragma once

#include <QtGlobal>

#include <memory>

class QGuiApplication;

namespace yardmark::cli {

/// Qt drawing without a display for the commands that render pictures or
/// pages: a GUI application on the offscreen platform (Windows' own on
/// Windows) while this lives (unless one runs already), with Qt's notices
/// about the missing desktop session kept quiet; only its errors reach the
/// user.
class OffscreenQt {
public:
    OffscreenQt();
    ~OffscreenQt();
    OffscreenQt(const OffscreenQt &) = delete;
    OffscreenQt &operator=(const OffscreenQt &) = delete;

private:
    std::unique_ptr<QGuiApplication> m_app;
    QtMessageHandler m_previousHandler = nullptr;
};

} // namespace yardmark::cli
