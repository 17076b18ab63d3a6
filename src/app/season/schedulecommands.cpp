#include "app/season/schedulecommands.h"

#include "app/season/schedulewindow.h"
#include "app/shell/mainwindow.h"
#include "qtbase/qtext.h"

#include <QAction>
#include <QMenu>
#include <QTimer>

namespace yardmark {

ScheduleCommands::ScheduleCommands(MainWindow &window, Settings &settings, UserInterface &ui)
    : QObject(&window), m_window(window), m_settings(settings), m_ui(ui),
      m_session(
          ui, window.session(), window.sessionWindows(),
          [this](ScheduleEditor &editor, std::set<std::string> &warned) { return runEditor(editor, warned); },
          [this](std::function<void()> work) { QTimer::singleShot(0, this, std::move(work)); })
{
    setObjectName(QStringLiteral("scheduleCommands"));
    m_window.setScheduleSession(&m_session);
    // The season comes first in the File menu.
    QMenu *menu = m_window.fileSubmenu(QStringLiteral("Sche&dule"), "scheduleMenu");
    QMenu *file = m_window.fileMenu();
    file->removeAction(menu->menuAction());
    file->insertMenu(file->actions().value(0), menu);
    m_new = menu->addAction(QStringLiteral("&New..."));
    m_new->setObjectName(QStringLiteral("newSchedule"));
    connect(m_new, &QAction::triggered, this, [this] { newSchedule(); });
    m_edit = menu->addAction(QStringLiteral("&Edit..."));
    m_edit->setObjectName(QStringLiteral("editSchedule"));
    connect(m_edit, &QAction::triggered, this, [this] { editSchedule(); });
    connect(&window, &MainWindow::gameInProgressChanged, this, [this](bool on) { followGameInProgress(on); });
    followGameInProgress(window.gameInProgress());
    window.setFileOpener(QStringLiteral("sch"),
                         [this](const QString &path) { openScheduleFile(pathFromQString(path)); });
}

void ScheduleCommands::followGameInProgress(bool inProgress)
{
    m_new->setEnabled(!inProgress);
    m_edit->setEnabled(!inProgress);
    if (!inProgress)
        m_session.gameWindowClosed();
}

ScheduleEditorExit ScheduleCommands::runEditor(ScheduleEditor &editor, std::set<std::string> &warnedMissing)
{
    ScheduleWindow window(editor, m_window.context(), warnedMissing, &m_window);
    switch (m_window.context().runDialog(window)) {
    case ScheduleWindow::kCreateGame:
        return ScheduleEditorExit::CreateGame;
    case ScheduleWindow::kStartRecordedGame:
        return ScheduleEditorExit::StartRecordedGame;
    default:
        return ScheduleEditorExit::Closed;
    }
}

} // namespace yardmark
