#include "app/common/qtuserinterface.h"

#include "app/scripteduserinterface.h"

#include <QAbstractButton>
#include <QColorDialog>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace yardmark {
namespace {

TEST(MessageBoxTest, ShowsExactlyTheTextCaptionAndButtons)
{
    struct Case {
        MessageButtons buttons;
        QMessageBox::StandardButtons shown;
        QMessageBox::StandardButton escape;
    } cases[] = {
        {MessageButtons::Ok, QMessageBox::Ok, QMessageBox::Ok},
        {MessageButtons::OkCancel, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel},
        {MessageButtons::YesNo, QMessageBox::Yes | QMessageBox::No, QMessageBox::No},
        {MessageButtons::YesNoCancel, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel},
    };
    for (const Case &c : cases) {
        const auto box = makeMessageBox("Select <OK> to Complete Kick Off\n or <Cancel> Kick Off",
                                        "Kick Off Incomplete", c.buttons, MessageIcon::Question, nullptr);
        EXPECT_EQ(box->text(), QStringLiteral("Select <OK> to Complete Kick Off\n or <Cancel> Kick Off"));
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Kick Off Incomplete"));
        EXPECT_EQ(box->standardButtons(), c.shown);
        EXPECT_EQ(box->standardButton(box->escapeButton()), c.escape);
    }
}

TEST(MessageBoxTest, TextsCrossFromWindows1252)
{
    const auto box =
        makeMessageBox("Caf\xe9 \x93quoted\x94", "\xa9 Yardmark", MessageButtons::Ok, MessageIcon::None, nullptr);
    EXPECT_EQ(box->text(), QString::fromUtf8("Café “quoted”"));
    EXPECT_EQ(box->windowTitle(), QString::fromUtf8("© Yardmark"));
}

TEST(MessageBoxTest, AnswersFollowTheButtonPressedOrTheEscapeOfTheBox)
{
    struct Case {
        int pressed;
        MessageButtons buttons;
        MessageAnswer answer;
    } cases[] = {
        {QMessageBox::Ok, MessageButtons::Ok, MessageAnswer::Ok},
        {QMessageBox::Ok, MessageButtons::OkCancel, MessageAnswer::Ok},
        {QMessageBox::Cancel, MessageButtons::OkCancel, MessageAnswer::Cancel},
        {QMessageBox::Yes, MessageButtons::YesNo, MessageAnswer::Yes},
        {QMessageBox::No, MessageButtons::YesNo, MessageAnswer::No},
        {QMessageBox::No, MessageButtons::YesNoCancel, MessageAnswer::No},
        {QMessageBox::Cancel, MessageButtons::YesNoCancel, MessageAnswer::Cancel},
        // Closed by the window manager, no button pressed.
        {QMessageBox::NoButton, MessageButtons::Ok, MessageAnswer::Ok},
        {QMessageBox::NoButton, MessageButtons::OkCancel, MessageAnswer::Cancel},
        {QMessageBox::NoButton, MessageButtons::YesNo, MessageAnswer::No},
        {QMessageBox::NoButton, MessageButtons::YesNoCancel, MessageAnswer::Cancel},
    };
    for (const Case &c : cases)
        EXPECT_EQ(messageAnswer(c.pressed, c.buttons), c.answer) << c.pressed;
}

FileRequest exportRequest()
{
    FileRequest request;
    request.title = "Select file name to save as";
    request.filters = "Comma Delimited Format (*.csv)|*.csv|HTML (Web Page) Format (*.htm)|*.htm|";
    request.defaultExtension = "csv";
    return request;
}

TEST(FileDialogTest, OffersTheFiltersWithTheAskedOneSelected)
{
    FileRequest request = exportRequest();
    request.filterIndex = 1;
    request.confirmOverwrite = false;
    const auto dialog = makeFileDialog(request, true, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Select file name to save as"));
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_TRUE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_EQ(dialog->nameFilters(), (QStringList{"Comma Delimited Format (*.csv)", "HTML (Web Page) Format (*.htm)"}));
    EXPECT_EQ(dialog->selectedNameFilter(), QStringLiteral("HTML (Web Page) Format (*.htm)"));
    EXPECT_EQ(dialog->defaultSuffix(), QStringLiteral("htm"));
    // Choosing the other type changes the extension given to a bare name.
    emit dialog->filterSelected(QStringLiteral("Comma Delimited Format (*.csv)"));
    EXPECT_EQ(dialog->defaultSuffix(), QStringLiteral("csv"));

    const auto open = makeFileDialog({"Open", "Bitmap Files (*.bmp)|*.bmp|", "bmp", "", 5, true}, false, nullptr);
    EXPECT_EQ(open->acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(open->fileMode(), QFileDialog::ExistingFile);
    EXPECT_FALSE(open->testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_EQ(open->selectedNameFilter(), QStringLiteral("Bitmap Files (*.bmp)")); // no 6th filter: the first
}

TEST(FileDialogTest, ABareNameGetsTheExtensionOfTheChosenFilter)
{
    QTemporaryDir folder;
    struct Case {
        const char *name;
        bool save;
        int filter;
        const char *chosen;
        int filterIndex;
    } cases[] = {
        {"week1", true, 0, "week1.csv", 0},       {"week1", true, 1, "week1.htm", 1},
        {"week1.html", true, 0, "week1.html", 0}, {"week1", false, 1, "week1.htm", 1},
        {"week1.2024", true, 1, "week1.2024", 1}, {"week1.2024/game", true, 1, "week1.2024/game.htm", 1},
    };
    for (const Case &c : cases) {
        FileRequest request = exportRequest();
        request.filterIndex = c.filter;
        const auto dialog = makeFileDialog(request, c.save, nullptr);
        dialog->setOption(QFileDialog::DontUseNativeDialog);
        dialog->setDirectory(folder.path());
        dialog->selectFile(folder.filePath(QString::fromLatin1(c.name)));
        const std::optional<FileChoice> choice = fileChoiceOf(*dialog, request);
        ASSERT_TRUE(choice.has_value()) << c.name;
        EXPECT_EQ(choice->path, QDir::toNativeSeparators(folder.filePath(QString::fromLatin1(c.chosen))).toStdString())
            << c.name;
        EXPECT_EQ(choice->filterIndex, c.filterIndex) << c.name;
    }
}

TEST(QtUserInterfaceTest, PlaysSoundsOnlyWhileSoundEffectsAreOn)
{
    std::vector<int> played;
    RecordingSoundPlayer player(played);
    AppSettings settings;
    QtUserInterface ui(settings, player);
    ui.playSound(601);
    settings.soundEnabled = false;
    ui.playSound(604);
    settings.soundEnabled = true;
    ui.playSound(607);
    EXPECT_EQ(played, (std::vector<int>{601, 607}));
}

TEST(QtUserInterfaceTest, CustomColoursStartWhiteAndAreKeptForTheRun)
{
    QColorDialog::setCustomColor(3, Qt::red); // whatever was there before the first use
    prepareCustomColors();
    for (int i = 0; i < QColorDialog::customCount(); ++i)
        EXPECT_EQ(QColorDialog::customColor(i), QColor(Qt::white)) << i;
    EXPECT_EQ(QColorDialog::customCount(), 16);
    QColorDialog::setCustomColor(5, QColor(10, 20, 30));
    prepareCustomColors();
    EXPECT_EQ(QColorDialog::customColor(5), QColor(10, 20, 30));
}

} // namespace
} // namespace yardmark
