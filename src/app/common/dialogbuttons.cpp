#include "app/common/dialogbuttons.h"

#include "base/userinterface.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

namespace yardmark {

QWidget *okCancelButtons(QDialog &dialog, UserInterface &ui, std::function<void()> ok)
{
    auto *buttons = new QDialogButtonBox;
    QPushButton *okButton = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    okButton->setObjectName(QStringLiteral("ok"));
    okButton->setDefault(true);
    QPushButton *cancelButton = buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
    cancelButton->setObjectName(QStringLiteral("cancel"));
    QObject::connect(okButton, &QPushButton::clicked, &dialog, [&ui, ok = std::move(ok)] {
        ui.playSound(kClickSound);
        ok();
    });
    QObject::connect(cancelButton, &QPushButton::clicked, &dialog, [&dialog, &ui] {
        ui.playSound(kClickSound);
        dialog.reject();
    });
    return buttons;
}

QPushButton *namedButton(const char *name, const char *caption)
{
    auto *button = new QPushButton(QString::fromLatin1(caption));
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace yardmark
