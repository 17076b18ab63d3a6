#include "app/shell/mainwindow.h"

#include "app/common/bitmaps.h"
#include "app/common/helpwindow.h"
#include "app/common/nightcolors.h"
#include "app/common/postedwork.h"
#include "app/shell/aboutdialog.h"
#include "app/shell/htmloptionsdialog.h"
#include "app/shell/leagueoptionsdialog.h"
#include "app/shell/liveoutputdialog.h"
#include "app/shell/singleinstance.h"
#include "app/shell/wallpaperview.h"
#include "base/userinterface.h"
#include "qtbase/qtext.h"
#include "qtprint/printing.h"
#include "records/settingsfile.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace yardmark {
namespace {

constexpr int kMinWindowWidth = 160;
constexpr int kMinWindowHeight = 120;
// At least this much of the window must lie on the screen to be reachable.
constexpr int kMinVisible = 48;

// The stored rectangle: the window's outer top-left corner (where the
// window manager puts the frame) and the size of its inside.
WindowRect windowRectOf(const QWidget &window)
{
    const QPoint corner = window.pos();
    return {corner.x(), corner.y(), corner.x() + window.width(), corner.y() + window.height()};
}

} // namespace

WindowRect usableWindowRect(const WindowRect &stored, const QRect &screen)
{
    // The stored numbers may be anything a damaged file holds: work in 64 bits.
    std::int64_t left = stored.left;
    std::int64_t top = stored.top;
    std::int64_t width = std::int64_t{stored.right} - stored.left;
    std::int64_t height = std::int64_t{stored.bottom} - stored.top;
    const WindowRect defaults;
    if (width < kMinWindowWidth || height < kMinWindowHeight) {
        width = defaults.right - defaults.left;
        height = defaults.bottom - defaults.top;
    }
    if (screen.isValid()) {
        width = std::min<std::int64_t>(width, screen.width());
        height = std::min<std::int64_t>(height, screen.height());
        const std::int64_t visibleWidth =
            std::min<std::int64_t>(left + width, screen.right() + 1) - std::max<std::int64_t>(left, screen.left());
        const std::int64_t visibleHeight =
            std::min<std::int64_t>(top + height, screen.bottom() + 1) - std::max<std::int64_t>(top, screen.top());
        if (visibleWidth < kMinVisible || visibleHeight < kMinVisible) {
            left = screen.left();
            top = screen.top();
        }
    }
    // Within 32 bits now: a far-off corner was moved onto the screen.
    left = std::clamp<std::int64_t>(left, -100000, 100000);
    top = std::clamp<std::int64_t>(top, -100000, 100000);
    width = std::min<std::int64_t>(width, 100000);
    height = std::min<std::int64_t>(height, 100000);
    return {static_cast<int>(left), static_cast<int>(top), static_cast<int>(left + width),
            static_cast<int>(top + height)};
}

/// The session's dialogs open over the main window; its news goes out as the
/// main window's signals.
class MainWindow::SessionView final : public SessionWindows {
public:
    explicit SessionView(MainWindow &window) : m_window(window) {}

    void editGameInformation(Game &game, const std::function<bool(GameInfoAnswer)> &ended) override
    {
        if (m_window.m_gameInfoEditor)
            m_window.m_gameInfoEditor(game, ended);
        else
            ended(GameInfoAnswer::Cancel);
    }
    void fileOpened(const std::string &path) override { emit m_window.fileOpened(pathToQString(path)); }
    void currentGameChanged() override { emit m_window.currentGameChanged(); }
    void currentGameSaved() override { emit m_window.currentGameSaved(); }
    void engineChanged(GameFlow *engine) override { emit m_window.gameFlowChanged(engine); }
    void gameInProgressChanged(bool inProgress) override { emit m_window.gameInProgressChanged(inProgress); }
    void refreshGameWindow() override { emit m_window.gameWindowRefreshRequested(); }
    void seasonRead() override { emit m_window.seasonRead(); }
    bool switchToProgramWith(const std::string &path) override { return handToRunningProgram({pathToQString(path)}); }

private:
    MainWindow &m_window;
};

MainWindow::MainWindow(Settings &settings, UserInterface &ui, std::filesystem::path settingsFile, QWidget *parent)
    : QMainWindow(parent), m_settings(settings), m_ui(ui), m_context(settings, ui),
      m_settingsFile(std::move(settingsFile)), m_sessionView(std::make_unique<SessionView>(*this)),
      // What the session's workers find runs on the window's thread.
      m_session(ui, *m_sessionView, (new PostedWork(this))->runLater())
{
    setWindowTitle(QStringLiteral("Football Yardmark"));
    setWindowIcon(programIcon());
    m_wallpaper = new WallpaperView;
    setCentralWidget(m_wallpaper);
    createFileMenu();
    createOptionsMenu();
    createHelpMenu();
    placeWindow();
    reloadWallpaper();
    setNightColors(m_settings.app.nightColors);
}

MainWindow::~MainWindow() = default;

SessionWindows &MainWindow::sessionWindows()
{
    return *m_sessionView;
}

QAction *MainWindow::addAction(QMenu *menu, const char *name, const char *text, std::function<void()> command)
{
    QAction *action = menu->addAction(QString::fromLatin1(text));
    action->setObjectName(QString::fromLatin1(name));
    if (command)
        connect(action, &QAction::triggered, this, [command = std::move(command)] { command(); });
    return action;
}

void MainWindow::createFileMenu()
{
    m_fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    m_fileMenu->setObjectName(QStringLiteral("fileMenu"));
    m_fileMenuEnd = m_fileMenu->addSeparator();
    m_commands.printerSetup =
        addAction(m_fileMenu, "printerSetup", "Printer &Setup...", [this] { showPrinterSetup(); });
    m_fileMenu->addSeparator();
    QAction *exit = addAction(m_fileMenu, "exit", "E&xit", [this] { close(); });
    exit->setShortcut(QKeySequence(Qt::ALT | Qt::Key_X));
}

void MainWindow::createOptionsMenu()
{
    m_optionsMenu = menuBar()->addMenu(QStringLiteral("&Options"));
    m_optionsMenu->setObjectName(QStringLiteral("optionsMenu"));

    QAction *sound = addAction(m_optionsMenu, "useSoundEffects", "&Use Sound Effects", nullptr);
    sound->setCheckable(true);
    sound->setChecked(m_settings.app.soundEnabled);
    connect(sound, &QAction::toggled, this, [this](bool on) { toggleSound(on); });

    QAction *swap = addAction(m_optionsMenu, "swapSides", "&Swap Sides After Each Quarter", nullptr);
    swap->setCheckable(true);
    swap->setChecked(m_settings.app.swapSidesEachQuarter);
    connect(swap, &QAction::toggled, this, [this](bool on) { m_settings.app.swapSidesEachQuarter = on; });

    QAction *night = addAction(m_optionsMenu, "nightColors", "&Night Colors", nullptr);
    night->setCheckable(true);
    night->setChecked(m_settings.app.nightColors);
    // From any window: the light changes at sunset in the middle of a game.
    night->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
    night->setShortcutContext(Qt::ApplicationShortcut);
    connect(night, &QAction::toggled, this, [this](bool on) {
        m_settings.app.nightColors = on;
        setNightColors(on);
    });

    // What the game window does when a correction leaves later plays behind.
    QMenu *reflow = m_optionsMenu->addMenu(QStringLiteral("&Re-flow After Corrections"));
    reflow->setObjectName(QStringLiteral("reflowMenu"));
    auto *reflowChoices = new QActionGroup(reflow);
    const std::pair<const char *, const char *> choices[] = {{"reflowAsk", "&Ask Each Time"},
                                                             {"reflowAlways", "Always &Re-flow"},
                                                             {"reflowNever", "Always &Keep as Recorded"}};
    for (int choice = 0; choice < 3; ++choice) {
        QAction *item = addAction(reflow, choices[choice].first, choices[choice].second, nullptr);
        item->setCheckable(true);
        item->setActionGroup(reflowChoices);
        connect(reflow, &QMenu::aboutToShow, item,
                [this, item, choice] { item->setChecked(m_settings.app.reflowAfterCorrection == choice); });
        connect(item, &QAction::triggered, this, [this, choice] { m_settings.app.reflowAfterCorrection = choice; });
    }

    m_optionsMenu->addSeparator();
    addAction(m_optionsMenu, "leagueOptions", "&League Options", [this] { showLeagueOptions(); });
    addAction(m_optionsMenu, "htmlOptions", "&HTML Options", [this] { showHtmlOptions(); });
    addAction(m_optionsMenu, "liveOutput", "Li&ve Output...", [this] { showLiveOutput(); });

    QMenu *colors = m_optionsMenu->addMenu(QStringLiteral("&Colors"));
    colors->setObjectName(QStringLiteral("colorsMenu"));
    addAction(colors, "homeColor", "&Home Color ...", [this] { chooseTeamColor(true); });
    addAction(colors, "visitorColor", "&Visitor Color ...", [this] { chooseTeamColor(false); });

    QMenu *wallpaper = m_optionsMenu->addMenu(QStringLiteral("&Wallpaper"));
    wallpaper->setObjectName(QStringLiteral("wallpaperMenu"));
    addAction(wallpaper, "changeWallpaper", "&Change ...", [this] { chooseWallpaper(); });
    wallpaper->addSeparator();
    m_wallpaperModes = new QActionGroup(this);
    const struct {
        const char *name;
        const char *text;
        WallpaperMode mode;
    } modes[] = {{"fitWallpaper", "&Fit to Window", WallpaperMode::Fit},
                 {"tileWallpaper", "&Tile in Window", WallpaperMode::Tile},
                 {"centerWallpaper", "C&enter in Window", WallpaperMode::Center}};
    for (const auto &m : modes) {
        const int mode = static_cast<int>(m.mode);
        QAction *action = addAction(wallpaper, m.name, m.text, [this, mode] { setWallpaperMode(mode); });
        action->setCheckable(true);
        action->setChecked(m_settings.app.wallpaperMode == mode);
        m_wallpaperModes->addAction(action);
    }
}

void MainWindow::createHelpMenu()
{
    m_helpMenu = menuBar()->addMenu(QStringLiteral("&Help"));
    m_helpMenu->setObjectName(QStringLiteral("helpMenu"));
    QAction *contents = addAction(m_helpMenu, "helpContents", "&Contents", [this] { showHelp(); });
    contents->setShortcut(QKeySequence(Qt::Key_F1));
    contents->setShortcutContext(Qt::ApplicationShortcut);
    addAction(m_helpMenu, "about", "&About...", [this] { showAbout(); });
}

QMenu *MainWindow::addMenuBeforeOptions(const QString &title)
{
    auto *menu = new QMenu(title, this);
    menuBar()->insertMenu(m_optionsMenu->menuAction(), menu);
    return menu;
}

QMenu *MainWindow::printMenu()
{
    if (!m_printMenu) {
        m_printMenu = new QMenu(QStringLiteral("&Print"), this);
        m_printMenu->setObjectName(QStringLiteral("printMenu"));
        m_fileMenu->insertMenu(m_fileMenuEnd, m_printMenu);
    }
    return m_printMenu;
}

QMenu *MainWindow::fileSubmenu(const QString &title, const char *objectName)
{
    const QString name = QString::fromLatin1(objectName);
    for (QAction *action : m_fileMenu->actions())
        if (QMenu *menu = action->menu(); menu && menu->objectName() == name)
            return menu;
    auto *menu = new QMenu(title, this);
    menu->setObjectName(name);
    m_fileMenu->insertMenu(m_fileMenuEnd, menu);
    return menu;
}

void MainWindow::placeWindow()
{
    const QScreen *screen = this->screen();
    const QRect desktop = screen ? screen->virtualGeometry() : QRect();
    const WindowRect rect = usableWindowRect(m_settings.app.mainWindowRect, desktop);
    move(rect.left, rect.top);
    resize(rect.right - rect.left, rect.bottom - rect.top);
    m_normalRect = windowRectOf(*this);
}

void MainWindow::noteNormalRect()
{
    if (windowState() == Qt::WindowNoState)
        m_normalRect = windowRectOf(*this);
}

void MainWindow::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    noteNormalRect();
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    noteNormalRect();
}

void MainWindow::setFileOpener(const QString &extension, std::function<void(const QString &)> opener)
{
    m_fileOpeners[extension.toLower()] = std::move(opener);
}

void MainWindow::openFile(const QString &path)
{
    const auto opener = m_fileOpeners.find(QFileInfo(path).suffix().toLower());
    if (opener != m_fileOpeners.end() && opener->second) {
        opener->second(path);
        return;
    }
    m_ui.playSound(kWarningSound);
    m_ui.message(fromQString(QStringLiteral("Football Yardmark cannot open this file:\n") + path), "Open File",
                 MessageButtons::Ok, MessageIcon::Warning);
}

void MainWindow::reloadWallpaper()
{
    m_wallpaper->setMode(m_settings.app.wallpaperMode);
    m_wallpaper->setImage(loadWallpaper(pathToQString(m_settings.app.wallpaperFile)));
}

void MainWindow::toggleSound(bool on)
{
    m_settings.app.soundEnabled = on;
    if (on)
        m_ui.playSound(kClickSound);
}

void MainWindow::setWallpaperMode(int mode)
{
    m_settings.app.wallpaperMode = mode;
    m_wallpaper->setMode(mode);
}

void MainWindow::chooseWallpaper()
{
    m_ui.playSound(kClickSound);
    FileRequest request;
    request.title = "Select Wallpaper Bitmap";
    request.filters = "Bitmap Files (*.bmp)|*.bmp|";
    request.defaultExtension = "bmp";
    const std::optional<FileChoice> choice = m_ui.chooseOpenFile(request);
    if (!choice)
        return;
    m_settings.app.wallpaperFile = choice->path;
    reloadWallpaper();
}

void MainWindow::chooseTeamColor(bool home)
{
    m_ui.playSound(kClickSound);
    ColorValue &color = home ? m_settings.app.homeColor : m_settings.app.visitorColor;
    const std::optional<ColorValue> chosen = m_ui.chooseColor(color);
    if (!chosen)
        return;
    color = *chosen;
    if (gameInProgress())
        emit gameWindowRefreshRequested();
}

void MainWindow::showLeagueOptions()
{
    m_ui.playSound(kClickSound);
    LeagueOptionsDialog dialog(m_settings.league, m_ui, this);
    if (m_context.runDialog(dialog) == QDialog::Accepted && gameInProgress())
        emit gameWindowRefreshRequested();
}

void MainWindow::showHtmlOptions()
{
    m_ui.playSound(kClickSound);
    HtmlOptionsDialog dialog(m_settings.app.html, m_ui, installedFontFaces(), this);
    m_context.runDialog(dialog);
}

void MainWindow::showLiveOutput()
{
    m_ui.playSound(kClickSound);
    LiveOutputDialog dialog(m_settings.app.live, m_ui, this);
    // An open game is published at once to the folder chosen.
    if (m_context.runDialog(dialog) == QDialog::Accepted && gameInProgress())
        emit gameWindowRefreshRequested();
}

void MainWindow::showPrinterSetup()
{
    m_ui.playSound(kClickSound);
    const std::unique_ptr<QPrintDialog> dialog = makePrinterSetupDialog(m_context.printer, this);
    m_context.runDialog(*dialog);
}

void MainWindow::showAbout()
{
    m_ui.playSound(kClickSound);
    AboutDialog dialog(this);
    m_context.runDialog(dialog);
}

void MainWindow::showHelp()
{
    m_ui.playSound(kClickSound);
    HelpWindow::showContents(this);
}

bool MainWindow::saveSettings()
{
    // A maximized (or minimized) window keeps the rectangle it had before.
    noteNormalRect();
    m_settings.app.mainWindowRect = m_normalRect;
    return writeSettings(m_settingsFile, m_settings);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!m_settingsSaved) {
        // A settings file that cannot be written is no reason to keep the
        // program open: the settings are simply not kept.
        saveSettings();
        m_settingsSaved = true;
    }
    QMainWindow::closeEvent(event);
}

} // namespace yardmark
