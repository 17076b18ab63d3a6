#include "app/shell/htmloptionsdialog.h"

#include "app/common/bitmaps.h"
#include "app/common/dialogbuttons.h"
#include "base/userinterface.h"
#include "qtbase/qtcolor.h"
#include "qtbase/qtext.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace yardmark {
namespace {

QSpinBox *sizeBox(const char *name, int value)
{
    auto *box = new QSpinBox;
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(kMinHtmlFontSize, kMaxHtmlFontSize);
    box->setValue(value);
    return box;
}

} // namespace

std::vector<std::string> installedFontFaces()
{
    std::vector<std::string> faces;
    for (const QString &family : QFontDatabase::families())
        faces.push_back(fromQString(family));
    return faces;
}

HtmlOptionsDialog::HtmlOptionsDialog(HtmlOptions &options, UserInterface &ui,
                                     const std::vector<std::string> &installedFonts, QWidget *parent)
    : QDialog(parent), m_options(options), m_ui(ui), m_form(htmlOptionsForm(options))
{
    setWindowTitle(QStringLiteral("Select HTML Options"));
    auto *layout = new QVBoxLayout(this);

    auto *picture = new QLabel;
    picture->setPixmap(programIcon().pixmap(48, 48));
    layout->addWidget(picture, 0, Qt::AlignHCenter);

    auto *form = new QFormLayout;
    layout->addLayout(form);

    m_colors = new QComboBox;
    m_colors->setObjectName(QStringLiteral("colors"));
    for (const char *name : kHtmlColorNames)
        m_colors->addItem(QString::fromLatin1(name));
    form->addRow(QStringLiteral("Colors:"), m_colors);

    m_swatch = new QFrame;
    m_swatch->setObjectName(QStringLiteral("swatch"));
    m_swatch->setFrameShape(QFrame::Box);
    m_swatch->setAutoFillBackground(true);
    m_swatch->setMinimumSize(64, 24);
    QPushButton *change = namedButton("change", "Change...");
    QPushButton *reset = namedButton("reset", "Reset to defaults");
    auto *colorRow = new QHBoxLayout;
    colorRow->addWidget(m_swatch, 1);
    colorRow->addWidget(change);
    colorRow->addWidget(reset);
    form->addRow(QString(), colorRow);

    m_face = new QComboBox;
    m_face->setObjectName(QStringLiteral("fontFace"));
    m_face->setEditable(true);
    m_face->setInsertPolicy(QComboBox::NoInsert);
    for (const std::string &face : htmlFontFaceChoices(installedFonts))
        m_face->addItem(toQString(face));
    const int faceIndex = m_face->findText(toQString(m_form.fontFace));
    if (faceIndex >= 0)
        m_face->setCurrentIndex(faceIndex);
    else
        m_face->setEditText(toQString(m_form.fontFace));
    form->addRow(QStringLiteral("Font Face:"), m_face);

    m_bodySize = sizeBox("bodyFontSize", m_form.bodyFontSize);
    m_headerSize = sizeBox("headerFontSize", m_form.headerFontSize);
    form->addRow(QStringLiteral("Font Size:"), m_bodySize);
    form->addRow(QStringLiteral("Header Size:"), m_headerSize);

    layout->addWidget(okCancelButtons(*this, m_ui, [this] { ok(); }));

    connect(m_colors, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_form.selectedColor = index;
        showSelectedColor();
    });
    connect(change, &QPushButton::clicked, this, [this] { changeColor(); });
    connect(reset, &QPushButton::clicked, this, [this] { resetColors(); });
    showSelectedColor();
}

void HtmlOptionsDialog::showSelectedColor()
{
    const ColorValue color = selectedHtmlColor(m_form);
    QPalette palette = m_swatch->palette();
    palette.setColor(QPalette::Window, toQColor(color));
    m_swatch->setPalette(palette);
}

void HtmlOptionsDialog::changeColor()
{
    m_ui.playSound(kClickSound);
    if (const std::optional<ColorValue> chosen = m_ui.chooseColor(selectedHtmlColor(m_form))) {
        setSelectedHtmlColor(m_form, *chosen);
        showSelectedColor();
    }
}

void HtmlOptionsDialog::resetColors()
{
    m_ui.playSound(kClickSound);
    resetHtmlColors(m_form);
    showSelectedColor();
}

void HtmlOptionsDialog::ok()
{
    m_form.fontFace = fromQString(m_face->currentText());
    m_form.bodyFontSize = m_bodySize->value();
    m_form.headerFontSize = m_headerSize->value();
    applyHtmlOptionsForm(m_form, m_options);
    accept();
}

} // namespace yardmark
