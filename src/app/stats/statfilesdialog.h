#pragma once

#include "stats/individualstats.h"
#include "stats/statfiles.h"

#include <QDialog>
#include <QDir>

class QComboBox;
class QLabel;
class QListWidget;

namespace yardmark {

class UserInterface;

/// "Select Applicable Games To Analyze": a listing of a folder's game files
/// and subfolders, the teams of the highlighted file, the games chosen and
/// the team to analyse. The choices themselves live in `StatFiles`.
class StatFilesDialog final : public QDialog {
    Q_OBJECT

public:
    StatFilesDialog(UserInterface &ui, const QString &folder, TeamChoices choices, QWidget *parent = nullptr);

    /// The games and the team chosen, once the dialog was accepted.
    const Stat &chosen() const { return m_chosen; }
    /// The folder listed last, where the next choice starts.
    QString folder() const { return m_folder.path(); }

private:
    void listFolder();
    void enterHighlighted();
    void showPreview();
    void selectHighlighted();
    void selectAll();
    void removeSelected();
    void fillTeams();
    void accept() override;

    UserInterface &m_ui;
    QDir m_folder;
    StatFiles m_files;
    Stat m_chosen;
    QLabel *m_folderLabel = nullptr;
    QListWidget *m_listing = nullptr;
    QLabel *m_preview = nullptr;
    QListWidget *m_games = nullptr;
    QComboBox *m_team = nullptr;
};

} // namespace yardmark
