#include "app/setup/playerfields.h"

#include "app/common/textentry.h"
#include "app/setup/rosterdialog.h"
#include "base/userinterface.h"
#include "qtbase/qtext.h"
#include "records/recordcodec.h"
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace yardmark {

QRadioButton *teamRadio(const char *name, const std::string &teamName)
{
    // A team name is shown as it is: an "&" in it is no accelerator.
    auto *radio = new QRadioButton(toQString(teamName).replace(QLatin1Char('&'), QStringLiteral("&&")));
    radio->setObjectName(QString::fromLatin1(name));
    return radio;
}

QDialogButtonBox *endingButtons(QDialog &dialog, UserInterface &ui, const char *okText, std::function<void()> ok)
{
    auto *buttons = new QDialogButtonBox;
    QPushButton *okButton = buttons->addButton(QString::fromLatin1(okText), QDialogButtonBox::AcceptRole);
    okButton->setObjectName(QStringLiteral("ok"));
    okButton->setDefault(true);
    QPushButton *cancel = buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancel"));
    QObject::connect(okButton, &QPushButton::clicked, &dialog, [&ui, ok = std::move(ok)] {
        ui.playSound(kClickSound);
        ok();
    });
    QObject::connect(cancel, &QPushButton::clicked, &dialog, [&dialog, &ui] {
        ui.playSound(kClickSound);
        dialog.reject();
    });
    return buttons;
}

void warnOfNotice(UserInterface &ui, const Notice &notice)
{
    ui.message(notice.text, notice.caption, MessageButtons::Ok, MessageIcon::Warning);
}

} // namespace yardmark
