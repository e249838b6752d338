#include "calc/stock.h"
#include "platform/clickablelabel.h"
#include "mainwindow/mainwindowstart.h"
#include "mainwindow/priceedit.h"
#include "mainwindow/shaperect.h"
#include "platform/browser.h"
#include "platform/chartcontrol.h"
#include "storage/module1.h"
#include "support/mainwindowfixture.h"

#include <QApplication>
#include <QRadioButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

namespace {

// Rows of the Stocks table, read through a connection of the test's own.
struct Row {
    qint64 id;
    QString name;
    double high, low, actual, bottom;
    int retIndex, upIndex, upTrend;
    QString notes;
};

std::vector<Row> storedRows(const QString& file) {
    std::vector<Row> rows;
    {
        auto db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("peek"));
        db.setDatabaseName(file);
        EXPECT_TRUE(db.open());
        QSqlQuery q(QStringLiteral("select ID, StockName, High, Low, Actual, Bottom, RetIndex, UpIndex, "
                                   "UpTrend, Notes from Stocks order by ID"),
                    db);
        while (q.next())
            rows.push_back({q.value(0).toLongLong(), q.value(1).toString(), q.value(2).toDouble(),
                            q.value(3).toDouble(), q.value(4).toDouble(), q.value(5).toDouble(),
                            q.value(6).toInt(), q.value(7).toInt(), q.value(8).toInt(), q.value(9).toString()});
    }
    QSqlDatabase::removeDatabase(QStringLiteral("peek"));
    return rows;
}

// Counts how often a top-level window of the given name appears.
class ShowCounter : public QObject {
public:
    explicit ShowCounter(const char* name) : name_(QString::fromLatin1(name)) { qApp->installEventFilter(this); }
    ~ShowCounter() override { qApp->removeEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Show && o->objectName() == name_ && o->isWidgetType() &&
            static_cast<QWidget*>(o)->isWindow())
            ++count;
        return false;
    }

private:
    QString name_;
};

class StockCommands : public MainWindowTest {
protected:
    QString db() const { return folder.file(QStringLiteral("Stocks.mdb")); }

    void saveAs(const QString& answer) {
        dialogs.inputs.push_back(answer);
        w->mnuSave_Click();
    }

    // Runs Open and, once the saved stocks dialog is up, clicks its command.
    void openAndClick(const char* command, const QString& node = {}) {
        bool acted = false;
        QTimer::singleShot(0, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            if (!node.isEmpty()) {
                auto* tree = dialog->findChild<QTreeWidget*>(QStringLiteral("TreeView1"));
                const auto found = tree->findItems(node, Qt::MatchExactly);
                ASSERT_FALSE(found.isEmpty());
                tree->setCurrentItem(found.front());
            }
            auto* label = dialog->findChild<QWidget*>(QString::fromLatin1(command));
            ASSERT_NE(label, nullptr);
            QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
            acted = true;
            if (dialog->isVisible()) // Rename and Delete leave the dialog up
                dialog->findChild<QWidget*>(QStringLiteral("lblCancel"))->setFocus(),
                    QTest::mouseClick(dialog->findChild<QWidget*>(QStringLiteral("lblCancel")), Qt::LeftButton);
        });
        w->mnuOpen_Click();
        EXPECT_TRUE(acted);
    }

    void restart() {
        w.reset();
        CurrentStock = std::make_shared<Stock>();
        w = StartMainWindow();
        ASSERT_TRUE(w);
    }
};

TEST_F(StockCommands, SaveNewOpenAndFindTheSameValuesAgain) {
    click(w->optDirection[1]);
    calculate(QStringLiteral("100"), QStringLiteral("110"));
    click(w->OptUpside[1]);
    click(w->lblUpRatio[7]);
    type(w->txtActual, QStringLiteral("101.5"));
    saveAs(QStringLiteral("ibm"));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Quilmar Dorvex 2.1 IBM Chart"));
    ASSERT_EQ(StockList.Count(), 1);
    EXPECT_EQ(w->Tag, QString::number(CurrentStock->ID));
    EXPECT_FALSE(CurrentStock->Modified);
    const auto rows = storedRows(db());
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].name, QStringLiteral("IBM"));
    EXPECT_EQ(rows[0].high, 110);
    EXPECT_EQ(rows[0].low, 100);
    EXPECT_EQ(rows[0].actual, 101.5);
    EXPECT_EQ(rows[0].upIndex, 7);
    EXPECT_EQ(rows[0].upTrend, 0);

    w->mnuNew_Click();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Quilmar Dorvex 2.1 "));
    EXPECT_TRUE(w->Tag.isEmpty());
    EXPECT_TRUE(w->optDirection[0]->isChecked());
    EXPECT_TRUE(w->lblRetracement[0]->text().isEmpty());
    EXPECT_TRUE(w->txtHigh->text().isEmpty());
    EXPECT_EQ(w->MSChart1->Data(4), 0);
    EXPECT_FALSE(w->shpUp[7]->isFilled());
    EXPECT_TRUE(CurrentStock->NewStock);

    openAndClick("lblOk");
    EXPECT_EQ(w->txtHigh->text(), QStringLiteral("110"));
    EXPECT_EQ(w->txtLow->text(), QStringLiteral("100"));
    EXPECT_TRUE(w->optDirection[1]->isChecked());
    EXPECT_TRUE(w->txtActual->text().isEmpty()) << "an opened stock starts from the 50 % row";
    EXPECT_EQ(CurrentStock->UpIndex, 7);
    EXPECT_TRUE(w->shpUp[7]->isFilled());
    EXPECT_EQ(w->lblRetracement[0]->text(), QStringLiteral("102.14"));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Quilmar Dorvex 2.1 IBM Chart"));
    EXPECT_EQ(CurrentStock.get(), StockList.Item(CurrentStock->ID).get()) << "shared, not copied";

    restart();
    ASSERT_EQ(StockList.Count(), 1);
    openAndClick("lblOk");
    EXPECT_EQ(w->txtHigh->text(), QStringLiteral("110"));
    EXPECT_TRUE(w->optDirection[1]->isChecked());
    EXPECT_EQ(CurrentStock->StockName, QStringLiteral("IBM"));
}

TEST_F(StockCommands, SaveRefusesBadSwingsAndNumbersAsNames) {
    type(w->txtLow, QStringLiteral("10"));
    w->mnuSave_Click();
    EXPECT_EQ(dialogs.last().title, QStringLiteral("Can't Save"));
    EXPECT_EQ(dialogs.last().text, QStringLiteral("Please enter valid Low and High values"));
    EXPECT_TRUE(w->txtLow->hasFocus());
    type(w->txtHigh, QStringLiteral("9"));
    w->mnuSave_Click();
    EXPECT_EQ(dialogs.last().title, QStringLiteral("Please Correct"));

    type(w->txtHigh, QStringLiteral("10"));
    dialogs.inputs = {QStringLiteral("123"), QStringLiteral("123a")};
    w->mnuSave_Click();
    ASSERT_EQ(dialogs.asked.size(), 2u);
    EXPECT_EQ(dialogs.asked[0].prompt, QStringLiteral("Stock Name or Description:"));
    EXPECT_EQ(dialogs.asked[0].title, QStringLiteral("Save as.."));
    EXPECT_EQ(dialogs.asked[1].defaultAnswer, QStringLiteral("123")) << "the refused answer is offered again";
    EXPECT_EQ(dialogs.last().title, QStringLiteral("Invalid Description"));
    EXPECT_EQ(dialogs.last().text, QStringLiteral("Stock description must contain at least one alphabetical character"));
    ASSERT_EQ(storedRows(db()).size(), 1u);
    EXPECT_EQ(storedRows(db())[0].name, QStringLiteral("123A"));
    EXPECT_EQ(storedRows(db())[0].actual, 0) << "an empty actual box stores 0";

    w->mnuNew_Click();
    type(w->txtLow, QStringLiteral("1"));
    type(w->txtHigh, QStringLiteral("2"));
    dialogs.inputs = {QString()}; // Cancel
    w->mnuSave_Click();
    EXPECT_EQ(storedRows(db()).size(), 1u);
    EXPECT_TRUE(w->Tag.isEmpty());
}

TEST_F(StockCommands, ReplacingAnExistingNameAsksFirst) {
    calculate(QStringLiteral("100"), QStringLiteral("110"));
    saveAs(QStringLiteral("abc"));
    const qint32 id = CurrentStock->ID;

    w->mnuNew_Click();
    type(w->txtLow, QStringLiteral("200"));
    type(w->txtHigh, QStringLiteral("1.23456"));
    type(w->txtLow, QStringLiteral("1"));
    dialogs.answers = {MsgResult::No};
    saveAs(QStringLiteral("ABC"));
    EXPECT_EQ(dialogs.last().title, QStringLiteral("Stock Name Exists"));
    EXPECT_EQ(dialogs.last().text, QStringLiteral("ABC already exists. Do you wish to replace it?"));
    EXPECT_EQ(storedRows(db())[0].high, 110);
    EXPECT_TRUE(w->Tag.isEmpty());

    dialogs.answers = {MsgResult::Yes};
    saveAs(QStringLiteral("abc"));
    const auto rows = storedRows(db());
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].id, id);
    EXPECT_EQ(rows[0].high, 1.2346) << "fixed point keeps four places";
    EXPECT_EQ(StockList.Count(), 1);
    EXPECT_EQ(StockList.Item(id).get(), CurrentStock.get());
    EXPECT_EQ(w->Tag, QString::number(id));

    w->mnuNew_Click();
    openAndClick("lblOk");
    EXPECT_EQ(w->txtHigh->text(), QStringLiteral("1.2346"));
}

TEST_F(StockCommands, SavingAnOpenedStockShowsTheSavingWindowOnly) {
    ShowCounter saving("Saving");
    calculate(QStringLiteral("100"), QStringLiteral("110"));
    saveAs(QStringLiteral("xyz"));
    EXPECT_EQ(saving.count, 0) << "a new stock is inserted without it";
    type(w->txtHigh, QStringLiteral("120"));
    w->mnuSave_Click();
    EXPECT_EQ(saving.count, 1);
    EXPECT_EQ(storedRows(db())[0].high, 120);
    EXPECT_TRUE(dialogs.asked.size() == 1u) << "no second name question";
}

TEST_F(StockCommands, OpenAsksAboutUnsavedChangesOfASavedStock) {
    calculate(QStringLiteral("100"), QStringLiteral("110"));
    saveAs(QStringLiteral("one"));
    CurrentStock->Notes = QStringLiteral("changed notes");
    type(w->txtHigh, QStringLiteral("115"));
    ASSERT_TRUE(CurrentStock->Modified);

    dialogs.answers = {MsgResult::No};
    openAndClick("lblCancel");
    EXPECT_EQ(dialogs.shown.front().title, QStringLiteral("Modifications have been made"));
    EXPECT_EQ(dialogs.shown.front().text, QStringLiteral("Do you wish to save current stock information?"));
    EXPECT_TRUE(CurrentStock->Notes.isEmpty()) << "No brings back the saved notes";
    EXPECT_FALSE(CurrentStock->Modified);
    EXPECT_EQ(storedRows(db())[0].high, 110);

    CurrentStock->Notes = QStringLiteral("kept");
    type(w->txtHigh, QStringLiteral("115"));
    dialogs.answers = {MsgResult::Yes};
    openAndClick("lblCancel");
    EXPECT_EQ(storedRows(db())[0].notes, QStringLiteral("kept"));
    EXPECT_EQ(storedRows(db())[0].high, 115) << "what the user sees is what is saved";

    w->mnuNew_Click();
    type(w->txtHigh, QStringLiteral("5"));
    dialogs.clear();
    openAndClick("lblCancel");
    EXPECT_TRUE(dialogs.shown.empty()) << "a stock never saved is not asked about";
}

TEST_F(StockCommands, DeletingTheOpenStockResetsTheWindow) {
    calculate(QStringLiteral("100"), QStringLiteral("110"));
    saveAs(QStringLiteral("first"));
    w->mnuNew_Click();
    calculate(QStringLiteral("1"), QStringLiteral("2"));
    saveAs(QStringLiteral("second"));
    dialogs.answers = {MsgResult::Yes};
    openAndClick("lblDelete", QStringLiteral("SECOND"));
    EXPECT_EQ(dialogs.last().title, QStringLiteral("Are you sure"));
    EXPECT_EQ(dialogs.last().text, QStringLiteral("Delete SECOND?"));
    EXPECT_EQ(storedRows(db()).size(), 1u);
    EXPECT_EQ(StockList.Count(), 1);
    EXPECT_TRUE(w->Tag.isEmpty());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Quilmar Dorvex 2.1 "));
    EXPECT_TRUE(w->txtHigh->text().isEmpty());
}

TEST_F(StockCommands, HomePageOpensTheMakersPage) {
    QString opened;
    SetBrowserHook([&](const QString& url) { opened = url; });
    w->mnuHome_Click();
    SetBrowserHook({});
    EXPECT_EQ(opened, QStringLiteral("http://www.quilmar.com/Dorvex2.html"));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(StockCommands, MenuCommandsHaveTheirShortcuts) {
    EXPECT_EQ(w->mnuOpen->shortcut(), QKeySequence(QKeySequence::Open));
    EXPECT_EQ(w->mnuSave->shortcut(), QKeySequence(QKeySequence::Save));
    calculate(QStringLiteral("100"), QStringLiteral("110"));
    dialogs.inputs = {QStringLiteral("keys")};
    QTest::keyClick(w.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Quilmar Dorvex 2.1 KEYS Chart"));
    QTest::keyClick(w.get(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(w->Tag.isEmpty());
}

} // namespace
