// Saving, updating and loading stocks: the statements' exact text, texts that
// must survive the round trip, and the list of saved stocks.
#include "calc/stock.h"
#include "platform/errors.h"
#include "storage/module1.h"
#include "storagetesting.h"
#include "support/dialogscript.h"
#include "support/qtprinters.h"

#include <QLocale>
#include <clocale>
#include <gtest/gtest.h>

namespace {
class StocksTest : public ::testing::Test {
  protected:
    void SetUp() override { OpenStockDatabase(folder.path()); }
    void TearDown() override { ResetStorage(); }

    // The stocks as a fresh start loads them.
    void reload() {
        StockList.Clear();
        LoadStocks();
    }
    StockPtr saved(const QString& name, const QString& notes = {}) {
        auto stock = std::make_shared<Stock>();
        stock->StockName = name;
        stock->Notes = notes;
        stock->ID = stock->Save();
        return stock;
    }

    TempProgramFolder folder;
    DialogScript dialogs;
};

Stock sampleStock() {
    Stock s;
    s.StockName = QStringLiteral("O'NEIL");
    s.High = Fixed4FromDouble(12.5);
    s.Low = Fixed4FromDouble(10.25);
    s.Actual = 11.125;
    s.Bottom = 5;
    s.RetIndex = 2;
    s.UpIndex = 3;
    s.UpTrend = true;
    s.Notes = QStringLiteral("it's");
    return s;
}

const QString kInsertOfSample = QStringLiteral(
    "Insert into Stocks (StockName,High,Low,Actual,Bottom,RetIndex,UpIndex,Uptrend,Notes) "
    "Values ('O''NEIL',12.5,10.25,11.125,5,2,3,1,'it''s')");
} // namespace

TEST_F(StocksTest, save_issues_only_the_insert_with_quotes_doubled) {
    Stock s = sampleStock();
    StatementLog log;
    const qint32 id = s.Save();
    EXPECT_EQ(log.statements, QStringList{kInsertOfSample});
    EXPECT_EQ(id, 1);
    // Save leaves the object's ID and the list to its caller.
    EXPECT_EQ(s.ID, 0);
    EXPECT_EQ(StockList.Count(), 0);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(StocksTest, update_issues_only_the_update_of_its_row) {
    Stock s = sampleStock();
    s.ID = s.Save();
    s.UpTrend = false;
    s.High = Fixed4FromDouble(1234.5678);
    s.Actual = -0.1;
    StatementLog log;
    s.Update();
    EXPECT_EQ(log.statements, QStringList{QStringLiteral(
                                  "Update Stocks set StockName='O''NEIL',High=1234.5678,Low=10.25,"
                                  "Actual=-0.1,Bottom=5,RetIndex=2,UpIndex=3,Uptrend=0,"
                                  "Notes='it''s' Where ID=1")});
}

TEST_F(StocksTest, numbers_carry_a_decimal_point_under_a_comma_locale) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    const char* oldNumeric = std::setlocale(LC_NUMERIC, nullptr);
    const std::string keep = oldNumeric ? oldNumeric : "C";
    std::setlocale(LC_NUMERIC, "fr_FR.UTF-8");
    Stock s = sampleStock();
    StatementLog log;
    s.Save();
    std::setlocale(LC_NUMERIC, keep.c_str());
    QLocale::setDefault(before);
    EXPECT_EQ(log.statements, QStringList{kInsertOfSample});
}

// Texts that must come back exactly as typed, through the insert and the update.
class StoredText : public StocksTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(StoredText, comes_back_exactly_and_runs_nothing_else) {
    const QString text = QString::fromUtf8(GetParam());
    StatementLog log;
    StockPtr asNotes = saved(QStringLiteral("NOTES"), text);
    StockPtr asName = saved(QStringLiteral("NAME"));
    asName->StockName = text; // the update sends any length unchanged
    asName->Update();
    EXPECT_EQ(log.statements.size(), 3);
    for (const QString& sql : log.statements)
        EXPECT_TRUE(sql.startsWith(QStringLiteral("Insert into Stocks (")) ||
                    sql.startsWith(QStringLiteral("Update Stocks set StockName='")));

    reload();
    ASSERT_EQ(StockList.Count(), 2);
    EXPECT_EQ(StockList.Item(asNotes->ID)->Notes, text);
    EXPECT_EQ(StockList.Item(asName->ID)->StockName, text);
    // Nothing the text says was run: the tables are as they were.
    EXPECT_EQ(QueryDatabase(folder.path(), QStringLiteral("Select * from System")).RecordCount(),
              1);
}

const std::string kLongText = std::string(9991, 'x') + "'quoted'!"; // 10,000 characters

INSTANTIATE_TEST_SUITE_P(Texts, StoredText,
                         ::testing::Values("O'NEIL & SONS'", "''", "a;b; Delete from Stocks; --",
                                           "x'); Drop Table System; --",
                                           "Select * from Stocks Where 1=1 or ''=''",
                                           "line one\r\nline two\nline three\r",
                                           "tab\there \\ back%slash _",
                                           "株式会社 Ωμέγα Привет עברית 🚀", kLongText.c_str()));

TEST_F(StocksTest, a_name_over_fifty_characters_is_cut_with_a_notice) {
    const QString fifty(50, u'N');
    StockPtr exact = saved(QStringLiteral("  ") + fifty + QStringLiteral("  "));
    EXPECT_TRUE(dialogs.shown.empty());
    // Blanks around a short enough name stay.
    EXPECT_EQ(exact->StockName, QStringLiteral("  ") + fifty + QStringLiteral("  "));

    StockPtr longer = saved(QStringLiteral(" ") + fifty + QStringLiteral("XY "));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.last().title, QStringLiteral("Stock Name Too Long"));
    EXPECT_EQ(dialogs.last().text,
              QStringLiteral("The name/description has exceeded the maximum length "
                             "of 50\r\ncharacters and has been truncated accordingly."));
    EXPECT_EQ(dialogs.last().icon, MsgIcon::Information);
    EXPECT_EQ(longer->StockName, fifty);
    reload();
    EXPECT_EQ(StockList.Item(longer->ID)->StockName, fifty);
}

TEST_F(StocksTest, save_returns_its_own_row_when_names_collide_after_cutting) {
    const QString fifty(50, u'Z');
    StockPtr first = saved(fifty + QStringLiteral("-FIRST"));
    StockPtr second = saved(fifty + QStringLiteral("-SECOND"));
    EXPECT_EQ(first->StockName, second->StockName);
    EXPECT_NE(first->ID, second->ID);
    second->Notes = QStringLiteral("second only");
    second->Update();
    reload();
    EXPECT_EQ(StockList.Item(first->ID)->Notes, QString());
    EXPECT_EQ(StockList.Item(second->ID)->Notes, QStringLiteral("second only"));
}

TEST_F(StocksTest, null_notes_load_as_empty_text_and_can_be_saved_again) {
    StockConnection.Execute(
        QStringLiteral("Insert into Stocks (StockName,High,Low,Actual,Bottom,RetIndex,"
                       "UpIndex,Uptrend,Notes) Values ('OLD',2,1,0,2,2,2,1,NULL)"));
    reload();
    StockPtr old = StockList.Item(1);
    EXPECT_EQ(old->Notes, QString());
    old->High = Fixed4FromDouble(3);
    old->Update();
    EXPECT_NE(old->Save(), 0);
    reload();
    EXPECT_EQ(StockList.Count(), 2);
    EXPECT_EQ(Fixed4ToDouble(StockList.Item(1)->High), 3.0);
}

TEST_F(StocksTest, load_reads_every_column_and_sorts_by_name) {
    StockConnection.Execute(
        QStringLiteral("Insert into Stocks (StockName,High,Low,Actual,Bottom,RetIndex,"
                       "UpIndex,Uptrend,Notes) Values ('ZETA',12.34567,9.87654,8.5,5,"
                       "4,11,1,'n1')"));
    StockConnection.Execute(
        QStringLiteral("Insert into Stocks (StockName,High,Low,Actual,Bottom,RetIndex,"
                       "UpIndex,Uptrend,Notes) Values ('ALPHA',NULL,NULL,NULL,NULL,"
                       "NULL,NULL,0,'')"));
    StockConnection.Execute(
        QStringLiteral("Insert into Stocks (StockName,Uptrend,Notes) Values ('MID',-1,'')"));
    StatementLog log;
    reload();
    EXPECT_EQ(log.statements,
              QStringList{QStringLiteral("Select * from Stocks order by StockName")});

    QStringList order;
    for (const auto& entry : StockList) {
        order << entry.stock->StockName;
        EXPECT_EQ(entry.id, entry.stock->ID);
        EXPECT_FALSE(entry.stock->NewStock);
        EXPECT_FALSE(entry.stock->Modified);
    }
    EXPECT_EQ(order, (QStringList{"ALPHA", "MID", "ZETA"}));

    const Stock& zeta = *StockList.Item(1);
    EXPECT_EQ(zeta.High, 123457); // rounded to four places
    EXPECT_EQ(zeta.Low, 98765);
    EXPECT_EQ(zeta.Actual, 8.5);
    EXPECT_EQ(zeta.Bottom, 5.0);
    EXPECT_EQ(zeta.RetIndex, 4);
    EXPECT_EQ(zeta.UpIndex, 11);
    EXPECT_TRUE(zeta.UpTrend);
    EXPECT_EQ(zeta.Notes, QStringLiteral("n1"));

    const Stock& alpha = *StockList.Item(2);
    EXPECT_EQ(alpha.High, 0);
    EXPECT_EQ(alpha.Low, 0);
    EXPECT_EQ(alpha.Actual, 0.0);
    EXPECT_EQ(alpha.Bottom, 0.0);
    EXPECT_EQ(alpha.RetIndex, 0);
    EXPECT_EQ(alpha.UpIndex, 0);
    EXPECT_FALSE(alpha.UpTrend);
    EXPECT_TRUE(StockList.Item(3)->UpTrend); // any non-zero flag

    // Stocks added later come after the loaded ones.
    StockPtr added = saved(QStringLiteral("AARDVARK"));
    StockList.Add(added->ID, added);
    QString last;
    for (const auto& entry : StockList)
        last = entry.stock->StockName;
    EXPECT_EQ(last, QStringLiteral("AARDVARK"));
}

TEST_F(StocksTest, an_empty_table_loads_an_empty_list) {
    LoadStocks();
    EXPECT_EQ(StockList.Count(), 0);
    EXPECT_TRUE(StockList.begin() == StockList.end());
}

TEST_F(StocksTest, a_null_where_a_value_is_required_stops_loading) {
    for (const char* column : {"StockName", "Uptrend"}) {
        StockConnection.Execute(QStringLiteral("Delete from Stocks"));
        StockConnection.Execute(
            QStringLiteral("Insert into Stocks (StockName,Uptrend) Values ('A',1)"));
        StockConnection.Execute(
            QStringLiteral("Update Stocks set %1=NULL").arg(QLatin1String(column)));
        StockList.Clear();
        try {
            LoadStocks();
            ADD_FAILURE() << column << " Null loaded";
        } catch (const AppError& e) {
            EXPECT_EQ(e.Number(), ErrorNumbers::InvalidUseOfNull) << column;
        }
    }
}

TEST(EscapeQuotes, doubles_single_quotes_and_nothing_else) {
    EXPECT_EQ(EscapeQuotes(QStringLiteral("O'NEIL")), QStringLiteral("O''NEIL"));
    EXPECT_EQ(EscapeQuotes(QStringLiteral("''")), QStringLiteral("''''"));
    EXPECT_EQ(EscapeQuotes(QStringLiteral("a\"b;\\c")), QStringLiteral("a\"b;\\c"));
    EXPECT_EQ(EscapeQuotes(QString()), QString());
}

TEST(FindKey, reads_the_id_of_a_node_key) {
    DialogScript dialogs;
    EXPECT_EQ(FindKey(QStringLiteral("A17")), 17);
    EXPECT_EQ(FindKey(QStringLiteral("A2147483647")), 2147483647);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST(FindKey, traps_a_key_that_is_no_number_and_returns_zero) {
    DialogScript dialogs;
    EXPECT_EQ(FindKey(QStringLiteral("Ax7")), 0);
    EXPECT_EQ(FindKey(QStringLiteral("A99999999999")), 0);
    EXPECT_EQ(dialogs.titles(),
              (QStringList{"Module1 FindKey Error#13", "Module1 FindKey Error#6"}));
    EXPECT_EQ(dialogs.shown[0].icon, MsgIcon::Critical);
    EXPECT_EQ(dialogs.shown[0].text, QStringLiteral("Type mismatch"));
}

TEST(SavedCopy, backup_and_restore_copy_exactly_seven_values) {
    ResetStorage();
    Stock values = sampleStock();
    values.ID = 9;
    values.Modified = true;
    values.NewStock = true;
    *CurrentStock = values;
    BackupCurrentStock();
    EXPECT_NE(SavedCopy, CurrentStock);
    EXPECT_EQ(SavedCopy->High, values.High);
    EXPECT_EQ(SavedCopy->Low, values.Low);
    EXPECT_EQ(SavedCopy->Actual, values.Actual);
    EXPECT_EQ(SavedCopy->Bottom, values.Bottom);
    EXPECT_EQ(SavedCopy->RetIndex, values.RetIndex);
    EXPECT_EQ(SavedCopy->UpIndex, values.UpIndex);
    EXPECT_EQ(SavedCopy->Notes, values.Notes);
    EXPECT_EQ(SavedCopy->StockName, QString());
    EXPECT_EQ(SavedCopy->ID, 0);
    EXPECT_FALSE(SavedCopy->UpTrend);
    EXPECT_FALSE(SavedCopy->Modified);
    EXPECT_FALSE(SavedCopy->NewStock);

    *CurrentStock = Stock();
    CurrentStock->StockName = QStringLiteral("KEEP");
    RestoreCurrentStock();
    EXPECT_EQ(CurrentStock->StockName, QStringLiteral("KEEP"));
    EXPECT_EQ(CurrentStock->High, values.High);
    EXPECT_EQ(CurrentStock->Notes, values.Notes);
    EXPECT_EQ(CurrentStock->ID, 0);
    EXPECT_FALSE(CurrentStock->UpTrend);
    ResetStorage();
}

TEST(StockCollection, keeps_insertion_order_through_removals) {
    StockCollection list;
    for (qint32 id : {30, 10, 20, 40}) {
        auto s = std::make_shared<Stock>();
        s->ID = id;
        list.Add(id, s);
    }
    list.Remove(10);
    // Removing while iterating is safe.
    for (const auto& entry : list)
        if (entry.id == 20)
            list.Remove(20);
    QList<qint32> ids;
    for (const auto& entry : list)
        ids << entry.id;
    EXPECT_EQ(ids, (QList<qint32>{30, 40}));
    EXPECT_EQ(list.Count(), 2);
    EXPECT_FALSE(list.Contains(10));
    EXPECT_EQ(list.Find(10), nullptr);
    EXPECT_EQ(list.Item(40)->ID, 40);
}

TEST(StockCollection, refuses_a_key_twice_and_a_missing_key) {
    StockCollection list;
    auto s = std::make_shared<Stock>();
    list.Add(1, s);
    auto numberOf = [](auto&& call) {
        try {
            call();
        } catch (const AppError& e) {
            return e.Number();
        }
        return 0;
    };
    EXPECT_EQ(numberOf([&] { list.Add(1, std::make_shared<Stock>()); }), 457);
    EXPECT_EQ(numberOf([&] { list.Item(2); }), ErrorNumbers::InvalidProcedureCall);
    EXPECT_EQ(numberOf([&] { list.Remove(2); }), ErrorNumbers::InvalidProcedureCall);
    EXPECT_EQ(list.Item(1), s); // shared, not copied
}

TEST(StockCollection, handles_a_hundred_thousand_entries) {
    StockCollection list;
    constexpr int kCount = 100000;
    for (int id = kCount; id >= 1; --id)
        list.Add(id, std::make_shared<Stock>());
    // Remove every other entry, then add again: order and lookups stay right.
    for (int id = 2; id <= kCount; id += 2)
        list.Remove(id);
    for (int id = kCount + 1; id <= kCount + 1000; ++id)
        list.Add(id, std::make_shared<Stock>());
    EXPECT_EQ(list.Count(), kCount / 2 + 1000);
    qint32 previous = kCount + 2;
    int seen = 0;
    for (const auto& entry : list) {
        if (entry.id > kCount)
            break;
        EXPECT_LT(entry.id, previous);
        EXPECT_EQ(entry.id % 2, 1);
        previous = entry.id;
        ++seen;
    }
    EXPECT_EQ(seen, kCount / 2);
    EXPECT_TRUE(list.Contains(kCount + 1000));
    EXPECT_FALSE(list.Contains(kCount));
}
