#include "app/stats/statfilesdialog.h"

#include "app/common/textentry.h"
#include "app/stats/statswindowkit.h"

#include "base/userinterface.h"
#include "qtbase/qtext.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace yardmark {
namespace {

// Folders are listed as "[name]" above the game files, as a scorer knows them.
constexpr int kFolderRole = Qt::UserRole + 1;

QLabel *buddyLabel(const char *text, QWidget *buddy)
{
    auto *label = new QLabel(QString::fromLatin1(text));
    label->setBuddy(buddy);
    nameAfterCaption(buddy, label->text());
    return label;
}

} // namespace

StatFilesDialog::StatFilesDialog(UserInterface &ui, const QString &folder, TeamChoices choices, QWidget *parent)
    : QDialog(parent), m_ui(ui), m_folder(folder), m_files(choices)
{
    setObjectName(QStringLiteral("statFiles"));
    setWindowTitle(QStringLiteral("Select Applicable Games To Analyze"));
    auto *layout = new QVBoxLayout(this);
    auto *grid = new QGridLayout;
    layout->addLayout(grid, 1);

    m_folderLabel = new QLabel;
    m_folderLabel->setTextFormat(Qt::PlainText);
    m_folderLabel->setObjectName(QStringLiteral("folder"));
    m_folderLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_listing = new QListWidget;
    m_listing->setObjectName(QStringLiteral("listing"));
    m_preview = new QLabel;
    m_preview->setTextFormat(Qt::PlainText); // names read from the game file, never markup
    m_preview->setObjectName(QStringLiteral("preview"));
    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->setFrameShape(QFrame::StyledPanel);
    m_preview->setMinimumWidth(m_preview->fontMetrics().averageCharWidth() * 26);
    m_listing->setMinimumWidth(m_listing->fontMetrics().averageCharWidth() * 50);
    m_games = new QListWidget;
    m_games->setObjectName(QStringLiteral("games"));
    m_team = new QComboBox;
    m_team->setObjectName(QStringLiteral("team"));

    grid->addWidget(buddyLabel("&Game Files:", m_listing), 0, 0);
    grid->addWidget(m_folderLabel, 1, 0, 1, 2);
    grid->addWidget(m_listing, 2, 0);
    grid->addWidget(m_preview, 2, 1);
    grid->addWidget(buddyLabel("Games &To Analyze", m_games), 3, 0);
    grid->addWidget(m_games, 4, 0, 1, 2);
    grid->addWidget(buddyLabel("Team To Anal&yze", m_team), 5, 0);
    grid->addWidget(m_team, 6, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(2, 2);
    grid->setRowStretch(4, 1);

    QPushButton *select = namedButton("selectGame", "&Select Game");
    QPushButton *all = namedButton("selectAll", "Select &All");
    QPushButton *remove = namedButton("removeGame", "&Remove Game");
    QPushButton *ok = namedButton("ok", "&OK");
    ok->setDefault(true);
    QPushButton *cancel = namedButton("cancel", "&Cancel");
    layout->addLayout(buttonRow({select, all, remove, ok, cancel}));

    connect(m_listing, &QListWidget::currentRowChanged, this, [this] { showPreview(); });
    connect(m_listing, &QListWidget::itemActivated, this, [this] { enterHighlighted(); });
    connect(select, &QPushButton::clicked, this, [this] {
        m_ui.playSound(kClickSound);
        selectHighlighted();
    });
    connect(all, &QPushButton::clicked, this, [this] {
        m_ui.playSound(kClickSound);
        selectAll();
    });
    connect(remove, &QPushButton::clicked, this, [this] {
        m_ui.playSound(kClickSound);
        removeSelected();
    });
    connect(ok, &QPushButton::clicked, this, [this] { accept(); });
    connect(cancel, &QPushButton::clicked, this, [this] {
        m_ui.playSound(kClickSound);
        reject();
    });
    setTabOrder(m_listing, m_games);
    setTabOrder(m_games, m_team);
    listFolder();
    fillTeams();
}

void StatFilesDialog::listFolder()
{
    m_listing->clear();
    m_folderLabel->setText(QDir::toNativeSeparators(m_folder.absolutePath()));
    const QFileInfoList folders =
        m_folder.entryInfoList(QDir::Dirs | QDir::NoDot | QDir::Readable, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &info : folders) {
        if (info.fileName() == QStringLiteral("..") && m_folder.isRoot())
            continue;
        auto *item = new QListWidgetItem(QLatin1Char('[') + info.fileName() + QLatin1Char(']'), m_listing);
        item->setData(kFolderRole, info.absoluteFilePath());
    }
    const QFileInfoList games = m_folder.entryInfoList({QStringLiteral("*.gam"), QStringLiteral("*.GAM")}, QDir::Files,
                                                       QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &info : games) {
        auto *item = new QListWidgetItem(info.fileName(), m_listing);
        item->setData(Qt::UserRole, info.absoluteFilePath());
    }
    // The first game file is highlighted, so that the preview shows it.
    m_listing->setCurrentRow(games.isEmpty() ? (m_listing->count() > 0 ? 0 : -1)
                                             : static_cast<int>(m_listing->count() - games.size()));
    showPreview();
}

void StatFilesDialog::enterHighlighted()
{
    const QListWidgetItem *item = m_listing->currentItem();
    if (!item)
        return;
    const QString folder = item->data(kFolderRole).toString();
    if (folder.isEmpty()) {
        selectHighlighted();
        return;
    }
    const QDir previous = m_folder;
    // A folder that cannot be listed leaves the previous one in place.
    if (!m_folder.cd(folder) || !m_folder.isReadable())
        m_folder = previous;
    listFolder();
}

void StatFilesDialog::showPreview()
{
    const QListWidgetItem *item = m_listing->currentItem();
    const QString path = item ? item->data(Qt::UserRole).toString() : QString();
    m_preview->setText(path.isEmpty() ? QString() : toQString(gamePreviewText(pathFromQString(path))));
}

void StatFilesDialog::selectHighlighted()
{
    const QListWidgetItem *item = m_listing->currentItem();
    const QString path = item ? item->data(Qt::UserRole).toString() : QString();
    if (path.isEmpty())
        return;
    if (m_files.selectGame(pathFromQString(path)))
        fillTeams();
}

void StatFilesDialog::selectAll()
{
    std::vector<std::string> paths;
    for (int i = 0; i < m_listing->count(); ++i) {
        const QString path = m_listing->item(i)->data(Qt::UserRole).toString();
        if (!path.isEmpty())
            paths.push_back(pathFromQString(path));
    }
    if (m_files.selectAll(paths) > 0)
        fillTeams();
}

void StatFilesDialog::removeSelected()
{
    const int row = m_games->currentRow();
    if (row < 0)
        return;
    m_files.removeGame(static_cast<std::size_t>(row));
    fillTeams();
    m_games->setCurrentRow(std::min(row, m_games->count() - 1));
}

void StatFilesDialog::fillTeams()
{
    m_games->clear();
    for (const std::string &path : m_files.paths())
        m_games->addItem(pathToQString(path));
    // The team chosen stays chosen while its name is offered.
    const QString chosen = m_team->currentIndex() >= 0 ? m_team->currentText() : QString();
    m_team->clear();
    for (const std::string &name : m_files.teamNames())
        m_team->addItem(toQString(name));
    m_team->setCurrentIndex(chosen.isEmpty() ? -1
                                             : m_team->findText(chosen, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void StatFilesDialog::accept()
{
    m_ui.playSound(kClickSound);
    Stat chosen;
    if (const std::optional<StatFilesMessage> message = m_files.accept(m_team->currentIndex(), chosen)) {
        m_ui.playSound(kLoadFailedSound);
        m_ui.message(message->text, message->caption, MessageButtons::Ok, MessageIcon::Warning);
        return;
    }
    m_chosen = std::move(chosen);
    QDialog::accept();
}

} // namespace yardmark
