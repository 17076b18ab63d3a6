// A scorer at the real game window who never quits: opens GAME, answers every
// question as a closed box would, types each LINE on the quick-entry line,
// says "ready" and waits, to be killed by the crash test. With --save he
// saves the game after every line and says "recorded N" once it is saved.
//   crashscorer [--save] GAME LINE...

#include "app/gamewindow.h"
#include "app/mainwindow.h"
#include "app/quickentrybar.h"
#include "app/setupcommands.h"
#include "app/soundplayer.h"
#include "records/gamefile.h"
#include "records/settingsfile.h"
#include "scripteduserinterface.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <iostream>
#include <string_view>

using namespace yardmark;

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const bool saveEach = argc > 1 && std::string_view(argv[1]) == "--save";
    if (saveEach) {
        --argc;
        ++argv;
    }
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
    SetupCommands commands(main, settings, ui);
    main.session().setCurrentGame(std::move(game));
    SilentSoundPlayer sounds;
    auto *window = new GameWindow(main, settings, sounds, programPlayDialogs());
    main.context().setDialogRunner([](QDialog &) { return int(QDialog::Rejected); });
    window->interaction().setMessageRunner([](std::string_view, std::string_view, MessageButtons buttons) {
        return buttons == MessageButtons::Ok      ? MessageAnswer::Ok
               : buttons == MessageButtons::YesNo ? MessageAnswer::No
                                                  : MessageAnswer::Cancel;
    });
    QAction *save = main.findChild<QAction *>(QStringLiteral("saveGame"));
    // One line a turn of the event loop, as a scorer types them.
    int next = 2;
    std::function<void()> typeNext = [&] {
        if (next == argc) {
            std::cout << "ready " << main.session().currentGame()->playCount() << std::endl;
            return;
        }
        window->quickEntry().line()->setText(QString::fromLocal8Bit(argv[next++]));
        window->quickEntry().enter();
        if (saveEach) {
            save->trigger();
            std::cout << "recorded " << main.session().currentGame()->playCount() << std::endl;
        }
        QTimer::singleShot(0, typeNext);
    };
    QTimer::singleShot(0, [&] {
        window->start();
        typeNext();
    });
    return QApplication::exec();
}
