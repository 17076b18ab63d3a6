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
/// in a second program writing the same files. Empty when no folder only this
/// user may enter is there for it: then each start runs on its own.
QString singleInstanceName();

/// The folder for the socket: `runtime` when it is a folder of this user that
/// nobody else may enter; else "yardmark-UID" in `temp`, made 0700 when it is
/// missing and used only when it is this user's and private. Never a name in
/// a folder others can write, where another user could listen first.
QString privateSocketFolder(const QString &runtime, const QString &temp);

/// What a start handed over so far: the files once the list is whole. A list
/// longer than any real one is refused, so that nobody keeps the window busy.
enum class Handover { Incomplete, Complete, TooLarge };
inline constexpr qsizetype kMaxHandoverSize = 256 * 1024;
Handover readHandover(const QByteArray &request, QStringList &files);

/// Hands `files` (none: only bring the window forward) to this user's running
/// program. True when it took them; false when no program answers.
bool handToRunningProgram(const QStringList &files, int timeoutMs = 3000);

/// The running program's end of the socket: files handed over open with
/// `open`, and `window` comes forward with the window the scorer works in
/// over it (`workWindow`: the game window, null while there is none). Files
/// handed over while a question or dialog is open wait until it is answered.
class SingleInstanceServer final : public QObject {
    Q_OBJECT

public:
    SingleInstanceServer(QWidget &window, std::function<void(const QString &)> open,
                         std::function<QWidget *()> workWindow = {});
    /// Whether later starts can reach this program.
    bool listening() const;

private:
    void answer();
    void openWaiting();
    void bringForward();

    QWidget &m_window;
    std::function<void(const QString &)> m_open;
    std::function<QWidget *()> m_workWindow;
    QLocalServer *m_server = nullptr;
    QTimer *m_waitForDialog = nullptr;
    QStringList m_waiting;
};

} // namespace yardmark
