#include "app/game/correctiondialogs.h"

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

namespace {

/// "&OK" (the default) and, where the dialog has one, "&Cancel". The engine
/// plays the click when the dialog has closed, so the buttons play nothing.
QDialogButtonBox *buttons(QDialog &dialog, bool withCancel, std::function<void()> ok)
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

/// The drop-down beside a number field: choosing an entry writes its first
/// two characters into the field.
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

} // namespace

PickTeamDialog::PickTeamDialog(std::string_view title, std::string_view homeName, std::string_view visitorName,
                               bool homeChecked, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(toQString(title));
    auto *layout = new QVBoxLayout(this);
    auto *question = new QLabel(toQString(title));
    layout->addWidget(question);
    m_home = new QRadioButton(toQString(homeName));
    m_home->setObjectName(QStringLiteral("home"));
    auto *visitor = new QRadioButton(toQString(visitorName));
    visitor->setObjectName(QStringLiteral("visitor"));
    (homeChecked ? m_home : visitor)->setChecked(true);
    layout->addWidget(m_home);
    layout->addWidget(visitor);
    layout->addWidget(buttons(*this, true, [] {}));
}

TeamChoice PickTeamDialog::choice() const
{
    if (result() != QDialog::Accepted)
        return TeamChoice::Cancelled;
    return m_home->isChecked() ? TeamChoice::Home : TeamChoice::Visitor;
}

BallOnDialog::BallOnDialog(BallOnForm &form, QWidget *parent) : QDialog(parent), m_form(form)
{
    setWindowTitle(QStringLiteral("Ball On"));
    auto *layout = new QVBoxLayout(this);
    auto *grid = new QGridLayout;
    m_number = numberField("yardLine", form.spot.yardText);
    m_list = entryList("yardLineList", form.entries, form.listIndex, m_number, [this](int i) {
        chooseBallOnEntry(m_form, i);
        return m_form.spot.yardText;
    });
    grid->addWidget(buddyLabel("&Yard Line", m_number), 0, 0);
    grid->addWidget(m_number, 0, 1);
    grid->addWidget(buddyLabel("&From List", m_list), 1, 0);
    grid->addWidget(m_list, 1, 1);
    layout->addLayout(grid);

    auto *side = new QGroupBox(QStringLiteral("Side of the Field"));
    auto *sideLayout = new QVBoxLayout(side);
    m_home = new QRadioButton(toQString(form.homeName));
    m_home->setObjectName(QStringLiteral("home"));
    m_visitor = new QRadioButton(toQString(form.visitorName));
    m_visitor->setObjectName(QStringLiteral("visitor"));
    if (form.spot.homeSide)
        (*form.spot.homeSide ? m_home : m_visitor)->setChecked(true);
    sideLayout->addWidget(m_home);
    sideLayout->addWidget(m_visitor);
    layout->addWidget(side);
    layout->addWidget(buttons(*this, true, [this] { store(); }));
}

void BallOnDialog::store()
{
    m_form.spot.yardText = fromQString(m_number->text());
    m_form.listIndex = m_list->currentIndex();
    if (m_home->isChecked())
        m_form.spot.homeSide = true;
    else if (m_visitor->isChecked())
        m_form.spot.homeSide = false;
    else
        m_form.spot.homeSide.reset();
}

ToGoDialog::ToGoDialog(ToGoForm &form, QWidget *parent) : QDialog(parent), m_form(form)
{
    setWindowTitle(QStringLiteral("To Go"));
    auto *layout = new QVBoxLayout(this);
    auto *grid = new QGridLayout;
    m_number = numberField("toGo", form.text);
    m_list = entryList("toGoList", form.entries, form.listIndex, m_number, [this](int i) {
        chooseToGoEntry(m_form, i);
        return m_form.text;
    });
    grid->addWidget(buddyLabel("&Yards To Go", m_number), 0, 0);
    grid->addWidget(m_number, 0, 1);
    grid->addWidget(buddyLabel("&From List", m_list), 1, 0);
    grid->addWidget(m_list, 1, 1);
    layout->addLayout(grid);
    layout->addWidget(buttons(*this, true, [this] {
        m_form.text = fromQString(m_number->text());
        m_form.listIndex = m_list->currentIndex();
    }));
}

RecordTimeDialog::RecordTimeDialog(RecordTimeForm &form, QWidget *parent) : QDialog(parent), m_form(form)
{
    setWindowTitle(QStringLiteral("Record Time"));
    auto *layout = new QVBoxLayout(this);
    // Which play the time stamps, and what to type.
    for (const auto &[name, text] : {std::pair{"stampedPlay", form.play}, std::pair{"explanation", form.explanation}}) {
        if (text.empty())
            continue;
        auto *line = new QLabel(toQString(text));
        line->setObjectName(QString::fromLatin1(name));
        line->setWordWrap(true);
        line->setTextFormat(Qt::PlainText);
        layout->addWidget(line);
    }
    auto *grid = new QGridLayout;
    m_minutes = numberField("minutes", form.minutes);
    m_seconds = numberField("seconds", form.seconds);
    grid->addWidget(buddyLabel("&Minutes", m_minutes), 0, 0);
    grid->addWidget(buddyLabel("&Seconds", m_seconds), 0, 2);
    grid->addWidget(m_minutes, 1, 0);
    grid->addWidget(new QLabel(QStringLiteral(":")), 1, 1);
    grid->addWidget(m_seconds, 1, 2);
    layout->addLayout(grid);
    layout->addWidget(buttons(*this, false, [this] {
        m_form.minutes = fromQString(m_minutes->text());
        m_form.seconds = fromQString(m_seconds->text());
    }));
}

void RecordTimeDialog::reject()
{
    m_form.minutes = fromQString(m_minutes->text());
    m_form.seconds = fromQString(m_seconds->text());
    accept();
}

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
        {InsertKind::OffensivePenalty, "offensivePenalty", "Offensive &Penalty"},
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
    layout->addWidget(buttons(*this, true, [&form, group] {
        const int id = group->checkedId();
        if (id >= 0)
            form.kind = static_cast<InsertKind>(id);
        else
            form.kind.reset();
    }));
}

} // namespace yardmark
