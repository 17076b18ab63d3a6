#include "program.h"

#include "app/game/gamewindow.h"
#include "app/season/schedulecommands.h"
#include "app/setup/setupcommands.h"
#include "app/shell/singleinstance.h"
#include "app/shell/startpanel.h"
#include "app/stats/statisticsmenu.h"
#include "base/version.h"
#include "records/recoverycopy.h"
#include "records/settingsfile.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

namespace yardmark {
namespace {

Settings startingSettings(const std::filesystem::path &settingsFile)
{
    Settings settings;
    setDefaults(settings);
    readSettings(settingsFile, settings);
    return settings;
}

/// Ends the program once `window` has painted itself for the first time: the
/// start-up measurement (scripts/bench-startup) times the whole process.
class QuitWhenPainted final : public QObject {
    Q_OBJECT

public:
    explicit QuitWhenPainted(QWidget &window) : QObject(&window) { window.installEventFilter(this); }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return false;
    }
};

} // namespace

Program::Program(const std::filesystem::path &startDirectory, std::unique_ptr<SoundPlayer> sounds)
    : m_settingsFile(settingsFilePath(startDirectory)), m_sounds(std::move(sounds)), m_ui(m_settings.app, *m_sounds)
{
    m_settings = startingSettings(m_settingsFile);
    m_ui.playSound(kProgramStartSound);
    m_mainWindow = std::make_unique<MainWindow>(m_settings, m_ui, m_settingsFile);
    m_ui.setParentWindow(m_mainWindow.get());
    // Every command set adds its menus to the main window, in this order.
    new SetupCommands(*m_mainWindow, m_settings, m_ui);
    addGameCommands(*m_mainWindow, m_settings, *m_sounds);
    new StatisticsMenu(*m_mainWindow);
    new ScheduleCommands(*m_mainWindow, m_settings, m_ui);
    new StartPanel(*m_mainWindow, m_ui, defaultStateDir(), sampleSeasonSchedule());
}

int runProgram(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral(YARDMARK_PRODUCT_NAME));
    QApplication::setApplicationVersion(QStringLiteral(YARDMARK_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("yardmark"));
    // One program per user: a file handed over by the file manager while the
    // program runs opens there, and this start ends.
    const QStringList files = QApplication::arguments().mid(1);
    if (handToRunningProgram(files))
        return 0;
    std::error_code error;
    std::filesystem::path start = std::filesystem::current_path(error);
    Program program(error ? std::filesystem::path(".") : start, makeSoundPlayer());
    MainWindow &window = program.mainWindow();
    if (qEnvironmentVariableIsSet("YARDMARK_QUIT_WHEN_SHOWN"))
        new QuitWhenPainted(window);
    window.show();
    new SingleInstanceServer(
        window, [&window](const QString &file) { window.openFile(file); }, [&window] { return window.gameWindow(); });
    // Files handed over by the file manager open once the window is up.
    QTimer::singleShot(0, &window, [&window, files] {
        for (const QString &file : files)
            window.openFile(file);
        // A game left open by a session that did not end well may be restored.
        window.session().offerLastGameRecovery();
    });
    return QApplication::exec();
}

} // namespace yardmark

#include "program.moc"
