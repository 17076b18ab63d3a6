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

namespace yardmark {
namespace {

// Each file handed over is a line of UTF-8; an empty line ends the list and
// the program answers "ok" once it has them.
constexpr char kTaken[] = "ok";

QString userName()
{
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("USERNAME");
    if (user.isEmpty())
        user = QDir::home().dirName();
    QString safe;
    for (const QChar c : user)
        safe += c.isLetterOrNumber() || c == u'-' || c == u'_' ? c : QChar(u'_');
    return safe;
}

} // namespace

QString singleInstanceName()
{
    const QString name = QStringLiteral("yardmark-") + userName();
#ifndef Q_OS_WIN
    // In the user's own runtime folder where there is one: no other user can
    // take the name there.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return QDir(runtime).filePath(name + QStringLiteral(".socket"));
#endif
    return name;
}

bool handToRunningProgram(const QStringList &files, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(singleInstanceName());
    if (!socket.waitForConnected(timeoutMs))
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

SingleInstanceServer::SingleInstanceServer(QWidget &window, std::function<void(const QString &)> open)
    : QObject(&window), m_window(window), m_open(std::move(open)), m_server(new QLocalServer(this)),
      m_waitForDialog(new QTimer(this))
{
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    const QString name = singleInstanceName();
    // A name left by a program that crashed answers nobody: this one takes it.
    if (!m_server->listen(name) && m_server->serverError() == QAbstractSocket::AddressInUseError) {
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
        auto buffer = std::make_shared<QByteArray>();
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, buffer] {
            QByteArray &request = *buffer;
            request += socket->readAll();
            if (!request.startsWith('\n') && !request.contains("\n\n"))
                return;
            const QList<QByteArray> lines = request.split('\n');
            socket->write(QByteArray(kTaken) + '\n');
            socket->flush();
            QStringList files;
            for (const QByteArray &line : lines) {
                if (line.isEmpty())
                    break;
                files << QString::fromUtf8(line);
            }
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
        front = m_window.findChild<QWidget *>(QStringLiteral("gameWindow"), Qt::FindDirectChildrenOnly);
    if (!front || !front->isVisible())
        front = &m_window;
    front->raise();
    front->activateWindow();
}

} // namespace yardmark
