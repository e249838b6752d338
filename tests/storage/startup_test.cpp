// Start-up of the main window on a real database file, the single-instance
// rule, the fixed size and closing.
#include "calc/stock.h"
#include "platform/clickablelabel.h"
#include "mainwindow/frmmain.h"
#include "mainwindow/priceedit.h"
#include "platform/appfolder.h"
#include "platform/errors.h"
#include "platform/program.h"
#include "storage/module1.h"
#include "storagetesting.h"
#include "support/dialogscript.h"
#include "support/qtprinters.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace {
class StartupTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SetEndProgramHook([this] { ++endRequests; });
    }
    void TearDown() override {
        window.reset();
        ResetStorage();
        SetEndProgramHook({});
    }

    // A main window created and loaded as the program starts it.
    FrmMain& start() {
        window = std::make_unique<FrmMain>();
        loaded = window->Form_Load();
        return *window;
    }
    QString dbPath() const { return folder.file(QStringLiteral("Stocks.mdb")); }
    void setSystem(const QString& assignments) {
        ExecDatabase(folder.path(), QStringLiteral("Update System set ") + assignments);
    }

    // The window still works after a failed start: the menus and the
    // captions answer, and nothing is written to the file.
    void expectUsableAfterTrap(const QByteArray& bytesBefore) {
        EXPECT_TRUE(loaded);
        EXPECT_EQ(window->Decimals, 2);
        EXPECT_EQ(window->FixedWidth, 0.0f);
        EXPECT_EQ(StockList.Count(), 0);
        window->show();
        dialogs.clear();
        window->mnPreferences_Click();
        EXPECT_TRUE(window->mnuLanguage[0]->isChecked());
        window->SetRatios();
        EXPECT_EQ(window->lblUpRatio[11]->text(), QStringLiteral("200.00%"));
        EXPECT_TRUE(dialogs.shown.empty());
        EXPECT_EQ(FileBytes(dbPath()), bytesBefore);
        EXPECT_EQ(endRequests, 0);
    }

    TempProgramFolder folder;
    DialogScript dialogs;
    std::unique_ptr<FrmMain> window;
    bool loaded = false;
    int endRequests = 0;
};

void insertStock(const QString& folder, const QString& name) {
    ExecDatabase(folder,
                 QStringLiteral("Insert into Stocks (StockName,High,Low,Actual,Bottom,RetIndex,"
                                "UpIndex,Uptrend,Notes) Values ('%1',20,10,0,2,2,2,1,'')")
                     .arg(name));
}
} // namespace

TEST_F(StartupTest, a_first_start_creates_the_database_and_shows_the_defaults) {
    StatementLog log;
    FrmMain& w = start();
    EXPECT_TRUE(loaded);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_TRUE(QFile::exists(dbPath()));
    EXPECT_TRUE(StockConnection.IsOpen());
    EXPECT_EQ(w.Decimals, 2);
    EXPECT_EQ(w.Language, 0);
    EXPECT_EQ(CheckedDecimals(*window), QList<int>{2});
    EXPECT_EQ(w.lblRetRatio[0]->text(), QStringLiteral("23.60%"));
    EXPECT_TRUE(CurrentStock->NewStock);
    EXPECT_EQ(StockList.Count(), 0);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Quilmar Dorvex 2.1"));
    EXPECT_EQ(w.FixedWidth, float(w.width()));
    EXPECT_EQ(w.FixedHeight, float(w.height()));

    // The program's statements, in the order of the start-up sequence.
    QStringList program;
    for (const QString& sql : log.statements)
        if ((sql.contains(QStringLiteral("Stocks")) &&
             !sql.startsWith(QStringLiteral("CREATE TABLE"))) ||
            sql.startsWith(QStringLiteral("Select * from System")))
            program << sql;
    EXPECT_EQ(program,
              (QStringList{"Select * from System", "Select * from Stocks order by StockName"}));

    // Centred on the screen.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect frame = w.frameGeometry();
    EXPECT_LE(std::abs((frame.left() - screen.left()) - (screen.right() - frame.right())), 1);
    EXPECT_LE(std::abs((frame.top() - screen.top()) - (screen.bottom() - frame.bottom())), 1);
}

TEST_F(StartupTest, saved_stocks_are_loaded_in_name_order) {
    insertStock(folder.path(), QStringLiteral("ZETA"));
    insertStock(folder.path(), QStringLiteral("ALPHA"));
    start();
    ASSERT_EQ(StockList.Count(), 2);
    EXPECT_EQ(StockList.begin()->stock->StockName, QStringLiteral("ALPHA"));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(StartupTest, four_decimals_and_the_comma_style_are_restored) {
    setSystem(QStringLiteral("Decimals=4, Language=1"));
    FrmMain& w = start();
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(w.Decimals, 4);
    EXPECT_EQ(CheckedDecimals(*window), QList<int>{4});
    EXPECT_EQ(w.Language, 1);
    EXPECT_EQ(w.lblRetRatio[0]->text(), QStringLiteral("23,60%"));
    EXPECT_EQ(w.lblUpRatio[11]->text(), QStringLiteral("200,00%"));
    const RatioTables point = BuildRatioTables(NumberStyle::Point);
    EXPECT_EQ(w.RetRatios, point.RetRatios);
    EXPECT_EQ(w.UpRatios, point.UpRatios);
}

class MissingDecimals : public StartupTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(MissingDecimals, start_with_two_places_and_store_them) {
    setSystem(QStringLiteral("Decimals=") + QLatin1String(GetParam()));
    FrmMain& w = start();
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(w.Decimals, 2);
    EXPECT_EQ(CheckedDecimals(*window), QList<int>{2});
    Recordset row = QueryDatabase(folder.path(), QStringLiteral("Select * from System"));
    EXPECT_EQ(row.Field(QStringLiteral("Decimals")).toString(), QStringLiteral("2"));
}

INSTANTIATE_TEST_SUITE_P(Values, MissingDecimals, ::testing::Values("NULL", "''"),
                         [](const auto& info) {
                             return std::string(info.index == 0 ? "null" : "empty");
                         });

struct BadDecimals {
    const char* stored;
    const char* title;
};

class UnusableDecimals : public StartupTest, public ::testing::WithParamInterface<BadDecimals> {};

TEST_P(UnusableDecimals, stop_the_start_with_the_trap_and_leave_a_usable_window) {
    insertStock(folder.path(), QStringLiteral("KEPT"));
    setSystem(QStringLiteral("Decimals=") + QLatin1String(GetParam().stored));
    const QByteArray before = FileBytes(dbPath());
    start();
    EXPECT_EQ(dialogs.titles(), QStringList{QString::fromLatin1(GetParam().title)});
    EXPECT_EQ(dialogs.last().icon, MsgIcon::Critical);
    expectUsableAfterTrap(before);

    // Choosing a number of places mends the setting for the next start.
    window->mnuDecimal_Click(3);
    EXPECT_EQ(window->Decimals, 3);
    window.reset();
    start();
    EXPECT_EQ(window->Decimals, 3);
    EXPECT_EQ(StockList.Count(), 1);
}

INSTANTIATE_TEST_SUITE_P(Values, UnusableDecimals,
                         ::testing::Values(BadDecimals{"7", "frmMain Form_Load Error#9"},
                                           BadDecimals{"1", "frmMain Form_Load Error#9"},
                                           BadDecimals{"'two'", "frmMain Form_Load Error#13"},
                                           BadDecimals{"70000", "frmMain Form_Load Error#6"}),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

TEST_F(StartupTest, a_settings_table_without_its_row_is_trapped) {
    ExecDatabase(folder.path(), QStringLiteral("Delete from System"));
    const QByteArray before = FileBytes(dbPath());
    start();
    EXPECT_EQ(dialogs.titles(), QStringList{"frmMain Form_Load Error#3021"});
    expectUsableAfterTrap(before);
}

TEST_F(StartupTest, a_stock_without_a_name_stops_loading) {
    insertStock(folder.path(), QStringLiteral("GOOD"));
    ExecDatabase(folder.path(),
                 QStringLiteral("Insert into Stocks (StockName,Uptrend) Values (NULL,1)"));
    const QByteArray before = FileBytes(dbPath());
    start();
    EXPECT_EQ(dialogs.titles(), QStringList{"frmMain Form_Load Error#94"});
    EXPECT_EQ(dialogs.last().text, QStringLiteral("Invalid use of Null"));
    EXPECT_FALSE(CurrentStock->NewStock); // the steps after loading were skipped
    expectUsableAfterTrap(before);
}

struct BadDatabase {
    const char* name;
    void (*spoil)(const QString& path);
};

class BadDatabaseFile : public StartupTest, public ::testing::WithParamInterface<BadDatabase> {};

TEST_P(BadDatabaseFile, is_trapped_and_never_rewritten) {
    insertStock(folder.path(), QStringLiteral("PRECIOUS"));
    GetParam().spoil(dbPath());
    const QByteArray before = FileBytes(dbPath());
    start();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.last().title, QStringLiteral("frmMain Form_Load Error#3146"));
    EXPECT_EQ(dialogs.last().icon, MsgIcon::Critical);
    expectUsableAfterTrap(before);

    // Saving from the broken window fails in its own trap and writes nothing.
    dialogs.clear();
    Stock stock;
    stock.StockName = QStringLiteral("NEW");
    EXPECT_THROW(stock.Save(), AppError);
    window.reset();
    ResetStorage();
    EXPECT_EQ(FileBytes(dbPath()), before);
}

INSTANTIATE_TEST_SUITE_P(Files, BadDatabaseFile,
                         ::testing::Values(BadDatabase{"not_a_database",
                                                       [](const QString& p) {
                                                           WriteFileBytes(p, QByteArray(5000, 'q'));
                                                       }},
                                           BadDatabase{"damaged",
                                                       [](const QString& p) {
                                                           QByteArray bytes = FileBytes(p);
                                                           for (int i = 4096; i < 4096 + 16; ++i)
                                                               bytes[i] = char(0x5A);
                                                           WriteFileBytes(p, bytes);
                                                       }},
                                           BadDatabase{"cut_short",
                                                       [](const QString& p) {
                                                           WriteFileBytes(p,
                                                                          FileBytes(p).left(1000));
                                                       }}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(StartupTest, a_file_locked_by_another_process_is_trapped_and_left_alone) {
    insertStock(folder.path(), QStringLiteral("PRECIOUS"));
    const QByteArray before = FileBytes(dbPath());
    ChildProcess holder(QStringLiteral("HoldsDatabaseLock"), folder.path());
    ASSERT_TRUE(holder.WaitForLines(QStringLiteral("LOCKED"), 1));
    start();
    EXPECT_EQ(dialogs.titles(), QStringList{"frmMain Form_Load Error#3146"});
    EXPECT_EQ(dialogs.last().text, QStringLiteral("database is locked"));
    expectUsableAfterTrap(before);
    holder.Kill();
    window.reset();
    ResetStorage();
    EXPECT_EQ(FileBytes(dbPath()), before);
}

TEST_F(StartupTest, an_unwritable_folder_is_trapped_and_nothing_is_created) {
    {
        UnwritableFolder guard(folder.path());
        if (!guard.Active())
            GTEST_SKIP() << "this process can write every folder";
        start();
    }
    EXPECT_EQ(dialogs.titles(), QStringList{"frmMain Form_Load Error#75"});
    expectUsableAfterTrap({});
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(StartupTest, a_second_instance_is_refused_and_the_first_runs_on) {
    insertStock(folder.path(), QStringLiteral("FIRST"));
    start();
    std::unique_ptr<FrmMain> first = std::move(window);
    ASSERT_EQ(StockList.Count(), 1);

    FrmMain& second = start();
    EXPECT_FALSE(loaded);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.last().title, QStringLiteral("Quilmar Dorvex 2.1 "));
    EXPECT_EQ(dialogs.last().text, QStringLiteral("Application is Already Running"));
    EXPECT_EQ(dialogs.last().icon, MsgIcon::Information);
    EXPECT_EQ(endRequests, 1);
    EXPECT_FALSE(second.isVisible());
    // The first copy keeps its database and its stocks.
    EXPECT_TRUE(StockConnection.IsOpen());
    EXPECT_EQ(StockList.Count(), 1);

    // Once the first window is gone the next start succeeds.
    window.reset();
    first.reset();
    dialogs.clear();
    start();
    EXPECT_TRUE(loaded);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(StartupTest, a_copy_running_in_another_process_blocks_until_it_crashes) {
    {
        ChildProcess other(QStringLiteral("RunsTheProgram"), folder.path());
        ASSERT_TRUE(other.WaitForLines(QStringLiteral("RUNNING"), 1));
        start();
        EXPECT_FALSE(loaded);
        EXPECT_EQ(dialogs.texts(), QStringList{"Application is Already Running"});
        other.Kill();
    }
    window.reset();
    dialogs.clear();
    start();
    EXPECT_TRUE(loaded);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(StartupTest, the_window_snaps_back_to_its_recorded_size) {
    FrmMain& w = start();
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    const QSize fixed(qRound(w.FixedWidth), qRound(w.FixedHeight));
    EXPECT_EQ(w.size(), fixed); // shown with the size recorded at start-up
    w.resize(fixed + QSize(120, 80));
    QTest::qWait(50);
    EXPECT_EQ(w.size(), fixed);
}

TEST_F(StartupTest, before_a_size_is_recorded_the_window_may_take_any_size) {
    ExecDatabase(folder.path(), QStringLiteral("Delete from System"));
    FrmMain& w = start();
    ASSERT_EQ(w.FixedWidth, 0.0f);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    const QSize larger = w.size() + QSize(120, 80);
    w.resize(larger);
    QTest::qWait(50);
    EXPECT_EQ(w.size(), larger);
}

TEST_F(StartupTest, closing_or_exit_ends_the_program_asking_and_writing_nothing) {
    insertStock(folder.path(), QStringLiteral("SAVED"));
    FrmMain& w = start();
    w.show();
    CurrentStock = StockList.Item(1);
    CurrentStock->Notes = QStringLiteral("unsaved change");
    CurrentStock->Modified = true;
    const QByteArray before = FileBytes(dbPath());

    EXPECT_TRUE(w.close());
    EXPECT_EQ(endRequests, 1);
    w.mnuExit_Click();
    EXPECT_EQ(endRequests, 2);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(FileBytes(dbPath()), before);

    window.reset();
    start();
    EXPECT_EQ(StockList.Item(1)->Notes, QString());
}

TEST_F(StartupTest, ending_the_program_quits_every_event_loop_and_frees_the_lock) {
    ChildProcess program(QStringLiteral("EndsTheProgram"), folder.path());
    ASSERT_EQ(program.WaitForExit(), 0);
    const QStringList reports =
        program.Lines().filter(QRegularExpression(QStringLiteral("^(INNER|ENDED)")));
    EXPECT_EQ(reports, (QStringList{"INNER QUIT", "ENDED 0 hidden"}));
    start(); // the ended copy left no lock behind
    EXPECT_TRUE(loaded);
    EXPECT_TRUE(dialogs.shown.empty());
}
