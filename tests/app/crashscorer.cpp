// A scorer at the real game window who never quits: opens GAME, answers every
// question as a closed box would, types each LINE on the quick-entry line,
// says "ready" and waits, to be killed by the crash test.
//   crashscorer GAME LINE...

#include "app/gamewindow.h"
#include "app/mainwindow.h"
#include "app/quickentrybar.h"
#include "app/soundplayer.h"
#include "records/gamefile.h"
#include "records/settingsfile.h"
#include "scripteduserinterface.h"

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <iostream>

using namespace yardmark;

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    QTemporaryDir folder;
    Settings settings;
    setDefaults(settings);
    ScriptedUserInterface ui;
    MainWindow main(settings, ui, folder.filePath(QStringLiteral("yardmark.ini")).toStdString());
    Game game = newGame();
    if (!loadGame(game, argv[1]))
        return 1;
    main.setCurrentGame(std::move(game));
    SilentSoundPlayer sounds;
    auto *window = new GameWindow(main, settings, sounds, programPlayDialogs());
    window->interaction().setDialogRunner([](QDialog &) { return int(QDialog::Rejected); });
    window->interaction().setMessageRunner([](std::string_view, std::string_view, MessageButtons buttons) {
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok
               : buttons == MessageButtons::YesNo ? MessageAnswer::No
                                                  : MessageAnswer::Cancel;
    });
    QTimer::singleShot(0, [&] {
        window->start();
        for (int i = 2; i < argc; ++i) {
            window->quickEntry().line()->setText(QString::fromLocal8Bit(argv[i]));
            window->quickEntry().enter();
        }
        std::cout << "ready " << main.currentGame()->playCount() << std::endl;
    });
    return QApplication::exec();
}
