// The database engine behind the connection string: opening, creating a new
// file, refusing to touch a bad one, statements, recordsets and the settings row.
#include "platform/database.h"
#include "platform/errors.h"
#include "storage/module1.h"
#include "storagetesting.h"
#include "support/dialogscript.h"
#include "support/qtprinters.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {
QString dbPath(const TempProgramFolder& folder) {
    return folder.file(QStringLiteral("Stocks.mdb"));
}

// The error a call raises, or number 0 when it raises none.
template <typename Call> AppError errorOf(Call&& call) {
    try {
        call();
    } catch (const AppError& e) {
        return e;
    }
    return AppError(0, {});
}

// A database file with two stocks, closed again.
void makeDatabase(const TempProgramFolder& folder) {
    ExecDatabase(folder.path(),
                 QStringLiteral("Insert into Stocks (StockName,High,Low,Actual,Bottom,RetIndex,"
                                "UpIndex,Uptrend,Notes) Values ('IBM',12.5,10,0,2,2,2,1,'')"));
    ExecDatabase(folder.path(),
                 QStringLiteral("Insert into Stocks (StockName,High,Low,Actual,Bottom,RetIndex,"
                                "UpIndex,Uptrend,Notes) Values ('ACME',3,1,0,2,2,2,0,'n')"));
}
} // namespace

TEST(ConnectionString, joins_driver_folder_file_and_password) {
    EXPECT_EQ(StockConnectionString(QStringLiteral("/opt/dorvex")),
              QStringLiteral("Driver={Microsoft Access Driver (*.mdb)};Dbq=/opt/dorvex\\Stocks.mdb;"
                             "Password=tessarin58"));
    // The folder is taken as the platform reports it: nothing added or removed.
    EXPECT_EQ(
        StockConnectionString(QStringLiteral("C:\\Program Files\\Dorvex\\")),
        QStringLiteral("Driver={Microsoft Access Driver (*.mdb)};Dbq=C:\\Program Files\\Dorvex\\"
                       "\\Stocks.mdb;Password=tessarin58"));
}

TEST(ConnectionString, path_is_the_dbq_part_with_the_last_backslash_as_separator) {
    EXPECT_EQ(
        DatabasePathFromConnectionString(StockConnectionString(QStringLiteral("/opt/dorvex"))),
        QStringLiteral("/opt/dorvex/Stocks.mdb"));
    // Semicolons and backslashes inside the folder name belong to the folder.
    EXPECT_EQ(
        DatabasePathFromConnectionString(StockConnectionString(QStringLiteral("/tmp/a;b\\c"))),
        QStringLiteral("/tmp/a;b\\c/Stocks.mdb"));
    EXPECT_EQ(
        errorOf([] { DatabasePathFromConnectionString(QStringLiteral("Driver=x;")); }).Number(),
        DbErrorNumbers::EngineError);
}

TEST(FirstStart, creates_the_file_with_both_tables_and_the_settings_row) {
    TempProgramFolder folder;
    ASSERT_FALSE(QFile::exists(dbPath(folder)));
    DbConnection connection;
    connection.Open(StockConnectionString(folder.path()));
    EXPECT_TRUE(QFile::exists(dbPath(folder)));
    EXPECT_EQ(connection.FilePath(), dbPath(folder));

    Recordset settings = connection.OpenRecordset(QStringLiteral("Select * from System"));
    ASSERT_EQ(settings.RecordCount(), 1);
    EXPECT_EQ(settings.Field(QStringLiteral("Language")).toInt(), 0);
    EXPECT_EQ(settings.Field(QStringLiteral("Decimals")).toInt(), 2);

    Recordset stocks = connection.OpenRecordset(QStringLiteral("Select * from Stocks"));
    EXPECT_EQ(stocks.RecordCount(), 0);
    QStringList names;
    for (int i = 0; i < stocks.FieldCount(); ++i)
        names << stocks.FieldName(i);
    EXPECT_EQ(names.join(u','),
              QStringLiteral("ID,StockName,High,Low,Actual,Bottom,RetIndex,UpIndex,UpTrend,Notes"));

    // IDs are numbered by the engine and never reused.
    connection.Execute(QStringLiteral("Insert into Stocks (StockName) Values ('A')"));
    EXPECT_EQ(connection.LastInsertId(), 1);
    connection.Execute(QStringLiteral("Delete from Stocks Where ID=1"));
    connection.Execute(QStringLiteral("Insert into Stocks (StockName) Values ('B')"));
    EXPECT_EQ(connection.LastInsertId(), 2);
    // Nothing but the database and no half-built file is left in the folder.
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files),
              QStringList{QStringLiteral("Stocks.mdb")});
}

TEST(FirstStart, works_in_a_folder_whose_name_needs_escaping) {
    TempProgramFolder parent;
    const QString odd = parent.file(QStringLiteral("my; odd #?%20 folder Ωμέγα"));
    ASSERT_TRUE(QDir().mkpath(odd));
    DbConnection connection;
    connection.Open(StockConnectionString(odd));
    EXPECT_TRUE(QFile::exists(odd + QStringLiteral("/Stocks.mdb")));
    connection.Execute(QStringLiteral("Insert into Stocks (StockName) Values ('ODD')"));
    connection.Close();
    // Opened again, it is the same file, not a new one.
    EXPECT_EQ(QueryDatabase(odd, QStringLiteral("Select * from Stocks")).RecordCount(), 1);
}

TEST(FirstStart, an_unwritable_folder_fails_with_the_reason_and_creates_nothing) {
    TempProgramFolder folder;
    AppError error(0, {});
    {
        UnwritableFolder guard(folder.path());
        if (!guard.Active())
            GTEST_SKIP() << "this process can write every folder";
        DbConnection connection;
        error = errorOf([&] { connection.Open(StockConnectionString(folder.path())); });
        EXPECT_FALSE(connection.IsOpen());
    }
    EXPECT_EQ(error.Number(), ErrorNumbers::FileError);
    EXPECT_TRUE(error.Description().contains(QStringLiteral("ermission"))) << error.what();
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

// Each kind of bad file: the open fails with the engine's words and the bytes stay as they were.
struct BadFile {
    const char* name;
    QByteArray (*make)(const QByteArray& goodFile);
    const char* engineText;
};

class ExistingBadFile : public ::testing::TestWithParam<BadFile> {};

TEST_P(ExistingBadFile, is_reported_and_left_byte_for_byte) {
    TempProgramFolder folder;
    makeDatabase(folder);
    const QByteArray bad = GetParam().make(FileBytes(dbPath(folder)));
    WriteFileBytes(dbPath(folder), bad);

    DbConnection connection;
    const AppError error = errorOf([&] {
        connection.Open(StockConnectionString(folder.path()));
        connection.OpenRecordset(QStringLiteral("Select * from Stocks order by StockName"));
    });
    EXPECT_EQ(error.Number(), DbErrorNumbers::EngineError);
    EXPECT_TRUE(error.Description().contains(QString::fromLatin1(GetParam().engineText)))
        << error.what();
    connection.Close();
    EXPECT_EQ(FileBytes(dbPath(folder)), bad);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files),
              QStringList{QStringLiteral("Stocks.mdb")});
}

INSTANTIATE_TEST_SUITE_P(
    Files, ExistingBadFile,
    ::testing::Values(
        BadFile{
            "text",
            [](const QByteArray&) { return QByteArray("These are my notes, not a database.\n"); },
            "file is not a database"},
        BadFile{"empty", [](const QByteArray&) { return QByteArray(); }, "no such table: Stocks"},
        BadFile{"truncated",
                [](const QByteArray& good) { return good.left(good.size() / 2 + 100); },
                "malformed"},
        BadFile{"damaged_table_page",
                [](const QByteArray& good) {
                    QByteArray bad = good;
                    // The Stocks table's page: its page type byte and cell pointers garbled.
                    for (int i = 4096; i < 4096 + 16; ++i)
                        bad[i] = char(0x5A);
                    return bad;
                },
                "malformed"}),
    [](const ::testing::TestParamInfo<BadFile>& info) { return std::string(info.param.name); });

TEST(Statements, engine_failures_carry_a_number_and_the_engine_description) {
    TempProgramFolder folder;
    DbConnection connection;
    EXPECT_EQ(errorOf([&] { connection.Execute(QStringLiteral("Delete from Stocks")); }).Number(),
              DbErrorNumbers::ObjectClosed);
    connection.Open(StockConnectionString(folder.path()));
    const AppError error =
        errorOf([&] { connection.Execute(QStringLiteral("Select * from Nowhere")); });
    EXPECT_EQ(error.Number(), DbErrorNumbers::EngineError);
    EXPECT_EQ(error.Description(), QStringLiteral("no such table: Nowhere"));
    // One statement at a time: a second one after a semicolon is refused, not run.
    EXPECT_EQ(errorOf([&] {
                  connection.Execute(QStringLiteral("Insert into Stocks (StockName) Values ('A'); "
                                                    "Delete from Stocks"));
              }).Number(),
              DbErrorNumbers::EngineError);
    EXPECT_EQ(connection.OpenRecordset(QStringLiteral("Select * from Stocks")).RecordCount(), 0);
}

TEST(Statements, several_connections_live_side_by_side_in_one_process) {
    TempProgramFolder one;
    TempProgramFolder two;
    DbConnection first;
    DbConnection second;
    first.Open(StockConnectionString(one.path()));
    second.Open(StockConnectionString(two.path()));
    EXPECT_NE(first.ConnectionName(), second.ConnectionName());
    first.Execute(QStringLiteral("Insert into Stocks (StockName) Values ('ONE')"));
    EXPECT_EQ(first.OpenRecordset(QStringLiteral("Select * from Stocks")).RecordCount(), 1);
    EXPECT_EQ(second.OpenRecordset(QStringLiteral("Select * from Stocks")).RecordCount(), 0);
}

TEST(Recordsets, tell_null_from_empty_and_walk_rows_in_order) {
    TempProgramFolder folder;
    DbConnection connection;
    connection.Open(StockConnectionString(folder.path()));
    connection.Execute(
        QStringLiteral("Insert into Stocks (StockName,High,Notes) Values ('B',NULL,'')"));
    connection.Execute(QStringLiteral("Insert into Stocks (StockName,High) Values ('A',1.5)"));

    Recordset rs =
        connection.OpenRecordset(QStringLiteral("Select * from Stocks order by StockName"));
    ASSERT_EQ(rs.RecordCount(), 2);
    EXPECT_EQ(rs.Field(QStringLiteral("stockname")).toString(), QStringLiteral("A"));
    EXPECT_EQ(rs.Field(QStringLiteral("High")).toDouble(), 1.5);
    EXPECT_TRUE(rs.Field(QStringLiteral("Notes")).isNull());
    rs.MoveNext();
    EXPECT_EQ(rs.Field(QStringLiteral("StockName")).toString(), QStringLiteral("B"));
    EXPECT_TRUE(rs.Field(QStringLiteral("High")).isNull());
    EXPECT_FALSE(rs.Field(QStringLiteral("Notes")).isNull());
    EXPECT_EQ(rs.Field(QStringLiteral("Notes")).toString(), QString());
    EXPECT_EQ(errorOf([&] { rs.Field(QStringLiteral("Missing")); }).Number(),
              DbErrorNumbers::ItemNotFound);
    rs.MoveNext();
    EXPECT_TRUE(rs.AtEnd());
    EXPECT_EQ(errorOf([&] { rs.Field(QStringLiteral("ID")); }).Number(),
              DbErrorNumbers::NoCurrentRecord);
}

TEST(SettingsRecordset, assigned_fields_are_written_by_update) {
    TempProgramFolder folder;
    DbConnection connection;
    connection.Open(StockConnectionString(folder.path()));
    EditableRecordset row;
    row.Open(connection, QStringLiteral("Select * from System"));
    EXPECT_EQ(row.Field(QStringLiteral("Decimals")).toInt(), 2);

    row.SetField(QStringLiteral("Decimals"), 4);
    EXPECT_EQ(row.Field(QStringLiteral("Decimals")).toInt(), 4);
    EXPECT_EQ(QueryDatabase(folder.path(), QStringLiteral("Select * from System"))
                  .Field(QStringLiteral("Decimals"))
                  .toInt(),
              2);
    row.Update();
    Recordset stored = QueryDatabase(folder.path(), QStringLiteral("Select * from System"));
    EXPECT_EQ(stored.RecordCount(), 1);
    EXPECT_EQ(stored.Field(QStringLiteral("Decimals")).toInt(), 4);
    EXPECT_EQ(stored.Field(QStringLiteral("Language")).toInt(), 0);
}

TEST(SettingsRecordset, a_table_without_rows_has_no_current_record) {
    TempProgramFolder folder;
    ExecDatabase(folder.path(), QStringLiteral("Delete from System"));
    DbConnection connection;
    connection.Open(StockConnectionString(folder.path()));
    EditableRecordset row;
    row.Open(connection, QStringLiteral("Select * from System"));
    EXPECT_TRUE(row.AtEnd());
    EXPECT_EQ(errorOf([&] { row.Field(QStringLiteral("Decimals")); }).Number(),
              DbErrorNumbers::NoCurrentRecord);
    EXPECT_EQ(errorOf([&] { row.SetField(QStringLiteral("Decimals"), 2); }).Number(),
              DbErrorNumbers::NoCurrentRecord);
}

TEST(SettingsRecordset, a_refused_update_is_dropped_and_not_written_later) {
    TempProgramFolder folder;
    DbConnection connection;
    connection.Open(StockConnectionString(folder.path()));
    EditableRecordset row;
    row.Open(connection, QStringLiteral("Select * from System"));
    // The row vanishes behind the recordset's back.
    ExecDatabase(folder.path(), QStringLiteral("Delete from System"));
    row.SetField(QStringLiteral("Decimals"), 5);
    EXPECT_EQ(errorOf([&] { row.Update(); }).Number(), DbErrorNumbers::EngineError);
    EXPECT_EQ(row.Field(QStringLiteral("Decimals")).toInt(), 2);
}
