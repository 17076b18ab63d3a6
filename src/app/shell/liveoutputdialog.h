#pragma once

#include "records/settings.h"

#include <QDialog>

#include <functional>

class QLineEdit;

namespace yardmark {

class UserInterface;

/// "Live Output": the folder the game window writes the live page and feed
/// to after every play (empty: off) and the page's title. Works on a copy;
/// "&OK" stores it into the settings it was opened on.
class LiveOutputDialog final : public QDialog {
    Q_OBJECT

public:
    LiveOutputDialog(LiveOutputSettings &options, UserInterface &ui, QWidget *parent = nullptr);

    /// "&Browse...": the platform's folder chooser; tests answer it instead.
    using FolderChooser = std::function<QString(QWidget *parent, const QString &initial)>;
    void setFolderChooser(FolderChooser chooser) { m_chooseFolder = std::move(chooser); }

private:
    void browse();
    void ok();

    LiveOutputSettings &m_options;
    UserInterface &m_ui;
    QLineEdit *m_folder = nullptr;
    QLineEdit *m_title = nullptr;
    FolderChooser m_chooseFolder;
};

} // namespace yardmark
