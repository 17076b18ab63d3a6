#include "app/shell/aboutdialog.h"

#include "app/common/bitmaps.h"
#include "base/version.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace yardmark {

AboutDialog::AboutDialog(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Yardmark " YARDMARK_VERSION));
    auto *layout = new QVBoxLayout(this);
    auto *row = new QHBoxLayout;
    layout->addLayout(row);

    auto *picture = new QLabel;
    picture->setPixmap(programIcon().pixmap(64, 64));
    row->addWidget(picture, 0, Qt::AlignTop);

    auto *texts = new QVBoxLayout;
    row->addLayout(texts);
    auto *name = new QLabel(QStringLiteral(YARDMARK_PRODUCT_NAME));
    name->setObjectName(QStringLiteral("programName"));
    QFont bold = name->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    name->setFont(bold);
    auto *version = new QLabel(QStringLiteral("Version " YARDMARK_VERSION));
    version->setObjectName(QStringLiteral("version"));
    texts->addWidget(name);
    texts->addWidget(version);
    texts->addStretch();

    auto *buttons = new QDialogButtonBox;
    QPushButton *ok = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    layout->addWidget(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace yardmark
