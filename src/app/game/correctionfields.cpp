#include "app/game/correctionfields.h"

#include "qtbase/qtext.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace yardmark {

QDialogButtonBox *correctionButtons(QDialog &dialog, bool withCancel, std::function<void()> ok)
{
    auto *box = new QDialogButtonBox;
    QPushButton *okButton = box->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    okButton->setObjectName(QStringLiteral("ok"));
    okButton->setDefault(true);
    QObject::connect(okButton, &QPushButton::clicked, &dialog, [&dialog, ok = std::move(ok)] {
        ok();
        dialog.accept();
    });
    if (withCancel) {
        QPushButton *cancel = box->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
        cancel->setObjectName(QStringLiteral("cancel"));
        QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    }
    return box;
}

QLineEdit *numberField(const char *name, const std::string &text)
{
    auto *edit = new QLineEdit(toQString(text));
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(5);
    QFontMetrics metrics(edit->font());
    edit->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("00000")) * 2);
    return edit;
}

QComboBox *entryList(const char *name, const std::vector<std::string> &entries, int index, QLineEdit *number,
                     std::function<std::string(int)> choose)
{
    auto *list = new QComboBox;
    list->setObjectName(QString::fromLatin1(name));
    for (const std::string &entry : entries)
        list->addItem(toQString(entry));
    list->setCurrentIndex(index);
    list->setMaxVisibleItems(15);
    QObject::connect(list, &QComboBox::activated, number,
                     [number, choose = std::move(choose)](int i) { number->setText(toQString(choose(i))); });
    return list;
}

QLabel *buddyLabel(const char *text, QWidget *buddy)
{
    auto *label = new QLabel(QString::fromLatin1(text));
    label->setBuddy(buddy);
    return label;
}

} // namespace yardmark
