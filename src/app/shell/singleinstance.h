#pragma once

#include <QObject>
#include <QStringList>

#include <functional>

class QLocalServer;
class QTimer;
class QWidget;

namespace yardmark {

/// The local socket of this user's program: one program per user, so that a
/// game chosen in the file manager while the program runs opens there, not
/// in a second program writing the same files.
QString singleInstanceName();

/// Hands `files` (none: only bring the window forward) to this user's running
/// program. True when it took them; false when no program answers.
bool handToRunningProgram(const QStringList &files, int timeoutMs = 3000);

/// The running program's end of the socket: files handed over open with
/// `open`, and `window` comes forward. Files handed over while a question or
/// dialog is open wait until it is answered.
class SingleInstanceServer final : public QObject {
public:
    SingleInstanceServer(QWidget &window, std::function<void(const QString &)> open);
    /// Whether later starts can reach this program.
    bool listening() const;

private:
    void answer();
    void openWaiting();
    void bringForward();

    QWidget &m_window;
    std::function<void(const QString &)> m_open;
    QLocalServer *m_server = nullptr;
    QTimer *m_waitForDialog = nullptr;
    QStringList m_waiting;
};

} // namespace yardmark
