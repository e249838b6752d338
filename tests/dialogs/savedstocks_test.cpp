#include "dialogs/commandlabel.h"
#include "mainwindow/priceedit.h"
#include "mainwindow/shaperect.h"
#include "savedstocksfixture.h"
#include "storage/module1.h"
#include "support/qtprinters.h"

#include <QApplication>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

namespace {

using SavedStocks = SavedStocksTest;

QStringList inks(const FrmSavedStocks& d) {
    auto name = [](CommandLabel::Ink ink) {
        switch (ink) {
        case CommandLabel::Ink::Black: return QStringLiteral("black");
        case CommandLabel::Ink::Green: return QStringLiteral("green");
        case CommandLabel::Ink::WindowText: break;
        }
        return QStringLiteral("text");
    };
    return {name(d.lblOk->ink()), name(d.lblRename->ink()), name(d.lblDelete->ink()),
            name(d.lblCancel->ink())};
}

// A pointer move as the window system delivers it.
void movePointer(QWidget* widget, QPoint at = {}) {
    if (at.isNull())
        at = widget->rect().center();
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

TEST_F(SavedStocks, TreeMirrorsTheListInItsOrderWithKeysAndTheFirstNodeSelected) {
    // Insertion order, not alphabetical: the tree must not sort.
    const StockPtr zed = addSaved(QStringLiteral("ZED"));
    const StockPtr abc = addSaved(QStringLiteral("ABC"));
    const StockPtr mid = addSaved(QStringLiteral("MID CORP"));
    ASSERT_TRUE(open([&](FrmSavedStocks& d) {
        EXPECT_EQ(d.objectName(), QStringLiteral("frmSavedStocks"));
        EXPECT_EQ(d.windowTitle(), QStringLiteral(" Saved Stocks"));
        EXPECT_EQ(nodeTexts(d), (QStringList{"ZED", "ABC", "MID CORP"}));
        EXPECT_EQ(nodeKeys(d), (QStringList{"A" + QString::number(zed->ID), "A" + QString::number(abc->ID),
                                            "A" + QString::number(mid->ID)}));
        EXPECT_EQ(selectedRow(d), 0);
        EXPECT_TRUE(SavedStocksDialogVisible());
        EXPECT_EQ(QApplication::activeModalWidget(), &d);
    }));
    EXPECT_FALSE(SavedStocksDialogVisible());

    // The next Open shows the list as it is then.
    addSaved(QStringLiteral("NEW ONE"));
    ASSERT_TRUE(open([&](FrmSavedStocks& d) {
        EXPECT_EQ(nodeTexts(d), (QStringList{"ZED", "ABC", "MID CORP", "NEW ONE"}));
        EXPECT_EQ(selectedRow(d), 0);
    }));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(SavedStocks, TabVisitsTreeDeleteRenameSelectCancel) {
    addSaved(QStringLiteral("ABC"));
    ASSERT_TRUE(open([&](FrmSavedStocks& d) {
        d.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
        d.TreeView1->setFocus();
        QStringList visited;
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(d.focusWidget(), Qt::Key_Tab);
            visited << d.focusWidget()->objectName();
        }
        EXPECT_EQ(visited, (QStringList{"lblDelete", "lblRename", "lblOk", "lblCancel"}));
    }));
}

TEST_F(SavedStocks, WithNoSavedStocksOpenSaysSoAndLeavesNoDialog) {
    ASSERT_EQ(StockList.Count(), 0);
    EXPECT_FALSE(open([](FrmSavedStocks&) {}));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.last().text, QStringLiteral("You do not have any saved stocks"));
    EXPECT_EQ(dialogs.last().title, QStringLiteral("No Saved Stocks"));
    EXPECT_EQ(dialogs.last().icon, MsgIcon::Information);
    EXPECT_EQ(FrmSavedStocks::Instance(), nullptr);
    EXPECT_FALSE(SavedStocksDialogVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

struct StyleCase {
    long language;
    const char* high;
    const char* low;
};

class SelectInStyle : public SavedStocksTest, public ::testing::WithParamInterface<StyleCase> {};

TEST_P(SelectInStyle, RestoresValuesDirectionAndProjectionRow) {
    const StyleCase& c = GetParam();
    w->Language = c.language;
    w->SetRatios();
    addSaved(QStringLiteral("FIRST"));
    const StockPtr chosen =
        addSaved(QStringLiteral("CHOSEN"), 12.5, 10.25, false, 9, 11.75, QStringLiteral("kept"));
    ASSERT_TRUE(open([&](FrmSavedStocks& d) {
        d.TreeView1->setFocus();
        QTest::keyClick(d.TreeView1, Qt::Key_Down);
        ASSERT_EQ(selectedRow(d), 1);
        QTest::mouseClick(d.lblOk, Qt::LeftButton);
        EXPECT_FALSE(d.isVisible());
    }));
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.texts().join(u'|').toStdString();
    EXPECT_EQ(CurrentStock, chosen) << "the list entry itself, not a copy";
    EXPECT_EQ(w->txtHigh->text(), QString::fromLatin1(c.high));
    EXPECT_EQ(w->txtLow->text(), QString::fromLatin1(c.low));
    EXPECT_EQ(w->txtActual->text(), QString()) << "every calculation restarts from the 50 % row";
    EXPECT_TRUE(w->optDirection[1]->isChecked());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Quilmar Dorvex 2.1 CHOSEN Chart"));
    EXPECT_EQ(w->Tag, QString::number(chosen->ID));
    EXPECT_EQ(CurrentStock->UpIndex, 9);
    EXPECT_EQ(w->UpHighlight, 9);
    EXPECT_TRUE(w->shpUp[9]->isFilled());
    EXPECT_EQ(CurrentStock->RetIndex, 2);
    EXPECT_EQ(SavedCopy->High, chosen->High);
    EXPECT_EQ(SavedCopy->Low, chosen->Low);
    EXPECT_EQ(SavedCopy->UpIndex, 9);
    EXPECT_EQ(SavedCopy->Notes, QStringLiteral("kept"));
}

INSTANTIATE_TEST_SUITE_P(BothNumberStyles, SelectInStyle,
                         ::testing::Values(StyleCase{0, "12.5", "10.25"}, StyleCase{1, "12,5", "10,25"}));

TEST_F(SavedStocks, SelectRightAwayOpensTheFirstStockAndAnUptrendChecksUp) {
    click(w->optDirection[1]);
    addSaved(QStringLiteral("UP"), 50, 40, true, 4);
    addSaved(QStringLiteral("OTHER"));
    ASSERT_TRUE(open([&](FrmSavedStocks& d) { QTest::keyClick(d.lblOk, Qt::Key_Return); }));
    EXPECT_EQ(CurrentStock->StockName, QStringLiteral("UP"));
    EXPECT_TRUE(w->optDirection[0]->isChecked());
    EXPECT_EQ(w->txtHigh->text(), QStringLiteral("50"));
    EXPECT_EQ(w->UpHighlight, 4);
}

TEST_F(SavedStocks, SelectOpensTheChosenNodeEvenWhenAnotherStockHasItsName) {
    addSaved(QStringLiteral("TWIN"));
    const StockPtr second = addSaved(QStringLiteral("TWIN"), 70, 60);
    ASSERT_TRUE(open([&](FrmSavedStocks& d) {
        d.TreeView1->setCurrentItem(d.TreeView1->topLevelItem(1));
        d.lblOk_Click();
    }));
    EXPECT_EQ(CurrentStock, second);
    EXPECT_EQ(w->txtHigh->text(), QStringLiteral("70"));
}

TEST_F(SavedStocks, CancelAndEscapeOnlyHideTheDialog) {
    addSaved(QStringLiteral("ABC"));
    w->setWindowTitle(QStringLiteral("untouched"));
    FrmSavedStocks* first = nullptr;
    ASSERT_TRUE(open([&](FrmSavedStocks& d) {
        first = &d;
        QTest::mouseClick(d.lblCancel, Qt::LeftButton);
        EXPECT_FALSE(d.isVisible());
    }));
    ASSERT_TRUE(open([&](FrmSavedStocks& d) {
        EXPECT_EQ(&d, first) << "the hidden instance is shown again";
        QTest::keyClick(d.TreeView1, Qt::Key_Escape);
        EXPECT_FALSE(d.isVisible());
    }));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("untouched"));
    EXPECT_TRUE(w->Tag.isEmpty());
}

TEST_F(SavedStocks, RenameStoresTheUpperCasedNameInListRowAndNode) {
    const StockPtr abc = addSaved(QStringLiteral("ABC"));
    addSaved(QStringLiteral("IBM"));
    dialogs.inputs = {QStringLiteral("msft corp")};
    ASSERT_TRUE(open([&](FrmSavedStocks& d) {
        QTest::mouseClick(d.lblRename, Qt::LeftButton);
        EXPECT_EQ(nodeTexts(d), (QStringList{"MSFT CORP", "IBM"}));
        EXPECT_EQ(selectedRow(d), 0);
        EXPECT_TRUE(d.PendingName.isEmpty());
        EXPECT_TRUE(d.isVisible());
    }));
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].prompt, QStringLiteral("Stock Name or Description:"));
    EXPECT_EQ(dialogs.asked[0].title, QStringLiteral("Save as.."));
    EXPECT_EQ(dialogs.asked[0].defaultAnswer, QString());
    EXPECT_EQ(abc->StockName, QStringLiteral("MSFT CORP"));
    EXPECT_EQ(storedNames(), (QStringList{"IBM", "MSFT CORP"}));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(SavedStocks, RefusedNameIsOfferedAgainAndCancelEmptiesIt) {
    addSaved(QStringLiteral("ABC"));
    addSaved(QStringLiteral("IBM"));
    dialogs.inputs = {QStringLiteral("ibm"), QStringLiteral("ibm2"), QString(), QStringLiteral("ibm2"),
                      QString(), QString()};
    ASSERT_TRUE(open([&](FrmSavedStocks& d) {
        d.lblRename_Click(); // "ibm": taken by another stock
        d.lblRename_Click(); // offered "IBM", typed "ibm2"
        d.lblRename_Click(); // offered "" after the rename, cancelled
        d.lblRename_Click(); // "ibm2": the selected stock's own name
        d.lblRename_Click(); // offered "IBM2", cancelled
        d.lblRename_Click(); // offered "" again
        EXPECT_EQ(nodeTexts(d), (QStringList{"IBM2", "IBM"}));
    }));
    QStringList defaults;
    for (const auto& request : dialogs.asked)
        defaults << request.defaultAnswer;
    EXPECT_EQ(defaults, (QStringList{"", "IBM", "", "", "IBM2", ""}));
    EXPECT_EQ(dialogs.texts(), (QStringList{"IBM already exists", "IBM2 already exists"}));
    EXPECT_EQ(dialogs.titles(), (QStringList{"Dorvex", "Dorvex"}));
    EXPECT_EQ(dialogs.shown[0].icon, MsgIcon::Information);
    EXPECT_EQ(storedNames(), (QStringList{"IBM", "IBM2"}));
}

TEST_F(SavedStocks, PendingNameLivesAsLongAsTheInstance) {
    addSaved(QStringLiteral("ABC"));
    addSaved(QStringLiteral("IBM"));
    dialogs.inputs = {QStringLiteral("ibm"), QStringLiteral("ibm")};
    ASSERT_TRUE(open([&](FrmSavedStocks& d) { d.lblRename_Click(); }));
    ASSERT_TRUE(open([&](FrmSavedStocks& d) { d.lblRename_Click(); }));
    ASSERT_EQ(dialogs.asked.size(), 2u);
    EXPECT_EQ(dialogs.asked[1].defaultAnswer, QStringLiteral("IBM")) << "Cancel keeps the instance";
}

TEST_F(SavedStocks, LongNamesAreTrimmedAndCutToFiftyShortOnesKeepTheirBlanks) {
    const StockPtr abc = addSaved(QStringLiteral("ABC"));
    const QString fifty(50, u'x');
    dialogs.inputs = {QStringLiteral("  ") + fifty + QStringLiteral("yz  "), QStringLiteral("  short  "),
                      QStringLiteral(" ") + fifty + QStringLiteral(" ")};
    ASSERT_TRUE(open([&](FrmSavedStocks& d) {
        d.lblRename_Click();
        EXPECT_EQ(abc->StockName, fifty.toUpper());
        d.lblRename_Click();
        EXPECT_EQ(abc->StockName, QStringLiteral("  SHORT  "));
        d.lblRename_Click();
        EXPECT_EQ(abc->StockName, QStringLiteral(" ") + fifty.toUpper() + QStringLiteral(" "));
        EXPECT_EQ(nodeTexts(d), QStringList{abc->StockName});
    }));
    ASSERT_EQ(dialogs.shown.size(), 1u) << "only the 52-character name is too long";
    EXPECT_EQ(dialogs.last().title, QStringLiteral("Stock Name Too Long"));
    EXPECT_EQ(dialogs.last().text, QStringLiteral("The name/description has exceeded the maximum length of "
                                                  "50\r\ncharacters and has been truncated accordingly."));
    EXPECT_EQ(storedNames(), QStringList{abc->StockName});
}

TEST_F(SavedStocks, RenameOfTheOpenStockLeavesTheCaptionUntilReopened) {
    addSaved(QStringLiteral("ABC"));
    ASSERT_TRUE(open([](FrmSavedStocks& d) { d.lblOk_Click(); }));
    dialogs.inputs = {QStringLiteral("xyz")};
    ASSERT_TRUE(open([](FrmSavedStocks& d) { d.lblRename_Click(); }));
    EXPECT_EQ(CurrentStock->StockName, QStringLiteral("XYZ"));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Quilmar Dorvex 2.1 ABC Chart"));
}

TEST_F(SavedStocks, FailedRenameKeepsTheListAsStored) {
    const StockPtr abc = addSaved(QStringLiteral("ABC"));
    dialogs.inputs = {QStringLiteral("xyz")};
    ASSERT_TRUE(open([&](FrmSavedStocks& d) {
        StockConnection.Execute(QStringLiteral("Drop table Stocks"));
        d.lblRename_Click();
        EXPECT_EQ(nodeTexts(d), QStringList{"ABC"});
        EXPECT_EQ(d.PendingName, QStringLiteral("XYZ")) << "offered again on the next try";
        EXPECT_TRUE(d.isVisible());
    }));
    EXPECT_EQ(abc->StockName, QStringLiteral("ABC"));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.last().title.startsWith(QStringLiteral("frmSavedStocks lblRename_Click Error#")));
    EXPECT_EQ(dialogs.last().icon, MsgIcon::Critical);
}

TEST_F(SavedStocks, DeletingTheOpenStockResetsTheWindowAndSelectsTheNextNode) {
    addSaved(QStringLiteral("A1"));
    const StockPtr b = addSaved(QStringLiteral("B2"), 20, 10);
    addSaved(QStringLiteral("C3"));
    ASSERT_TRUE(open([&](FrmSavedStocks& d) {
        d.TreeView1->setCurrentItem(d.TreeView1->topLevelItem(1));
        d.lblOk_Click();
    }));
    ASSERT_EQ(CurrentStock, b);
    dialogs.answers = {MsgResult::Yes};
    ASSERT_TRUE(open([&](FrmSavedStocks& d) {
        d.TreeView1->setCurrentItem(d.TreeView1->topLevelItem(1));
        QTest::mouseClick(d.lblDelete, Qt::LeftButton);
        EXPECT_EQ(nodeTexts(d), (QStringList{"A1", "C3"}));
        EXPECT_EQ(selectedRow(d), 1) << "the node after the deleted one";
        EXPECT_TRUE(d.isVisible());
    }));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.last().text, QStringLiteral("Delete B2?"));
    EXPECT_EQ(dialogs.last().title, QStringLiteral("Are you sure"));
    EXPECT_EQ(dialogs.last().icon, MsgIcon::Question);
    EXPECT_EQ(dialogs.last().buttons, MsgButtons::YesNo);
    EXPECT_TRUE(dialogs.last().yesIsDefault);
    EXPECT_FALSE(StockList.Contains(b->ID));
    EXPECT_EQ(storedNames(), (QStringList{"A1", "C3"}));
    EXPECT_NE(CurrentStock, b);
    EXPECT_TRUE(CurrentStock->StockName.isEmpty());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Quilmar Dorvex 2.1 "));
    EXPECT_TRUE(w->Tag.isEmpty());
    EXPECT_TRUE(w->txtHigh->text().isEmpty());
}

TEST_F(SavedStocks, DeletingAnotherStockStillResetsTheWindowAndTheLastNodeSelectsThePrevious) {
    addSaved(QStringLiteral("A1"));
    addSaved(QStringLiteral("B2"));
    const StockPtr c = addSaved(QStringLiteral("C3"));
    ASSERT_TRUE(open([](FrmSavedStocks& d) { d.lblOk_Click(); }));
    ASSERT_EQ(w->windowTitle(), QStringLiteral("Quilmar Dorvex 2.1 A1 Chart"));
    dialogs.answers = {MsgResult::No, MsgResult::Yes};
    ASSERT_TRUE(open([&](FrmSavedStocks& d) {
        d.TreeView1->setCurrentItem(d.TreeView1->topLevelItem(2));
        d.lblDelete_Click(); // No
        EXPECT_EQ(nodeTexts(d), (QStringList{"A1", "B2", "C3"}));
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Quilmar Dorvex 2.1 A1 Chart"));
        d.lblDelete_Click(); // Yes
        EXPECT_EQ(nodeTexts(d), (QStringList{"A1", "B2"}));
        EXPECT_EQ(selectedRow(d), 1);
    }));
    EXPECT_FALSE(StockList.Contains(c->ID));
    EXPECT_EQ(listNames(), (QStringList{"A1", "B2"}));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Quilmar Dorvex 2.1 "));
    EXPECT_TRUE(w->Tag.isEmpty());
}

TEST_F(SavedStocks, AfterTheLastDeleteTheCommandsDoNothing) {
    addSaved(QStringLiteral("ONLY"));
    dialogs.answers = {MsgResult::Yes};
    ASSERT_TRUE(open([&](FrmSavedStocks& d) {
        d.lblDelete_Click();
        EXPECT_EQ(d.TreeView1->topLevelItemCount(), 0);
        EXPECT_TRUE(d.isVisible());
        // No scripted answers remain: any box asked here fails the test.
        d.lblOk_Click();
        d.lblRename_Click();
        d.lblDelete_Click();
        EXPECT_TRUE(d.isVisible());
    }));
    EXPECT_EQ(StockList.Count(), 0);
    EXPECT_TRUE(storedNames().isEmpty());
    EXPECT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.asked.empty());
}

TEST_F(SavedStocks, FailingDeleteStatementIsReportedBeforeAnythingIsRemoved) {
    addSaved(QStringLiteral("A1"));
    addSaved(QStringLiteral("B2"));
    w->setWindowTitle(QStringLiteral("untouched"));
    dialogs.answers = {MsgResult::Yes};
    ASSERT_TRUE(open([&](FrmSavedStocks& d) {
        StockConnection.Execute(QStringLiteral("Drop table Stocks"));
        d.lblDelete_Click();
        EXPECT_EQ(nodeTexts(d), (QStringList{"A1", "B2"}));
        EXPECT_EQ(selectedRow(d), 0);
    }));
    EXPECT_EQ(listNames(), (QStringList{"A1", "B2"}));
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.last().title,
              QStringLiteral("frmSavedStocks lblDelete_Click Error#%1").arg(DbErrorNumbers::EngineError));
    EXPECT_EQ(dialogs.last().icon, MsgIcon::Critical);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("untouched"));
}

TEST_F(SavedStocks, HoverPaintsOneLabelGreenAndTheTreeOrBackgroundPaintsAllBlack) {
    addSaved(QStringLiteral("ABC"));
    ASSERT_TRUE(open([&](FrmSavedStocks& d) {
        EXPECT_EQ(inks(d), (QStringList{"text", "text", "text", "text"}));
        movePointer(d.lblRename);
        EXPECT_EQ(inks(d), (QStringList{"black", "green", "black", "black"}));
        movePointer(d.lblCancel);
        EXPECT_EQ(inks(d), (QStringList{"black", "black", "black", "green"}));
        movePointer(d.TreeView1->viewport());
        EXPECT_EQ(inks(d), (QStringList{"black", "black", "black", "black"}));
        movePointer(d.lblOk);
        EXPECT_EQ(inks(d), (QStringList{"green", "black", "black", "black"}));
        movePointer(&d, QPoint(5, 5));
        EXPECT_EQ(inks(d), (QStringList{"black", "black", "black", "black"}));
        EXPECT_EQ(d.lblOk->textColour(), QColor(0, 0, 0));
    }));
}

} // namespace
