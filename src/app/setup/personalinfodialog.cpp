#include "app/setup/personalinfodialog.h"

#include "app/common/datepickerdialog.h"
#include "app/common/dialogbuttons.h"
#include "app/common/printdialogs.h"
#include "base/userinterface.h"
#include "printouts/addresslistprintout.h"
#include "qtbase/qtext.h"
#include "qtprint/printing.h"
#include "records/recordcodec.h"
#include "records/roster.h"
#include "season/addresslistexport.h"
#include "season/teamexport.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPushButton>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace yardmark {
namespace {

// Column titles and widths in average characters (the list's dialog units / 4).
constexpr struct {
    const char *title;
    int width;
    Qt::Alignment alignment;
} kColumns[kAddressColumnCount] = {
    {"Name", 37, Qt::AlignLeft},    {"Phone", 18, Qt::AlignHCenter}, {"Birthday", 18, Qt::AlignHCenter},
    {"Address", 37, Qt::AlignLeft}, {"City", 25, Qt::AlignLeft},     {"State", 18, Qt::AlignLeft},
    {"Zip", 15, Qt::AlignLeft},     {"e-mail", 25, Qt::AlignLeft},   {"Note", 25, Qt::AlignLeft},
};

} // namespace

PersonalInfoDialog::PersonalInfoDialog(Team &team, const AppContext &context, QWidget *parent)
    : QDialog(parent), m_team(team), m_context(context)
{
    setWindowTitle(QStringLiteral("Players Personal Info"));
    setSizeGripEnabled(true);
    keepPersonalInfoParallel(m_team);

    m_list = new QTreeWidget;
    m_list->setObjectName(QStringLiteral("addressList"));
    nameAfterCaption(m_list, QStringLiteral("Players"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setColumnCount(kAddressColumnCount);
    QStringList titles;
    for (const auto &column : kColumns)
        titles << QString::fromLatin1(column.title);
    m_list->setHeaderLabels(titles);
    m_list->header()->setSectionsClickable(true);
    const int average = m_list->fontMetrics().averageCharWidth();
    for (int i = 0; i < kAddressColumnCount; ++i) {
        m_list->setColumnWidth(i, kColumns[i].width * average);
        m_list->headerItem()->setTextAlignment(i, kColumns[i].alignment);
    }
    connect(m_list->header(), &QHeaderView::sectionClicked, this, [this](int column) {
        m_context.ui.playSound(kClickSound);
        sortAddressList(m_form, m_team, column);
        fillList();
        selectRow(-1);
    });
    connect(m_list, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *item) {
        if (!m_filling)
            selectRow(item ? m_list->indexOfTopLevelItem(item) : -1);
    });

    auto *boxes = new QGridLayout;
    m_name = addBox(boxes, 0, 0, "name", "&Name:", kNameWidth - 1);
    QPushButton *birthday = namedButton("chooseBirthday", "&Birthday:");
    m_birthday = new QLineEdit;
    m_birthday->setObjectName(QStringLiteral("birthday"));
    nameAfterCaption(m_birthday, birthday->text());
    limitText(m_birthday, 15);
    boxes->addWidget(birthday, 0, 2);
    boxes->addWidget(m_birthday, 0, 3);
    connect(birthday, &QPushButton::clicked, this, [this] { chooseBirthday(); });
    m_phone = addBox(boxes, 1, 0, "phone", "&Phone:", kPhoneWidth - 1);
    m_address = addBox(boxes, 1, 2, "address", "A&ddress:", kAddressWidth - 1);
    m_city = addBox(boxes, 2, 0, "city", "Cit&y:", kCityWidth - 1);
    m_state = addBox(boxes, 2, 2, "state", "S&tate:", kStateWidth - 1);
    m_zip = addBox(boxes, 3, 0, "zip", "&Zip:", kZipWidth - 1);
    QPushButton *email = namedButton("email", "e&mail");
    m_email = new QLineEdit;
    m_email->setObjectName(QStringLiteral("emailAddress"));
    nameAfterCaption(m_email, QStringLiteral("E-mail"));
    limitText(m_email, kEmailWidth - 1);
    boxes->addWidget(email, 3, 2);
    boxes->addWidget(m_email, 3, 3);
    connect(email, &QPushButton::clicked, this, [this] { mail(); });
    m_note = new QLineEdit;
    m_note->setObjectName(QStringLiteral("note"));
    limitText(m_note, kNoteWidth - 1);
    auto *noteLabel = new QLabel(QStringLiteral("Not&e:"));
    noteLabel->setBuddy(m_note);
    boxes->addWidget(noteLabel, 4, 0);
    boxes->addWidget(m_note, 4, 1, 1, 3);
    boxes->setColumnStretch(1, 1);
    boxes->setColumnStretch(3, 2);

    QPushButton *updateButton = namedButton("updateInfo", "&Update Info");
    QPushButton *clearButton = namedButton("clearBoxes", "C&lear Boxes");
    QPushButton *exportButton = namedButton("exportList", "E");
    QPushButton *printButton = namedButton("printList", "P");
    QPushButton *setupButton = namedButton("printerSetup", "S");
    exportButton->setToolTip(QStringLiteral("Export the address and phone list"));
    printButton->setToolTip(QStringLiteral("Print the address and phone list"));
    setupButton->setToolTip(QStringLiteral("Printer setup"));
    for (QPushButton *small : {exportButton, printButton, setupButton})
        small->setMaximumWidth(small->fontMetrics().horizontalAdvance(QStringLiteral("MMM")));
    connect(updateButton, &QPushButton::clicked, this, [this] { update(); });
    connect(clearButton, &QPushButton::clicked, this, [this] {
        m_context.ui.playSound(kClickSound);
        clearPersonalInfoBoxes(m_form);
        m_form.selected = m_list->currentItem() ? m_list->indexOfTopLevelItem(m_list->currentItem()) : -1;
        setForm(m_form);
    });
    connect(exportButton, &QPushButton::clicked, this, [this] { exportList(); });
    connect(printButton, &QPushButton::clicked, this, [this] { print(); });
    connect(setupButton, &QPushButton::clicked, this, [this] { printerSetup(); });

    auto *ending = new QDialogButtonBox;
    QPushButton *ok = ending->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("ok"));
    QPushButton *cancel = ending->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancel"));
    connect(ok, &QPushButton::clicked, this, [this] {
        m_context.ui.playSound(kClickSound);
        PersonalInfoForm current = form();
        finishPersonalInfo(current, m_team, currentDateTime());
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, [this] {
        m_context.ui.playSound(kClickSound);
        reject();
    });

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(updateButton);
    buttons->addWidget(clearButton);
    buttons->addStretch();
    buttons->addWidget(exportButton);
    buttons->addWidget(printButton);
    buttons->addWidget(setupButton);
    buttons->addSpacing(12);
    buttons->addWidget(ending);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(boxes);
    layout->addLayout(buttons);

    fillList();
    selectRow(-1);
    resize(sizeHint().expandedTo(QSize(110 * average, 30 * m_list->fontMetrics().height())));
    setMinimumSize(size());
}

QLineEdit *PersonalInfoDialog::addBox(QGridLayout *grid, int row, int column, const char *name, const char *caption,
                                      int maxLength)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(name));
    limitText(edit, maxLength);
    auto *label = new QLabel(QString::fromLatin1(caption));
    label->setBuddy(edit);
    grid->addWidget(label, row, column);
    grid->addWidget(edit, row, column + 1);
    return edit;
}

PersonalInfoForm PersonalInfoDialog::form() const
{
    PersonalInfoForm form = m_form;
    form.name = fromQString(m_name->text());
    form.birthday = fromQString(m_birthday->text());
    form.phone = fromQString(m_phone->text());
    form.address = fromQString(m_address->text());
    form.city = fromQString(m_city->text());
    form.state = fromQString(m_state->text());
    form.zip = fromQString(m_zip->text());
    form.email = fromQString(m_email->text());
    form.note = fromQString(m_note->text());
    return form;
}

void PersonalInfoDialog::setForm(const PersonalInfoForm &form)
{
    m_form = form;
    m_name->setText(toQString(form.name));
    m_birthday->setText(toQString(form.birthday));
    m_phone->setText(toQString(form.phone));
    m_address->setText(toQString(form.address));
    m_city->setText(toQString(form.city));
    m_state->setText(toQString(form.state));
    m_zip->setText(toQString(form.zip));
    m_email->setText(toQString(form.email));
    m_note->setText(toQString(form.note));
}

void PersonalInfoDialog::fillList()
{
    m_filling = true;
    m_list->clear();
    for (int i = 0; i < m_team.playerCount(); ++i) {
        const AddressRow row = addressRow(m_team, i);
        QStringList cells;
        for (const std::string &cell : row)
            cells << toQString(cell);
        auto *item = new QTreeWidgetItem(m_list, cells);
        for (int c = 0; c < kAddressColumnCount; ++c)
            item->setTextAlignment(c, kColumns[c].alignment | Qt::AlignVCenter);
    }
    m_list->setCurrentItem(m_form.selected >= 0 ? m_list->topLevelItem(m_form.selected) : nullptr);
    m_filling = false;
}

void PersonalInfoDialog::selectRow(int index)
{
    PersonalInfoForm next = m_form;
    selectAddressRow(next, m_team, index, currentDateTime());
    setForm(next);
}

void PersonalInfoDialog::update()
{
    m_context.ui.playSound(kClickSound);
    PersonalInfoForm current = form();
    if (!updatePersonalInfo(current, m_team, currentDateTime()))
        return;
    m_form = current;
    fillList();
    selectRow(current.selected);
}

void PersonalInfoDialog::chooseBirthday()
{
    chooseDateInto(*m_birthday, m_context, this);
}

void PersonalInfoDialog::mail()
{
    m_context.ui.playSound(kClickSound);
    // "MailTo:" as the program has always built it; URL schemes ignore case.
    QDesktopServices::openUrl(QUrl(toQString(mailToAddress(form()))));
}

void PersonalInfoDialog::exportList()
{
    const std::optional<TeamSaveChoice> choice = askExportFile(m_context.ui, false, "");
    if (!choice)
        return;
    const ExportFormat format = choice->type == TeamSaveType::Html ? ExportFormat::Html : ExportFormat::Csv;
    if (!exportAddressList(m_team, choice->path, format, choice->append, m_context.settings.app.html)) {
        m_context.ui.playSound(kWarningSound);
        m_context.ui.message("Cannot write " + choice->path, "Export", MessageButtons::Ok, MessageIcon::Warning);
    }
}

void PersonalInfoDialog::print()
{
    m_context.ui.playSound(kClickSound);
    AddressListPrintout printout("Address/Phone List", m_team);
    printWithDialog(m_context, printout, this);
}

void PersonalInfoDialog::printerSetup()
{
    m_context.ui.playSound(kClickSound);
    const std::unique_ptr<QPrintDialog> dialog = makePrinterSetupDialog(m_context.printer, this);
    m_context.runDialog(*dialog);
}

} // namespace yardmark
