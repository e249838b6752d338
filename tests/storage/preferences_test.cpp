// The Preferences menu: number style and decimal places, written to the
// settings row at once and restored at the next start.
#include "platform/clickablelabel.h"
#include "mainwindow/frmmain.h"
#include "mainwindow/priceedit.h"
#include "platform/program.h"
#include "storage/module1.h"
#include "storagetesting.h"
#include "support/dialogscript.h"
#include "support/qtprinters.h"

#include <QAction>
#include <QMenu>
#include <gtest/gtest.h>

namespace {
class PreferencesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SetEndProgramHook([] {});
        start();
    }
    void TearDown() override {
        window.reset();
        ResetStorage();
        SetEndProgramHook({});
    }
    void start() {
        window.reset();
        window = std::make_unique<FrmMain>();
        ASSERT_TRUE(window->Form_Load());
    }
    int stored(const char* field) const {
        return QueryDatabase(folder.path(), QStringLiteral("Select * from System"))
            .Field(QLatin1String(field))
            .toInt();
    }
    void fillBoxes() {
        window->txtHigh->setText(QStringLiteral("12.5"));
        window->txtLow->setText(QStringLiteral("10"));
        window->txtActual->setText(QStringLiteral("11"));
    }
    bool boxesEmpty() const {
        return window->txtHigh->text().isEmpty() && window->txtLow->text().isEmpty() &&
               window->txtActual->text().isEmpty();
    }

    TempProgramFolder folder;
    DialogScript dialogs;
    std::unique_ptr<FrmMain> window;
};
} // namespace

TEST_F(PreferencesTest, french_switches_captions_empties_boxes_and_is_stored) {
    const auto retBefore = window->RetRatios;
    const auto upBefore = window->UpRatios;
    fillBoxes();
    window->mnuLanguage_Click(1);
    EXPECT_EQ(window->Language, 1);
    EXPECT_EQ(stored("Language"), 1);
    EXPECT_TRUE(boxesEmpty());
    EXPECT_EQ(window->lblRetRatio[0]->text(), QStringLiteral("23,60%"));
    EXPECT_EQ(window->lblUpRatio[0]->text(), QStringLiteral("23,60%"));
    EXPECT_EQ(window->lblUpRatio[11]->text(), QStringLiteral("200,00%"));
    EXPECT_EQ(window->RetRatios, retBefore);
    EXPECT_EQ(window->UpRatios, upBefore);

    // Choosing it again repeats the whole sequence.
    fillBoxes();
    window->mnuLanguage_Click(1);
    EXPECT_TRUE(boxesEmpty());
    EXPECT_TRUE(dialogs.shown.empty());

    window->mnuLanguage_Click(0);
    EXPECT_EQ(stored("Language"), 0);
    EXPECT_EQ(window->lblRetRatio[0]->text(), QStringLiteral("23.60%"));
}

TEST_F(PreferencesTest, opening_the_menu_marks_the_style_in_force) {
    window->mnuLanguage_Click(1);
    window->mnuLanguage[0]->setChecked(true);
    window->mnPreferences_Click();
    EXPECT_FALSE(window->mnuLanguage[0]->isChecked());
    EXPECT_TRUE(window->mnuLanguage[1]->isChecked());
    // The menu's own opening runs the same handler.
    window->mnuLanguage_Click(0);
    emit window->mnPreferences->aboutToShow();
    EXPECT_TRUE(window->mnuLanguage[0]->isChecked());
    EXPECT_FALSE(window->mnuLanguage[1]->isChecked());
}

TEST_F(PreferencesTest, decimal_places_move_the_check_mark_and_are_stored) {
    window->lblUp[0]->setText(QStringLiteral("12.35"));
    window->mnuDecimal[4]->trigger();
    EXPECT_EQ(CheckedDecimals(*window), QList<int>{4});
    EXPECT_EQ(stored("Decimals"), 4);
    EXPECT_EQ(window->Decimals, 4);
    // Nothing is recalculated until the next calculation.
    EXPECT_EQ(window->lblUp[0]->text(), QStringLiteral("12.35"));
    // Choosing the checked entry again keeps its check mark.
    window->mnuDecimal[4]->trigger();
    EXPECT_EQ(CheckedDecimals(*window), QList<int>{4});
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(PreferencesTest, both_settings_survive_a_restart) {
    window->mnuDecimal_Click(5);
    window->mnuLanguage_Click(1);
    start();
    EXPECT_EQ(window->Decimals, 5);
    EXPECT_EQ(CheckedDecimals(*window), QList<int>{5});
    EXPECT_EQ(window->Language, 1);
    EXPECT_EQ(window->lblRetRatio[4]->text(), QStringLiteral("78,60%"));
}

TEST_F(PreferencesTest,
       a_decimal_places_write_that_fails_clears_the_marks_and_keeps_the_old_places) {
    ExecDatabase(folder.path(), QStringLiteral("Delete from System"));
    window->mnuDecimal_Click(3);
    EXPECT_EQ(dialogs.titles(), QStringList{"frmMain mnuDecimal_Click Error#3146"});
    EXPECT_EQ(dialogs.last().icon, MsgIcon::Critical);
    EXPECT_TRUE(CheckedDecimals(*window).isEmpty());
    EXPECT_EQ(window->Decimals, 2);
}

TEST_F(PreferencesTest, a_style_that_cannot_be_stored_still_applies_for_this_run) {
    ExecDatabase(folder.path(), QStringLiteral("Delete from System"));
    fillBoxes();
    window->mnuLanguage_Click(1);
    EXPECT_EQ(dialogs.titles(), QStringList{"frmMain mnuLanguage_Click Error#3146"});
    EXPECT_EQ(window->Language, 1);
    EXPECT_TRUE(boxesEmpty());
    EXPECT_EQ(window->lblRetRatio[0]->text(), QStringLiteral("23,60%"));
}

TEST_F(PreferencesTest, a_style_without_a_menu_entry_is_trapped_on_opening) {
    window->Language = 2;
    window->mnPreferences_Click();
    EXPECT_EQ(dialogs.titles(), QStringList{"frmMain mnuPreferences_Click Error#9"});
    EXPECT_FALSE(window->mnuLanguage[0]->isChecked());
    EXPECT_FALSE(window->mnuLanguage[1]->isChecked());
}

TEST_F(PreferencesTest, without_a_database_the_commands_are_trapped) {
    ResetStorage(); // as after a start whose database could not be opened
    window->mnuDecimal_Click(4);
    window->mnuLanguage_Click(1);
    EXPECT_EQ(dialogs.titles(), (QStringList{"frmMain mnuDecimal_Click Error#3704",
                                             "frmMain mnuLanguage_Click Error#3704"}));
    EXPECT_EQ(window->Decimals, 2);
    EXPECT_EQ(window->Language, 1);
}
