#include "app/shell/singleinstance.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <utility>

#ifndef Q_OS_WIN
#include <QFile>

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace yardmark {
namespace {

// Each file handed over is a line of UTF-8; an empty line ends the list and
// the program answers "ok" once it has them.
constexpr char kTaken[] = "ok";

QString userName()
{
    // The logged-on user's name as each system keeps it (USER may be set on
    // Windows too, by shells ported from Unix, and name someone else).
#ifdef Q_OS_WIN
    QString user = qEnvironmentVariable("USERNAME");
#else
    QString user = qEnvironmentVariable("USER");
#endif
    if (user.isEmpty())
        user = QDir::home().dirName();
    QString safe;
    for (const QChar c : user)
        safe += c.isLetterOrNumber() || c == u'-' || c == u'_' ? c : QChar(u'_');
    return safe;
}

#ifndef Q_OS_WIN
bool isPrivateFolder(const QString &path)
{
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::getuid() && (info.st_mode & 077) == 0;
}
#endif

// Whether the program at the other end of the socket runs for this user. On
// Windows the pipe admits only this user (QLocalServer::UserAccessOption).
bool peerIsThisUser([[maybe_unused]] qintptr socket)
{
#if defined(Q_OS_LINUX)
    struct ucred peer {};
    socklen_t size = sizeof peer;
    return ::getsockopt(static_cast<int>(socket), SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == ::getuid();
#elif !defined(Q_OS_WIN)
    uid_t uid = 0;
    gid_t gid = 0;
    return ::getpeereid(static_cast<int>(socket), &uid, &gid) == 0 && uid == ::getuid();
#else
    return true;
#endif
}

} // namespace

QString privateSocketFolder([[maybe_unused]] const QString &runtime, [[maybe_unused]] const QString &temp)
{
#ifdef Q_OS_WIN
    return {};
#else
    if (!runtime.isEmpty() && isPrivateFolder(runtime))
        return runtime;
    if (temp.isEmpty())
        return {};
    const QString own = QDir(temp).filePath(QStringLiteral("yardmark-%1").arg(::getuid()));
    ::mkdir(QFile::encodeName(own).constData(), 0700);
    return isPrivateFolder(own) ? own : QString();
#endif
}

QString singleInstanceName()
{
    const QString name = QStringLiteral("yardmark-") + userName();
#ifndef Q_OS_WIN
    const QString folder = privateSocketFolder(qEnvironmentVariable("XDG_RUNTIME_DIR"), QDir::tempPath());
    if (folder.isEmpty())
        return {};
    return QDir(folder).filePath(name + QStringLiteral(".socket"));
#else
    return name;
#endif
}

Handover readHandover(const QByteArray &request, QStringList &files)
{
    const qsizetype end = request.startsWith('\n') ? 0 : request.indexOf("\n\n");
    if (end < 0)
        return request.size() > kMaxHandoverSize ? Handover::TooLarge : Handover::Incomplete;
    if (end > kMaxHandoverSize)
        return Handover::TooLarge;
    files.clear();
    for (const QByteArray &line : request.left(end).split('\n')) {
        if (!line.isEmpty())
            files << QString::fromUtf8(line);
    }
    return Handover::Complete;
}

bool handToRunningProgram(const QStringList &files, int timeoutMs)
{
    const QString name = singleInstanceName();
    if (name.isEmpty())
        return false;
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(timeoutMs) || !peerIsThisUser(socket.socketDescriptor()))
        return false;
    QByteArray request;
    for (const QString &file : files)
        request += QFileInfo(file).absoluteFilePath().toUtf8() + '\n';
    request += '\n';
    socket.write(request);
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    QByteArray reply;
    while (!reply.contains('\n') && socket.waitForReadyRead(timeoutMs))
        reply += socket.readAll();
    return reply.trimmed() == kTaken;
}

SingleInstanceServer::SingleInstanceServer(QWidget &window, std::function<void(const QString &)> open,
                                           std::function<QWidget *()> workWindow)
    : QObject(&window), m_window(window), m_open(std::move(open)), m_workWindow(std::move(workWindow)),
      m_server(new QLocalServer(this)), m_waitForDialog(new QTimer(this))
{
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    const QString name = singleInstanceName();
    // A name left by a program that crashed answers nobody: this one takes it.
    if (!name.isEmpty() && !m_server->listen(name) && m_server->serverError() == QAbstractSocket::AddressInUseError) {
        QLocalServer::removeServer(name);
        m_server->listen(name);
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] { answer(); });
    m_waitForDialog->setInterval(200);
    connect(m_waitForDialog, &QTimer::timeout, this, [this] { openWaiting(); });
}

bool SingleInstanceServer::listening() const
{
    return m_server->isListening();
}

void SingleInstanceServer::answer()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (!peerIsThisUser(socket->socketDescriptor())) {
            socket->abort();
            continue;
        }
        auto buffer = std::make_shared<QByteArray>();
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, buffer] {
            QByteArray &request = *buffer;
            request += socket->read(kMaxHandoverSize + 2 - request.size());
            QStringList files;
            const Handover handover = readHandover(request, files);
            if (handover == Handover::TooLarge)
                socket->abort();
            if (handover != Handover::Complete)
                return;
            socket->write(QByteArray(kTaken) + '\n');
            socket->flush();
            request.clear();
            // Opened from the event loop: the start that handed them over is
            // answered first.
            QTimer::singleShot(0, this, [this, files] {
                bringForward();
                m_waiting << files;
                openWaiting();
            });
        });
    }
}

void SingleInstanceServer::openWaiting()
{
    // A question or dialog of this program is answered first: the files are
    // opened once it is gone, not over it.
    if (QApplication::activeModalWidget()) {
        m_waitForDialog->start();
        return;
    }
    m_waitForDialog->stop();
    const QStringList files = std::exchange(m_waiting, {});
    for (const QString &file : files)
        m_open(file);
}

void SingleInstanceServer::bringForward()
{
    m_window.show();
    m_window.setWindowState(m_window.windowState() & ~Qt::WindowMinimized);
    m_window.raise();
    // The game window, or a question on top of everything, is what the scorer works in.
    QWidget *front = QApplication::activeModalWidget();
    if (!front)
        front = m_workWindow ? m_workWindow() : nullptr;
    if (!front || !front->isVisible())
        front = &m_window;
    front->raise();
    front->activateWindow();
}

} // namespace yardmark
