// Shows the main window, its menus and every dialog of the program one after
// the other and takes a picture of the whole screen at each step, so that
// their look can be checked by eye. Run under a virtual X server by
// scripts/screenshots; the settings of the user are not touched.

#include "app/program.h"
#include "records/recentfiles.h"
#include "records/recoverycopy.h"
#include "records/settingsfile.h"
#include "tour.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdint>
#include <memory>
#include <vector>

using namespace yardmark;

namespace {

void shoot(const QString &path)
{
    // The whole screen, menus included, as the X server shows it.
    if (QProcess::execute(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), path}) == 0)
        return;
    QGuiApplication::primaryScreen()->grabWindow(0).save(path);
}

/// The start panel lists the season's schedule and two of its games, as
/// after a week's use.
void noteRecentSeason(const QDir &games)
{
    std::vector<RecentFile> recent;
    const QStringList names = games.entryList({QStringLiteral("*.gam")}, QDir::Files, QDir::Name);
    const std::int64_t week = 7 * 24 * 3600;
    const std::int64_t now = QDateTime::currentSecsSinceEpoch();
    noteRecentFile(recent, RecentKind::Schedule, games.filePath(QStringLiteral("season.sch")).toStdString(),
                   now - 2 * week);
    for (int i = 0; i < 2 && i < names.size(); ++i)
        noteRecentFile(recent, RecentKind::Game, games.filePath(names[i]).toStdString(), now - (1 - i) * week);
    writeRecentFiles(recentFilesPath(defaultStateDir()), recent);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // Absolute: a step may show a window from another working directory.
    const QDir out(QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots")).absolutePath());
    QDir().mkpath(out.path());
    const QDir season(argc > 2 ? QDir(QString::fromLocal8Bit(argv[2])).absolutePath() : QString());

    // A settings file of its own in a fresh start folder, and the same for the
    // per-user state (recent files, recovery copies), so that the tour starts
    // from the defaults and leaves the user's own alone.
    QTemporaryDir start;
    qputenv("XDG_STATE_HOME", QFile::encodeName(start.filePath(QStringLiteral("state"))));
    if (argc > 2)
        noteRecentSeason(season);
    Settings defaults;
    setDefaults(defaults);
    // YARDMARK_SCREENSHOTS_NIGHT=1: every picture with night colours.
    defaults.app.nightColors = qEnvironmentVariableIntValue("YARDMARK_SCREENSHOTS_NIGHT") != 0;
    writeSettings(std::filesystem::path(start.path().toStdString()) / kSettingsFileName, defaults);
    Program program(start.path().toStdString(), std::make_unique<SilentSoundPlayer>());
    MainWindow &window = program.mainWindow();
    window.show();

    tour::Tour tour(program, season);
    const std::vector<tour::Step> steps = tour.steps();
    std::size_t next = 0;
    QTimer timer;
    timer.setInterval(700);
    // Each tick photographs the step shown at the last tick, then shows the next.
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (next > 0) {
            shoot(out.filePath(steps[next - 1].name + QStringLiteral(".png")));
            steps[next - 1].hide();
        }
        if (next == steps.size()) {
            window.close();
            QApplication::quit();
            return;
        }
        steps[next++].show();
    });
    timer.start();
    return QApplication::exec();
}
