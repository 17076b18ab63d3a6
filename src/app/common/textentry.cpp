#include "app/common/textentry.h"

#include "base/text.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTextDocument>
#include <QToolTip>
#include <QValidator>

namespace yardmark {
namespace {

/// Refuses text holding characters Windows-1252 has not, and shows why.
class StorableTextValidator final : public QValidator {
    Q_OBJECT

public:
    explicit StorableTextValidator(QWidget *box) : QValidator(box), m_box(box) {}

    State validate(QString &input, int &) const override
    {
        const QString refused = unstorableCharacters(input);
        if (refused.isEmpty())
            return Acceptable;
        QToolTip::showText(m_box->mapToGlobal(QPoint(0, m_box->height())),
                           QStringLiteral("The files cannot store these characters: %1").arg(refused), m_box);
        return Invalid;
    }

private:
    QWidget *m_box;
};

} // namespace

QString plainToolTip(const QString &text)
{
    return Qt::mightBeRichText(text) ? Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal) : text;
}

QString unstorableCharacters(const QString &text)
{
    QString refused;
    for (const char32_t c : text.toUcs4()) {
        const QString character = QString::fromUcs4(&c, 1);
        if (!cp1252CanHold(c) && !refused.contains(character))
            refused += character;
    }
    return refused;
}

void nameAfterCaption(QWidget *input, const QString &caption)
{
    QString name = caption;
    name.remove(QLatin1Char('&'));
    while (name.endsWith(QLatin1Char(':')) || name.endsWith(QLatin1Char('.')))
        name.chop(1);
    input->setAccessibleName(name.trimmed());
}

void limitText(QLineEdit *edit, int maxLength)
{
    edit->setMaxLength(maxLength);
    edit->setValidator(new StorableTextValidator(edit));
}

void limitText(QComboBox *combo, int maxLength)
{
    if (QLineEdit *edit = combo->lineEdit())
        limitText(edit, maxLength);
}

} // namespace yardmark

#include "textentry.moc"
