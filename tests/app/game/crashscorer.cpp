// A scorer at the real game window who never quits: opens GAME, answers every
// question as a closed box would, types each LINE on the quick-entry line,
// says "ready N" (N plays, then the window's caption) and waits, to be killed
// by the crash test. With --save he saves the game after every line and says
// "recorded N" once it is saved. With --open the game opens as the program
// opens a file handed to it (its lock, the recovery offer, the game's dialog
// answered with Start Game), he listens as the program does for files handed
// over by a later start ("handed FILE"), and says every question he is asked
// ("asked CAPTION: TEXT").
//   crashscorer [--open] [--save] GAME LINE...

#include "app/common/soundplayer.h"
#include "app/game/gamewindow.h"
#include "app/game/quickentrybar.h"
#include "app/scripteduserinterface.h"
#include "app/setup/gameinfodialog.h"
#include "app/setup/setupcommands.h"
#include "app/shell/mainwindow.h"
#include "app/shell/singleinstance.h"
#include "qtbase/headlessplatform.h"
#include "records/gamefile.h"
#include "records/settingsfile.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <iostream>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif
#include <string_view>

using namespace yardmark;

namespace {

bool takeOption(int &argc, char **&argv, std::string_view option)
{
    if (argc < 2 || argv[1] != option)
        return false;
    --argc;
    ++argv;
    return true;
}

void sayAsked(std::string_view caption, std::string text)
{
    for (char &c : text)
        c = c == '\n' ? ' ' : c;
    std::cout << "asked " << caption << ": " << text << std::endl;
}

} // namespace

int main(int argc, char **argv)
{
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY); // lines end as the test reads them, in "\n"
#endif
    yardmark::chooseHeadlessPlatform();
    QApplication app(argc, argv);
    const bool open = takeOption(argc, argv, "--open");
    const bool saveEach = takeOption(argc, argv, "--save");
    if (argc < 2)
        return 2;
    QTemporaryDir folder;
    Settings settings;
    setDefaults(settings);
    ScriptedUserInterface ui;
    std::size_t told = 0;
    const auto sayQuestions = [&] {
        for (; told < ui.messages.size(); ++told)
            sayAsked(ui.messages[told].caption, ui.messages[told].text);
    };
    MainWindow main(settings, ui, folder.filePath(QStringLiteral("yardmark.ini")).toStdString());
    SetupCommands commands(main, settings, ui);
    // Dialogs are turned down, but a game opened goes straight to its window.
    main.context().setDialogRunner([](QDialog &dialog) {
        return dynamic_cast<GameInfoDialog *>(&dialog) ? int(GameInfoDialog::kStartGame) : int(QDialog::Rejected);
    });
    SilentSoundPlayer sounds;
    GameWindow *window = nullptr;
    QAction *save = main.findChild<QAction *>(QStringLiteral("saveGame"));
    // One line a turn of the event loop, as a scorer types them.
    int next = 2;
    std::function<void()> typeNext = [&] {
        sayQuestions();
        if (next == argc) {
            std::cout << "ready " << main.session().currentGame()->playCount() << " "
                      << window->windowTitle().toStdString() << std::endl;
            return;
        }
        window->quickEntry().line()->setText(QString::fromLocal8Bit(argv[next++]));
        window->quickEntry().enter();
        if (saveEach) {
            save->trigger();
            sayQuestions();
            std::cout << "recorded " << main.session().currentGame()->playCount() << std::endl;
        }
        QTimer::singleShot(0, typeNext);
    };
    const auto startWindow = [&] {
        window = new GameWindow(main, settings, sounds, programPlayDialogs());
        window->interaction().setMessageRunner(
            [open](std::string_view text, std::string_view caption, MessageButtons buttons) {
                if (open)
                    sayAsked(caption, std::string(text));
                return buttons == MessageButtons::Ok      ? MessageAnswer::Ok
                       : buttons == MessageButtons::YesNo ? MessageAnswer::No
                                                          : MessageAnswer::Cancel;
            });
        window->start();
        typeNext();
    };
    if (!open) {
        Game game = newGame();
        if (!loadGame(game, argv[1]))
            return 1;
        main.session().setCurrentGame(std::move(game));
        QTimer::singleShot(0, startWindow);
        return QApplication::exec();
    }
    new SingleInstanceServer(
        main,
        [&main](const QString &file) {
            std::cout << "handed " << file.toStdString() << std::endl;
            main.openFile(file);
        },
        [&main] { return main.gameWindow(); });
    main.session().setRecorder([&] { QTimer::singleShot(0, startWindow); });
    QTimer::singleShot(0, [&] {
        // As the program starts: the last session's game first, then the file.
        main.session().offerLastGameRecovery();
        main.openFile(QString::fromLocal8Bit(argv[1]));
        sayQuestions();
        if (!window && !main.session().currentGame())
            std::cout << "not opened" << std::endl;
    });
    return QApplication::exec();
}
