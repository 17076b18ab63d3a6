#include "app/shell/liveoutputdialog.h"

#include "app/common/dialogbuttons.h"
#include "base/userinterface.h"
#include "live/livefeed.h"
#include "live/liveoutputform.h"
#include "qtbase/qtext.h"

#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace yardmark {

LiveOutputDialog::LiveOutputDialog(LiveOutputSettings &options, UserInterface &ui, QWidget *parent)
    : QDialog(parent), m_options(options), m_ui(ui), m_chooseFolder([](QWidget *p, const QString &initial) {
          return QFileDialog::getExistingDirectory(p, QStringLiteral("Live Output Folder"), initial);
      })
{
    setWindowTitle(QStringLiteral("Live Output"));
    setObjectName(QStringLiteral("liveOutputDialog"));
    auto *layout = new QVBoxLayout(this);

    auto *note = new QLabel(
        QStringLiteral(
            "After every play the game window writes a web page (%1) and a data feed (%2) into this folder, for a web "
            "site, the press box or a phone. Leave the folder empty to turn live output off.")
            .arg(QString::fromLatin1(kLivePageFile), QString::fromLatin1(kLiveFeedFile)));
    note->setWordWrap(true);
    layout->addWidget(note);

    auto *grid = new QGridLayout;
    layout->addLayout(grid);
    m_folder = new QLineEdit(pathToQString(options.folder));
    m_folder->setObjectName(QStringLiteral("folder"));
    m_folder->setMinimumWidth(m_folder->fontMetrics().averageCharWidth() * 40);
    auto *folderLabel = new QLabel(QStringLiteral("&Folder:"));
    folderLabel->setBuddy(m_folder);
    auto *browse = new QPushButton(QStringLiteral("&Browse..."));
    browse->setObjectName(QStringLiteral("browse"));
    browse->setAutoDefault(false);
    connect(browse, &QPushButton::clicked, this, [this] { this->browse(); });
    grid->addWidget(folderLabel, 0, 0);
    grid->addWidget(m_folder, 0, 1);
    grid->addWidget(browse, 0, 2);

    m_title = new QLineEdit(toQString(options.title));
    m_title->setObjectName(QStringLiteral("title"));
    m_title->setPlaceholderText(QStringLiteral("<home> Versus <visitor>"));
    auto *titleLabel = new QLabel(QStringLiteral("Page &title:"));
    titleLabel->setBuddy(m_title);
    grid->addWidget(titleLabel, 1, 0);
    grid->addWidget(m_title, 1, 1, 1, 2);
    grid->setColumnStretch(1, 1);

    layout->addWidget(okCancelButtons(*this, ui, [this] { ok(); }));
    setTabOrder(m_folder, browse);
    setTabOrder(browse, m_title);
}

void LiveOutputDialog::browse()
{
    const QString chosen = m_chooseFolder(this, m_folder->text());
    if (!chosen.isEmpty())
        m_folder->setText(QDir::toNativeSeparators(chosen));
}

void LiveOutputDialog::ok()
{
    LiveOutputSettings form{pathFromQString(m_folder->text()), fromQString(m_title->text())};
    if (!acceptLiveOutputForm(form, m_ui)) {
        m_folder->setFocus();
        m_folder->selectAll();
        return;
    }
    m_options = form;
    accept();
}

} // namespace yardmark
