#include "app/game/insertplaydialog.h"

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

InsertPlayDialog::InsertPlayDialog(InsertPlayForm &form, const std::function<bool(InsertKind)> &offered,
                                   QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Insert Play"));
    static const struct {
        InsertKind kind;
        const char *name;
        const char *text;
    } kinds[] = {
        {InsertKind::KickOff, "kickOff", "&Kick Off"},
        {InsertKind::Punt, "punt", "&Punt"},
        {InsertKind::FieldGoal, "fieldGoal", "&Field Goal"},
        {InsertKind::ExtraPoint, "extraPoint", "&Extra Point"},
        {InsertKind::Rush, "rush", "&Rush"},
        {InsertKind::Pass, "pass", "P&ass"},
        {InsertKind::OffensivePenalty, "offensivePenalty", "Offensive Pe&nalty"},
        {InsertKind::DefensivePenalty, "defensivePenalty", "&Defensive Penalty"},
        {InsertKind::HomeTimeOut, "homeTimeOut", "&Home Time Out"},
        {InsertKind::VisitorTimeOut, "visitorTimeOut", "&Visitor Time Out"},
    };
    auto *layout = new QVBoxLayout(this);
    auto *group = new QButtonGroup(this);
    group->setExclusive(true);
    for (const auto &k : kinds) {
        if (offered && !offered(k.kind))
            continue;
        auto *radio = new QRadioButton(QString::fromLatin1(k.text));
        radio->setObjectName(QString::fromLatin1(k.name));
        radio->setChecked(form.kind == k.kind);
        group->addButton(radio, static_cast<int>(k.kind));
        layout->addWidget(radio);
    }
    layout->addWidget(correctionButtons(*this, true, [&form, group] {
        const int id = group->checkedId();
        if (id >= 0)
            form.kind = static_cast<InsertKind>(id);
        else
            form.kind.reset();
    }));
}

} // namespace yardmark
