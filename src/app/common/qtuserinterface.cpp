#include "app/common/qtuserinterface.h"

#include "app/common/filefilter.h"
#include "app/common/soundplayer.h"
#include "qtbase/qtcolor.h"
#include "qtbase/qtext.h"

#include <QColorDialog>

namespace yardmark {
namespace {

QMessageBox::StandardButtons standardButtons(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok:
        return QMessageBox::Ok;
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon boxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::None:
        return QMessageBox::NoIcon;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

} // namespace

std::unique_ptr<QMessageBox> makeMessageBox(std::string_view text, std::string_view caption, MessageButtons buttons,
                                            MessageIcon icon, QWidget *parent)
{
    auto box = std::make_unique<QMessageBox>(boxIcon(icon), toQString(caption), toQString(text),
                                             standardButtons(buttons), parent);
    // The texts are shown as written, never read as rich text.
    box->setTextFormat(Qt::PlainText);
    switch (buttons) {
    case MessageButtons::Ok:
        box->setDefaultButton(QMessageBox::Ok);
        box->setEscapeButton(QMessageBox::Ok);
        break;
    case MessageButtons::OkCancel:
        box->setDefaultButton(QMessageBox::Ok);
        box->setEscapeButton(QMessageBox::Cancel);
        break;
    case MessageButtons::YesNo:
        box->setDefaultButton(QMessageBox::Yes);
        box->setEscapeButton(QMessageBox::No);
        break;
    case MessageButtons::YesNoCancel:
        box->setDefaultButton(QMessageBox::Yes);
        box->setEscapeButton(QMessageBox::Cancel);
        break;
    }
    return box;
}

std::unique_ptr<QFileDialog> makeFileDialog(const FileRequest &request, bool save, QWidget *parent)
{
    const std::vector<FileFilter> filters = parseFilterList(request.filters);
    QStringList nameFilters;
    for (const FileFilter &filter : filters)
        nameFilters << toQString(qtNameFilter(filter));

    auto dialog = std::make_unique<QFileDialog>(parent, toQString(request.title));
    dialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog->setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog->setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    if (!nameFilters.isEmpty()) {
        dialog->setNameFilters(nameFilters);
        dialog->selectNameFilter(nameFilters.value(request.filterIndex, nameFilters.first()));
    }
    // A name typed without an extension gets the one of the filter shown.
    const auto suffixFor = [filters, nameFilters, fallback = request.defaultExtension](const QString &nameFilter) {
        const auto index = static_cast<std::size_t>(std::max<qsizetype>(nameFilters.indexOf(nameFilter), 0));
        const std::string extension = index < filters.size() ? patternExtension(filters[index].pattern) : "";
        return toQString(extension.empty() ? fallback : extension);
    };
    dialog->setDefaultSuffix(suffixFor(dialog->selectedNameFilter()));
    QFileDialog *shown = dialog.get();
    QObject::connect(shown, &QFileDialog::filterSelected, shown,
                     [shown, suffixFor](const QString &filter) { shown->setDefaultSuffix(suffixFor(filter)); });
    if (!request.initialPath.empty())
        dialog->selectFile(pathToQString(request.initialPath));
    return dialog;
}

std::optional<FileChoice> fileChoiceOf(const QFileDialog &dialog, const FileRequest &request)
{
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty() || files.first().isEmpty())
        return std::nullopt;
    FileChoice choice;
    choice.filterIndex = std::max<int>(0, static_cast<int>(dialog.nameFilters().indexOf(dialog.selectedNameFilter())));
    // The system's dialogs may leave a typed name bare where Qt's own adds
    // the default suffix: complete it the same way for both.
    choice.path = completeFileName(pathFromQString(files.first()), parseFilterList(request.filters), choice.filterIndex,
                                   request.defaultExtension);
    return choice;
}

MessageAnswer messageAnswer(int standardButton, MessageButtons buttons)
{
    switch (standardButton) {
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        break;
    }
    switch (buttons) {
    case MessageButtons::Ok:
        return MessageAnswer::Ok;
    case MessageButtons::YesNo:
        return MessageAnswer::No;
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel:
        break;
    }
    return MessageAnswer::Cancel;
}

void prepareCustomColors()
{
    static bool prepared = false;
    if (prepared)
        return;
    prepared = true;
    for (int i = 0; i < QColorDialog::customCount(); ++i)
        QColorDialog::setCustomColor(i, Qt::white);
}

QtUserInterface::QtUserInterface(const AppSettings &settings, SoundPlayer &sounds)
    : m_settings(settings), m_sounds(sounds)
{
}

MessageAnswer QtUserInterface::message(std::string_view text, std::string_view caption, MessageButtons buttons,
                                       MessageIcon icon)
{
    const std::unique_ptr<QMessageBox> box = makeMessageBox(text, caption, buttons, icon, m_parent);
    box->exec();
    return messageAnswer(box->standardButton(box->clickedButton()), buttons);
}

void QtUserInterface::playSound(int sound)
{
    if (m_settings.soundEnabled)
        m_sounds.play(sound);
}

std::optional<FileChoice> QtUserInterface::chooseOpenFile(const FileRequest &request)
{
    return chooseFile(request, false);
}

std::optional<FileChoice> QtUserInterface::chooseSaveFile(const FileRequest &request)
{
    return chooseFile(request, true);
}

std::optional<FileChoice> QtUserInterface::chooseFile(const FileRequest &request, bool save)
{
    const std::unique_ptr<QFileDialog> dialog = makeFileDialog(request, save, m_parent);
    if (dialog->exec() != QDialog::Accepted)
        return std::nullopt;
    return fileChoiceOf(*dialog, request);
}

std::optional<ColorValue> QtUserInterface::chooseColor(ColorValue initial)
{
    prepareCustomColors();
    // Qt's own dialog: the system ones do not keep the custom colours.
    const QColor chosen =
        QColorDialog::getColor(toQColor(initial), m_parent, QString(), QColorDialog::DontUseNativeDialog);
    if (!chosen.isValid())
        return std::nullopt;
    return fromQColor(chosen);
}

} // namespace yardmark
