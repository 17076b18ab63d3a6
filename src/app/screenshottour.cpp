// Shows the main window, its menus and every dialog of the program one after
// the other and takes a picture of the whole screen at each step, so that
// their look can be checked by eye. Run under a virtual X server by
// scripts/screenshots; the settings of the user are not touched.

#include "aboutdialog.h"
#include "datepickerdialog.h"
#include "helpwindow.h"
#include "htmloptionsdialog.h"
#include "leagueoptionsdialog.h"
#include "program.h"
#include "qtuserinterface.h"
#include "records/settingsfile.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPixmap>
#include <QPrintDialog>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

using namespace yardmark;

namespace {

struct Step {
    QString name;
    std::function<void()> show;
    std::function<void()> hide;
};

void shoot(const QString &path)
{
    // The whole screen, menus included, as the X server shows it.
    if (QProcess::execute(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), path}) == 0)
        return;
    QGuiApplication::primaryScreen()->grabWindow(0).save(path);
}

void press(QWidget *widget, int key)
{
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &down);
}

template <typename T> std::function<void()> showDialog(std::unique_ptr<T> &holder, std::function<T *()> make)
{
    return [&holder, make] {
        holder.reset(make());
        holder->move(60, 60);
        holder->show();
    };
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots"));
    QDir().mkpath(out.path());

    // A settings file of its own in a fresh start folder, so that the tour
    // starts from the defaults and leaves the user's settings alone.
    QTemporaryDir start;
    Settings defaults;
    setDefaults(defaults);
    writeSettings(std::filesystem::path(start.path().toStdString()) / kSettingsFileName, defaults);
    Program program(start.path().toStdString(), std::make_unique<SilentSoundPlayer>());
    MainWindow &window = program.mainWindow();
    window.show();

    std::unique_ptr<QDialog> dialog;
    std::unique_ptr<QMessageBox> box;
    QMenu *wallpaperMenu = window.findChild<QMenu *>(QStringLiteral("wallpaperMenu"));
    const auto openMenu = [&window](QMenu *menu) {
        return [&window, menu] { window.menuBar()->setActiveAction(menu->menuAction()); };
    };
    const auto closeMenus = [&window] {
        for (QMenu *menu : window.findChildren<QMenu *>())
            menu->hide();
        window.menuBar()->setActiveAction(nullptr);
    };
    const auto setMode = [&window](const char *action) {
        return [&window, action] {
            window.resize(900, 700);
            window.findChild<QAction *>(QString::fromLatin1(action))->trigger();
        };
    };

    const std::vector<Step> steps = {
        {"main-window", [] {}, [] {}},
        {"menu-file", openMenu(window.fileMenu()), closeMenus},
        {"menu-options", openMenu(window.optionsMenu()), closeMenus},
        {"menu-wallpaper",
         [&] {
             window.menuBar()->setActiveAction(window.optionsMenu()->menuAction());
             window.optionsMenu()->setActiveAction(wallpaperMenu->menuAction());
             press(window.optionsMenu(), Qt::Key_Right);
         },
         closeMenus},
        {"menu-help", openMenu(window.helpMenu()), closeMenus},
        {"league-options",
         showDialog<QDialog>(dialog, [&] { return new LeagueOptionsDialog(program.settings().league, program.ui()); }),
         [&] { dialog.reset(); }},
        {"html-options",
         showDialog<QDialog>(
             dialog,
             [&] { return new HtmlOptionsDialog(program.settings().app.html, program.ui(), installedFontFaces()); }),
         [&] { dialog.reset(); }},
        {"about", showDialog<QDialog>(dialog, [] { return new AboutDialog; }), [&] { dialog.reset(); }},
        {"date-picker",
         showDialog<QDialog>(dialog, [&] { return new DatePickerDialog(QDate(2026, 9, 12), program.ui()); }),
         [&] { dialog.reset(); }},
        {"color-chooser",
         showDialog<QDialog>(dialog,
                             [] {
                                 prepareCustomColors();
                                 auto *chooser = new QColorDialog(Qt::blue);
                                 chooser->setOption(QColorDialog::DontUseNativeDialog);
                                 return chooser;
                             }),
         [&] { dialog.reset(); }},
        {"printer-setup",
         showDialog<QDialog>(dialog, [&] { return makePrinterSetupDialog(window.printer(), nullptr).release(); }),
         [&] { dialog.reset(); }},
        {"message-box",
         [&] {
             box = makeMessageBox("This file already exists.  Would you like to append to it?", "/home/coach/week1.htm",
                                  MessageButtons::YesNo, MessageIcon::Question, &window);
             box->show();
         },
         [&] { box.reset(); }},
        {"help", [&] { HelpWindow::showContents(&window)->move(40, 40); },
         [] {
             for (QWidget *w : QApplication::topLevelWidgets()) {
                 if (dynamic_cast<HelpWindow *>(w))
                     w->close();
             }
         }},
        {"wallpaper-tile", setMode("tileWallpaper"), [] {}},
        {"wallpaper-center", setMode("centerWallpaper"), [] {}},
        {"wallpaper-fit", setMode("fitWallpaper"), [] {}},
    };

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
