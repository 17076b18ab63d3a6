#include "app/common/datepickerdialog.h"
#include "app/shell/aboutdialog.h"
#include "app/shell/htmloptionsdialog.h"
#include "app/shell/leagueoptionsdialog.h"

#include "app/scripteduserinterface.h"
#include "app/widgetlookup.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <gtest/gtest.h>

namespace yardmark {
namespace {

QStringList items(const QComboBox *combo)
{
    QStringList list;
    for (int i = 0; i < combo->count(); ++i)
        list << combo->itemText(i);
    return list;
}

void type(QWidget &dialog, const char *combo, const char *text)
{
    child<QComboBox>(dialog, combo)->setEditText(QString::fromLatin1(text));
}

TEST(LeagueOptionsDialogTest, OpensOnTheOptionsInForce)
{
    ScriptedUserInterface ui;
    LeagueOptions options;
    options.timeOutsPerHalf = 4;
    options.kickoffYardLine = 40;
    options.sacksAreRushes = false;
    LeagueOptionsDialog dialog(options, ui);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("League Options"));
    EXPECT_EQ(child<QComboBox>(dialog, "timeOutsPerHalf")->currentText(), QStringLiteral("4"));
    EXPECT_EQ(child<QComboBox>(dialog, "kickoffYardLine")->currentText(), QStringLiteral("40"));
    EXPECT_FALSE(child<QCheckBox>(dialog, "sacksAreRushes")->isChecked());
    EXPECT_TRUE(child<QRadioButton>(dialog, "hundredYardField")->isChecked());
    EXPECT_EQ(child<QRadioButton>(dialog, "fiftyYardField")->text(), QStringLiteral("&50 Yard (Indoor/Arena)"));
    EXPECT_EQ(items(child<QComboBox>(dialog, "timeOutsPerHalf")).size(), 10);
    EXPECT_EQ(items(child<QComboBox>(dialog, "minutesPerQuarter")).size(), 20);
    EXPECT_EQ(items(child<QComboBox>(dialog, "touchdownPoints")).size(), 9);
    EXPECT_EQ(items(child<QComboBox>(dialog, "kickoffYardLine")).last(), QStringLiteral("50"));
    EXPECT_EQ(dialog.form(), leagueOptionsForm(options));
}

TEST(LeagueOptionsDialogTest, OkCorrectsAndStoresWhatWasTyped)
{
    ScriptedUserInterface ui;
    LeagueOptions options;
    LeagueOptionsDialog dialog(options, ui);
    type(dialog, "timeOutsPerHalf", "12");
    type(dialog, "minutesPerQuarter", "12 minutes");
    type(dialog, "kickoffYardLine", "30");
    type(dialog, "tryYardLine", "0");
    type(dialog, "safetyKickYardLine", "75");
    type(dialog, "touchdownPoints", "7");
    type(dialog, "fieldGoalPoints", "");
    child<QCheckBox>(dialog, "sacksAreRushes")->setChecked(false);
    child<QPushButton>(dialog, "ok")->click();

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(options.timeOutsPerHalf, 10);
    EXPECT_EQ(options.minutesPerQuarter, 12);
    EXPECT_EQ(options.kickoffYardLine, 30);
    EXPECT_EQ(options.tryYardLine, 3);
    EXPECT_EQ(options.safetyKickYardLine, 50);
    EXPECT_EQ(options.touchdownPoints, 7);
    EXPECT_EQ(options.fieldGoalPoints, 3);
    EXPECT_FALSE(options.sacksAreRushes);
    EXPECT_EQ(ui.sounds, std::vector<int>{601});
}

TEST(LeagueOptionsDialogTest, FiftyYardFieldKeepsAKickoffFromThe35AndReopensWithLinesUpTo25)
{
    ScriptedUserInterface ui;
    LeagueOptions options;
    {
        LeagueOptionsDialog dialog(options, ui);
        child<QRadioButton>(dialog, "fiftyYardField")->setChecked(true);
        type(dialog, "kickoffYardLine", "35");
        child<QPushButton>(dialog, "ok")->click();
    }
    EXPECT_TRUE(options.indoorField);
    EXPECT_EQ(options.midfieldYardLine, 25);
    EXPECT_EQ(options.kickoffYardLine, 35);

    LeagueOptionsDialog reopened(options, ui);
    const QStringList kickoffLines{"0", "5", "10", "15", "20", "25"};
    EXPECT_EQ(items(child<QComboBox>(reopened, "kickoffYardLine")), kickoffLines);
    EXPECT_EQ(items(child<QComboBox>(reopened, "safetyKickYardLine")), kickoffLines);
    EXPECT_TRUE(child<QRadioButton>(reopened, "fiftyYardField")->isChecked());
    // 35 is not in the list but still shown, and kept when OK is pressed
    // again; the limit is now the indoor midfield.
    EXPECT_EQ(child<QComboBox>(reopened, "kickoffYardLine")->currentText(), QStringLiteral("35"));
    child<QPushButton>(reopened, "ok")->click();
    EXPECT_EQ(options.kickoffYardLine, 25);
}

TEST(LeagueOptionsDialogTest, CancelChangesNothing)
{
    ScriptedUserInterface ui;
    LeagueOptions options;
    LeagueOptionsDialog dialog(options, ui);
    type(dialog, "timeOutsPerHalf", "5");
    child<QRadioButton>(dialog, "fiftyYardField")->setChecked(true);
    child<QPushButton>(dialog, "cancel")->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(options, LeagueOptions{});
    EXPECT_EQ(ui.sounds, std::vector<int>{601});
}

HtmlOptions customHtml()
{
    HtmlOptions options;
    options.htmlFontColor = colorValue(1, 2, 3);
    options.htmlFontFace = "Liberation Serif";
    options.htmlBodyFontSize = 4;
    options.htmlHeaderFontSize = 6;
    return options;
}

QColor swatch(const QWidget &dialog)
{
    return child<QFrame>(dialog, "swatch")->palette().color(QPalette::Window);
}

TEST(HtmlOptionsDialogTest, OpensOnTheOptionsWithTheFirstColourShown)
{
    ScriptedUserInterface ui;
    HtmlOptions options = customHtml();
    HtmlOptionsDialog dialog(options, ui, {"Liberation Sans", "Liberation Serif"});
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Select HTML Options"));
    const QComboBox *colors = child<QComboBox>(dialog, "colors");
    EXPECT_EQ(items(colors), (QStringList{"Header Background Color", "Primary Row Background Color",
                                          "Alternate Row Background Color", "Font Color", "Header Font Color"}));
    EXPECT_EQ(colors->currentIndex(), 0);
    EXPECT_EQ(swatch(dialog), QColor(0xF9, 0xFA, 0xD6)); // 14088953 is F9FAD6
    const QComboBox *face = child<QComboBox>(dialog, "fontFace");
    EXPECT_EQ(items(face), (QStringList{"Variable Width", "Fixed Width", "Liberation Sans", "Liberation Serif"}));
    EXPECT_EQ(face->currentText(), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(child<QSpinBox>(dialog, "bodyFontSize")->value(), 4);
    EXPECT_EQ(child<QSpinBox>(dialog, "headerFontSize")->value(), 6);
    EXPECT_EQ(child<QSpinBox>(dialog, "headerFontSize")->maximum(), 20);
    EXPECT_EQ(child<QSpinBox>(dialog, "headerFontSize")->minimum(), 1);
}

TEST(HtmlOptionsDialogTest, ChangeSetsTheSelectedColourAndOkStoresEverything)
{
    ScriptedUserInterface ui;
    ui.colors = {colorValue(0x12, 0x34, 0x56), std::nullopt};
    HtmlOptions options = customHtml();
    HtmlOptionsDialog dialog(options, ui, {});
    child<QComboBox>(dialog, "colors")->setCurrentIndex(3);
    EXPECT_EQ(swatch(dialog), QColor(1, 2, 3));
    child<QPushButton>(dialog, "change")->click();
    EXPECT_EQ(swatch(dialog), QColor(0x12, 0x34, 0x56));
    child<QPushButton>(dialog, "change")->click(); // cancelled in the chooser: stays
    EXPECT_EQ(swatch(dialog), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(ui.colorsOffered, (std::vector<ColorValue>{colorValue(1, 2, 3), colorValue(0x12, 0x34, 0x56)}));
    EXPECT_EQ(options, customHtml()); // nothing stored before OK

    child<QComboBox>(dialog, "fontFace")->setEditText(QStringLiteral("Arial"));
    child<QSpinBox>(dialog, "bodyFontSize")->setValue(2);
    child<QSpinBox>(dialog, "headerFontSize")->setValue(20);
    child<QPushButton>(dialog, "ok")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    HtmlOptions expected = customHtml();
    expected.htmlFontColor = colorValue(0x12, 0x34, 0x56);
    expected.htmlFontFace = "Arial";
    expected.htmlBodyFontSize = 2;
    expected.htmlHeaderFontSize = 20;
    EXPECT_EQ(options, expected);
    EXPECT_EQ(ui.sounds.back(), 601);
}

TEST(HtmlOptionsDialogTest, ResetBringsBackTheDefaultColoursOnly)
{
    ScriptedUserInterface ui;
    HtmlOptions options = customHtml();
    options.htmlHeaderColor = colorValue(9, 9, 9);
    HtmlOptionsDialog dialog(options, ui, {});
    child<QPushButton>(dialog, "reset")->click();
    EXPECT_EQ(swatch(dialog), QColor(0xF9, 0xFA, 0xD6));
    child<QPushButton>(dialog, "ok")->click();
    HtmlOptions expected = customHtml();
    expected.htmlFontColor = 0;
    EXPECT_EQ(options, expected);
}

TEST(HtmlOptionsDialogTest, CancelChangesNothingAndAnEmptyFaceIsNotStored)
{
    ScriptedUserInterface ui;
    ui.colors = {colorValue(1, 1, 1)};
    HtmlOptions options = customHtml();
    {
        HtmlOptionsDialog dialog(options, ui, {});
        child<QPushButton>(dialog, "change")->click();
        child<QPushButton>(dialog, "reset")->click();
        child<QSpinBox>(dialog, "bodyFontSize")->setValue(9);
        child<QPushButton>(dialog, "cancel")->click();
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    EXPECT_EQ(options, customHtml());

    HtmlOptionsDialog dialog(options, ui, {});
    child<QComboBox>(dialog, "fontFace")->setEditText(QString());
    child<QPushButton>(dialog, "ok")->click();
    EXPECT_EQ(options.htmlFontFace, "Liberation Serif");
}

TEST(DatePickerDialogTest, OpensOnTheDateAndOkKeepsTheDayChosen)
{
    ScriptedUserInterface ui;
    DatePickerDialog picker(QDate(1998, 11, 26), ui);
    EXPECT_EQ(picker.date(), QDate(1998, 11, 26));
    auto *calendar = child<QCalendarWidget>(picker, "calendar");
    EXPECT_EQ(calendar->monthShown(), 11);
    EXPECT_EQ(calendar->yearShown(), 1998);
    calendar->setSelectedDate(QDate(1998, 12, 3));
    child<QPushButton>(picker, "ok")->click();
    EXPECT_EQ(picker.result(), QDialog::Accepted);
    EXPECT_EQ(picker.date(), QDate(1998, 12, 3));
    EXPECT_EQ(ui.sounds, std::vector<int>{601});

    DatePickerDialog cancelled(QDate(), ui); // no usable date: today
    EXPECT_EQ(cancelled.date(), QDate::currentDate());
    child<QPushButton>(cancelled, "cancel")->click();
    EXPECT_EQ(cancelled.result(), QDialog::Rejected);
}

TEST(AboutDialogTest, ShowsNameAndVersion)
{
    AboutDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Yardmark 2.0"));
    EXPECT_EQ(child<QLabel>(dialog, "programName")->text(), QStringLiteral("Football Yardmark"));
    EXPECT_EQ(child<QLabel>(dialog, "version")->text(), QStringLiteral("Version 2.0"));
    QPushButton *ok = child<QPushButton>(dialog, "ok");
    EXPECT_EQ(ok->text(), QStringLiteral("&OK"));
    ok->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

} // namespace
} // namespace yardmark
